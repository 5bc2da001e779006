// Manual integration events: an edit made as the view makes it, then a fresh integration that
// replays the recorded list, must give the very same table; rejected edits change and record
// nothing; the event list page keeps later peak references true.
#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <random>

#include "core/Archive.h"
#include "core/SyntheticRun.h"
#include "core/TzdFile.h"
#include "peaks/Integration.h"
#include "peaks/ManualEvents.h"
#include "tests/peaks/PeakTestSignals.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

// Nothing here has a project, so integration must not ask or tell anything.
test::NoPrompts noPrompts;

using test::Detected;
using test::DocWith;
using test::Polyline;

constexpr std::int32_t kSkimFlagsForTest =
    kTailingParent | kTailingRider | kLeadingParent | kLeadingRider;

CTzLabDoc IntegratedRun(std::uint32_t seed) {
    SyntheticRunOptions o;
    o.seed = seed;
    o.minutes = 40;
    CTzLabDoc doc = MakeSyntheticRun(o);
    IntegrateAndQuantify(doc, noPrompts);
    return doc;
}

constexpr ManualEventType kEveryType[] = {
    kEventMoveStart,    kEventMoveApex,    kEventMoveEnd,      kEventObliqueCut,
    kEventVerticalDrop, kEventRearTangent, kEventFrontTangent, kEventForcedBaseline,
    kEventAddPeak,      kEventDeletePeak,  kEventNegativePeak};

struct Edit {
    ManualEventType type;
    std::int32_t x, k, spanEnd;
};

// A sensible edit of `type` on peak k of the table, as an operator would mark it.
Edit EditFor(const std::vector<PeakRecord>& P, ManualEventType type, std::size_t k) {
    const PeakRecord& p = P[k];
    const bool hasNext = k + 1 < P.size();
    const auto kk = static_cast<std::int32_t>(k);
    switch (type) {
        case kEventMoveStart:
            return {type, std::max(p.m_Start - 3, k > 0 ? P[k - 1].m_Apex + 1 : 0), kk, -1};
        case kEventMoveApex:
            return {type, p.m_Apex + 1, kk, -1};
        case kEventMoveEnd:
            return {type, p.m_End - 2 > p.m_Apex ? p.m_End - 2 : p.m_End + 2, kk, -1};
        case kEventObliqueCut:
        case kEventVerticalDrop:
        case kEventRearTangent:
            return {type, hasNext ? P[k + 1].m_Start + 1 : p.m_Start + 1, kk, -1};
        case kEventFrontTangent:
            return {type, k > 0 ? P[k - 1].m_End - 1 : 0, kk, -1};
        case kEventForcedBaseline:
            return {type, p.m_Start + 1, kk, -1};
        case kEventAddPeak: {
            const std::int32_t from = p.m_End + 20;
            const std::int32_t to = hasNext ? P[k + 1].m_Start - 20 : from + 200;
            return {type, from, kk, to};
        }
        default:
            return {type, 0, kk, -1};
    }
}

TEST(ManualEvents, ReplayGivesTheTableOfTheInteractiveEditForEveryType) {
    std::map<std::int32_t, int> accepted;
    for (std::uint32_t seed : {1u, 2u, 3u, 4u}) {
        const CTzLabDoc integrated = IntegratedRun(seed);
        ASSERT_GT(integrated.m_Peaks.size(), 6u);
        for (ManualEventType type : kEveryType) {
            for (std::size_t k = 0; k < integrated.m_Peaks.size(); k += 3) {
                CTzLabDoc doc = integrated;
                const Edit e = EditFor(doc.m_Peaks, type, k);
                if (!EditPeaks(doc, noPrompts, e.type, e.x, e.k, e.spanEnd)) {
                    EXPECT_TRUE(doc.m_ManualEvents.empty());
                    continue;
                }
                ++accepted[type];
                ASSERT_EQ(doc.m_ManualEvents.size(), 1u);
                EXPECT_EQ(doc.m_ManualEvents[0].m_Type, type);
                EXPECT_EQ(doc.m_UseManualEvents, 1);
                CTzLabDoc replayed = doc;
                IntegrateAndQuantify(replayed, noPrompts);
                ASSERT_EQ(replayed.m_Peaks, doc.m_Peaks)
                    << "seed " << seed << " type " << type << " peak " << k;
            }
        }
    }
    for (ManualEventType type : kEveryType)
        EXPECT_GE(accepted[type], 5) << "type " << type << " was hardly ever accepted";
}

