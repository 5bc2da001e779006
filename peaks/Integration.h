#pragma once
// The integration pipeline of one chromatogram and its entry points.

#include "core/CTzLabDoc.h"
#include "core/Prompter.h"

namespace lx {

// The whole pipeline from the samples: detection with the time program, baseline refinement,
// areas, small-peak removal, percentages and figures, the replay of the manual events when it
// is switched on, and the identification by the chromatogram's project when it has one.
// Nothing of the previous table survives.
void Reintegrate(CTzLabDoc& doc);

// What the peak-detect command and the end of a run do: forget the selected peak, reintegrate,
// then quantify with the chromatogram's project, which may have something to tell the operator.
// Without a project each peak's content is its area fraction.
void IntegrateAndQuantify(CTzLabDoc& doc, Prompter& prompter);

// After the table was edited by hand: crossing removal, then areas and figures again.
void RecomputePeaks(CTzLabDoc& doc);

// Removes peak k and recomputes; 0 when k is outside the table, else 1.
int DeletePeak(CTzLabDoc& doc, int k);

}  // namespace lx
