#pragma once
// lx6600-cli report: the analysis report of a chromatogram as a PDF file.

#include <CLI/CLI.hpp>

#include <string>

namespace lx::cli {

void AddReportCommand(CLI::App& app, int& exitCode, const std::string& home);

}  // namespace lx::cli
