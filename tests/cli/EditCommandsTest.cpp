// lx6600-cli edit and events on real files.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

#include "core/TzdFile.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

using nlohmann::json;

test::ProgramRun Cli(const std::vector<std::string>& args) {
    return test::RunProgram(LX6600_CLI, args);
}

class CliEdit : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Cli({"synth", run, "--seed", "11", "--minutes", "30"}).exitCode, 0);
        auto doc = LoadTzdFile(run);
        ASSERT_TRUE(doc.ok());
        peaks = doc->m_Peaks;
        ASSERT_GT(peaks.size(), 4u);
    }
    test::TempDir dir;
    std::string run = dir.Path("run.Tzd");
    std::vector<PeakRecord> peaks;
};

TEST_F(CliEdit, AnAcceptedEditIsRecordedAndTheSavedFileReplaysIt) {
    const std::string x = std::to_string(peaks[2].m_Apex + 1);
    // Peak 3 as the table numbers it: index 2.
    auto edited = Cli({"edit", run, "--type", "2", "--x", x, "--peak", "3", "--json", "--save",
                       dir.Path("e.Tzd")});
    ASSERT_EQ(edited.exitCode, 0) << edited.err;
    const json table = json::parse(edited.out);
    EXPECT_EQ(table["m_Peaks"][2]["m_Apex"], peaks[2].m_Apex + 1);

    // Integrating the saved file replays the event: the same table, but for the content, which
    // integration (without a project) takes as area percent x 0.01.
    auto replayed = Cli({"integrate", dir.Path("e.Tzd"), "--json"});
    ASSERT_EQ(replayed.exitCode, 0);
    json expected = table["m_Peaks"], actual = json::parse(replayed.out)["m_Peaks"];
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t k = 0; k < actual.size(); ++k) {
        EXPECT_NEAR(actual[k]["m_Content"].get<double>(), expected[k]["m_Content"].get<double>(),
                    1e-15);
        actual[k].erase("m_Content");
        expected[k].erase("m_Content");
        EXPECT_EQ(actual[k], expected[k]) << "peak " << k;
    }

    auto listed = Cli({"events", dir.Path("e.Tzd")});
    ASSERT_EQ(listed.exitCode, 0);
    EXPECT_NE(listed.out.find("m_UseManualEvents: 1"), std::string::npos);
    EXPECT_NE(listed.out.find("调整峰顶点"), std::string::npos);
}

TEST_F(CliEdit, ARejectedEditExitsOneAndWritesNothing) {
    const std::string beyondApex = std::to_string(peaks[2].m_Apex + 5);
    auto rejected = Cli({"edit", run, "--type", "1", "--x", beyondApex, "--peak", "3", "--save",
                         dir.Path("e.Tzd")});
    EXPECT_EQ(rejected.exitCode, 1);
    EXPECT_NE(rejected.err.find("手动积分事件[调整峰起点]"), std::string::npos) << rejected.err;
    EXPECT_FALSE(std::filesystem::exists(dir.Path("e.Tzd")));
    EXPECT_NE(rejected.err.find("峰=3"), std::string::npos) << rejected.err;
    EXPECT_EQ(Cli({"edit", run, "--type", "10", "--x", "5", "--peak", "1"}).exitCode, 2);
    EXPECT_EQ(Cli({"edit", run, "--type", "2", "--x", "5", "--peak", "0"}).exitCode, 2);
    EXPECT_EQ(Cli({"edit", run, "--type", "9", "--x", "5", "--peak", "1"}).exitCode, 2);
    EXPECT_EQ(
        Cli({"edit", run, "--type", "9", "--x", "5", "--peak", "1", "--span-end", "999999999"})
            .exitCode,
        1);
    // --save does not write over a file unless told.
    test::WriteBytes(dir.Path("taken.Tzd"), {1, 2, 3});
    const std::string apex = std::to_string(peaks[2].m_Apex + 1);
    EXPECT_EQ(Cli({"edit", run, "--type", "2", "--x", apex, "--peak", "3", "--save",
                   dir.Path("taken.Tzd")})
                  .exitCode,
              1);
    EXPECT_EQ(test::ReadBytes(dir.Path("taken.Tzd")), (std::vector<std::uint8_t>{1, 2, 3}));
}

// An event made on a peak that a later integration no longer finds is skipped, and said so.
TEST_F(CliEdit, IntegrationNamesTheEventsItsReplayRefused) {
    const std::string saved = dir.Path("e.Tzd");
    ASSERT_EQ(
        Cli({"edit", run, "--type", "12", "--x", "0", "--peak", "4", "--save", saved}).exitCode, 0);
    auto plain = Cli({"integrate", saved});
    ASSERT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.err, "");
    auto fewer = Cli({"integrate", saved, "--min-area", "1e12"});
    ASSERT_EQ(fewer.exitCode, 0) << fewer.err;
    EXPECT_NE(fewer.err.find("手动积分事件[1]已不适用"), std::string::npos) << fewer.err;
}

TEST_F(CliEdit, EventsArePrunedAndSavedOnlyWhenAsked) {
    const std::string saved = dir.Path("e.Tzd");
    ASSERT_EQ(
        Cli({"edit", run, "--type", "11", "--x", "0", "--peak", "2", "--save", saved}).exitCode, 0);
    ASSERT_EQ(
        Cli({"edit", saved, "--type", "12", "--x", "0", "--peak", "4", "--in-place"}).exitCode, 0);
    auto before = LoadTzdFile(saved);
    ASSERT_TRUE(before.ok());
    ASSERT_EQ(before->m_ManualEvents.size(), 2u);

    auto pruned = Cli({"events", saved, "--delete", "1", "--save", dir.Path("p.Tzd")});
    ASSERT_EQ(pruned.exitCode, 0) << pruned.err;
    auto after = LoadTzdFile(dir.Path("p.Tzd"));
    ASSERT_TRUE(after.ok());
    ASSERT_EQ(after->m_ManualEvents.size(), 1u);
    EXPECT_EQ(after->m_ManualEvents[0].m_Param2, 4);           // the deleted peak is back before it
    EXPECT_EQ(LoadTzdFile(saved)->m_ManualEvents.size(), 2u);  // no --save: the input stays

    ASSERT_EQ(Cli({"events", saved, "--clear", "--save", dir.Path("c.Tzd")}).exitCode, 0);
    EXPECT_TRUE(LoadTzdFile(dir.Path("c.Tzd"))->m_ManualEvents.empty());
    EXPECT_EQ(Cli({"events", saved, "--delete", "3"}).exitCode, 1);
    EXPECT_EQ(Cli({"events", saved, "--delete", "1", "--clear"}).exitCode, 2);
}

}  // namespace
}  // namespace lx
