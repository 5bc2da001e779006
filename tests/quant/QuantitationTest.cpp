// Calibration and quantitation worked by hand for every method and basis.
#include <gtest/gtest.h>

#include <cmath>

#include "core/SyntheticRun.h"
#include "peaks/Integration.h"
#include "quant/CPrjDoc.h"
#include "quant/QuantTexts.h"
#include "quant/calc/Calibration.h"
#include "quant/calc/Quantitation.h"
#include "quant/workflow/PeakComponent.h"
#include "tests/quant/QuantTestRecords.h"
#include "tests/support/ScriptedPrompter.h"

namespace lx {
namespace {

// Nothing here has a project, so integration must not ask or tell anything.
test::NoPrompts noPrompts;

using test::Peak;
using test::Standard;

// Components with the given IDs and level concentrations, in this order.
void SetComponents(CPrjDoc& project,
                   const std::vector<std::pair<std::int32_t, std::vector<double>>>& rows) {
    for (const auto& [id, concentrations] : rows) {
        CComponentItem c;
        c.m_Id = id;
        for (double conc : concentrations) {
            CCalPoint point;
            point.m_Concentration = conc;
            c.m_Points.push_back(point);
        }
        project.m_Components.push_back(c);
        project.m_LevelCount = static_cast<std::int32_t>(concentrations.size());
    }
}

TEST(Calibrate, RefusalsAndTheirMessages) {
    test::ScriptedPrompter prompter;
    CPrjDoc project;
    EXPECT_FALSE(Calibrate(project, prompter));  // normalization, empty table: silent
    EXPECT_TRUE(prompter.messages.empty());
    project.m_Method = kExternalStandard;
    EXPECT_FALSE(Calibrate(project, prompter));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], "组份表为空,请重新设置组份表!");

    // A standard without a peak of the component leaves a zero response, under any method.
    SetComponents(project, {{1, {1.0}}, {2, {0.0}}});
    project.m_Components[0].m_A = 42;
    project.m_Standards = {Standard(1, 1, {Peak(2, 10, 1)})};
    project.m_Method = kNormalization;
    EXPECT_FALSE(Calibrate(project, prompter));
    EXPECT_EQ(prompter.messages.back(), Tr(texts::kZeroResponse));
    EXPECT_NE(prompter.messages.back().find("可能组份表中时间间隔设置有误。\n\n请修改组份表!"),
              std::string::npos);
    EXPECT_EQ(project.m_Components[0].m_A, 42.0);  // the previous coefficients stay

    project.m_Standards = {Standard(1, 1, {Peak(2, 10, 1), Peak(1, 5, 1)})};
    project.m_Method = kExternalStandard;
    EXPECT_FALSE(Calibrate(project, prompter));
    EXPECT_EQ(prompter.messages.back(), "某些组份浓度为零,请重新设置组份表!");
    EXPECT_FALSE(project.m_Modified);
}

// Two levels of two standards each; one standard holds two peaks of the component, which add
// up. Area basis: level means (100 + 115) / 2 = 107.5 and (210 + 190) / 2 = 200, the line
// through the origin a = (107.5 + 400) / (1 + 4) = 101.5. Height basis: means 11 and 21,
// a = (11 + 42) / 5 = 10.6.
CPrjDoc ExternalStandardProject(std::int32_t basis) {
    CPrjDoc project;
    project.m_Method = kExternalStandard;
    project.m_Basis = basis;
    SetComponents(project, {{1, {1.0, 2.0}}});
    project.m_Standards = {
        Standard(1, 1, {Peak(1, 100, 10)}), Standard(1, 2, {Peak(1, 110, 11), Peak(1, 5, 1)}),
        Standard(2, 1, {Peak(1, 210, 20), Peak(-1, 999, 99)}), Standard(2, 2, {Peak(1, 190, 22)})};
    return project;
}

