// The report window's text: its sections in their own labels and paddings, written out by hand.
#include <gtest/gtest.h>

#include "report/TextReport.h"

namespace lx {
namespace {

TEST(TextReport, PaddingCountsChineseTwiceAsTheCodePageDoes) {
    EXPECT_EQ(PadToWidth("ab", 5), "ab   ");
    EXPECT_EQ(PadToWidth("苯a", 5), "苯a  ");  // 苯 takes two bytes in code page 936
    EXPECT_EQ(PadToWidth("一二三", 4), "一二三");
}

TEST(TextReport, InformationAndInstrumentsInPairs) {
    CTzLabDoc doc;
    PrintSettings& p = doc.m_PrintSettings;
    p.dateOn = p.operatorOn = p.methodOn = p.detectParamsOn = 0;
    p.injectOn = 1;
    doc.m_InjectVolume = "1uL";
    // File name and injection: the text's own labels, each padded to 50, a blank line after two.
    EXPECT_EQ(InformationSectionText(doc, "a.Tzd"), "文 件 名: a.Tzd" + std::string(50 - 15, ' ') +
                                                        "进 样 量: 1uL" +
                                                        std::string(50 - 13, ' ') + "\n\n");
    p.englishReport = 1;
    EXPECT_EQ(InformationSectionText(doc, "a.Tzd").substr(0, 26), "FileName: a.Tzd           ");
    EXPECT_NE(InformationSectionText(doc, "a.Tzd").find("Inject Value: 1uL"), std::string::npos);

    for (InstrumentInfoItem& item : p.lcInfoList)
        item.print = 0;
    p.lcInfoList[2].print = 1;  // "检测器类型:" with "紫 外"
    EXPECT_EQ(InstrumentSectionText(doc),
              "Instruments Info\n\n检测器类型: 紫 外" + std::string(30 - 17, ' '));
    p.englishReport = 0;
    p.instrumentType = 1;
    p.gcInfoList[0].content = "GC";
    for (InstrumentInfoItem& item : p.gcInfoList)
        item.print = 0;
    p.gcInfoList[0].print = p.gcInfoList[1].print = 1;
    EXPECT_EQ(InstrumentSectionText(doc), "仪器信息:\n\n仪器型号: GC" + std::string(40 - 12, ' ') +
                                              "仪器编号:" + std::string(40 - 9, ' ') + "\n\n");
}

TEST(TextReport, TheNoteKeepsItsChineseHeadingAndTheTableItsRules) {
    CTzLabDoc doc;
    doc.m_Notes = "复测";
    doc.m_PrintSettings.englishReport = 1;
    EXPECT_EQ(NoteSectionText(doc), "实验备注: \n    复测\n\n");

    ResultTable table;
    table.headers = {"  Peak No ", ""};
    table.rows = {{0, {"1", ""}}, {-1, {"Total:", ""}}};
    // Columns as wide as their widest text plus two: " " + "  Peak No " is 11, so 13; the
    // trailing column 1 + 2 = 3. The rules are 16 / 2 = 8 two-wide characters, at least 10.
    std::string heavy, light;
    for (int i = 0; i < 10; ++i) {
        heavy += "━";
        light += "─";
    }
    EXPECT_EQ(ResultSectionText(table, true),
              "Result\n" + heavy + "\n   Peak No   " + std::string(3, ' ') + "\n" + light + "\n1" +
                  std::string(12, ' ') + std::string(3, ' ') + "\nTotal:" + std::string(7, ' ') +
                  std::string(3, ' ') + "\n" + light + "\n" + heavy);
}

}  // namespace
}  // namespace lx
