#pragma once
// What the analysis window's plot takes from its overlays: the traces drawn under the active
// chromatogram, and the axes of an overlay the view changes to when it is added, loaded or
// becomes current after an unload.

#include <vector>

#include "core/CTzLabDoc.h"
#include "process/OverlayList.h"
#include "report/PlotPainter.h"

namespace lx {

// Every overlay but `active` (the plot draws that one itself), in list order, with its colour
// and staggered-display offsets.
std::vector<PlotOverlay> PlotOverlaysOf(const OverlayList& list, const CTzLabDoc* active);

// An overlay's axes as "坐标设置" takes them: the time axis of its channel set-up in minutes
// (sample indices at its sampling rate) and its level range in mV (uV x 0.001).
struct OverlayAxes {
    double timeMin = 0.0;
    double timeMax = 0.0;
    double mvMin = 0.0;
    double mvMax = 0.0;
};
OverlayAxes AxesOf(const CTzLabDoc& doc);

}  // namespace lx
