// The detection pass: hand-worked signals for its rules, and the optimised detector against a
// plain transcription of the rules on random signals and parameters.
#include <gtest/gtest.h>

#include <cmath>

#include <random>

#include "peaks/PeakDetector.h"
#include "tests/peaks/PeakTestSignals.h"
#include "tests/peaks/ReferenceDetector.h"

namespace lx {
namespace {

using test::DocWith;
using test::Triangle;

// Drives the detector sample by sample as the pass does, without the close at the end.
void FeedAll(PeakDetector& detector, const CTzLabDoc& doc) {
    for (std::int32_t v : doc.m_Samples) {
        detector.TimeProgramStep();
        detector.Feed(v);
    }
}

TEST(PeakDetector, FirstBunchIsFlatAndPositionsLagTheCount) {
    std::vector<std::int32_t> ramp;
    for (int i = 0; i < 40; ++i)
        ramp.push_back(100 * i);
    CTzLabDoc doc = DocWith(ramp);
    PeakDetector detector(doc);
    FeedAll(detector, doc);
    // Bunches of 5 smoothed samples, the first complete at count 8; placed 5/2+2 = 4 earlier.
    ASSERT_GE(detector.HistorySize(), 3);
    EXPECT_EQ(detector.BunchPos(0), 4);
    EXPECT_EQ(detector.BunchPos(1), 9);
    EXPECT_EQ(detector.BunchClassAt(0), BunchClass::Flat);  // d = 0.0 however steep
    EXPECT_EQ(detector.BunchClassAt(1), BunchClass::Rising);
}

TEST(PeakDetector, ThresholdIsStrict) {
    // Bunch size 1: d is the change of the 4-sample mean. A ramp of 3 per sample changes the
    // mean by exactly 3, which is flat at slope 30; a ramp of 4 is rising.
    for (auto [step, expected] :
         {std::pair{3, BunchClass::Flat}, std::pair{4, BunchClass::Rising},
          std::pair{-3, BunchClass::Flat}, std::pair{-4, BunchClass::Falling}}) {
        std::vector<std::int32_t> ramp;
        for (int i = 0; i < 20; ++i)
            ramp.push_back(1000 + step * i);
        CTzLabDoc doc = DocWith(ramp);
        doc.m_Params.m_HalfWidth = 1;
        PeakDetector detector(doc);
        FeedAll(detector, doc);
        for (int j = 1; j < detector.HistorySize(); ++j)
            EXPECT_EQ(detector.BunchClassAt(j), expected) << "step " << step << " bunch " << j;
    }
}

TEST(PeakDetector, FlatSignalHasNoPeaks) {
    CTzLabDoc doc = DocWith(std::vector<std::int32_t>(5000, 1234));
    PeakDetector(doc).Run();
    EXPECT_TRUE(doc.m_Peaks.empty());
    CTzLabDoc empty;
    PeakDetector(empty).Run();
    EXPECT_TRUE(empty.m_Peaks.empty());
    CTzLabDoc three = DocWith({5, 500, 5000});  // too short to fill one average
    PeakDetector(three).Run();
    EXPECT_TRUE(three.m_Peaks.empty());
}

// Worked by hand with bunch size 1 (bunch i placed at i - 1): the smoothed signal rises from
// sample 21, every bunch 21..31 is rising, 32 flat, 33..43 falling, 44 on flat.
//  - state 0 sees five rising bunches at 25; the start walks back to bunch 20: index 19;
//  - with the window now 3, the apex is seen at 34 (F=2 > Z+R=1), the newest rising bunch is
//    31: index 30, the top of the triangle;
//  - falling at 35 makes state 4; three flat bunches at 46 end the peak at that bunch: 45.
TEST(PeakDetector, TriangleWorkedByHand) {
    CTzLabDoc doc = DocWith(Triangle(20, 10, 100, 30));
    doc.m_Params.m_HalfWidth = 1;
    PeakDetector detector(doc);
    detector.Run();
    ASSERT_EQ(doc.m_Peaks.size(), 1u);
    const PeakRecord& p = doc.m_Peaks[0];
    EXPECT_EQ(p.m_Start, 19);
    EXPECT_EQ(p.m_BaseStart, 19);
    EXPECT_EQ(p.m_Apex, 30);
    EXPECT_EQ(p.m_ApexValue, 1000);
    EXPECT_DOUBLE_EQ(p.m_ApexTime, 30.0 / 20 / 60);
    EXPECT_EQ(p.m_End, 45);
    EXPECT_EQ(p.m_BaseEnd, 45);
    EXPECT_EQ(p.m_Flags, 0);
    EXPECT_EQ(p.m_GroupSize, 1);
    EXPECT_EQ(detector.State(), DetectorState::OnBaseline);
    EXPECT_EQ(detector.Window(), 5);
}

// Bunches of 1000 samples of a near-full-scale peak sum far past 2^31: the bunch means must
// still be the signal's level, so one broad peak is found around its apex and nothing else.
TEST(PeakDetector, LargeBunchesOfFullScaleSamples) {
    std::vector<std::int32_t> wide(400000);
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const double z = (static_cast<double>(i) - 200000.0) / 20000.0;
        wide[i] = static_cast<std::int32_t>(2400000.0 * std::exp(-0.5 * z * z));
    }
    CTzLabDoc doc = DocWith(wide);
    doc.m_Params.m_HalfWidth = 1000;
    PeakDetector(doc).Run();
    ASSERT_EQ(doc.m_Peaks.size(), 1u);
    EXPECT_NEAR(doc.m_Peaks[0].m_Apex, 200000, 3000);
    EXPECT_LT(doc.m_Peaks[0].m_Start, 150000);
    EXPECT_GT(doc.m_Peaks[0].m_End, 250000);
}

TEST(PeakDetector, FusedPairSharesItsValley) {
    // Two triangles whose flanks meet in a valley at 400 uV: a new rise before the signal
    // settles.
    std::vector<std::int32_t> v(30, 0);
    for (int i = 1; i <= 20; ++i)
        v.push_back(100 * i);
    for (int i = 19; i >= 4; --i)
        v.push_back(100 * i);
    for (int i = 5; i <= 25; ++i)
        v.push_back(100 * i);
    for (int i = 24; i >= 0; --i)
        v.push_back(100 * i);
    v.resize(v.size() + 60, 0);
    CTzLabDoc doc = DocWith(v);
    doc.m_Params.m_HalfWidth = 2;
    PeakDetector(doc).Run();
    ASSERT_EQ(doc.m_Peaks.size(), 2u);
    const PeakRecord& a = doc.m_Peaks[0];
    const PeakRecord& b = doc.m_Peaks[1];
    EXPECT_EQ(a.m_Flags, kEndsInValley);
    EXPECT_EQ(b.m_Flags, kStartsInValley);
    EXPECT_EQ(a.m_GroupSize, 2);
    EXPECT_EQ(b.m_GroupSize, 0);
    EXPECT_EQ(a.m_End, b.m_Start);
    EXPECT_EQ(a.m_BaseEnd, b.m_BaseStart);
    EXPECT_LT(a.m_Apex, a.m_End);
    EXPECT_GT(b.m_Apex, b.m_Start);
    // The valley lies in the dip between the two tops.
    EXPECT_GT(a.m_End, 30 + 20);
    EXPECT_LT(a.m_End, 30 + 20 + 16 + 21);
}

// Random signals and parameters: the optimised pass must give the plain one's table, field
// for field, and end with the same bunch size and threshold.
TEST(PeakDetector, MatchesThePlainTranscriptionOnRandomInput) {
    std::mt19937 random(20261205);
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    int withPeaks = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const int n = static_cast<int>(uniform(0, 12000));
        std::vector<std::int32_t> v(static_cast<std::size_t>(n));
        double level = uniform(-5000, 5000);
        for (int i = 0; i < n; ++i) {
            level += uniform(-3, 3);
            v[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(level);
        }
        for (int k = static_cast<int>(uniform(0, 12)); k > 0 && n > 0; --k) {
            const double centre = uniform(0, n), sigma = uniform(2, 60),
                         height = uniform(-2000, 60000);
            for (int i = std::max(0, static_cast<int>(centre - 6 * sigma));
                 i < std::min(n, static_cast<int>(centre + 6 * sigma)); ++i)
                v[static_cast<std::size_t>(i)] += static_cast<std::int32_t>(
                    height * std::exp(-0.5 * (i - centre) * (i - centre) / (sigma * sigma)));
        }
        if (trial % 50 == 0)  // extreme values: sums that wrap as 32-bit ints
            for (auto& x : v)
                x = static_cast<std::int32_t>(random());
        CTzLabDoc doc = DocWith(v);
        doc.m_ChannelSetup.rate = trial % 3 == 0 ? 10 : 20;
        doc.m_Params.m_HalfWidth = static_cast<std::int32_t>(uniform(-1, 14));
        doc.m_Params.m_Slope = uniform(0, 80);
        doc.m_Params.m_TimeDoubling = trial % 4 == 0 ? uniform(0.02, 3) : 0.0;
        doc.m_ChannelSetup.lockTime = trial % 5 == 0 ? uniform(0, 4) : 0.0;
        doc.m_Params.m_UseTimeProgram = trial % 2;
        for (int e = static_cast<int>(uniform(0, 5)); e > 0; --e)
            doc.m_TimeProgram.push_back({uniform(0, 8), static_cast<std::int32_t>(uniform(-1, 12)),
                                         uniform(0, 60), uniform(0, 1) < 0.3 ? 1 : 0});
        std::sort(doc.m_TimeProgram.begin(), doc.m_TimeProgram.end(),
                  [](const auto& a, const auto& b) { return a.m_Time < b.m_Time; });

        CTzLabDoc expected = doc;
        test::ReferenceDetector reference(expected);
        reference.Run();
        const DetectionResult detection = PeakDetector(doc).Run();
        ASSERT_EQ(doc.m_Peaks, expected.m_Peaks) << "trial " << trial;
        ASSERT_EQ(detection.bunch, reference.finalBunch) << "trial " << trial;
        ASSERT_EQ(detection.threshold, reference.finalThreshold) << "trial " << trial;
        withPeaks += !doc.m_Peaks.empty();
    }
    EXPECT_GT(withPeaks, 100);  // the comparison saw real tables, not just empty ones
}

}  // namespace
}  // namespace lx
