// lx6600-cli summary, run as a user runs it: the rows and statistics of real runs, the same
// numbers in the workbook as LibreOffice Calc opens it, a project's samples by component, and
// the command lines it refuses.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/Format.h"
#include "core/TzdFile.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

test::ProgramRun Cli(const std::vector<std::string>& args) {
    return test::RunProgram(LX6600_CLI, args);
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct CsvCell {
    std::string text;
    bool quoted = false;
};
using CsvRows = std::vector<std::vector<CsvCell>>;

// RFC 4180, as spreadsheets write it: quoted fields may hold separators, quotes and line ends.
CsvRows ParseCsv(std::string text, char separator = ',') {
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    CsvRows rows(1, std::vector<CsvCell>(1));
    for (std::size_t i = 0; i < text.size(); ++i) {
        CsvCell& cell = rows.back().back();
        const char c = text[i];
        if (c == '"' && cell.text.empty() && !cell.quoted) {
            cell.quoted = true;
            for (++i; i < text.size() && !(text[i] == '"' && text[i + 1] != '"'); ++i)
                cell.text += text[i] == '"' ? text[++i] : text[i];
        } else if (c == separator) {
            rows.back().emplace_back();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            if (i + 1 < text.size())
                rows.emplace_back(1);
        } else {
            cell.text += c;
        }
    }
    return rows;
}

PeakRecord PeakOf(const std::string& file, std::size_t index) {
    auto doc = LoadTzdFile(file);
    EXPECT_TRUE(doc.ok()) << doc.error();
    return doc.ok() && index < doc.value().m_Peaks.size() ? doc.value().m_Peaks[index]
                                                          : PeakRecord{};
}

std::string Digits(double v) {
    return Format("%.15g", v);
}

TEST(CliSummary, RunsWithoutAProjectInCsvAndInAWorkbookCalcOpens) {
    test::TempDir dir;
    const std::string a = dir.Path("a.Tzd"), b = dir.Path("b.Tzd"), c = dir.Path("c.Tzd");
    const std::vector<std::string> two{"--minutes", "3", "--peak", "1:40000", "--peak", "2:20000"};
    auto synth = [](const std::string& file, std::vector<std::string> args) {
        args.insert(args.begin(), {"synth", file});
        ASSERT_EQ(Cli(args).exitCode, 0);
    };
    synth(a, two);
    synth(b, {"--minutes", "3", "--peak", "1:40000", "--peak", "2:20000", "--seed", "2", "--scale",
              "1.1"});
    synth(c, {"--minutes", "3", "--peak", "1:30000"});  // no peak 2

    const std::string csvPath = dir.Path("summary.csv");
    const auto written = Cli({"summary", a, b, c, "--csv", csvPath});
    ASSERT_EQ(written.exitCode, 0) << written.err;
    EXPECT_EQ(written.out, csvPath + "\n");
    const std::string csvText = Slurp(csvPath);
    EXPECT_EQ(
        csvText.rfind("\xEF\xBB\xBF文件,样品名称,实验员,采样时间,分析方法,峰1 保留时间/分,", 0),
        0u);
    const CsvRows csv = ParseCsv(csvText);
    ASSERT_EQ(csv.size(), 8u);  // headings, three runs, n, mean, SD, RSD
    ASSERT_EQ(csv[0].size(), 15u);
    EXPECT_EQ(csv[0][14].text, "峰2 含量");

    // Each run's row holds its file's peaks to 15 digits; c has no peak 2.
    const std::vector<std::string> files{a, b, c};
    for (std::size_t r = 0; r < files.size(); ++r) {
        const auto& row = csv[r + 1];
        ASSERT_EQ(row.size(), 15u);
        EXPECT_EQ(row[0].text, files[r]);
        EXPECT_EQ(row[1].text, "synthetic");
        for (std::size_t k = 0; k < 2; ++k) {
            if (r == 2 && k == 1) {
                for (std::size_t col = 10; col < 15; ++col)
                    EXPECT_EQ(row[col].text, "") << col;
                continue;
            }
            const PeakRecord p = PeakOf(files[r], k);
            const std::size_t at = 5 + 5 * k;
            EXPECT_EQ(row[at].text, Digits(p.m_ApexTime));
            EXPECT_EQ(row[at + 1].text, Digits(p.m_Area));
            EXPECT_EQ(row[at + 2].text, Digits(p.m_Height));
            EXPECT_EQ(row[at + 3].text, Digits(p.m_AreaPercent));
            EXPECT_EQ(row[at + 4].text, Digits(p.m_Content));
        }
    }
    EXPECT_EQ(csv[4][0].text, "个数");
    EXPECT_EQ(csv[4][6].text, "3");
    EXPECT_EQ(csv[4][11].text, "2");
    // Peak 2's area over the two runs that have one: (x + y) / 2, SD |x - y| / sqrt(2).
    const double x = PeakOf(a, 1).m_Area, y = PeakOf(b, 1).m_Area;
    EXPECT_EQ(csv[5][0].text, "平均值");
    EXPECT_NEAR(std::stod(csv[5][11].text), (x + y) / 2, 1e-9 * x);
    EXPECT_NEAR(std::stod(csv[6][11].text), std::fabs(x - y) / std::sqrt(2.0), 1e-9 * x);
    EXPECT_NEAR(std::stod(csv[7][11].text), std::fabs(x - y) / std::sqrt(2.0) / ((x + y) / 2) * 100,
                1e-9);

    if (!std::filesystem::exists("/usr/bin/soffice"))
        GTEST_SKIP() << "LibreOffice is not installed; scripts/setup installs it";
    const std::string xlsx = dir.Path("summary.xlsx");
    const auto book = Cli({"summary", a, b, c, "--xlsx", xlsx});
    ASSERT_EQ(book.exitCode, 0) << book.err;
    // Calc's CSV with every text cell quoted: a number or a date stored as text would show.
    const std::string out = dir.Path("calc");
    const auto converted = test::RunProgram(
        "/usr/bin/soffice",
        {"-env:UserInstallation=file://" + dir.Path("office-profile"), "--headless", "--convert-to",
         "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true", "--outdir", out, xlsx});
    ASSERT_EQ(converted.exitCode, 0) << converted.err;
    const CsvRows calc = ParseCsv(Slurp(out + "/summary.csv"));
    ASSERT_EQ(calc.size(), csv.size());
    for (std::size_t r = 0; r < csv.size(); ++r) {
        ASSERT_EQ(calc[r].size(), csv[r].size()) << r;
        for (std::size_t col = 0; col < csv[r].size(); ++col) {
            EXPECT_EQ(calc[r][col].text, csv[r][col].text) << r << ", " << col;
            const bool text = r == 0 || col < 3 || col == 4 || (col == 0 && r > 3);
            EXPECT_EQ(calc[r][col].quoted, text && !csv[r][col].text.empty())
                << r << ", " << col << ": " << calc[r][col].text;
        }
    }
}

TEST(CliSummary, AProjectsSamplesByComponentWithTheProjectsContents) {
    test::TempDir dir;
    const std::string home = dir.Path("home");
    auto cli = [&](std::vector<std::string> args) {
        args.insert(args.end(), {"--home", home});
        const auto run = Cli(args);
        EXPECT_EQ(run.exitCode, 0) << args[0] << " " << args[1] << "\n" << run.err;
        return run;
    };
    const std::vector<std::string> mix{"--minutes", "8",      "--noise",   "1",      "--peak",
                                       "2:40000",   "--peak", "4:60000:4", "--peak", "6:30000"};
    auto synth = [&](const std::string& name, std::vector<std::string> more) {
        std::vector<std::string> args{"synth", dir.Path(name)};
        args.insert(args.end(), more.begin(), more.end());
        cli(args);
        return dir.Path(name);
    };
    auto withMix = [&](std::vector<std::string> more) {
        more.insert(more.begin(), mix.begin(), mix.end());
        return more;
    };
    const std::string std1 = synth("std1.Tzd", withMix({"--seed", "1"}));
    const std::string std2 = synth("std2.Tzd", withMix({"--seed", "2", "--scale", "2"}));
    const std::string s1 = synth("s1.Tzd", withMix({"--seed", "3", "--scale", "1.5"}));
    // No xylene in s2; two peaks in benzene's window in s3, which is no sample of the project.
    const std::string s2 = synth("s2.Tzd", {"--minutes", "8", "--noise", "1", "--peak", "2:40000",
                                            "--peak", "4:60000:4", "--seed", "4"});
    const std::string s3 = synth(
        "s3.Tzd", {"--minutes", "8", "--noise", "1", "--peak", "1.92:40000:1.5", "--peak",
                   "2.08:20000:1.5", "--peak", "4:60000:4", "--peak", "6:30000", "--seed", "5"});
    cli({"project", "new", "苯系物", "--method", "external-standard", "--basis", "area", "--ident",
         "time-band", "--operator", "王"});
    const std::string p = home + "/苯系物/苯系物.Tzp";
    for (const auto& [name, time] : {std::pair{"苯", "2"}, {"甲苯", "4"}, {"二甲苯", "6"}})
        cli({"project", "component", p, "add", "--name", name, "--time", time, "--window", "0.1"});
    cli({"project", "add-standard", p, std1});
    cli({"project", "add-standard", p, std2});
    cli({"project", "set-level", p, std2, "2"});
    for (const char* id : {"1", "2", "3"})
        for (const char* level : {"1", "2"})
            cli({"project", "component", p, "concentration", "--id", id, "--level", level,
                 "--value", level});
    cli({"integrate", std1, std2, "--project", p});
    cli({"project", "add-sample", p, s1});
    cli({"project", "add-sample", p, s2});

    const auto run = cli({"summary", s3, "--project", p, "--samples", "--csv", "-"});
    const CsvRows rows = ParseCsv(run.out);
    ASSERT_EQ(rows.size(), 8u) << run.out;
    ASSERT_EQ(rows[0].size(), 20u);
    EXPECT_EQ(rows[0][5].text, "苯 保留时间/分");
    EXPECT_EQ(rows[0][19].text, "二甲苯 含量");
    // The files given come first, then the project's samples in its order.
    EXPECT_EQ(rows[1][0].text, s3);
    EXPECT_EQ(rows[2][0].text, s1);
    EXPECT_EQ(rows[3][0].text, s2);
    EXPECT_EQ(rows[2][4].text, "苯系物 (外标法)");
    // s1 holds 1.5 of each component, calibrated by the standards at 1 and 2.
    for (std::size_t col : {9u, 14u, 19u})
        EXPECT_NEAR(std::stod(rows[2][col].text), 1.5, 0.005) << rows[0][col].text;
    for (std::size_t col = 15; col < 20; ++col)
        EXPECT_EQ(rows[3][col].text, "") << col;
    EXPECT_EQ(rows[4][19].text, "2");  // n of xylene's content: s3 and s1
    EXPECT_EQ(rows[4][9].text, "3");
    // s3's benzene is its first peak in the window; the operator is told of the other.
    EXPECT_NEAR(std::stod(rows[1][5].text), 1.92, 0.005);
    EXPECT_NE(run.err.find("中峰 1, 2 都识别为组份[苯],汇总表列出峰 1。"), std::string::npos)
        << run.err;
}

TEST(CliSummary, TabsOnStandardOutputInEnglish) {
    test::TempDir dir;
    const std::string a = dir.Path("a.Tzd");
    ASSERT_EQ(Cli({"synth", a, "--minutes", "2", "--peak", "1:40000"}).exitCode, 0);
    const auto run = Cli({"summary", a, "--tsv", "-", "--lang", "en"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const CsvRows rows = ParseCsv(run.out, '\t');
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0][0].text, "File");
    EXPECT_EQ(rows[0][9].text, "Peak 1 Content");
    EXPECT_EQ(rows[1][0].text, a);
    EXPECT_EQ(rows[3][0].text, "Mean");
    EXPECT_EQ(rows[3][6].text, rows[1][6].text);  // the mean of one run is its value
    EXPECT_EQ(rows[4][6].text, "");               // and it has no deviation
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
}

TEST(CliSummary, RefusesWithoutWritingAnything) {
    test::TempDir dir;
    const std::string a = dir.Path("a.Tzd");
    ASSERT_EQ(Cli({"synth", a, "--minutes", "2", "--peak", "1:40000"}).exitCode, 0);
    const std::string out = dir.Path("out.csv");

    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"summary", a},
             {"summary", a, "--csv", out, "--tsv", "-"},
             {"summary", a, "--samples", "--csv", out},
             {"summary", "--csv", out},
         }) {
        const auto run = Cli(args);
        EXPECT_EQ(run.exitCode, 2) << run.err;
        EXPECT_NE(run.err.find("用 --help 查看用法。"), std::string::npos) << run.err;
    }
    EXPECT_NE(Cli({"summary", a}).err.find("summary 需要 --csv、--xlsx 或 --tsv 之一。"),
              std::string::npos);

    // A file that cannot be read stops the summary before anything is written.
    const std::string text = dir.Path("notes.txt");
    std::ofstream(text) << "not a chromatogram\n";
    for (const std::string& bad : {dir.Path("missing.Tzd"), text}) {
        const auto run = Cli({"summary", a, bad, "--csv", out});
        EXPECT_EQ(run.exitCode, 1) << bad;
        EXPECT_NE(run.err.find(bad), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(out));
    }

    std::ofstream(out) << "mine";
    auto run = Cli({"summary", a, "--csv", out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("已存在,未覆盖;要覆盖它请加 --force"), std::string::npos) << run.err;
    EXPECT_EQ(Slurp(out), "mine");
    EXPECT_EQ(Cli({"summary", a, "--csv", out, "--force"}).exitCode, 0);
    EXPECT_NE(Slurp(out), "mine");
    // Never over one of its inputs.
    run = Cli({"summary", a, "--xlsx", a, "--force"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("是输入文件"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace lx
