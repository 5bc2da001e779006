// The record's defaults, time base and peak lookups.
#include <gtest/gtest.h>

#include <ctime>

#include "core/CTzLabDoc.h"

namespace lx {
namespace {

TEST(CTzLabDoc, NewRecordHasTheWorkstationDefaults) {
    std::time_t before = std::time(nullptr);
    CTzLabDoc doc;
    EXPECT_GE(doc.m_CreatedAt, before);
    EXPECT_LE(doc.m_CreatedAt, std::time(nullptr));
    EXPECT_EQ(doc.m_Version, 2.0f);
    EXPECT_EQ(doc.m_DisplayTop, -2500000);
    EXPECT_EQ(doc.m_DisplayBottom, 2500000);
    EXPECT_EQ(doc.m_SelectedPeak, -1);
    EXPECT_EQ(doc.m_UseManualEvents, 0);
    EXPECT_EQ(doc.m_IsConc2, 1.0);
    EXPECT_EQ(doc.m_IsConc3, 1.0);
    EXPECT_EQ(doc.m_ColumnLength, 0.0);

    const IntegrationParams& p = doc.m_Params;
    EXPECT_EQ(p.m_HalfWidth, 5);
    EXPECT_EQ(p.m_Slope, 30.0);
    EXPECT_EQ(p.m_HeightRatio, 100.0);
    EXPECT_EQ(p.m_AutoTailing, 1);
    EXPECT_EQ(p.m_AutoLeading, 0);
    EXPECT_EQ(p.m_UseTimeProgram, 0);

    const ChannelSetup& c = doc.m_ChannelSetup;
    EXPECT_EQ(c.rate, 20);
    EXPECT_EQ(c.stopTime, 100.0);
    EXPECT_EQ(c.timeMin, 0);
    EXPECT_EQ(c.timeMax, 120000);
    EXPECT_EQ(c.levelMin, -15000);
    EXPECT_EQ(c.levelMax, 20000);
    EXPECT_EQ(c.prefix, "图谱");
    EXPECT_EQ(c.monthOn + c.dayOn + c.timeOn + c.numberOn, 4);
    EXPECT_EQ(c.yearOn, 0);
    EXPECT_EQ(c.autoSave, 1);
    EXPECT_EQ(c.showAtEnd, 1);
    EXPECT_EQ(c.unnamedC, 1);
    EXPECT_EQ(c.unnamedD, 68);
    EXPECT_EQ(c.runKind, 1);

    const PeakRecord peak;
    EXPECT_EQ(peak.m_Component, -1);
    EXPECT_EQ(peak.m_Extra6, 1);
}

TEST(CTzLabDoc, NewPrintSettingsHaveTheDefaultInstrumentLines) {
    PrintSettings s;
    ASSERT_EQ(s.lcInfoList.size(), 10u);
    ASSERT_EQ(s.gcInfoList.size(), 11u);
    EXPECT_EQ(s.lcInfoList[0].name, "仪器型号:");
    EXPECT_EQ(s.lcInfoList[7].name, "柱 温(℃):");
    EXPECT_EQ(s.lcInfoList[9].name, "流量(ml/min):");
    EXPECT_EQ(s.gcInfoList[9].name, "载气流量(ml/min):");
    EXPECT_EQ(s.gcInfoList[10].name, "进 样 量:");
    int withContent = 0;
    for (const auto* list : {&s.lcInfoList, &s.gcInfoList})
        for (const auto& item : *list) {
            EXPECT_EQ(item.print, 1);
            withContent += !item.content.empty();
        }
    EXPECT_EQ(withContent, 1);
    EXPECT_EQ(s.lcInfoList[2].content, "紫 外");

    EXPECT_EQ(s.titleFont.height, -16);
    EXPECT_EQ(s.instrumentFont.height, -9);
    EXPECT_EQ(s.resultsFont.faceName, "宋体");
    EXPECT_EQ(s.resultsFont.weight, 400);
    EXPECT_EQ(s.resultsFont.charSet, 1);
    EXPECT_EQ(s.headerColour, 0xFF0000);  // blue as 0x00BBGGRR
    EXPECT_EQ(s.titleColour, 0x0000FF);
    EXPECT_EQ(s.printMarks, 0x44);
    EXPECT_EQ(s.lineSpacing, 0.5f);
    EXPECT_EQ(s.chromWidthCm, 12.0f);
}

TEST(CTzLabDoc, TimeBaseFollowsTheRate) {
    CTzLabDoc doc;
    EXPECT_EQ(doc.SpanToMinutes(0), 0.0);
    EXPECT_EQ(doc.SpanToMinutes(1200), 1.0);
    EXPECT_EQ(doc.TimeToIndex(1.5), 1800);
    EXPECT_EQ(doc.TimeToIndex(0.0999), 119);  // truncated, not rounded
    EXPECT_EQ(doc.TimeToIndex(-0.0999), -119);
    doc.m_ChannelSetup.rate = 10;
    EXPECT_EQ(doc.SpanToMinutes(600), 1.0);
    EXPECT_EQ(doc.TimeToIndex(1.5), 900);
    doc.m_ChannelSetup.rate = 0;  // a damaged file: no crash, no undefined conversion
    EXPECT_EQ(doc.TimeToIndex(1.0), 0);
}

CTzLabDoc WithPeaks() {
    CTzLabDoc doc;
    auto peak = [](int start, int end, int baseStart, int baseEnd) {
        PeakRecord p;
        p.m_Start = start;
        p.m_End = end;
        p.m_BaseStart = baseStart;
        p.m_BaseEnd = baseEnd;
        return p;
    };
    doc.m_Peaks = {peak(10, 20, 10, 20), peak(20, 30, 10, 30), peak(50, 60, 50, 60)};
    doc.RenumberPeaks();
    return doc;
}

TEST(CTzLabDoc, PeakLookups) {
    CTzLabDoc doc = WithPeaks();
    EXPECT_EQ(doc.PeakAt(9), -1);
    EXPECT_EQ(doc.PeakAt(10), 0);
    EXPECT_EQ(doc.PeakAt(20), 0);  // the shared valley belongs to the first peak
    EXPECT_EQ(doc.PeakAt(21), 1);
    EXPECT_EQ(doc.PeakAt(40), -1);
    EXPECT_EQ(doc.PeakAt(60), 2);

    EXPECT_TRUE(doc.NoBoundaryInside(31, 50));   // ends are exclusive
    EXPECT_FALSE(doc.NoBoundaryInside(29, 50));  // 30 is a baseline end
    EXPECT_FALSE(doc.NoBoundaryInside(40, 55));  // 50 is a baseline start
    EXPECT_TRUE(doc.NoBoundaryInside(60, 61));
    EXPECT_TRUE(CTzLabDoc().NoBoundaryInside(0, 1000));
}

TEST(CTzLabDoc, RemovePeakRenumbers) {
    CTzLabDoc doc = WithPeaks();
    EXPECT_FALSE(doc.RemovePeak(3));
    EXPECT_FALSE(doc.RemovePeak(-1));
    EXPECT_EQ(doc.m_Peaks.size(), 3u);
    EXPECT_TRUE(doc.RemovePeak(1));
    ASSERT_EQ(doc.m_Peaks.size(), 2u);
    EXPECT_EQ(doc.m_Peaks[1].m_Start, 50);
    EXPECT_EQ(doc.m_Peaks[1].m_Number, 2);
}

TEST(CTzLabDoc, CopyMethodTakesTheMethodPartOnly) {
    CTzLabDoc from = WithPeaks();
    from.m_ChannelSetup.rate = 10;
    from.m_Operator = "Wang";
    from.m_InjectVolume = "2uL";
    from.m_PrintSettings.titleText = "Report";
    from.m_Params.m_HalfWidth = 9;
    from.m_TimeProgram = {{2.0, 4, 10.0, 1}};
    from.m_ManualEvents.resize(2);
    from.m_UseManualEvents = 1;
    from.m_Samples.Resize(5);
    from.m_ColumnLength = 30;

    CTzLabDoc to;
    to.CopyMethodFrom(from);
    EXPECT_EQ(to.m_ChannelSetup, from.m_ChannelSetup);
    EXPECT_EQ(to.m_Operator, "Wang");
    EXPECT_EQ(to.m_InjectVolume, "2uL");
    EXPECT_EQ(to.m_PrintSettings, from.m_PrintSettings);
    EXPECT_EQ(to.m_Params, from.m_Params);
    EXPECT_EQ(to.m_TimeProgram, from.m_TimeProgram);
    EXPECT_EQ(to.m_ManualEvents.size(), 2u);
    EXPECT_EQ(to.m_UseManualEvents, 1);
    // The run itself stays the target's.
    EXPECT_TRUE(to.m_Samples.empty());
    EXPECT_TRUE(to.m_Peaks.empty());
    EXPECT_EQ(to.m_ColumnLength, 0.0);
}

}  // namespace
}  // namespace lx
