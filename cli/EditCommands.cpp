#include "cli/EditCommands.h"

#include <iostream>
#include <memory>
#include <optional>

#include "cli/CliCommon.h"
#include "cli/CliPrompter.h"
#include "cli/CliTexts.h"
#include "cli/PeakTableOutput.h"
#include "core/Format.h"
#include "core/TzdFile.h"
#include "peaks/ManualEvents.h"

namespace lx::cli {
namespace {

struct EditOptions {
    std::string file;
    int type = 0;
    std::int32_t x = -1;
    std::int32_t peak = -1;
    std::int32_t spanEnd = -1;
    std::string saveTo;
    bool inPlace = false;
    bool json = false;
};

// Saves when asked to: to OUT, or back over the input.
int SaveIfAsked(CTzLabDoc& doc, const std::string& file, const std::string& saveTo, bool inPlace) {
    if (saveTo.empty() && !inPlace)
        return kOk;
    Status saved = SaveTzdFile(doc, inPlace ? file : saveTo);
    return saved.ok() ? kOk : Fail(saved.error());
}

int RunEdit(const EditOptions& o) {
    auto loaded = LoadTzdFile(o.file);
    if (!loaded.ok())
        return Fail(loaded.error());
    CTzLabDoc& doc = loaded.value();
    CliPrompter prompter;
    if (!EditPeaks(doc, prompter, static_cast<ManualEventType>(o.type), o.x, o.peak, o.spanEnd))
        return Fail(Format(texts::kEditRejected, ManualEventText(o.type).c_str(), o.x, o.peak));
    std::cout << PeakTableText(o.file, doc.m_Peaks, o.json);
    return SaveIfAsked(doc, o.file, o.saveTo, o.inPlace);
}

struct EventsOptions {
    std::string file;
    std::optional<std::size_t> deleteRow;
    bool clear = false;
    std::string saveTo;
};

int RunEvents(const EventsOptions& o) {
    auto loaded = LoadTzdFile(o.file);
    if (!loaded.ok())
        return Fail(loaded.error());
    CTzLabDoc& doc = loaded.value();
    if (o.clear)
        doc.m_ManualEvents.clear();
    if (o.deleteRow &&
        (*o.deleteRow < 1 || !DeleteManualEventRow(doc.m_ManualEvents, *o.deleteRow - 1)))
        return Fail(Format(texts::kNoSuchEventRow, static_cast<int>(*o.deleteRow)));
    std::cout << Format("m_UseManualEvents: %d\n", doc.m_UseManualEvents);
    for (std::size_t row = 0; row < doc.m_ManualEvents.size(); ++row) {
        const ManualEvent& e = doc.m_ManualEvents[row];
        const auto cells = ManualEventRowTexts(e, row);
        std::cout << Format("%4s  %-12s type %2d  x %7d  peak %4d  %8.3f min\n", cells[0].c_str(),
                            cells[1].c_str(), e.m_Type, e.m_Param1, e.m_Param2, e.m_Time);
    }
    return SaveIfAsked(doc, o.file, o.saveTo, false);
}

}  // namespace

void AddEditCommands(CLI::App& app, int& exitCode) {
    auto e = std::make_shared<EditOptions>();
    auto* edit = app.add_subcommand(
        "edit", "Apply a manual integration event as the view does, and record it");
    edit->add_option("FILE", e->file)->required();
    edit->add_option("--type", e->type,
                     "1 start, 2 apex, 3 end, 4 oblique, 5 drop, 6 rear tangent, "
                     "7 front tangent, 8 forced baseline, 9 add, 11 delete, 12 negative")
        ->required()
        ->check(CLI::IsMember({1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12}));
    edit->add_option("--x", e->x, "sample index marked in the plot")->required();
    edit->add_option("--peak", e->peak, "the selected peak, from 0")->required();
    edit->add_option("--span-end", e->spanEnd, "end of the marked span (adding a peak)");
    auto* save = edit->add_option("--save", e->saveTo, "write the edited chromatogram here");
    edit->add_flag("--in-place", e->inPlace, "write it back over FILE")->excludes(save);
    edit->add_flag("--json", e->json, "the peak table as for integrate --json");
    edit->callback([e, &exitCode] { exitCode = RunEdit(*e); });

    auto v = std::make_shared<EventsOptions>();
    auto* events =
        app.add_subcommand("events", "List the manual integration events, or prune them");
    events->add_option("FILE", v->file)->required();
    auto* del = events->add_option("--delete", v->deleteRow,
                                   "remove this row (from 1), keeping later peak references true");
    events->add_flag("--clear", v->clear, "remove every event")->excludes(del);
    events->add_option("--save", v->saveTo, "write the chromatogram with the pruned list here");
    events->callback([v, &exitCode] { exitCode = RunEvents(*v); });
}

}  // namespace lx::cli
