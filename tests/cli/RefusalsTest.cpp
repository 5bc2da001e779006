// Every class of refusal a user can meet, through the tool as a user runs it: the message says
// what is wrong (and what to do), the exit code is 1, and nothing already on disk is lost.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>

#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

test::ProgramRun Cli(const std::vector<std::string>& args) {
    return test::RunProgram(LX6600_CLI, args);
}

class CliRefusals : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(Cli({"synth", run, "--minutes", "2"}).exitCode, 0); }
    // The first line of what was said on stderr.
    static std::string FirstLine(const test::ProgramRun& r) {
        return r.err.substr(0, r.err.find('\n'));
    }

    test::TempDir dir;
    std::string run = dir.Path("run.Tzd");
};

// Output that cannot be written is a failure, said as such, not a success with a cut file.
TEST_F(CliRefusals, OutputToAFullDeviceFails) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "this machine has no /dev/full";
    for (const std::string command : {"dump", "integrate --json"}) {
        const auto r = test::RunProgram("/bin/sh", {"-c", std::string(LX6600_CLI) + " " + command +
                                                              " " + run + " > /dev/full"});
        EXPECT_EQ(r.exitCode, 1) << command;
        EXPECT_NE(r.err.find("输出未能全部写出!"), std::string::npos) << r.err;
    }
    EXPECT_EQ(Cli({"dump", run}).exitCode, 0);
}

TEST_F(CliRefusals, FilesOfAnotherKindAreNamedAsSuchNotAsDamaged) {
    ASSERT_EQ(Cli({"--home", dir.Path("app"), "project", "new", "方法"}).exitCode, 0);
    const std::string project = dir.Path("app/方法/方法.Tzp");
    ASSERT_TRUE(std::filesystem::exists(project));
    test::WriteBytes(dir.Path("notes.Tzd"), {'p', 'e', 'a', 'k', 's', '\n', '1', '2', '\n'});
    test::WriteBytes(dir.Path("empty.Tzd"), {});
    struct Case {
        std::string file, expected;
    };
    for (const Case& c :
         {Case{project,
               "文件[" + project + "]不是色谱图文件(.Tzd),而是分析项目文件(.Tzp),无法打开!"},
          Case{dir.Path("notes.Tzd"),
               "文件[" + dir.Path("notes.Tzd") + "]不是色谱图文件(.Tzd),而是文本文件,无法打开!"},
          Case{dir.Path("empty.Tzd"),
               "文件[" + dir.Path("empty.Tzd") + "]不是色谱图文件(.Tzd),而是空文件,无法打开!"},
          Case{dir.Path("none.Tzd"), "打开文件[" + dir.Path("none.Tzd") + "]失败!(文件不存在)"},
          Case{dir.path().string(),
               "打开文件[" + dir.path().string() + "]失败!(这是一个文件夹)"}}) {
        const auto r = Cli({"integrate", c.file});
        EXPECT_EQ(r.exitCode, 1) << c.file;
        EXPECT_EQ(FirstLine(r), c.expected);
    }
    // A chromatogram cut short is damaged, and says where.
    const auto bytes = test::ReadBytes(run);
    test::WriteBytes(dir.Path("cut.Tzd"), {bytes.begin(), bytes.begin() + 200});
    const auto cut = Cli({"dump", dir.Path("cut.Tzd")});
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_NE(cut.err.find("已损坏或不完整(采样数据)"), std::string::npos) << cut.err;
    // And in English when asked.
    const auto english = Cli({"integrate", project, "--lang", "en"});
    EXPECT_EQ(FirstLine(english), "File [" + project +
                                      "] is not a chromatogram file (.Tzd) but a method project "
                                      "file (.Tzp), so it cannot be opened!");
}

