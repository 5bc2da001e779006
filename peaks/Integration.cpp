#include "peaks/Integration.h"

#include "core/ProjectLink.h"

#include "peaks/Baselines.h"
#include "peaks/ManualEvents.h"
#include "peaks/PeakAreas.h"
#include "peaks/PeakDetector.h"

namespace lx {

void Reintegrate(CTzLabDoc& doc) {
    PeakDetector detector(doc);
    detector.Run();
    RefineBaselines(doc, detector.m_Bunch, detector.m_Threshold);
    ComputePeaks(doc);
    if (doc.m_UseManualEvents)
        ReplayManualEvents(doc);
    if (doc.m_Project)
        doc.m_Project->IdentifyPeaks(doc);
}

void IntegrateAndQuantify(CTzLabDoc& doc, Prompter& prompter) {
    doc.m_SelectedPeak = -1;
    Reintegrate(doc);
    if (doc.m_Project) {
        doc.m_Project->QuantifyPeaks(doc, prompter);
        return;
    }
    for (auto& p : doc.m_Peaks)
        p.m_Content = p.m_AreaPercent * 0.01;
}

void RecomputePeaks(CTzLabDoc& doc) {
    RemoveBaselineCrossings(doc);
    ComputePeaks(doc);
}

int DeletePeak(CTzLabDoc& doc, int k) {
    if (!doc.RemovePeak(k))
        return 0;
    RecomputePeaks(doc);
    return 1;
}

}  // namespace lx