TEST(ManualEvents, SeveralEditsReplayInOrder) {
    CTzLabDoc doc = IntegratedRun(5);
    ASSERT_GT(doc.m_Peaks.size(), 8u);
    auto apply = [&](ManualEventType type, std::size_t k) {
        const Edit e = EditFor(doc.m_Peaks, type, k);
        return EditPeaks(doc, noPrompts, e.type, e.x, e.k, e.spanEnd);
    };
    ASSERT_TRUE(apply(kEventMoveApex, 1));
    ASSERT_TRUE(apply(kEventForcedBaseline, 4));
    ASSERT_TRUE(apply(kEventDeletePeak, 6));
    ASSERT_TRUE(apply(kEventAddPeak, 2));
    ASSERT_EQ(doc.m_ManualEvents.size(), 4u);
    CTzLabDoc replayed = doc;
    IntegrateAndQuantify(replayed, noPrompts);
    EXPECT_EQ(replayed.m_Peaks, doc.m_Peaks);
}

// Random sequences of one to six edits of every type on random runs. After each accepted
// edit the table on screen must be the one a fresh integration gives, and after the sequence
// the one that integrating the saved file gives; a refused edit changes nothing.
TEST(ManualEvents, RandomEditSequencesReplayToTheTableOnScreen) {
    test::TempDir dir;
    std::mt19937 random(20261206);
    auto uniform = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    std::map<ManualEventType, int> accepted;
    int sequencesWithSeveralEdits = 0;
    for (int trial = 0; trial < 250; ++trial) {
        SyntheticRunOptions o;
        o.seed = static_cast<std::uint32_t>(trial + 100);
        o.minutes = 8;
        o.peakSpacing = uniform(300, 1500);
        CTzLabDoc doc = MakeSyntheticRun(o);
        IntegrateAndQuantify(doc, noPrompts);
        if (doc.m_Peaks.size() < 3)
            continue;
        int acceptedHere = 0;
        const int edits = uniform(1, 6);
        for (int n = 0; n < edits; ++n) {
            const ManualEventType type = kEveryType[uniform(0, std::size(kEveryType) - 1)];
            const auto k =
                static_cast<std::size_t>(uniform(0, static_cast<int>(doc.m_Peaks.size()) - 1));
            Edit e = EditFor(doc.m_Peaks, type, k);
            e.x += uniform(-12, 12);
            const CTzLabDoc before = doc;
            if (!EditPeaks(doc, noPrompts, e.type, e.x, e.k, e.spanEnd)) {
                ASSERT_EQ(doc.m_Peaks, before.m_Peaks) << "trial " << trial << " edit " << n;
                ASSERT_EQ(doc.m_ManualEvents, before.m_ManualEvents);
                ASSERT_EQ(doc.m_UseManualEvents, before.m_UseManualEvents);
                continue;
            }
            ++accepted[type];
            ++acceptedHere;
            ASSERT_EQ(doc.m_ManualEvents.size(), before.m_ManualEvents.size() + 1);
            CTzLabDoc fresh = doc;
            IntegrateAndQuantify(fresh, noPrompts);
            ASSERT_EQ(fresh.m_Peaks, doc.m_Peaks)
                << "trial " << trial << " edit " << n << " type " << type << " peak " << k;
        }
        sequencesWithSeveralEdits += acceptedHere >= 2;
        const std::string path = dir.Path("edited.Tzd");
        ASSERT_TRUE(SaveTzdFile(doc, path).ok());
        auto reloaded = LoadTzdFile(path);
        ASSERT_TRUE(reloaded.ok());
        IntegrateAndQuantify(reloaded.value(), noPrompts);
        ASSERT_EQ(reloaded->m_Peaks, doc.m_Peaks) << "trial " << trial << " after saving";
    }
    EXPECT_GE(sequencesWithSeveralEdits, 60);
    for (ManualEventType type : kEveryType)
        EXPECT_GE(accepted[type], 5) << "type " << type << " was hardly ever accepted";
}

