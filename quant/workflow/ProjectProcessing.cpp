#include "quant/workflow/ProjectProcessing.h"

#include <cmath>

#include "quant/QuantTexts.h"
#include "quant/calc/Calibration.h"
#include "quant/calc/Quantitation.h"
#include "quant/workflow/ProjectRecords.h"

namespace lx {
namespace {

void TakeReference(CPrjFileRecord& record, const ReferencePeak& reference, const PeakRecord& peak) {
    record.m_RefRetentionTime = reference.m_RetentionTime;
    record.m_RefWindow = reference.m_Window;
    record.m_RefArea = peak.m_Area;
    record.m_RefHeight = peak.m_Height;
}

}  // namespace

void ProcessProjectChromatogram(CPrjDoc& project, CTzLabDoc& doc, Prompter& prompter) {
    const int standard = FindRecord(project, RecordList::kStandards, doc.m_PathName);
    if (standard < 0) {
        Quantify(doc, project);
        return;
    }
    CPrjFileRecord& record = project.m_Standards[static_cast<std::size_t>(standard)];
    record.m_Peaks = doc.m_Peaks;
    for (PeakRecord& peak : record.m_Peaks)
        peak.m_Content = peak.m_AreaPercent * 0.01;
    project.m_Modified = true;
    if (project.m_Method != kNormalization)
        Calibrate(project, prompter);
}

ReferencePeak ProposedReference(const PeakRecord& peak) {
    return {std::trunc(peak.m_ApexTime * 1000.0) / 1000.0, 0.01};
}

bool SetReferencePeak(CPrjDoc& project, const CTzLabDoc& doc, int k, const ReferencePeak& reference,
                      bool allStandards, Prompter& prompter) {
    if (project.m_Method != kFingerprint || k < 0 ||
        static_cast<std::size_t>(k) >= doc.m_Peaks.size())
        return false;
    const PeakRecord& peak = doc.m_Peaks[static_cast<std::size_t>(k)];
    if (allStandards) {
        if (!prompter.Confirm(Tr(texts::kConfirmReferenceAllStandards)))
            return false;
        bool changed = false;
        for (RecordList list : {RecordList::kStandards, RecordList::kSecondStandards})
            for (CPrjFileRecord& record : RecordsOf(project, list)) {
                TakeReference(record, reference, peak);
                changed = true;
            }
        project.m_Modified = project.m_Modified || changed;
        return changed;
    }
    if (!prompter.Confirm(Tr(texts::kConfirmReferenceThisFile)))
        return false;
    for (RecordList list : {RecordList::kStandards, RecordList::kSecondStandards}) {
        const int index = FindRecord(project, list, doc.m_PathName);
        if (index >= 0) {
            TakeReference(RecordsOf(project, list)[static_cast<std::size_t>(index)], reference,
                          peak);
            project.m_Modified = true;
            return true;
        }
    }
    return false;
}

}  // namespace lx
