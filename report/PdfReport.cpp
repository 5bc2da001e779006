#include "report/PdfReport.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "core/FileIo.h"

namespace lx {
namespace {

constexpr int kResolution = 600;  // the report's device units per inch
// The page margins, in millimetres: room to file the sheet and, below the text, for the
// footer band.
constexpr double kMarginLeft = 20, kMarginTop = 15, kMarginRight = 15, kMarginBottom = 20;

}  // namespace

void PaintReport(const PdfReportRequest& request, QPagedPaintDevice& device) {
    const int resolution = device.logicalDpiX();
    const auto units = [resolution](double millimetres) {
        return static_cast<int>(millimetres / 25.4 * resolution);
    };
    ReportFonts fonts(request.doc->m_PrintSettings, device);
    ReportRequest layoutRequest;
    layoutRequest.doc = request.doc;
    layoutRequest.fileName = request.fileName;
    layoutRequest.overlays = request.overlays;
    layoutRequest.page = {0, 0, device.width(), device.height()};
    layoutRequest.printable = {units(kMarginLeft), units(kMarginTop),
                               device.width() - units(kMarginLeft) - units(kMarginRight),
                               device.height() - units(kMarginTop) - units(kMarginBottom)};
    layoutRequest.unitsPerCm = resolution / 2.54;
    layoutRequest.viewAllPeaks = request.viewAllPeaks;
    const ReportLayout layout = LayoutReport(layoutRequest, fonts);

    QPainter painter(&device);
    for (std::size_t k = 0; k < layout.pages.size(); ++k) {
        if (k > 0)
            device.newPage();
        PaintReportPage(painter, layout, static_cast<int>(k), fonts, request.picture);
    }
}

Status WriteReportPdf(const PdfReportRequest& request, const std::string& path) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolution);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setCreator("LX6600");
        writer.setTitle(QString::fromStdString(request.fileName));
        PaintReport(request, writer);
    }
    const QByteArray& pdf = buffer.data();
    return WriteArchiveFileAtomically(path, [&](ArchiveWriter& ar) {
        ar.WriteBytes(std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    });
}

}  // namespace lx
