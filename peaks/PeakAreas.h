#pragma once
// Areas, heights and the figures of merit of a peak table whose baselines are settled.

#include "core/CTzLabDoc.h"

namespace lx {

// Raw sums, areas (0.1 uV x sample) and heights (uV); rider areas subtracted from their
// parents; negative peaks turned positive; peaks at or below the minimum area or height
// removed; numbering, area percent and content; then the figures (PeakFigures.h).
void ComputePeaks(CTzLabDoc& doc);

}  // namespace lx
