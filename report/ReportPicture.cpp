#include "report/ReportPicture.h"

namespace lx {

// The time axis' band under a printed picture, in the page's units (600 per inch).
constexpr int kPrintedTimeBand = 166;

PlotPicture ReportPicture(const CTzLabDoc& doc) {
    const PrintSettings& print = doc.m_PrintSettings;
    PlotPicture picture;
    picture.doc = &doc;
    picture.view.ShowFitted(doc);
    picture.settings.viewMark = print.printMarks;
    picture.settings.verticalLabels = print.verticalMarks != 0;
    picture.settings.showBaselines = print.integrationLinesOn != 0;
    picture.settings.labels = FromColorRef(static_cast<std::uint32_t>(print.markColour));
    picture.printing = true;
    picture.axes = print.axesOn != 0;
    picture.timeBand = kPrintedTimeBand;
    return picture;
}

}  // namespace lx
