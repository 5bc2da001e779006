// The report's pages as plain values: what each page holds and where, against sizes given by
// a fixed measure (every line 100 units high, every byte 10 units wide).
#include <gtest/gtest.h>

#include <algorithm>

#include "quant/CPrjDoc.h"
#include "report/ReportLayout.h"

namespace lx {
namespace {

class FixedMeasure : public TextMeasure {
public:
    int LineHeight(ReportFont) const override { return 100; }
    int Width(ReportFont, const std::string& text) const override {
        return 10 * static_cast<int>(text.size());
    }
};

// Every section off but the result table, so page 1 is the blank header line, the table's
// heading band and the table.
CTzLabDoc OnlyResults(int peaks) {
    CTzLabDoc doc;
    PrintSettings& p = doc.m_PrintSettings;
    p.simpleFormat = p.contentOn = p.instrumentOn = p.chromOn = 0;
    for (int k = 0; k < peaks; ++k) {
        PeakRecord peak;
        peak.m_Number = k + 1;
        peak.m_Content = 0.1;
        peak.m_Area = 100.0;
        doc.m_Peaks.push_back(peak);
    }
    return doc;
}

ReportLayout Layout(const CTzLabDoc& doc, int printableHeight = 1850) {
    ReportRequest r;
    r.doc = &doc;
    r.fileName = "run.Tzd";
    r.page = {0, 0, 5000, printableHeight + 600};
    r.printable = {400, 300, 4000, printableHeight};
    r.unitsPerCm = 200.0;
    return LayoutReport(r, FixedMeasure());
}

std::vector<std::string> TextsOf(const ReportPage& page) {
    std::vector<std::string> texts;
    for (const ReportText& t : page.texts)
        texts.push_back(t.text);
    return texts;
}

// The row pitch is 1.5 lines (line spacing 0.5): 150. Below the blank line and the heading
// band (200 of the 1850) there is room for 11 pitches: the column headings and 10 rows.
TEST(ReportLayout, PageOneHoldsWhatFitsAndOneMoreRowStartsAPage) {
    const CTzLabDoc nine = OnlyResults(9);  // 9 peaks and the totals: 10 rows
    const ReportLayout one = Layout(nine);
    ASSERT_EQ(one.pages.size(), 1u);
    EXPECT_EQ(one.pitch, 150);
    EXPECT_EQ(TextsOf(one.pages[0]), std::vector<std::string>{"分   析   结   果"});
    EXPECT_TRUE(one.pages[0].texts[0].band);
    EXPECT_EQ(one.pages[0].texts[0].box.y, 300 + 100);  // below the blank header line
    ASSERT_TRUE(one.pages[0].table);
    EXPECT_EQ(one.pages[0].table->top, 300 + 200);
    EXPECT_EQ(one.pages[0].table->endRow, 10);
    EXPECT_FALSE(one.pages[0].picture);

    const CTzLabDoc ten = OnlyResults(10);
    const ReportLayout two = Layout(ten);
    ASSERT_EQ(two.pages.size(), 2u);
    EXPECT_EQ(two.pages[0].table->endRow, 10);
    ASSERT_TRUE(two.pages[1].table);
    EXPECT_EQ(two.pages[1].table->firstRow, 10);
    EXPECT_EQ(two.pages[1].table->endRow, 11);
    EXPECT_EQ(two.pages[1].table->top, 300 + 100);  // below the blank header line only

    // Later pages have 1750 below their blank line: 11 pitches, the headings and 10 rows; so
    // 20 rows fill two pages exactly.
    EXPECT_EQ(Layout(OnlyResults(19)).pages.size(), 2u);
    EXPECT_EQ(Layout(OnlyResults(20)).pages.size(), 3u);
}

TEST(ReportLayout, ColumnsShareThePrintableWidthByTheirWidestText) {
    CTzLabDoc doc = OnlyResults(1);
    PrintSettings& p = doc.m_PrintSettings;
    p.colName = p.colTime = p.colHeight = p.colAreaHeight = p.colAreaPercent = 0;
    p.colResolution = p.colTailing = p.colPlates = p.colContent = 0;
    const ReportLayout layout = Layout(doc);
    // "  峰 号 " is 10 bytes, "  面   积  " 13; the trailing empty column takes no share.
    ASSERT_EQ(layout.columnWidths.size(), 2u);
    EXPECT_EQ(layout.columnWidths[0], 4000 * 100 / 230);
    EXPECT_EQ(layout.columnWidths[1], 4000 * 130 / 230);
}

TEST(ReportLayout, FooterAndPageNumbersShareTheBandBelowTheText) {
    CTzLabDoc doc = OnlyResults(25);  // 26 rows: 10, 10 and 6 on three pages
    PrintSettings& p = doc.m_PrintSettings;
    p.pageNumbersOn = 1;
    auto numberAlign = [&](int footerOn, int footerAlign) {
        p.footerOn = footerOn;
        p.footerAlign = footerAlign;
        p.footerText = "QC";
        const ReportLayout layout = Layout(doc);
        const ReportText& number = layout.pages[1].texts.back();
        EXPECT_EQ(number.text, "2/3");
        EXPECT_EQ(number.box.y, 300 + 1850 + (600 - 300 - 100) / 2);  // middle of the margin
        return number.align;
    };
    EXPECT_EQ(numberAlign(0, 0), 1);  // no footer: centred
    EXPECT_EQ(numberAlign(1, 0), 2);  // away from a left footer
    EXPECT_EQ(numberAlign(1, 1), 2);
    EXPECT_EQ(numberAlign(1, 2), 0);  // a right footer puts it on the left
}

TEST(ReportLayout, TheInformationBlockInTwoColumnsAndEnglish) {
    CTzLabDoc doc = OnlyResults(1);
    PrintSettings& p = doc.m_PrintSettings;
    p.contentOn = 1;
    doc.m_Operator = "王";
    doc.m_Params.m_HalfWidth = 7;
    doc.m_Params.m_Slope = 2.5;
    doc.m_CreatedAt = 1173960000;  // 2007-03-15 12:00 UTC: the 15th in every time zone but two
    const std::vector<std::string> chinese = InformationItems(doc, "run.Tzd");
    ASSERT_EQ(chinese.size(), 6u);  // file name, date, operator, method, half width, slope
    EXPECT_EQ(chinese[0], "文 件 名: run.Tzd");
    EXPECT_EQ(chinese[1].rfind("采样时间: 2007.03.15 ", 0), 0u) << chinese[1];
    EXPECT_EQ(chinese[2], "实 验 员: 王");
    EXPECT_EQ(chinese[3], "分析方法: 归一法");
    EXPECT_EQ(chinese[4], "半 峰 宽: 7");
    EXPECT_EQ(chinese[5], "斜    率: 2.5");

    const ReportLayout layout = Layout(doc, 3000);
    const auto& texts = layout.pages[0].texts;
    // Rows of "X" + 12 units; the right column starts at half the width.
    EXPECT_EQ(texts[1].box, (Box{400 + 2000, 300 + 100, 2000, 112}));
    EXPECT_EQ(texts[2].box.y, 300 + 100 + 112);

    p.englishReport = 1;
    p.dataSizeOn = p.sampleOn = p.unitOn = p.projectOn = 1;
    CPrjDoc project;
    project.m_MethodName = "BTX";
    project.m_Method = 7;  // no method of the list: the normalization wording
    project.m_Basis = kHeightBasis;
    doc.m_Project = &project;
    const std::vector<std::string> english = InformationItems(doc, "run.Tzd");
    EXPECT_EQ(english, (std::vector<std::string>{"FILENAME: run.Tzd", english[1],
                                                 "DataSize: 0.000 Minute", "Sample: ", "Author: 王",
                                                 "Project: BTX", "Method: HEIGHT  NORMALIZATION",
                                                 "Half Width: 7", "Slope: 2.5", "User: "}));
    project.m_Method = 2;
    EXPECT_EQ(MethodLine(doc, false), "分析方法: 高度  外 标 法");
    EXPECT_EQ(TextsOf(Layout(doc, 3000).pages[0]).back(), "  Result  ");
}

TEST(ReportLayout, InstrumentLinesPictureAndSimpleFormat) {
    CTzLabDoc doc = OnlyResults(1);
    PrintSettings& p = doc.m_PrintSettings;
    p.instrumentOn = 1;
    p.instrumentType = 1;
    for (InstrumentInfoItem& item : p.gcInfoList)
        item.print = 0;
    p.gcInfoList[0].print = 1;
    p.gcInfoList[0].content = "GC-9790";
    doc.m_SampleName = "柴油";
    p.chromOn = 1;
    p.chromAlign = 2;
    ReportLayout layout = Layout(doc, 5000);
    EXPECT_EQ(
        TextsOf(layout.pages[0]),
        (std::vector<std::string>{"仪器信息: 柴油", "仪器型号: GC-9790", "分   析   结   果"}));
    // 12 x 8 cm at 200 units a centimetre, at the right edge, then a twentieth of its height.
    ASSERT_TRUE(layout.pages[0].picture);
    EXPECT_EQ(*layout.pages[0].picture, (Box{4400 - 2400, 300 + 300, 2400, 1600}));
    EXPECT_EQ(layout.pages[0].texts.back().box.y, 300 + 300 + 1600 + 80);

    for (InstrumentInfoItem& item : p.gcInfoList)
        item.print = 0;
    EXPECT_EQ(TextsOf(Layout(doc, 5000).pages[0]).size(), 2u);  // the heading alone

    p.simpleFormat = 1;
    const auto simple = TextsOf(Layout(doc, 5000).pages[0]);
    ASSERT_EQ(simple.size(), 13u);  // the heading, the block and its ten items, the results
    EXPECT_EQ(simple[0], "实 验 员: ");
    EXPECT_EQ(simple[1], "样 品 基 本 信 息");
    EXPECT_EQ(simple[2], "样品名称: 柴油");
    EXPECT_EQ(simple[10], "斜    率: 30");
    EXPECT_EQ(simple[11], "实验单位: ");
}

TEST(ReportLayout, AnOverlaidReportListsEachChromatogramUnderItsName) {
    CTzLabDoc doc = OnlyResults(2);
    doc.m_PrintSettings.contentOn = 1;     // no information block for several chromatograms
    doc.m_PrintSettings.simpleFormat = 1;  // nor the simple format
    const CTzLabDoc other = OnlyResults(1);
    ReportRequest r;
    r.doc = &doc;
    r.fileName = "a.Tzd";
    r.overlays = {{&other, "b.Tzd"}};
    r.page = {0, 0, 5000, 3000};
    r.printable = {400, 300, 4000, 2400};
    const ReportLayout layout = LayoutReport(r, FixedMeasure());
    EXPECT_EQ(TextsOf(layout.pages[0]), std::vector<std::string>{"分   析   结   果"});
    // Caption, two peaks and totals; caption, one peak and totals.
    ASSERT_EQ(layout.table.rows.size(), 7u);
    EXPECT_EQ(layout.rowCaptions,
              (std::vector<std::string>{"通道 1 : a.Tzd", "", "", "", "通道 2 : b.Tzd", "", ""}));
    EXPECT_EQ(layout.table.rows[5].cells[0], "1");
    EXPECT_EQ(layout.table.rows[6].cells[0], "合计:");
    EXPECT_EQ(layout.pages[0].table->endRow, 7);
}

}  // namespace
}  // namespace lx
