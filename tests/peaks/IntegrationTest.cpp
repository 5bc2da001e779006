// The whole pipeline on signals worked by hand, and its entry points.
#include <gtest/gtest.h>

#include "peaks/Integration.h"
#include "tests/peaks/PeakTestSignals.h"
#include "tests/support/ScriptedPrompter.h"

namespace lx {
namespace {

// Nothing here has a project, so integration must not ask or tell anything.
test::NoPrompts noPrompts;

using test::DocWith;
using test::Triangle;

// The triangle of the detector test (start 19, apex 30 at 1000 uV, end 45; bunch size 1):
//  - the baselines do not move: the local means beside both ends are level at 0;
//  - raw sum = S(20) (0) + the samples 20..44 = 5500 + 4500 = 10000, area = 1000.0;
//  - half height 500: left crossing (26 + 24) / 2 = 25, right (36 + 34) / 2 = 35, so the
//    half width is 10 samples = 10/1200 min; apex at 30/1200 min gives 5.54 x 3^2 plates;
//  - 5 % height 50: crossings (21 + 20) / 2 = 20 and (40 + 39) / 2 = 39, tailing
//    (39 - 20) / (30 - 20) x 0.5 = 0.95.
TEST(Integration, TriangleWorkedByHand) {
    CTzLabDoc doc = DocWith(Triangle(20, 10, 100, 30));
    doc.m_Params.m_HalfWidth = 1;
    IntegrateAndQuantify(doc, noPrompts);
    ASSERT_EQ(doc.m_Peaks.size(), 1u);
    const PeakRecord& p = doc.m_Peaks[0];
    EXPECT_EQ(p.m_Number, 1);
    EXPECT_EQ(p.m_BaseStart, 19);
    EXPECT_EQ(p.m_BaseEnd, 45);
    EXPECT_EQ(p.m_BaseStartValue, 0);
    EXPECT_EQ(p.m_BaseEndValue, 0);
    EXPECT_DOUBLE_EQ(p.m_RawSum, 10000.0);
    EXPECT_DOUBLE_EQ(p.m_Area, 1000.0);
    EXPECT_DOUBLE_EQ(p.m_Height, 1000.0);
    EXPECT_DOUBLE_EQ(p.m_AreaPercent, 100.0);
    EXPECT_DOUBLE_EQ(p.m_Content, 1.0);
    EXPECT_DOUBLE_EQ(p.m_HalfWidthTime, 10.0 / 20 / 60);
    EXPECT_DOUBLE_EQ(p.m_Tailing, 0.95);
    EXPECT_NEAR(p.m_Plates, 5.54 * 9, 1e-9);
    EXPECT_EQ(p.m_Resolution, 0.0);  // a single peak has no neighbour
    EXPECT_EQ(doc.m_SelectedPeak, -1);
}

TEST(Integration, ReintegrationStartsFromTheSamplesAlone) {
    CTzLabDoc doc = DocWith(Triangle(20, 10, 100, 30));
    doc.m_Params.m_HalfWidth = 1;
    Reintegrate(doc);
    const auto first = doc.m_Peaks;
    doc.m_Peaks[0].m_Area = -5;
    doc.m_Peaks.push_back(doc.m_Peaks[0]);
    Reintegrate(doc);
    EXPECT_EQ(doc.m_Peaks, first);
}

TEST(Integration, ContentWithoutAProjectIsTheAreaFraction) {
    // Two separate triangles, the second twice as tall.
    auto v = Triangle(20, 10, 100, 40);
    auto w = Triangle(0, 10, 200, 40);
    v.insert(v.end(), w.begin(), w.end());
    CTzLabDoc doc = DocWith(v);
    doc.m_Params.m_HalfWidth = 1;
    doc.m_SelectedPeak = 1;
    IntegrateAndQuantify(doc, noPrompts);
    ASSERT_EQ(doc.m_Peaks.size(), 2u);
    EXPECT_NEAR(doc.m_Peaks[0].m_AreaPercent, 100.0 / 3, 1e-9);
    for (const auto& p : doc.m_Peaks)
        EXPECT_DOUBLE_EQ(p.m_Content, p.m_AreaPercent * 0.01);
    EXPECT_EQ(doc.m_SelectedPeak, -1);
    // Resolution: both peaks carry 1.18 x the apex distance over the summed half widths.
    const double r = 1.18 * (doc.m_Peaks[1].m_ApexTime - doc.m_Peaks[0].m_ApexTime) /
                     (doc.m_Peaks[0].m_HalfWidthTime + doc.m_Peaks[1].m_HalfWidthTime);
    EXPECT_DOUBLE_EQ(doc.m_Peaks[0].m_Resolution, r);
    EXPECT_DOUBLE_EQ(doc.m_Peaks[1].m_Resolution, r);
}

TEST(Integration, DeletePeakRecomputesTheTable) {
    auto v = Triangle(20, 10, 100, 40);
    auto w = Triangle(0, 10, 300, 40);
    v.insert(v.end(), w.begin(), w.end());
    CTzLabDoc doc = DocWith(v);
    doc.m_Params.m_HalfWidth = 1;
    IntegrateAndQuantify(doc, noPrompts);
    ASSERT_EQ(doc.m_Peaks.size(), 2u);
    EXPECT_EQ(DeletePeak(doc, 2), 0);
    EXPECT_EQ(DeletePeak(doc, 0), 1);
    ASSERT_EQ(doc.m_Peaks.size(), 1u);
    EXPECT_EQ(doc.m_Peaks[0].m_Number, 1);
    EXPECT_DOUBLE_EQ(doc.m_Peaks[0].m_AreaPercent, 100.0);
}

}  // namespace
}  // namespace lx
