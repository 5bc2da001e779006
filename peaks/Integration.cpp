#include "peaks/Integration.h"

#include "core/ProjectLink.h"

#include "peaks/Baselines.h"
#include "peaks/ManualEvents.h"
#include "peaks/PeakAreas.h"
#include "peaks/PeakDetector.h"

namespace lx {

IntegrationReport Reintegrate(CTzLabDoc& doc) {
    IntegrationReport report;
    const DetectionResult detection = PeakDetector(doc).Run();
    RefineBaselines(doc, detection.bunch, detection.threshold);
    ComputePeaks(doc);
    if (doc.m_UseManualEvents)
        report.refusedEvents = ReplayManualEvents(doc);
    if (doc.m_Project)
        doc.m_Project->IdentifyPeaks(doc);
    return report;
}

IntegrationReport IntegrateAndQuantify(CTzLabDoc& doc, Prompter& prompter) {
    doc.m_SelectedPeak = -1;
    IntegrationReport report = Reintegrate(doc);
    QuantifyIntegrated(doc, prompter);
    return report;
}

void QuantifyIntegrated(CTzLabDoc& doc, Prompter& prompter) {
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

bool DeletePeak(CTzLabDoc& doc, int k) {
    if (!doc.RemovePeak(k))
        return false;
    RecomputePeaks(doc);
    return true;
}

}  // namespace lx
