#include "ui/overlays/OverlayPlot.h"

#include <algorithm>

namespace lx {

std::vector<PlotOverlay> PlotOverlaysOf(const OverlayList& list, const CTzLabDoc* active) {
    std::vector<PlotOverlay> overlays;
    for (std::size_t k = 0; k < list.size(); ++k) {
        const Overlay& overlay = list.at(k);
        if (overlay.m_Doc != active)
            overlays.push_back(
                {overlay.m_Doc, overlay.m_Colour, overlay.m_OffsetX, overlay.m_OffsetY});
    }
    return overlays;
}

OverlayAxes AxesOf(const CTzLabDoc& doc) {
    const ChannelSetup& setup = doc.m_ChannelSetup;
    // A set-up damaged to rate 0 must not divide by zero.
    const double perMinute = std::max(1, setup.rate) * 60.0;
    return {setup.timeMin / perMinute, setup.timeMax / perMinute, setup.levelMin * 0.001,
            setup.levelMax * 0.001};
}

}  // namespace lx
