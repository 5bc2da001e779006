#include "report/ReportPicture.h"

#include <QPaintDevice>

#include "process/OverlayList.h"
#include "report/PictureExport.h"

namespace lx {
namespace {

// The time axis' band under a printed picture, in units of a 600-dpi page.
constexpr double kPrintedTimeBand = 166.0;
constexpr double kPageDpi = 600.0;

}  // namespace

PlotPicture ReportPicture(const CTzLabDoc& doc, const std::vector<const CTzLabDoc*>& overlays) {
    const PrintSettings& print = doc.m_PrintSettings;
    PlotPicture picture;
    picture.doc = &doc;
    for (std::size_t k = 1; k <= overlays.size(); ++k)
        picture.overlays.push_back(
            {overlays[k - 1], OverlayList::kColours[k < OverlayList::kColours.size() ? k : 0]});
    picture.view.ShowFitted(doc);
    picture.settings.viewMark = print.printMarks;
    picture.settings.verticalLabels = print.verticalMarks != 0;
    picture.settings.showBaselines = print.integrationLinesOn != 0;
    picture.settings.labels = FromColorRef(static_cast<std::uint32_t>(print.markColour));
    picture.printing = true;
    picture.axes = print.axesOn != 0;
    // The bands and the fonts keep their sizes on paper; the pens get finer with the units.
    picture.signalBand = picture.signalBand * kReportPictureDpi / 96;
    picture.timeBand = static_cast<int>(kPrintedTimeBand * kReportPictureDpi / kPageDpi);
    picture.font = FontFromLogFont(print.axisFont, kReportPictureDpi);
    return picture;
}

PictureDrawer ReportPictureDrawer(const CTzLabDoc& doc,
                                  const std::vector<const CTzLabDoc*>& overlays) {
    return [picture = ReportPicture(doc, overlays)](QPainter& painter, const QRect& box) {
        const double scale = painter.device()->logicalDpiX() / double(kReportPictureDpi);
        painter.scale(scale, scale);
        const QRect plotBox(static_cast<int>(box.x() / scale), static_cast<int>(box.y() / scale),
                            static_cast<int>(box.width() / scale),
                            static_cast<int>(box.height() / scale));
        PaintPlot(painter, plotBox, picture);
    };
}

QImage ReportPictureImage(const CTzLabDoc& doc, const std::vector<const CTzLabDoc*>& overlays) {
    const PrintSettings& print = doc.m_PrintSettings;
    constexpr double kPixelsPerCm = kReportPictureDpi / 2.54;
    return RenderPlotImage(ReportPicture(doc, overlays),
                           QSize(static_cast<int>(print.chromWidthCm * kPixelsPerCm),
                                 static_cast<int>(print.chromHeightCm * kPixelsPerCm)));
}

}  // namespace lx
