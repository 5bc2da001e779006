// lx6600-cli process and export on real files.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/TzdFile.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

test::ProgramRun Cli(const std::vector<std::string>& args) {
    return test::RunProgram(LX6600_CLI, args);
}

CTzLabDoc Load(const std::string& path) {
    auto doc = LoadTzdFile(path);
    EXPECT_TRUE(doc.ok()) << path;
    return doc.ok() ? std::move(doc.value()) : CTzLabDoc{};
}

class CliProcess : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string run = dir.Path("run.Tzd");
    std::string shortRun = dir.Path("short.Tzd");
    void SetUp() override {
        ASSERT_EQ(
            Cli({"synth", run, "--minutes", "3", "--peak", "1:20000", "--peak", "2:9000"}).exitCode,
            0);
        ASSERT_EQ(Cli({"synth", shortRun, "--minutes", "1.5", "--peak", "0.5:5000"}).exitCode, 0);
    }
};

TEST_F(CliProcess, EveryOperationWritesAnIntegratedResult) {
    const CTzLabDoc source = Load(run);
    const CTzLabDoc other = Load(shortRun);

    auto flip = Cli({"process", "flip", run});
    ASSERT_EQ(flip.exitCode, 0) << flip.err;
    EXPECT_EQ(flip.out, dir.Path("run翻转.Tzd") + "\n");
    const CTzLabDoc flipped = Load(dir.Path("run翻转.Tzd"));
    EXPECT_EQ(flipped.m_Samples.At(1000), 2 * source.m_Samples.At(0) - source.m_Samples.At(1000));

    ASSERT_EQ(Cli({"process", "smooth", run, "--width", "3", dir.Path("s.Tzd")}).exitCode, 0);
    const CTzLabDoc smoothed = Load(dir.Path("s.Tzd"));
    // Width 3 puts the mean of the sample and the two before it at each sample.
    EXPECT_EQ(smoothed.m_Samples.At(500),
              (source.m_Samples.At(498) + source.m_Samples.At(499) + source.m_Samples.At(500)) / 3);
    EXPECT_EQ(smoothed.m_Peaks.size(), 2u);

    ASSERT_EQ(Cli({"process", "derivative", run}).exitCode, 0);
    const CTzLabDoc slope = Load(dir.Path("run导数.Tzd"));
    EXPECT_EQ(slope.m_Samples.At(7),
              (source.m_Samples.At(8) - source.m_Samples.At(7)) * 20 + source.m_Samples.At(0));

    ASSERT_EQ(Cli({"process", "add", run, shortRun}).exitCode, 0);
    const CTzLabDoc sum = Load(dir.Path("run相加.Tzd"));
    ASSERT_EQ(sum.m_Samples.size(), other.m_Samples.size());  // the shorter of the two
    EXPECT_EQ(sum.m_Samples.At(600),
              source.m_Samples.At(600) - source.m_Samples.At(0) + other.m_Samples.At(600));
    EXPECT_EQ(sum.m_Peaks.size(), 2u);  // 1 min from the run, 0.5 min from the other

    ASSERT_EQ(Cli({"process", "subtract", run, run}).exitCode, 0);
    const CTzLabDoc zero = Load(dir.Path("run相减.Tzd"));
    EXPECT_EQ(zero.m_Samples.At(1200), source.m_Samples.At(0));
    EXPECT_TRUE(zero.m_Peaks.empty());
}

