#include "ui/sheets/LogFontConversion.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ui/sheets/SheetControls.h"

namespace lx {

namespace {

constexpr double kPointsPerPixel = 72.0 / 96.0;
constexpr int kDefaultPixels = 12;  // a height of 0 lets Windows choose; it chooses about this

}  // namespace

QFont QFontOfLogFont(const LogFont& logFont) {
    QFont font(Q(logFont.faceName));
    const int pixels = logFont.height == 0 ? kDefaultPixels : std::abs(logFont.height);
    font.setPointSizeF(pixels * kPointsPerPixel);
    // Windows weights are the same hundreds as Qt's; 0 means "any", which is normal.
    const int weight = logFont.weight == 0 ? 400 : std::clamp(logFont.weight, 1, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(logFont.italic != 0);
    font.setUnderline(logFont.underline != 0);
    font.setStrikeOut(logFont.strikeOut != 0);
    return font;
}

LogFont LogFontOfQFont(const QFont& font, LogFont base) {
    const double pixels = font.pointSizeF() > 0 ? font.pointSizeF() / kPointsPerPixel
                                                : static_cast<double>(font.pixelSize());
    base.height = -static_cast<std::int32_t>(std::lround(pixels));
    base.weight = font.weight();
    base.italic = font.italic() ? 1 : 0;
    base.underline = font.underline() ? 1 : 0;
    base.strikeOut = font.strikeOut() ? 1 : 0;
    base.faceName = S(font.family());
    return base;
}

}  // namespace lx
