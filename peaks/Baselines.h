#pragma once
// Where each peak's baseline begins and ends and at what level: outward extension, common
// baselines of fused groups, tangent skimming of riders, valley checks and the removal of
// baselines that pass above the signal.

#include <cstdint>

#include "core/CTzLabDoc.h"

namespace lx {

// Every refinement step in order, after detection. `bunch` and `threshold` are the detector's
// values in force at the end of its pass.
void RefineBaselines(CTzLabDoc& doc, std::int32_t bunch, double threshold);

// Moves starts and ends inward until no baseline lies above the signal between a peak's start
// and apex or between its apex and end; then takes the start and end values from the signal.
void RemoveBaselineCrossings(CTzLabDoc& doc);

// How many peaks form the group that starts at `k`: its m_GroupSize, but at least 1 and never
// past the end of the table (a hand-edited or damaged table may say otherwise).
int GroupLength(const std::vector<PeakRecord>& peaks, std::size_t k);

}  // namespace lx
