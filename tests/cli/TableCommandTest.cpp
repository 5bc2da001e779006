// lx6600-cli table: the three forms of a file's result table.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(CliTable, ScreenPrintAndClipboardForms) {
    test::TempDir dir;
    const std::string run = dir.Path("run.Tzd");
    ASSERT_EQ(test::RunProgram(LX6600_CLI, {"synth", run, "--minutes", "6", "--peak", "2:40000",
                                            "--peak", "4:20000"})
                  .exitCode,
              0);
    // Without a project each peak's content is its area fraction, so both are listed.
    const auto screen = test::RunProgram(LX6600_CLI, {"table", run});
    ASSERT_EQ(screen.exitCode, 0) << screen.err;
    const auto lines = Lines(screen.out);
    ASSERT_EQ(lines.size(), 4u) << screen.out;  // header, two peaks, totals
    EXPECT_EQ(lines[0].rfind(" 峰 号 ", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("1 ", 0), 0u);
    EXPECT_EQ(lines[3].rfind("合计:", 0), 0u);
    EXPECT_NE(lines[3].find("100.0000"), std::string::npos) << lines[3];

    const auto print = test::RunProgram(LX6600_CLI, {"table", run, "--form", "print", "--english"});
    ASSERT_EQ(print.exitCode, 0);
    EXPECT_EQ(Lines(print.out)[0].rfind("  Peak No ", 0), 0u);
    EXPECT_EQ(Lines(print.out)[3].rfind("Total:", 0), 0u);

    const auto text = test::RunProgram(LX6600_CLI, {"table", run, "--form", "text"});
    ASSERT_EQ(text.exitCode, 0);
    const auto textLines = Lines(text.out);
    ASSERT_EQ(textLines.size(), 3u);  // no totals
    EXPECT_EQ(textLines[0],
              " 峰 号 \t 组 份 \t 保留时间 \t 面  积 \t 高  度 \t 面积/高度 \t 面积百分含量 \t"
              " 分离度 \t 拖尾因子 \t 理论塔板 \t");
    // Peak number, five spaces for no name, then the time as "% 6.3f" (the apex of the 2-minute
    // peak falls on the sample just before it).
    EXPECT_EQ(textLines[1].rfind("1\t     \t 1.999\t", 0), 0u) << textLines[1];

    EXPECT_EQ(test::RunProgram(LX6600_CLI, {"table", run, "--form", "pdf"}).exitCode, 2);
    EXPECT_EQ(test::RunProgram(LX6600_CLI, {"table", dir.Path("none.Tzd")}).exitCode, 1);
}

}  // namespace
}  // namespace lx
