#include "report/CurveReport.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPdfWriter>

#include "core/FileIo.h"
#include "quant/views/CalibrationRows.h"
#include "report/ReportPainter.h"

namespace lx {
namespace {

constexpr int kPdfResolution = 600;  // device units per inch of the PDF page
// The analysis report's margins in millimetres, so both reports file alike.
constexpr double kMarginLeft = 20, kMarginTop = 15, kMarginRight = 15, kMarginBottom = 20;
// Under each line of the block, as under the analysis report's information rows.
constexpr int kLineGap = 12;
// The picture is laid out in pixels of a 96-dpi screen (see CurvePainter.h).
constexpr double kPictureDpi = 96.0;

PictureDrawer CurveDrawer(const CurvePicture& picture) {
    return [picture](QPainter& painter, const QRect& box) {
        const double scale = painter.device()->logicalDpiX() / kPictureDpi;
        painter.scale(scale, scale);
        PaintCurve(
            painter,
            QRect(static_cast<int>(box.x() / scale), static_cast<int>(box.y() / scale),
                  static_cast<int>(box.width() / scale), static_cast<int>(box.height() / scale)),
            picture);
    };
}

PrintSettings FontsOf(const CurveReportRequest& request) {
    PrintSettings print;
    print.titleFont = request.titleFont;
    print.bodyFont = request.bodyFont;
    return print;
}

}  // namespace

ReportLayout LayoutCurveReport(const CurveReportRequest& request, const Box& printable,
                               const TextMeasure& measure) {
    ReportLayout layout;
    ReportPage page;
    const Box picture{printable.x, printable.y, printable.width, printable.width * 3 / 4};
    page.picture = picture;
    const CurvePicture& pic = request.picture;
    const auto lines =
        pic.project ? StandardCurveReport(*pic.project, pic.row) : std::array<std::string, 4>{};
    int y = picture.Bottom() + measure.LineHeight(ReportFont::Body);
    const int headingHeight = measure.LineHeight(ReportFont::Title);
    page.texts.push_back(
        {{printable.x, y, printable.width, headingHeight}, ReportFont::Title, lines[0], 1});
    y += headingHeight + kLineGap;
    // The three lines start a little in from the picture's left edge, under the plot area.
    const int indent = printable.width / 10;
    for (std::size_t k = 1; k < lines.size(); ++k) {
        if (lines[k].empty())
            continue;
        const int height = measure.LineHeight(ReportFont::Body);
        page.texts.push_back({{printable.x + indent, y, printable.width - indent, height},
                              ReportFont::Body,
                              lines[k],
                              0});
        y += height + kLineGap;
    }
    layout.pages.push_back(std::move(page));
    return layout;
}

void PaintCurveReport(const CurveReportRequest& request, QPagedPaintDevice& device) {
    const int resolution = device.logicalDpiX();
    const auto units = [resolution](double millimetres) {
        return static_cast<int>(millimetres / 25.4 * resolution);
    };
    const ReportFonts fonts(FontsOf(request), device);
    const Box printable{units(kMarginLeft), units(kMarginTop),
                        device.width() - units(kMarginLeft) - units(kMarginRight),
                        device.height() - units(kMarginTop) - units(kMarginBottom)};
    const ReportLayout layout = LayoutCurveReport(request, printable, fonts);
    QPainter painter(&device);
    PaintReportPage(painter, layout, 0, fonts, CurveDrawer(request.picture));
}

Status WriteCurveReportPdf(const CurveReportRequest& request, const std::string& path) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setCreator("LX6600");
        writer.setTitle(QString::fromUtf8(Tr(texts::kCurveTitle)));
        PaintCurveReport(request, writer);
    }
    const QByteArray& pdf = buffer.data();
    return WriteArchiveFileAtomically(path, [&](ArchiveWriter& ar) {
        ar.WriteBytes(std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    });
}

}  // namespace lx
