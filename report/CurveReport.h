#pragma once
// The standard curve's report: the curve picture with the block "标准曲线报告" under it (the
// component, the equation and the correlation coefficient), laid out as plain values and
// painted on any paged device, so the printer, the print preview and the PDF file take the
// same page.

#include <string>

#include "core/PrintSettings.h"
#include "core/Result.h"
#include "report/CurvePainter.h"
#include "report/ReportLayout.h"

class QPagedPaintDevice;

namespace lx {

struct CurveReportRequest {
    CurvePicture picture;  // the component and the range the window shows
    // The fonts "参数设置" chooses: the heading's, and the three lines under it.
    LogFont titleFont = PrintSettings{}.titleFont;
    LogFont bodyFont = PrintSettings{}.bodyFont;
};

// One page inside `printable`: the picture across its width, three quarters as high as wide,
// then the heading centred in the title font and the component, equation and correlation
// lines in the body font, each a line height plus 12 units apart. The texts are the engine's
// (StandardCurveReport); an empty table prints the heading alone.
ReportLayout LayoutCurveReport(const CurveReportRequest& request, const Box& printable,
                               const TextMeasure& measure);

// Lays the page out inside the analysis report's margins of `device` and paints it.
void PaintCurveReport(const CurveReportRequest& request, QPagedPaintDevice& device);

// An A4 PDF, written through a temporary file and renamed, so a failure leaves what was there.
Status WriteCurveReportPdf(const CurveReportRequest& request, const std::string& path);

}  // namespace lx
