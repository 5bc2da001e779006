#include "acq/RunCompletion.h"

#include "acq/RunFileName.h"
#include "core/TzdFile.h"
#include "peaks/Integration.h"
#include "quant/workflow/ProjectProcessing.h"
#include "quant/workflow/ProjectRecords.h"

namespace lx {
namespace {

std::optional<std::string> ChooseRunPath(const RunDestination& to, ChannelView& view) {
    const std::time_t when = to.namedAt != 0 ? to.namedAt : std::time(nullptr);
    std::tm local{};
    localtime_r(&when, &local);
    ChannelSetup& setup = *to.setup;
    if (setup.autoSave)
        return UnusedRunFileName(setup, to.channel, to.appDir, local);
    return view.AskSavePath(MakeRunFileName(setup, to.channel, to.appDir, local));
}

void FileWithProject(CPrjDoc& project, CTzLabDoc& record, const std::string& path,
                     Prompter& prompter) {
    if (record.m_ChannelSetup.runKind == 0) {
        if (!AddStandardFile(project, path, prompter))
            return;
        // Now one of the standards: its record takes the peaks and the project recalibrates.
        ProcessProjectChromatogram(project, record, prompter);
    } else if (!AddSampleFile(project, path, prompter)) {
        return;
    }
    Status saved = SaveProject(project, project.m_PathName);
    if (!saved.ok())
        prompter.Inform(saved.error(), Prompter::Icon::Error);
}

}  // namespace

FinishedRun FinishRun(std::unique_ptr<CTzLabDoc> record, const RunDestination& destination,
                      ChannelView& view, Prompter& prompter) {
    record->m_Project = destination.project;
    IntegrateAndQuantify(*record, prompter);
    if (record->m_ChannelSetup.autoPrint)
        view.PrintReport(*record);

    FinishedRun run{std::move(record), {}, destination.channel};
    std::optional<std::string> path = ChooseRunPath(destination, view);
    if (!path)
        return run;
    Status saved = SaveTzdFile(*run.record, *path);
    if (!saved.ok()) {
        prompter.Inform(saved.error(), Prompter::Icon::Error);
        return run;
    }
    run.path = *path;
    if (destination.project)
        FileWithProject(*destination.project, *run.record, run.path, prompter);
    return run;
}

}  // namespace lx
