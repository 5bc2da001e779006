#pragma once
// lx6600-cli table: a chromatogram's result table as the analysis window, the printed report
// or the clipboard has it.

#include <CLI/CLI.hpp>

#include <string>

namespace lx::cli {

void AddTableCommand(CLI::App& app, int& exitCode, const std::string& home);

}  // namespace lx::cli
