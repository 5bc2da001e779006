// The demo signal that ships with the program: it must play back as a loop without a step, and
// a run recorded from it must integrate with the default parameters into the peaks it was
// made of, the fused pair and the rider included, since that is what a visitor sees first.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <numeric>
#include <vector>

#include "acq/CDatReceiver.h"
#include "core/CTzLabDoc.h"
#include "peaks/Integration.h"

namespace lx {
namespace {

// What data/make-demo-signal puts into the signal: apex minutes and heights in microvolts
// above the baseline. The script holds the same list; change both together.
struct DesignedPeak {
    double apexMinutes;
    double height;
};
constexpr DesignedPeak kDesigned[] = {
    {0.90, 60000.0},  {1.55, 8000.0},  {2.30, 25000.0}, {2.40, 20000.0},
    {3.40, 400000.0}, {3.92, 2000.0},  {4.60, 40000.0}, {5.70, 5000.0},
    {6.80, 120000.0}, {7.90, 15000.0}, {8.90, 70000.0},
};
constexpr std::size_t kPeakCount = std::size(kDesigned);
constexpr std::size_t kPairFirst = 2;  // the fused pair: 2 and 3
constexpr std::size_t kParent = 4;     // the large peak, with its rider 5
constexpr std::size_t kRider = 5;

constexpr int kRate = 20;       // values per second, as the detector sends them
constexpr double kNoise = 3.0;  // the noise the script adds, uV RMS

std::vector<std::int32_t> LoadDemo() {
    auto values = ReadDemoSignal(LX_DEMO_SIGNAL);
    return values ? *values : std::vector<std::int32_t>{};
}

double MeanOf(const std::int32_t* first, std::size_t n) {
    return std::accumulate(first, first + n, 0.0) / static_cast<double>(n);
}

TEST(DemoSignalTest, TenMinutesAtTheDetectorRateWithinItsRange) {
    const std::vector<std::int32_t> values = LoadDemo();
    ASSERT_FALSE(values.empty()) << "cannot read " << LX_DEMO_SIGNAL;
    EXPECT_EQ(values.size(), 10u * 60u * kRate);
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    EXPECT_GT(*lo, 0) << "the baseline sits at a small positive level";
    EXPECT_LT(*hi, 2500000) << "beyond the detector's range";
    // The largest designed peak sits on a baseline of a few hundred microvolts.
    EXPECT_NEAR(*hi, 400000.0, 5000.0);
}

TEST(DemoSignalTest, LoopsWithoutAStep) {
    const std::vector<std::int32_t> values = LoadDemo();
    ASSERT_GE(values.size(), 2u * kRate);
    // Playback goes from the last value straight to the first: the step there must be noise,
    // and the level a second either side of it the same.
    EXPECT_LE(std::abs(values.back() - values.front()), 6.0 * kNoise);
    const double head = MeanOf(values.data(), kRate);
    const double tail = MeanOf(values.data() + values.size() - kRate, kRate);
    EXPECT_NEAR(head, tail, 3.0 * kNoise);
    // Nor is the end a peak's flank or a slope of the drift: the last and first half minute
    // stay within noise of their own level.
    const std::size_t halfMinute = 30u * kRate;
    for (std::size_t i = 0; i < halfMinute; ++i) {
        EXPECT_NEAR(values[i], head, 8.0 * kNoise) << "value " << i;
        EXPECT_NEAR(values[values.size() - 1 - i], tail, 8.0 * kNoise) << "value from end " << i;
    }
}

class DemoSignalRun : public ::testing::Test {
protected:
    void SetUp() override {
        const std::vector<std::int32_t> values = LoadDemo();
        ASSERT_FALSE(values.empty()) << "cannot read " << LX_DEMO_SIGNAL;
        doc.m_Samples.Resize(values.size());
        std::copy(values.begin(), values.end(), doc.m_Samples.data());
        Reintegrate(doc);
    }
    CTzLabDoc doc;  // default parameters, as a fresh run has them
};

TEST_F(DemoSignalRun, DefaultParametersFindEveryDesignedPeakAtItsApex) {
    ASSERT_EQ(doc.m_Peaks.size(), kPeakCount);
    for (std::size_t k = 0; k < kPeakCount; ++k)
        EXPECT_NEAR(doc.m_Peaks[k].m_ApexTime, kDesigned[k].apexMinutes, 2.0 / 60.0)
            << "peak " << k + 1;
}

TEST_F(DemoSignalRun, LonePeaksHaveTheirDesignedHeights) {
    ASSERT_EQ(doc.m_Peaks.size(), kPeakCount);
    for (std::size_t k = 0; k < kPeakCount; ++k) {
        if (k == kPairFirst || k == kPairFirst + 1 || k == kParent || k == kRider)
            continue;
        const PeakRecord& p = doc.m_Peaks[k];
        EXPECT_EQ(p.m_Flags, 0) << "peak " << k + 1 << " touches no other";
        // The apex is the sample at a bunch position, a fraction of a second from the top of
        // a peak whose sigma is more than a second, and the baseline under it is drawn
        // through noisy ends: a percent or so.
        EXPECT_NEAR(p.m_Height, kDesigned[k].height, 0.02 * kDesigned[k].height)
            << "peak " << k + 1;
        EXPECT_GT(p.m_Area, 0.0);
    }
}

TEST_F(DemoSignalRun, FusedPairSharesItsValley) {
    ASSERT_EQ(doc.m_Peaks.size(), kPeakCount);
    const PeakRecord& first = doc.m_Peaks[kPairFirst];
    const PeakRecord& second = doc.m_Peaks[kPairFirst + 1];
    EXPECT_EQ(first.m_End, second.m_Start);
    EXPECT_EQ(first.m_EndValue, second.m_StartValue);
    EXPECT_TRUE(first.m_Flags & kEndsInValley);
    EXPECT_TRUE(second.m_Flags & kStartsInValley);
    EXPECT_FALSE((first.m_Flags | second.m_Flags) & (kTailingParent | kTailingRider))
        << "two peaks of similar height are split by a drop line, not skimmed";
    EXPECT_EQ(first.m_GroupSize, 2);
    // The valley is well off the baseline, or the pair would not be fused at all.
    EXPECT_GT(first.m_EndValue - first.m_BaseEndValue, 0.1 * kDesigned[kPairFirst + 1].height);
    EXPECT_GT(first.m_Area, 0.0);
    EXPECT_GT(second.m_Area, 0.0);
}

TEST_F(DemoSignalRun, RiderIsSkimmedOffTheTailOfItsParent) {
    ASSERT_EQ(doc.m_Peaks.size(), kPeakCount);
    const PeakRecord& parent = doc.m_Peaks[kParent];
    const PeakRecord& rider = doc.m_Peaks[kRider];
    EXPECT_TRUE(parent.m_Flags & kTailingParent);
    EXPECT_TRUE(rider.m_Flags & kTailingRider);
    EXPECT_EQ(parent.m_End, rider.m_Start);
    // The rider starts on the tail, above the parent's baseline, and the parent's baseline runs
    // on under it at least to where the rider ends.
    EXPECT_GT(rider.m_StartValue - parent.m_BaseStartValue, 100.0 * kNoise);
    EXPECT_GE(parent.m_BaseEnd, rider.m_BaseEnd);
    EXPECT_EQ(rider.m_BaseStart, rider.m_Start);
    // Skimmed, the rider keeps only what stands above the tail: less than its designed height,
    // and still a peak.
    EXPECT_GT(rider.m_Height, 0.25 * kDesigned[kRider].height);
    EXPECT_LT(rider.m_Height, kDesigned[kRider].height + 10.0 * kNoise);
    EXPECT_GT(rider.m_Area, 0.0);
    EXPECT_GT(parent.m_Area, 100.0 * rider.m_Area);
}

}  // namespace
}  // namespace lx
