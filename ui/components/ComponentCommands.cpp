#include "ui/components/ComponentCommands.h"

#include "quant/workflow/ProjectProcessing.h"
#include "ui/components/ComponentDialogs.h"
#include "ui/components/ComponentTexts.h"
#include "ui/sheets/SheetControls.h"

namespace lx {
namespace {

const PeakRecord* PeakAt(const CTzLabDoc& chromatogram, int peak) {
    return peak >= 0 && static_cast<std::size_t>(peak) < chromatogram.m_Peaks.size()
               ? &chromatogram.m_Peaks[static_cast<std::size_t>(peak)]
               : nullptr;
}

bool SetReferencePeakCommand(ProjectSession& session, const CTzLabDoc& chromatogram, int peak,
                             bool allStandards, Prompter& prompter, QWidget* parent) {
    const PeakRecord* selected = PeakAt(chromatogram, peak);
    if (!selected || !ReferencePeakCommandsEnabled(session.Project()))
        return false;
    const auto reference = ReferencePeakDialog::Ask(parent, ProposedReference(*selected));
    if (!reference)
        return false;
    ProjectEdit edit(
        session, T(allStandards ? texts::kStepReferenceAllStandards : texts::kStepReferencePeak));
    const bool changed =
        SetReferencePeak(session.Project(), chromatogram, peak, *reference, allStandards, prompter);
    edit.Commit();
    return changed;
}

}  // namespace

bool AddComponentFromPeak(ProjectSession& session, const CTzLabDoc& chromatogram, int peak,
                          QWidget* parent) {
    if (!ComponentCommandsEnabled(session.Project()))
        return false;
    ComponentDraft draft = ComponentDraftForPeak(session.Project(), chromatogram, peak);
    const auto item = ComponentDialog::Ask(parent, draft.item);
    if (!item)
        return false;
    draft.item = *item;
    const bool replaces = draft.replacesRow >= 0;
    ProjectEdit edit(session, T(replaces ? texts::kStepEditComponent : texts::kStepAddComponent));
    const bool done = AcceptComponentDraft(session.Project(), draft).has_value();
    edit.Commit();
    return done;
}

bool DeleteComponentOfPeak(ProjectSession& session, const CTzLabDoc& chromatogram, int peak,
                           Prompter& prompter) {
    if (!ComponentCommandsEnabled(session.Project()))
        return false;
    ProjectEdit edit(session, T(texts::kStepDeleteComponent));
    const bool deleted = DeleteComponentOfPeak(session.Project(), chromatogram, peak, prompter);
    edit.Commit();
    return deleted;
}

int AddComponentsForAllPeaks(ProjectSession& session, const CTzLabDoc& chromatogram,
                             Prompter& prompter) {
    if (!ComponentCommandsEnabled(session.Project()))
        return 0;
    ProjectEdit edit(session, T(texts::kStepExportComponents));
    const int added = ExportPeaksToComponents(session.Project(), chromatogram, prompter);
    edit.Commit();
    return added;
}

bool ReferencePeakCommandsEnabled(const CPrjDoc& project) {
    return project.m_Method == kFingerprint;
}

bool SetReferencePeakOfChromatogram(ProjectSession& session, const CTzLabDoc& chromatogram,
                                    int peak, Prompter& prompter, QWidget* parent) {
    return SetReferencePeakCommand(session, chromatogram, peak, false, prompter, parent);
}

bool SetReferencePeakOfAllStandards(ProjectSession& session, const CTzLabDoc& chromatogram,
                                    int peak, Prompter& prompter, QWidget* parent) {
    return SetReferencePeakCommand(session, chromatogram, peak, true, prompter, parent);
}

}  // namespace lx
