#pragma once
// Painting a laid-out report onto any paint device: a PDF writer, a printer, an image. The
// fonts of the print settings become installed fonts at the device's resolution.

#include <QFont>
#include <QPaintDevice>
#include <QPainter>

#include <array>
#include <functional>

#include "core/PrintSettings.h"
#include "report/ReportLayout.h"

namespace lx {

// A font of the print settings at `dpi`: its height is in pixels of a 96-dpi screen, where the
// font dialog chose it. Chinese faces map to the CJK fonts installed with the program.
QFont FontFromLogFont(const LogFont& font, int dpi);

class ReportFonts : public TextMeasure {
public:
    ReportFonts(const PrintSettings& print, QPaintDevice& device);
    const QFont& Of(ReportFont font) const { return m_Fonts[static_cast<std::size_t>(font)]; }
    int LineHeight(ReportFont font) const override;
    int Width(ReportFont font, const std::string& text) const override;

private:
    QPaintDevice& m_Device;
    std::array<QFont, 6> m_Fonts;
};

// Draws the chromatogram picture into its box.
using PictureDrawer = std::function<void(QPainter&, const QRect&)>;

void PaintReportPage(QPainter& painter, const ReportLayout& layout, int page,
                     const ReportFonts& fonts, const PictureDrawer& picture);

}  // namespace lx
