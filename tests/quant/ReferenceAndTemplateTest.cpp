// The reference internal-standard peak of fingerprint standards, and parameters exchanged
// between a chromatogram and its project's template.
#include <gtest/gtest.h>

#include "quant/workflow/MethodTemplate.h"
#include "quant/workflow/ProjectProcessing.h"
#include "tests/quant/QuantTestRecords.h"
#include "tests/support/ScriptedPrompter.h"

namespace lx {
namespace {

using test::Peak;
using test::Standard;

CTzLabDoc RunWithPeaks(const char* path) {
    CTzLabDoc doc;
    doc.m_PathName = path;
    doc.m_Peaks = {Peak(-1, 10, 1), Peak(-1, 250.5, 31.25)};
    doc.m_Peaks[1].m_ApexTime = 4.12789;
    return doc;
}

struct ReferenceCase : ::testing::Test {
    CPrjDoc project;
    test::ScriptedPrompter prompter;
    void SetUp() override {
        project.m_Method = kFingerprint;
        project.m_Standards = {Standard(1, 1, {}, "/d/a.Tzd"), Standard(1, 2, {}, "/d/b.Tzd")};
        project.m_SecondStandards = {Standard(1, 1, {}, "/d/c.Tzd")};
    }
};

TEST_F(ReferenceCase, TheDialogProposesTheTruncatedTime) {
    const ReferencePeak proposed = ProposedReference(RunWithPeaks("/d/a.Tzd").m_Peaks[1]);
    EXPECT_EQ(proposed.m_RetentionTime, 4.127);
    EXPECT_EQ(proposed.m_Window, 0.01);
}

TEST_F(ReferenceCase, ThisFileOnly) {
    const CTzLabDoc doc = RunWithPeaks("/D/C.TZD");  // the second list, letter case aside
    prompter.answers = {false, true};
    EXPECT_FALSE(SetReferencePeak(project, doc, 1, {4.127, 0.02}, false, prompter));
    EXPECT_EQ(project.m_SecondStandards[0].m_RefArea, 0.0);
    ASSERT_TRUE(SetReferencePeak(project, doc, 1, {4.127, 0.02}, false, prompter));
    EXPECT_EQ(prompter.questions.back(), "是否设置当前所选峰为参照内标!");
    const CPrjFileRecord& r = project.m_SecondStandards[0];
    EXPECT_EQ(r.m_RefRetentionTime, 4.127);
    EXPECT_EQ(r.m_RefWindow, 0.02);
    EXPECT_EQ(r.m_RefArea, 250.5);
    EXPECT_EQ(r.m_RefHeight, 31.25);
    EXPECT_EQ(project.m_Standards[0].m_RefArea, 0.0);
    EXPECT_TRUE(project.m_Modified);
}

TEST_F(ReferenceCase, AllStandardsAndTheRefusals) {
    prompter.answers = {true, true};
    ASSERT_TRUE(
        SetReferencePeak(project, RunWithPeaks("/d/z.Tzd"), 1, {4.127, 0.01}, true, prompter));
    EXPECT_EQ(prompter.questions.back(), "是否设置当前所选峰为所有标准图谱的参照内标!");
    for (const auto* list : {&project.m_Standards, &project.m_SecondStandards})
        for (const CPrjFileRecord& r : *list)
            EXPECT_EQ(r.m_RefArea, 250.5);

    // A sample (no standard record) changes nothing, even when the operator agrees.
    CPrjDoc before = project;
    EXPECT_FALSE(
        SetReferencePeak(project, RunWithPeaks("/d/sample.Tzd"), 0, {1, 1}, false, prompter));
    EXPECT_EQ(project.m_Standards, before.m_Standards);
    EXPECT_EQ(project.m_SecondStandards, before.m_SecondStandards);

    // Only fingerprint projects, only a peak of the table; nothing asked.
    const std::size_t asked = prompter.questions.size();
    EXPECT_FALSE(SetReferencePeak(project, RunWithPeaks("/d/a.Tzd"), 2, {1, 1}, true, prompter));
    project.m_Method = kInternalStandard;
    EXPECT_FALSE(SetReferencePeak(project, RunWithPeaks("/d/a.Tzd"), 1, {1, 1}, true, prompter));
    EXPECT_EQ(prompter.questions.size(), asked);
}

TEST(TemplateExchange, BothWaysThroughTheBuffer) {
    test::ScriptedPrompter prompter;
    CPrjDoc project;
    project.m_Operator = "王";
    project.m_SampleName = "水样";
    project.m_Organization = "实验室";
    project.m_Params.m_HalfWidth = 9;
    project.m_ChannelSetup.rate = 50;
    project.m_TimeProgram = {{}, {}};
    project.m_UseManualEvents = 1;
    project.m_ManualEvents = {{}};
    project.m_PrintSettings.portrait = 0;

    CTzLabDoc doc;
    doc.m_Notes = "kept";
    doc.m_Samples.Resize(3);
    EXPECT_FALSE(TakeProjectTemplate(doc, nullptr, prompter));
    EXPECT_EQ(prompter.messages.back(), "当前图谱无项目模板!");
    prompter.answers = {false, true};
    EXPECT_FALSE(TakeProjectTemplate(doc, &project, prompter));
    EXPECT_EQ(doc.m_Operator, "");
    ASSERT_TRUE(TakeProjectTemplate(doc, &project, prompter));
    EXPECT_EQ(prompter.questions.back(), "是否用项目模板的参数替换当前图谱参数!");
    EXPECT_EQ(doc.m_Operator, "王");
    EXPECT_EQ(doc.m_SampleName, "水样");
    EXPECT_EQ(doc.m_Laboratory, "实验室");
    EXPECT_EQ(doc.m_Params, project.m_Params);
    EXPECT_EQ(doc.m_ChannelSetup, project.m_ChannelSetup);
    EXPECT_EQ(doc.m_TimeProgram.size(), 2u);
    EXPECT_EQ(doc.m_UseManualEvents, 1);
    EXPECT_EQ(doc.m_ManualEvents.size(), 1u);
    EXPECT_EQ(doc.m_PrintSettings, project.m_PrintSettings);
    EXPECT_EQ(doc.m_Notes, "kept");
    EXPECT_EQ(doc.m_Samples.size(), 3u);

    // The chromatogram's parameters, changed, go through the buffer to another project.
    doc.m_Params.m_HalfWidth = 4;
    doc.m_Operator = "李";
    ParameterBuffer buffer;
    CPrjDoc other;
    EXPECT_FALSE(PasteParameterBuffer(other, buffer, prompter));  // nothing copied yet
    EXPECT_FALSE(CopyToParameterBuffer(doc, nullptr, buffer, prompter));
    EXPECT_FALSE(buffer.m_Valid);
    prompter.answers = {true, true};
    ASSERT_TRUE(CopyToParameterBuffer(doc, &project, buffer, prompter));
    EXPECT_EQ(prompter.questions.back(), "是否将当前图谱参数设置拷贝到项目模板参数中!");
    EXPECT_TRUE(buffer.m_Method.m_Samples.empty());
    EXPECT_EQ(project.m_Params.m_HalfWidth, 9);  // copying touches no template
    ASSERT_TRUE(PasteParameterBuffer(other, buffer, prompter));
    EXPECT_EQ(prompter.questions.back(), "是否粘贴参数至项目模板!");
    EXPECT_EQ(other.m_Params.m_HalfWidth, 4);
    EXPECT_EQ(other.m_Operator, "李");
    EXPECT_EQ(other.m_Organization, "实验室");
    EXPECT_EQ(other.m_TimeProgram.size(), 2u);
    EXPECT_TRUE(other.m_Modified);
}

}  // namespace
}  // namespace lx
