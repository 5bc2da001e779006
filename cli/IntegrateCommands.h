#pragma once

#include <CLI/CLI.hpp>

namespace lx::cli {

// integrate, synth: the integration pipeline on files, and synthetic runs to try it on.
void AddIntegrateCommands(CLI::App& app, int& exitCode);

}  // namespace lx::cli