TEST(ManualEvents, EventsSurviveSaveAndReload) {
    test::TempDir dir;
    CTzLabDoc doc = IntegratedRun(6);
    const Edit e = EditFor(doc.m_Peaks, kEventVerticalDrop, 2);
    ASSERT_TRUE(EditPeaks(doc, noPrompts, e.type, e.x, e.k, e.spanEnd));
    ASSERT_TRUE(SaveTzdFile(doc, dir.Path("edited.Tzd")).ok());
    auto loaded = LoadTzdFile(dir.Path("edited.Tzd"));
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded->m_ManualEvents, doc.m_ManualEvents);
    EXPECT_EQ(loaded->m_UseManualEvents, 1);
    IntegrateAndQuantify(loaded.value(), noPrompts);
    ASSERT_EQ(loaded->m_Peaks.size(), doc.m_Peaks.size());
    for (std::size_t k = 0; k < doc.m_Peaks.size(); ++k) {
        EXPECT_EQ(loaded->m_Peaks[k].m_BaseStart, doc.m_Peaks[k].m_BaseStart);
        EXPECT_EQ(loaded->m_Peaks[k].m_Flags, doc.m_Peaks[k].m_Flags);
        EXPECT_DOUBLE_EQ(loaded->m_Peaks[k].m_Area, doc.m_Peaks[k].m_Area);
    }
}

// Two peaks at 20 and 40 sharing a valley at 30 on the line (10,0)-(60,1000).
CTzLabDoc FusedPair(std::int32_t valley = 400) {
    CTzLabDoc doc = DocWith(Polyline(
        100, {{0, 0}, {10, 0}, {20, 2000}, {30, valley}, {40, 3000}, {60, 1000}, {99, 1000}}));
    doc.m_Peaks = {Detected(doc, 10, 20, 30, kEndsInValley, 2),
                   Detected(doc, 30, 40, 60, kStartsInValley, 0)};
    doc.m_Peaks[0].m_BaseEndValue = doc.m_Peaks[1].m_BaseStartValue = 400;
    doc.m_Peaks[1].m_BaseEndValue = 1000;
    return doc;
}

TEST(ManualEvents, MovingAStartIntoASharedValleyMovesBothBaselineEnds) {
    CTzLabDoc doc = FusedPair();
    ManualEvent e;
    e.m_Type = kEventMoveStart;
    e.m_Param1 = 33;  // the line (10,0)-(60,1000) is at 460 there; the signal at 33 is 1190
    e.m_Param2 = 1;
    ASSERT_TRUE(ApplyManualEvent(doc, e));
    const PeakRecord& a = doc.m_Peaks[0];
    const PeakRecord& b = doc.m_Peaks[1];
    EXPECT_EQ(a.m_End, 33);
    EXPECT_EQ(a.m_BaseEnd, 33);
    EXPECT_EQ(b.m_Start, 33);
    EXPECT_EQ(b.m_BaseStart, 33);
    EXPECT_EQ(a.m_BaseEndValue, 460);
    EXPECT_EQ(b.m_BaseStartValue, 460);
    EXPECT_EQ(a.m_EndValue, doc.m_Samples.At(33));

    // Where the signal lies below the line, both ends take the signal: with a valley of
    // 100 uV the signal at 31 is 390, under the line's 420.
    CTzLabDoc low = FusedPair(100);
    e.m_Param1 = 31;
    ASSERT_TRUE(ApplyManualEvent(low, e));
    EXPECT_EQ(low.m_Peaks[0].m_BaseEndValue, 390);
    EXPECT_EQ(low.m_Peaks[1].m_BaseStartValue, 390);
}

ManualEvent At(std::int32_t type, std::int32_t x, std::int32_t k) {
    ManualEvent e;
    e.m_Type = type;
    e.m_Param1 = x;
    e.m_Param2 = k;
    return e;
}

