#pragma once
// Recording runs from the command line: acquire, and recover what a crash interrupted.

#include <CLI/CLI.hpp>

#include <string>

namespace lx::cli {

void AddRunCommands(CLI::App& app, int& exitCode, const std::string& home);

}  // namespace lx::cli
