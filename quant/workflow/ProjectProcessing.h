#pragma once
// What a method project does with one of its chromatograms once its peaks are found and
// identified, and the reference internal-standard peak of its standards.

#include "core/CTzLabDoc.h"
#include "core/Prompter.h"
#include "quant/CPrjDoc.h"

namespace lx {

// A chromatogram that is one of the project's standards (by its path) gives its record a copy
// of its peaks, each with content = area % x 0.01, and the project recalibrates unless it
// normalizes; any other chromatogram is quantified.
void ProcessProjectChromatogram(CPrjDoc& project, CTzLabDoc& doc, Prompter& prompter);

// What the "设置参照内标物" dialog proposes for a peak: its retention time truncated to three
// decimals and a window of 0.01 minutes.
struct ReferencePeak {
    double m_RetentionTime = 0.0;
    double m_Window = 0.01;
};
ReferencePeak ProposedReference(const PeakRecord& peak);

// Makes peak k of the chromatogram the reference internal-standard peak, with the retention
// time and window of `reference`: of the chromatogram's own standard record (the standard
// file list first, then the second list) or, with `allStandards`, of every standard record.
// Only for fingerprint projects and after the operator agrees; returns whether a record
// changed (a chromatogram that is no standard of the project changes none).
bool SetReferencePeak(CPrjDoc& project, const CTzLabDoc& doc, int k, const ReferencePeak& reference,
                      bool allStandards, Prompter& prompter);

}  // namespace lx
