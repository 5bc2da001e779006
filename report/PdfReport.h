#pragma once
// The analysis report as a PDF file: A4, the same layout and painting as the printed page.

#include <string>

#include "core/CTzLabDoc.h"
#include "core/Result.h"
#include "report/ReportPainter.h"

namespace lx {

struct PdfReportRequest {
    const CTzLabDoc* doc = nullptr;
    std::string fileName;  // the chromatogram's title on the report
    std::vector<ReportOverlay> overlays;
    bool viewAllPeaks = false;
    PictureDrawer picture;
};

// Written through a temporary file and renamed, so a failure leaves what was there.
Status WriteReportPdf(const PdfReportRequest& request, const std::string& path);

}  // namespace lx
