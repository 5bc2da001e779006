#include "cli/AndiCommands.h"

#include <iostream>
#include <memory>
#include <optional>

#include "cli/CliCommon.h"
#include "cli/CliPrompter.h"
#include "cli/CliTexts.h"
#include "cli/NumberOptions.h"
#include "core/TzdFile.h"
#include "interchange/andi/AndiExport.h"
#include "interchange/andi/AndiImport.h"
#include "interchange/andi/AndiSignal.h"

namespace lx::cli {
namespace {

struct ImportOptions {
    std::string in;
    std::string out;
    bool keepPeaks = false;
    std::optional<int> rate;
    bool force = false;
    NumberOptions numbers;
};

int RunImport(const ImportOptions& o) {
    if (const std::string refused = RefuseOutput(o.out, {o.in}, o.force); !refused.empty())
        return Fail(refused);
    CliPrompter prompter;
    auto doc = ImportAndiFile(o.in, {o.keepPeaks, o.rate}, prompter);
    if (!doc.ok())
        return Fail(doc.error());
    if (Status saved = SaveTzdFile(doc.value(), o.out); !saved.ok())
        return Fail(saved.error());
    std::cout << o.out << "\n";
    return kOk;
}

}  // namespace

int RunAndiExport(const std::string& in, const std::string& out, bool force) {
    if (const std::string refused = RefuseOutput(out, {in}, force); !refused.empty())
        return Fail(refused);
    auto doc = LoadTzdFile(in);
    if (!doc.ok())
        return Fail(doc.error());
    if (Status written = ExportAndiFile(doc.value(), out); !written.ok())
        return Fail(written.error());
    std::cout << out << "\n";
    return kOk;
}

void AddAndiCommands(CLI::App& app, int& exitCode) {
    auto o = std::make_shared<ImportOptions>();
    auto* cmd = app.add_subcommand("import-andi", Tr(texts::kImportAndiHelp));
    cmd->add_option("IN", o->in, Tr(texts::kAndiInHelp))->required();
    cmd->add_option("OUT", o->out, Tr(texts::kAndiOutHelp))->required();
    cmd->add_flag("--keep-peaks", o->keepPeaks, Tr(texts::kKeepPeaksHelp));
    o->numbers.Add(cmd, "--rate", o->rate, {kMinRate, kMaxRate}, texts::kAndiRateHelp,
                   Tr(texts::kPerSecondUnit));
    cmd->add_flag("--force", o->force, Tr(texts::kForceHelp));
    cmd->callback(
        [o, &exitCode] { exitCode = o->numbers.StoreThenRun([&] { return RunImport(*o); }); });
}

}  // namespace lx::cli
