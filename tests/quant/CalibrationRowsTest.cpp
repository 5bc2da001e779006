// The rows of "校正设置" and "校正信息", and the standard curve's range, markers and report.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "quant/calc/Calibration.h"
#include "quant/views/CalibrationRows.h"
#include "tests/quant/QuantTestRecords.h"
#include "tests/support/ScriptedPrompter.h"

namespace lx {
namespace {

using test::Peak;
using test::Standard;

// IS (ID 1, concentration 2 and 4) and X (ID 2 on IS, concentration 1 and 4), two standards.
CPrjDoc Calibrated(std::int32_t method) {
    CPrjDoc project;
    project.m_Method = method;
    project.m_LevelCount = 2;
    for (int id : {1, 2}) {
        CComponentItem c;
        c.m_Name = id == 1 ? "IS" : "X";
        c.m_RetentionTime = id;
        EXPECT_EQ(project.AddComponent(c), id);
    }
    project.m_Components[0].m_IsInternalStandard = 1;
    project.m_Components[1].m_ReferenceIs = 1;
    project.m_Components[0].m_Points[0].m_Concentration = 2;
    project.m_Components[0].m_Points[1].m_Concentration = 4;
    project.m_Components[1].m_Points[0].m_Concentration = 1;
    project.m_Components[1].m_Points[1].m_Concentration = 4;
    project.m_Standards = {Standard(1, 1, {Peak(1, 100, 10), Peak(2, 50, 5)}, "s1.Tzd"),
                           Standard(2, 1, {Peak(1, 100, 10), Peak(2, 150, 15)}, "s2.Tzd")};
    test::ScriptedPrompter prompter;
    EXPECT_TRUE(Calibrate(project, prompter));
    return project;
}

TEST(CalibrationRows, InformationRows) {
    const CPrjDoc project = Calibrated(kExternalStandard);
    const auto rows = CalibrationInfoRows(project);
    ASSERT_EQ(rows.size(), 2u * (2 + 2 * 4 + 1));
    EXPECT_EQ(rows[0][0], "IS");
    EXPECT_EQ(rows[1][0], "保留时间:");
    EXPECT_EQ(rows[1][1], "1");
    EXPECT_EQ(rows[2][0], "第 1 点");
    EXPECT_EQ(rows[3][0], "浓    度:");
    EXPECT_EQ(rows[3][1], "2");
    EXPECT_EQ(rows[4][0], "第1次峰面积:");
    EXPECT_EQ(rows[4][1], "100.0");
    EXPECT_EQ(rows[4][2], "s1.Tzd");
    EXPECT_EQ(rows[5][0], "平均峰面积:");
    EXPECT_EQ(rows[10][0], "");  // separator

    CPrjDoc height = Calibrated(kExternalStandard);
    height.m_Basis = kHeightBasis;
    const auto heightRows = CalibrationInfoRows(height);
    EXPECT_EQ(heightRows[4][0], "第1次峰高:");
    EXPECT_EQ(heightRows[4][1], "10.0");
    EXPECT_EQ(heightRows[5][0], "平均峰面积:");  // the same label for both bases
    EXPECT_EQ(StandardCurveYLabel(height), "(高度)");
    EXPECT_EQ(StandardCurveYLabel(project), "(面积)");
}

TEST(CalibrationRows, CurveRangeMarkersAndReport) {
    const CPrjDoc external = Calibrated(kExternalStandard);
    // X: levels (1, 50) and (4, 150).
    const CurvePlotRange range = StandardCurveRange(external, 1);
    EXPECT_DOUBLE_EQ(range.xMax, 4 * 1.2);
    EXPECT_DOUBLE_EQ(range.yMax, 150 * 1.2);
    const auto markers = StandardCurveMarkers(external, 1);
    ASSERT_EQ(markers.size(), 2u);
    EXPECT_DOUBLE_EQ(markers[1].x, 4.0);
    EXPECT_DOUBLE_EQ(markers[1].y, 150.0);

    const CPrjDoc internal = Calibrated(kInternalStandard);
    // X against IS: amounts 1/2 and 4/4, responses 50/100 and 150/100.
    const CurvePlotRange ratio = StandardCurveRange(internal, 1);
    EXPECT_DOUBLE_EQ(ratio.xMax, 1.2);
    EXPECT_DOUBLE_EQ(ratio.yMax, 1.5 * 1.2);
    const auto ratioMarkers = StandardCurveMarkers(internal, 1);
    ASSERT_EQ(ratioMarkers.size(), 2u);
    EXPECT_DOUBLE_EQ(ratioMarkers[0].x, 0.5);
    EXPECT_DOUBLE_EQ(ratioMarkers[0].y, 0.5);
    EXPECT_TRUE(StandardCurveMarkers(internal, 0).empty());  // the internal standard itself
    EXPECT_GE(StandardCurveRange(internal, 0).xMax, 1.2);

    const auto report = StandardCurveReport(internal, 1);
    EXPECT_EQ(report[0], "标准曲线报告");
    EXPECT_EQ(report[1], "组  份: X");
    EXPECT_EQ(report[2].rfind("标准曲线方程:  Y = ", 0), 0u);
    EXPECT_EQ(report[3].rfind("相 关 系 数:  ", 0), 0u);
    EXPECT_EQ(StandardCurveColourIndex(8), 1);
    EXPECT_EQ(StandardCurveMarkerShape(8), 1);
}

class CalibrationSettings : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "UTC", 1);
        tzset();
    }
};

