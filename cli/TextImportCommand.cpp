#include "cli/TextImportCommand.h"

#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli/CliCommon.h"
#include "cli/CliPrompter.h"
#include "cli/CliTexts.h"
#include "cli/NumberOptions.h"
#include "core/Format.h"
#include "core/TzdFile.h"
#include "interchange/tables/SignalImport.h"
#include "interchange/tables/TablesTexts.h"

namespace lx::cli {
namespace {

struct TextImportOptions {
    std::string in;
    std::string out;
    int timeColumn = 1;
    int valueColumn = 2;
    std::string timeUnit = "min";
    std::string valueUnit = "uV";
    std::optional<int> rate;
    bool force = false;
    NumberOptions numbers;
};

// The import's options from the command's words; a usage error's message, or "".
std::string ImportOptionsOf(const TextImportOptions& o, SignalImportOptions& options) {
    if (o.timeUnit != "min" && o.timeUnit != "s")
        return Format(Tr(texts::kNotAChoice), "--time-unit", o.timeUnit.c_str(), "min, s");
    if (o.valueUnit != "uV" && o.valueUnit != "mV" && o.valueUnit != "V")
        return Format(Tr(texts::kNotAChoice), "--value-unit", o.valueUnit.c_str(), "uV, mV, V");
    if (o.timeColumn == o.valueColumn)
        return Tr(texts::kImportSameColumn);
    options.m_Columns = {o.timeColumn, o.valueColumn};
    options.m_TimeUnit = o.timeUnit == "s" ? SignalTimeUnit::kSeconds : SignalTimeUnit::kMinutes;
    options.m_ValueUnit = o.valueUnit == "mV"  ? SignalValueUnit::kMillivolts
                          : o.valueUnit == "V" ? SignalValueUnit::kVolts
                                               : SignalValueUnit::kMicrovolts;
    options.m_Rate = o.rate;
    return {};
}

// What the operator should know of values that are not the file's as written. Resampled
// values are all made anew (and rounded), which the one note says.
void TellChanges(const ImportedSignal& signal) {
    if (signal.m_RoundedValues && !signal.m_Resampled)
        std::cerr << Format(Tr(lx::texts::kSignalRounded), signal.m_RoundedValues,
                            Format("%.6g", signal.m_LargestRounding).c_str())
                  << "\n";
    if (signal.m_Resampled)
        std::cerr << Format(Tr(lx::texts::kSignalResampled), signal.m_Rows, signal.m_Rate,
                            signal.m_Samples.size())
                  << "\n";
}

int RunTextImport(const TextImportOptions& o) {
    SignalImportOptions options;
    if (const std::string wrong = ImportOptionsOf(o, options); !wrong.empty())
        return UsageError(wrong);
    if (const std::string refused = RefuseOutput(o.out, {o.in}, o.force); !refused.empty())
        return Fail(refused);
    SignalImport imported = ImportSignalText(o.in, options);
    if (!imported.m_Signal)
        return Fail(imported.m_Error +
                    (imported.m_RateWouldHelp ? Tr(texts::kImportGiveRate) : ""));
    TellChanges(*imported.m_Signal);
    CliPrompter prompter;
    CTzLabDoc doc = ImportedChromatogram(std::move(*imported.m_Signal), prompter);
    if (const Status saved = SaveTzdFile(doc, o.out); !saved.ok())
        return Fail(saved.error());
    std::cout << o.out << "\n";
    return kOk;
}

}  // namespace

void AddTextImportCommand(CLI::App& app, int& exitCode) {
    auto o = std::make_shared<TextImportOptions>();
    auto* cmd = app.add_subcommand("import-text", Tr(texts::kImportTextHelp));
    cmd->add_option("FILE", o->in, Tr(texts::kImportFileHelp))->required();
    cmd->add_option("OUT", o->out, Tr(texts::kImportOutHelp))->required();
    // A line holds at most SignalTextReader::kMaxLineLength characters, so half as many columns.
    const double columns = SignalTextReader::kMaxLineLength / 2;
    o->numbers.Add(cmd, "--time-column", o->timeColumn, {1, columns}, texts::kTimeColumnHelp);
    o->numbers.Add(cmd, "--value-column", o->valueColumn, {1, columns}, texts::kValueColumnHelp);
    cmd->add_option("--time-unit", o->timeUnit, Tr(texts::kTimeUnitHelp))->type_name("min|s");
    cmd->add_option("--value-unit", o->valueUnit, Tr(texts::kValueUnitHelp))->type_name("uV|mV|V");
    o->numbers.Add(cmd, "--rate", o->rate, {1, static_cast<double>(kMaxSignalRate)},
                   texts::kImportRateHelp, Tr(texts::kPerSecondUnit));
    cmd->add_flag("--force", o->force, Tr(texts::kForceHelp));
    cmd->callback(
        [o, &exitCode] { exitCode = o->numbers.StoreThenRun([&] { return RunTextImport(*o); }); });
}

}  // namespace lx::cli