TEST(Calibrate, ExternalStandardOnAreaAndHeight) {
    test::ScriptedPrompter prompter;
    CPrjDoc area = ExternalStandardProject(kAreaBasis);
    ASSERT_TRUE(Calibrate(area, prompter));
    const CComponentItem& c = area.m_Components[0];
    ASSERT_EQ(c.m_Points[0].m_Repeats.size(), 2u);
    EXPECT_DOUBLE_EQ(c.m_Points[0].m_Repeats[1].m_Area, 115.0);
    EXPECT_DOUBLE_EQ(c.m_Points[0].m_Repeats[1].m_Height, 12.0);
    EXPECT_DOUBLE_EQ(c.m_Points[0].m_MeanResponse, 107.5);
    EXPECT_DOUBLE_EQ(c.m_Points[1].m_Repeats[0].m_Factor, 105.0);
    EXPECT_DOUBLE_EQ(c.m_A, 101.5);
    EXPECT_TRUE(area.m_Modified);

    CTzLabDoc sample;
    sample.m_Params.m_SampleVolume = 2;
    sample.m_Params.m_SampleWeight = 4;
    sample.m_Peaks = {Peak(1, 203, 21.2), Peak(-1, 50, 5), Peak(7, 50, 5)};
    Quantify(sample, area);
    EXPECT_DOUBLE_EQ(sample.m_Peaks[0].m_Content, 1.0);  // 203 / 101.5 x 2 / 4
    EXPECT_EQ(sample.m_Peaks[1].m_Content, 0.0);
    EXPECT_EQ(sample.m_Peaks[2].m_Content, 0.0);  // its component is not in the table

    CPrjDoc height = ExternalStandardProject(kHeightBasis);
    ASSERT_TRUE(Calibrate(height, prompter));
    EXPECT_DOUBLE_EQ(height.m_Components[0].m_A, 10.6);
    Quantify(sample, height);
    EXPECT_DOUBLE_EQ(sample.m_Peaks[0].m_Content, 1.0);  // 21.2 / 10.6 x 2 / 4
}

TEST(Calibrate, IndexMethodWorksOnLogarithms) {
    // ln C = 1 and 2 with mean responses e^2 and e^4: points (1, 2) and (2, 4), a = 2, on
    // either basis (the heights equal the areas here; the samples tell the bases apart).
    test::ScriptedPrompter prompter;
    CPrjDoc project;
    project.m_Method = kIndexMethod;
    SetComponents(project, {{1, {std::exp(1.0), std::exp(2.0)}}});
    project.m_Standards = {Standard(1, 1, {Peak(1, std::exp(2.0), std::exp(2.0))}),
                           Standard(2, 1, {Peak(1, std::exp(4.0), std::exp(4.0))})};
    ASSERT_TRUE(Calibrate(project, prompter));
    EXPECT_NEAR(project.m_Components[0].m_A, 2.0, 1e-12);
    EXPECT_NEAR(project.m_Components[0].m_Points[1].m_MeanResponse, 4.0, 1e-12);
    EXPECT_NEAR(project.m_Components[0].m_Points[0].m_Repeats[0].m_Factor, std::exp(2.0), 1e-12);

    CTzLabDoc sample;
    sample.m_Peaks = {Peak(1, std::exp(6.0), 1), Peak(-1, 10, 1)};
    Quantify(sample, project);
    EXPECT_NEAR(sample.m_Peaks[0].m_Content, std::exp(3.0), 1e-9);  // exp(ln(e^6) / 2)
    EXPECT_EQ(sample.m_Peaks[1].m_Content, 0.0);

    project.m_Basis = kHeightBasis;
    ASSERT_TRUE(Calibrate(project, prompter));
    EXPECT_NEAR(project.m_Components[0].m_A, 2.0, 1e-12);
    sample.m_Peaks = {Peak(1, 1, std::exp(8.0))};
    Quantify(sample, project);
    EXPECT_NEAR(sample.m_Peaks[0].m_Content, std::exp(4.0), 1e-9);  // the height decides now
}

// Rows IS-A (1), X (2, on IS-A), IS-B (3), Y (4, on IS-B); one standard with areas 100, 300,
// 200, 50 (heights a tenth) at concentrations 1, 2, 4, 2. X: x = 2/1, y = 300/100, a = 1.5;
// Y: x = 2/4, y = 50/200, a = 0.5; the internal standards get a = 1.
CPrjDoc InternalStandardProject(std::int32_t basis) {
    CPrjDoc project;
    project.m_Method = kInternalStandard;
    project.m_Basis = basis;
    SetComponents(project, {{1, {1.0}}, {2, {2.0}}, {3, {4.0}}, {4, {2.0}}});
    project.m_Components[0].m_IsInternalStandard = 1;
    project.m_Components[1].m_ReferenceIs = 1;
    project.m_Components[2].m_IsInternalStandard = 1;
    project.m_Components[3].m_ReferenceIs = 3;
    project.m_Standards = {
        Standard(1, 1, {Peak(1, 100, 10), Peak(2, 300, 30), Peak(3, 200, 20), Peak(4, 50, 5)})};
    return project;
}

