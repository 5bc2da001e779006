// lx6600-cli dump, save and new, run as a user runs them, on real files.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

#include "tests/support/HandMadeTzd.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

using nlohmann::json;

test::ProgramRun Cli(const std::vector<std::string>& args) {
    return test::RunProgram(LX6600_CLI, args);
}

TEST(CliFiles, NewWritesADefaultRecordThatDumpShowsInFull) {
    test::TempDir dir;
    std::string path = dir.Path("new.Tzd");
    auto made = Cli({"new", path});
    ASSERT_EQ(made.exitCode, 0) << made.err;

    auto dumped = Cli({"dump", path, "--json"});
    ASSERT_EQ(dumped.exitCode, 0) << dumped.err;
    json tree = json::parse(dumped.out);
    for (const char* key :
         {"m_Version",      "m_Operator",     "m_SampleName", "m_Laboratory",  "m_Notes",
          "m_CreatedAt",    "m_InjectVolume", "channelSetup", "m_DisplayTop",  "m_DisplayBottom",
          "m_Params",       "m_TimeProgram",  "m_Peaks",      "printSettings", "m_UseManualEvents",
          "m_ManualEvents", "m_ColumnLength", "m_IsConc2",    "m_IsConc3",     "sampleCount"})
        EXPECT_TRUE(tree.contains(key)) << key;
    EXPECT_FALSE(tree.contains("m_Samples"));
    EXPECT_EQ(tree["m_Version"], 2.1);
    // Placeholder fields (stored unchanged, meaning unknown) only with --raw.
    EXPECT_EQ(tree["channelSetup"].size(), 26u);
    EXPECT_EQ(tree["channelSetup"]["prefix"], "图谱");
    EXPECT_FALSE(tree["channelSetup"].contains("unnamedD"));
    EXPECT_EQ(tree["m_Params"].size(), 13u);
    EXPECT_FALSE(tree["m_Params"].contains("m_Reserved"));
    EXPECT_FALSE(tree["printSettings"].contains("extraFontA"));
    EXPECT_FALSE(tree["printSettings"].contains("extraIntC"));
    EXPECT_EQ(tree["printSettings"]["titleFont"]["height"], -16);
    EXPECT_EQ(tree["printSettings"]["titleFont"]["faceName"], "宋体");
    EXPECT_EQ(tree["printSettings"]["lcInfoList"].size(), 10u);
    EXPECT_EQ(tree["printSettings"]["gcInfoList"].size(), 11u);
    EXPECT_EQ(tree["printSettings"]["lineSpacing"], 0.5);

    auto raw = Cli({"dump", path, "--json", "--raw"});
    ASSERT_EQ(raw.exitCode, 0) << raw.err;
    json rawTree = json::parse(raw.out);
    EXPECT_EQ(rawTree["channelSetup"].size(), 30u);
    EXPECT_EQ(rawTree["channelSetup"]["unnamedD"], 68);
    EXPECT_EQ(rawTree["m_Params"].size(), 14u);
    EXPECT_EQ(rawTree["m_Params"]["m_Reserved"], 0);
    EXPECT_EQ(rawTree["printSettings"]["extraFontA"]["height"], -9);
    // The rest is the same tree.
    for (const char* key : {"channelSetup", "m_Params", "printSettings"})
        for (const auto& [field, value] : tree[key].items())
            EXPECT_EQ(rawTree[key][field], value) << key << "." << field;
}

