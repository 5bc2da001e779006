#include "cli/EditCommands.h"

#include <iostream>
#include <memory>
#include <optional>

#include "cli/CliCommon.h"
#include "cli/CliPrompter.h"
#include "cli/CliTexts.h"
#include "cli/NumberOptions.h"
#include "cli/PeakTableOutput.h"
#include "core/Format.h"
#include "core/TzdFile.h"
#include "peaks/ManualEvents.h"

namespace lx::cli {
namespace {

// Peaks are counted from 1 wherever the user reads or types one; the engine counts from 0.
struct EditOptions {
    std::string file;
    std::optional<int> type;
    std::optional<int> x;
    std::optional<int> peak;
    std::optional<int> spanEnd;
    std::string saveTo;
    bool inPlace = false;
    bool force = false;
    bool json = false;
    NumberOptions numbers;
};

bool IsEventType(int type) {
    return (type >= kEventMoveStart && type <= kEventAddPeak) || type == kEventDeletePeak ||
           type == kEventNegativePeak;
}

// Where an edited chromatogram may go: OUT (not over a file unless --force) or back over FILE.
std::string RefuseTarget(const std::string& saveTo, bool force) {
    return saveTo.empty() ? std::string() : RefuseOverwrite(saveTo, force);
}

// Saves when asked to: to OUT, or back over the input; says where on stderr, since the table
// is on standard output.
int SaveIfAsked(CTzLabDoc& doc, const std::string& file, const std::string& saveTo, bool inPlace) {
    if (saveTo.empty() && !inPlace)
        return kOk;
    const std::string target = inPlace ? file : saveTo;
    Status saved = SaveTzdFile(doc, target);
    if (!saved.ok())
        return Fail(saved.error());
    std::cerr << Format(Tr(texts::kSaved), target.c_str()) << "\n";
    return kOk;
}

int RunEdit(const EditOptions& o) {
    if (!IsEventType(*o.type))
        return UsageError(Format(Tr(texts::kOutOfRange), "--type", std::to_string(*o.type).c_str(),
                                 "1-9, 11, 12"));
    if (*o.type == kEventAddPeak && !o.spanEnd)
        return UsageError(Format(Tr(texts::kRequired), "--span-end"));
    if (const std::string refused = RefuseTarget(o.saveTo, o.force); !refused.empty())
        return Fail(refused);
    auto loaded = LoadTzdFile(o.file);
    if (!loaded.ok())
        return Fail(loaded.error());
    CTzLabDoc& doc = loaded.value();
    CliPrompter prompter;
    const auto type = static_cast<ManualEventType>(*o.type);
    if (!EditPeaks(doc, prompter, type, *o.x, *o.peak - 1, o.spanEnd.value_or(-1)))
        return Fail(Format(Tr(texts::kEditRejected), ManualEventText(type).c_str(), *o.x, *o.peak));
    std::cout << PeakTableText(o.file, doc.m_Peaks, o.json);
    return SaveIfAsked(doc, o.file, o.saveTo, o.inPlace);
}

struct EventsOptions {
    std::string file;
    std::optional<int> deleteRow;
    bool clear = false;
    std::string saveTo;
    bool force = false;
    NumberOptions numbers;
};

int RunEvents(const EventsOptions& o) {
    if (const std::string refused = RefuseTarget(o.saveTo, o.force); !refused.empty())
        return Fail(refused);
    auto loaded = LoadTzdFile(o.file);
    if (!loaded.ok())
        return Fail(loaded.error());
    CTzLabDoc& doc = loaded.value();
    if (o.clear)
        doc.m_ManualEvents.clear();
    if (o.deleteRow &&
        !DeleteManualEventRow(doc.m_ManualEvents, static_cast<std::size_t>(*o.deleteRow - 1)))
        return Fail(Format(Tr(texts::kNoSuchEventRow), *o.deleteRow));
    std::cout << Format("m_UseManualEvents: %d\n", doc.m_UseManualEvents);
    for (std::size_t row = 0; row < doc.m_ManualEvents.size(); ++row) {
        const ManualEvent& e = doc.m_ManualEvents[row];
        const auto cells = ManualEventRowTexts(e, row);
        std::cout << Format(Tr(texts::kEventRow), cells[0].c_str(), cells[1].c_str(), e.m_Type,
                            e.m_Param1, e.m_Param2 + 1, e.m_Time);
    }
    return SaveIfAsked(doc, o.file, o.saveTo, false);
}

}  // namespace

void AddEditCommands(CLI::App& app, int& exitCode) {
    auto e = std::make_shared<EditOptions>();
    auto* edit = app.add_subcommand("edit", Tr(texts::kEditHelp));
    edit->add_option("FILE", e->file, Tr(texts::kInHelp))->required();
    e->numbers.Add(edit, "--type", e->type, {1, 12}, texts::kEventTypeHelp)->required();
    e->numbers.Add(edit, "--x", e->x, {0, 2147483647}, texts::kMarkedIndexHelp)->required();
    e->numbers.Add(edit, "--peak", e->peak, {1, 2147483647}, texts::kSelectedPeakHelp)->required();
    e->numbers.Add(edit, "--span-end", e->spanEnd, {1, 2147483647}, texts::kSpanEndHelp);
    auto* save = edit->add_option("--save", e->saveTo, Tr(texts::kSaveEditedHelp));
    edit->add_flag("--in-place", e->inPlace, Tr(texts::kInPlaceHelp))->excludes(save);
    edit->add_flag("--force", e->force, Tr(texts::kForceHelp));
    edit->add_flag("--json", e->json, Tr(texts::kEditJsonHelp));
    edit->callback(
        [e, &exitCode] { exitCode = e->numbers.StoreThenRun([&] { return RunEdit(*e); }); });

    auto v = std::make_shared<EventsOptions>();
    auto* events = app.add_subcommand("events", Tr(texts::kEventsHelp));
    events->add_option("FILE", v->file, Tr(texts::kInHelp))->required();
    auto* del =
        v->numbers.Add(events, "--delete", v->deleteRow, {1, 2147483647}, texts::kDeleteRowHelp);
    events->add_flag("--clear", v->clear, Tr(texts::kClearEventsHelp))->excludes(del);
    events->add_option("--save", v->saveTo, Tr(texts::kSavePrunedHelp));
    events->add_flag("--force", v->force, Tr(texts::kForceHelp));
    events->callback(
        [v, &exitCode] { exitCode = v->numbers.StoreThenRun([&] { return RunEvents(*v); }); });
}

}  // namespace lx::cli
