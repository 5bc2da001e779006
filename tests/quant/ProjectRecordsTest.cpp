// The file records of a project: adding, refusing, removing, and the level bookkeeping.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/TzdFile.h"
#include "quant/QuantTexts.h"
#include "quant/file/TzpFile.h"
#include "quant/workflow/ProjectRecords.h"
#include "tests/quant/QuantTestRecords.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

using test::Peak;
using test::Standard;

// A chromatogram file with a creation date and two peaks, as a finished run leaves it.
std::string WriteRun(const test::TempDir& dir, const std::string& name, std::int32_t createdAt) {
    CTzLabDoc doc;
    doc.m_CreatedAt = createdAt;
    doc.m_Peaks = {Peak(1, 100, 10), Peak(2, 200, 20)};
    const std::string path = dir.Path(name);
    EXPECT_TRUE(SaveTzdFile(doc, path).ok());
    return path;
}

// A component with one point per concentration.
CComponentItem Component(std::int32_t id, std::vector<double> concentrations) {
    CComponentItem c;
    c.m_Id = id;
    for (double conc : concentrations)
        c.m_Points.push_back({conc, 0.0, {}});
    return c;
}

std::vector<std::pair<int, int>> LevelsAndRepeats(const CPrjDoc& project) {
    std::vector<std::pair<int, int>> out;
    for (const CPrjFileRecord& r : project.m_Standards)
        out.emplace_back(r.m_Level, r.m_Repeat);
    return out;
}

TEST(AddStandardFile, NewestLevelNextRepeatAndTheFilesPeaks) {
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    CPrjDoc project;
    project.m_LevelCount = 2;
    project.m_Standards = {Standard(1, 1, {}, "/elsewhere/old.Tzd")};
    for (const char* name : {"a.Tzd", "b.Tzd", "c.Tzd"})
        ASSERT_TRUE(AddStandardFile(project, WriteRun(dir, name, 1700000000), prompter));
    EXPECT_EQ(LevelsAndRepeats(project),
              (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}, {2, 2}, {2, 3}}));
    const CPrjFileRecord& added = project.m_Standards[1];
    EXPECT_EQ(added.m_FileName, dir.Path("a.Tzd"));
    EXPECT_EQ(added.m_CreatedAt, 1700000000);
    ASSERT_EQ(added.m_Peaks.size(), 2u);
    EXPECT_EQ(added.m_Peaks[1].m_Area, 200.0);
    EXPECT_TRUE(project.m_Modified);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(AddStandardFile, RefusesDuplicatesAndUnreadableFilesAndLeavesTheSecondList) {
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    CPrjDoc project;
    const std::string run = WriteRun(dir, "Run.Tzd", 1);
    std::string shouted = run;
    shouted.replace(shouted.size() - 7, 3, "RUN");
    project.m_Samples = {Standard(1, 1, {}, shouted.c_str())};

    EXPECT_FALSE(AddStandardFile(project, run, prompter));
    EXPECT_EQ(prompter.messages.back(), "文件记录 <" + run + "> 已存在!");
    EXPECT_TRUE(project.m_Standards.empty());

    project.m_Samples.clear();
    const std::string missing = dir.Path("missing.Tzd");
    EXPECT_FALSE(AddStandardFile(project, missing, prompter));
    EXPECT_EQ(prompter.messages.back(), "打开文件[" + missing + "]错误!");
    test::WriteBytes(dir.Path("cut.Tzd"), {1, 2, 3});
    EXPECT_FALSE(AddStandardFile(project, dir.Path("cut.Tzd"), prompter));
    EXPECT_EQ(prompter.messages.back(), "打开文件[" + dir.Path("cut.Tzd") + "]错误!");
    EXPECT_TRUE(project.m_Standards.empty());
    EXPECT_FALSE(project.m_Modified);

    // A file in the second list becomes a calibration standard and leaves that list.
    project.m_SecondStandards = {Standard(1, 1, {}, shouted.c_str()),
                                 Standard(1, 1, {}, "/other.Tzd")};
    ASSERT_TRUE(AddStandardFile(project, run, prompter));
    ASSERT_EQ(project.m_SecondStandards.size(), 1u);
    EXPECT_EQ(project.m_SecondStandards[0].m_FileName, "/other.Tzd");
}

TEST(AddSampleFile, RefusesAPathOfAnyList) {
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    CPrjDoc project;
    const std::string run = WriteRun(dir, "s.Tzd", 5);
    project.m_SecondStandards = {Standard(1, 1, {}, run.c_str())};
    EXPECT_FALSE(AddSampleFile(project, run, prompter));
    EXPECT_EQ(prompter.messages.back(), "文件已存在!");
    project.m_SecondStandards.clear();
    ASSERT_TRUE(AddSampleFile(project, run, prompter));
    EXPECT_EQ(project.m_Samples[0].m_CreatedAt, 5);
    EXPECT_FALSE(AddSampleFile(project, run, prompter));
    EXPECT_FALSE(AddSampleFile(project, dir.Path("gone.Tzd"), prompter));
    EXPECT_EQ(prompter.messages.back(), "打开文件[" + dir.Path("gone.Tzd") + "]错误!");
    EXPECT_EQ(project.m_Samples.size(), 1u);
}

