// lx6600-cli: the workstation's engine without its windows, for scripts and batch work.

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli/AcquisitionCommands.h"
#include "cli/AndiCommands.h"
#include "cli/CliCommon.h"
#include "cli/CliTexts.h"
#include "cli/CommandWords.h"
#include "cli/EditCommands.h"
#include "cli/FileCommands.h"
#include "cli/IntegrateCommands.h"
#include "cli/JsonSchemaText.h"
#include "cli/ProcessCommands.h"
#include "cli/ProjectCommands.h"
#include "cli/ReportCommand.h"
#include "cli/RunCommands.h"
#include "cli/SummaryCommand.h"
#include "cli/TableCommand.h"
#include "cli/TextImportCommand.h"
#include "core/Format.h"
#include "core/Language.h"
#include "core/SampleArray.h"

namespace {

using namespace lx;
using namespace lx::cli;

// --lang decides before anything is said, so it is read ahead of the parser; an unknown
// language is a usage error like any other value out of range.
bool ChooseLanguage(const std::vector<std::string>& args) {
    SetLanguage(LanguageFromEnvironment());
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string value;
        if (args[i] == "--lang" && i + 1 < args.size())
            value = args[i + 1];
        else if (args[i].rfind("--lang=", 0) == 0)
            value = args[i].substr(7);
        else
            continue;
        if (value != "en" && value != "zh") {
            std::cerr << Format(Tr(texts::kOutOfRange), "--lang", value.c_str(), "en, zh") << "\n";
            return false;
        }
        SetLanguage(value == "en" ? Language::English : Language::Chinese);
    }
    return true;
}

int Run(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!ChooseLanguage(args))
        return kUsage;
    CLI::App app{Tr(texts::kToolDescription), "lx6600-cli"};
    ConfigureHelp(app);
    app.require_subcommand(1);
    // Options of the tool itself may follow the subcommand.
    app.fallthrough();
    app.set_version_flag("--version", std::string("lx6600-cli ") + LX6600_VERSION,
                         Tr(texts::kVersionHelp));
    std::string home, language;
    app.add_option("--home", home, Tr(texts::kHomeHelp))->type_name(Tr(texts::kFolderType));
    app.add_option("--lang", language, Tr(texts::kLangHelp))->type_name("en|zh");
    app.add_flag_callback(
        "--help-json",
        [] {
            std::cout << JsonSchemaText();
            throw CLI::Success();
        },
        Tr(texts::kHelpJsonHelp));
    int exitCode = kOk;
    AddFileCommands(app, exitCode);
    AddIntegrateCommands(app, exitCode, home);
    AddEditCommands(app, exitCode);
    AddProjectCommands(app, exitCode, home);
    AddProcessCommands(app, exitCode);
    AddTableCommand(app, exitCode, home);
    AddSummaryCommand(app, exitCode, home);
    AddTextImportCommand(app, exitCode);
    AddReportCommand(app, exitCode, home);
    AddRunCommands(app, exitCode, home);
    AddAcquisitionCommands(app, exitCode);
    AddAndiCommands(app, exitCode);
    LocalizeOptionGroups(app);
    if (args.empty()) {
        std::cerr << app.help();
        return kUsage;
    }
    if (const std::string unplaced = UnplacedWord(app, args); !unplaced.empty())
        return UsageError(unplaced);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::Success&) {
        return kOk;
    } catch (const CLI::ParseError& e) {
        return UsageError(ParseErrorMessage(e));
    }
    return exitCode;
}

// Output to a full disk or a closed pipe must not pass for success: whatever a command
// printed reaches its file, or the tool says it did not and exits 1.
int CheckedOutput(int code) {
    std::cout.flush();
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int err = errno;
    if (flushed && !std::ferror(stdout) && std::cout.good())
        return code;
    return Fail(Format(Tr(texts::kOutputFailed),
                       err != 0 ? std::strerror(err) : Tr(texts::kReasonUnknownOutput)));
}

}  // namespace

int main(int argc, char** argv) {
    lx::MapLargeSampleBlocks();  // "acquire" records for as long as it is told
    // Nothing the tool meets may end in an uncaught exception or a core dump: what is left
    // after every command's own checks is said plainly and exits 1.
    int code = kOk;
    try {
        code = Run(argc, argv);
    } catch (const std::bad_alloc&) {
        code = Fail(Tr(texts::kOutOfMemory));
    } catch (const std::exception& e) {
        code = Fail(Format(Tr(texts::kInternalError), e.what()));
    }
    return CheckedOutput(code);
}
