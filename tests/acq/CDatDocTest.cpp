// Channel runs: what is recorded, when a run stops, and what a finished run becomes on disk
// and in its project.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "acq/CDatDoc.h"
#include "acq/RunJournal.h"
#include "core/SyntheticRun.h"
#include "core/TzdFile.h"
#include "quant/file/TzpFile.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

class KeptRuns : public ChannelView {
public:
    std::vector<FinishedRun> runs;
    std::vector<std::int32_t> plotted;
    std::optional<std::string> savePath;  // the save dialog's answer
    int printed = 0;

    void PointAdded(std::int32_t, std::int32_t value) override { plotted.push_back(value); }
    void PrintReport(const CTzLabDoc&) override { ++printed; }
    std::optional<std::string> AskSavePath(const std::string&) override { return savePath; }
    void RunFinished(FinishedRun run) override { runs.push_back(std::move(run)); }
};

class ChannelRun : public ::testing::Test {
protected:
    test::TempDir app;
    test::ScriptedPrompter prompter;
    KeptRuns view;
    CDatDoc doc{0, 20, app.path().string(), view, prompter};

    std::vector<std::int32_t> Recorded(std::size_t run = 0) const {
        const SampleArray& s = view.runs.at(run).record->m_Samples;
        return {s.begin(), s.end()};
    }
    void Feed(std::int32_t value, int count) {
        for (int i = 0; i < count; ++i)
            doc.AddPoint(value);
    }
};

TEST_F(ChannelRun, ValuesOutsideARunAreIgnoredAndAMinuteIsExactly1200Samples) {
    doc.m_Method.m_ChannelSetup.stopTime = 1.0;
    Feed(5, 10);
    EXPECT_TRUE(view.plotted.empty());
    doc.StartRun();
    Feed(5, 1199);
    EXPECT_TRUE(doc.IsRunning());
    Feed(5, 1);
    EXPECT_FALSE(doc.IsRunning());
    ASSERT_EQ(view.runs.size(), 1u);
    EXPECT_EQ(view.runs[0].record->m_Samples.size(), 1200u);
    Feed(5, 3);
    EXPECT_EQ(view.plotted.size(), 1200u);
    // A flat run gets a level range of 1000 uV either side for its plot.
    EXPECT_EQ(doc.m_PlotLow, -995);
    EXPECT_EQ(doc.m_PlotHigh, 1005);
    EXPECT_EQ(doc.m_Method.m_ChannelSetup.timeMax, 1200);
    EXPECT_EQ(doc.m_SampleCount, 0);
}

TEST_F(ChannelRun, InvertThenZeroOffsetAndManualZero) {
    doc.m_Method.m_ChannelSetup.invert = 1;
    doc.m_Method.m_ChannelSetup.zeroOffset = 200;
    doc.StartRun();
    doc.AddPoint(1000);
    EXPECT_EQ(doc.m_CurrentValue, -1200);
    doc.ZeroNext();
    doc.AddPoint(300);  // inverted -300 becomes the zero
    doc.AddPoint(100);
    doc.AddPoint(-700);
    EXPECT_EQ(doc.m_Method.m_ChannelSetup.zeroOffset, -300);
    doc.StopRun();
    EXPECT_EQ(Recorded(), (std::vector<std::int32_t>{-1200, 0, 200, 1000}));
    // The plot range widens by 5 % of the run's span on both sides.
    EXPECT_EQ(doc.m_PlotLow, -1200 - 110);
    EXPECT_EQ(doc.m_PlotHigh, 1000 + 110);
}

TEST_F(ChannelRun, ZeroAtStartTakesEachRunsFirstValue) {
    doc.m_Method.m_ChannelSetup.zeroAtStart = 1;
    for (std::int32_t first : {500, 800}) {
        doc.StartRun();
        doc.AddPoint(first);
        doc.AddPoint(first + 10);
        doc.StopRun();
    }
    EXPECT_EQ(Recorded(0), (std::vector<std::int32_t>{0, 10}));
    EXPECT_EQ(Recorded(1), (std::vector<std::int32_t>{0, 10}));
}

TEST_F(ChannelRun, TheBaselineIsSubtractedUntilItRunsOut) {
    CTzLabDoc baseline;
    baseline.m_Samples.Resize(3);
    for (int i = 0; i < 3; ++i)
        baseline.m_Samples.SetAt(static_cast<std::size_t>(i), 100 * (i + 1));
    ASSERT_TRUE(SaveTzdFile(baseline, app.Path("blank.Tzd")).ok());
    ChannelSetup& setup = doc.m_Method.m_ChannelSetup;
    setup.baselineOn = 1;
    setup.baselineFile = "blank.Tzd";  // under the application directory
    doc.StartRun();
    Feed(1000, 3);
    EXPECT_FALSE(doc.IsRunning());
    EXPECT_EQ(Recorded(), (std::vector<std::int32_t>{900, 800, 700}));
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"基线扣除时间到，采样结束!"});
}

TEST_F(ChannelRun, AMissingOrUnreadableBaselineSwitchesTheSubtractionOff) {
    ChannelSetup& setup = doc.m_Method.m_ChannelSetup;
    setup.baselineOn = 1;
    EXPECT_FALSE(doc.LoadBaseline());
    EXPECT_EQ(setup.baselineOn, 0);
    setup.baselineOn = 1;
    setup.baselineFile = "nowhere.Tzd";
    EXPECT_FALSE(doc.LoadBaseline());
    EXPECT_EQ(setup.baselineOn, 0);
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{"基线扣除文件打开错误 !",
                                                           "基线扣除文件[nowhere.Tzd]打开错误 !"}));
}

