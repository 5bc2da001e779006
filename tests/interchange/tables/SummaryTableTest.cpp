// The summary table of many runs: its columns with and without a project, the cells a run has
// no value for, the statistics rows, and the text forms spreadsheets read.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "interchange/tables/DelimitedTable.h"
#include "interchange/tables/SummaryTable.h"
#include "tests/support/SpeakLanguage.h"

namespace lx {
namespace {

PeakRecord Peak(int number, double time, double area, double height, double percent, double content,
                std::int32_t component = -1) {
    PeakRecord p;
    p.m_Number = number;
    p.m_ApexTime = time;
    p.m_Area = area;
    p.m_Height = height;
    p.m_AreaPercent = percent;
    p.m_Content = content;
    p.m_Component = component;
    return p;
}

SummaryRun MakeRun(std::string file, std::vector<PeakRecord> peaks) {
    SummaryRun run;
    run.m_File = std::move(file);
    run.m_SampleName = "样品";
    run.m_Operator = "王";
    run.m_CreatedAt = 1714573805;  // 2024-05-01 14:30:05 UTC
    run.m_Peaks = std::move(peaks);
    return run;
}

const std::string* Text(const SummaryCell& cell) {
    return std::get_if<std::string>(&cell);
}
const double* Number(const SummaryCell& cell) {
    return std::get_if<double>(&cell);
}

// Times are shown in local time; the tests pin it.
class UtcTime {
public:
    UtcTime() {
        if (const char* tz = std::getenv("TZ"))
            m_Old = tz;
        setenv("TZ", "UTC", 1);
        tzset();
    }
    ~UtcTime() {
        if (m_Old.empty())
            unsetenv("TZ");
        else
            setenv("TZ", m_Old.c_str(), 1);
        tzset();
    }

private:
    std::string m_Old;
};

TEST(SummaryTable, PeakNumbersWithoutAProjectAndTheStatisticsUnderThem) {
    // The second run has one peak fewer: its peak 2 cells stay empty and peak 2's statistics
    // are of two runs.
    const std::vector<SummaryRun> runs{
        MakeRun("a.Tzd", {Peak(1, 1.0, 100, 10, 50, 0.5), Peak(2, 2.0, 100, 20, 50, 0.5)}),
        MakeRun("b.Tzd", {Peak(1, 1.5, 300, 30, 100, 1.0)}),
        MakeRun("c.Tzd", {Peak(1, 2.0, 200, 20, 40, 0.4), Peak(2, 3.0, 300, 40, 60, 0.6)}),
    };
    const SummaryTable table = BuildSummaryTable(runs, nullptr);
    ASSERT_EQ(table.m_Headers.size(), 15u);
    EXPECT_EQ(table.m_Headers[0], "文件");
    EXPECT_EQ(table.m_Headers[3], "采样时间");
    EXPECT_EQ(table.m_Headers[5], "峰1 保留时间/分");
    EXPECT_EQ(table.m_Headers[9], "峰1 含量");
    EXPECT_EQ(table.m_Headers[11], "峰2 面积");
    ASSERT_EQ(table.m_Rows.size(), 7u);  // three runs, n, mean, SD, RSD
    EXPECT_EQ(*Text(table.m_Rows[1][0]), "b.Tzd");
    EXPECT_EQ(*Text(table.m_Rows[1][4]), "");  // no project, no method
    EXPECT_EQ(*Number(table.m_Rows[1][6]), 300.0);
    for (std::size_t c = 10; c < 15; ++c)
        EXPECT_TRUE(std::holds_alternative<std::monostate>(table.m_Rows[1][c])) << c;

    const auto& count = table.m_Rows[3];
    const auto& mean = table.m_Rows[4];
    const auto& sd = table.m_Rows[5];
    const auto& rsd = table.m_Rows[6];
    EXPECT_EQ(*Text(count[0]), "个数");
    EXPECT_EQ(*Text(rsd[0]), "RSD%");
    for (std::size_t c = 1; c < 5; ++c)  // the run columns have no statistics
        EXPECT_TRUE(std::holds_alternative<std::monostate>(mean[c])) << c;
    // Peak 1 area: 100, 300, 200: mean 200, SD 100, RSD 50 %.
    EXPECT_EQ(*Number(count[6]), 3.0);
    EXPECT_DOUBLE_EQ(*Number(mean[6]), 200.0);
    EXPECT_DOUBLE_EQ(*Number(sd[6]), 100.0);
    EXPECT_DOUBLE_EQ(*Number(rsd[6]), 50.0);
    // Peak 2 height: 20 and 40 of two runs: mean 30, SD sqrt(200) = 14.142..., RSD 47.14... %.
    EXPECT_EQ(*Number(count[12]), 2.0);
    EXPECT_DOUBLE_EQ(*Number(mean[12]), 30.0);
    EXPECT_DOUBLE_EQ(*Number(sd[12]), 14.142135623730951);
    EXPECT_DOUBLE_EQ(*Number(rsd[12]), 47.14045207910317);
    EXPECT_TRUE(table.m_Notices.empty());
}

TEST(SummaryTable, ComponentsOfTheProjectTakeTheirPeaks) {
    CPrjDoc project;
    project.m_MethodName = "苯系物";
    project.m_Method = kExternalStandard;
    CComponentItem benzene, toluene;
    benzene.m_Id = 1;
    benzene.m_Name = "苯";
    toluene.m_Id = 2;
    toluene.m_Name = "甲苯";
    project.m_Components = {benzene, toluene};

    CTzLabDoc doc;
    doc.m_SampleName = "水样";
    doc.m_Operator = "李";
    doc.m_CreatedAt = 1714573805;
    // Peak 1 is no component; peaks 2 and 3 both carry toluene; benzene has no peak.
    doc.m_Peaks = {Peak(1, 1.0, 10, 1, 10, 0), Peak(2, 4.0, 50, 5, 50, 1.5, 2),
                   Peak(3, 4.1, 40, 4, 40, 1.2, 2)};
    const SummaryRun run = SummaryRunOf(doc, "x.Tzd", &project);
    EXPECT_EQ(run.m_Method, "苯系物 (外标法)");
    EXPECT_EQ(run.m_SampleName, "水样");

    const SummaryTable table = BuildSummaryTable({run}, &project);
    ASSERT_EQ(table.m_Headers.size(), 15u);
    EXPECT_EQ(table.m_Headers[5], "苯 保留时间/分");
    EXPECT_EQ(table.m_Headers[14], "甲苯 含量");
    const auto& row = table.m_Rows[0];
    for (std::size_t c = 5; c < 10; ++c)
        EXPECT_TRUE(std::holds_alternative<std::monostate>(row[c])) << c;
    // The first of toluene's peaks, as internal-standard quantitation takes it; the operator
    // is told which peaks there were.
    EXPECT_EQ(*Number(row[10]), 4.0);
    EXPECT_EQ(*Number(row[14]), 1.5);
    ASSERT_EQ(table.m_Notices.size(), 1u);
    EXPECT_EQ(table.m_Notices[0], "图谱[x.Tzd]中峰 2, 3 都识别为组份[甲苯],汇总表列出峰 2。");
    // One run: a mean, but no deviation; benzene's columns have nothing.
    EXPECT_EQ(*Number(table.m_Rows[2][14]), 1.5);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(table.m_Rows[3][14]));
    EXPECT_EQ(*Number(table.m_Rows[1][5]), 0.0);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(table.m_Rows[2][5]));

