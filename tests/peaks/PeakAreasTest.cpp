// Areas, heights, removal, percentages and figures on tables whose baselines are given.
#include <gtest/gtest.h>

#include <cmath>

#include "peaks/PeakAreas.h"
#include "peaks/PeakFigures.h"
#include "tests/peaks/PeakTestSignals.h"

namespace lx {
namespace {

using test::Detected;
using test::DocWith;
using test::Polyline;

// A lone peak on a level baseline at 0: area = 0.1 x (S(start + 1) + the samples strictly
// between the baseline ends). The triangle 0 -> 1000 -> 0 over 10..30 sums to 10000 inside.
TEST(PeakAreas, AreaCountsTheFirstSampleTwice) {
    CTzLabDoc doc = DocWith(Polyline(50, {{10, 0}, {20, 1000}, {30, 0}}));
    doc.m_Peaks = {Detected(doc, 10, 20, 30, 0, 1)};
    ComputePeaks(doc);
    ASSERT_EQ(doc.m_Peaks.size(), 1u);
    EXPECT_DOUBLE_EQ(doc.m_Peaks[0].m_RawSum, 100.0 + 10000.0);
    EXPECT_DOUBLE_EQ(doc.m_Peaks[0].m_Area, 1010.0);
    EXPECT_DOUBLE_EQ(doc.m_Peaks[0].m_Height, 1000.0);
}

TEST(PeakAreas, SlopingBaselineIsTakenOff) {
    // Baseline from (10, 100) to (30, 300): trapezoid (100 + 300) x 20 x 0.5 = 4000 under it;
    // at the apex (20) it lies at 200.
    CTzLabDoc doc = DocWith(Polyline(50, {{10, 100}, {20, 1200}, {30, 300}}));
    doc.m_Peaks = {Detected(doc, 10, 20, 30, 0, 1)};
    ComputePeaks(doc);
    const PeakRecord& p = doc.m_Peaks[0];
    EXPECT_DOUBLE_EQ(p.m_Area, (p.m_RawSum - 4000.0) * 0.1);
    EXPECT_DOUBLE_EQ(p.m_Height, 1000.0);
}

TEST(PeakAreas, NegativePeakTurnsPositiveUnmarkedDipIsRemoved) {
    CTzLabDoc doc = DocWith(Polyline(50, {{0, 500}, {10, 500}, {20, 100}, {30, 500}, {49, 500}}));
    doc.m_Peaks = {Detected(doc, 10, 20, 30, kNegativePeak, 1)};
    ComputePeaks(doc);
    ASSERT_EQ(doc.m_Peaks.size(), 1u);
    EXPECT_GT(doc.m_Peaks[0].m_Area, 0.0);
    EXPECT_DOUBLE_EQ(doc.m_Peaks[0].m_Height, 400.0);
    // The figures skip a negative peak.
    EXPECT_EQ(doc.m_Peaks[0].m_HalfWidthTime, 0.0);
    EXPECT_EQ(doc.m_Peaks[0].m_Plates, 0.0);

    doc.m_Peaks = {Detected(doc, 10, 20, 30, 0, 1)};
    ComputePeaks(doc);
    EXPECT_TRUE(doc.m_Peaks.empty());
}

TEST(PeakAreas, SmallPeaksGoAtOrBelowTheMinimum) {
    // Three peaks: a flat one (area exactly 0), and two triangles of area 1010 and 2020.
    CTzLabDoc doc = DocWith(
        Polyline(200, {{0, 0}, {60, 0}, {70, 1000}, {80, 0}, {110, 0}, {120, 2000}, {130, 0}}));
    doc.m_Peaks = {Detected(doc, 10, 20, 30, 0, 1), Detected(doc, 60, 70, 80, 0, 1),
                   Detected(doc, 110, 120, 130, 0, 1)};
    CTzLabDoc atDefaults = doc;
    ComputePeaks(atDefaults);
    ASSERT_EQ(atDefaults.m_Peaks.size(), 2u);  // zero area is at the minimum: removed
    EXPECT_EQ(atDefaults.m_Peaks[0].m_Number, 1);
    EXPECT_EQ(atDefaults.m_Peaks[1].m_Number, 2);
    EXPECT_DOUBLE_EQ(atDefaults.m_Peaks[0].m_AreaPercent, 100.0 / 3);
    EXPECT_DOUBLE_EQ(atDefaults.m_Peaks[1].m_Content, 2.0 / 3);

    CTzLabDoc byArea = doc;
    byArea.m_Params.m_MinArea = 1010.0;  // "at or below"
    ComputePeaks(byArea);
    ASSERT_EQ(byArea.m_Peaks.size(), 1u);
    EXPECT_EQ(byArea.m_Peaks[0].m_Apex, 120);

    CTzLabDoc byHeight = doc;
    byHeight.m_Params.m_MinHeight = 1000.0;
    ComputePeaks(byHeight);
    ASSERT_EQ(byHeight.m_Peaks.size(), 1u);
    EXPECT_DOUBLE_EQ(byHeight.m_Peaks[0].m_AreaPercent, 100.0);
}

TEST(PeakAreas, LeadingRidersAreTakenOffTheFollowingParent) {
    CTzLabDoc doc = DocWith(Polyline(100, {{10, 0}, {15, 300}, {20, 0}, {40, 20000}, {60, 0}}));
    doc.m_Peaks = {Detected(doc, 10, 15, 20, kLeadingRider | kStartsInValley | kEndsInValley, 1),
                   Detected(doc, 10, 40, 60, kLeadingParent, 1)};
    ComputePeaks(doc);
    ASSERT_EQ(doc.m_Peaks.size(), 2u);
    EXPECT_DOUBLE_EQ(doc.m_Peaks[1].m_Area, doc.m_Peaks[1].m_RawSum * 0.1 - doc.m_Peaks[0].m_Area);
}

// 20 samples/s: half-height crossings 60 samples apart are 0.05 min; an apex at 5.0 min then
// gives 5.54 x (5.0 / 0.05)^2 plates; per 0.25 m column, x 1000 / 0.25.
TEST(PeakFigures, HalfWidthPlatesAndColumnLength) {
    CTzLabDoc doc = DocWith(Polyline(7000, {{5900, 0}, {6000, 1000}, {6100, 0}}));
    doc.m_Peaks = {Detected(doc, 5900, 6000, 6100, 0, 1)};
    doc.m_Peaks[0].m_Height = 1000.0;
    ComputeFigures(doc);
    const PeakRecord& p = doc.m_Peaks[0];
    // Level 500 is met exactly at 5950 and 6050: the scans find 5951/5949 and 6051/6049,
    // whose means are those two indices. At 5 % (50 uV): 5905 and 6095, so the tailing is
    // (6095 - 5905) / (6000 - 5905) x 0.5 = 1.
    EXPECT_DOUBLE_EQ(p.m_HalfWidthTime, 100.0 / 1200);
    EXPECT_DOUBLE_EQ(p.m_Tailing, 1.0);
    EXPECT_DOUBLE_EQ(p.m_Plates, 5.54 * (5.0 / (100.0 / 1200)) * (5.0 / (100.0 / 1200)));

    CTzLabDoc narrow = DocWith(Polyline(7000, {{5940, 0}, {6000, 1000}, {6060, 0}}));
    narrow.m_Peaks = {Detected(narrow, 5940, 6000, 6060, 0, 1)};
    narrow.m_Peaks[0].m_Height = 1000.0;
    narrow.m_ColumnLength = 0.25;
    ComputeFigures(narrow);
    EXPECT_DOUBLE_EQ(narrow.m_Peaks[0].m_HalfWidthTime, 0.05);
    EXPECT_DOUBLE_EQ(narrow.m_Peaks[0].m_Plates, 5.54 * (100.0 * 100.0) * 1000 / 0.25);
}

TEST(PeakFigures, StartAboveHalfHeightIsItsOwnCrossing) {
    // A shoulder peak starting at 800 uV on a 1000 uV peak: its left crossing is its start.
    CTzLabDoc doc = DocWith(Polyline(100, {{10, 800}, {20, 1000}, {40, 0}}));
    doc.m_Peaks = {Detected(doc, 10, 20, 40, 0, 1)};
    doc.m_Peaks[0].m_Height = 1000.0;
    ComputeFigures(doc);
    // Right crossing: first below 500 from the apex is 31, last above 500 from the end is 29.
    EXPECT_DOUBLE_EQ(doc.m_Peaks[0].m_HalfWidthTime, (30 - 10) / 1200.0);
}

TEST(PeakFigures, ResolutionUsesWhateverHalfWidthANegativeNeighbourCarries) {
    CTzLabDoc doc =
        DocWith(Polyline(400, {{10, 0}, {20, 1000}, {30, 0}, {100, 0}, {110, 1000}, {120, 0}}));
    doc.m_Peaks = {Detected(doc, 10, 20, 30, 0, 1), Detected(doc, 100, 110, 120, kNegativePeak, 1)};
    for (auto& p : doc.m_Peaks)
        p.m_Height = 1000.0;
    ComputeFigures(doc);
    const double w0 = doc.m_Peaks[0].m_HalfWidthTime;
    EXPECT_GT(w0, 0.0);
    EXPECT_EQ(doc.m_Peaks[1].m_HalfWidthTime, 0.0);
    const double r = 1.18 * (110 - 20) / 1200.0 / w0;
    EXPECT_DOUBLE_EQ(doc.m_Peaks[1].m_Resolution, r);
    EXPECT_DOUBLE_EQ(doc.m_Peaks[0].m_Resolution, r);
}

TEST(PeakFigures, DegenerateWidthsGiveZerosNotInfinities) {
    // A one-sample spike: both half-height crossings meet at the apex.
    CTzLabDoc doc = DocWith({0, 0, 0, 0, 1000, 0, 0, 0});
    doc.m_Peaks = {Detected(doc, 3, 4, 5, 0, 1), Detected(doc, 3, 4, 5, 0, 1)};
    for (auto& p : doc.m_Peaks)
        p.m_Height = 1000.0;
    ComputeFigures(doc);
    for (const auto& p : doc.m_Peaks) {
        EXPECT_TRUE(std::isfinite(p.m_Plates));
        EXPECT_TRUE(std::isfinite(p.m_Tailing));
        EXPECT_TRUE(std::isfinite(p.m_Resolution));
    }
}

}  // namespace
}  // namespace lx
