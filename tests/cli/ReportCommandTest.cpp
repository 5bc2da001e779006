// lx6600-cli report: the PDF a lab hands on, read back with poppler's tools as a reader would.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

// The text of the PDF without its spaces: the labels space their characters out, and how many
// spaces a reader sees between two glyphs depends on its layout guesses.
std::string PdfText(const std::string& pdf) {
    std::string text = test::RunProgram("/usr/bin/pdftotext", {"-layout", pdf, "-"}).out;
    std::erase(text, ' ');
    return text;
}

bool Holds(const std::string& text, std::string label) {
    std::erase(label, ' ');
    return text.find(label) != std::string::npos;
}

int PdfPages(const std::string& pdf) {
    const std::string info = test::RunProgram("/usr/bin/pdfinfo", {pdf}).out;
    const auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

TEST(CliReport, APdfReportWithItsLabelsPeaksAndPages) {
    if (!std::filesystem::exists("/usr/bin/pdftotext"))
        GTEST_SKIP()
            << "poppler-utils (pdftotext, pdfinfo) is not installed; scripts/setup installs it";
    test::TempDir dir;
    const std::string run = dir.Path("run.Tzd");
    ASSERT_EQ(test::RunProgram(LX6600_CLI, {"synth", run, "--minutes", "8", "--peak", "2:40000",
                                            "--peak", "4:60000", "--peak", "6:30000"})
                  .exitCode,
              0);
    const std::string pdf = dir.Path("run.pdf");
    const auto report = test::RunProgram(LX6600_CLI, {"report", run, "--pdf", pdf});
    ASSERT_EQ(report.exitCode, 0) << report.err;
    EXPECT_EQ(PdfPages(pdf), 1);
    EXPECT_LT(std::filesystem::file_size(pdf), 1u << 20);
    const std::string chinese = PdfText(pdf);
    for (const char* label : {"样 品 基 本 信 息", "文 件 名: run.Tzd", "分   析   结   果",
                              "面积百分含量", "合计:", "Min(分钟)"})
        EXPECT_TRUE(Holds(chinese, label)) << label << "\n" << chinese;
    // The rows of the three peaks (each apex on the sample before its minute) and the total.
    for (const char* row : {"1.999", "3.999", "5.999", "100.0000"})
        EXPECT_TRUE(Holds(chinese, row)) << row;

    const std::string english = dir.Path("english.pdf");
    ASSERT_EQ(test::RunProgram(LX6600_CLI,
                               {"report", run, "--pdf", english, "--english", "--simple", "0"})
                  .exitCode,
              0);
    const std::string text = PdfText(english);
    for (const char* label : {"FILENAME: run.Tzd", "Method: NORMALIZATION", "Result", "Peak No",
                              "Total:", "Instruments Info:"})
        EXPECT_TRUE(Holds(text, label)) << label << "\n" << text;

    // Two chromatograms: one picture, and each one's results under its name.
    const std::string second = dir.Path("second.Tzd");
    ASSERT_EQ(test::RunProgram(LX6600_CLI, {"synth", second, "--minutes", "8", "--peak", "3:20000"})
                  .exitCode,
              0);
    const std::string overlaid = dir.Path("overlaid.pdf");
    ASSERT_EQ(test::RunProgram(LX6600_CLI, {"report", run, second, "--pdf", overlaid}).exitCode, 0);
    const std::string both = PdfText(overlaid);
    for (const char* label : {"通道 1 : run.Tzd", "通道 2 : second.Tzd", "2.999", "5.999"})
        EXPECT_TRUE(Holds(both, label)) << label << "\n" << both;

    // The report is not written over a file unless told.
    EXPECT_EQ(test::RunProgram(LX6600_CLI, {"report", run, "--pdf", pdf}).exitCode, 1);
    EXPECT_EQ(test::RunProgram(LX6600_CLI, {"report", run, "--pdf", pdf, "--force"}).exitCode, 0);
}

// The report file (.Tze) is rich text a word processor opens: LibreOffice turns it into text
// holding every section, and the picture travels inside it.
TEST(CliReport, TheReportFileOpensInAWordProcessor) {
    if (!std::filesystem::exists("/usr/bin/soffice"))
        GTEST_SKIP() << "LibreOffice is not installed; scripts/setup installs it";
    test::TempDir dir;
    const std::string run = dir.Path("run.Tzd");
    ASSERT_EQ(test::RunProgram(LX6600_CLI, {"synth", run, "--minutes", "6", "--peak", "3:40000"})
                  .exitCode,
              0);
    const std::string tze = dir.Path("run.Tze");
    const auto written = test::RunProgram(LX6600_CLI, {"export", run, "--rtf", tze});
    ASSERT_EQ(written.exitCode, 0) << written.err;
    const std::vector<std::uint8_t> bytes = test::ReadBytes(tze);
    const std::string rtf(bytes.begin(), bytes.end());
    EXPECT_NE(rtf.find("{\\pict\\pngblip"), std::string::npos);

    const auto converted = test::RunProgram(
        "/usr/bin/soffice",
        {"-env:UserInstallation=file://" + dir.Path("office-profile"), "--headless", "--convert-to",
         "txt:Text (encoded):UTF8", "--outdir", dir.path().string(), tze});
    ASSERT_EQ(converted.exitCode, 0) << converted.err;
    const std::vector<std::uint8_t> txt = test::ReadBytes(dir.Path("run.txt"));
    std::string text(txt.begin(), txt.end());
    // LibreOffice keeps runs of spaces as no-break and six-per-em spaces; no kind matters here.
    for (const std::string space : {"\xc2\xa0", "\xe2\x80\x86", " "})
        for (auto at = text.find(space); at != std::string::npos; at = text.find(space))
            text.erase(at, space.size());
    for (const char* section : {"文件名:run.Tzd", "采样时间:", "仪器信息:", "检测器类型:紫外",
                                "分析结果", "面积百分含量", "合计:", "100.0000"})
        EXPECT_NE(text.find(section), std::string::npos) << section << "\n" << text;
}

}  // namespace
}  // namespace lx
