// The result table in its forms, against texts written out by hand.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>

#include "report/ResultTable.h"
#include "report/ResultTableModel.h"

namespace lx {
namespace {

PeakRecord Peak(int number, double time, double area, double height, double content,
                const char* name = "") {
    PeakRecord p;
    p.m_Number = number;
    p.m_ApexTime = time;
    p.m_Area = area;
    p.m_Height = height;
    p.m_AreaPercent = content * 100.0;
    p.m_Content = content;
    p.m_ComponentName = name;
    p.m_Resolution = 1.5;
    p.m_Tailing = 1.02;
    p.m_Plates = 2500.25;
    return p;
}

// Three peaks; the middle one has no content, so the filter leaves it out.
std::vector<PeakRecord> Peaks() {
    return {Peak(1, 1.2345, 1000.0, 200.0, 0.25, "苯"), Peak(2, 2.5, 500.0, 0.0, 0.0),
            Peak(3, 3.75, 3000.0, 400.0, 0.75, "甲苯")};
}

ColumnSwitches Only(bool ColumnSwitches::*a, bool ColumnSwitches::*b = nullptr) {
    ColumnSwitches none{false, false, false, false, false, false,
                        false, false, false, false, false};
    none.*a = true;
    if (b)
        none.*b = true;
    return none;
}

TEST(ResultTable, ScreenFormListsPeaksOfPositiveContentWithTotals) {
    TableOptions o;
    o.quantified = true;
    const ResultTable t = BuildResultTable(Peaks(), o);
    EXPECT_EQ(t.headers,
              (std::vector<std::string>{" 峰 号 ", " 组  份 ", " 保留时间 ", "  面   积  ",
                                        " 高  度 ", " 面积/高度 ", " 面积百分含量 ", " 分离度 ",
                                        "  拖尾因子  ", "  理论塔板  ", "  含  量  "}));
    ASSERT_EQ(t.rows.size(), 3u);
    EXPECT_EQ(t.rows[0].peak, 0);
    EXPECT_EQ(t.rows[0].cells,
              (std::vector<std::string>{"1", "苯", " 1.234", " 1000.0", " 200.0", " 5.000",
                                        " 25.0000", " 1.500", " 1.020", " 2500.2", " 0.2500"}));
    EXPECT_EQ(t.rows[1].peak, 2);  // peak 2 is filtered out; the row keeps its peak
    EXPECT_EQ(t.rows[2].peak, -1);
    EXPECT_EQ(t.rows[2].cells, (std::vector<std::string>{"合计:", "", "", " 4000.0", " 600.0", "",
                                                         " 100.0000", "", "", "", ""}));

    o.viewAllPeaks = true;
    const ResultTable all = BuildResultTable(Peaks(), o);
    ASSERT_EQ(all.rows.size(), 4u);
    EXPECT_EQ(all.rows[1].cells[5], " 0.000");  // height 0: area/height is 0, not inf
    EXPECT_EQ(all.rows[3].cells[3], " 4500.0");
}

TEST(ResultTable, ContentNeedsAQuantifyingProjectAndItsSwitch) {
    TableOptions o;
    o.columns = Only(&ColumnSwitches::time, &ColumnSwitches::content);
    EXPECT_EQ(BuildResultTable(Peaks(), o).headers, std::vector<std::string>{" 保留时间 "});
    o.quantified = true;
    EXPECT_EQ(BuildResultTable(Peaks(), o).headers,
              (std::vector<std::string>{" 保留时间 ", "  含  量  "}));
    // Without the number column the totals row has no label, but keeps its totals.
    o.columns = Only(&ColumnSwitches::area);
    const ResultTable t = BuildResultTable(Peaks(), o);
    EXPECT_EQ(t.rows.back().cells, std::vector<std::string>{" 4000.0"});
}

TEST(ResultTable, PrintFormHasATrailingColumnAndEnglishWhenAsked) {
    TableOptions o;
    o.form = TableForm::Print;
    o.english = true;
    o.columns = Only(&ColumnSwitches::number, &ColumnSwitches::area);
    const ResultTable t = BuildResultTable(Peaks(), o);
    EXPECT_EQ(t.headers, (std::vector<std::string>{"  Peak No ", "  PeakArae  ", ""}));
    EXPECT_EQ(t.rows.back().cells, (std::vector<std::string>{"Total:", " 4000.0", ""}));
    o.english = false;
    EXPECT_EQ(BuildResultTable(Peaks(), o).headers,
              (std::vector<std::string>{"  峰 号 ", "  面   积  ", ""}));

    o.columns = Only(&ColumnSwitches::number);
    o.columns.number = false;
    const ResultTable none = BuildResultTable(Peaks(), o);
    EXPECT_EQ(none.headers, std::vector<std::string>{""});
    o.form = TableForm::Screen;
    EXPECT_TRUE(BuildResultTable(Peaks(), o).headers.empty());
}

TEST(ResultTable, NoListedPeakGivesOnlyTheHeader) {
    TableOptions o;
    EXPECT_TRUE(BuildResultTable({}, o).rows.empty());
    std::vector<PeakRecord> unquantified = Peaks();
    for (PeakRecord& p : unquantified)
        p.m_Content = 0.0;
    unquantified[0].m_Content = std::nan("");
    EXPECT_TRUE(BuildResultTable(unquantified, o).rows.empty());
    EXPECT_EQ(BuildResultTable(unquantified, o).headers.size(), 10u);
}

TEST(ResultTable, ClipboardTextHasItsOwnFormats) {
    TableOptions o;
    o.quantified = true;
    o.columns = Only(&ColumnSwitches::name, &ColumnSwitches::time);
    o.columns.area = o.columns.content = true;
    std::vector<PeakRecord> peaks = Peaks();
    peaks[2].m_ComponentName.clear();
    const std::string expected =
        " 组 份 \t 保留时间 \t 面  积 \t 含  量 \t\n"
        "苯\t 1.234\t  1000.0\t  0.2500\t\n"
        "\n"
        "     \t 3.750\t  3000.0\t  0.7500\t\n";
    EXPECT_EQ(ResultTableText(peaks, o), expected + std::string(1, '\0'));
}

TEST(ResultTable, PrintColumnsFollowTheReportSwitches) {
    PrintSettings print;
    print.colArea = 0;
    print.colContent = 0;
    const ColumnSwitches c = PrintColumns(print);
    EXPECT_FALSE(c.area);
    EXPECT_FALSE(c.content);
    EXPECT_TRUE(c.number && c.name && c.time && c.height && c.areaHeight && c.percent &&
                c.resolution && c.tailing && c.plates);
}

TEST(ResultTable, PeakTypeLineNamesRidersParentsAndValleys) {
    PeakRecord p;
    p.m_GroupSize = 2;
    p.m_BaseStart = 120;
    p.m_BaseEnd = 480;
    p.m_Flags = kTailingRider | kStartsInValley | kEndsInValley;
    EXPECT_EQ(PeakTypeLine(p), " 2   ONTAILP    120    480    STARTV    ENDV   ");
    p.m_Flags = kTailingParent;
    EXPECT_EQ(PeakTypeLine(p), " 2   TAILP    120    480  ");
}

TEST(ResultTableModel, RowsMapToTheirPeaksAndPassTheModelTester) {
    ResultTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    TableOptions o;
    model.Refresh(Peaks(), o);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 10);
    EXPECT_EQ(model.PeakAt(0), 0);
    EXPECT_EQ(model.PeakAt(1), 2);
    EXPECT_EQ(model.PeakAt(2), -1);
    EXPECT_EQ(model.PeakAt(7), -1);
    EXPECT_EQ(model.RowOf(2), 1);
    EXPECT_EQ(model.RowOf(1), -1);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), " 峰 号 ");
    EXPECT_EQ(model.data(model.index(0, 1), Qt::DisplayRole).toString(), "苯");
    EXPECT_EQ(model.data(model.index(1, 0), Qt::BackgroundRole).value<QBrush>().color(),
              QColor(200, 200, 255));
    o.viewAllPeaks = true;
    model.Refresh(Peaks(), o);
    EXPECT_EQ(model.rowCount(), 4);
}

}  // namespace
}  // namespace lx
