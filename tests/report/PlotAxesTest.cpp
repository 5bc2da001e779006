// Tick steps, positions and labels of the plot's axes, worked out by hand from the rules: the
// range in hundredths of a minute (or a tenth of the signal range), the label minimum, the
// 2.5/5/7.5/10 family and half of it as the step.
#include <gtest/gtest.h>

#include "report/PlotAxes.h"

namespace lx {
namespace {

struct Expected {
    double value;
    int pos;
    bool major;
    std::string label;
};

void ExpectTicks(const std::vector<AxisTick>& ticks, const std::vector<Expected>& expected) {
    ASSERT_EQ(ticks.size(), expected.size());
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(ticks[i].value, expected[i].value, 1e-9);
        EXPECT_EQ(ticks[i].pos, expected[i].pos);
        EXPECT_EQ(ticks[i].major, expected[i].major);
        EXPECT_EQ(ticks[i].label, expected[i].label);
    }
}

TEST(AxisStepFamily, RoundsDownToTheLeadingDigitThenTakesTheNextOfTheFamily) {
    EXPECT_EQ(SnapAxisStep(37, 0), 50);    // p 10: 30 -> 50
    EXPECT_EQ(SnapAxisStep(70, 0), 75);    // 70 -> 75
    EXPECT_EQ(SnapAxisStep(75, 0), 75);    // rounded down to 70 first
    EXPECT_EQ(SnapAxisStep(10, 0), 25);    // strictly greater: 10 -> 25
    EXPECT_EQ(SnapAxisStep(99, 0), 100);   // 90 -> 100
    EXPECT_EQ(SnapAxisStep(100, 0), 250);  // p 100
    EXPECT_EQ(SnapAxisStep(750, 0), 750);  // p 100: 700 -> 750
}

TEST(AxisStepFamily, TheLabelMinimumRaisesTheStep) {
    EXPECT_EQ(SnapAxisStep(37, 62), 75);  // the minimum 60 beats 30
    EXPECT_EQ(SnapAxisStep(37, 29), 50);  // 20 does not
    // A minimum beyond 10p goes on a decade up: 1080 -> 2500.
    EXPECT_EQ(SnapAxisStep(20, 1080), 2500);
    // Nothing to go by: the smallest of the family.
    EXPECT_EQ(SnapAxisStep(0, 0), 2.5);
}

TEST(TimeAxis, StepFromEachOfTheThreeRules) {
    // 10 minutes over 1000 px: r 1000, p 1000 -> 2500 thousandths, half is 1.25 min.
    EXPECT_DOUBLE_EQ(TimeAxisStep(0, 10, 1000, 54), 1.25);
    // 100 px: the label minimum 5400 -> 5000 beats 1000: 7500, half is 3.75 min.
    EXPECT_DOUBLE_EQ(TimeAxisStep(0, 10, 100, 54), 3.75);
    // 0.05 minutes: r 5, half of it in thousandths.
    EXPECT_DOUBLE_EQ(TimeAxisStep(0, 0.05, 1000, 54), 0.0025);
    // 0.005 minutes: r 0, trunc(5) x 0.0001.
    EXPECT_DOUBLE_EQ(TimeAxisStep(0, 0.005, 1000, 54), 0.0005);
    // Below a thousandth the step still has its least size.
    EXPECT_DOUBLE_EQ(TimeAxisStep(0, 0.0009, 1000, 54), 0.0001);
}

TEST(TimeAxis, DecimalsWriteTwiceTheStepExactly) {
    EXPECT_EQ(TimeLabelDecimals(1.25), 1);   // 2.5
    EXPECT_EQ(TimeLabelDecimals(0.125), 2);  // 0.25
    EXPECT_EQ(TimeLabelDecimals(0.5), 0);    // 1
    EXPECT_EQ(TimeLabelDecimals(3.75), 1);   // 7.5
    EXPECT_EQ(TimeLabelDecimals(0.0001), 4);
    EXPECT_EQ(TimeLabelDecimals(0.000001), 5);  // never more than 5
}

TEST(TimeAxis, TicksAlternateWithLabelsOnEvenMultiples) {
    ExpectTicks(TimeAxisTicks(0, 10, 1000, 54), {{0, 0, true, "0.0"},
                                                 {1.25, 125, false, ""},
                                                 {2.5, 250, true, "2.5"},
                                                 {3.75, 375, false, ""},
                                                 {5, 500, true, "5.0"},
                                                 {6.25, 625, false, ""},
                                                 {7.5, 750, true, "7.5"},
                                                 {8.75, 875, false, ""},
                                                 {10, 1000, true, "10.0"}});
    // A view starting between ticks: the first tick in view is an odd multiple, so unlabelled.
    ExpectTicks(TimeAxisTicks(1, 11, 1000, 54), {{1.25, 25, false, ""},
                                                 {2.5, 150, true, "2.5"},
                                                 {3.75, 275, false, ""},
                                                 {5, 400, true, "5.0"},
                                                 {6.25, 525, false, ""},
                                                 {7.5, 650, true, "7.5"},
                                                 {8.75, 775, false, ""},
                                                 {10, 900, true, "10.0"}});
}

TEST(TimeAxis, ANarrowRangeIsWidenedFirst) {
    // 1.0 to 1.0 becomes 0.99955 to 1.00045: step 0.0001 over 0.0009 minutes and 900 px.
    ExpectTicks(TimeAxisTicks(1, 1, 900, 54), {{0.9996, 50, true, "0.9996"},
                                               {0.9997, 150, false, ""},
                                               {0.9998, 250, true, "0.9998"},
                                               {0.9999, 350, false, ""},
                                               {1.0000, 450, true, "1.0000"},
                                               {1.0001, 550, false, ""},
                                               {1.0002, 650, true, "1.0002"},
                                               {1.0003, 750, false, ""},
                                               {1.0004, 850, true, "1.0004"}});
    EXPECT_TRUE(TimeAxisTicks(0, 10, 0, 54).empty());
}

TEST(SignalAxis, StepIsHalfTheSnappedTenthOfTheRange) {
    // 40000 units, 400 px, labels 16 px: r 4000, minimum 9600 -> 9000, snapped 10000.
    EXPECT_EQ(SignalAxisStep(-10000, 30000, 400, 16), 5000);
    // 100 units over 200 px, labels 10 px: r 10, minimum 30 -> 50, half is 25.
    EXPECT_EQ(SignalAxisStep(0, 100, 200, 10), 25);
    // Clamped to full scale first: r 500000, minimum 960000 -> 900000, snapped 1000000.
    EXPECT_EQ(SignalAxisStep(-3000000, 3000000, 500, 16), 500000);
}

TEST(SignalAxis, LabelsAreMillivoltsInShortestForm) {
    EXPECT_EQ(SignalLabel(20000), "20");
    EXPECT_EQ(SignalLabel(12345), "12.345");
    EXPECT_EQ(SignalLabel(-2500000), "-2500");
    EXPECT_EQ(SignalLabel(1234567), "1234.57");  // six significant digits
    EXPECT_EQ(SignalLabel(50), "0.05");
    EXPECT_EQ(SignalLabel(1e-6), "0");   // 1e-9 mV
    EXPECT_EQ(SignalLabel(-1e-6), "0");  // not "-1e-09"
    EXPECT_EQ(SignalLabel(1e-4), "1e-07");
}

TEST(SignalAxis, OnlyTicksWhoseLabelFitsInsideThePlot) {
    // Every 5000 units, 100 units a pixel: the ticks at 30000 (y 0) and -10000 (y 400) would
    // have half their label outside and are left out.
    ExpectTicks(SignalAxisTicks(-10000, 30000, 400, 16), {{25000, 50, false, ""},
                                                          {20000, 100, true, "20"},
                                                          {15000, 150, false, ""},
                                                          {10000, 200, true, "10"},
                                                          {5000, 250, false, ""},
                                                          {0, 300, true, "0"},
                                                          {-5000, 350, false, ""}});
    ExpectTicks(SignalAxisTicks(0, 100, 200, 10),
                {{75, 50, false, ""}, {50, 100, true, "0.05"}, {25, 150, false, ""}});
    // Beyond full scale the axis shows full scale.
    ExpectTicks(SignalAxisTicks(-3000000, 3000000, 500, 16), {{2000000, 50, true, "2000"},
                                                              {1500000, 100, false, ""},
                                                              {1000000, 150, true, "1000"},
                                                              {500000, 200, false, ""},
                                                              {0, 250, true, "0"},
                                                              {-500000, 300, false, ""},
                                                              {-1000000, 350, true, "-1000"},
                                                              {-1500000, 400, false, ""},
                                                              {-2000000, 450, true, "-2000"}});
    EXPECT_TRUE(SignalAxisTicks(0, 100, 0, 10).empty());
}

}  // namespace
}  // namespace lx
