#pragma once
// lx6600-cli import-text: a signal written as text made a chromatogram file.

#include <CLI/CLI.hpp>

namespace lx::cli {

void AddTextImportCommand(CLI::App& app, int& exitCode);

}  // namespace lx::cli
