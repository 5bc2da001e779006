#pragma once

#include <string>

#include <CLI/CLI.hpp>

namespace lx::cli {

// project component PROJECT add / remove / concentration / curve: the component table.
void AddComponentCommands(CLI::App* project, int& exitCode, const std::string& home);

}  // namespace lx::cli