TEST(CliFiles, DumpShowsEveryPeakAndEventFieldAndTheSamplesOnRequest) {
    test::TempDir dir;
    std::string path = dir.Path("hand.Tzd");
    test::WriteBytes(path, test::HandMadeTzd());
    auto dumped = Cli({"dump", path, "--json", "--samples", "--raw"});
    ASSERT_EQ(dumped.exitCode, 0) << dumped.err;
    json tree = json::parse(dumped.out);
    EXPECT_EQ(tree["m_Samples"], json::parse("[100, -5, 2500000]"));
    // The samples are streamed into their place laid out as the rest of the document.
    EXPECT_EQ(nlohmann::ordered_json::parse(dumped.out).dump(2) + "\n", dumped.out);
    EXPECT_EQ(tree["sampleCount"], 3);
    ASSERT_EQ(tree["m_Peaks"].size(), 1u);
    EXPECT_EQ(tree["m_Peaks"][0].size(), 34u);  // every stored field
    EXPECT_EQ(tree["m_Peaks"][0]["m_Extra8"], 33);
    EXPECT_EQ(tree["m_Peaks"][0]["m_Aux"], 2);
    EXPECT_EQ(tree["m_ManualEvents"][0]["m_Peak"]["m_Spare"], 116);
    EXPECT_EQ(tree["printSettings"]["extraFontB"]["charSet"], 134);  // a byte, as a number
    EXPECT_EQ(tree["printSettings"]["chromHeightCm"], 9.25);
    EXPECT_EQ(tree["m_Peaks"][0]["m_ApexTime"], 6.5);
    ASSERT_EQ(tree["m_ManualEvents"].size(), 1u);
    EXPECT_EQ(tree["m_ManualEvents"][0]["m_Type"], 9);
    EXPECT_EQ(tree["m_ManualEvents"][0]["m_Peak"]["m_ComponentName"], "甲苯");
    EXPECT_EQ(tree["m_TimeProgram"][0]["m_Forbid"], 1);
    EXPECT_EQ(tree["m_SampleName"], "苯");

    auto plain = Cli({"dump", path, "--json"});
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    json plainTree = json::parse(plain.out);
    EXPECT_EQ(plainTree["m_Peaks"][0].size(), 24u);  // without m_Aux, m_Spare, m_Extra1-8
    EXPECT_FALSE(plainTree["m_ManualEvents"][0]["m_Peak"].contains("m_Extra1"));
    EXPECT_FALSE(plainTree.contains("m_Samples"));

    auto text = Cli({"dump", path});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("m_SampleName: 苯\n"), std::string::npos);
    EXPECT_NE(text.out.find("  prefix: 图谱\n"), std::string::npos);
    EXPECT_EQ(text.out.find("m_Samples"), std::string::npos);
}

TEST(CliFiles, SaveKeepsAVersion21FileByteForByteAndUpgradesOlderOnes) {
    test::TempDir dir;
    auto bytes = test::HandMadeTzd();
    test::WriteBytes(dir.Path("in.Tzd"), bytes);
    auto saved = Cli({"save", dir.Path("in.Tzd"), dir.Path("out.Tzd")});
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_EQ(test::ReadBytes(dir.Path("out.Tzd")), bytes);

    test::HandMadeOptions old;
    old.version = 1.9f;
    old.withColumnLength = old.withIsConc = false;
    test::WriteBytes(dir.Path("old.Tzd"), test::HandMadeTzd(old));
    ASSERT_EQ(Cli({"save", dir.Path("old.Tzd"), dir.Path("new.Tzd")}).exitCode, 0);
    test::HandMadeOptions upgraded;
    upgraded.columnLength = 0.0;
    upgraded.isConc2 = upgraded.isConc3 = 1.0;
    EXPECT_EQ(test::ReadBytes(dir.Path("new.Tzd")), test::HandMadeTzd(upgraded));
}

TEST(CliFiles, DamagedInputExitsOneWithTheMessageAndWritesNothing) {
    test::TempDir dir;
    auto bytes = test::HandMadeTzd();
    bytes.resize(bytes.size() / 2);
    test::WriteBytes(dir.Path("cut.Tzd"), bytes);
    auto dumped = Cli({"dump", dir.Path("cut.Tzd")});
    EXPECT_EQ(dumped.exitCode, 1);
    EXPECT_NE(dumped.err.find("文件[" + dir.Path("cut.Tzd") + "]已损坏或不完整"), std::string::npos)
        << dumped.err;
    EXPECT_TRUE(dumped.out.empty());

    auto saved = Cli({"save", dir.Path("cut.Tzd"), dir.Path("out.Tzd")});
    EXPECT_EQ(saved.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("out.Tzd")));

    auto missing = Cli({"dump", dir.Path("none.Tzd")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("打开文件["), std::string::npos);

    auto unwritable = Cli({"new", dir.Path("no/such/folder/x.Tzd")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_NE(unwritable.err.find("保存文件["), std::string::npos);
}

TEST(CliFiles, UsageErrorsExitTwo) {
    EXPECT_EQ(Cli({}).exitCode, 2);
    EXPECT_EQ(Cli({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(Cli({"dump"}).exitCode, 2);
    EXPECT_EQ(Cli({"save", "only-one"}).exitCode, 2);
    EXPECT_EQ(Cli({"--help"}).exitCode, 0);
}

}  // namespace
}  // namespace lx
