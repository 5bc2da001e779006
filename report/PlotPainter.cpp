#include "report/PlotPainter.h"

#include <QFontMetrics>
#include <QLine>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/Format.h"
#include "report/PlotAxes.h"

namespace lx {
namespace {

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

const QColor kGridColour(230, 230, 230);
const QColor kScreenFrameColour(128, 128, 128);

// Tick lengths and label distances of the axes, in pixels.
constexpr int kTimeMinorTick = 5;
constexpr int kTimeMajorTick = 8;
constexpr int kSignalMinorTick = 8;
constexpr int kSignalMajorTick = 10;
constexpr int kLabelGap = 10;
constexpr int kAxisLineHeight = 2;
// Between a peak's apex and its label, so the label never touches the trace.
constexpr int kApexGap = 3;

// The first index of the column after the one sample i is in (x), or n. Samples of a column
// are contiguous because x never decreases along the samples; the guess from the scale is
// corrected with the exact mapping, so the grouping is the mapping's own.
std::int64_t ColumnEnd(const PlotScales& sc, std::int64_t i, int x, std::int64_t n) {
    std::int64_t j = i + 1;
    if (sc.m_SamplesPerPixel > 1.0 && x > PlotScales::kMinPixel && x < PlotScales::kMaxPixel) {
        const double guess = sc.m_FirstIndex + std::ceil((x + 1) * sc.m_SamplesPerPixel);
        j = std::clamp(static_cast<std::int64_t>(guess), i + 1, n);
        while (j > i + 1 && sc.X(j - 1) != x)
            --j;
    }
    while (j < n && sc.X(j) == x)
        ++j;
    return j;
}

void Push(std::vector<QPoint>& pts, int x, int y) {
    if (pts.empty() || pts.back() != QPoint(x, y))
        pts.emplace_back(x, y);
}

}  // namespace

QFont PlotFont() {
    QFont font;
    // fontconfig substitutes a metric twin for Arial where it is missing; the CJK family
    // supplies the glyphs of "分钟" and Chinese component names.
    // (WenQuanYi before Noto: Noto's CJK glyphs shared with the Kangxi radicals come out of
    // a PDF as the radicals.)
    font.setFamilies(
        {"Arial", "Liberation Sans", "DejaVu Sans", "WenQuanYi Zen Hei", "Noto Sans CJK SC"});
    font.setPixelSize(12);
    font.setWeight(QFont::Normal);
    return font;
}

std::string PeakLabelText(const PeakRecord& peak, std::int32_t bits) {
    std::string text;
    if (bits & kLabelNumber)
        text += Format("(%d) ", peak.m_Number);
    if (bits & kLabelTime)
        text += Format("%1.3f ", peak.m_ApexTime);
    if (bits & kLabelArea)
        text += Format("A=%.1f ", peak.m_Area);
    if (bits & kLabelHeight)
        text += Format("H=%.1f ", peak.m_Height);
    if ((bits & kLabelContent) && peak.m_Content > 0)
        text += Format("C=%.4f ", peak.m_Content);
    if ((bits & kLabelName) && !peak.m_ComponentName.empty())
        text += Format("[%s]", peak.m_ComponentName.c_str());
    return text;
}

std::vector<QPoint> TracePoints(const SampleArray& samples, std::int64_t begin, std::int64_t end,
                                const PlotScales& sc, bool every) {
    std::vector<QPoint> pts;
    const std::int64_t n = std::min<std::int64_t>(end, static_cast<std::int64_t>(samples.size()));
    const std::int32_t* s = samples.data();
    const int right = sc.m_Width;
    if (every) {
        for (std::int64_t i = std::max<std::int64_t>(begin, 0); i < n; ++i) {
            const int x = sc.X(i);
            pts.emplace_back(x, sc.Y(s[i]));
            if (x >= right)
                break;
        }
        return pts;
    }
    const std::int64_t first = std::max<std::int64_t>(begin, 0);
    std::int64_t i = first;
    while (i < n) {
        const int x = sc.X(i);
        if (x >= right) {
            Push(pts, x, sc.Y(s[i]));
            break;
        }
        const std::int64_t j = ColumnEnd(sc, i, x, n);
        std::int32_t lo = s[i], hi = s[i];
        std::int64_t loAt = i, hiAt = i;
        for (std::int64_t k = i + 1; k < j; ++k) {
            if (s[k] < lo) {
                lo = s[k];
                loAt = k;
            } else if (s[k] > hi) {
                hi = s[k];
                hiAt = k;
            }
        }
        // In, to the column's two extremes in the order the samples reach them, out: the strokes
        // between them cover the column's whole span, and the strokes to the neighbouring
        // columns start and end where the samples' own do.
        Push(pts, x, sc.Y(s[i]));
        Push(pts, x, sc.Y(loAt < hiAt ? lo : hi));
        Push(pts, x, sc.Y(loAt < hiAt ? hi : lo));
        Push(pts, x, sc.Y(s[j - 1]));
        i = j;
    }
    // Samples that all fall on one pixel still draw it (as a stroke of no length does).
    if (pts.size() == 1 && std::min(i + 1, n) - first >= 2)
        pts.push_back(pts.front());
    return pts;
}

void DrawTracePoints(QPainter& p, const std::vector<QPoint>& points, Rgb colour) {
    if (points.size() < 2)
        return;
    // Each stroke on its own, with square caps: a stroke then covers both of its end pixels, so
    // the pixels drawn are the union of the strokes whatever their order and direction, which is
    // what lets a column's many strokes be replaced by fewer over the same span. A polyline
    // would not do: Qt leaves out the end pixel at each join and caps only the path's ends, so
    // its pixels depend on which points come last.
    std::vector<QLine> strokes;
    strokes.reserve(points.size() - 1);
    for (std::size_t i = 1; i < points.size(); ++i)
        strokes.emplace_back(points[i - 1], points[i]);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(ToQColor(colour), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawLines(strokes.data(), static_cast<int>(strokes.size()));
    p.restore();
}

PlotLayout LayOutPlot(const QRect& rect, const PlotPicture& picture, const QFont& font) {
    const QFontMetrics fm(font);
    int timeBand = 0;
    int signalBand = 0;
    if (picture.axes) {
        // Axis line, the gap to the labels, the labels, the title, and a little air below.
        timeBand = picture.timeBand > 0 ? picture.timeBand
                                        : kAxisLineHeight + kLabelGap + 2 * fm.height() + 4;
        signalBand = picture.signalBand;
    }
    PlotLayout l;
    l.plot = QRect(rect.left() + signalBand, rect.top(), std::max(rect.width() - signalBand, 0),
                   std::max(rect.height() - timeBand, 0));
    l.signalBand =
        QRect(rect.left(), rect.top(), std::min(signalBand, rect.width()), l.plot.height());
    l.timeBand =
        QRect(rect.left(), l.plot.bottom() + 1, rect.width(), std::min(timeBand, rect.height()));
    return l;
}

namespace {

void DrawTrace(QPainter& p, const CTzLabDoc& doc, const PlotScales& sc, std::int64_t begin,
               std::int64_t end, Rgb colour) {
    DrawTracePoints(p, TracePoints(doc.m_Samples, begin, end, sc), colour);
}

std::int32_t SampleOr(const CTzLabDoc& doc, std::int32_t i, std::int32_t fallback) {
    return i >= 0 && static_cast<std::size_t>(i) < doc.m_Samples.size() ? doc.m_Samples.At(i)
                                                                        : fallback;
}

bool InView(const PlotScales& sc, std::int32_t from, std::int32_t to) {
    return to >= sc.m_FirstIndex && from <= sc.m_LastIndex;
}

// Each peak's baseline segment from its start to its end level, and a drop line from the
// baseline up to the signal where the peak shares a valley with its neighbour, so fused peaks
// show where their areas were split. The apex is marked by the label, not by a line.
void DrawBaselines(QPainter& p, const CTzLabDoc& doc, const PlotScales& sc, const QColor& c) {
    p.setPen(QPen(c, 1));
    for (const PeakRecord& pk : doc.m_Peaks) {
        if (!InView(sc, pk.m_BaseStart, pk.m_BaseEnd))
            continue;
        const QPoint a(sc.X(pk.m_BaseStart), sc.Y(pk.m_BaseStartValue));
        const QPoint b(sc.X(pk.m_BaseEnd), sc.Y(pk.m_BaseEndValue));
        p.drawLine(a, b);
        if (pk.m_Flags & kStartsInValley)
            p.drawLine(a, QPoint(a.x(), sc.Y(SampleOr(doc, pk.m_BaseStart, pk.m_BaseStartValue))));
        if (pk.m_Flags & kEndsInValley)
            p.drawLine(b, QPoint(b.x(), sc.Y(SampleOr(doc, pk.m_BaseEnd, pk.m_BaseEndValue))));
    }
}

// A label stands just above its apex, centred on it. When the apex is too near the top for
// that (the tallest peak of a fitted view), it moves to the right of the apex and down into
// the plot, beside the peak rather than over the trace; it is kept inside the plot area left
// and right too, so no label is cut off. The labels of a fused pair would run into each other:
// a label that meets one already drawn goes up above it (upright labels: to its right), and is
// left out only when there is no room left.
bool Overlaps(const QRect& r, const std::vector<QRect>& placed) {
    return std::any_of(placed.begin(), placed.end(),
                       [&](const QRect& other) { return other.intersects(r); });
}

void DrawPeakLabels(QPainter& p, const CTzLabDoc& doc, const PlotScales& sc,
                    const PlotPicture& pic) {
    const std::int32_t bits = pic.settings.viewMark;
    if (!(bits & kLabelsOn))
        return;
    const QFontMetrics fm(p.font());
    p.setPen(ToQColor(pic.settings.labels));
    const int w = sc.m_Width;
    const int h = sc.m_Height;
    std::vector<QRect> placed;
    for (const PeakRecord& pk : doc.m_Peaks) {
        if (pk.m_Apex < sc.m_FirstIndex || pk.m_Apex > sc.m_LastIndex)
            continue;
        std::string text = PeakLabelText(pk, bits);
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        if (text.empty())
            continue;
        const QString label = QString::fromStdString(text);
        const int ax = sc.X(pk.m_Apex);
        const int ay = sc.Y(SampleOr(doc, pk.m_Apex, pk.m_ApexValue));
        const int tw = fm.horizontalAdvance(label);
        const int th = fm.height();
        if (!pic.settings.verticalLabels) {
            int left = ax - tw / 2;
            int top = ay - kApexGap - th;
            if (top < 0) {
                top = std::clamp(ay - th / 2, 0, std::max(h - th, 0));
                left = ax + kApexGap + 1;
            }
            left = std::clamp(left, 0, std::max(w - tw, 0));
            QRect r(left, top, tw, th);
            while (Overlaps(r, placed) && r.top() - th >= 0)
                r.moveTop(r.top() - th);
            if (Overlaps(r, placed))
                continue;
            placed.push_back(r);
            p.drawText(QPoint(r.left(), r.top() + fm.ascent()), label);
        } else {
            // Rotated a quarter turn anticlockwise: the text reads upwards from above the apex.
            int bottom = ay - kApexGap;
            int left = ax - th / 2;
            if (bottom - tw < 0) {
                bottom = std::min(std::max(tw, ay), h);
                left = ax + kApexGap + 1;
            }
            left = std::clamp(left, 0, std::max(w - th, 0));
            bottom = std::clamp(bottom, std::min(tw, h), std::max(h, 0));
            QRect r(left, bottom - tw, th, tw);
            while (Overlaps(r, placed) && r.right() + th < w)
                r.moveLeft(r.left() + th);
            if (Overlaps(r, placed))
                continue;
            placed.push_back(r);
            p.save();
            p.translate(r.left() + fm.ascent(), r.bottom() + 1);
            p.rotate(-90);
            p.drawText(QPoint(0, 0), label);
            p.restore();
        }
    }
}

void DrawTimeAxis(QPainter& p, const PlotLayout& l, const PlotPicture& pic) {
    const QFontMetrics fm(p.font());
    const int x0 = l.plot.left();
    const int y0 = l.timeBand.top();
    const int width = l.plot.width();
    const QPen axisPen(Qt::black, 1);
    const QPen gridPen(kGridColour, 1);
    const std::vector<AxisTick> ticks = TimeAxisTicks(pic.view.m_TimeMin, pic.view.m_TimeMax, width,
                                                      fm.horizontalAdvance("XXXXX.XXX"));
    const int labelTop = y0 + kAxisLineHeight + kLabelGap;
    int lastLabelRight = std::numeric_limits<int>::min();
    for (const AxisTick& t : ticks) {
        const int x = x0 + t.pos;
        const int len = t.major ? kTimeMajorTick : kTimeMinorTick;
        p.setPen(axisPen);
        p.drawLine(x, y0, x, y0 + len - 1);
        p.setPen(gridPen);
        p.drawLine(x + 1, y0, x + 1, y0 + len - 1);
        if (t.label.empty())
            continue;
        const QString label = QString::fromStdString(t.label);
        const int tw = fm.horizontalAdvance(label);
        // Centred on the tick, but the first and last labels stay within the picture.
        const int left = std::clamp(x - tw / 2, l.timeBand.left(), l.timeBand.right() + 1 - tw);
        if (left <= lastLabelRight)
            continue;
        p.setPen(axisPen);
        p.drawText(QPoint(left, labelTop + fm.ascent()), label);
        lastLabelRight = left + tw;
    }
    p.fillRect(QRect(x0, y0, width, kAxisLineHeight), Qt::black);
    const QString title = QString::fromUtf8(kTimeAxisTitle);
    const int tw = fm.horizontalAdvance(title);
    p.setPen(axisPen);
    p.drawText(QPoint(x0 + (width - tw) / 2, labelTop + fm.height() + fm.ascent()), title);
}

void DrawSignalAxis(QPainter& p, const PlotLayout& l, const PlotPicture& pic) {
    const QFontMetrics fm(p.font());
    const int x0 = l.plot.left();
    const int y0 = l.plot.top();
    const QPen axisPen(Qt::black, 1);
    const QPen gridPen(kGridColour, 1);
    const std::vector<AxisTick> ticks =
        SignalAxisTicks(pic.view.m_SignalMin, pic.view.m_SignalMax, l.plot.height(), fm.height());
    for (const AxisTick& t : ticks) {
        const int y = y0 + t.pos;
        const int len = t.major ? kSignalMajorTick : kSignalMinorTick;
        p.setPen(axisPen);
        p.drawLine(x0 - len, y, x0 - 1, y);
        p.setPen(gridPen);
        p.drawLine(x0 - len, y + 1, x0 - 1, y + 1);
        if (t.label.empty())
            continue;
        const QString label = QString::fromStdString(t.label);
        const int right = x0 - kLabelGap - 2;
        const int left = std::max(right - fm.horizontalAdvance(label), l.signalBand.left());
        p.setPen(axisPen);
        p.drawText(QPoint(left, y - fm.height() / 2 + fm.ascent()), label);
    }
}

}  // namespace

void PaintPlot(QPainter& p, const QRect& rect, const PlotPicture& pic) {
    p.save();
    const QFont& font = pic.font;
    p.setFont(font);
    p.setBackgroundMode(Qt::TransparentMode);
    p.setRenderHint(QPainter::Antialiasing, false);
    const PlotLayout l = LayOutPlot(rect, pic, font);
    const QColor paper = Qt::white;
    // The bands around the plot: the frame colour on screen, paper when printed.
    p.fillRect(rect, pic.printing ? paper : ToQColor(pic.settings.frameBand));
    p.fillRect(l.plot, pic.printing ? paper : ToQColor(pic.settings.background));

    const int w = l.plot.width();
    const int h = l.plot.height();
    if (w > 0 && h > 0) {
        p.save();
        p.setClipRect(l.plot);
        p.translate(l.plot.topLeft());
        for (const PlotOverlay& o : pic.overlays) {
            if (!o.doc)
                continue;
            const PlotScales sc(pic.view, o.doc->m_ChannelSetup.rate, w, h);
            p.save();
            p.translate(o.offsetX, o.offsetY);
            DrawTrace(p, *o.doc, sc, sc.m_FirstIndex, o.doc->m_Samples.size(), o.colour);
            p.restore();
        }
        if (pic.doc) {
            const CTzLabDoc& doc = *pic.doc;
            const PlotScales sc(pic.view, doc.m_ChannelSetup.rate, w, h);
            DrawTrace(p, doc, sc, sc.m_FirstIndex, doc.m_Samples.size(), pic.settings.trace);
            const int sel = doc.m_SelectedPeak;
            if (sel >= 0 && static_cast<std::size_t>(sel) < doc.m_Peaks.size())
                DrawTrace(p, doc, sc, doc.m_Peaks[sel].m_Start,
                          std::int64_t{doc.m_Peaks[sel].m_End} + 1, pic.settings.selectedPeak);
            if (pic.settings.showBaselines)
                DrawBaselines(p, doc, sc, ToQColor(pic.settings.baseline));
            DrawPeakLabels(p, doc, sc, pic);
        }
        p.restore();
        // The frame: top and right edges.
        p.setPen(QPen(pic.printing ? QColor(Qt::black) : kScreenFrameColour, 1));
        p.drawLine(l.plot.topLeft(), l.plot.topRight());
        p.drawLine(l.plot.topRight(), l.plot.bottomRight());
        if (pic.axes) {
            DrawTimeAxis(p, l, pic);
            DrawSignalAxis(p, l, pic);
            // On screen the band's edge is the axis; on paper it needs a line.
            if (pic.printing) {
                p.setPen(QPen(Qt::black, 1));
                p.drawLine(l.plot.topLeft(), l.plot.bottomLeft());
            }
        }
    }
    p.restore();
}

}  // namespace lx
