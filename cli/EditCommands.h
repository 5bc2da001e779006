#pragma once

#include <CLI/CLI.hpp>

namespace lx::cli {

// edit, events: manual integration events on a chromatogram file.
void AddEditCommands(CLI::App& app, int& exitCode);

}  // namespace lx::cli
