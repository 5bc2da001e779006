// A method project's whole life: created, given components and standards, calibrated by its
// standard runs, quantifying samples; and the operations around it.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/SyntheticRun.h"
#include "core/TzdFile.h"
#include "peaks/Integration.h"
#include "quant/QuantTexts.h"
#include "quant/calc/Calibration.h"
#include "quant/file/TzpFile.h"
#include "quant/views/ComponentTableRows.h"
#include "quant/workflow/NewProject.h"
#include "quant/workflow/ProjectRecords.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

// Three Gaussians at 2, 4 and 6 minutes on a clean baseline, with the given heights.
std::string WriteMixture(const test::TempDir& dir, const std::string& name,
                         std::vector<double> heights) {
    SyntheticRunOptions o;
    o.minutes = 8;
    o.noise = 0;
    o.drift = 0;
    for (std::size_t i = 0; i < heights.size(); ++i)
        o.peaks.push_back({2.0 * static_cast<double>(i + 1), heights[i], 3.0});
    CTzLabDoc doc = MakeSyntheticRun(o);
    test::NoPrompts noPrompts;
    IntegrateAndQuantify(doc, noPrompts);
    const std::string path = dir.Path(name);
    EXPECT_TRUE(SaveTzdFile(doc, path).ok());
    return path;
}

// What the analysis window does with a file of the project: open, link, detect, quantify.
CTzLabDoc Process(CPrjDoc& project, const std::string& path, Prompter& prompter) {
    auto loaded = LoadTzdFile(path);
    EXPECT_TRUE(loaded.ok());
    CTzLabDoc doc = std::move(loaded.value());
    doc.m_Project = &project;
    IntegrateAndQuantify(doc, prompter);
    return doc;
}

std::int32_t AddComponent(CPrjDoc& project, const char* name, double minutes) {
    ComponentDraft draft = NewComponentDraft(project);
    draft.item.m_Name = name;
    draft.item.m_RetentionTime = minutes;
    draft.item.m_TimeWindow = 0.1;
    return AcceptComponentDraft(project, draft).value();
}

// A project on areas, identified by time band, made by the wizard's rules.
CPrjDoc& NewAreaProject(const test::TempDir& dir, const char* name, std::int32_t method,
                        ProjectList& open, Prompter& prompter) {
    NewProjectSettings s;
    s.m_MethodName = name;
    s.m_Method = method;
    s.m_Basis = kAreaBasis;
    s.m_IdentMode = kTimeBand;
    return *CreateProject(s, dir.Path("app"), open, prompter);
}

double AreaOf(const CPrjFileRecord& record, std::int32_t component) {
    for (const PeakRecord& p : record.m_Peaks)
        if (p.m_Component == component)
            return p.m_Area;
    return 0.0;
}

TEST(NewProject, NameRules) {
    EXPECT_TRUE(IsValidMethodName("苯系物"));
    for (const char* bad : {"", "a.b", "a\\b", "."})
        EXPECT_FALSE(IsValidMethodName(bad)) << bad;

    test::TempDir dir;
    test::ScriptedPrompter prompter;
    ProjectList open;
    NewProjectSettings s;
    s.m_MethodName = "v1.2";
    EXPECT_EQ(CreateProject(s, dir.Path("app"), open, prompter), nullptr);
    EXPECT_EQ(prompter.messages.back(), "方法名称输入错误,请重新输入!");
    EXPECT_FALSE(std::filesystem::exists(dir.Path("app")));

    // A plain file where the folder should be.
    std::filesystem::create_directories(dir.Path("app"));
    test::WriteBytes(dir.Path("app/M"), {1});
    s.m_MethodName = "M";
    EXPECT_EQ(CreateProject(s, dir.Path("app"), open, prompter), nullptr);
    EXPECT_EQ(prompter.messages.back(), "文件存盘目录创建错误!");
    EXPECT_TRUE(open.empty());
}