TEST_F(CliRefusals, ARunTheMachineCannotHoldIsRefusedBeforeAllocating) {
    const auto r = Cli({"synth", dir.Path("huge.Tzd"), "--minutes", "100000", "--rate", "1000"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("内存不足"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir.Path("huge.Tzd")));
}

// Root passes every permission check, so as root the tool is run as the unprivileged user
// "nobody" (setpriv), in a folder it may read but not write.
TEST_F(CliRefusals, PermissionDeniedKeepsWhatIsThere) {
    namespace fs = std::filesystem;
    const bool root = ::geteuid() == 0;
    if (root && !fs::exists("/usr/bin/setpriv"))
        GTEST_SKIP() << "run as root without setpriv: permissions cannot be checked here";
    auto asUser = [&](std::vector<std::string> args) {
        if (!root)
            return Cli(args);
        args.insert(args.begin(), {"--reuid=65534", "--regid=65534", "--clear-groups", LX6600_CLI});
        return test::RunProgram("/usr/bin/setpriv", args);
    };
    const auto before = test::ReadBytes(run);
    const auto readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                          fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(dir.path(), readOnly);
    const auto save = asUser({"integrate", run, "--in-place", "--slope", "80"});
    fs::permissions(run, fs::perms::none);
    const auto open = asUser({"dump", run});
    fs::permissions(run, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(save.exitCode, 1);
    EXPECT_NE(save.err.find("没有写入权限"), std::string::npos) << save.err;
    EXPECT_EQ(open.exitCode, 1);
    EXPECT_NE(open.err.find("没有读取权限"), std::string::npos) << open.err;
    EXPECT_EQ(test::ReadBytes(run), before);
}

// A file system of 40 KiB holds a five-minute run (24 KiB) but not a second copy of it.
TEST_F(CliRefusals, AFullDiskKeepsWhatIsThere) {
    const std::string small = dir.Path("small");
    std::filesystem::create_directory(small);
    if (::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=40k") != 0)
        GTEST_SKIP() << "no tiny file system can be mounted here (needs root); not checked";
    const std::string inside = small + "/run.Tzd";
    ASSERT_EQ(Cli({"synth", dir.Path("five.Tzd"), "--minutes", "5"}).exitCode, 0);
    std::filesystem::copy_file(dir.Path("five.Tzd"), inside);
    const auto before = test::ReadBytes(inside);
    const auto r = Cli({"integrate", inside, "--in-place", "--slope", "80"});
    const auto after = test::ReadBytes(inside);
    const auto leftovers = std::distance(std::filesystem::directory_iterator(small), {});
    ::umount(small.c_str());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("磁盘已满"), std::string::npos) << r.err;
    EXPECT_EQ(after, before);
    EXPECT_EQ(leftovers, 1) << "the temporary file was left behind";
}

// A picture, a report or a detector line made from a chromatogram never takes its place, even
// with --force: the chromatogram would be gone.
TEST_F(CliRefusals, MadeFilesNeverReplaceTheirSource) {
    const std::vector<std::uint8_t> before = test::ReadBytes(run);
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"report", run, "--pdf", run, "--force"},
          {"export", run, "--png", run, "--force"},
          {"export", run, "--rtf", run, "--force"},
          {"detector-sim", "--from", run, "--out", run, "--force"}}) {
        const auto r = Cli(command);
        EXPECT_EQ(r.exitCode, 1) << command[0];
        EXPECT_EQ(FirstLine(r), run + " 是输入文件, 不会被覆盖; 请另给一个输出文件。");
    }
    EXPECT_EQ(test::ReadBytes(run), before);
}

TEST_F(CliRefusals, UnknownWordsAreNamedWithTheNearestName) {
    const auto command = Cli({"integrat", run});
    EXPECT_EQ(command.exitCode, 2);
    // The list of commands grows; what matters is the word, the list and the nearest name.
    const std::string first = FirstLine(command);
    EXPECT_EQ(first.rfind("未知的命令 \"integrat\"。可用的命令: dump, save, new, integrate, ", 0),
              0u)
        << first;
    EXPECT_TRUE(first.ends_with("。 您是不是要输入 integrate?")) << first;
    const auto option = Cli({"integrate", run, "--slpe", "30", "--lang", "en"});
    EXPECT_EQ(option.exitCode, 2);
    EXPECT_EQ(FirstLine(option), "Unknown option --slpe. Did you mean --slope?");
    const auto value = Cli({"integrate", run, "--slope"});
    EXPECT_EQ(value.exitCode, 2);
    EXPECT_EQ(FirstLine(value), "选项 --slope 缺少取值。");
    const auto language = Cli({"--lang", "fr", "integrate", run});
    EXPECT_EQ(language.exitCode, 2);
    const auto version = Cli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("lx6600-cli ", 0), 0u);
}

// The language comes from --lang, else the locale; Chinese by default.
TEST_F(CliRefusals, MessagesFollowTheUsersLanguage) {
    auto missing = [&](const std::vector<std::string>& extra, const char* lang) {
        std::vector<std::string> args{"env",
                                      std::string("LANG=") + lang,
                                      "LC_ALL=",
                                      "LC_MESSAGES=",
                                      LX6600_CLI,
                                      "integrate",
                                      dir.Path("x.Tzd")};
        args.insert(args.end(), extra.begin(), extra.end());
        return FirstLine(test::RunProgram("/usr/bin/env", {args.begin() + 1, args.end()}));
    };
    const std::string zh = "打开文件[" + dir.Path("x.Tzd") + "]失败!(文件不存在)";
    const std::string en = "Cannot open file [" + dir.Path("x.Tzd") + "]! (no such file)";
    EXPECT_EQ(missing({}, "C.UTF-8"), zh);
    EXPECT_EQ(missing({}, "zh_CN.UTF-8"), zh);
    EXPECT_EQ(missing({}, "en_US.UTF-8"), en);
    EXPECT_EQ(missing({"--lang", "en"}, "zh_CN.UTF-8"), en);
    EXPECT_EQ(missing({"--lang", "zh"}, "en_US.UTF-8"), zh);
}

}  // namespace
}  // namespace lx