TEST_F(ChannelRun, ARunIsSavedIntegratedUnderItsNameAndItsJournalGoes) {
    SyntheticRunOptions options;
    options.minutes = 3.0;
    options.peaks = {{1.0, 30000.0, 3.0}, {2.0, 50000.0, 3.0}};
    const CTzLabDoc source = MakeSyntheticRun(options);
    ChannelSetup& setup = doc.m_Method.m_ChannelSetup;
    setup.prefix = "Run";
    setup.timeOn = setup.monthOn = setup.dayOn = 0;
    setup.fileNumber = 7;
    setup.autoPrint = 1;
    doc.StartRun();
    const auto journals = FindJournals(app.path().string());
    ASSERT_EQ(journals.size(), 1u);
    for (std::int32_t v : source.m_Samples)
        doc.AddPoint(v);
    doc.StopRun();

    ASSERT_EQ(view.runs.size(), 1u);
    const FinishedRun& run = view.runs[0];
    EXPECT_EQ(run.path, app.Path("Data/Run-8-au.Tzd"));
    EXPECT_EQ(setup.fileNumber, 8);
    EXPECT_EQ(view.printed, 1);
    ASSERT_EQ(run.record->m_Peaks.size(), 2u);
    auto saved = LoadTzdFile(run.path);
    ASSERT_TRUE(saved.ok()) << saved.error();
    EXPECT_EQ(saved->m_Samples, source.m_Samples);
    EXPECT_EQ(saved->m_Peaks.size(), 2u);
    EXPECT_EQ(saved->m_ChannelSetup.prefix, "Run");
    EXPECT_FALSE(std::filesystem::exists(journals[0]));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ChannelRun, AnUnsavedRunKeepsItsJournal) {
    doc.m_Method.m_ChannelSetup.autoSave = 0;  // the operator cancels the save dialog
    doc.StartRun();
    Feed(42, 5);
    doc.StopRun();
    ASSERT_EQ(view.runs.size(), 1u);
    EXPECT_TRUE(view.runs[0].path.empty());
    const auto journals = FindJournals(app.path().string());
    ASSERT_EQ(journals.size(), 1u);
    auto kept = ReadJournal(journals[0]);
    ASSERT_TRUE(kept.ok()) << kept.error();
    EXPECT_EQ(kept->method.m_Samples.size(), 5u);
}

TEST_F(ChannelRun, CancellingAsksAndDropsTheRun) {
    doc.StartRun();
    Feed(42, 5);
    EXPECT_FALSE(doc.CancelRun());  // No
    EXPECT_TRUE(doc.IsRunning());
    prompter.answers = {true};
    EXPECT_TRUE(doc.CancelRun());
    EXPECT_FALSE(doc.IsRunning());
    EXPECT_EQ(prompter.questions, (std::vector<std::string>(2, "是否取消采样!")));
    EXPECT_TRUE(view.runs.empty());
    EXPECT_TRUE(FindJournals(app.path().string()).empty());
    EXPECT_FALSE(std::filesystem::exists(app.Path("Data/图谱-1-au.Tzd")));
}

TEST_F(ChannelRun, AStandardRunJoinsItsProjectAndCalibrates) {
    CPrjDoc project;
    project.m_Method = kExternalStandard;
    CComponentItem benzene;
    benzene.m_Name = "苯";
    benzene.m_RetentionTime = 1.0;
    benzene.m_TimeWindow = 0.1;
    project.AddComponent(benzene);
    project.m_Components[0].m_Points[0].m_Concentration = 2.0;
    ASSERT_TRUE(SaveTzpFile(project, app.Path("苯.Tzp")).ok());
    doc.m_Project = &project;
    doc.m_Method.m_ChannelSetup.runKind = 0;

    SyntheticRunOptions options;
    options.minutes = 2.0;
    options.peaks = {{1.0, 30000.0, 3.0}};
    doc.StartRun();
    for (std::int32_t v : MakeSyntheticRun(options).m_Samples)
        doc.AddPoint(v);
    doc.StopRun();

    ASSERT_EQ(view.runs.size(), 1u);
    const FinishedRun& run = view.runs[0];
    ASSERT_FALSE(run.path.empty());
    ASSERT_EQ(run.record->m_Peaks.size(), 1u);
    const double area = run.record->m_Peaks[0].m_Area;
    auto reloaded = LoadTzpFile(app.Path("苯.Tzp"), app.path().string());
    ASSERT_TRUE(reloaded.ok()) << reloaded.error();
    for (const CPrjDoc* p : {&project, &reloaded.value()}) {
        ASSERT_EQ(p->m_Standards.size(), 1u);
        EXPECT_TRUE(p->m_Samples.empty());
        const CCalPoint& point = p->m_Components[0].m_Points[0];
        ASSERT_EQ(point.m_Repeats.size(), 1u);
        EXPECT_DOUBLE_EQ(point.m_Repeats[0].m_Area, area);
        EXPECT_DOUBLE_EQ(point.m_MeanResponse, area);
    }
    EXPECT_EQ(std::filesystem::path(reloaded->m_Standards[0].m_FileName).filename(),
              std::filesystem::path(run.path).filename());
}

}  // namespace
}  // namespace lx
