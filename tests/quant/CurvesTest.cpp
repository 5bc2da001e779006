// The two fits, the rule that picks one, and the evaluation of a curve.
#include <gtest/gtest.h>

#include <cmath>

#include "quant/CPrjDoc.h"
#include "quant/calc/Curves.h"

namespace lx {
namespace {

TEST(Curves, LineThroughThreeCollinearPoints) {
    const CurveFit fit = FitLine({{1, 2}, {2, 4}, {3, 6}});
    EXPECT_DOUBLE_EQ(fit.a, 2.0);
    EXPECT_DOUBLE_EQ(fit.b, 0.0);
    EXPECT_DOUBLE_EQ(fit.r, 28 / (std::sqrt(56.0) * std::sqrt(14.0)));
    EXPECT_NEAR(fit.r, 1.0, 1e-15);
}

TEST(Curves, CorrelationIsTheUncentredForm) {
    const CurveFit fit = FitLine({{1, 3}, {2, 5}});
    EXPECT_DOUBLE_EQ(fit.a, 2.0);
    EXPECT_DOUBLE_EQ(fit.b, 1.0);
    EXPECT_DOUBLE_EQ(fit.r, 13 / (std::sqrt(34.0) * std::sqrt(5.0)));
    EXPECT_NEAR(fit.r, 0.9971, 1e-4);  // Pearson's r of two points would be 1

    const CurveFit origin = FitThroughOrigin({{1, 3}, {2, 5}});
    EXPECT_DOUBLE_EQ(origin.a, 13.0 / 5.0);
    EXPECT_EQ(origin.b, 0.0);
    EXPECT_DOUBLE_EQ(origin.r, fit.r);
}

TEST(Curves, DegenerateDataGiveZerosOrIndeterminateValues) {
    const CurveFit sameX = FitLine({{2, 3}, {2, 5}});
    EXPECT_EQ(sameX.a, 0.0);
    EXPECT_EQ(sameX.b, 0.0);
    EXPECT_EQ(sameX.r, 0.0);
    const CurveFit one = FitLine({{2, 3}});
    EXPECT_EQ(one.a, 0.0);
    EXPECT_TRUE(std::isnan(FitThroughOrigin({{0, 3}, {0, 5}}).a));
}

TEST(Curves, FitComponentPicksTheFitByTypeAndPoints) {
    CPrjDoc project;
    project.m_Components.resize(2);
    project.m_Components[0].m_CurveType = CComponentItem::kGeneralLine;
    FitComponent(project, 0, {{2, 5}});  // one level: a line through the origin from now on
    EXPECT_EQ(project.m_Components[0].m_CurveType, CComponentItem::kThroughOrigin);
    EXPECT_DOUBLE_EQ(project.m_Components[0].m_A, 2.5);

    project.m_Components[1].m_A = 9;
    FitComponent(project, 1, {});  // no points: nothing changes
    EXPECT_EQ(project.m_Components[1].m_A, 9.0);
    project.m_Components[1].m_CurveType = 7;  // unknown type: nothing changes
    FitComponent(project, 1, {{1, 1}, {2, 2}});
    EXPECT_EQ(project.m_Components[1].m_A, 9.0);
    FitComponent(project, 5, {{1, 1}});  // no such row
}

TEST(Curves, EvaluationByCurveTypeAndMethod) {
    CPrjDoc project;
    project.m_Method = kExternalStandard;
    project.m_Components.resize(1);
    CComponentItem& c = project.m_Components[0];
    c.m_A = 2.0;
    c.m_B = 1.0;
    EXPECT_DOUBLE_EQ(EvaluateCurve(project, 0, 9.0), 4.5);  // through the origin: y / a
    c.m_CurveType = CComponentItem::kGeneralLine;
    EXPECT_DOUBLE_EQ(EvaluateCurve(project, 0, 9.0), 4.0);  // (y - b) / a
    c.m_CurveType = 3;
    EXPECT_EQ(EvaluateCurve(project, 0, 9.0), 0.0);
    EXPECT_EQ(EvaluateCurve(project, 1, 9.0), 0.0);
    EXPECT_EQ(EvaluateCurve(project, -1, 9.0), 0.0);
    c.m_CurveType = CComponentItem::kGeneralLine;
    c.m_A = 0.0;
    EXPECT_EQ(EvaluateCurve(project, 0, 9.0), 0.0);

    project.m_Method = kCalibratedNormalization;     // the other way round: a y + b
    EXPECT_EQ(EvaluateCurve(project, 0, 9.0), 1.0);  // a = 0: b
    c.m_B = 7.0;
    EXPECT_EQ(EvaluateCurve(project, 0, 123.0), 7.0);
    c.m_A = 2.0;
    EXPECT_DOUBLE_EQ(EvaluateCurve(project, 0, 10.0), 27.0);
}

}  // namespace
}  // namespace lx
