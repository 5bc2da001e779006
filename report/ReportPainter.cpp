#include "report/ReportPainter.h"

#include <QFontMetrics>
#include <QStringList>

#include "report/DisplaySettings.h"

namespace lx {
namespace {

QColor ColourOf(std::int32_t colorRef) {
    const Rgb c = FromColorRef(static_cast<std::uint32_t>(colorRef));
    return QColor(c.r, c.g, c.b);
}

QRect RectOf(const Box& b) {
    return QRect(b.x, b.y, b.width, b.height);
}

Qt::Alignment AlignmentOf(int align) {
    const Qt::Alignment horizontal = align == 1   ? Qt::AlignHCenter
                                     : align == 2 ? Qt::AlignRight
                                                  : Qt::AlignLeft;
    return horizontal | Qt::AlignVCenter;
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

void PaintTable(QPainter& painter, const ReportLayout& layout, const TableOnPage& slice,
                const ReportFonts& fonts) {
    painter.setFont(fonts.Of(ReportFont::Results));
    painter.setPen(ColourOf(layout.resultsColour));
    const int pitch = layout.pitch;
    const int pad = pitch / 4;
    std::vector<int> edges{layout.tableLeft};
    for (int w : layout.columnWidths)
        edges.push_back(edges.back() + w);
    const int rows = slice.endRow - slice.firstRow;
    const int bottom = slice.top + pitch * (rows + 1);

    for (std::size_t c = 0; c < layout.columnWidths.size(); ++c)
        painter.drawText(QRect(edges[c], slice.top, layout.columnWidths[c], pitch), Qt::AlignCenter,
                         Q(layout.table.headers[c]));
    for (int i = 0; i < rows; ++i) {
        const auto index = static_cast<std::size_t>(slice.firstRow + i);
        const auto& row = layout.table.rows[index];
        const int y = slice.top + pitch * (i + 1);
        if (!layout.rowCaptions[index].empty()) {
            painter.drawText(QRect(edges.front() + pad, y, edges.back() - edges.front(), pitch),
                             Qt::AlignLeft | Qt::AlignVCenter, Q(layout.rowCaptions[index]));
            continue;
        }
        for (std::size_t c = 0; c < layout.columnWidths.size(); ++c)
            painter.drawText(QRect(edges[c] + pad, y, layout.columnWidths[c] - pad, pitch),
                             Qt::AlignLeft | Qt::AlignVCenter, Q(row.cells[c]));
    }
    // Rules above and below the column headings, lines between the columns.
    painter.drawLine(edges.front(), slice.top, edges.back(), slice.top);
    painter.drawLine(edges.front(), slice.top + pitch, edges.back(), slice.top + pitch);
    for (std::size_t c = 1; c + 1 < edges.size(); ++c)
        painter.drawLine(edges[c], slice.top, edges[c], bottom);
}

}  // namespace

QFont FontFromLogFont(const LogFont& logFont, int dpi) {
    QFont font;
    // The face the settings name first, then the installed CJK faces of the same style.
    const bool serif = logFont.faceName.find("宋") != std::string::npos ||
                       logFont.faceName == "SimSun" || logFont.faceName == "NSimSun";
    QStringList families{Q(logFont.faceName)};
    families << (serif ? "AR PL UMing CN" : "WenQuanYi Zen Hei") << "WenQuanYi Zen Hei";
    font.setFamilies(families);
    const int height = logFont.height < 0 ? -logFont.height : logFont.height;
    font.setPixelSize(std::max(1, (height == 0 ? 12 : height) * dpi / 96));
    font.setWeight(logFont.weight >= 600 ? QFont::Bold : QFont::Normal);
    font.setItalic(logFont.italic != 0);
    font.setUnderline(logFont.underline != 0);
    font.setStrikeOut(logFont.strikeOut != 0);
    return font;
}

ReportFonts::ReportFonts(const PrintSettings& print, QPaintDevice& device) : m_Device(device) {
    const int dpi = device.logicalDpiY();
    m_Fonts = {FontFromLogFont(print.headerFont, dpi),     FontFromLogFont(print.titleFont, dpi),
               FontFromLogFont(print.footerFont, dpi),     FontFromLogFont(print.bodyFont, dpi),
               FontFromLogFont(print.instrumentFont, dpi), FontFromLogFont(print.resultsFont, dpi)};
}

int ReportFonts::LineHeight(ReportFont font) const {
    return QFontMetrics(Of(font), &m_Device).height();
}

int ReportFonts::Width(ReportFont font, const std::string& text) const {
    return QFontMetrics(Of(font), &m_Device).horizontalAdvance(Q(text));
}

void PaintReportPage(QPainter& painter, const ReportLayout& layout, int pageIndex,
                     const ReportFonts& fonts, const PictureDrawer& picture) {
    const ReportPage& page = layout.pages.at(static_cast<std::size_t>(pageIndex));
    painter.setBackgroundMode(Qt::TransparentMode);
    for (const ReportText& t : page.texts) {
        if (t.band)
            painter.fillRect(RectOf(t.box), QColor(220, 220, 220));
        painter.setFont(fonts.Of(t.font));
        painter.setPen(ColourOf(t.colour));
        painter.drawText(RectOf(t.box), AlignmentOf(t.align), Q(t.text));
    }
    if (page.picture && picture) {
        painter.save();
        picture(painter, RectOf(*page.picture));
        painter.restore();
    }
    if (page.table)
        PaintTable(painter, layout, *page.table, fonts);
}

}  // namespace lx
