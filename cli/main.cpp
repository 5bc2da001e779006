// lx6600-cli: the workstation's engine without its windows, for scripts and batch work.

#include <CLI/CLI.hpp>

#include "cli/CliCommon.h"
#include "cli/EditCommands.h"
#include "cli/FileCommands.h"
#include "cli/IntegrateCommands.h"
#include "cli/ProcessCommands.h"
#include "cli/ProjectCommands.h"

int main(int argc, char** argv) {
    CLI::App app{"LX6600 chromatography workstation, command line"};
    app.require_subcommand(1);
    // Options of the tool itself may follow the subcommand.
    app.fallthrough();
    std::string home;
    app.add_option("--home", home,
                   "application directory (default: $LX6600_HOME, else ~/LX6600)");
    int exitCode = lx::cli::kOk;
    lx::cli::AddFileCommands(app, exitCode);
    lx::cli::AddIntegrateCommands(app, exitCode, home);
    lx::cli::AddEditCommands(app, exitCode);
    lx::cli::AddProjectCommands(app, exitCode, home);
    lx::cli::AddProcessCommands(app, exitCode);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int shown = app.exit(e);
        return shown == 0 ? lx::cli::kOk : lx::cli::kUsage;
    }
    return exitCode;
}
