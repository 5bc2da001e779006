// lx6600-cli decode on a captured line: the values the channels would get, readable and JSON.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

TEST(CliDecode, ACapturedLineGivesTheChannelsValues) {
    test::TempDir dir;
    // Channel A: the zero frame with a start signal; channel B: full scale. Seven frames of
    // each: two decimated and four warming up before the seventh gives a value; noise between.
    std::vector<std::uint8_t> line;
    for (int i = 0; i < 7; ++i) {
        line.insert(line.end(), {0xF1, 0xFA, 0x3F, 0x3F, 0x3F, 0x1F, 0xE1, 0x00, 0x13});
        line.insert(line.end(), {0xF2, 0x00, 0x3F, 0x3F, 0x3F, 0x3F, 0xE1});
    }
    test::WriteBytes(dir.Path("line.bin"), line);
    const auto text = test::RunProgram(LX6600_CLI, {"decode", dir.Path("line.bin")});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out, "A         0  启动\nB   2500000\n");
    const auto json = test::RunProgram(LX6600_CLI, {"decode", dir.Path("line.bin"), "--json"});
    ASSERT_EQ(json.exitCode, 0);
    const auto j = nlohmann::json::parse(json.out);
    EXPECT_EQ(j["A"], nlohmann::json::parse("[[0, 1]]"));
    EXPECT_EQ(j["B"], nlohmann::json::parse("[[2500000, 0]]"));
    // At 10 values per second only every second frame counts: nothing gets past the warm-up.
    EXPECT_EQ(
        test::RunProgram(LX6600_CLI, {"decode", dir.Path("line.bin"), "--frequency", "10"}).out,
        "");
    EXPECT_EQ(test::RunProgram(LX6600_CLI, {"decode", dir.Path("line.bin"), "--frequency", "15"})
                  .exitCode,
              2);
    EXPECT_EQ(test::RunProgram(LX6600_CLI, {"decode", dir.Path("none.bin")}).exitCode, 1);
}

// The simulator's line, decoded by the workstation's receiver, gives back the run's samples
// from the seventh on (two decimated and four warm-up values first), with the start signal
// from the time asked.
TEST(CliDecode, TheSimulatorsLineDecodesToTheSamplesItSent) {
    test::TempDir dir;
    const std::string run = dir.Path("run.Tzd");
    ASSERT_EQ(test::RunProgram(LX6600_CLI, {"synth", run, "--minutes", "1"}).exitCode, 0);
    const auto sim = test::RunProgram(
        LX6600_CLI,
        {"detector-sim", "--from", run, "--out", dir.Path("line.bin"), "--start-signal-at", "0.5"});
    ASSERT_EQ(sim.exitCode, 0) << sim.err;
    const auto decoded = test::RunProgram(LX6600_CLI, {"decode", dir.Path("line.bin"), "--json"});
    ASSERT_EQ(decoded.exitCode, 0);
    const auto j = nlohmann::json::parse(decoded.out);
    const auto samples = nlohmann::json::parse(
        test::RunProgram(LX6600_CLI, {"dump", run, "--samples", "--json"}).out)["m_Samples"];
    ASSERT_EQ(samples.size(), 1200u);
    for (const char* channel : {"A", "B"}) {
        ASSERT_EQ(j[channel].size(), 1200u - 6) << channel;
        for (std::size_t i = 0; i < j[channel].size(); ++i) {
            ASSERT_EQ(j[channel][i][0], samples[i + 6]) << channel << " value " << i;
            ASSERT_EQ(j[channel][i][1], i + 6 >= 600 ? 1 : 0) << channel << " value " << i;
        }
    }
    // Nothing to write to, or two things: a usage error.
    EXPECT_EQ(test::RunProgram(LX6600_CLI, {"detector-sim", "--from", run}).exitCode, 2);
    EXPECT_EQ(test::RunProgram(LX6600_CLI, {"detector-sim", "--from", run, "--range", "E9", "--out",
                                            dir.Path("x.bin")})
                  .exitCode,
              2);
}

}  // namespace
}  // namespace lx
