#pragma once
// Commands of the acquisition side: what the workstation makes of a detector line.

#include <CLI/CLI.hpp>

namespace lx::cli {

void AddAcquisitionCommands(CLI::App& app, int& exitCode);

}  // namespace lx::cli
