// A data folder's channel set-up files: written and read as chromatogram files.
#include <gtest/gtest.h>

#include <filesystem>

#include "acq/ChannelSetupFile.h"
#include "core/TzdFile.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

TEST(ChannelSetupFile, EachChannelHasItsFileName) {
    EXPECT_EQ(SetupFilePath("/data/run", 0), "/data/run/SetupCha");
    EXPECT_EQ(SetupFilePath("/data/run", 1), "/data/run/SetupChb");
}

TEST(ChannelSetupFile, AFolderWithoutOneGivesDefaultsAndWritingCreatesIt) {
    test::TempDir dir;
    auto record = ReadSetupFile(dir.path().string(), 1);
    ASSERT_TRUE(record.ok());
    EXPECT_EQ(record->m_ChannelSetup, ChannelSetup());
    EXPECT_FALSE(std::filesystem::exists(dir.Path("SetupChb")));

    record->m_ChannelSetup.stopTime = 12.0;
    ASSERT_TRUE(WriteSetupFile(record.value(), dir.path().string(), 1).ok());
    auto loaded = LoadTzdFile(dir.Path("SetupChb"));  // a plain chromatogram file
    ASSERT_TRUE(loaded.ok()) << loaded.error();
    EXPECT_EQ(loaded->m_ChannelSetup.stopTime, 12.0);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("SetupCha")));
}

TEST(ChannelSetupFile, TakingAFolderAppliesAndRewritesItsFile) {
    test::TempDir dir;
    const std::string folder = dir.path().string();
    CTzLabDoc stored;
    stored.m_ChannelSetup.rate = 10;
    stored.m_ChannelSetup.prefix = "苯系物";
    stored.m_Params.m_Slope = 55.0;
    stored.m_Operator = "Zhao";
    stored.m_Samples.Resize(50);  // samples of a set-up file are not used
    ASSERT_TRUE(WriteSetupFile(stored, folder, 0).ok());

    CTzLabDoc channel;
    ASSERT_TRUE(ApplySetupFile(folder, 0, channel).ok());
    EXPECT_EQ(channel.m_ChannelSetup.rate, 10);
    EXPECT_EQ(channel.m_ChannelSetup.prefix, "苯系物");
    EXPECT_EQ(channel.m_ChannelSetup.folder, folder);
    EXPECT_EQ(channel.m_Params.m_Slope, 55.0);
    EXPECT_EQ(channel.m_Operator, "Zhao");
    EXPECT_TRUE(channel.m_Samples.empty());
    auto rewritten = LoadTzdFile(SetupFilePath(folder, 0));
    ASSERT_TRUE(rewritten.ok());
    EXPECT_EQ(rewritten->m_ChannelSetup.folder, folder);

    // Channel B has no file here: its parameters stay as they are.
    CTzLabDoc other;
    other.m_Params.m_Slope = 7.0;
    ASSERT_TRUE(ApplySetupFile(folder, 1, other).ok());
    EXPECT_EQ(other.m_Params.m_Slope, 7.0);
    EXPECT_FALSE(std::filesystem::exists(SetupFilePath(folder, 1)));
}

TEST(ChannelSetupFile, ADamagedFileIsReportedAndChangesNothing) {
    test::TempDir dir;
    const std::string folder = dir.path().string();
    test::WriteBytes(SetupFilePath(folder, 0), {0x66, 0x66, 0x06, 0x40, 0x05});
    CTzLabDoc channel;
    channel.m_Params.m_Slope = 7.0;
    Status applied = ApplySetupFile(folder, 0, channel);
    ASSERT_FALSE(applied.ok());
    EXPECT_NE(applied.error().find("SetupCha"), std::string::npos);
    EXPECT_EQ(channel.m_Params.m_Slope, 7.0);
    EXPECT_EQ(test::ReadBytes(SetupFilePath(folder, 0)).size(), 5u);
}

}  // namespace
}  // namespace lx
