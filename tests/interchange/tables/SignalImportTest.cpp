// Signals read from text: our own export back to the sample and the rate, the columns other
// programs and loggers write, resampling when asked, and every kind of file that is refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/SyntheticRun.h"
#include "interchange/tables/SignalImport.h"
#include "peaks/Integration.h"
#include "process/TextExport.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

std::string Write(const test::TempDir& dir, const std::string& name, const std::string& text) {
    const std::string path = dir.Path(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

SignalImportOptions Options(SignalTimeUnit time, SignalValueUnit value, int timeColumn = 1,
                            int valueColumn = 2) {
    SignalImportOptions o;
    o.m_TimeUnit = time;
    o.m_ValueUnit = value;
    o.m_Columns = {timeColumn, valueColumn};
    return o;
}

std::vector<std::int32_t> SamplesOf(const CTzLabDoc& doc) {
    return {doc.m_Samples.begin(), doc.m_Samples.end()};
}

TEST(SignalImport, OurTextExportReadsBackToEverySampleAndTheRate) {
    test::TempDir dir;
    // Rates whose steps our export's four decimals of minutes round differently: 20 per
    // second writes 0.0008, 0.0017, 0.0025; above 167 per second times repeat.
    for (std::int32_t rate : {1, 10, 20, 50, 100, 1000}) {
        SyntheticRunOptions synthetic;
        synthetic.rate = rate;
        synthetic.seed = static_cast<std::uint32_t>(rate);
        // Peaks of some ten samples and more either side at every rate.
        synthetic.minutes = rate >= 100 ? 1.0 : 6.0;
        synthetic.peaks = rate >= 100 ? std::vector<SyntheticPeak>{{0.3, 30000, 2}, {0.7, 80000, 3}}
                                      : std::vector<SyntheticPeak>{{2, 30000, 12}, {4, 80000, 15}};
        CTzLabDoc original = MakeSyntheticRun(synthetic);
        const std::string path = dir.Path("run" + std::to_string(rate) + ".txt");
        ASSERT_TRUE(ExportText(original, path).ok());

        const SignalImport imported = ImportSignalText(path, {});
        ASSERT_TRUE(imported.m_Signal) << rate << ": " << imported.m_Error;
        const ImportedSignal& signal = *imported.m_Signal;
        EXPECT_EQ(signal.m_Rate, rate);
        EXPECT_EQ(signal.m_Samples, SamplesOf(original)) << rate;
        EXPECT_FALSE(signal.m_Resampled);
        EXPECT_EQ(signal.m_RoundedValues, 0u);

        // Integrated with the default parameters, as the synthetic run itself is.
        test::ScriptedPrompter prompter;
        IntegrateAndQuantify(original, prompter);
        const CTzLabDoc run = ImportedChromatogram(signal, prompter);
        EXPECT_EQ(run.m_ChannelSetup.rate, rate);
        EXPECT_DOUBLE_EQ(run.m_ChannelSetup.stopTime, synthetic.minutes);
        EXPECT_EQ(SamplesOf(run), SamplesOf(original));
        ASSERT_EQ(run.m_Peaks.size(), 2u) << rate;
        EXPECT_EQ(run.m_Peaks, original.m_Peaks) << rate;
    }
}

TEST(SignalImport, ColumnsOfOtherProgramsInEachSeparatorAndUnit) {
    test::TempDir dir;
    using T = SignalTimeUnit;
    using V = SignalValueUnit;
    struct Case {
        const char* name;
        std::string text;
        SignalImportOptions options;
        std::int32_t rate;
        std::vector<std::int32_t> samples;
    };
    const std::vector<Case> cases{
        {"comma, seconds, mV, heading",
         "Time (s),Signal (mV)\n0,0.001\n0.05,0.002\n0.1,-1.5\n0.15,2\n",
         Options(T::kSeconds, V::kMillivolts),
         20,
         {1, 2, -1500, 2000}},
        {"tab, minutes, V, BOM and CR LF",
         "\xEF\xBB\xBFmin\tV\r\n0.0000\t0.000001\r\n0.0008\t-0.000002\r\n0.0017\t0.5\r\n"
         "0.0025\t1\r\n",
         Options(T::kMinutes, V::kVolts),
         20,
         {1, -2, 500000, 1000000}},
        {"semicolon, whole seconds",
         "t;v\n0;10\n1;20\n2;30\n3;40\n",
         Options(T::kSeconds, V::kMicrovolts),
         1,
         {10, 20, 30, 40}},
        {"runs of spaces, notes first, a blank line",
         "# logger X\nrate: 10 Hz\n  0.00   5\n  0.10   6\n\n  0.20 7\n  0.30  8\n",
         Options(T::kSeconds, V::kMicrovolts),
         10,
         {5, 6, 7, 8}},
        {"time and value in columns 2 and 3",
         "n,t,v\n1,0,100\n2,0.5,200\n3,1.0,300\n4,1.5,400\n",
         Options(T::kSeconds, V::kMicrovolts, 2, 3),
         2,
         {100, 200, 300, 400}},
        {"values before times",
         "5\t0\n6\t0.25\n7\t0.5\n",
         Options(T::kSeconds, V::kMicrovolts, 2, 1),
         4,
         {5, 6, 7}},
        {"spaces after commas, a separator at the end",
         "0.0, 1.0,\n0.5, 2.0,\n1.0, 3.0,\n",
         Options(T::kSeconds, V::kMicrovolts),
         2,
         {1, 2, 3}},
        {"exponents",
         "0e0 1E3\n1.00e-2 2e3\n2.00e-2 3e3\n3.00e-2 4e3\n",
         Options(T::kSeconds, V::kMicrovolts),
         100,
         {1000, 2000, 3000, 4000}},
    };
    for (const Case& c : cases) {
        const std::string path = Write(dir, "signal.txt", c.text);
        const SignalImport imported = ImportSignalText(path, c.options);
        ASSERT_TRUE(imported.m_Signal) << c.name << ": " << imported.m_Error;
        EXPECT_EQ(imported.m_Signal->m_Rate, c.rate) << c.name;
        EXPECT_EQ(imported.m_Signal->m_Samples, c.samples) << c.name;
        EXPECT_EQ(imported.m_Signal->m_Rows, c.samples.size()) << c.name;
        EXPECT_EQ(imported.m_Signal->m_RoundedValues, 0u) << c.name;
    }
}

TEST(SignalImport, ValuesFinerThanAMicrovoltAreRoundedAndCounted) {
    test::TempDir dir;
    const std::string path = Write(dir, "mv.csv", "0,1.2345\n1,-1.2345\n2,0.0004\n3,7\n");
    const SignalImport imported =
        ImportSignalText(path, Options(SignalTimeUnit::kSeconds, SignalValueUnit::kMillivolts));
    ASSERT_TRUE(imported.m_Signal) << imported.m_Error;
    EXPECT_EQ(imported.m_Signal->m_Samples, (std::vector<std::int32_t>{1235, -1235, 0, 7000}));
    EXPECT_EQ(imported.m_Signal->m_RoundedValues, 3u);
    EXPECT_NEAR(imported.m_Signal->m_LargestRounding, 0.5, 1e-9);
}

TEST(SignalImport, AGivenRateResamplesTimesThatDoNotFitIt) {
    test::TempDir dir;
    auto withRate = [](SignalTimeUnit unit, std::int32_t rate) {
        SignalImportOptions o = Options(unit, SignalValueUnit::kMicrovolts);
        o.m_Rate = rate;
        return o;
    };
    // Uneven steps, at 2 per second: straight lines between the lines' points.
    const std::string uneven = Write(dir, "uneven.txt", "0 0\n1 100\n3 300\n4 0\n");
    const SignalImport a = ImportSignalText(uneven, withRate(SignalTimeUnit::kSeconds, 2));
    ASSERT_TRUE(a.m_Signal) << a.m_Error;
    EXPECT_TRUE(a.m_Signal->m_Resampled);
    EXPECT_EQ(a.m_Signal->m_Rate, 2);
    EXPECT_EQ(a.m_Signal->m_Rows, 4u);
    EXPECT_EQ(a.m_Signal->m_Samples,
              (std::vector<std::int32_t>{0, 50, 100, 150, 200, 250, 300, 150, 0}));

    // An even step of 0.3 s (3.33 per second) at 10 per second; 5 and 15 µV round away from 0.
    const std::string third = Write(dir, "third.txt", "0 0\n0.3 -15\n0.6 -30\n0.9 -45\n");
    const SignalImport b = ImportSignalText(third, withRate(SignalTimeUnit::kSeconds, 10));
    ASSERT_TRUE(b.m_Signal) << b.m_Error;
    EXPECT_EQ(b.m_Signal->m_Samples,
              (std::vector<std::int32_t>{0, -5, -10, -15, -20, -25, -30, -35, -40, -45}));

    // Times that fit the given rate are taken as they are, not interpolated.
    const std::string fits = Write(dir, "fits.txt", "0.0000 1\n0.0008 2\n0.0017 3\n0.0025 4\n");
    const SignalImport c = ImportSignalText(fits, withRate(SignalTimeUnit::kMinutes, 20));
    ASSERT_TRUE(c.m_Signal) << c.m_Error;
    EXPECT_FALSE(c.m_Signal->m_Resampled);
    EXPECT_EQ(c.m_Signal->m_Samples, (std::vector<std::int32_t>{1, 2, 3, 4}));
    // One line makes one sample at the rate given; without one it shows no rate.
    const std::string one = Write(dir, "one.txt", "0 42\n");
    EXPECT_EQ(ImportSignalText(one, withRate(SignalTimeUnit::kSeconds, 5)).m_Signal->m_Samples,
              (std::vector<std::int32_t>{42}));
}

struct Refusal {
    const char* name;
    std::string text;
    SignalImportOptions options;
    std::string message;  // what the refusal says, after "文件[path]"
    bool rateWouldHelp;
};

TEST(SignalImport, RefusesWhatItCannotReadWithoutLosingOrInventingValues) {
    test::TempDir dir;
    using T = SignalTimeUnit;
    using V = SignalValueUnit;
    const SignalImportOptions seconds = Options(T::kSeconds, V::kMicrovolts);
    SignalImportOptions tooFast = seconds;
    tooFast.m_Rate = kMaxSignalRate;
    const std::vector<Refusal> refusals{
        {"decimal comma between tabs", "Zeit\tWert\n0\t1,5\n", seconds,
         "第2行的 \"1,5\" 用逗号作小数点;请在导出的程序中改用小数点(.)后重试。", false},
        {"decimal comma between spaces", "0,0  1,5\n", seconds, "第1行的 \"0,0\" 用逗号作小数点",
         false},
        {"decimal comma between semicolons", "0;1\n1;2,5\n", seconds,
         "第2行的 \"2,5\" 用逗号作小数点", false},
        {"ragged", "0,1\n1,2\n2,3,4\n", seconds, "第3行有 3 列,而第1行(第一个数据行)有 2 列。",
         false},
        {"short line", "0,1\n1\n", seconds, "第2行有 1 列,而第1行(第一个数据行)有 2 列。", false},
        {"not a number", "0,1\n1,abc\n", seconds, "第2行第2列 \"abc\" 不是一个数。", false},
        {"empty", "", seconds, "中没有数据行: 没有一行的第1列和第2列都是数。", false},
        {"headings only", "Time,Value\n\n", seconds, "中没有数据行", false},
        {"no such column", "0,1\n1,2\n", Options(T::kSeconds, V::kMicrovolts, 1, 3),
         "没有一行的第1列和第3列都是数。", false},
        {"time going back", "0 1\n2 2\n1 3\n", seconds, "第3行的时间 1 小于上一行的 2。", false},
        {"not from 0", "5 1\n6 2\n", seconds, "第1行(第一个数据行)的时间是 5,不是 0;", false},
        {"beyond 32 bits", "0 1\n1 3000\n", Options(T::kSeconds, V::kVolts),
         "第2行的值 3000 超出图谱能保存的范围", false},
        {"uneven", "0.0 1\n1.0 2\n2.0 3\n4.0 4\n5.0 5\n", seconds,
         "的时间间隔不均匀: 第2行的时间是 1.0,均匀间隔应为 1.25。", true},
        {"no whole rate", "0 0\n0.3 1\n0.6 2\n0.9 3\n", seconds,
         "的时间间隔 0.3 秒相当于每秒 3.333333333 个采样点,不是整数。", true},
        {"too few lines for one rate", "0.0000 5\n0.0008 6\n", Options(T::kMinutes, V::kMicrovolts),
         "只有 2 个数据行,按其时间的精度,每秒 20, 21, 22 个采样点都符合。", true},
        {"one line", "0 5\n", seconds, "只有一个数据行,看不出采样频率。", true},
        {"standing time", "0.000 1\n0.000 2\n0.000 3\n", seconds, "每秒 4000, 4001,", true},
        {"too many samples", "0 1\n1000000 2\n", tooFast, "给出的采样点超过 50000000 个。", false},
        {"an overlong line", std::string(5000, '7') + "\n", seconds, "第1行超过 4096 个字符",
         false},
    };
    for (const Refusal& r : refusals) {
        const std::string path = Write(dir, "bad.txt", r.text);
        const SignalImport imported = ImportSignalText(path, r.options);
        EXPECT_FALSE(imported.m_Signal) << r.name;
        EXPECT_EQ(imported.m_Error.rfind("文件[" + path + "]", 0), 0u)
            << r.name << imported.m_Error;
        EXPECT_NE(imported.m_Error.find(r.message), std::string::npos) << r.name << "\n"
                                                                       << imported.m_Error;
        EXPECT_EQ(imported.m_RateWouldHelp, r.rateWouldHelp) << r.name;
    }
}

TEST(SignalImport, RefusesFilesItCannotOpenOrHold) {
    test::TempDir dir;
    const SignalImport missing = ImportSignalText(dir.Path("none.txt"), {});
    EXPECT_EQ(missing.m_Error, "打开文件[" + dir.Path("none.txt") + "]失败!(文件不存在)");
    EXPECT_EQ(ImportSignalText(dir.path().string(), {}).m_Error,
              "打开文件[" + dir.path().string() + "]失败!(这是一个文件夹)");

    // Larger than any signal: refused by its size, before a byte is read (the file is sparse).
    const std::string huge = dir.Path("huge.txt");
    std::ofstream(huge) << "0 1\n";
    std::filesystem::resize_file(huge, kMaxSignalFileBytes + 1);
    const SignalImport refused = ImportSignalText(huge, {});
    EXPECT_FALSE(refused.m_Signal);
    EXPECT_EQ(refused.m_Error,
              "文件[" + huge + "]太大(2147483649 字节),最多读入 2147483648 字节。");
}

}  // namespace
}  // namespace lx