TEST(NewProject, SavedAtOnceOpenAndCurrentAndNeverOverAnOpenOne) {
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    ProjectList open;
    NewProjectSettings s;
    s.m_MethodName = "苯系物";
    s.m_Operator = "王";
    s.m_SampleName = "水样";
    s.m_Organization = "实验室";
    s.m_Information = "GB 5749";
    s.m_Method = kExternalStandard;
    s.m_Basis = kHeightBasis;  // the identification group left without a choice
    CPrjDoc* created = CreateProject(s, dir.Path("app"), open, prompter);
    ASSERT_NE(created, nullptr);
    const std::string path = dir.Path("app/苯系物/苯系物.Tzp");
    EXPECT_EQ(created->m_PathName, path);
    EXPECT_EQ(open.Current(), created);
    EXPECT_FALSE(created->m_Modified);

    auto reloaded = LoadTzpFile(path, dir.Path("app"));
    ASSERT_TRUE(reloaded.ok());
    EXPECT_EQ(reloaded->m_Version, 18);
    EXPECT_EQ(reloaded->m_Operator, "王");
    EXPECT_EQ(reloaded->m_SampleName, "水样");
    EXPECT_EQ(reloaded->m_Organization, "实验室");
    EXPECT_EQ(reloaded->m_Information, "GB 5749");
    EXPECT_EQ(reloaded->m_Method, kExternalStandard);
    EXPECT_EQ(reloaded->m_Basis, kHeightBasis);
    EXPECT_EQ(reloaded->m_IdentMode, -1);
    EXPECT_EQ(reloaded->m_LevelCount, 1);
    EXPECT_EQ(reloaded->m_CreatedAt, created->m_CreatedAt);
    EXPECT_GT(reloaded->m_CreatedAt, 1700000000);

    // Open: refused, the file untouched.
    const auto before = test::ReadBytes(path);
    s.m_Operator = "李";
    EXPECT_EQ(CreateProject(s, dir.Path("app"), open, prompter), nullptr);
    EXPECT_EQ(prompter.messages.back(), "方法项目文件已打开,方法项目创建失败!");
    EXPECT_TRUE(prompter.questions.empty());

    // Closed: replaced only after Yes.
    open.Close(0);
    EXPECT_EQ(open.Current(), nullptr);
    prompter.answers = {false, true};
    EXPECT_EQ(CreateProject(s, dir.Path("app"), open, prompter), nullptr);
    EXPECT_EQ(prompter.questions.back(), "方法项目文件已存在是否覆盖!");
    EXPECT_EQ(test::ReadBytes(path), before);
    ASSERT_NE(CreateProject(s, dir.Path("app"), open, prompter), nullptr);
    EXPECT_EQ(LoadTzpFile(path, dir.Path("app"))->m_Operator, "李");
}

TEST(ProjectList, OpeningTwiceGivesTheOpenProject) {
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    ProjectList open;
    NewProjectSettings s;
    s.m_MethodName = "A";
    ASSERT_NE(CreateProject(s, dir.path().string(), open, prompter), nullptr);
    s.m_MethodName = "B";
    ASSERT_NE(CreateProject(s, dir.path().string(), open, prompter), nullptr);
    EXPECT_EQ(open.CurrentIndex(), 1);
    auto again = OpenProject(open, dir.Path("A/A.Tzp"), dir.path().string());
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(open.size(), 2u);
    EXPECT_EQ(open.CurrentIndex(), 0);
    EXPECT_EQ(again.value(), &open.at(0));
    auto missing = OpenProject(open, dir.Path("C/C.Tzp"), dir.path().string());
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(open.size(), 2u);
}

// External standard through the origin, two levels. The standards are acquired with the
// project as their method (so their peaks are identified), then added and calibrated; a
// sample at 1.5 times level 1 comes out at its amount.
TEST(ProjectWorkflow, ExternalStandardFromRunsToContents) {
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    ProjectList open;
    CPrjDoc& project = NewAreaProject(dir, "ES", kExternalStandard, open, prompter);
    const std::int32_t benzene = AddComponent(project, "苯", 2.0);
    const std::int32_t toluene = AddComponent(project, "甲苯", 4.0);

    const std::string std1 = WriteMixture(dir, "std1.Tzd", {40000, 60000});
    const std::string std2 = WriteMixture(dir, "std2.Tzd", {80000, 120000});
    const std::string sample = WriteMixture(dir, "s.Tzd", {60000, 90000});
    for (const std::string& run : {std1, std2}) {
        CTzLabDoc doc = Process(project, run, prompter);  // not a standard yet: quantified
        ASSERT_TRUE(SaveTzdFile(doc, run).ok());
    }
    ASSERT_TRUE(AddStandardFile(project, std1, prompter));
    ASSERT_TRUE(AddStandardFile(project, std2, prompter));
    ASSERT_TRUE(SetStandardLevel(project, 1, 2));
    for (std::int32_t id : {benzene, toluene}) {
        SetLevelConcentration(project, project.FindComponent(id), 1, 1.0);
        SetLevelConcentration(project, project.FindComponent(id), 2, 2.0);
    }
    ASSERT_TRUE(Calibrate(project, prompter));
    EXPECT_TRUE(prompter.messages.empty()) << prompter.messages[0];

    CTzLabDoc doc = Process(project, sample, prompter);
    ASSERT_EQ(doc.m_Peaks.size(), 2u);
    for (std::int32_t id : {benzene, toluene}) {
        // Through the origin: a = (1 A1 + 2 A2) / (1 + 4).
        const double a =
            (AreaOf(project.m_Standards[0], id) + 2 * AreaOf(project.m_Standards[1], id)) / 5;
        const PeakRecord& peak = doc.m_Peaks[id == benzene ? 0 : 1];
        EXPECT_EQ(peak.m_Component, id);
        EXPECT_NEAR(peak.m_Content, peak.m_Area / a, 1e-12 * peak.m_Content);
        EXPECT_NEAR(peak.m_Content, 1.5, 0.005);
    }
    EXPECT_TRUE(project.m_Samples.empty());  // processing a sample files nothing
}

