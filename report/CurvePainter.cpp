#include "report/CurvePainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <cmath>

#include "quant/QuantTexts.h"
#include "quant/views/CalibrationRows.h"

namespace lx {
namespace {

const QColor kGridColour(230, 230, 230);

constexpr int kTickLength = 6;
constexpr int kLabelGap = 4;
constexpr int kCurvePenWidth = 2;
constexpr double kMarkerSize = 9.0;
// The widest response label the band makes room for ("%.2f" of a large mean area).
constexpr const char* kWidestYLabel = "00000000.00";
// Amount labels are at least this wide apart, and the last one needs half of it right of the
// plot.
constexpr const char* kWidestXLabel = "0.00000";

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QFont TitleFont(const QFont& font) {
    QFont title = font;
    title.setPixelSize(font.pixelSize() + 3);
    title.setBold(true);
    return title;
}

QPolygonF RegularPolygon(QPointF c, double radius, int corners, double startDegrees) {
    QPolygonF polygon;
    for (int k = 0; k < corners; ++k) {
        const double a = (startDegrees + 360.0 * k / corners) * M_PI / 180.0;
        polygon << QPointF(c.x() + radius * std::cos(a), c.y() - radius * std::sin(a));
    }
    return polygon;
}

void DrawAxes(QPainter& p, const CurveLayout& l, const CurvePicture& pic) {
    const QFontMetrics fm(pic.font);
    const QRect& plot = l.plot;
    const QPen axisPen(Qt::black, 1);
    const QPen gridPen(kGridColour, 1);
    p.setFont(pic.font);

    const auto xTicks = CurveAxisTicks(pic.range.xMin, pic.range.xMax, plot.width(),
                                       fm.horizontalAdvance(kWidestXLabel), CurveAxis::Amount);
    for (const AxisTick& t : xTicks) {
        const int x = plot.left() + t.pos;
        if (t.major && x > plot.left() && x < plot.right()) {
            p.setPen(gridPen);
            p.drawLine(x, plot.top() + 1, x, plot.bottom() - 1);
        }
        p.setPen(axisPen);
        p.drawLine(x, plot.bottom(), x, plot.bottom() + (t.major ? kTickLength : kTickLength / 2));
        if (t.label.empty())
            continue;
        const QString label = Q(t.label);
        const int w = fm.horizontalAdvance(label);
        p.drawText(QPoint(x - w / 2, plot.bottom() + kTickLength + kLabelGap + fm.ascent()), label);
    }
    const auto yTicks = CurveAxisTicks(pic.range.yMin, pic.range.yMax, plot.height(),
                                       3.0 * fm.height(), CurveAxis::Response);
    for (const AxisTick& t : yTicks) {
        const int y = plot.bottom() - t.pos;
        if (t.major && y > plot.top() && y < plot.bottom()) {
            p.setPen(gridPen);
            p.drawLine(plot.left() + 1, y, plot.right() - 1, y);
        }
        p.setPen(axisPen);
        p.drawLine(plot.left() - (t.major ? kTickLength : kTickLength / 2), y, plot.left(), y);
        if (t.label.empty())
            continue;
        const QString label = Q(t.label);
        const int right = plot.left() - kTickLength - kLabelGap;
        p.drawText(QPoint(right - fm.horizontalAdvance(label), y - fm.height() / 2 + fm.ascent()),
                   label);
    }

    // The titles: "(含量)" centred under the amount labels, the response title upright at the
    // band's left, centred on the plot's height.
    p.setPen(axisPen);
    const QString xTitle = QString::fromUtf8(Tr(texts::kCurveAxisX));
    p.drawText(QPoint(plot.center().x() - fm.horizontalAdvance(xTitle) / 2,
                      l.xBand.top() + kTickLength + kLabelGap + fm.height() + fm.ascent()),
               xTitle);
    if (pic.project) {
        const QString yTitle = Q(StandardCurveYLabel(*pic.project));
        p.save();
        p.translate(l.yBand.left() + fm.ascent(),
                    plot.center().y() + fm.horizontalAdvance(yTitle) / 2);
        p.rotate(-90);
        p.drawText(QPoint(0, 0), yTitle);
        p.restore();
    }
}

void DrawCurve(QPainter& p, const QRect& plot, const CurvePicture& pic) {
    const CPrjDoc& project = *pic.project;
    const QColor colour = ToQColor(kCurveColours[StandardCurveColourIndex(pic.row)]);
    p.save();
    p.setClipRect(plot);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (const auto segment = StandardCurveSegment(project, pic.row, pic.range)) {
        p.setPen(QPen(colour, kCurvePenWidth, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(MapCurvePoint(segment->from, pic.range, plot),
                   MapCurvePoint(segment->to, pic.range, plot));
    }
    const auto shape = static_cast<MarkerShape>(StandardCurveMarkerShape(pic.row));
    p.setPen(QPen(colour, 1.5));
    p.setBrush(colour);
    for (const CurvePoint& m : StandardCurveMarkers(project, pic.row))
        if (std::isfinite(m.x) && std::isfinite(m.y))
            DrawMarker(p, MapCurvePoint(m, pic.range, plot), shape, kMarkerSize);
    p.restore();
}

}  // namespace

QFont CurveFont() {
    QFont font;
    // fontconfig substitutes a metric twin where Arial is missing; the CJK family supplies
    // the glyphs of the titles.
    font.setFamilies(
        {"Arial", "Liberation Sans", "DejaVu Sans", "WenQuanYi Zen Hei", "Noto Sans CJK SC"});
    font.setPixelSize(13);
    font.setWeight(QFont::Normal);
    return font;
}

CurveLayout LayOutCurve(const QRect& rect, const QFont& font) {
    const QFontMetrics fm(font);
    const QFontMetrics titleMetrics(TitleFont(font));
    const int titleHeight = titleMetrics.height() + 2 * kLabelGap;
    const int yBandWidth =
        fm.height() + kLabelGap + fm.horizontalAdvance(kWidestYLabel) + kLabelGap + kTickLength;
    const int xBandHeight = kTickLength + kLabelGap + 2 * fm.height() + kLabelGap;
    const int rightMargin = fm.horizontalAdvance(kWidestXLabel) / 2 + kLabelGap;
    // Room above the plot for half of the top response label.
    const int topMargin = fm.height() / 2;
    CurveLayout l;
    l.title = QRect(rect.left(), rect.top(), rect.width(), titleHeight);
    const int plotTop = l.title.bottom() + 1 + topMargin;
    l.plot = QRect(rect.left() + yBandWidth, plotTop,
                   std::max(rect.width() - yBandWidth - rightMargin, 0),
                   std::max(rect.bottom() + 1 - xBandHeight - plotTop, 0));
    l.yBand = QRect(rect.left(), l.plot.top(), yBandWidth, l.plot.height());
    l.xBand = QRect(l.plot.left(), l.plot.bottom() + 1, l.plot.width(), xBandHeight);
    return l;
}

QPointF MapCurvePoint(const CurvePoint& pt, const CurveRange& range, const QRect& plot) {
    if (!IsDrawable(range))
        return QPointF(plot.left(), plot.bottom());
    const double fx = (pt.x - range.xMin) / (range.xMax - range.xMin);
    const double fy = (pt.y - range.yMin) / (range.yMax - range.yMin);
    // The plot's pixels run from its left to its right edge and from its bottom up to its top.
    return QPointF(plot.left() + fx * (plot.width() - 1), plot.bottom() - fy * (plot.height() - 1));
}

void DrawMarker(QPainter& p, QPointF c, MarkerShape shape, double size) {
    const double h = size / 2;
    const QPointF dx(h, 0), dy(0, h);
    switch (shape) {
        case MarkerShape::Square:
            p.drawRect(QRectF(c - dx - dy, c + dx + dy));
            break;
        case MarkerShape::Circle:
            p.drawEllipse(c, h, h);
            break;
        case MarkerShape::TriangleUp:
            p.drawPolygon(RegularPolygon(c, h * 1.15, 3, 90));
            break;
        case MarkerShape::Diamond:
            p.drawPolygon(RegularPolygon(c, h * 1.2, 4, 90));
            break;
        case MarkerShape::TriangleDown:
            p.drawPolygon(RegularPolygon(c, h * 1.15, 3, 270));
            break;
        case MarkerShape::Cross:
            p.drawLine(c - dx - dy, c + dx + dy);
            p.drawLine(c - dx + dy, c + dx - dy);
            break;
        case MarkerShape::Plus:
            p.drawLine(c - dx, c + dx);
            p.drawLine(c - dy, c + dy);
            break;
        case MarkerShape::Asterisk:
            DrawMarker(p, c, MarkerShape::Cross, size * 0.8);
            DrawMarker(p, c, MarkerShape::Plus, size);
            break;
        case MarkerShape::Hourglass:
            p.drawPolygon(QPolygonF{c - dx - dy, c + dx - dy, c - dx + dy, c + dx + dy});
            break;
        case MarkerShape::Hexagon:
            p.drawPolygon(RegularPolygon(c, h, 6, 0));
            break;
    }
}

void PaintCurve(QPainter& p, const QRect& rect, const CurvePicture& pic) {
    p.save();
    p.setBackgroundMode(Qt::TransparentMode);
    p.fillRect(rect, Qt::white);
    const CurveLayout l = LayOutCurve(rect, pic.font);
    p.setPen(Qt::black);
    p.setFont(TitleFont(pic.font));
    p.drawText(l.title, Qt::AlignCenter, QString::fromUtf8(Tr(texts::kCurveTitle)));
    if (l.plot.width() > 1 && l.plot.height() > 1) {
        if (IsDrawable(pic.range))
            DrawAxes(p, l, pic);
        if (pic.project && pic.project->ComponentAt(pic.row))
            DrawCurve(p, l.plot, pic);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(l.plot.adjusted(0, 0, -1, -1));
    }
    p.restore();
}

QImage RenderCurveImage(const CurvePicture& picture, QSize size) {
    if (size.isEmpty())
        return QImage();
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintCurve(painter, image.rect(), picture);
    return image;
}

}  // namespace lx
