// lx6600-cli synth and integrate on real files.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <sstream>

#include "core/TzdFile.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

using nlohmann::json;

test::ProgramRun Cli(const std::vector<std::string>& args) {
    return test::RunProgram(LX6600_CLI, args);
}

std::vector<json> JsonLines(const std::string& text) {
    std::vector<json> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(json::parse(line));
    return out;
}

TEST(CliIntegrate, SynthIsDeterministicAndIntegrated) {
    test::TempDir dir;
    ASSERT_EQ(Cli({"synth", dir.Path("a.Tzd"), "--seed", "3", "--minutes", "20"}).exitCode, 0);
    ASSERT_EQ(Cli({"synth", dir.Path("b.Tzd"), "--seed", "3", "--minutes", "20"}).exitCode, 0);
    ASSERT_EQ(Cli({"synth", dir.Path("c.Tzd"), "--seed", "4", "--minutes", "20"}).exitCode, 0);
    auto a = LoadTzdFile(dir.Path("a.Tzd"));
    auto b = LoadTzdFile(dir.Path("b.Tzd"));
    auto c = LoadTzdFile(dir.Path("c.Tzd"));
    ASSERT_TRUE(a.ok() && b.ok() && c.ok());
    EXPECT_EQ(a->m_Samples.size(), 20u * 60 * 20);
    EXPECT_TRUE(a->m_Samples == b->m_Samples);
    EXPECT_FALSE(a->m_Samples == c->m_Samples);
    EXPECT_GT(a->m_Peaks.size(), 5u);  // saved integrated, as a run is
    EXPECT_EQ(Cli({"synth", dir.Path("d.Tzd"), "--rate", "0"}).exitCode, 2);
}

TEST(CliIntegrate, JsonGivesEveryPeakFieldAndMatchesTheStoredTable) {
    test::TempDir dir;
    ASSERT_EQ(Cli({"synth", dir.Path("run.Tzd"), "--seed", "9", "--minutes", "60"}).exitCode, 0);
    auto run = Cli({"integrate", dir.Path("run.Tzd"), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto lines = JsonLines(run.out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["file"], dir.Path("run.Tzd"));
    const json& peaks = lines[0]["m_Peaks"];
    auto stored = LoadTzdFile(dir.Path("run.Tzd"));
    ASSERT_TRUE(stored.ok());
    ASSERT_EQ(peaks.size(), stored->m_Peaks.size());
    for (std::size_t k = 0; k < peaks.size(); ++k) {
        EXPECT_EQ(peaks[k].size(), 25u);  // the stored fields but placeholders, and m_RawSum
        EXPECT_EQ(peaks[k]["m_Start"], stored->m_Peaks[k].m_Start);
        EXPECT_EQ(peaks[k]["m_Flags"], stored->m_Peaks[k].m_Flags);
        EXPECT_EQ(peaks[k]["m_Area"], stored->m_Peaks[k].m_Area);
        EXPECT_GT(peaks[k]["m_RawSum"].get<double>(), 0.0);
    }

    auto raw = JsonLines(Cli({"integrate", dir.Path("run.Tzd"), "--json", "--raw"}).out);
    ASSERT_EQ(raw.size(), 1u);
    ASSERT_EQ(raw[0]["m_Peaks"].size(), peaks.size());
    EXPECT_EQ(raw[0]["m_Peaks"][0].size(), 35u);     // with m_Aux, m_Spare, m_Extra1-8
    EXPECT_EQ(raw[0]["m_Peaks"][0]["m_Extra6"], 1);  // as integration creates a peak
}

TEST(CliIntegrate, OverridesChangeTheTableAndSaveWritesIt) {
    test::TempDir dir;
    ASSERT_EQ(Cli({"synth", dir.Path("run.Tzd"), "--seed", "5", "--minutes", "60"}).exitCode, 0);
    auto plain = JsonLines(Cli({"integrate", dir.Path("run.Tzd"), "--json"}).out);
    auto strict =
        JsonLines(Cli({"integrate", dir.Path("run.Tzd"), "--json", "--min-area", "50000"}).out);
    auto locked =
        JsonLines(Cli({"integrate", dir.Path("run.Tzd"), "--json", "--lock-time", "30"}).out);
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_LT(strict[0]["m_Peaks"].size(), plain[0]["m_Peaks"].size());
    for (const auto& p : strict[0]["m_Peaks"])
        EXPECT_GT(p["m_Area"].get<double>(), 50000.0);
    for (const auto& p : locked[0]["m_Peaks"])
        EXPECT_GT(p["m_Apex"].get<int>(), 30 * 60 * 20 - 200);

    auto saved = Cli(
        {"integrate", dir.Path("run.Tzd"), "--min-area", "50000", "--save", dir.Path("out.Tzd")});
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    auto out = LoadTzdFile(dir.Path("out.Tzd"));
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(out->m_Params.m_MinArea, 50000.0);
    EXPECT_EQ(out->m_Peaks.size(), strict[0]["m_Peaks"].size());
    EXPECT_NE(saved.out.find("面积%"), std::string::npos);  // the readable table

    EXPECT_EQ(Cli({"integrate", dir.Path("run.Tzd"), "--use-time-program", "2"}).exitCode, 2);
    EXPECT_EQ(
        Cli({"integrate", dir.Path("run.Tzd"), dir.Path("out.Tzd"), "--save", dir.Path("x.Tzd")})
            .exitCode,
        2);
}

TEST(CliIntegrate, ManyFilesInOrderAndADamagedOneReported) {
    test::TempDir dir;
    std::vector<std::string> args{"integrate", "--json"};
    for (int seed = 1; seed <= 6; ++seed) {
        const std::string path = dir.Path("run" + std::to_string(seed) + ".Tzd");
        ASSERT_EQ(Cli({"synth", path, "--seed", std::to_string(seed), "--minutes", "10"}).exitCode,
                  0);
        args.push_back(path);
    }
    test::WriteBytes(dir.Path("cut.Tzd"), {0x66, 0x66, 0x06, 0x40, 0x02});
    args.insert(args.begin() + 4, dir.Path("cut.Tzd"));
    auto run = Cli(args);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("已损坏或不完整"), std::string::npos);
    auto lines = JsonLines(run.out);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0]["file"], dir.Path("run1.Tzd"));
    EXPECT_EQ(lines[5]["file"], dir.Path("run6.Tzd"));

    // In place: each file gets its integrated table back.
    auto inPlace = Cli(
        {"integrate", dir.Path("run1.Tzd"), dir.Path("run2.Tzd"), "--in-place", "--slope", "80"});
    ASSERT_EQ(inPlace.exitCode, 0);
    auto rewritten = LoadTzdFile(dir.Path("run2.Tzd"));
    ASSERT_TRUE(rewritten.ok());
    EXPECT_EQ(rewritten->m_Params.m_Slope, 80.0);
}

}  // namespace
}  // namespace lx

