// Run journals: what a crash leaves is read back whole, whatever point it stopped at.
#include <gtest/gtest.h>

#include <filesystem>

#include "acq/RunJournal.h"
#include "core/TzdFile.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

JournalHeader Header() {
    JournalHeader header;
    header.channel = 1;
    header.startedAt = 1'700'000'000;
    header.projectPath = "/lab/苯系物/苯系物.Tzp";
    header.method.m_ChannelSetup.prefix = "苯";
    header.method.m_ChannelSetup.stopTime = 12.5;
    header.method.m_Params.m_Slope = 42.0;
    header.method.m_Operator = "王";
    return header;
}

TEST(RunJournal, EveryAppendedValueComesBackWithTheMethod) {
    test::TempDir dir;
    auto journal = RunJournal::Begin(dir.path().string(), Header());
    ASSERT_TRUE(journal.ok()) << journal.error();
    const std::vector<std::int32_t> values{0, -1, 2'500'000, -2'500'000, INT32_MIN, 7};
    for (std::int32_t v : values)
        journal->Append(v);
    const std::string path = journal->Path();
    EXPECT_EQ(FindJournals(dir.path().string()), std::vector<std::string>{path});

    auto read = ReadJournal(path);  // read while still open, as after a crash
    ASSERT_TRUE(read.ok()) << read.error();
    EXPECT_EQ(read->channel, 1);
    EXPECT_EQ(read->startedAt, 1'700'000'000);
    EXPECT_EQ(read->projectPath, "/lab/苯系物/苯系物.Tzp");
    EXPECT_EQ(read->method.m_ChannelSetup.prefix, "苯");
    EXPECT_EQ(read->method.m_ChannelSetup.stopTime, 12.5);
    EXPECT_EQ(read->method.m_Params.m_Slope, 42.0);
    EXPECT_EQ(read->method.m_Operator, "王");
    EXPECT_EQ(
        std::vector<std::int32_t>(read->method.m_Samples.begin(), read->method.m_Samples.end()),
        values);

    journal->Remove();
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(FindJournals(dir.path().string()).empty());
}

TEST(RunJournal, AValueCutShortIsDroppedAndADamagedHeaderIsNamed) {
    test::TempDir dir;
    std::string path;
    {
        auto journal = RunJournal::Begin(dir.path().string(), Header());
        ASSERT_TRUE(journal.ok());
        journal->Append(11);
        journal->Append(22);
        path = journal->Path();
    }
    std::vector<std::uint8_t> bytes = test::ReadBytes(path);
    const std::size_t whole = bytes.size();
    const std::size_t valuesStart = whole - 8;
    for (std::size_t cut = valuesStart; cut <= whole; ++cut) {
        test::WriteBytes(path, {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut)});
        auto read = ReadJournal(path);
        ASSERT_TRUE(read.ok()) << read.error();
        EXPECT_EQ(read->method.m_Samples.size(), (cut - valuesStart) / 4) << cut;
    }
    // Cut inside the header: refused with the part, not taken for a run without values.
    for (std::size_t cut : {std::size_t{5}, std::size_t{30}, valuesStart - 1}) {
        test::WriteBytes(path, {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut)});
        auto read = ReadJournal(path);
        EXPECT_FALSE(read.ok()) << cut;
    }
    // A chromatogram is not a journal, and the message says which it is.
    CTzLabDoc record;
    ASSERT_TRUE(SaveTzdFile(record, dir.Path("run.Tzd")).ok());
    auto wrong = ReadJournal(dir.Path("run.Tzd"));
    ASSERT_FALSE(wrong.ok());
    EXPECT_NE(wrong.error().find("色谱图文件"), std::string::npos) << wrong.error();
}

TEST(RunJournal, JournalsAreFoundUpToAFewFoldersDeep) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.Path("p/Data/deep/deeper"));
    for (const char* name : {"p/Data/unfinished-run-a-1.journal", "unfinished-run-b-2.journal",
                             "p/Data/deep/deeper/unfinished-run-a-3.journal",
                             "p/Data/other.journal", "p/Data/unfinished-run-a-4.Tzd"})
        test::WriteBytes(dir.Path(name), {0});
    EXPECT_EQ(FindJournals(dir.path().string()),
              (std::vector<std::string>{dir.Path("p/Data/unfinished-run-a-1.journal"),
                                        dir.Path("unfinished-run-b-2.journal")}));
}

}  // namespace
}  // namespace lx
