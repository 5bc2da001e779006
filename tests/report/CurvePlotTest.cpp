// The standard curve's plot as values: the range "自动匹配" gives, the segment standing for the
// curve, and the ticks and labels of its axes, against hand-worked cases.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "report/CurvePlot.h"
#include "tests/report/CurveFixtures.h"

namespace lx {
namespace {

// The segment's top as the rule states it: from the top of the range down in steps of 1.0
// until the curve's amount there is inside the right edge.
double TopByStepping(const CPrjDoc& project, int row, const CurveRange& range) {
    double y = range.yMax;
    while (EvaluateCurve(project, row, y) > range.xMax && y > range.yMin)
        y -= 1.0;
    return y;
}

TEST(CurveRange, LargestLevelTimesOnePointTwoFromZero) {
    const CPrjDoc es = test::ExternalStandardProject();
    // Concentrations 1, 2, 4 and mean areas 10, 20, 39.
    const CurveRange benzene = AutoCurveRange(es, 0);
    EXPECT_EQ(benzene.xMin, 0.0);
    EXPECT_EQ(benzene.yMin, 0.0);
    EXPECT_DOUBLE_EQ(benzene.xMax, 4.8);
    EXPECT_DOUBLE_EQ(benzene.yMax, 46.8);
    EXPECT_TRUE(IsDrawable(benzene));

    // Internal standard: amounts relative to the standard (2 and 5), ratios as means.
    const CPrjDoc is = test::InternalStandardProject();
    const CurveRange ratio = AutoCurveRange(is, 0);
    EXPECT_DOUBLE_EQ(ratio.xMax, 6.0);
    EXPECT_DOUBLE_EQ(ratio.yMax, 1.5);
    // The standard itself (0.5 and 0.8, means 1) spans at least 1 each way.
    const CurveRange standard = AutoCurveRange(is, 1);
    EXPECT_DOUBLE_EQ(standard.xMax, 1.2);
    EXPECT_DOUBLE_EQ(standard.yMax, 1.2);

    // No component, no range: nothing to map.
    EXPECT_FALSE(IsDrawable(AutoCurveRange(es, 2)));
    EXPECT_FALSE(IsDrawable(AutoCurveRange(es, -1)));
    EXPECT_FALSE(IsDrawable({0, 1, 0, std::numeric_limits<double>::quiet_NaN()}));
    EXPECT_FALSE(IsDrawable({1, 1, 0, 5}));
}

TEST(CurveSegment, RunsFromTheBottomEdgeToTheFirstTopInsideTheRightEdge) {
    const CPrjDoc project = test::ExternalStandardProject();
    // y = 10 x ends inside at the very top: x(46.8) = 4.68 <= 4.8.
    auto s = StandardCurveSegment(project, 0, AutoCurveRange(project, 0));
    ASSERT_TRUE(s);
    EXPECT_DOUBLE_EQ(s->from.x, 0.0);
    EXPECT_DOUBLE_EQ(s->from.y, 0.0);
    EXPECT_DOUBLE_EQ(s->to.x, 4.68);
    EXPECT_DOUBLE_EQ(s->to.y, 46.8);

    // Amounts to 2 only: x(y) = y / 10 leaves at 20, and 46.8 - 27 = 19.8 is the first step
    // inside (20.8 gives 2.08).
    s = StandardCurveSegment(project, 0, {0, 2, 0, 46.8});
    ASSERT_TRUE(s);
    EXPECT_NEAR(s->to.y, 19.8, 1e-12);
    EXPECT_NEAR(s->to.x, 1.98, 1e-12);

    // y = 2 x + 3 over 0..3.6 x 0..10.8: it starts left of the axis at x(0) = -1.5, and
    // x(10.8) = 3.9 is outside, one step down x(9.8) = 3.4 is in.
    s = StandardCurveSegment(project, 1, AutoCurveRange(project, 1));
    ASSERT_TRUE(s);
    EXPECT_DOUBLE_EQ(s->from.x, -1.5);
    EXPECT_DOUBLE_EQ(s->from.y, 0.0);
    EXPECT_NEAR(s->to.y, 9.8, 1e-12);
    EXPECT_NEAR(s->to.x, 3.4, 1e-12);
}

TEST(CurveSegment, DegenerateCurves) {
    CPrjDoc project = test::ExternalStandardProject();
    const CurveRange range = AutoCurveRange(project, 0);
    // a = 0 evaluates to 0 everywhere: a line up the left edge.
    project.m_Components[0].m_A = 0;
    auto s = StandardCurveSegment(project, 0, range);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->from.x, 0.0);
    EXPECT_EQ(s->to.x, 0.0);
    EXPECT_EQ(s->to.y, range.yMax);
    // Indeterminate coefficients draw nothing.
    project.m_Components[0].m_A = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(StandardCurveSegment(project, 0, range));
    // Calibrated normalization with a = 0, b = 7: the amount is 7 at every response, right of
    // the edge however far the top comes down.
    project.m_Method = kCalibratedNormalization;
    project.m_Components[0].m_A = 0;
    project.m_Components[0].m_B = 7;
    EXPECT_FALSE(StandardCurveSegment(project, 0, range));
    // No component, or a range with no span.
    EXPECT_FALSE(StandardCurveSegment(project, 5, range));
    EXPECT_FALSE(StandardCurveSegment(test::ExternalStandardProject(), 0, {0, 0, 0, 10}));
}

TEST(CurveSegment, TopAgreesWithStepping) {
    std::mt19937 rng(7031);
    std::uniform_real_distribution<double> slope(0.05, 200.0);
    std::uniform_real_distribution<double> offset(-50.0, 50.0);
    std::uniform_real_distribution<double> span(0.5, 400.0);
    CPrjDoc project = test::ExternalStandardProject();
    for (int k = 0; k < 2000; ++k) {
        CComponentItem& c = project.m_Components[1];
        c.m_A = slope(rng);
        c.m_B = offset(rng);
        const CurveRange range{0, span(rng), 0, span(rng) * 10};
        const double top = TopByStepping(project, 1, range);
        const auto s = StandardCurveSegment(project, 1, range);
        if (!(top > range.yMin)) {
            EXPECT_FALSE(s) << "a " << c.m_A << " b " << c.m_B;
            continue;
        }
        ASSERT_TRUE(s) << "a " << c.m_A << " b " << c.m_B;
        EXPECT_NEAR(s->to.y, top, 1e-9 * range.yMax) << "a " << c.m_A << " b " << c.m_B;
        EXPECT_LE(s->to.x, range.xMax);
    }
}

TEST(CurveAxes, LabelFormats) {
    EXPECT_EQ(CurveXLabel(0.000123456), "0.00012346");
    EXPECT_EQ(CurveXLabel(2.5), "2.5");
    EXPECT_EQ(CurveXLabel(123456.0), "1.2346e+05");
    EXPECT_EQ(CurveYLabel(1234.5), "1234.50");
    EXPECT_EQ(CurveYLabel(0.125), "0.12");
}

std::vector<std::string> Labels(const std::vector<AxisTick>& ticks) {
    std::vector<std::string> labels;
    for (const AxisTick& t : ticks)
        if (t.major)
            labels.push_back(t.label);
    return labels;
}

TEST(CurveAxes, StepsSnapAndKeepLabelsApart) {
    // 0..1.2 over 600 px with 50-px labels: 12 tenths snap to 25, labelled every 0.25 with a
    // minor tick between.
    auto ticks = CurveAxisTicks(0, 1.2, 600, 50, CurveAxis::Amount);
    EXPECT_EQ(Labels(ticks), (std::vector<std::string>{"0", "0.25", "0.5", "0.75", "1"}));
    ASSERT_EQ(ticks.size(), 10u);
    EXPECT_FALSE(ticks[1].major);
    EXPECT_TRUE(ticks[1].label.empty());
    EXPECT_DOUBLE_EQ(ticks[1].value, 0.125);
    EXPECT_EQ(ticks[2].pos, 125);  // 0.25 of 1.2 over 600 px

    // 0..46.8 responses on 3000 px: 46 snaps to 50, labelled every 5.
    EXPECT_EQ(Labels(CurveAxisTicks(0, 46.8, 3000, 45, CurveAxis::Response)),
              (std::vector<std::string>{"0.00", "5.00", "10.00", "15.00", "20.00", "25.00", "30.00",
                                        "35.00", "40.00", "45.00"}));
    // On 300 px a 45-px label spans 7.02 responses: the minimum of 70 tenths raises the snap
    // to 75.
    EXPECT_EQ(
        Labels(CurveAxisTicks(0, 46.8, 300, 45, CurveAxis::Response)),
        (std::vector<std::string>{"0.00", "7.50", "15.00", "22.50", "30.00", "37.50", "45.00"}));

    // Across zero: 0 is a labelled tick and written as 0, not as a remainder of the sums.
    ticks = CurveAxisTicks(-1, 1, 400, 10, CurveAxis::Amount);
    EXPECT_EQ(Labels(ticks), (std::vector<std::string>{"-1", "-0.75", "-0.5", "-0.25", "0", "0.25",
                                                       "0.5", "0.75", "1"}));
    EXPECT_EQ(ticks.front().pos, 0);
    EXPECT_EQ(ticks.back().pos, 400);

    // Large areas keep the rule: 0..2.4e6 with 100-px labels on 600 px, every 0.5e6.
    EXPECT_EQ(
        Labels(CurveAxisTicks(0, 2.4e6, 600, 100, CurveAxis::Response)),
        (std::vector<std::string>{"0.00", "500000.00", "1000000.00", "1500000.00", "2000000.00"}));

    EXPECT_TRUE(CurveAxisTicks(0, 1, 0, 10, CurveAxis::Amount).empty());
    EXPECT_TRUE(CurveAxisTicks(1, 1, 100, 10, CurveAxis::Amount).empty());
    EXPECT_TRUE(
        CurveAxisTicks(0, std::numeric_limits<double>::infinity(), 100, 10, CurveAxis::Amount)
            .empty());
}

}  // namespace
}  // namespace lx
