// The processing commands on the worked examples, their edges, and the results they build.
#include <gtest/gtest.h>

#include <ctime>
#include <limits>

#include "core/SyntheticRun.h"
#include "peaks/Integration.h"
#include "process/Processing.h"
#include "process/SignalOperations.h"
#include "tests/support/ScriptedPrompter.h"

namespace lx {
namespace {

// Results have no project, so nothing is asked or told.
test::NoPrompts noPrompts;

Samples S(std::initializer_list<std::int32_t> values) {
    return Samples(values);
}

TEST(SignalOperations, WorkedExamples) {
    EXPECT_EQ(FlipSamples(S({100, 150, 90})), S({100, 50, 110}));
    EXPECT_EQ(SmoothSamples(S({0, 3, 6, 9, 12}), 3), S({0, 3, 3, 6, 9}));
    EXPECT_EQ(DerivativeSamples(S({100, 110, 130}), 20), S({300, 500, 500}));
    EXPECT_EQ(AddSamples(S({10, 20, 30}), S({5, 5, 5, 5})), S({5, 15, 25}));
    EXPECT_EQ(SubtractSamples(S({10, 20, 30}), S({5, 5, 5, 5})), S({15, 25, 35}));
    EXPECT_EQ(AddSamples(S({5, 5, 5, 5}), S({10, 20, 30})), S({10, 20, 30}));
}

TEST(SignalOperations, SmoothingWindows) {
    // W = 4, h = 2: R[2..3] are means of S[0..3], S[1..4]; the last two repeat the last mean.
    EXPECT_EQ(SmoothSamples(S({0, 4, 8, 12, 16, 20}), 4), S({0, 4, 6, 10, 14, 14}));
    // Truncation toward zero: (-1 - 2 - 2) / 3 is -1, not -2.
    EXPECT_EQ(SmoothSamples(S({-1, -2, -2, -2}), 3), S({-1, -2, -1, -2}));
    EXPECT_EQ(SmoothSamples(S({0, 3, 6}), 1), S({0, 3, 6}));
    // A window as long as the run: its last h samples become the mean of all.
    EXPECT_EQ(SmoothSamples(S({0, 3, 6}), 3), S({0, 3, 3}));
    // Longer than the run: taken as the run.
    EXPECT_EQ(SmoothSamples(S({0, 3, 6}), 50), S({0, 3, 3}));
    EXPECT_EQ(SmoothSamples(S({7}), 5), S({7}));
    EXPECT_TRUE(SmoothSamples(S({}), 5).empty());
}

TEST(SignalOperations, ShortAndExtremeSignals) {
    EXPECT_EQ(DerivativeSamples(S({42}), 20), S({42}));
    EXPECT_TRUE(DerivativeSamples(S({}), 20).empty());
    EXPECT_TRUE(FlipSamples(S({})).empty());
    EXPECT_TRUE(AddSamples(S({}), S({1, 2})).empty());
    // Beyond 32 bits (crafted files only) results clip instead of changing sign.
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(FlipSamples(S({2000000000, -2000000000}))[1], kMax);
    EXPECT_EQ(DerivativeSamples(S({0, 2500000, -2500000}), 1000), S({kMax, kMin, kMin}));
    EXPECT_EQ(AddSamples(S({-2000000000, 2000000000}), S({0, 1000000000}))[1], kMax);
    EXPECT_EQ(SubtractSamples(S({-2000000000, -2000000000}), S({0, 1000000000}))[1], kMin);
}

// Ground truth: the truncated mean of each window, summed without overflow. A saturated peak
// (the receiver's full scale) smoothed over 900 samples passes 2^31 in every window sum.
TEST(SignalOperations, SmoothingFullScaleSamplesDoesNotOverflow) {
    constexpr std::int32_t kFullScale = 2500000;
    Samples s(3000, 0);
    for (std::size_t i = 1000; i < 2200; ++i)
        s[i] = kFullScale;
    for (const std::int32_t width : {859, 900, 2999}) {
        const Samples r = SmoothSamples(s, width);
        const std::size_t w = static_cast<std::size_t>(width), h = w / 2;
        for (std::size_t k = w - h; k < s.size() - h; ++k) {
            std::int64_t sum = 0;
            for (std::size_t i = k + h - w; i < k + h; ++i)
                sum += s[i];
            ASSERT_EQ(r[k], sum / width) << "width " << width << " at " << k;
        }
    }
    // Width 900 over the plateau: every window inside it gives the full scale itself.
    EXPECT_EQ(SmoothSamples(s, 900)[1600], kFullScale);
    // Width 4 near the 32-bit limit.
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(SmoothSamples(S({kMax, kMax, kMax, kMax, kMax, kMax}), 4)[3], kMax);
}

TEST(SignalOperations, DisplayRange) {
    const LevelRange wide = RangeOf(S({0, 1000, 500}), 1200);
    EXPECT_EQ(wide.top, 1050);
    EXPECT_EQ(wide.bottom, -50);
    const LevelRange odd = RangeOf(S({-10, 29}), 1200);  // 39 x 0.05 = 1.95, truncated
    EXPECT_EQ(odd.top, 30);
    EXPECT_EQ(odd.bottom, -11);
    const LevelRange flat = RangeOf(S({7, 7}), 1200);
    EXPECT_EQ(flat.top, 1207);
    EXPECT_EQ(flat.bottom, -1193);
    EXPECT_EQ(RangeOf(S({7, 7}), 0).top, 7);
    EXPECT_EQ(RangeOf(S({}), 1200).bottom, -1200);
}

CTzLabDoc Source() {
    SyntheticRunOptions o;
    o.minutes = 5;
    o.noise = 0;
    o.drift = 0;
    o.peaks = {{1.0, 30000, 3}, {3.0, 50000, 4}};
    CTzLabDoc doc = MakeSyntheticRun(o);
    doc.m_Params.m_HalfWidth = 3;
    doc.m_TimeProgram = {{}};
    doc.m_PrintSettings.portrait = 0;
    doc.m_ChannelSetup.prefix = "A";
    doc.m_SampleName = "mixture";
    doc.m_Operator = "王";
    doc.m_ManualEvents = {{}};
    doc.m_UseManualEvents = 1;
    doc.m_CreatedAt = 1;
    IntegrateAndQuantify(doc, noPrompts);
    return doc;
}

TEST(Processing, ResultsTakeTheSourcesRecordsAndAreIntegrated) {
    const CTzLabDoc source = Source();
    const std::time_t before = std::time(nullptr);
    const CTzLabDoc flipped = Flip(source, noPrompts);
    EXPECT_EQ(flipped.m_ChannelSetup.prefix, "A");
    EXPECT_EQ(flipped.m_Params, source.m_Params);
    EXPECT_EQ(flipped.m_TimeProgram, source.m_TimeProgram);
    EXPECT_EQ(flipped.m_PrintSettings, source.m_PrintSettings);
    EXPECT_TRUE(flipped.m_ManualEvents.empty());
    EXPECT_EQ(flipped.m_SampleName, "");
    EXPECT_EQ(flipped.m_Operator, "");
    EXPECT_GE(flipped.m_CreatedAt, before);
    ASSERT_EQ(flipped.m_Samples.size(), source.m_Samples.size());
    // Mirrored about the first sample: the range spans the dips.
    const std::int32_t base = source.m_Samples.At(0);
    EXPECT_EQ(flipped.m_DisplayTop, flipped.m_ChannelSetup.levelMax);
    EXPECT_EQ(flipped.m_DisplayBottom, flipped.m_ChannelSetup.levelMin);
    EXPECT_LT(flipped.m_DisplayBottom, base - 45000);
    EXPECT_GT(flipped.m_DisplayTop, base);

    // Flipped back, the result is the source's signal and the same peaks are found.
    const CTzLabDoc back = Flip(flipped, noPrompts);
    EXPECT_TRUE(back.m_Samples == source.m_Samples);
    ASSERT_EQ(back.m_Peaks.size(), 2u);
    EXPECT_EQ(back.m_Peaks[1].m_Area, source.m_Peaks[1].m_Area);
    EXPECT_NEAR(back.m_Peaks[1].m_Content, back.m_Peaks[1].m_AreaPercent * 0.01, 1e-15);
}

TEST(Processing, CommandsAndTheirNames) {
    const CTzLabDoc source = Source();
    EXPECT_FALSE(Smooth(source, 1, noPrompts).has_value());
    auto smoothed = Smooth(source, 5, noPrompts);
    ASSERT_TRUE(smoothed.has_value());
    EXPECT_EQ(smoothed->m_Peaks.size(), 2u);
    const CTzLabDoc slope = Derivative(source, noPrompts);
    EXPECT_EQ(slope.m_Samples.At(0),
              (source.m_Samples.At(1) - source.m_Samples.At(0)) * 20 + source.m_Samples.At(0));
    const CTzLabDoc difference = Subtract(source, source, noPrompts);
    for (std::size_t i = 0; i < difference.m_Samples.size(); i += 500)
        EXPECT_EQ(difference.m_Samples.At(static_cast<std::ptrdiff_t>(i)), source.m_Samples.At(0));
    EXPECT_TRUE(difference.m_Peaks.empty());
    EXPECT_EQ(difference.m_DisplayTop - difference.m_DisplayBottom, 2400);  // flat
    const CTzLabDoc doubled = Add(source, source, noPrompts);
    EXPECT_EQ(doubled.m_Peaks.size(), 2u);
    const std::ptrdiff_t apex = source.m_Peaks[0].m_Apex;
    EXPECT_EQ(doubled.m_Samples.At(apex), 2 * source.m_Samples.At(apex) - source.m_Samples.At(0));

    EXPECT_EQ(ResultName("/d/run 7.Tzd", Processing::kFlip), "/d/run 7翻转.Tzd");
    EXPECT_EQ(ResultName("/d/run.Tzd", Processing::kSmooth), "/d/run平滑.Tzd");
    EXPECT_EQ(ResultName("/d/a.b.Tzd", Processing::kDerivative), "/d/a.b导数.Tzd");
    EXPECT_EQ(ResultName("/d.v2/run", Processing::kAdd), "/d.v2/run相加.Tzd");
    EXPECT_EQ(ResultName("C:\\d.v2\\run", Processing::kSubtract), "C:\\d.v2\\run相减.Tzd");
}

TEST(Processing, BaselineShift) {
    CTzLabDoc doc = Source();
    const SampleArray before = doc.m_Samples;
    const double area = doc.m_Peaks[0].m_Area;
    ASSERT_TRUE(ShiftBaseline(doc, 0.5, false, noPrompts));
    for (std::size_t i = 0; i < doc.m_Samples.size(); i += 97)
        EXPECT_EQ(doc.m_Samples.At(static_cast<std::ptrdiff_t>(i)),
                  before.At(static_cast<std::ptrdiff_t>(i)) - 500);
    EXPECT_EQ(doc.m_Peaks[0].m_Area, area);                      // integrated again: the same peaks
    EXPECT_FALSE(ShiftBaseline(doc, 0.0004, false, noPrompts));  // trunc(0.4 uV) = 0

    ASSERT_TRUE(ShiftBaseline(doc, 0, true, noPrompts));  // auto zero
    EXPECT_EQ(doc.m_Samples.At(0), 0);
    EXPECT_FALSE(ShiftBaseline(doc, 0, true, noPrompts));  // already at 0: nothing

    CTzLabDoc flat;
    flat.m_Samples.Resize(3);
    ASSERT_TRUE(ShiftBaseline(flat, -1.25, false, noPrompts));
    EXPECT_EQ(flat.m_Samples.At(2), 1250);
    EXPECT_EQ(flat.m_DisplayTop, 1250);  // flat: no margin
    EXPECT_EQ(flat.m_DisplayBottom, 1250);
    CTzLabDoc empty;
    EXPECT_FALSE(ShiftBaseline(empty, 0, true, noPrompts));
}

// A run on a baseline rising 1 uV a sample, corrected by a line laid along it from sample 100
// to sample 300: the baseline is level again, the peak unchanged on it.
TEST(Processing, DriftCorrectionLevelsTheLineLaidAlongTheBaseline) {
    CTzLabDoc doc = Source();
    const SampleArray level = doc.m_Samples;
    const double area = doc.m_Peaks[0].m_Area;
    for (std::size_t i = 0; i < doc.m_Samples.size(); ++i)
        doc.m_Samples.SetAt(i, level.At(std::ptrdiff_t(i)) + std::int32_t(i));
    const std::int32_t a = 100, b = 300;
    ASSERT_TRUE(RemoveDrift(doc, a, doc.m_Samples.At(a), b, doc.m_Samples.At(b), noPrompts));
    for (std::size_t i = 0; i < doc.m_Samples.size(); i += 53)
        EXPECT_EQ(doc.m_Samples.At(std::ptrdiff_t(i)), level.At(std::ptrdiff_t(i)) + a);
    EXPECT_NEAR(doc.m_Peaks[0].m_Area, area, std::abs(area) * 1e-9);
    EXPECT_FALSE(RemoveDrift(doc, 5, 10, 5, 20, noPrompts));  // no run
    EXPECT_FALSE(RemoveDrift(doc, 5, 10, 9, 10, noPrompts));  // already level
}

}  // namespace
}  // namespace lx
