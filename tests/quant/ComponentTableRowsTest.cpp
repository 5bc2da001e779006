// The component table dialog's columns, texts and editing rules, without the dialog.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "quant/views/ComponentTableRows.h"
#include "tests/support/ScriptedPrompter.h"

namespace lx {
namespace {

CPrjDoc Project(std::int32_t method, std::initializer_list<const char*> names) {
    CPrjDoc project;
    project.m_Method = method;
    project.m_LevelCount = 2;
    double t = 1.0;
    for (const char* name : names) {
        CComponentItem c;
        c.m_Name = name;
        c.m_RetentionTime = t++;
        project.AddComponent(c);
    }
    return project;
}

std::vector<std::string> Headers(const CPrjDoc& project) {
    std::vector<std::string> headers;
    for (const auto& c : ComponentColumns(project))
        headers.push_back(c.header);
    return headers;
}

TEST(ComponentTableRows, ColumnsByMethod) {
    EXPECT_EQ(Headers(Project(kNormalization, {})),
              (std::vector<std::string>{"序 号", " 组  份  名", " 保留时间 ", "时间间隔"}));
    EXPECT_EQ(Headers(Project(kExternalStandard, {})),
              (std::vector<std::string>{"序 号", " 组  份  名", " 保留时间 ", "时间间隔",
                                        "第1点浓度", "第2点浓度", "校正因子 a", "校正因子 b",
                                        " 相关系数 ", " 曲 线 类 型 "}));
    const auto internal = Headers(Project(kInternalStandard, {}));
    ASSERT_EQ(internal.size(), 11u);
    EXPECT_EQ(internal[1], "对 应 内 标");
    EXPECT_EQ(Headers(Project(kFingerprint, {})).size(), 10u);
}

TEST(ComponentTableRows, CellTexts) {
    CPrjDoc project = Project(kInternalStandard, {"IS", "苯", "甲苯"});
    project.m_Components[0].m_IsInternalStandard = 1;
    project.m_Components[1].m_ReferenceIs = project.m_Components[0].m_Id;
    project.m_Components[2].m_ReferenceIs = 77;  // gone
    project.m_Components[1].m_TimeWindow = 0.25;
    project.m_Components[1].m_Points[1].m_Concentration = 12.5;
    project.m_Components[1].m_A = 1.0 / 3;
    project.m_Components[1].m_B = std::numeric_limits<double>::quiet_NaN();
    project.m_Components[1].m_R = 0.99714;
    project.m_Components[1].m_CurveType = CComponentItem::kGeneralLine;
    project.m_Components[2].m_A = std::numeric_limits<double>::quiet_NaN();
    const auto columns = ComponentColumns(project);
    auto cell = [&](int row, std::size_t column) {
        return ComponentCellText(project, row, columns[column]);
    };
    EXPECT_EQ(cell(1, 0), "2");
    EXPECT_EQ(cell(0, 1), "内 标 物");
    EXPECT_EQ(cell(1, 1), "对应 IS");
    EXPECT_EQ(cell(2, 1), "        ");  // eight blanks: the reference no longer exists
    EXPECT_EQ(cell(1, 2), "苯");
    EXPECT_EQ(cell(1, 3), "2");
    EXPECT_EQ(cell(1, 4), "0.25");
    EXPECT_EQ(cell(1, 6), "12.5");
    EXPECT_EQ(cell(1, 7), "0.333333");
    EXPECT_EQ(cell(1, 8), "####");
    EXPECT_EQ(cell(2, 7), "####");
    EXPECT_EQ(cell(1, 9), "0.9971");
    EXPECT_EQ(cell(1, 10), "一般直线");
    EXPECT_EQ(cell(0, 10), "过原点直线");
    EXPECT_EQ(cell(5, 2), "");
    EXPECT_EQ(ComponentRowColour(0), (Rgb{230, 230, 255}));
    EXPECT_EQ(ComponentRowColour(1), (Rgb{255, 255, 255}));
    EXPECT_EQ(ComponentRowColour(4), (Rgb{230, 230, 255}));
}

TEST(ComponentTableRows, ConcentrationAndCurveTypeEdits) {
    test::ScriptedPrompter prompter;
    CPrjDoc project = Project(kExternalStandard, {"A"});
    SetLevelConcentration(project, 0, 2, 4.0);
    SetLevelConcentration(project, 0, 3, 9.0);  // no third level
    EXPECT_EQ(project.m_Components[0].m_Points[1].m_Concentration, 4.0);
    ToggleCurveType(project, 0, prompter);
    EXPECT_EQ(project.m_Components[0].m_CurveType, CComponentItem::kGeneralLine);
    // The toggle calibrates at once: with no standards every repeat list is empty, so the
    // calibration runs and the one-point rule does not apply; the type stays.
    ToggleCurveType(project, 0, prompter);
    EXPECT_EQ(project.m_Components[0].m_CurveType, CComponentItem::kThroughOrigin);
}

TEST(ComponentTableRows, InternalStandardPopup) {
    CPrjDoc project = Project(kInternalStandard, {"A", "B", "C", "D"});
    auto& rows = project.m_Components;
    rows[0].m_IsInternalStandard = 1;
    rows[2].m_IsInternalStandard = 1;
    rows[3].m_ReferenceIs = rows[2].m_Id;
    EXPECT_EQ(InternalStandardChoices(project, 1),
              (std::vector<std::string>{"无 对 应", "内 标 物", "对应 A", "对应 C"}));
    EXPECT_EQ(InternalStandardChoices(project, 0),
              (std::vector<std::string>{"无 对 应", "内 标 物", "对应 C"}));
    EXPECT_EQ(InitialInternalStandardChoice(project, 1), 0);
    EXPECT_EQ(InitialInternalStandardChoice(project, 0), 1);
    EXPECT_EQ(InitialInternalStandardChoice(project, 3), 3);  // opens on its own standard

    // B refers to A.
    ApplyInternalStandardChoice(project, 1, 2);
    EXPECT_EQ(rows[1].m_ReferenceIs, rows[0].m_Id);
    // C is no internal standard any more: D, which referred to it, loses its reference.
    ApplyInternalStandardChoice(project, 2, 0);
    EXPECT_EQ(rows[2].m_IsInternalStandard, 0);
    EXPECT_EQ(rows[3].m_ReferenceIs, -1);
    EXPECT_EQ(rows[1].m_ReferenceIs, rows[0].m_Id);
    // D's popup now lists A alone among the internal standards.
    EXPECT_EQ(InternalStandardChoices(project, 3),
              (std::vector<std::string>{"无 对 应", "内 标 物", "对应 A"}));
    ApplyInternalStandardChoice(project, 3, 2);
    EXPECT_EQ(rows[3].m_ReferenceIs, rows[0].m_Id);
    EXPECT_EQ(rows[3].m_IsInternalStandard, 0);
    ApplyInternalStandardChoice(project, 3, 3);  // no such entry: nothing happens
    EXPECT_EQ(rows[3].m_ReferenceIs, rows[0].m_Id);

    // In a table of two, making one the internal standard points the other at it.
    CPrjDoc pair = Project(kInternalStandard, {"X", "Y"});
    ApplyInternalStandardChoice(pair, 1, 1);
    EXPECT_EQ(pair.m_Components[1].m_IsInternalStandard, 1);
    EXPECT_EQ(pair.m_Components[0].m_ReferenceIs, pair.m_Components[1].m_Id);
}

CTzLabDoc PeaksAt(std::initializer_list<double> times) {
    CTzLabDoc doc;
    for (double t : times) {
        PeakRecord p;
        p.m_ApexTime = t;
        doc.m_Peaks.push_back(p);
    }
    return doc;
}

TEST(ComponentTableRows, DraftsFromTheDialogAndFromAPeak) {
    CPrjDoc project = Project(kInternalStandard, {"A", "B"});
    project.m_Components[0].m_IsInternalStandard = 1;
    const ComponentDraft fresh = NewComponentDraft(project);
    EXPECT_EQ(fresh.item.m_Name, "组份3");
    EXPECT_EQ(fresh.item.m_RetentionTime, 0.0);
    EXPECT_EQ(fresh.item.m_TimeWindow, 0.01);

    CTzLabDoc doc = PeaksAt({2.005, 7.12389});
    const ComponentDraft covering = ComponentDraftForPeak(project, doc, 0);  // B: 2.0 +- 0.01
    EXPECT_EQ(covering.replacesRow, 1);
    EXPECT_EQ(covering.item.m_Name, "B");
    const ComponentDraft atPeak = ComponentDraftForPeak(project, doc, 1);
    EXPECT_EQ(atPeak.replacesRow, -1);
    EXPECT_DOUBLE_EQ(atPeak.item.m_RetentionTime, 7.123);  // cut, not rounded
    EXPECT_DOUBLE_EQ(ComponentDraftForPeak(project, doc, -1).item.m_RetentionTime, 102.0);
    EXPECT_DOUBLE_EQ(ComponentDraftForPeak(CPrjDoc(), doc, -1).item.m_RetentionTime, 100.0);

    // Accepted: the new component gets the next ID and refers to the only internal standard.
    EXPECT_EQ(AcceptComponentDraft(project, atPeak), 3);
    ASSERT_EQ(project.m_Components.size(), 3u);
    EXPECT_EQ(project.m_Components[2].m_Id, 3);
    EXPECT_EQ(project.m_Components[2].m_ReferenceIs, project.m_Components[0].m_Id);
    EXPECT_TRUE(project.m_Modified);
    // An edited row replaces the old one under its ID (B's 2); the edit uses up ID 4.
    ComponentDraft edited = covering;
    edited.item.m_Name = "B2";
    EXPECT_EQ(AcceptComponentDraft(project, edited), 2);
    ASSERT_EQ(project.m_Components.size(), 3u);
    EXPECT_EQ(project.m_Components[1].m_Name, "B2");
    EXPECT_EQ(project.m_Components[1].m_ReferenceIs, -1);  // an edit keeps its own reference
    EXPECT_EQ(AcceptComponentDraft(project, NewComponentDraft(project)), 5);
    // An edit whose row has gone meanwhile changes nothing.
    ComponentDraft stale = edited;
    stale.replacesRow = 9;
    project.m_Modified = false;
    EXPECT_EQ(AcceptComponentDraft(project, stale), std::nullopt);
    EXPECT_EQ(project.m_Components.size(), 4u);
    EXPECT_FALSE(project.m_Modified);
}

TEST(ComponentTableRows, DeletingAndExportingFromTheView) {
    test::ScriptedPrompter prompter;
    CPrjDoc project = Project(kExternalStandard, {"A"});  // 1.0 +- 0.01
    project.m_Components[0].m_TimeWindow = 0.2;
    CTzLabDoc doc = PeaksAt({1.05, 1.15, 3.4567});
    doc.m_Peaks[0].m_Component = project.m_Components[0].m_Id;

    prompter.answers = {true};
    EXPECT_EQ(ExportPeaksToComponents(project, doc, prompter), 2);  // 1.15 is outside 1.0 +- 0.1
    EXPECT_EQ(prompter.questions.back(), "是否将所有峰信息输出至组份表!");
    ASSERT_EQ(project.m_Components.size(), 3u);
    EXPECT_DOUBLE_EQ(project.m_Components[1].m_RetentionTime, 1.15);
    EXPECT_EQ(project.m_Components[2].m_Name, "组份3");
    EXPECT_DOUBLE_EQ(project.m_Components[2].m_RetentionTime, 3.456);
    prompter.answers = {true};
    EXPECT_EQ(ExportPeaksToComponents(project, doc, prompter), 0);  // every peak covered now

    prompter.answers = {false};
    EXPECT_FALSE(DeleteComponentOfPeak(project, doc, 0, prompter));
    EXPECT_EQ(prompter.questions.back(), "是否删除组份[A]!");
    prompter.answers = {true};
    EXPECT_TRUE(DeleteComponentOfPeak(project, doc, 0, prompter));
    EXPECT_EQ(project.m_Components.size(), 2u);
    EXPECT_FALSE(DeleteComponentOfPeak(project, doc, 1, prompter));  // unidentified

    EXPECT_TRUE(ComponentCommandsEnabled(project));
    project.m_Method = kFingerprint;
    EXPECT_FALSE(ComponentCommandsEnabled(project));
}

}  // namespace
}  // namespace lx
