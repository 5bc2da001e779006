// lx6600-cli: the workstation's engine without its windows, for scripts and batch work.

#include <CLI/CLI.hpp>

#include "cli/CliCommon.h"
#include "cli/EditCommands.h"
#include "cli/FileCommands.h"
#include "cli/IntegrateCommands.h"

int main(int argc, char** argv) {
    CLI::App app{"LX6600 chromatography workstation, command line"};
    app.require_subcommand(1);
    int exitCode = lx::cli::kOk;
    lx::cli::AddFileCommands(app, exitCode);
    lx::cli::AddIntegrateCommands(app, exitCode);
    lx::cli::AddEditCommands(app, exitCode);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int shown = app.exit(e);
        return shown == 0 ? lx::cli::kOk : lx::cli::kUsage;
    }
    return exitCode;
}