TEST(ManualEvents, MovingStartsAndEndsOfTouchingAndLonePeaks) {
    // Touching: separate baselines, the first's end is the second's start (30).
    CTzLabDoc touching = FusedPair();
    touching.m_Peaks[1].m_BaseStart = 31;
    ASSERT_TRUE(ApplyManualEvent(touching, At(kEventMoveStart, 27, 1)));
    EXPECT_EQ(touching.m_Peaks[0].m_End, 27);
    EXPECT_EQ(touching.m_Peaks[0].m_BaseEnd, 30);  // its baseline stays
    EXPECT_EQ(touching.m_Peaks[1].m_BaseStartValue, touching.m_Samples.At(27));

    // Apart: only the peak itself moves.
    CTzLabDoc apart = FusedPair();
    apart.m_Peaks[1].m_Start = apart.m_Peaks[1].m_BaseStart = 32;
    ASSERT_TRUE(ApplyManualEvent(apart, At(kEventMoveStart, 34, 1)));
    EXPECT_EQ(apart.m_Peaks[0].m_End, 30);
    EXPECT_EQ(apart.m_Peaks[1].m_Start, 34);

    // Moving the first peak's end into the shared valley: both sides take the common line.
    CTzLabDoc shared = FusedPair();
    ASSERT_TRUE(ApplyManualEvent(shared, At(kEventMoveEnd, 33, 0)));
    EXPECT_EQ(shared.m_Peaks[0].m_BaseEnd, 33);
    EXPECT_EQ(shared.m_Peaks[1].m_Start, 33);
    EXPECT_EQ(shared.m_Peaks[0].m_BaseEndValue, 460);
    EXPECT_EQ(shared.m_Peaks[1].m_BaseStartValue, 460);

    // The last peak, a tailing rider: its parent (not at the first position) follows its end.
    CTzLabDoc rider = FusedPair();
    rider.m_Peaks.insert(rider.m_Peaks.begin(), Detected(rider, 0, 2, 5, 0, 1));
    rider.m_Peaks[1].m_Flags = kTailingParent;
    rider.m_Peaks[2].m_Flags = kStartsInValley | kTailingRider;
    ASSERT_TRUE(ApplyManualEvent(rider, At(kEventMoveEnd, 70, 2)));
    EXPECT_EQ(rider.m_Peaks[2].m_End, 70);
    EXPECT_EQ(rider.m_Peaks[1].m_BaseEnd, 70);
    EXPECT_EQ(rider.m_Peaks[1].m_BaseEndValue, rider.m_Samples.At(70));
}

TEST(ManualEvents, BaselineEventsOverThePeaksStartingBeforeTheMark) {
    // j: the last peak from k on starting before x = 35 is peak 1.
    CTzLabDoc drop = FusedPair();
    ASSERT_TRUE(ApplyManualEvent(drop, At(kEventVerticalDrop, 35, 0)));
    for (const PeakRecord& p : drop.m_Peaks)
        EXPECT_EQ(p.m_Flags & (kStartsInValley | kEndsInValley), kStartsInValley | kEndsInValley);
    EXPECT_EQ(drop.m_Peaks[0].m_BaseEndValue, 400);  // line and signal agree at the valley

    CTzLabDoc cut = FusedPair();
    cut.m_Peaks[1].m_Flags |= kTailingRider;
    ASSERT_TRUE(ApplyManualEvent(cut, At(kEventObliqueCut, 35, 0)));
    EXPECT_EQ(cut.m_Peaks[1].m_Flags & kSkimFlagsForTest, 0);
    EXPECT_EQ(cut.m_Peaks[0].m_BaseEndValue, cut.m_Peaks[0].m_EndValue);

    CTzLabDoc rear = FusedPair();
    ASSERT_TRUE(ApplyManualEvent(rear, At(kEventRearTangent, 35, 0)));
    EXPECT_TRUE(rear.m_Peaks[0].m_Flags & kTailingParent);
    EXPECT_TRUE(rear.m_Peaks[1].m_Flags & kTailingRider);
    EXPECT_EQ(rear.m_Peaks[0].m_BaseEnd, 60);
    EXPECT_EQ(rear.m_Peaks[0].m_EndValue, rear.m_Samples.At(60));

    CTzLabDoc front = FusedPair();
    ASSERT_TRUE(ApplyManualEvent(front, At(kEventFrontTangent, 25, 1)));
    EXPECT_TRUE(front.m_Peaks[1].m_Flags & kLeadingParent);
    EXPECT_EQ(front.m_Peaks[0].m_Flags & kLeadingRider, kLeadingRider);
    EXPECT_EQ(front.m_Peaks[1].m_BaseStart, 10);

    CTzLabDoc forced = FusedPair();
    ASSERT_TRUE(ApplyManualEvent(forced, At(kEventForcedBaseline, 35, 0)));
    for (const PeakRecord& p : forced.m_Peaks) {
        EXPECT_EQ(p.m_BaseStartValue, 0);
        EXPECT_EQ(p.m_BaseEndValue, 0);
    }
}

