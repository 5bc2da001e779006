#pragma once
// The analysis report as a PDF file or on a printer: A4 for the file, the same layout and
// painting on every device.

#include <string>

#include "core/CTzLabDoc.h"
#include "core/Result.h"
#include "report/ReportPainter.h"

class QPagedPaintDevice;

namespace lx {

struct PdfReportRequest {
    const CTzLabDoc* doc = nullptr;
    std::string fileName;  // the chromatogram's title on the report
    std::vector<ReportOverlay> overlays;
    bool viewAllPeaks = false;
    PictureDrawer picture;
};

// Lays the report out on `device`'s pages, inside margins that leave room to file the sheet,
// and paints every page: the PDF file, the printer and the print preview take the same pages.
void PaintReport(const PdfReportRequest& request, QPagedPaintDevice& device);

// Written through a temporary file and renamed, so a failure leaves what was there.
Status WriteReportPdf(const PdfReportRequest& request, const std::string& path);

}  // namespace lx
