// The plot's zoom and pan steps, the fitted and fixed views, and the sample-to-pixel mapping,
// against values worked out by hand from the workstation's rules.
#include <gtest/gtest.h>

#include <limits>

#include "report/PlotView.h"

namespace lx {
namespace {

PlotView Signal(std::int32_t lo, std::int32_t hi) {
    PlotView v;
    v.m_SignalMin = lo;
    v.m_SignalMax = hi;
    return v;
}

PlotView Time(double lo, double hi) {
    PlotView v;
    v.m_TimeMin = lo;
    v.m_TimeMax = hi;
    return v;
}

TEST(PlotViewCommands, SignalZoomUsesAThirtiethInWholeUnits) {
    PlotView v = Signal(-10000, 30000);
    v.Apply(PlotCommand::ZoomIn);  // d = 40000 / 30 = 1333
    EXPECT_EQ(v.m_SignalMin, -8667);
    EXPECT_EQ(v.m_SignalMax, 28667);

    v = Signal(-10000, 30000);
    v.Apply(PlotCommand::ZoomOut);
    EXPECT_EQ(v.m_SignalMin, -11333);
    EXPECT_EQ(v.m_SignalMax, 31333);

    // Below 30 units the step is 0: the range stays as it is.
    v = Signal(0, 29);
    v.Apply(PlotCommand::ZoomIn);
    EXPECT_EQ(v, Signal(0, 29));
    // An upside-down range does not pass the check and is left alone.
    v = Signal(100, 10);
    v.Apply(PlotCommand::ZoomIn);
    EXPECT_EQ(v, Signal(100, 10));
    // Zooming in leaves the time range alone.
    EXPECT_EQ(v.m_TimeMin, 0.0);
    EXPECT_EQ(v.m_TimeMax, 2.0);
}

TEST(PlotViewCommands, ZoomingOutStopsAtFullScale) {
    PlotView v = Signal(-2490000, 2490000);  // d = 166000
    v.Apply(PlotCommand::ZoomOut);
    EXPECT_EQ(v.m_SignalMin, -2500000);
    EXPECT_EQ(v.m_SignalMax, 2500000);
    v.Apply(PlotCommand::ZoomOut);
    EXPECT_EQ(v.m_SignalMin, -2500000);
    EXPECT_EQ(v.m_SignalMax, 2500000);
}

TEST(PlotViewCommands, TimeZoomUsesAThirtiethAndStopsAtZero) {
    PlotView v = Time(0, 3);
    v.Apply(PlotCommand::ZoomTimeIn);
    EXPECT_DOUBLE_EQ(v.m_TimeMin, 0.1);
    EXPECT_DOUBLE_EQ(v.m_TimeMax, 2.9);

    v = Time(1, 4);
    v.Apply(PlotCommand::ZoomTimeOut);
    EXPECT_DOUBLE_EQ(v.m_TimeMin, 0.9);
    EXPECT_DOUBLE_EQ(v.m_TimeMax, 4.1);

    v = Time(0, 3);
    v.Apply(PlotCommand::ZoomTimeOut);
    EXPECT_EQ(v.m_TimeMin, 0.0);
    EXPECT_DOUBLE_EQ(v.m_TimeMax, 3.1);

    v = Time(-0.3, 2.7);
    v.Apply(PlotCommand::ZoomTimeIn);  // -0.2 becomes 0
    EXPECT_EQ(v.m_TimeMin, 0.0);
    EXPECT_DOUBLE_EQ(v.m_TimeMax, 2.6);

    // Wider than 10,000,000 minutes: zooming out does nothing.
    v = Time(0, 2e7);
    v.Apply(PlotCommand::ZoomTimeOut);
    EXPECT_EQ(v, Time(0, 2e7));
    v = Time(0, 1e7);
    v.Apply(PlotCommand::ZoomTimeOut);
    EXPECT_DOUBLE_EQ(v.m_TimeMax, 1e7 + 1e7 / 30);
}

TEST(PlotViewCommands, PansMoveByATwelfth) {
    PlotView v = Time(0, 12);
    v.Apply(PlotCommand::PanLeft);
    EXPECT_DOUBLE_EQ(v.m_TimeMin, 1);
    EXPECT_DOUBLE_EQ(v.m_TimeMax, 13);

    v = Time(3, 15);
    v.Apply(PlotCommand::PanRight);
    EXPECT_DOUBLE_EQ(v.m_TimeMin, 2);
    EXPECT_DOUBLE_EQ(v.m_TimeMax, 14);

    // At the start the lower end stays at 0 while the upper end still moves.
    v = Time(0, 12);
    v.Apply(PlotCommand::PanRight);
    EXPECT_EQ(v.m_TimeMin, 0.0);
    EXPECT_DOUBLE_EQ(v.m_TimeMax, 11);

    v = Signal(-10000, 30000);  // d = 40000 / 12 = 3333
    v.Apply(PlotCommand::PanDown);
    EXPECT_EQ(v.m_SignalMin, -6667);
    EXPECT_EQ(v.m_SignalMax, 33333);
    v = Signal(-10000, 30000);
    v.Apply(PlotCommand::PanUp);
    EXPECT_EQ(v.m_SignalMin, -13333);
    EXPECT_EQ(v.m_SignalMax, 26667);

    // Panning is not clamped; at the end of the 32-bit range it stops instead of wrapping.
    v = Signal(2000000000, 2140000000);  // d = 11,666,666
    v.Apply(PlotCommand::PanDown);
    EXPECT_EQ(v.m_SignalMin, 2011666666);
    EXPECT_EQ(v.m_SignalMax, std::numeric_limits<std::int32_t>::max());
}

CTzLabDoc FiveSamples() {
    CTzLabDoc doc;
    doc.m_ChannelSetup.rate = 20;
    doc.m_Samples.Resize(5);
    const std::int32_t values[] = {5, -40, 300, 20, 7};
    for (int i = 0; i < 5; ++i)
        doc.m_Samples.SetAt(i, values[i]);
    return doc;
}

TEST(PlotViewFitting, FirstUseFitsThenTheFixedCoordinatesReturn) {
    const CTzLabDoc doc = FiveSamples();
    PlotView v;
    v.ToggleFitted(doc);
    EXPECT_TRUE(v.m_Fitted);
    EXPECT_EQ(v.m_TimeMin, 0.0);
    EXPECT_DOUBLE_EQ(v.m_TimeMax, 4.0 / 20 / 60);  // the last sample, index 4
    EXPECT_EQ(v.m_SignalMin, -140);
    EXPECT_EQ(v.m_SignalMax, 400);

    v.ToggleFitted(doc);  // the initial fixed coordinates: 0 to 2 minutes, -10 to 30 mV
    EXPECT_FALSE(v.m_Fitted);
    EXPECT_EQ(v.m_TimeMin, 0.0);
    EXPECT_EQ(v.m_TimeMax, 2.0);
    EXPECT_EQ(v.m_SignalMin, -10000);
    EXPECT_EQ(v.m_SignalMax, 30000);

    PlotView empty;
    empty.ToggleFitted(CTzLabDoc{});
    EXPECT_EQ(empty.m_TimeMax, 0.0);
    EXPECT_EQ(empty.m_SignalMin, -100);
    EXPECT_EQ(empty.m_SignalMax, 100);
}

TEST(PlotViewFitting, TypedCoordinatesBecomeTheFixedView) {
    const CTzLabDoc doc = FiveSamples();
    PlotView v;
    v.SetCoordinates(1.5, 4.5, -2.7, 12.3456);  // mV x 1000, truncated
    EXPECT_EQ(v.m_TimeMin, 1.5);
    EXPECT_EQ(v.m_TimeMax, 4.5);
    EXPECT_EQ(v.m_SignalMin, -2700);
    EXPECT_EQ(v.m_SignalMax, 12345);
    // The dialog shows whole mV, truncated toward zero.
    EXPECT_EQ(v.SignalMinMv(), -2);
    EXPECT_EQ(v.SignalMaxMv(), 12);

    v.Apply(PlotCommand::ZoomIn);
    v.ToggleFitted(doc);
    v.ToggleFitted(doc);  // back to what was typed, not to the zoomed view
    EXPECT_EQ(v.m_TimeMin, 1.5);
    EXPECT_EQ(v.m_SignalMin, -2700);
    EXPECT_EQ(v.m_SignalMax, 12345);

    CTzLabDoc kept = doc;
    StoreDisplayRange(v, kept);
    EXPECT_EQ(kept.m_DisplayTop, 12345);
    EXPECT_EQ(kept.m_DisplayBottom, -2700);
}

TEST(PlotScalesMapping, TruncatesTowardZeroAndClamps) {
    PlotView v = Time(0, 1);
    v.m_SignalMin = -1000;
    v.m_SignalMax = 1000;
    const PlotScales s(v, 20, 600, 400);  // 1200 samples over 600 px, 2000 units over 400 px
    EXPECT_EQ(s.m_FirstIndex, 0);
    EXPECT_EQ(s.m_LastIndex, 1200);
    EXPECT_EQ(s.m_SamplesPerPixel, 2.0);
    EXPECT_EQ(s.m_UnitsPerPixel, 5.0);
    EXPECT_EQ(s.X(0), 0);
    EXPECT_EQ(s.X(1), 0);
    EXPECT_EQ(s.X(2), 1);
    EXPECT_EQ(s.X(1199), 599);
    EXPECT_EQ(s.X(1200), 600);
    EXPECT_EQ(s.X(-1), 0);  // -0.5 truncates toward zero
    EXPECT_EQ(s.X(-3), -1);
    EXPECT_EQ(s.Y(1000), 0);
    EXPECT_EQ(s.Y(996), 0);
    EXPECT_EQ(s.Y(995), 1);
    EXPECT_EQ(s.Y(-1000), 400);
    EXPECT_EQ(s.Y(1001), 0);
    EXPECT_EQ(s.Y(1005), -1);
    // Far outside the view: just beyond the edges, never further.
    EXPECT_EQ(s.X(-1000000), -1000);
    EXPECT_EQ(s.X(std::int64_t{1} << 40), 3000);
    EXPECT_EQ(s.Y(std::numeric_limits<std::int32_t>::min()), 3000);
    EXPECT_EQ(s.Y(std::numeric_limits<std::int32_t>::max()), -1000);

    const PlotScales later(Time(0.5, 1), 20, 600, 400);
    EXPECT_EQ(later.m_FirstIndex, 600);
    EXPECT_EQ(later.X(600), 0);
}

TEST(PlotScalesMapping, AnAreaWithoutSizeMapsEverythingToZero) {
    const PlotView v = Signal(-1000, 1000);
    const PlotScales flat(v, 20, 600, 0);
    EXPECT_EQ(flat.m_UnitsPerPixel, 0.0);
    EXPECT_EQ(flat.Y(-1000), 0);
    EXPECT_EQ(flat.Y(123456), 0);
    const PlotScales narrow(v, 20, -5, 400);
    EXPECT_EQ(narrow.m_SamplesPerPixel, 0.0);
    EXPECT_EQ(narrow.X(2399), 0);
}

}  // namespace
}  // namespace lx
