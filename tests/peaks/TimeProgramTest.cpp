// The time program step: lock time, timed entries, time doubling and forbidding, and the
// list operations of its page.
#include <gtest/gtest.h>

#include "peaks/PeakDetector.h"
#include "peaks/TimeProgramList.h"
#include "tests/peaks/PeakTestSignals.h"

namespace lx {
namespace {

using test::DocWith;
using test::Polyline;

// Steps and feeds `n` samples of the record (0 beyond its end).
void Advance(PeakDetector& detector, const CTzLabDoc& doc, int n) {
    for (int k = 0; k < n; ++k) {
        detector.TimeProgramStep();
        detector.Feed(doc.m_Samples.At(detector.Count()) < 0 ? 0
                                                             : doc.m_Samples.At(detector.Count()));
    }
}

TEST(TimeProgram, DoublingStartsFromTheSecondSample) {
    CTzLabDoc doc = DocWith(std::vector<std::int32_t>(3000, 0));
    doc.m_Params.m_TimeDoubling = 1.0;  // 1200 samples at 20/s
    PeakDetector d(doc);
    d.TimeProgramStep();  // before the first sample: 0 > 0 is false
    EXPECT_EQ(d.Bunch(), 5);
    EXPECT_DOUBLE_EQ(d.Threshold(), 3.0);
    d.Feed(0);
    d.TimeProgramStep();  // one sample fed: 1 > 0 x 1200
    EXPECT_EQ(d.Bunch(), 10);
    EXPECT_DOUBLE_EQ(d.Threshold(), 1.5);
    EXPECT_EQ(d.PosOffset(), 7);
    d.Feed(0);
    Advance(d, doc, 1198);
    d.TimeProgramStep();  // 1200 fed: 1200 > 1200 is false
    EXPECT_EQ(d.Bunch(), 10);
    d.Feed(0);
    d.TimeProgramStep();  // 1201 fed
    EXPECT_EQ(d.Bunch(), 20);
    EXPECT_DOUBLE_EQ(d.Threshold(), 0.75);
}

TEST(TimeProgram, EntriesSharingATimeTakeEffectOnConsecutiveSamples) {
    CTzLabDoc doc = DocWith(std::vector<std::int32_t>(2000, 0));
    doc.m_Params.m_UseTimeProgram = 1;
    doc.m_TimeProgram = {{0.5, 7, 10.0, 0}, {0.5, 9, 20.0, 0}};  // index 600
    PeakDetector d(doc);
    Advance(d, doc, 600);
    EXPECT_EQ(d.Bunch(), 5);  // the record's values until then
    Advance(d, doc, 1);
    EXPECT_EQ(d.Bunch(), 7);
    EXPECT_DOUBLE_EQ(d.Threshold(), 1.0);
    Advance(d, doc, 1);
    EXPECT_EQ(d.Bunch(), 9);  // the later-entered one last
    EXPECT_DOUBLE_EQ(d.Threshold(), 2.0);
    EXPECT_EQ(d.NextEntry(), 2);
}

TEST(TimeProgram, LockTimeForbidsUntilItsIndexUnlessAnEntryTookOver) {
    CTzLabDoc doc = DocWith(std::vector<std::int32_t>(3000, 0));
    doc.m_ChannelSetup.lockTime = 2.0;  // 2400 samples
    PeakDetector d(doc);
    Advance(d, doc, 2400);
    EXPECT_FALSE(d.Allowed());
    Advance(d, doc, 1);  // the step before sample 2400 sees 2400 fed
    EXPECT_TRUE(d.Allowed());

    // A time program switched on but empty is ignored: the lock still applies.
    doc.m_Params.m_UseTimeProgram = 1;
    PeakDetector empty(doc);
    Advance(empty, doc, 10);
    EXPECT_FALSE(empty.Allowed());

    // An entry at 0.0 applies before the first sample; the lock is not consulted again.
    doc.m_TimeProgram = {{0.0, 5, 30.0, 0}};
    PeakDetector entry(doc);
    Advance(entry, doc, 10);
    EXPECT_TRUE(entry.Allowed());
}

// While locked the detector still classifies: a peak rising as the lock ends starts at once,
// its start walked back over the rising bunches to the last flat one (bunch size 1: 2379).
TEST(TimeProgram, PeakRisingAcrossTheLockStartsWithItsStartWalkedBack) {
    CTzLabDoc doc = DocWith(Polyline(2600, {{0, 0}, {2380, 0}, {2420, 4000}, {2460, 0}}));
    doc.m_Params.m_HalfWidth = 1;
    doc.m_ChannelSetup.lockTime = 2.0;
    PeakDetector(doc).Run();
    ASSERT_EQ(doc.m_Peaks.size(), 1u);
    EXPECT_EQ(doc.m_Peaks[0].m_Start, 2379);
    EXPECT_EQ(doc.m_Peaks[0].m_Apex, 2420);
}

// Forbidding while a peak is in its tail closes it at the oldest bunch still remembered (59
// bunches of one sample back: 570, before this peak's own apex); only when the table already
// holds a peak. Alone, the peak is lost.
TEST(TimeProgram, ForbiddingInATailClosesThePeakAtTheOldestBunch) {
    auto signal =
        Polyline(900, {{0, 0}, {80, 0}, {100, 3000}, {120, 0}, {580, 0}, {600, 3000}, {700, 0}});
    CTzLabDoc doc = DocWith(signal);
    doc.m_Params.m_HalfWidth = 1;
    doc.m_Params.m_UseTimeProgram = 1;
    doc.m_TimeProgram = {{0.0, 1, 30.0, 0}, {630.0 / 1200, 1, 30.0, 1}};
    PeakDetector(doc).Run();
    ASSERT_EQ(doc.m_Peaks.size(), 2u);
    EXPECT_GT(doc.m_Peaks[1].m_Apex, 590);
    EXPECT_EQ(doc.m_Peaks[1].m_End, 570);
    EXPECT_EQ(doc.m_Peaks[0].m_GroupSize, 1);
    EXPECT_EQ(doc.m_Peaks[1].m_GroupSize, 1);

    CTzLabDoc alone = DocWith(Polyline(900, {{0, 0}, {580, 0}, {600, 3000}, {700, 0}}));
    alone.m_Params = doc.m_Params;
    alone.m_TimeProgram = doc.m_TimeProgram;
    PeakDetector(alone).Run();
    EXPECT_TRUE(alone.m_Peaks.empty());
}

TEST(TimeProgramList, InsertsAfterEqualTimesEditsAndDeletes) {
    std::vector<TimeProgramEntry> program;
    EXPECT_EQ(InsertTimeProgramEntry(program, {2.0, 5, 30.0, 0}), 0u);
    EXPECT_EQ(InsertTimeProgramEntry(program, {1.0, 6, 30.0, 0}), 0u);
    EXPECT_EQ(InsertTimeProgramEntry(program, {2.0, 7, 30.0, 1}), 2u);  // after the equal one
    EXPECT_EQ(InsertTimeProgramEntry(program, {1.5, 8, 30.0, 0}), 1u);
    ASSERT_EQ(program.size(), 4u);
    EXPECT_EQ(program[2].m_HalfWidth, 5);
    EXPECT_EQ(program[3].m_HalfWidth, 7);

    // Editing the first entry to 2.0 re-sorts it behind both 2.0 entries.
    ASSERT_TRUE(EditTimeProgramEntry(program, 0, {2.0, 6, 30.0, 0}));
    EXPECT_EQ(program[3].m_HalfWidth, 6);
    EXPECT_FALSE(EditTimeProgramEntry(program, 4, {}));
    EXPECT_FALSE(DeleteTimeProgramEntry(program, 4));
    ASSERT_TRUE(DeleteTimeProgramEntry(program, 0));
    EXPECT_EQ(program.size(), 3u);
    EXPECT_EQ(program[0].m_HalfWidth, 5);
}

TEST(TimeProgramList, RowTextsAndTheNewEntry) {
    const TimeProgramEntry fresh = NewTimeProgramEntry();
    EXPECT_EQ(fresh.m_Time, 0.0);
    EXPECT_EQ(fresh.m_HalfWidth, 3);
    EXPECT_EQ(fresh.m_Slope, 30.0);
    EXPECT_EQ(fresh.m_Forbid, 0);
    const auto row = TimeProgramRowTexts({1.25, 4, 12.5, 1}, 0);
    EXPECT_EQ(row[0], "0");
    EXPECT_EQ(row[1], "1.250");
    EXPECT_EQ(row[2], "4");
    EXPECT_EQ(row[3], "12.50");
    EXPECT_EQ(row[4], "禁止积分");
    EXPECT_EQ(TimeProgramRowTexts(fresh, 3)[4], "允许积分");
}

}  // namespace
}  // namespace lx
