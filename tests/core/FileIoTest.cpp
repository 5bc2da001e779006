// Saving never costs the file already on disk.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "core/TzdFile.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

int FilesIn(const fs::path& folder) {
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++files;
    return files;
}

TEST(FileIo, SaveReplacesTheFileAndLeavesNoTemporary) {
    test::TempDir dir;
    std::string path = dir.Path("run.Tzd");
    CTzLabDoc doc;
    doc.m_Operator = "first";
    ASSERT_TRUE(SaveTzdFile(doc, path).ok());
    ::chmod(path.c_str(), 0640);
    doc.m_Operator = "second";
    ASSERT_TRUE(SaveTzdFile(doc, path).ok());
    auto back = LoadTzdFile(path);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back->m_Operator, "second");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FilesIn(dir.path()), 1);
}

// A write that fails half way (here: the file size limit, as a full disk would) leaves the old
// file as it was and no temporary behind.
TEST(FileIo, FailedSaveKeepsTheOldFile) {
    test::TempDir dir;
    std::string path = dir.Path("run.Tzd");
    CTzLabDoc doc;
    doc.m_Operator = "kept";
    ASSERT_TRUE(SaveTzdFile(doc, path).ok());
    auto before = test::ReadBytes(path);

    doc.m_Operator = "lost";
    doc.m_Samples.Resize(100000);
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit small = old;
    small.rlim_cur = 64 * 1024;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    Status saved = SaveTzdFile(doc, path);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error().rfind("保存文件[" + path + "]失败!", 0), 0u) << saved.error();
    EXPECT_EQ(test::ReadBytes(path), before);
    EXPECT_EQ(FilesIn(dir.path()), 1);
}

TEST(FileIo, SaveIntoAMissingFolderFailsWithAMessage) {
    test::TempDir dir;
    CTzLabDoc doc;
    Status saved = SaveTzdFile(doc, dir.Path("no/such/folder/run.Tzd"));
    ASSERT_FALSE(saved.ok());
    EXPECT_NE(saved.error().find("失败"), std::string::npos);
}

}  // namespace
}  // namespace lx
