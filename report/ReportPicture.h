#pragma once
// The chromatogram picture of the printed report: the whole run, drawn as for paper with the
// report's own switches for labels, baselines and axes.

#include "core/CTzLabDoc.h"
#include "report/PlotPainter.h"

namespace lx {

PlotPicture ReportPicture(const CTzLabDoc& doc);

}  // namespace lx
