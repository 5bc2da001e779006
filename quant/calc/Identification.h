#pragma once
// Names a chromatogram's peaks after the components of its project.

#include "core/CTzLabDoc.h"

namespace lx {

class CPrjDoc;

// Clears every peak's component, then matches by the project's identification mode:
//  0 time band       t - w <= T <= t + w, first row wins
//  1 relative window t(1 - w) <= T <= t(1 + w), first row wins
//  2 nearest         the row closest in time (closer than 9999.99), earlier row on a tie
//  3 elution order   the i-th peak gets the i-th row
// with w the absolute window; any other mode identifies nothing.
void IdentifyPeaks(CTzLabDoc& doc, const CPrjDoc& project);

}  // namespace lx
