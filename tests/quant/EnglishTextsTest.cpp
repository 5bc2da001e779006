// What calibration, the project views and the project loader say when the program speaks
// English; every other test reads the workstation's Chinese.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Archive.h"
#include "quant/CPrjDoc.h"
#include "quant/calc/Calibration.h"
#include "quant/file/TzpFile.h"
#include "quant/views/CalibrationRows.h"
#include "quant/views/ComponentTableRows.h"
#include "quant/views/ProjectTreeRows.h"
#include "quant/workflow/ProjectRecords.h"
#include "tests/quant/QuantTestRecords.h"
#include "tests/support/HandMadeTzd.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/SpeakLanguage.h"

namespace lx {
namespace {

using test::Peak;
using test::Standard;

TEST(EnglishTexts, CalibrationRefusesInEnglish) {
    test::ScriptedPrompter prompter;
    CPrjDoc project;
    project.m_Method = kExternalStandard;
    {
        test::SpeakLanguage english(Language::English);
        EXPECT_FALSE(Calibrate(project, prompter));
        CComponentItem c;
        c.m_Id = 1;
        c.m_Points = {CCalPoint{}};
        c.m_Points[0].m_Concentration = 1.0;
        project.m_Components = {c};
        project.m_LevelCount = 1;
        project.m_Standards = {Standard(1, 1, {Peak(1, 0, 0)})};
        EXPECT_FALSE(Calibrate(project, prompter));
    }
    EXPECT_EQ(prompter.messages,
              (std::vector<std::string>{
                  "The component table is empty; please set up the component table!",
                  "Some components have a peak area or height of zero;\n\nthe time windows of "
                  "the component table may be wrong.\n\nPlease correct the component table!"}));
    // Chinese again once the test's language is gone.
    EXPECT_FALSE(Calibrate(project, prompter));
    EXPECT_EQ(prompter.messages.back().rfind("某些组份为峰面积或峰高值为零,", 0), 0u);
}

TEST(EnglishTexts, QuestionsAreAskedInEnglish) {
    test::ScriptedPrompter prompter;
    CPrjDoc project;
    project.m_Samples = {Standard(1, 1, {}, "s1.Tzd")};
    project.m_Standards = {Standard(1, 1, {}, "std1.Tzd")};
    {
        test::SpeakLanguage english(Language::English);
        EXPECT_FALSE(RemoveAllRecords(project, RecordList::kSamples, prompter));
        EXPECT_FALSE(RemoveAllRecords(project, RecordList::kStandards, prompter));
    }
    EXPECT_FALSE(RemoveAllRecords(project, RecordList::kSamples, prompter));
    EXPECT_EQ(prompter.questions,
              (std::vector<std::string>{"Remove every sample file record from the project?",
                                        "Remove every standard file record from the project?",
                                        "是否从分析项目中删除所有样品文件记录!"}));
    EXPECT_EQ(project.m_Samples.size(), 1u);  // every answer was No
}

TEST(EnglishTexts, TreeAndComponentTableInEnglish) {
    CPrjDoc project;
    project.m_MethodName = "苯系物";
    project.m_Method = kInternalStandard;
    project.m_LevelCount = 2;
    test::SpeakLanguage english(Language::English);

    const ProjectTreeNode root = BuildProjectNode(project);
    EXPECT_EQ(root.m_Text, "苯系物 (internal standard)");
    std::vector<std::string> children;
    for (const ProjectTreeNode& child : root.m_Children)
        children.push_back(child.m_Text);
    EXPECT_EQ(children,
              (std::vector<std::string>{"Project template", "Standards", "Samples",
                                        "Component table", "Standard curve", "Analysis method"}));

    // The default name of a new component is stored in the file: it stays the workstation's.
    const ComponentDraft draft = NewComponentDraft(project);
    EXPECT_EQ(draft.item.m_Name, "组份1");
    ASSERT_TRUE(AcceptComponentDraft(project, draft));
    project.m_Components[0].m_IsInternalStandard = 1;

    std::vector<std::string> headers;
    for (const ComponentColumn& column : ComponentColumns(project))
        headers.push_back(column.header);
    EXPECT_EQ(headers,
              (std::vector<std::string>{"No.", "Internal std.", "Component", "Ret. time", "Window",
                                        "Level 1 conc.", "Level 2 conc.", "Factor a", "Factor b",
                                        "Correlation", "Curve type"}));
    const auto columns = ComponentColumns(project);
    EXPECT_EQ(ComponentCellText(project, 0, columns[1]), "Internal standard");
    EXPECT_EQ(ComponentCellText(project, 0, columns[10]), "Line through origin");
    EXPECT_EQ(InternalStandardChoices(project, 0),
              (std::vector<std::string>{"None", "Internal standard"}));

    const auto report = StandardCurveReport(project, 0);
    EXPECT_EQ(report[0], "Standard curve report");
    EXPECT_EQ(report[1], "Component: 组份1");
    EXPECT_EQ(report[2].rfind("Curve equation:  Y = ", 0), 0u);
    EXPECT_EQ(report[3], "Correlation:  0.0000");
    EXPECT_EQ(StandardCurveYLabel(project), "(area)");
}

TEST(EnglishTexts, TheProjectLoaderSaysWhatAFileIsInEnglish) {
    test::SpeakLanguage english(Language::English);
    EXPECT_EQ(LoadTzpBytes(test::HandMadeTzd(), "run.Tzd").error(),
              "File [run.Tzd] is not a method project file (.Tzp) but a chromatogram file "
              "(.Tzd), so it cannot be opened!");
    CPrjDoc project;
    project.m_LevelCount = CPrjDoc::kMaxLevelCount + 1;
    ArchiveWriter ar;
    project.Serialize(ar);
    EXPECT_EQ(LoadTzpBytes(ar.Bytes(), "huge.Tzp").error(),
              "File [huge.Tzp] is damaged or incomplete (project information) and cannot be "
              "opened!");
}

}  // namespace
}  // namespace lx
