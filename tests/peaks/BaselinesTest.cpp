// Baseline refinement on detected tables worked by hand. The bunch size is 1, so the
// extension works in steps of W = 5 samples against a threshold of 3 uV.
#include <gtest/gtest.h>

#include <random>

#include "peaks/BaseLine.h"
#include "peaks/Baselines.h"
#include "peaks/PeakAreas.h"
#include "tests/peaks/PeakTestSignals.h"

namespace lx {
namespace {

using test::Detected;
using test::DocWith;
using test::Polyline;

// A foot rising 5 uV per sample from index 80: the local means fall away by more than the
// threshold, so the start walks back 100 -> 95 -> 90 -> 85 -> 80 -> 75, where the mean is
// level. The lone peak's baseline then starts at its detected start value (100 uV), which
// lies above the signal at 75, and the crossing removal moves the start in by one.
TEST(Baselines, StartWalksOutwardWhileTheLocalMeanFalls) {
    CTzLabDoc doc = DocWith(Polyline(300, {{0, 0}, {80, 0}, {120, 200}, {160, 0}}));
    doc.m_Peaks = {Detected(doc, 100, 120, 160, 0, 1)};
    RefineBaselines(doc, 1, 3.0);
    const PeakRecord& p = doc.m_Peaks[0];
    EXPECT_EQ(p.m_Start, 76);
    EXPECT_EQ(p.m_BaseStart, 76);
    EXPECT_EQ(p.m_BaseStartValue, 0);
    EXPECT_EQ(p.m_StartValue, 0);
    EXPECT_EQ(p.m_End, 160);  // level beyond the end: no walk
}

// Peaks at 20 (2000 uV) and 40 (3000 uV) joined at a valley of 100 uV at 30; the group's
// common baseline from (10, 0) to (60, 1000) would pass 400 uV at the valley, above the
// signal, so the valley check splits the group there: drops to the signal on both sides.
TEST(Baselines, ValleyCheckSplitsABaselineThatCutsTheSignal) {
    CTzLabDoc doc = DocWith(Polyline(
        100, {{0, 0}, {10, 0}, {20, 2000}, {30, 100}, {40, 3000}, {60, 1000}, {99, 1000}}));
    doc.m_Peaks = {Detected(doc, 10, 20, 30, kEndsInValley, 2),
                   Detected(doc, 30, 40, 60, kStartsInValley, 0)};
    RefineBaselines(doc, 1, 3.0);
    const PeakRecord& a = doc.m_Peaks[0];
    const PeakRecord& b = doc.m_Peaks[1];
    EXPECT_EQ(a.m_Flags, kEndsInValley);
    EXPECT_EQ(b.m_Flags, kStartsInValley);
    EXPECT_EQ(a.m_BaseStartValue, 0);
    EXPECT_EQ(a.m_BaseEndValue, 100);  // the signal at the valley, not the line's 400
    EXPECT_EQ(b.m_BaseStart, 30);
    EXPECT_EQ(b.m_BaseStartValue, 100);
    EXPECT_EQ(b.m_BaseEndValue, 1000);
}

// Without the cut, the pair keeps one sloping baseline with a drop line at the valley.
TEST(Baselines, FusedPairSharesOneSlopingBaseline) {
    CTzLabDoc doc = DocWith(Polyline(
        100, {{0, 0}, {10, 0}, {20, 2000}, {30, 800}, {40, 3000}, {60, 1000}, {99, 1000}}));
    doc.m_Peaks = {Detected(doc, 10, 20, 30, kEndsInValley, 2),
                   Detected(doc, 30, 40, 60, kStartsInValley, 0)};
    RefineBaselines(doc, 1, 3.0);
    const PeakRecord& a = doc.m_Peaks[0];
    const PeakRecord& b = doc.m_Peaks[1];
    EXPECT_EQ(a.m_GroupSize, 2);
    EXPECT_EQ(b.m_GroupSize, 0);
    EXPECT_EQ(a.m_BaseEndValue, 400);  // (10,0)-(60,1000) at 30
    EXPECT_EQ(b.m_BaseStartValue, 400);
    EXPECT_EQ(a.m_BaseEnd, b.m_BaseStart);
    EXPECT_EQ(a.m_Flags & (kTailingParent | kTailingRider), 0);
    EXPECT_EQ(b.m_Flags & (kTailingParent | kTailingRider), 0);
}

// A 900 uV peak on the tail of a 100000 uV one: 100000 / 900 > 100, so it is skimmed. The
// parent's baseline runs under the rider to its end; the rider's starts on the tail.
TEST(Baselines, SmallPeakOnATailIsSkimmedAndItsAreaTakenOffTheParent) {
    CTzLabDoc doc =
        DocWith(Polyline(200, {{0, 0}, {10, 0}, {30, 100000}, {60, 500}, {70, 900}, {90, 0}}));
    doc.m_Peaks = {Detected(doc, 10, 30, 60, kEndsInValley, 2),
                   Detected(doc, 60, 70, 90, kStartsInValley, 0)};
    RefineBaselines(doc, 1, 3.0);
    const PeakRecord& parent = doc.m_Peaks[0];
    const PeakRecord& rider = doc.m_Peaks[1];
    EXPECT_EQ(parent.m_Flags, kTailingParent);
    EXPECT_EQ(rider.m_Flags, kStartsInValley | kTailingRider);
    EXPECT_EQ(parent.m_GroupSize, 1);
    EXPECT_EQ(rider.m_GroupSize, 1);
    EXPECT_EQ(parent.m_BaseEnd, 90);
    EXPECT_EQ(parent.m_BaseEndValue, 0);
    EXPECT_EQ(rider.m_BaseStart, 60);
    EXPECT_EQ(rider.m_BaseStartValue, 500);

    ComputePeaks(doc);
    ASSERT_EQ(doc.m_Peaks.size(), 2u);
    EXPECT_DOUBLE_EQ(doc.m_Peaks[1].m_Area, (doc.m_Peaks[1].m_RawSum - 500 * 30 * 0.5) * 0.1);
    EXPECT_DOUBLE_EQ(doc.m_Peaks[0].m_Area, doc.m_Peaks[0].m_RawSum * 0.1 - doc.m_Peaks[1].m_Area);

    // 1100 uV is not small enough (100000 / 1100 < 100): the pair stays a fused group.
    CTzLabDoc fused =
        DocWith(Polyline(200, {{0, 0}, {10, 0}, {30, 100000}, {60, 500}, {70, 1100}, {90, 0}}));
    fused.m_Peaks = {Detected(fused, 10, 30, 60, kEndsInValley, 2),
                     Detected(fused, 60, 70, 90, kStartsInValley, 0)};
    RefineBaselines(fused, 1, 3.0);
    EXPECT_EQ(fused.m_Peaks[0].m_Flags, kEndsInValley);
    EXPECT_EQ(fused.m_Peaks[1].m_Flags, kStartsInValley);
}

// A baseline from (10, 50) to (30, 50) passes above the dip at 11-12: the start moves in one
// sample at a time, each time from the signal, until the line clears the signal.
TEST(Baselines, CrossingRemovalMovesTheStartInUntilTheLineClears) {
    CTzLabDoc doc = DocWith(Polyline(
        40, {{0, 50}, {10, 50}, {11, 0}, {12, 0}, {13, 100}, {20, 1000}, {30, 50}, {39, 50}}));
    doc.m_Peaks = {Detected(doc, 10, 20, 30, 0, 1)};
    RemoveBaselineCrossings(doc);
    const PeakRecord& p = doc.m_Peaks[0];
    // At 11 the flat line (50) is above 0: start to 11 (level 0); the line (11,0)-(30,50)
    // reaches 2 at 12, above 0: start to 12; from (12,0) the line stays under the signal.
    EXPECT_EQ(p.m_Start, 12);
    EXPECT_EQ(p.m_BaseStart, 12);
    EXPECT_EQ(p.m_BaseStartValue, 0);
    EXPECT_EQ(p.m_StartValue, 0);
    EXPECT_EQ(p.m_End, 30);
    EXPECT_EQ(p.m_EndValue, 50);
}

// The crossing removal exactly as described: after every move, rescan from the new end.
void LiteralCrossingRemoval(CTzLabDoc& doc) {
    auto S = [&](std::int32_t i) { return doc.m_Samples.At(i); };
    for (PeakRecord& p : doc.m_Peaks) {
    restartStart:
        for (std::int32_t i = p.m_BaseStart; i < p.m_Apex; ++i) {
            const BaseLine line =
                BaseLine::Through(p.m_BaseStart, p.m_BaseStartValue, p.m_BaseEnd, p.m_BaseEndValue);
            if (line.At(i) > S(i)) {
                ++p.m_BaseStart;
                p.m_Start = p.m_BaseStart;
                p.m_BaseStartValue = S(p.m_BaseStart);
                goto restartStart;
            }
        }
    restartEnd:
        for (std::int32_t i = p.m_End; i > p.m_Apex; --i) {
            const BaseLine line =
                BaseLine::Through(p.m_BaseStart, p.m_BaseStartValue, p.m_BaseEnd, p.m_BaseEndValue);
            if (line.At(i) > S(i)) {
                --p.m_End;
                p.m_BaseEnd = p.m_End;
                p.m_BaseEndValue = S(p.m_End);
                goto restartEnd;
            }
        }
        p.m_StartValue = S(p.m_Start);
        p.m_EndValue = S(p.m_End);
    }
}

TEST(Baselines, CrossingRemovalEqualsTheLiteralRescanOnRandomTables) {
    std::mt19937 random(99);
    auto uniform = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    int moved = 0;
    for (int trial = 0; trial < 2000; ++trial) {
        const int n = uniform(3, 400);
        std::vector<std::int32_t> v(static_cast<std::size_t>(n));
        std::int32_t level = uniform(-1000, 1000);
        const int roughness = uniform(0, 300);
        for (auto& x : v)
            x = level += uniform(-roughness, roughness);
        CTzLabDoc doc = DocWith(v);
        for (int k = uniform(1, 4); k > 0; --k) {
            PeakRecord p;
            p.m_Apex = uniform(0, n - 1);
            p.m_Start = p.m_BaseStart = uniform(0, p.m_Apex);
            p.m_End = uniform(p.m_Apex, n - 1);
            p.m_BaseEnd =
                uniform(0, 3) == 0 ? uniform(p.m_End, n - 1) : p.m_End;  // a skimmed parent's
            p.m_BaseStartValue = v[static_cast<std::size_t>(p.m_BaseStart)] + uniform(-200, 200);
            p.m_BaseEndValue = v[static_cast<std::size_t>(p.m_BaseEnd)] + uniform(-200, 200);
            doc.m_Peaks.push_back(p);
        }
        const CTzLabDoc before = doc;
        CTzLabDoc literal = doc;
        LiteralCrossingRemoval(literal);
        RemoveBaselineCrossings(doc);
        ASSERT_EQ(doc.m_Peaks, literal.m_Peaks) << "trial " << trial;
        for (std::size_t k = 0; k < doc.m_Peaks.size(); ++k)
            moved += doc.m_Peaks[k].m_Start != before.m_Peaks[k].m_Start &&
                     doc.m_Peaks[k].m_End != before.m_Peaks[k].m_End;
    }
    EXPECT_GT(moved, 500);  // both ends moved in many tables: the comparison had work to do
}

}  // namespace
}  // namespace lx
