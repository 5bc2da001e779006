#pragma once
// The integration pipeline of one chromatogram and its entry points.

#include <cstddef>
#include <vector>

#include "core/CTzLabDoc.h"
#include "core/Prompter.h"

namespace lx {

// What a pass tells beyond the table: the manual events (list positions, in order) whose
// replay refused them because they no longer fit the table they met.
struct IntegrationReport {
    std::vector<std::size_t> refusedEvents;
};

// The whole pipeline from the samples: detection with the time program, baseline refinement,
// areas, small-peak removal, percentages and figures, the replay of the manual events when it
// is switched on, and the identification by the chromatogram's project when it has one.
// Nothing of the previous table survives.
IntegrationReport Reintegrate(CTzLabDoc& doc);

// What the peak-detect command and the end of a run do: forget the selected peak, reintegrate,
// then quantify (QuantifyIntegrated).
IntegrationReport IntegrateAndQuantify(CTzLabDoc& doc, Prompter& prompter);

// The contents of a freshly integrated table: by the chromatogram's project, which may have
// something to tell the operator, or without one each peak's area fraction.
void QuantifyIntegrated(CTzLabDoc& doc, Prompter& prompter);

// After the table was edited by hand: crossing removal, then areas and figures again.
void RecomputePeaks(CTzLabDoc& doc);

// Removes peak k and recomputes; false (nothing changed) when k is outside the table.
bool DeletePeak(CTzLabDoc& doc, int k);

}  // namespace lx
