#pragma once
// The end of a run, whether it stopped normally or is recovered from its journal: the record is
// integrated and quantified, reported, named, saved and filed with the channel's method project.

#include <ctime>
#include <memory>
#include <optional>
#include <string>

#include "core/CTzLabDoc.h"
#include "core/Prompter.h"
#include "quant/CPrjDoc.h"

namespace lx {

// A run turned into a chromatogram.
struct FinishedRun {
    std::unique_ptr<CTzLabDoc> record;  // integrated and quantified
    std::string path;                   // where it was saved; empty when it was not
    int channel = 0;
};

// What the channel's window does around a run. Every hook has a quiet default, so the command
// line and the tests override only what they show.
class ChannelView {
public:
    virtual ~ChannelView() = default;
    virtual void RunStarted() {}
    // The live plot: the value recorded as sample `index`.
    virtual void PointAdded(std::int32_t /*index*/, std::int32_t /*value*/) {}
    virtual void RunStopped() {}
    // "采集结束自动打印报告": the analysis report, printed without asking.
    virtual void PrintReport(const CTzLabDoc& /*record*/) {}
    // The save dialog of a run that is not saved automatically; none when it is cancelled.
    virtual std::optional<std::string> AskSavePath(const std::string& /*proposed*/) {
        return std::nullopt;
    }
    // The finished run: an analysis window takes it when the channel shows results at the
    // end; otherwise it is released.
    virtual void RunFinished(FinishedRun /*run*/) {}
};

// Where a finished run goes: the channel whose naming options name it (its file number
// advances), its project, the application directory its folders are under.
struct RunDestination {
    int channel = 0;
    ChannelSetup* setup = nullptr;
    CPrjDoc* project = nullptr;
    std::string appDir;
    std::time_t namedAt = 0;  // the time its name carries; 0: now
};

// Integrates and quantifies `record` (by the project's components when there is one), prints
// it when the channel says so, saves it under the channel's next run name (without asking when
// the channel saves automatically, never over an earlier file then), and adds the file to the
// project's standards (which recalibrates) or samples by the run kind, saving the project.
// Failures reach the operator; a run that could not be saved has an empty path.
FinishedRun FinishRun(std::unique_ptr<CTzLabDoc> record, const RunDestination& destination,
                      ChannelView& view, Prompter& prompter);

}  // namespace lx
