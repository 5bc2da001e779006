#pragma once
// The chromatogram picture of the printed report: the whole run, drawn as for paper with the
// report's own switches for labels, baselines and axes.

#include <QImage>

#include <vector>

#include "core/CTzLabDoc.h"
#include "report/PlotPainter.h"
#include "report/ReportPainter.h"

namespace lx {

// The picture is drawn in units of 1/192 inch: its 1-unit pens are fine lines on paper, and a
// picture file rendered at this resolution is sharp when the report shows it at its size.
inline constexpr int kReportPictureDpi = 192;

// The picture's content and switches; `timeBand` in the plot's own units. Overlays are drawn
// under the chromatogram in the colours the analysis window gives them.
PlotPicture ReportPicture(const CTzLabDoc& doc, const std::vector<const CTzLabDoc*>& overlays = {});

// Draws ReportPicture(doc) into a box of the page, scaled from its own units to the device's,
// so its fonts, pens and the time axis' 166-unit band keep the sizes they have on a 600-dpi
// page, whatever the device's resolution.
PictureDrawer ReportPictureDrawer(const CTzLabDoc& doc,
                                  const std::vector<const CTzLabDoc*>& overlays = {});

// The picture as an image the size the print settings give it, at kReportPictureDpi: what the
// report file (.Tze) embeds.
QImage ReportPictureImage(const CTzLabDoc& doc, const std::vector<const CTzLabDoc*>& overlays = {});

}  // namespace lx
