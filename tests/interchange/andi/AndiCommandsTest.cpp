// lx6600-cli export --andi and import-andi on real files.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/TzdFile.h"
#include "tests/interchange/andi/AndiTestFiles.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

test::ProgramRun Cli(std::vector<std::string> args) {
    args.push_back("--lang=en");
    return test::RunProgram(LX6600_CLI, args);
}

class AndiCommands : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SaveTzdFile(original, run).ok()); }
    test::TempDir dir;
    std::string run = dir.Path("run.Tzd");
    std::string cdf = dir.Path("run.cdf");
    std::string back = dir.Path("back.Tzd");
    CTzLabDoc original = test::SampleRun();
};

TEST_F(AndiCommands, ARunGoesOutAndComesBackWhole) {
    auto exported = Cli({"export", run, "--andi", cdf});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(exported.out, cdf + "\n");
    auto imported = Cli({"import-andi", cdf, back, "--keep-peaks"});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.out, back + "\n");

    auto doc = LoadTzdFile(back);
    ASSERT_TRUE(doc.ok()) << doc.error();
    EXPECT_TRUE(doc->m_Samples == original.m_Samples);
    EXPECT_EQ(doc->m_ChannelSetup.rate, original.m_ChannelSetup.rate);
    EXPECT_EQ(doc->m_SampleName, original.m_SampleName);
    EXPECT_EQ(doc->m_Notes, original.m_Notes);
    EXPECT_EQ(doc->m_InjectVolume, original.m_InjectVolume);
    ASSERT_EQ(doc->m_Peaks.size(), original.m_Peaks.size());
    for (std::size_t k = 0; k < original.m_Peaks.size(); ++k) {
        EXPECT_EQ(doc->m_Peaks[k].m_Apex, original.m_Peaks[k].m_Apex) << k;
        EXPECT_EQ(doc->m_Peaks[k].m_BaseEnd, original.m_Peaks[k].m_BaseEnd) << k;
        EXPECT_EQ(doc->m_Peaks[k].m_ComponentName, original.m_Peaks[k].m_ComponentName) << k;
    }
}

TEST_F(AndiCommands, NothingIsWrittenOverUnlessTold) {
    ASSERT_EQ(Cli({"export", run, "--andi", cdf}).exitCode, 0);
    const auto before = test::ReadBytes(cdf);

    auto again = Cli({"export", run, "--andi", cdf});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_NE(again.err.find("--force"), std::string::npos) << again.err;
    EXPECT_EQ(test::ReadBytes(cdf), before);
    EXPECT_EQ(Cli({"export", run, "--andi", cdf, "--force"}).exitCode, 0);
    auto overInput = Cli({"export", run, "--andi", run, "--force"});
    EXPECT_EQ(overInput.exitCode, 1);
    EXPECT_NE(overInput.err.find("is the input file"), std::string::npos) << overInput.err;

    ASSERT_EQ(Cli({"import-andi", cdf, back}).exitCode, 0);
    const auto imported = test::ReadBytes(back);
    auto refused = Cli({"import-andi", cdf, back});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("--force"), std::string::npos) << refused.err;
    EXPECT_EQ(test::ReadBytes(back), imported);
    EXPECT_EQ(Cli({"import-andi", cdf, cdf, "--force"}).exitCode, 1);
    EXPECT_EQ(test::ReadBytes(cdf), before);
}

TEST_F(AndiCommands, BadFilesAndBadOptions) {
    // A damaged file: its message, exit 1, and no chromatogram left behind.
    ASSERT_EQ(Cli({"export", run, "--andi", cdf}).exitCode, 0);
    auto bytes = test::ReadBytes(cdf);
    bytes.resize(bytes.size() / 2);
    test::WriteBytes(cdf, bytes);
    auto damaged = Cli({"import-andi", cdf, back});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_NE(damaged.err.find("lies past the end"), std::string::npos) << damaged.err;
    EXPECT_FALSE(std::filesystem::exists(back));
    auto notAndi = Cli({"import-andi", run, back});
    EXPECT_EQ(notAndi.exitCode, 1);
    EXPECT_NE(notAndi.err.find("is not an ANDI/AIA"), std::string::npos) << notAndi.err;

    // Usage errors name what is wrong.
    auto rate = Cli({"import-andi", cdf, back, "--rate", "0"});
    EXPECT_EQ(rate.exitCode, 2);
    EXPECT_NE(rate.err.find("--rate"), std::string::npos) << rate.err;
    auto two = Cli({"export", run, "--andi", cdf, "--png", dir.Path("x.png")});
    EXPECT_EQ(two.exitCode, 2);
    EXPECT_NE(two.err.find("--andi"), std::string::npos) << two.err;
    EXPECT_EQ(Cli({"import-andi", cdf}).exitCode, 2);
}

TEST_F(AndiCommands, ASlowFileNeedsARate) {
    const char* cdl = R"(netcdf slow {
dimensions:
	point_number = 4 ;
variables:
	float actual_sampling_interval ;
	float ordinate_values(point_number) ;
		:retention_unit = "seconds" ;
		:detector_unit = "uV" ;
data:
 actual_sampling_interval = 0.3 ;
 ordinate_values = 1, 2, 3, 4 ;
}
)";
    const std::string slow = test::Ncgen(dir, "slow.cdf", cdl);
    auto refused = Cli({"import-andi", slow, back});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("Give --rate"), std::string::npos) << refused.err;
    ASSERT_EQ(Cli({"import-andi", slow, back, "--rate", "5"}).exitCode, 0);
    auto doc = LoadTzdFile(back);
    ASSERT_TRUE(doc.ok());
    EXPECT_EQ(doc->m_ChannelSetup.rate, 5);
    EXPECT_EQ(doc->m_Samples.size(), 5u);
}

}  // namespace
}  // namespace lx
