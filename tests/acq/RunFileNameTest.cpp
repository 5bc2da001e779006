// Run file names: the naming options in every combination that changes the separators, and
// the folder rules.
#include <gtest/gtest.h>

#include <filesystem>

#include "acq/RunFileName.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

std::tm At(int year, int month, int day, int hour, int minute) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    return t;
}

ChannelSetup Flags(bool year, bool month, bool day, bool time, bool number) {
    ChannelSetup s;
    s.yearOn = year;
    s.monthOn = month;
    s.dayOn = day;
    s.timeOn = time;
    s.numberOn = number;
    return s;
}

std::string NameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

TEST(RunFileName, FlagsAndSeparators) {
    test::TempDir app;
    const std::string dir = app.path().string();
    const std::tm march15 = At(2007, 3, 15, 9, 5);
    struct Case {
        ChannelSetup setup;
        int channel;
        int kind;
        const char* prefix;
        const char* expected;
    } cases[] = {
        {Flags(true, true, true, false, false), 0, 0, "", "图谱-2007-0315-as.Tzd"},
        {Flags(false, false, false, false, false), 1, 1, "Run", "Run-bu.Tzd"},
        // Without the month the day brings its own separator.
        {Flags(true, false, true, false, false), 0, 1, "X", "X-2007-15-au.Tzd"},
        // 9:05 is written as the plain numbers 9 and 5.
        {Flags(false, true, true, true, false), 1, 0, "X", "X-0315-95-bs.Tzd"},
        {Flags(false, false, false, true, true), 0, 0, "X", "X-95-1-as.Tzd"},
    };
    for (Case& c : cases) {
        c.setup.runKind = c.kind;
        c.setup.prefix = c.prefix;
        EXPECT_EQ(NameOf(MakeRunFileName(c.setup, c.channel, dir, march15)), c.expected);
    }
    ChannelSetup twoDigits = Flags(false, false, false, true, false);
    twoDigits.prefix = "X";
    EXPECT_EQ(NameOf(MakeRunFileName(twoDigits, 0, dir, At(2007, 12, 1, 23, 59))), "X-2359-au.Tzd");
}

TEST(RunFileName, TheFileNumberAdvancesBeforeUse) {
    test::TempDir app;
    ChannelSetup setup = Flags(false, false, false, false, true);
    setup.prefix = "Run";
    setup.fileNumber = 7;
    setup.runKind = 0;
    EXPECT_EQ(NameOf(MakeRunFileName(setup, 0, app.path().string(), At(2020, 1, 1, 0, 0))),
              "Run-8-as.Tzd");
    EXPECT_EQ(setup.fileNumber, 8);
}

TEST(RunFileName, FoldersFallBackToDataUnderTheApplicationDirectory) {
    test::TempDir app;
    const std::string dir = app.path().string();
    ChannelSetup setup;
    EXPECT_EQ(RunFolder(setup, dir), app.Path("Data"));
    EXPECT_TRUE(std::filesystem::is_directory(app.Path("Data")));
    EXPECT_EQ(setup.folder, "Data");

    std::filesystem::create_directory(app.Path("苯系物"));
    setup.folder = "苯系物";
    EXPECT_EQ(RunFolder(setup, dir), app.Path("苯系物"));
    EXPECT_EQ(setup.folder, "苯系物");

    setup.folder = "gone";
    EXPECT_EQ(RunFolder(setup, dir), app.Path("Data"));
    EXPECT_EQ(setup.folder, "Data");
}

TEST(RunFileName, AnAutomaticSaveNeverTakesAnExistingName) {
    test::TempDir app;
    ChannelSetup setup = Flags(false, false, false, false, false);
    setup.prefix = "Run";
    const std::tm t = At(2020, 1, 1, 0, 0);
    const std::string first = UnusedRunFileName(setup, 1, app.path().string(), t);
    EXPECT_EQ(NameOf(first), "Run-bu.Tzd");
    test::WriteBytes(first, {1});
    test::WriteBytes(app.Path("Data/Run-1-bu.Tzd"), {1});
    EXPECT_EQ(NameOf(UnusedRunFileName(setup, 1, app.path().string(), t)), "Run-2-bu.Tzd");
    EXPECT_EQ(setup.numberOn, 0);  // the channel's own choice stays
    EXPECT_EQ(setup.fileNumber, 2);
}

}  // namespace
}  // namespace lx
