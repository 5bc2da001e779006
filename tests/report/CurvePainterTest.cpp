// The standard curve picture as pixels: where the curve, its markers and its frame land, in the
// colour and shape of the component's row.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>

#include "quant/views/CalibrationRows.h"
#include "report/CurvePainter.h"
#include "tests/report/CurveFixtures.h"

namespace lx {
namespace {

const QSize kSize(640, 480);

CurvePicture PictureOf(const CPrjDoc& project, int row) {
    return {&project, row, AutoCurveRange(project, row), CurveFont()};
}

// Within a few steps of `c` in each channel: antialiased edges blend, centres do not.
bool Near(QRgb pixel, Rgb c, int tolerance = 40) {
    return std::abs(qRed(pixel) - c.r) + std::abs(qGreen(pixel) - c.g) +
               std::abs(qBlue(pixel) - c.b) <=
           tolerance;
}

int CountNear(const QImage& image, const QRect& area, Rgb c) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += Near(image.pixel(x, y), c, 10);
    return n;
}

// An antialiased line 2 pixels wide fully covers at least one pixel beside any of its points.
bool LineThrough(const QImage& image, QPoint p, Rgb c) {
    return CountNear(image, QRect(p.x() - 1, p.y() - 1, 3, 3), c) > 0;
}

QPoint Pixel(QPointF p) {
    return QPoint(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
}

TEST(CurvePicture, LayoutAndMapping) {
    const QRect rect(10, 20, 600, 400);
    const CurveLayout l = LayOutCurve(rect, CurveFont());
    EXPECT_TRUE(rect.contains(l.title));
    EXPECT_TRUE(rect.contains(l.plot));
    EXPECT_LT(l.title.bottom(), l.plot.top());
    EXPECT_LE(l.yBand.right(), l.plot.left());
    EXPECT_LE(l.plot.bottom(), l.xBand.top());
    EXPECT_LE(l.xBand.bottom(), rect.bottom());
    EXPECT_GT(l.plot.width(), 400);
    EXPECT_GT(l.plot.height(), 250);

    const CurveRange range{1, 5, -10, 30};
    EXPECT_EQ(MapCurvePoint({1, -10}, range, l.plot), QPointF(l.plot.left(), l.plot.bottom()));
    EXPECT_EQ(MapCurvePoint({5, 30}, range, l.plot), QPointF(l.plot.right(), l.plot.top()));
    const QPointF mid = MapCurvePoint({3, 10}, range, l.plot);
    EXPECT_DOUBLE_EQ(mid.x(), l.plot.left() + (l.plot.width() - 1) / 2.0);
    EXPECT_DOUBLE_EQ(mid.y(), l.plot.bottom() - (l.plot.height() - 1) / 2.0);
    // A range without span maps everything to the bottom left instead of dividing by zero.
    EXPECT_EQ(MapCurvePoint({3, 10}, {1, 1, 0, 5}, l.plot),
              QPointF(l.plot.left(), l.plot.bottom()));
}

TEST(CurvePicture, CurveInItsRowsColourAlongItsSegment) {
    const CPrjDoc project = test::ExternalStandardProject();
    for (int row : {0, 1}) {
        const CurvePicture pic = PictureOf(project, row);
        const QImage image = RenderCurveImage(pic, kSize);
        const CurveLayout l = LayOutCurve(image.rect(), pic.font);
        const Rgb colour = kCurveColours[static_cast<std::size_t>((row + 13) % 20)];
        const Rgb other = kCurveColours[static_cast<std::size_t>((row + 14) % 20)];
        const auto segment = StandardCurveSegment(project, row, pic.range);
        ASSERT_TRUE(segment);
        // Points along the segment's visible part (toluene's starts left of the plot).
        for (double f : {0.45, 0.6, 0.75, 0.9}) {
            const CurvePoint p{segment->from.x + f * (segment->to.x - segment->from.x),
                               segment->from.y + f * (segment->to.y - segment->from.y)};
            const QPoint px = Pixel(MapCurvePoint(p, pic.range, l.plot));
            EXPECT_TRUE(LineThrough(image, px, colour)) << "row " << row << " at " << f;
        }
        EXPECT_EQ(CountNear(image, image.rect(), other), 0) << "row " << row;
        // Above the segment's end nothing of the curve is drawn.
        const QPoint end = Pixel(MapCurvePoint(segment->to, pic.range, l.plot));
        EXPECT_EQ(
            CountNear(image, QRect(end.x() - 2, l.plot.top() + 1, 5, end.y() - l.plot.top() - 8),
                      colour),
            0)
            << "row " << row;
    }
}

TEST(CurvePicture, MarkersAtEveryRepeat) {
    CPrjDoc project = test::ExternalStandardProject();
    // A steep curve hugs the response axis, so only markers can colour the repeats' points.
    project.m_Components[0].m_A = 1000;
    const CurvePicture pic = PictureOf(project, 0);  // 0..4.8 x 0..46.8
    const QImage image = RenderCurveImage(pic, kSize);
    const CurveLayout l = LayOutCurve(image.rect(), pic.font);
    const Rgb colour = kCurveColours[13];
    // Repeats (1, 9), (1, 11), (2, 19), (2, 21), (4, 38), (4, 40).
    for (const CurvePoint m :
         std::vector<CurvePoint>{{1, 9}, {1, 11}, {2, 19}, {2, 21}, {4, 38}, {4, 40}}) {
        const QPoint px = Pixel(MapCurvePoint(m, pic.range, l.plot));
        EXPECT_TRUE(Near(image.pixel(px), colour)) << m.x << ", " << m.y;
    }
    // Between markers, nothing.
    const QPoint gap = Pixel(MapCurvePoint({3, 30}, pic.range, l.plot));
    EXPECT_EQ(CountNear(image, QRect(gap.x() - 3, gap.y() - 3, 7, 7), colour), 0);
}

TEST(CurvePicture, InternalStandardMarkersAreRatios) {
    CPrjDoc is = test::InternalStandardProject();
    is.m_Components[0].m_A = 1000;  // keep the curve off the markers
    const CurvePicture pic = PictureOf(is, 0);
    const QImage image = RenderCurveImage(pic, kSize);
    const CurveLayout l = LayOutCurve(image.rect(), pic.font);
    // (1 / 0.5, 30 / 60) and (4 / 0.8, 50 / 40).
    for (const CurvePoint m : std::vector<CurvePoint>{{2, 0.5}, {5, 1.25}}) {
        const QPoint px = Pixel(MapCurvePoint(m, pic.range, l.plot));
        EXPECT_TRUE(Near(image.pixel(px), kCurveColours[13])) << m.x << ", " << m.y;
    }
    // The standard itself has no markers; nor has a component whose standard is gone.
    for (int row : {0, 1}) {
        CPrjDoc copy = is;
        if (row == 0)
            copy.m_Components[0].m_ReferenceIs = 99;
        copy.m_Components[static_cast<std::size_t>(row)].m_A = 0;  // curve up the left edge
        const CurvePicture bare = PictureOf(copy, row);
        const QImage img = RenderCurveImage(bare, kSize);
        const CurveLayout bl = LayOutCurve(img.rect(), bare.font);
        const Rgb colour = kCurveColours[static_cast<std::size_t>((row + 13) % 20)];
        EXPECT_EQ(CountNear(img, bl.plot.adjusted(8, 1, -1, -1), colour), 0) << "row " << row;
    }
}

TEST(CurvePicture, EveryMarkerShapeCoversItsCentre) {
    for (int shape = 0; shape < 10; ++shape) {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(Qt::black);
        DrawMarker(p, QPointF(20, 20), static_cast<MarkerShape>(shape), 9);
        p.end();
        EXPECT_EQ(qGray(image.pixel(20, 20)), 0) << "shape " << shape;
        EXPECT_EQ(image.pixel(10, 10), qRgb(255, 255, 255)) << "shape " << shape;
        EXPECT_EQ(image.pixel(30, 30), qRgb(255, 255, 255)) << "shape " << shape;
    }
}

TEST(CurvePicture, EmptyTableDrawsTheFrameOnly) {
    const CPrjDoc empty;
    const CurvePicture pic{&empty, 0, AutoCurveRange(empty, 0), CurveFont()};
    const QImage image = RenderCurveImage(pic, kSize);
    const CurveLayout l = LayOutCurve(image.rect(), pic.font);
    EXPECT_EQ(image.pixel(l.plot.topLeft()), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(l.plot.bottomRight()), qRgb(0, 0, 0));
    // Inside the frame white throughout.
    const QRect inside = l.plot.adjusted(1, 1, -1, -1);
    EXPECT_EQ(CountNear(image, inside, Rgb{255, 255, 255}), inside.width() * inside.height());
    EXPECT_TRUE(RenderCurveImage(pic, QSize(0, 10)).isNull());
}

}  // namespace
}  // namespace lx