TEST(ManualEvents, RejectedEditsChangeAndRecordNothing) {
    CTzLabDoc doc = FusedPair();
    const auto before = doc.m_Peaks;
    struct Case {
        ManualEventType type;
        std::int32_t x, k, spanEnd;
    };
    for (const Case& c :
         {Case{kEventMoveStart, 40, 1, -1},     // at the apex
          Case{kEventMoveStart, 45, 1, -1},     // beyond it
          Case{kEventMoveStart, 20, 1, -1},     // at the previous apex
          Case{kEventMoveStart, 25, 2, -1},     // no such peak
          Case{kEventMoveStart, -1, 1, -1},     // before the data
          Case{kEventMoveApex, 61, 1, -1},      // outside the peak
          Case{kEventMoveEnd, 35, 1, -1},       // before the apex
          Case{kEventObliqueCut, 5, 0, -1},     // no peak starts before 5
          Case{kEventVerticalDrop, 15, 0, -1},  // only one peak up to 15
          Case{kEventRearTangent, 50, 1, -1},   // the last peak has no tail riders
          Case{kEventFrontTangent, 25, 0, -1},  // the first peak has no front
          Case{kEventAddPeak, 50, 0, 70},       // 60, a baseline end, lies inside
          Case{kEventAddPeak, 70, 0, 65},       // an empty span
          Case{kEventDeletePeak, 0, 5, -1},
          Case{static_cast<ManualEventType>(10), 30, 0, -1}}) {  // a type that is never made
        EXPECT_FALSE(EditPeaks(doc, noPrompts, c.type, c.x, c.k, c.spanEnd))
            << c.type << " at " << c.x;
        EXPECT_EQ(doc.m_Peaks, before);
        EXPECT_TRUE(doc.m_ManualEvents.empty());
        EXPECT_EQ(doc.m_UseManualEvents, 0);
    }
}

TEST(ManualEvents, AddedPeakGoesBeforeTheFirstPeakStartingAtOrAfterIt) {
    // A bump of 60 uV between two large peaks is below what the detector sees at slope 30.
    CTzLabDoc doc = DocWith(Polyline(1000, {{0, 0},
                                            {170, 0},
                                            {200, 9000},
                                            {230, 0},
                                            {490, 0},
                                            {500, 60},
                                            {510, 0},
                                            {770, 0},
                                            {800, 8000},
                                            {830, 0}}));
    IntegrateAndQuantify(doc, noPrompts);
    ASSERT_EQ(doc.m_Peaks.size(), 2u);
    ASSERT_TRUE(EditPeaks(doc, noPrompts, kEventAddPeak, 480, 0, 520));
    ASSERT_EQ(doc.m_Peaks.size(), 3u);
    EXPECT_EQ(doc.m_Peaks[1].m_Apex, 500);
    EXPECT_EQ(doc.m_Peaks[1].m_Number, 2);
    EXPECT_EQ(doc.m_ManualEvents[0].m_Param2, 1);  // where it went in
    EXPECT_GT(doc.m_Peaks[1].m_Area, 0.0);
}

