#pragma once
// lx6600-cli summary: one table of many runs, as CSV, TSV or an Excel workbook.

#include <CLI/CLI.hpp>

#include <string>

namespace lx::cli {

void AddSummaryCommand(CLI::App& app, int& exitCode, const std::string& home);

}  // namespace lx::cli
