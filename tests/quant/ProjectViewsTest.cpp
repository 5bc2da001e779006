// The project tree and the "校正设置" list as the windows show them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "quant/ProjectTree.h"
#include "tests/quant/QuantTestRecords.h"

namespace lx {
namespace {

using test::Standard;

std::vector<std::string> Texts(const ProjectTreeNode& node) {
    std::vector<std::string> texts;
    for (const ProjectTreeNode& child : node.m_Children)
        texts.push_back(child.m_Text);
    return texts;
}

TEST(ProjectTree, RootsNodesAndRecords) {
    ProjectList open;
    CPrjDoc a;
    a.m_MethodName = "苯系物";
    a.m_Method = kInternalStandard;
    a.m_Standards = {Standard(1, 1, {}, "C:\\TzLab\\Data\\std1.Tzd"),
                     Standard(1, 2, {}, "/data/std2.Tzd")};
    a.m_SecondStandards = {Standard(1, 1, {}, "ref.Tzd")};
    a.m_Samples = {Standard(1, 1, {}, "/data/s1.Tzd")};
    open.Add(a);
    CPrjDoc b;
    b.m_MethodName = "未选";
    b.m_Method = -1;
    open.Add(b);

    const auto roots = BuildProjectTree(open);
    ASSERT_EQ(roots.size(), 2u);
    EXPECT_EQ(roots[0].m_Text, "苯系物 (内标法)");
    EXPECT_EQ(roots[1].m_Text, "未选 (归一法)");
    EXPECT_EQ(Texts(roots[0]), (std::vector<std::string>{"项目模板", "标准图谱", "样品图谱",
                                                         "组 份 表", "标准曲线", "设置分析方法"}));
    const ProjectTreeNode& standards = roots[0].m_Children[1];
    EXPECT_EQ(Texts(standards), (std::vector<std::string>{"std1.Tzd", "std2.Tzd", "ref.Tzd"}));
    EXPECT_EQ(standards.m_Children[2].m_List, RecordList::kSecondStandards);
    EXPECT_EQ(standards.m_Children[2].m_Index, 0);
    EXPECT_EQ(standards.m_Children[1].m_List, RecordList::kStandards);
    EXPECT_EQ(standards.m_Children[1].m_Index, 1);
    EXPECT_EQ(Texts(roots[0].m_Children[2]), (std::vector<std::string>{"s1.Tzd"}));
    EXPECT_TRUE(roots[1].m_Children[1].m_Children.empty());

    const char* suffixes[] = {" (归一法)",     " (内标法)",     " (外标法)", " (指数法)",
                              " (校正归一法)", " (指纹图谱法)", " (归一法)"};
    for (int method = 0; method <= 6; ++method)
        EXPECT_STREQ(MethodSuffix(method), suffixes[method]);
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
