// Where the workstation's files live, and old paths found again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/AppPaths.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

TEST(AppPaths, ApplicationDirectoryPrecedence) {
    const char* saved = std::getenv("LX6600_HOME");
    const std::string restore = saved ? saved : "";
    setenv("LX6600_HOME", "/env/home", 1);
    EXPECT_EQ(ApplicationDirectory("/given"), "/given");
    EXPECT_EQ(ApplicationDirectory(), "/env/home");
    unsetenv("LX6600_HOME");
    // Never the program's folder, even when it is writable (as a build tree is).
    const char* home = std::getenv("HOME");
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(ApplicationDirectory(), std::string(home) + "/LX6600");
    if (saved)
        setenv("LX6600_HOME", restore.c_str(), 1);
}

TEST(AppPaths, SamePathIgnoresCaseAndSeparators) {
    EXPECT_TRUE(SamePath("C:\\TzLab\\Data\\A.Tzd", "c:/tzlab/data/a.TZD"));
    EXPECT_FALSE(SamePath("/d/a.Tzd", "/d/a.Tzd2"));
    EXPECT_FALSE(SamePath("/d/a.Tzd", "/e/a.Tzd"));
    EXPECT_EQ(NativePath("C:\\TzLab\\a.Tzd"), "C:/TzLab/a.Tzd");
}

TEST(AppPaths, StoredPathsTryTheLongestTailUnderTheApplicationDirectoryFirst) {
    test::TempDir dir;
    const auto app = dir.path() / "app";
    std::filesystem::create_directories(app / "TzLab" / "Data");
    std::filesystem::create_directories(app / "Data");
    std::filesystem::create_directories(dir.path() / "beside");
    for (const auto& p : {app / "TzLab" / "Data" / "x.Tzd", app / "Data" / "x.Tzd",
                          app / "Data" / "y.Tzd", dir.path() / "beside" / "z.Tzd"})
        test::WriteBytes(p.string(), {0});
    const std::string beside = dir.Path("beside");

    EXPECT_EQ(ResolveStoredPath("C:\\TzLab\\Data\\x.Tzd", app.string(), beside),
              (app / "TzLab" / "Data" / "x.Tzd").string());
    EXPECT_EQ(ResolveStoredPath("D:\\TzLab\\Data\\y.Tzd", app.string(), beside),
              (app / "Data" / "y.Tzd").string());
    EXPECT_EQ(ResolveStoredPath("C:\\TzLab\\Data\\z.Tzd", app.string(), beside),
              (dir.path() / "beside" / "z.Tzd").string());
    // What exists is taken as it stands; what is found nowhere comes back in native form.
    const std::string here = (app / "Data" / "y.Tzd").string();
    EXPECT_EQ(ResolveStoredPath(here, "/nowhere", beside), here);
    EXPECT_EQ(ResolveStoredPath("C:\\Data\\w.Tzd", app.string(), beside), "C:/Data/w.Tzd");
    EXPECT_EQ(ResolveStoredPath("", app.string(), beside), "");
}

}  // namespace
}  // namespace lx