namespace lx {
namespace {

// Each numeric option refuses what cannot be meant, naming the option, the value and what is
// allowed, before any file is read or written.
TEST(CliIntegrate, EveryNumberIsCheckedAgainstItsRange) {
    test::TempDir dir;
    const std::string run = dir.Path("run.Tzd");
    ASSERT_EQ(Cli({"synth", run, "--minutes", "2"}).exitCode, 0);
    struct Case {
        std::vector<std::string> args;
        std::string option, value;
    };
    for (const Case& c : {
             Case{{"integrate", run, "--slope", "-5"}, "--slope", "-5"},
             Case{{"integrate", run, "--slope", "nan"}, "--slope", "nan"},
             Case{{"integrate", run, "--slope", "inf"}, "--slope", "inf"},
             Case{{"integrate", run, "--half-width", "0"}, "--half-width", "0"},
             Case{{"integrate", run, "--half-width", "-3"}, "--half-width", "-3"},
             Case{{"integrate", run, "--half-width", "2.5"}, "--half-width", "2.5"},
             Case{{"integrate", run, "--min-area", "-1"}, "--min-area", "-1"},
             Case{{"integrate", run, "--min-height", "-1"}, "--min-height", "-1"},
             Case{{"integrate", run, "--time-doubling", "-1"}, "--time-doubling", "-1"},
             Case{{"integrate", run, "--height-ratio", "-1"}, "--height-ratio", "-1"},
             Case{{"integrate", run, "--height-ratio", "0"}, "--height-ratio", "0"},
             Case{{"integrate", run, "--lock-time", "1e300"}, "--lock-time", "1e300"},
             Case{{"integrate", run, "--use-time-program", "2"}, "--use-time-program", "2"},
             Case{{"synth", dir.Path("s.Tzd"), "--minutes", "0"}, "--minutes", "0"},
             Case{{"synth", dir.Path("s.Tzd"), "--rate", "5000"}, "--rate", "5000"},
             Case{{"synth", dir.Path("s.Tzd"), "--noise", "-1"}, "--noise", "-1"},
             Case{{"synth", dir.Path("s.Tzd"), "--seed", "x"}, "--seed", "x"},
             Case{{"synth", dir.Path("s.Tzd"), "--peak", "2:abc"}, "--peak", "2:abc"},
             Case{{"project", "component", dir.Path("p.Tzp"), "concentration", "--id", "1",
                   "--level", "1", "--value", "-2"},
                  "--value",
                  "-2"},
             Case{{"project", "component", dir.Path("p.Tzp"), "add", "--name", "a", "--time", "1",
                   "--window", "-0.1"},
                  "--window",
                  "-0.1"},
         }) {
        const auto refused = Cli(c.args);
        EXPECT_EQ(refused.exitCode, 2) << c.option << " " << c.value;
        const std::string said = refused.err.substr(0, refused.err.find('\n'));
        EXPECT_NE(said.find(c.option), std::string::npos) << said;
        EXPECT_NE(said.find(c.value), std::string::npos) << said;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.Path("s.Tzd")));
    // Not an option value but a word of the command line: --x without its value.
    EXPECT_EQ(Cli({"edit", run, "--type", "2", "--peak", "1", "--x"}).exitCode, 2);
}

}  // namespace
}  // namespace lx