// Levels 1..3 with points 10, 20, 30; removing the only standard of level 2 drops that point
// from every component, level 3 becomes level 2 and the repeats close up.
TEST(LevelMaintenance, RemovingTheLastStandardOfALevel) {
    test::ScriptedPrompter prompter;
    CPrjDoc project;
    project.m_LevelCount = 3;
    project.m_Components = {Component(1, {10, 20, 30}), Component(2, {11, 21, 31})};
    project.m_Standards = {Standard(1, 1, {}, "a"), Standard(3, 1, {}, "b"),
                           Standard(2, 1, {}, "c"), Standard(3, 2, {}, "d"),
                           Standard(1, 2, {}, "e")};

    prompter.answers = {false};
    EXPECT_FALSE(RemoveRecord(project, RecordList::kStandards, 2, prompter));
    EXPECT_EQ(prompter.questions.back(), "是否从分析项目中删除记录[c] !");
    EXPECT_EQ(project.m_Standards.size(), 5u);

    prompter.answers = {true};
    ASSERT_TRUE(RemoveRecord(project, RecordList::kStandards, 2, prompter));
    EXPECT_EQ(project.m_LevelCount, 2);
    EXPECT_EQ(LevelsAndRepeats(project),
              (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}, {2, 2}, {1, 2}}));
    for (const CComponentItem& c : project.m_Components) {
        ASSERT_EQ(c.m_Points.size(), 2u);
        EXPECT_EQ(c.m_Points[1].m_Concentration, c.m_Points[0].m_Concentration + 20);
    }

    // Removing a repeat renumbers the rest of its level in list order.
    prompter.answers = {true};
    ASSERT_TRUE(RemoveRecord(project, RecordList::kStandards, 0, prompter));
    EXPECT_EQ(LevelsAndRepeats(project),
              (std::vector<std::pair<int, int>>{{2, 1}, {2, 2}, {1, 1}}));
    EXPECT_EQ(project.m_LevelCount, 2);
}

TEST(LevelMaintenance, NeverBelowOneLevel) {
    CPrjDoc project;
    project.m_LevelCount = 3;
    project.m_Components = {Component(1, {10, 20, 30})};
    MaintainLevels(project);  // no standards at all: the first level stays
    EXPECT_EQ(project.m_LevelCount, 1);
    ASSERT_EQ(project.m_Components[0].m_Points.size(), 1u);
    EXPECT_EQ(project.m_Components[0].m_Points[0].m_Concentration, 10);

    // Only level 3 used: it becomes level 1, keeping its concentration.
    project.m_LevelCount = 3;
    project.m_Components = {Component(1, {10, 20, 30})};
    project.m_Standards = {Standard(3, 4, {}, "x")};
    MaintainLevels(project);
    EXPECT_EQ(project.m_LevelCount, 1);
    EXPECT_EQ(project.m_Components[0].m_Points[0].m_Concentration, 30);
    EXPECT_EQ(LevelsAndRepeats(project), (std::vector<std::pair<int, int>>{{1, 1}}));
}

TEST(LevelMaintenance, SettingALevel) {
    CPrjDoc project;
    project.m_LevelCount = 2;
    project.m_Components = {Component(1, {10, 20})};
    project.m_Standards = {Standard(1, 1, {}, "a"), Standard(2, 1, {}, "b"),
                           Standard(2, 2, {}, "c")};

    // Above the count: a new last level with an empty point, and the standard moves there.
    ASSERT_TRUE(SetStandardLevel(project, 1, 7));
    EXPECT_EQ(project.m_LevelCount, 3);
    EXPECT_EQ(LevelsAndRepeats(project),
              (std::vector<std::pair<int, int>>{{1, 1}, {3, 1}, {2, 1}}));
    ASSERT_EQ(project.m_Components[0].m_Points.size(), 3u);
    EXPECT_EQ(project.m_Components[0].m_Points[2].m_Concentration, 0);

    // Emptying level 1 removes it: the others move down and keep their points.
    ASSERT_TRUE(SetStandardLevel(project, 0, 2));
    EXPECT_EQ(project.m_LevelCount, 2);
    EXPECT_EQ(LevelsAndRepeats(project),
              (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}, {1, 2}}));
    EXPECT_EQ(project.m_Components[0].m_Points[0].m_Concentration, 20);

    EXPECT_FALSE(SetStandardLevel(project, 0, 0));
    EXPECT_FALSE(SetStandardLevel(project, 3, 1));
}