TEST_F(CliProcess, ShiftInPlaceOrToAnotherFile) {
    const CTzLabDoc source = Load(run);
    ASSERT_EQ(Cli({"process", "shift", run, "--mv", "0.5", dir.Path("down.Tzd")}).exitCode, 0);
    EXPECT_EQ(Load(dir.Path("down.Tzd")).m_Samples.At(10), source.m_Samples.At(10) - 500);
    EXPECT_TRUE(Load(run).m_Samples == source.m_Samples);

    // OUT exists: left alone unless --force.
    auto refused = Cli({"process", "shift", run, "--mv", "1", dir.Path("down.Tzd")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("--force"), std::string::npos) << refused.err;
    EXPECT_EQ(Load(dir.Path("down.Tzd")).m_Samples.At(10), source.m_Samples.At(10) - 500);
    ASSERT_EQ(Cli({"process", "shift", run, "--mv", "1", dir.Path("down.Tzd"), "--force"}).exitCode,
              0);
    EXPECT_EQ(Load(dir.Path("down.Tzd")).m_Samples.At(10), source.m_Samples.At(10) - 1000);

    // Without OUT the input is changed only when asked to.
    EXPECT_EQ(Cli({"process", "shift", run, "--auto-zero"}).exitCode, 2);
    EXPECT_TRUE(Load(run).m_Samples == source.m_Samples);
    ASSERT_EQ(Cli({"process", "shift", run, "--auto-zero", "--in-place"}).exitCode, 0);
    const CTzLabDoc zeroed = Load(run);
    EXPECT_EQ(zeroed.m_Samples.At(0), 0);
    EXPECT_EQ(zeroed.m_Samples.At(10), source.m_Samples.At(10) - source.m_Samples.At(0));
    const auto before = std::filesystem::last_write_time(run);
    auto nothing = Cli({"process", "shift", run, "--auto-zero", "--in-place"});
    ASSERT_EQ(nothing.exitCode, 0);
    EXPECT_NE(nothing.err.find("平移量为 0"), std::string::npos);
    EXPECT_EQ(std::filesystem::last_write_time(run), before);

    EXPECT_EQ(Cli({"process", "shift", run, "--in-place"}).exitCode, 2);  // --mv or --auto-zero
    EXPECT_EQ(Cli({"process", "shift", run, "--mv", "1", "--auto-zero", "--in-place"}).exitCode, 2);
    EXPECT_EQ(Cli({"process", "shift", run, "--mv", "1", "o.Tzd", "--in-place"}).exitCode, 2);
}

// Every number is checked before anything is read or written: the message names the option,
// the value and what is allowed.
TEST_F(CliProcess, NumbersOutOfTheirRangesAreRefused) {
    struct Case {
        std::vector<std::string> args;
        std::string expected;
    };
    for (const Case& c :
         {Case{{"smooth", run, "--width", "1"}, "选项 --width 的值 1 超出范围,允许 [2, 1e+09]。"},
          Case{{"smooth", run, "--width", "2.5"}, "选项 --width 的值 \"2.5\" 不是整数。"},
          Case{{"smooth", run, "--width", "abc"}, "选项 --width 的值 \"abc\" 不是一个数。"},
          Case{{"shift", run, "--mv", "nan", "--in-place"}, "选项 --mv 的值 \"nan\" 不是一个数。"},
          Case{{"shift", run, "--mv", "1e12", "--in-place"},
               "选项 --mv 的值 1e12 超出范围,允许 [-5000, 5000]。"}}) {
        std::vector<std::string> args{"process"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        auto refused = Cli(args);
        EXPECT_EQ(refused.exitCode, 2);
        EXPECT_EQ(refused.err.substr(0, refused.err.find('\n')), c.expected);
    }
    auto english = Cli({"--lang", "en", "process", "smooth", run, "--width", "0"});
    EXPECT_EQ(english.err.substr(0, english.err.find('\n')),
              "Option --width: 0 is out of range; allowed: [2, 1e+09].");
    EXPECT_FALSE(std::filesystem::exists(dir.Path("run平滑.Tzd")));
}

TEST_F(CliProcess, TextExport) {
    const std::string text = dir.Path("run.txt");
    ASSERT_EQ(Cli({"export", shortRun, "--text", text}).exitCode, 0);
    const auto bytes = test::ReadBytes(text);
    const std::string content(bytes.begin(), bytes.end());
    const CTzLabDoc doc = Load(shortRun);
    EXPECT_EQ(content.substr(0, content.find('\n') + 1),
              "0.0000  " + std::to_string(doc.m_Samples.At(0)) + " \r\n");
    EXPECT_EQ(std::count(content.begin(), content.end(), '\n'),
              static_cast<long>(doc.m_Samples.size()));
    EXPECT_NE(content.find("\r\n1.0000  "), std::string::npos);  // sample 1200 at 20 per second
    auto failed = Cli({"export", shortRun, "--text", dir.Path("none/x.txt")});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_NE(failed.err.find("保存文件["), std::string::npos);
    EXPECT_EQ(Cli({"export", dir.Path("none.Tzd"), "--text", dir.Path("other.txt")}).err,
              "打开文件[" + dir.Path("none.Tzd") + "]失败!(文件不存在)\n");

    // "-" is standard output; a file that exists is replaced only with --force.
    auto piped = Cli({"export", shortRun, "--text", "-"});
    ASSERT_EQ(piped.exitCode, 0);
    EXPECT_EQ(piped.out, content);
    EXPECT_EQ(Cli({"export", shortRun, "--text", text}).exitCode, 1);
    EXPECT_EQ(Cli({"export", shortRun, "--text", text, "--force"}).exitCode, 0);
}

}  // namespace
}  // namespace lx
