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

int Units(double millimetres) {
    return static_cast<int>(millimetres / 25.4 * kResolution);
}

}  // namespace

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

        ReportFonts fonts(request.doc->m_PrintSettings, writer);
        ReportRequest layoutRequest;
        layoutRequest.doc = request.doc;
        layoutRequest.fileName = request.fileName;
        layoutRequest.overlays = request.overlays;
        layoutRequest.page = {0, 0, writer.width(), writer.height()};
        layoutRequest.printable = {Units(kMarginLeft), Units(kMarginTop),
                                   writer.width() - Units(kMarginLeft) - Units(kMarginRight),
                                   writer.height() - Units(kMarginTop) - Units(kMarginBottom)};
        layoutRequest.unitsPerCm = kResolution / 2.54;
        layoutRequest.viewAllPeaks = request.viewAllPeaks;
        const ReportLayout layout = LayoutReport(layoutRequest, fonts);

        QPainter painter(&writer);
        for (std::size_t k = 0; k < layout.pages.size(); ++k) {
            if (k > 0)
                writer.newPage();
            PaintReportPage(painter, layout, static_cast<int>(k), fonts, request.picture);
        }
    }
    const QByteArray& pdf = buffer.data();
    return WriteArchiveFileAtomically(path, [&](ArchiveWriter& ar) {
        ar.WriteBytes(std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    });
}

}  // namespace lx