    // A project without components gives the run columns only.
    project.m_Components.clear();
    EXPECT_EQ(BuildSummaryTable({run}, &project).m_Headers.size(), 5u);
}

TEST(SummaryTable, CsvAndTsvAsSpreadsheetsReadThem) {
    UtcTime utc;
    SummaryRun run = MakeRun("a,b.Tzd", {Peak(1, 0.999166666666666667, 601472.9, 39992.0155339806,
                                              66.661187974733, 0.66661187974733)});
    run.m_SampleName = "say \"水\"";
    run.m_Operator = "tab\there";
    const SummaryTable table = BuildSummaryTable({run}, nullptr);
    const std::string csv = SummaryCsv(table);
    ASSERT_EQ(csv.rfind("\xEF\xBB\xBF文件,样品名称,实验员,采样时间,分析方法,峰1 保留时间/分,", 0),
              0u)
        << csv;
    // Quotes where RFC 4180 needs them, numbers to 15 significant digits, CR LF.
    EXPECT_NE(csv.find("\r\n\"a,b.Tzd\",\"say \"\"水\"\"\",tab\there,2024-05-01 14:30:05,,"
                       "0.999166666666667,601472.9,39992.0155339806,66.661187974733,"
                       "0.66661187974733\r\n"),
              std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\r\n个数,,,,,1,1,1,1,1\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\r\n标准偏差,,,,,,,,,\r\n"), std::string::npos) << csv;

    const std::string tsv = SummaryTsv(table);
    EXPECT_EQ(tsv.rfind("文件\t样品名称\t", 0), 0u);
    EXPECT_NE(tsv.find("\na,b.Tzd\t\"say \"\"水\"\"\"\t\"tab\there\"\t2024-05-01 14:30:05\t"),
              std::string::npos)
        << tsv;
    EXPECT_EQ(tsv.find('\r'), std::string::npos);

    test::SpeakLanguage english(Language::English);
    const std::string en = SummaryCsv(BuildSummaryTable({run}, nullptr));
    EXPECT_EQ(en.rfind("\xEF\xBB\xBF"
                       "File,Sample,Operator,Acquired,Method,Peak 1 RT/min,"
                       "Peak 1 Area,Peak 1 Height/µV,Peak 1 Area%,Peak 1 Content\r\n",
                       0),
              0u)
        << en;
    EXPECT_NE(en.find("\r\nMean,"), std::string::npos);
}

}  // namespace
}  // namespace lx
