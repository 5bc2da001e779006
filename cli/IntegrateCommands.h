#pragma once

#include <string>

#include <CLI/CLI.hpp>

namespace lx::cli {

// integrate, synth: the integration pipeline on files (with a method project: identified and
// quantified), and synthetic runs to try it on. `home` is the application directory given.
void AddIntegrateCommands(CLI::App& app, int& exitCode, const std::string& home);

}  // namespace lx::cli
