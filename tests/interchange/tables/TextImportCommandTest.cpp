// lx6600-cli import-text, run as a user runs it: our export read back exactly, other programs'
// files through the options, and the files and command lines it refuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/TzdFile.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

std::string Write(const test::TempDir& dir, const std::string& name, const std::string& text) {
    const std::string path = dir.Path(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

test::ProgramRun Cli(const std::vector<std::string>& args) {
    return test::RunProgram(LX6600_CLI, args);
}

CTzLabDoc Load(const std::string& path) {
    auto loaded = LoadTzdFile(path);
    EXPECT_TRUE(loaded.ok()) << loaded.error();
    return loaded.ok() ? std::move(loaded.value()) : CTzLabDoc();
}

std::vector<std::int32_t> SamplesOf(const std::string& path) {
    const CTzLabDoc doc = Load(path);
    return {doc.m_Samples.begin(), doc.m_Samples.end()};
}

TEST(CliImportText, TheTextExportComesBackSampleForSample) {
    test::TempDir dir;
    for (const char* rate : {"10", "20"}) {
        const std::string run = dir.Path(std::string("run") + rate + ".Tzd");
        ASSERT_EQ(Cli({"synth", run, "--minutes", "5", "--rate", rate, "--peak", "1.5:40000",
                       "--peak", "3:90000:5"})
                      .exitCode,
                  0);
        const std::string text = dir.Path(std::string("run") + rate + ".txt");
        ASSERT_EQ(Cli({"export", run, "--text", text}).exitCode, 0);
        const std::string back = dir.Path(std::string("back") + rate + ".Tzd");
        const auto imported = Cli({"import-text", text, back});
        ASSERT_EQ(imported.exitCode, 0) << imported.err;
        EXPECT_EQ(imported.out, back + "\n");
        EXPECT_EQ(imported.err, "");  // nothing rounded, nothing resampled

        const CTzLabDoc original = Load(run);
        const CTzLabDoc copy = Load(back);
        EXPECT_EQ(copy.m_ChannelSetup.rate, original.m_ChannelSetup.rate) << rate;
        EXPECT_EQ(copy.m_Samples, original.m_Samples) << rate;
        // Integrated with the default parameters, as synth integrates.
        ASSERT_EQ(copy.m_Peaks.size(), 2u);
        EXPECT_EQ(copy.m_Peaks, original.m_Peaks);
    }
}

TEST(CliImportText, OtherProgramsFilesThroughTheOptions) {
    test::TempDir dir;
    const std::string out = dir.Path("out.Tzd");
    const auto import = [&](const std::string& file, std::vector<std::string> options) {
        std::vector<std::string> args{"import-text", file, out, "--force"};
        args.insert(args.end(), options.begin(), options.end());
        return Cli(args);
    };
    // A logger's CSV in seconds and millivolts.
    const std::string csv =
        Write(dir, "logger.csv",
              "Time (s),Voltage (mV)\r\n0.00,0.5\r\n0.10,1.25\r\n0.20,-2\r\n0.30,3\r\n");
    auto run = import(csv, {"--time-unit", "s", "--value-unit", "mV"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(SamplesOf(out), (std::vector<std::int32_t>{500, 1250, -2000, 3000}));
    EXPECT_EQ(Load(out).m_ChannelSetup.rate, 10);

    // Tab-separated, the value first, in volts, minutes of four decimals.
    const std::string tsv = Write(
        dir, "other.txt", "V\tmin\n0.001\t0.0000\n0.002\t0.0008\n0.003\t0.0017\n0.004\t0.0025\n");
    run = import(tsv, {"--time-column", "2", "--value-column", "1", "--value-unit", "V"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(SamplesOf(out), (std::vector<std::int32_t>{1000, 2000, 3000, 4000}));
    EXPECT_EQ(Load(out).m_ChannelSetup.rate, 20);

    // Values finer than 1 µV are rounded, and the operator is told.
    const std::string fine = Write(dir, "fine.txt", "0 0.0\n1 100.4\n2 -2.5\n3 7\n");
    run = import(fine, {"--time-unit", "s"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(SamplesOf(out), (std::vector<std::int32_t>{0, 100, -3, 7}));
    EXPECT_EQ(run.err, "2 个值比 1 µV 更精细,已舍入到整微伏(最大改变 0.5 µV)。\n");

    // Uneven steps are resampled only when a rate is given, and the operator is told.
    const std::string uneven = Write(dir, "uneven.txt", "0.0 0.0\n1.0 100.4\n3.0 300\n4.0 0\n");
    run = import(uneven, {"--time-unit", "s"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("时间间隔不均匀"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("用 --rate R 给出采样频率"), std::string::npos) << run.err;
    run = import(uneven, {"--time-unit", "s", "--rate", "2"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(SamplesOf(out), (std::vector<std::int32_t>{0, 50, 100, 150, 200, 250, 300, 150, 0}));
    EXPECT_EQ(run.err, "4 行数据已按每秒 2 个采样点线性插值为 9 个采样点。\n");
}

TEST(CliImportText, BadFilesAreRefusedAndNothingIsWritten) {
    test::TempDir dir;
    const std::string out = dir.Path("out.Tzd");
    const std::string huge = dir.Path("huge.txt");
    std::ofstream(huge) << "0 1\n";
    std::filesystem::resize_file(huge, (2ULL << 30) + 1);  // sparse: no disk is used
    const std::vector<std::pair<std::string, std::string>> refused{
        {Write(dir, "comma.txt", "0\t1,5\n"), "用逗号作小数点"},
        {Write(dir, "ragged.csv", "0,1\n1,2\n2,3,4\n"), "第3行有 3 列"},
        {Write(dir, "words.csv", "0,1\n1,x\n"), "\"x\" 不是一个数"},
        {Write(dir, "empty.txt", ""), "中没有数据行"},
        {Write(dir, "binary.txt", std::string("\x00\x01\x02\xff\n\x7f", 6)), "中没有数据行"},
        {huge, "太大(2147483649 字节)"},
        {dir.Path("missing.txt"), "失败!(文件不存在)"},
    };
    for (const auto& [file, message] : refused) {
        const auto run = Cli({"import-text", file, out});
        EXPECT_EQ(run.exitCode, 1) << file;
        EXPECT_NE(run.err.find(message), std::string::npos) << file << "\n" << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(std::filesystem::exists(out)) << file;
    }
}

TEST(CliImportText, OutputAndCommandLineRefusals) {
    test::TempDir dir;
    const std::string text = Write(dir, "s.txt", "0 1\n1 2\n2 3\n");
    const std::string out = dir.Path("out.Tzd");
    Write(dir, "out.Tzd", "mine");
    auto run = Cli({"import-text", text, out, "--time-unit", "s"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("已存在,未覆盖;要覆盖它请加 --force"), std::string::npos) << run.err;
    std::ifstream kept(out);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "mine");
    EXPECT_EQ(Cli({"import-text", text, out, "--time-unit", "s", "--force"}).exitCode, 0);
    // Never over the file it reads, --force or not.
    run = Cli({"import-text", text, text, "--time-unit", "s", "--force"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("是输入文件"), std::string::npos) << run.err;

    const std::vector<std::vector<std::string>> usage{
        {"import-text", text, out, "--time-unit", "h"},
        {"import-text", text, out, "--value-unit", "kV"},
        {"import-text", text, out, "--rate", "0"},
        {"import-text", text, out, "--rate", "1.5"},
        {"import-text", text, out, "--rate", "10001"},
        {"import-text", text, out, "--time-column", "2", "--value-column", "2"},
        {"import-text", text, out, "--time-column", "0"},
        {"import-text", text},
    };
    for (const auto& args : usage) {
        run = Cli(args);
        EXPECT_EQ(run.exitCode, 2) << args.back() << "\n" << run.err;
        EXPECT_NE(run.err.find("用 --help 查看用法。"), std::string::npos) << run.err;
    }
    run = Cli({"import-text", text, out, "--time-unit", "h"});
    EXPECT_NE(run.err.find("选项 --time-unit 的值 \"h\" 不是可选项之一: min, s。"),
              std::string::npos)
        << run.err;
}

}  // namespace
}  // namespace lx