TEST(Calibrate, InternalStandardRatiosAndTheConcentrationToUse) {
    test::ScriptedPrompter prompter;
    CPrjDoc area = InternalStandardProject(kAreaBasis);
    ASSERT_TRUE(Calibrate(area, prompter));
    EXPECT_EQ(area.m_Components[0].m_A, 1.0);
    EXPECT_DOUBLE_EQ(area.m_Components[1].m_A, 1.5);
    EXPECT_DOUBLE_EQ(area.m_Components[3].m_A, 0.5);
    EXPECT_DOUBLE_EQ(area.m_Components[1].m_Points[0].m_Repeats[0].m_Factor, 1.5);  // (300/100) / 2

    CTzLabDoc sample;
    sample.m_Params.m_IsConc1 = 10;
    sample.m_IsConc2 = 20;
    sample.m_IsConc3 = 30;
    sample.m_Peaks = {Peak(1, 100, 10), Peak(2, 150, 15), Peak(3, 400, 40), Peak(4, 100, 10)};
    Quantify(sample, area);
    EXPECT_EQ(sample.m_Peaks[0].m_Content, 0.0);
    EXPECT_DOUBLE_EQ(sample.m_Peaks[1].m_Content, 10.0);  // (150/100) / 1.5 x conc 1
    EXPECT_EQ(sample.m_Peaks[2].m_Content, 0.0);
    EXPECT_DOUBLE_EQ(sample.m_Peaks[3].m_Content,
                     10.0);  // (100/400) / 0.5 x conc 2 (IS-B is the 2nd)

    CPrjDoc height = InternalStandardProject(kHeightBasis);
    ASSERT_TRUE(Calibrate(height, prompter));
    Quantify(sample, height);
    EXPECT_DOUBLE_EQ(sample.m_Peaks[3].m_Content, 5.0);  // height basis: always conc 1

    // Without a peak of IS-B, Y keeps the content it had; IS-A's peak still gets 0.
    CTzLabDoc missing = sample;
    missing.m_Peaks = {Peak(1, 100, 10), Peak(4, 100, 10)};
    missing.m_Peaks[0].m_Content = missing.m_Peaks[1].m_Content = 42;
    Quantify(missing, area);
    EXPECT_EQ(missing.m_Peaks[0].m_Content, 0.0);
    EXPECT_EQ(missing.m_Peaks[1].m_Content, 42.0);
}

TEST(Quantify, CalibratedNormalizationRewritesResponsesAndPercentages) {
    CPrjDoc project;
    project.m_Method = kCalibratedNormalization;
    SetComponents(project, {{1, {1.0}}});
    project.m_Components[0].m_A = 3.0;  // corrected = 3 x area
    CTzLabDoc sample;
    sample.m_Params.m_SampleVolume = 2;
    sample.m_Peaks = {Peak(-1, 50, 5), Peak(1, 50, 5)};
    Quantify(sample, project);
    EXPECT_DOUBLE_EQ(sample.m_Peaks[1].m_Area, 150.0);
    EXPECT_DOUBLE_EQ(sample.m_Peaks[0].m_AreaPercent, 25.0);
    EXPECT_DOUBLE_EQ(sample.m_Peaks[1].m_AreaPercent, 75.0);
    EXPECT_DOUBLE_EQ(sample.m_Peaks[1].m_Content, 0.75 * 2);

    // Height basis: the heights are corrected and shared; the areas stay.
    project.m_Basis = kHeightBasis;
    sample.m_Peaks = {Peak(-1, 50, 10), Peak(1, 50, 10)};
    Quantify(sample, project);
    EXPECT_DOUBLE_EQ(sample.m_Peaks[1].m_Height, 30.0);
    EXPECT_EQ(sample.m_Peaks[1].m_Area, 50.0);
    EXPECT_DOUBLE_EQ(sample.m_Peaks[0].m_AreaPercent, 25.0);
}