TEST_F(CalibrationSettings, StandardsWithRepeatAndLevel) {
    CPrjDoc project;
    project.m_Method = kExternalStandard;
    project.m_Standards = {Standard(1, 1, {}, "/d/a.Tzd"), Standard(2, 3, {}, "/d/b.Tzd")};
    project.m_Standards[1].m_CreatedAt = 1700000000;  // 2023-11-14 22:13:20 UTC
    project.m_SecondStandards = {Standard(1, 1, {}, "/d/c.Tzd")};
    const CalibrationSettingsTable table = BuildCalibrationSettings(project);
    EXPECT_EQ(table.m_Headers, (std::vector<std::string>{" 标 准 品 文 件 名 ", " 创 建 日 期 ",
                                                         "次  数", "点  数"}));
    ASSERT_EQ(table.m_Rows.size(), 2u);
    EXPECT_EQ(table.m_Rows[1].m_Cells,
              (std::vector<std::string>{"/d/b.Tzd", "2023.11.14  22:13", "3", "2"}));
    EXPECT_EQ(table.m_Rows[0].m_Cells[1], "1970.01.01  00:00");
}

TEST_F(CalibrationSettings, FingerprintListsBothListsWithTheirReferences) {
    CPrjDoc project;
    project.m_Method = kFingerprint;
    project.m_Standards = {Standard(1, 1, {}, "/d/a.Tzd")};
    project.m_Standards[0].m_RefRetentionTime = 4.125;
    project.m_Standards[0].m_RefWindow = 0.01;
    project.m_SecondStandards = {Standard(1, 1, {}, "/d/c.Tzd")};
    const CalibrationSettingsTable table = BuildCalibrationSettings(project);
    EXPECT_EQ(table.m_Headers[2], "参照内标保留时间");
    EXPECT_EQ(table.m_Headers[3], "时间间隔");
    ASSERT_EQ(table.m_Rows.size(), 2u);
    EXPECT_EQ(table.m_Rows[0].m_Cells[2], "4.125");
    EXPECT_EQ(table.m_Rows[0].m_Cells[3], "0.01");
    EXPECT_EQ(table.m_Rows[1].m_List, RecordList::kSecondStandards);
    EXPECT_EQ(table.m_Rows[1].m_Cells[2], "0");
}

}  // namespace
}  // namespace lx
