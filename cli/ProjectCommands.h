#pragma once

#include <string>

#include <CLI/CLI.hpp>

namespace lx::cli {

// project new / show / add-standard / add-sample / remove / remove-all / set-level /
// calibrate / reference / component: method projects and their files. `home` is the
// application directory given on the command line, if any.
void AddProjectCommands(CLI::App& app, int& exitCode, const std::string& home);

}  // namespace lx::cli