TEST(Quantify, NormalizationFingerprintAndIndeterminateCurves) {
    CPrjDoc project;
    CTzLabDoc sample;
    sample.m_Params.m_SampleVolume = 3;
    sample.m_Params.m_SampleWeight = 2;
    sample.m_Peaks = {Peak(-1, 50, 5), Peak(1, 150, 15)};
    sample.m_Peaks[0].m_AreaPercent = 25;
    sample.m_Peaks[1].m_AreaPercent = 75;
    for (std::int32_t basis : {kAreaBasis, kHeightBasis}) {
        project.m_Basis = basis;
        Quantify(sample, project);
        EXPECT_DOUBLE_EQ(sample.m_Peaks[0].m_Content, 0.25 * 1.5);
        EXPECT_DOUBLE_EQ(sample.m_Peaks[1].m_Content, 0.75 * 1.5);
    }
    project.m_Method = kFingerprint;
    sample.m_Peaks[0].m_Content = 7;
    Quantify(sample, project);
    EXPECT_EQ(sample.m_Peaks[0].m_Content, 7.0);

    // A level without standards: 0/0 means and coefficients flow through as indeterminate.
    test::ScriptedPrompter prompter;
    CPrjDoc empty;
    empty.m_Method = kExternalStandard;
    SetComponents(empty, {{1, {1.0}}});
    ASSERT_TRUE(Calibrate(empty, prompter));
    EXPECT_TRUE(std::isnan(empty.m_Components[0].m_A));
    sample.m_Peaks = {Peak(1, 100, 10)};
    Quantify(sample, empty);
    EXPECT_TRUE(std::isnan(sample.m_Peaks[0].m_Content));
}

// A twenty-minute synthetic run, integrated without a project.
CTzLabDoc IntegratedRun() {
    SyntheticRunOptions o;
    o.seed = 12;
    o.minutes = 20;
    CTzLabDoc doc = MakeSyntheticRun(o);
    IntegrateAndQuantify(doc, noPrompts);
    return doc;
}

TEST(Quantify, TheIntegrationIdentifiesAndQuantifiesWithTheProject) {
    CTzLabDoc doc = IntegratedRun();
    ASSERT_GT(doc.m_Peaks.size(), 3u);
    CPrjDoc project;
    for (int k : {0, 2}) {
        CComponentItem c;
        c.m_Name = "peak" + std::to_string(k);
        c.m_RetentionTime = doc.m_Peaks[static_cast<std::size_t>(k)].m_ApexTime;
        project.AddComponent(c);
    }
    doc.m_Params.m_SampleWeight = 2;
    doc.m_Project = &project;
    IntegrateAndQuantify(doc, noPrompts);
    EXPECT_EQ(doc.m_Peaks[0].m_ComponentName, "peak0");
    EXPECT_EQ(doc.m_Peaks[1].m_Component, -1);
    EXPECT_EQ(doc.m_Peaks[2].m_Component, 2);
    for (const auto& p : doc.m_Peaks)
        EXPECT_DOUBLE_EQ(p.m_Content, p.m_AreaPercent * 0.01 / 2);  // normalization, V/W = 1/2
}

// The three outcomes of a peak renamed in its detail dialog.
TEST(ChangePeakComponent, ALabelWithoutAProjectAComponentOrNoneWithOne) {
    CTzLabDoc doc = IntegratedRun();
    ASSERT_GT(doc.m_Peaks.size(), 3u);
    const double areaShare = doc.m_Peaks[1].m_AreaPercent * 0.01;
    ASSERT_TRUE(ChangePeakComponent(doc, 1, "苯", 7, noPrompts));
    EXPECT_EQ(doc.m_Peaks[1].m_ComponentName, "苯");
    EXPECT_EQ(doc.m_Peaks[1].m_Component, -1);  // a label only
    EXPECT_FALSE(ChangePeakComponent(doc, int(doc.m_Peaks.size()), "x", 7, noPrompts));

    CPrjDoc project;
    CComponentItem c;
    c.m_Name = "甲苯";
    c.m_RetentionTime = 100.0;  // identifies no peak: only the choice names one
    project.AddComponent(c);
    const std::int32_t id = project.m_Components[0].m_Id;
    doc.m_Project = &project;
    ASSERT_TRUE(ChangePeakComponent(doc, 1, "typed, not taken", id, noPrompts));
    EXPECT_EQ(doc.m_Peaks[1].m_Component, id);
    EXPECT_EQ(doc.m_Peaks[1].m_ComponentName, "甲苯");
    EXPECT_DOUBLE_EQ(doc.m_Peaks[1].m_Content, areaShare);  // quantified again (normalization)

    ASSERT_TRUE(ChangePeakComponent(doc, 1, "甲苯", id + 1, noPrompts));
    EXPECT_EQ(doc.m_Peaks[1].m_Component, -1);
    EXPECT_EQ(doc.m_Peaks[1].m_ComponentName, "");
}

}  // namespace
}  // namespace lx
