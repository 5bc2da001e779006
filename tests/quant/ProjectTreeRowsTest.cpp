// The project tree as the project list window shows it.
#include <gtest/gtest.h>

#include "quant/views/ProjectTreeRows.h"
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

TEST(ProjectTreeRows, RootsNodesAndRecords) {
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

}  // namespace
}  // namespace lx
