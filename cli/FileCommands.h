#pragma once

#include <CLI/CLI.hpp>

namespace lx::cli {

// dump, save, new: chromatogram files as they are.
void AddFileCommands(CLI::App& app, int& exitCode);

}  // namespace lx::cli
