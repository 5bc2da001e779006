// The plot as pixels: the reduced trace against a line to every sample, and what a picture
// shows where (frame, bands, trace, selected peak, baselines, labels, ticks).
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <functional>
#include <random>

#include "report/PlotAxes.h"
#include "report/PlotPainter.h"

namespace lx {
namespace {

const QRect kPlot(20, 10, 250, 150);

// The points drawn as the painter draws a trace: clipped to a plot area inside a bigger image.
QImage DrawPoints(const std::vector<QPoint>& pts) {
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setClipRect(kPlot);
    p.translate(kPlot.topLeft());
    DrawTracePoints(p, pts, Rgb{255, 0, 0});
    return image;
}

// "" when equal, else where they first differ.
std::string FirstDifference(const QImage& a, const QImage& b) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return "differs at " + std::to_string(x) + "," + std::to_string(y);
    return "";
}

SampleArray Samples(std::size_t n, const std::function<std::int32_t(std::size_t)>& f) {
    SampleArray s;
    s.Resize(n);
    for (std::size_t i = 0; i < n; ++i)
        s.SetAt(i, f(i));
    return s;
}

TEST(PlotTrace, ReducedColumnsDrawExactlyTheLineThroughEverySample) {
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<std::int32_t> noise(-3000, 3000);
    std::uniform_int_distribution<std::int32_t> wild(-2000000000, 2000000000);
    const std::size_t n = 6000;
    std::int32_t walk = 0;
    const std::vector<std::pair<std::string, SampleArray>> traces = {
        {"random walk", Samples(n, [&](std::size_t) { return walk += noise(rng) / 10; })},
        {"noise", Samples(n, [&](std::size_t) { return noise(rng); })},
        {"steep steps", Samples(n, [](std::size_t i) { return (i / 37) % 2 ? 2800 : -2900; })},
        {"flat runs",
         Samples(n, [](std::size_t i) { return static_cast<std::int32_t>(i / 500) * 90; })},
        {"single spikes", Samples(n, [](std::size_t i) { return i % 97 == 0 ? 2500 : 0; })},
        {"clamped extremes", Samples(n, [&](std::size_t) { return wild(rng); })},
        {"ramp", Samples(n, [](std::size_t i) { return static_cast<std::int32_t>(i) - 3000; })},
        {"constant", Samples(n, [](std::size_t) { return 100; })},
    };
    // Fewer samples than pixels, about one a pixel, many; views starting late; a signal range
    // that cuts the trace off; an area of no height; a view of no time.
    struct Case {
        double timeMin, timeMax;
        std::int32_t lo, hi;
        int height;
    };
    const std::vector<Case> cases = {
        {0, 0.05, -3000, 3000, 150},    // 60 samples over 250 px
        {0, 0.2083, -3000, 3000, 150},  // about one sample a pixel
        {0.1, 0.45, -3000, 3000, 150},  // 1.68 a pixel
        {0, 1.25, -3000, 3000, 150},    // 6 a pixel
        {0.7, 5, -3000, 3000, 150},     // 20.6 a pixel, the data ends inside
        {0, 20, -3000, 3000, 150},      // data ends early
        {0.05, 1.3, -500, 700, 150},    // most values beyond the range
        {0, 3, -3000, 3000, 0},         // no height: every point on row 0
        {0.5, 0.5, -3000, 3000, 150},   // no time range: every sample in the first column
    };
    for (const auto& [name, samples] : traces)
        for (const Case& c : cases) {
            SCOPED_TRACE(name + " " + std::to_string(c.timeMin) + ".." + std::to_string(c.timeMax));
            PlotView view;
            view.m_TimeMin = c.timeMin;
            view.m_TimeMax = c.timeMax;
            view.m_SignalMin = c.lo;
            view.m_SignalMax = c.hi;
            const PlotScales sc(view, 20, kPlot.width(), c.height);
            const auto every = TracePoints(samples, sc.m_FirstIndex, n, sc, true);
            const auto reduced = TracePoints(samples, sc.m_FirstIndex, n, sc);
            EXPECT_LE(reduced.size(), every.size());
            EXPECT_EQ(FirstDifference(DrawPoints(every), DrawPoints(reduced)), "");
        }
}

TEST(PlotTrace, AColumnKeepsItsFirstExtremesAndLastSample) {
    // Two columns of four samples; y = 100 - value. The first column falls to its lowest
    // sample first (where it starts), then rises to 50 and ends at 30.
    PlotView view;
    view.m_TimeMin = 0;
    view.m_TimeMax = 8.0 / 1200;  // 8 samples at 20 a second
    view.m_SignalMin = 0;
    view.m_SignalMax = 100;
    const PlotScales sc(view, 20, 2, 100);
    const SampleArray s = Samples(10, [](std::size_t i) {
        const std::int32_t v[] = {10, 50, 20, 30, 40, 40, 40, 40, 0, 77};
        return v[i];
    });
    const std::vector<QPoint> expected = {{0, 90}, {0, 50}, {0, 70}, {1, 60}, {2, 100}};
    // Sample 8 reaches the right edge: it is the last one drawn, sample 9 is not.
    EXPECT_EQ(TracePoints(s, 0, 10, sc), expected);
    EXPECT_EQ(TracePoints(s, 0, 10, sc, true).size(), 9u);
    // Begun late and ended early: two samples on one pixel are a stroke of no length, which
    // still draws the pixel; a single sample is no stroke at all.
    EXPECT_EQ(TracePoints(s, 4, 6, sc), (std::vector<QPoint>{{1, 60}, {1, 60}}));
    EXPECT_EQ(TracePoints(s, 4, 5, sc), (std::vector<QPoint>{{1, 60}}));
}

// A chromatogram of 2400 zero samples (2 minutes at 20 a second).
CTzLabDoc FlatRun() {
    CTzLabDoc doc;
    doc.m_ChannelSetup.rate = 20;
    doc.m_Samples.Resize(2400);
    return doc;
}

PlotPicture PictureOf(const CTzLabDoc* doc, bool printing) {
    PlotPicture pic;
    pic.doc = doc;
    pic.printing = printing;
    pic.view.m_TimeMin = 0;
    pic.view.m_TimeMax = 2;
    pic.view.m_SignalMin = -1000;
    pic.view.m_SignalMax = 1000;
    // 250 px of plot in a 300 px picture: 8 units a pixel, exact in binary, so the rows below
    // are whole numbers.
    pic.timeBand = 50;
    return pic;
}

QImage Paint(const PlotPicture& pic, QSize size = {455, 300}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter p(&image);
    PaintPlot(p, image.rect(), pic);
    return image;
}

QColor At(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255), kBlack(0, 0, 0),
    kWhite(255, 255, 255), kGrid(230, 230, 230);

TEST(PlotPicturePixels, ScreenAndPaperDecoration) {
    const PlotPicture screen = PictureOf(nullptr, false);
    const PlotLayout l = LayOutPlot(QRect(0, 0, 455, 300), screen, PlotFont());
    EXPECT_EQ(l.plot.left(), 55);
    EXPECT_EQ(l.plot.width(), 400);
    const int midY = l.plot.center().y();
    const QImage s = Paint(screen);
    EXPECT_EQ(At(s, l.plot.right(), midY), QColor(128, 128, 128));  // right edge of the frame
    EXPECT_EQ(At(s, l.plot.center().x(), l.plot.top()), QColor(128, 128, 128));
    EXPECT_EQ(At(s, l.plot.center().x(), midY), QColor(255, 251, 240));  // "BkgndRGB"
    EXPECT_EQ(At(s, 1, 1), QColor(192, 192, 192));                       // "FramegndRGB"
    EXPECT_EQ(At(s, l.plot.left(), midY + 3), QColor(255, 251, 240));    // no axis line

    const QImage paper = Paint(PictureOf(nullptr, true));
    EXPECT_EQ(At(paper, l.plot.right(), midY), kBlack);
    EXPECT_EQ(At(paper, l.plot.center().x(), l.plot.top()), kBlack);
    EXPECT_EQ(At(paper, l.plot.center().x(), midY), kWhite);
    EXPECT_EQ(At(paper, 1, 1), kWhite);
    EXPECT_EQ(At(paper, l.plot.left(), midY + 3), kBlack);  // the signal axis line
}

TEST(PlotPicturePixels, TraceAndSelectedPeakInTheirColours) {
    CTzLabDoc doc = FlatRun();
    PeakRecord peak;
    peak.m_Start = 600;
    peak.m_End = 1200;
    peak.m_Apex = 900;
    doc.m_Peaks.push_back(peak);
    doc.m_SelectedPeak = 0;
    PlotPicture pic = PictureOf(&doc, false);
    pic.settings.showBaselines = false;
    const PlotLayout l = LayOutPlot(QRect(0, 0, 455, 300), pic, PlotFont());
    const QImage image = Paint(pic);
    // 6 samples a pixel: the peak covers columns 100 to 200; value 0 is half way down.
    const int row = l.plot.top() + l.plot.height() / 2;
    for (int x = 0; x < 399; ++x) {
        SCOPED_TRACE(x);
        if (x == 100 || x == 200)
            continue;  // where the two colours meet
        EXPECT_EQ(At(image, l.plot.left() + x, row), x > 100 && x < 200 ? kGreen : kRed);
    }
}

TEST(PlotPicturePixels, BaselinesOnlyWhenSwitchedOn) {
    CTzLabDoc doc = FlatRun();
    PeakRecord peak;
    peak.m_Start = peak.m_BaseStart = 1500;
    peak.m_End = peak.m_BaseEnd = 2100;
    peak.m_Apex = 1800;
    peak.m_BaseStartValue = peak.m_BaseEndValue = -500;  // three quarters down
    doc.m_Peaks.push_back(peak);
    PlotPicture pic = PictureOf(&doc, false);
    const PlotLayout l = LayOutPlot(QRect(0, 0, 455, 300), pic, PlotFont());
    const int row = l.plot.top() + l.plot.height() * 3 / 4;
    const QImage on = Paint(pic);
    for (int x = 252; x < 349; ++x)
        EXPECT_EQ(At(on, l.plot.left() + x, row), kBlue) << x;
    pic.settings.showBaselines = false;
    const QImage off = Paint(pic);
    for (int y = 0; y < off.height(); ++y)
        for (int x = 0; x < off.width(); ++x)
            ASSERT_NE(At(off, x, y), kBlue) << x << "," << y;
}

TEST(PlotPeakLabels, TextsInTheirOrderAndOnlyWhatHasAValue) {
    PeakRecord p;
    p.m_Number = 3;
    p.m_ApexTime = 1.23456;
    p.m_Area = 12345.67;
    p.m_Height = 987.26;
    p.m_Content = 0.5;
    p.m_ComponentName = "苯";
    EXPECT_EQ(PeakLabelText(p, 0x7F), "(3) 1.235 A=12345.7 H=987.3 C=0.5000 [苯]");
    EXPECT_EQ(PeakLabelText(p, kLabelsOn | kLabelTime), "1.235 ");
    EXPECT_EQ(PeakLabelText(p, kLabelNumber | kLabelHeight), "(3) H=987.3 ");
    p.m_Content = 0;
    p.m_ComponentName.clear();
    EXPECT_EQ(PeakLabelText(p, kLabelContent | kLabelName), "");
}

// Dark grey to black pixels (label text, not the red trace) in `area`.
int DarkPixels(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += qRed(image.pixel(x, y)) < 100 && qGreen(image.pixel(x, y)) < 100 &&
                 qBlue(image.pixel(x, y)) < 100;
    return n;
}

TEST(PlotPeakLabels, DrawnWhenOnAndWhole) {
    CTzLabDoc doc = FlatRun();
    PeakRecord peak;
    peak.m_Apex = 1200;
    peak.m_ApexTime = 1.0;
    peak.m_Number = 1;
    doc.m_Peaks.push_back(peak);
    PlotPicture pic = PictureOf(&doc, false);
    const PlotLayout l = LayOutPlot(QRect(0, 0, 455, 300), pic, PlotFont());
    const int whole = DarkPixels(Paint(pic), l.plot);
    EXPECT_GT(whole, 20);                // "1.000" above the apex
    pic.settings.viewMark = kLabelTime;  // labels off
    EXPECT_EQ(DarkPixels(Paint(pic), l.plot), 0);

    // An apex at the top of the view and one at the right edge: the label moves to stay in the
    // plot, and every pixel of it is still drawn.
    pic.settings.viewMark = kLabelsOn | kLabelTime;
    doc.m_Samples.SetAt(1200, 1000);
    EXPECT_EQ(DarkPixels(Paint(pic), l.plot), whole);
    doc.m_Samples.SetAt(1200, 0);
    doc.m_Peaks[0].m_Apex = 2399;
    EXPECT_EQ(DarkPixels(Paint(pic), l.plot), whole);
    // Upright text is drawn from the same glyphs turned, with other edge pixels: only its
    // presence is certain.
    pic.settings.verticalLabels = true;
    doc.m_Peaks[0].m_Apex = 1200;
    EXPECT_GT(DarkPixels(Paint(pic), l.plot), 20);
}

TEST(PlotPeakLabels, TheLabelsOfAFusedPairDoNotRunIntoEachOther) {
    CTzLabDoc doc = FlatRun();
    PeakRecord first;
    first.m_Apex = 1200;
    first.m_ApexTime = 1.0;
    PeakRecord second = first;
    second.m_Apex = 1206;  // one pixel further
    second.m_ApexTime = 1.005;
    PlotPicture pic = PictureOf(&doc, false);
    const PlotLayout l = LayOutPlot(QRect(0, 0, 455, 300), pic, PlotFont());
    doc.m_Peaks = {first};
    const int one = DarkPixels(Paint(pic), l.plot);
    doc.m_Peaks = {second};
    const int other = DarkPixels(Paint(pic), l.plot);
    // Both drawn whole, no pixel of one on the other: the second went above the first.
    doc.m_Peaks = {first, second};
    EXPECT_EQ(DarkPixels(Paint(pic), l.plot), one + other);
    pic.settings.verticalLabels = true;
    doc.m_Peaks = {first};
    const int upright = DarkPixels(Paint(pic), l.plot);
    doc.m_Peaks = {second};
    const int otherUpright = DarkPixels(Paint(pic), l.plot);
    doc.m_Peaks = {first, second};
    EXPECT_EQ(DarkPixels(Paint(pic), l.plot), upright + otherUpright);
}

TEST(PlotPicturePixels, TicksWithTheirGreyCompanions) {
    const PlotPicture pic = PictureOf(nullptr, true);
    const QFont font = PlotFont();
    const PlotLayout l = LayOutPlot(QRect(0, 0, 455, 300), pic, font);
    const QImage image = Paint(pic);
    const QFontMetrics fm(font);
    const auto time = TimeAxisTicks(0, 2, 400, fm.horizontalAdvance("XXXXX.XXX"));
    ASSERT_GE(time.size(), 3u);
    const int y0 = l.timeBand.top();
    EXPECT_EQ(At(image, l.plot.left() + 210, y0 + 1), kBlack);  // the axis line, 2 px high
    EXPECT_EQ(At(image, l.plot.left() + 210, y0 + 2), kWhite);
    for (const AxisTick& t : time) {
        if (t.pos == 400)
            continue;  // under the frame's corner
        const int x = l.plot.left() + t.pos;
        const int len = t.major ? 8 : 5;
        SCOPED_TRACE(t.value);
        EXPECT_EQ(At(image, x, y0 + len - 1), kBlack);
        EXPECT_EQ(At(image, x, y0 + len), kWhite);
        EXPECT_EQ(At(image, x + 1, y0 + len - 1), kGrid);
    }
    const auto signal = SignalAxisTicks(-1000, 1000, l.plot.height(), fm.height());
    ASSERT_GE(signal.size(), 3u);
    for (const AxisTick& t : signal) {
        const int y = l.plot.top() + t.pos;
        const int len = t.major ? 10 : 8;
        SCOPED_TRACE(t.value);
        EXPECT_EQ(At(image, l.plot.left() - len, y), kBlack);
        EXPECT_EQ(At(image, l.plot.left() - len - 1, y), kWhite);
        EXPECT_EQ(At(image, l.plot.left() - 1, y + 1), kGrid);
    }
}

TEST(PlotPicturePixels, NoRoomDrawsNoTraceAndDoesNotFail) {
    const CTzLabDoc doc = FlatRun();
    const QImage tiny = Paint(PictureOf(&doc, true), {40, 30});
    for (int y = 0; y < tiny.height(); ++y)
        for (int x = 0; x < tiny.width(); ++x)
            ASSERT_NE(At(tiny, x, y), kRed);
}

}  // namespace
}  // namespace lx