TEST(RemoveAllRecords, EmptiesOneListAndKeepsTheLevels) {
    test::ScriptedPrompter prompter;
    CPrjDoc project;
    project.m_LevelCount = 2;
    project.m_Components = {Component(1, {10, 20})};
    project.m_Standards = {Standard(1, 1, {}, "a"), Standard(2, 1, {}, "b")};
    project.m_SecondStandards = {Standard(1, 1, {}, "s2")};
    project.m_Samples = {Standard(1, 1, {}, "s")};

    prompter.answers = {false, true, true};
    EXPECT_FALSE(RemoveAllRecords(project, RecordList::kStandards, prompter));
    EXPECT_EQ(project.m_Standards.size(), 2u);
    ASSERT_TRUE(RemoveAllRecords(project, RecordList::kStandards, prompter));
    EXPECT_TRUE(project.m_Standards.empty());
    EXPECT_EQ(project.m_SecondStandards.size(), 1u);
    EXPECT_EQ(project.m_LevelCount, 2);
    EXPECT_EQ(project.m_Components[0].m_Points[1].m_Concentration, 20);
    ASSERT_TRUE(RemoveAllRecords(project, RecordList::kSamples, prompter));
    EXPECT_TRUE(project.m_Samples.empty());
    EXPECT_EQ(prompter.questions,
              (std::vector<std::string>{"是否从分析项目中删除所有标准文件记录!",
                                        "是否从分析项目中删除所有标准文件记录!",
                                        "是否从分析项目中删除所有样品文件记录!"}));
}

TEST(OpenRecordFile, AVanishedFileIsOfferedForRemoval) {
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    CPrjDoc project;
    project.m_PathName = dir.Path("P.Tzp");
    project.m_LevelCount = 2;
    const std::string here = WriteRun(dir, "here.Tzd", 1);
    project.m_Standards = {Standard(1, 1, {}, here.c_str()),
                           Standard(2, 1, {}, dir.Path("gone.Tzd").c_str())};

    EXPECT_EQ(OpenRecordFile(project, RecordList::kStandards, 0, prompter), here);
    EXPECT_TRUE(prompter.questions.empty());

    prompter.answers = {false};
    EXPECT_EQ(OpenRecordFile(project, RecordList::kStandards, 1, prompter), std::nullopt);
    EXPECT_EQ(prompter.questions.back(), "文件[" + dir.Path("gone.Tzd") + "]不存在, 是否删除记录!");
    EXPECT_EQ(project.m_Standards.size(), 2u);
    EXPECT_FALSE(project.m_Modified);

    prompter.answers = {true};
    EXPECT_EQ(OpenRecordFile(project, RecordList::kStandards, 1, prompter), std::nullopt);
    ASSERT_EQ(project.m_Standards.size(), 1u);
    EXPECT_EQ(project.m_LevelCount, 1);  // its level went with it
}

// A project made on the workstation's own machine names its files with Windows paths; here
// they are found under the application directory or beside the project, and the record keeps
// its text until the project is saved.
TEST(RecordPaths, WindowsPathsResolveAndAreRewrittenOnlyBySaving) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.path() / "app" / "Data");
    std::filesystem::create_directories(dir.path() / "proj");
    const std::string underApp = WriteRun(dir, "app/Data/std1.Tzd", 1);
    const std::string beside = WriteRun(dir, "proj/std2.Tzd", 1);
    CPrjDoc project;
    project.m_AppDir = dir.Path("app");
    project.m_PathName = dir.Path("proj/P.Tzp");
    project.m_Standards = {Standard(1, 1, {}, "C:\\TzLab\\Data\\std1.Tzd"),
                           Standard(1, 2, {}, "D:\\old\\methods\\std2.Tzd"),
                           Standard(1, 3, {}, "C:\\TzLab\\Data\\std3.Tzd")};

    EXPECT_EQ(RecordFilePath(project, project.m_Standards[0]), underApp);
    EXPECT_EQ(RecordFilePath(project, project.m_Standards[1]), beside);
    EXPECT_EQ(RecordFilePath(project, project.m_Standards[2]), "C:/TzLab/Data/std3.Tzd");
    EXPECT_EQ(FindRecord(project, RecordList::kStandards, beside), 1);
    EXPECT_EQ(FindRecord(project, RecordList::kStandards, underApp), 0);
    EXPECT_EQ(FindRecord(project, RecordList::kStandards, "C:\\TZLAB\\DATA\\STD1.TZD"), 0);
    EXPECT_EQ(FindRecord(project, RecordList::kSamples, underApp), -1);
    EXPECT_EQ(project.m_Standards[0].m_FileName, "C:\\TzLab\\Data\\std1.Tzd");

    test::ScriptedPrompter prompter;
    EXPECT_EQ(OpenRecordFile(project, RecordList::kStandards, 0, prompter), underApp);

    // The operator's save writes where the files are now; what is found nowhere stays.
    ASSERT_TRUE(SaveProject(project, project.m_PathName).ok());
    auto saved = LoadTzpFile(project.m_PathName, project.m_AppDir);
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved->m_Standards[0].m_FileName, underApp);
    EXPECT_EQ(saved->m_Standards[1].m_FileName, beside);
    EXPECT_EQ(saved->m_Standards[2].m_FileName, "C:\\TzLab\\Data\\std3.Tzd");
}

}  // namespace
}  // namespace lx