// Internal standard: toluene (constant amount) is the standard of benzene. The standards
// are added first and then processed as standards: each run refreshes its record and
// recalibrates the project.
TEST(ProjectWorkflow, InternalStandardRecalibratesAsItsStandardsAreProcessed) {
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    ProjectList open;
    CPrjDoc& project = NewAreaProject(dir, "IS", kInternalStandard, open, prompter);
    const std::int32_t benzene = AddComponent(project, "苯", 2.0);
    const std::int32_t standard = AddComponent(project, "甲苯", 4.0);
    project.m_Components[1].m_IsInternalStandard = 1;
    project.m_Components[0].m_ReferenceIs = standard;

    const std::string std1 = WriteMixture(dir, "std1.Tzd", {40000, 50000});
    const std::string std2 = WriteMixture(dir, "std2.Tzd", {80000, 50000});
    ASSERT_TRUE(AddStandardFile(project, std1, prompter));
    ASSERT_TRUE(AddStandardFile(project, std2, prompter));
    ASSERT_TRUE(SetStandardLevel(project, 1, 2));
    SetLevelConcentration(project, 0, 1, 1.0);
    SetLevelConcentration(project, 0, 2, 2.0);
    SetLevelConcentration(project, 1, 1, 1.0);
    SetLevelConcentration(project, 1, 2, 1.0);

    // The first standard's run finds the second's record still unidentified.
    Process(project, std1, prompter);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], Tr(texts::kZeroResponse));
    const CTzLabDoc run2 = Process(project, std2, prompter);
    EXPECT_EQ(prompter.messages.size(), 1u);
    const CPrjFileRecord& record2 = project.m_Standards[1];
    ASSERT_EQ(record2.m_Peaks.size(), run2.m_Peaks.size());
    for (std::size_t k = 0; k < run2.m_Peaks.size(); ++k)
        EXPECT_EQ(record2.m_Peaks[k].m_Content, run2.m_Peaks[k].m_AreaPercent * 0.01);

    // Points (1, B1/T1) and (2, B2/T2) through the origin.
    const double y1 =
        AreaOf(project.m_Standards[0], benzene) / AreaOf(project.m_Standards[0], standard);
    const double y2 = AreaOf(record2, benzene) / AreaOf(record2, standard);
    const double a = (y1 + 2 * y2) / 5;
    EXPECT_NEAR(project.m_Components[0].m_A, a, 1e-12);
    EXPECT_EQ(project.m_Components[1].m_A, 1.0);

    const std::string sample = WriteMixture(dir, "s.Tzd", {60000, 50000});
    auto loaded = LoadTzdFile(sample);
    loaded->m_Params.m_IsConc1 = 2.0;  // the amount of internal standard added to the sample
    loaded->m_Params.m_SampleVolume = 3.0;
    loaded->m_Params.m_SampleWeight = 1.5;
    ASSERT_TRUE(SaveTzdFile(loaded.value(), sample).ok());
    const CTzLabDoc doc = Process(project, sample, prompter);
    const double ratio = doc.m_Peaks[0].m_Area / doc.m_Peaks[1].m_Area;
    EXPECT_NEAR(doc.m_Peaks[0].m_Content, ratio / a * 3.0 / 1.5 * 2.0, 1e-12);
    EXPECT_NEAR(doc.m_Peaks[0].m_Content, 1.5 * 2 * 2.0, 0.02);
    EXPECT_EQ(doc.m_Peaks[1].m_Content, 0.0);  // the internal standard itself

    // Saved and opened again, the calibration is the same.
    ASSERT_TRUE(SaveTzpFile(project, project.m_PathName).ok());
    auto reopened = LoadTzpFile(project.m_PathName, dir.Path("app"));
    ASSERT_TRUE(reopened.ok());
    EXPECT_EQ(reopened->m_Components, project.m_Components);
    auto stored = project.m_Standards;
    for (CPrjFileRecord& record : stored)
        for (PeakRecord& peak : record.m_Peaks)
            peak.m_RawSum = 0.0;  // integration's own, never in a file
    EXPECT_EQ(reopened->m_Standards, stored);
}

TEST(ProjectWorkflow, NormalizationRefreshesAStandardWithoutCalibrating) {
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    CPrjDoc project;
    project.m_Method = kNormalization;
    project.m_Components.push_back({});
    project.m_Components[0].m_Id = 1;
    project.m_Components[0].m_RetentionTime = 2.0;
    project.m_Components[0].m_TimeWindow = 0.1;
    project.m_Components[0].m_A = 7.0;
    const std::string run = WriteMixture(dir, "n.Tzd", {40000, 60000});
    ASSERT_TRUE(AddStandardFile(project, run, prompter));
    project.m_Standards[0].m_Peaks.clear();
    const CTzLabDoc doc = Process(project, run, prompter);
    ASSERT_EQ(project.m_Standards[0].m_Peaks.size(), 2u);
    EXPECT_EQ(project.m_Standards[0].m_Peaks[0].m_Component, 1);
    EXPECT_EQ(project.m_Standards[0].m_Peaks[1].m_Content, doc.m_Peaks[1].m_AreaPercent * 0.01);
    EXPECT_EQ(project.m_Components[0].m_A, 7.0);
    EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
}  // namespace lx