ManualEvent Event(std::int32_t type, std::int32_t k) {
    ManualEvent e;
    e.m_Type = type;
    e.m_Param2 = k;
    return e;
}

TEST(ManualEvents, RemovingAnAddEventTakesItsDependantsAndRenumbersLaterReferences) {
    std::vector<ManualEvent> list = {Event(kEventMoveEnd, 3), Event(kEventAddPeak, 2),
                                     Event(kEventMoveApex, 2), Event(kEventMoveStart, 4),
                                     Event(kEventNegativePeak, 1)};
    ASSERT_TRUE(DeleteManualEventRow(list, 1));
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].m_Param2, 3);  // before the removed row: untouched
    EXPECT_EQ(list[1].m_Type, kEventMoveStart);
    EXPECT_EQ(list[1].m_Param2, 3);  // a later peak moves down
    EXPECT_EQ(list[2].m_Param2, 1);  // an earlier peak stays
    EXPECT_FALSE(DeleteManualEventRow(list, 3));
}

TEST(ManualEvents, RemovingADeleteEventBringsThePeakBack) {
    CTzLabDoc doc = IntegratedRun(7);
    const std::size_t count = doc.m_Peaks.size();
    const PeakRecord third = doc.m_Peaks[3];
    ASSERT_TRUE(EditPeaks(doc, noPrompts, kEventDeletePeak, 0, 3));
    const Edit later = EditFor(doc.m_Peaks, kEventMoveApex, 4);
    ASSERT_TRUE(EditPeaks(doc, noPrompts, later.type, later.x, later.k, later.spanEnd));
    ASSERT_EQ(doc.m_Peaks.size(), count - 1);
    const std::int32_t movedApex = doc.m_Peaks[4].m_Apex;

    ASSERT_TRUE(DeleteManualEventRow(doc.m_ManualEvents, 0));
    EXPECT_EQ(doc.m_ManualEvents[0].m_Param2, 5);  // the same peak, now one further on
    IntegrateAndQuantify(doc, noPrompts);
    ASSERT_EQ(doc.m_Peaks.size(), count);
    EXPECT_EQ(doc.m_Peaks[3].m_Apex, third.m_Apex);
    EXPECT_EQ(doc.m_Peaks[5].m_Apex, movedApex);
}

TEST(ManualEvents, ReplayDispatchesOnlyTheListedTypesAndRecomputesOnce) {
    CTzLabDoc doc = IntegratedRun(8);
    const auto before = doc.m_Peaks;
    doc.m_UseManualEvents = 1;
    doc.m_ManualEvents = {Event(10, 0), Event(13, 0)};
    Reintegrate(doc);
    EXPECT_EQ(doc.m_Peaks.size(), before.size());
    for (std::size_t k = 0; k < before.size(); ++k)
        EXPECT_DOUBLE_EQ(doc.m_Peaks[k].m_Area, before[k].m_Area);
    // Switched off, a recorded deletion is not replayed.
    doc.m_ManualEvents = {Event(kEventDeletePeak, 0)};
    doc.m_UseManualEvents = 0;
    Reintegrate(doc);
    EXPECT_EQ(doc.m_Peaks.size(), before.size());
    doc.m_UseManualEvents = 1;
    Reintegrate(doc);
    EXPECT_EQ(doc.m_Peaks.size(), before.size() - 1);
}

TEST(ManualEvents, ListTexts) {
    EXPECT_EQ(ManualEventText(kEventMoveStart), "调整峰起点");
    EXPECT_EQ(ManualEventText(kEventForcedBaseline), "强制基线");
    EXPECT_EQ(ManualEventText(kEventAddPeak), "增加一个峰");
    EXPECT_EQ(ManualEventText(kEventDeletePeak), "删除一个峰");
    EXPECT_EQ(ManualEventText(kEventNegativePeak), "");
    EXPECT_EQ(ManualEventText(10), "");
    const auto row = ManualEventRowTexts(Event(kEventRearTangent, 0), 0);
    EXPECT_EQ(row[0], "1");
    EXPECT_EQ(row[1], "后切基线");
    EXPECT_EQ(row[2], "");
}

}  // namespace
}  // namespace lx
