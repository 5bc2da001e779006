// Every shell example of the README runs as written, in order, in a fresh folder, as a new user
// would type it: the README can never drift from the program again.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

// A block of make targets says how to build and start the programs, which the test stands in
// for (and a desktop it must not open).
bool IsMakeBlock(const std::string& block) {
    return block.rfind("make ", 0) == 0;
}

// The ```sh blocks of the text, in order, but for the make blocks.
std::vector<std::string> ShellBlocks(const std::string& markdown) {
    std::vector<std::string> blocks;
    std::istringstream in(markdown);
    std::string line, block;
    bool inside = false;
    while (std::getline(in, line)) {
        if (!inside && line == "```sh") {
            inside = true;
            block.clear();
        } else if (inside && line == "```") {
            inside = false;
            if (!IsMakeBlock(block))
                blocks.push_back(block);
        } else if (inside) {
            block += line + "\n";
        }
    }
    return blocks;
}

TEST(Readme, EveryShellExampleRunsAsWritten) {
    std::ifstream file(LX_SOURCE_DIR "/README.md");
    ASSERT_TRUE(file) << "README.md not found";
    const std::string readme{std::istreambuf_iterator<char>(file), {}};
    const std::vector<std::string> blocks = ShellBlocks(readme);
    ASSERT_GE(blocks.size(), 3u) << "the README lost its examples";

    // The examples call the tool where a build puts it, from the top of a checkout; home is
    // the scratch folder, so ~/LX6600 is a fresh application directory.
    test::TempDir dir;
    std::filesystem::create_directories(dir.path() / "build/cli");
    std::filesystem::create_symlink(LX6600_CLI, dir.path() / "build/cli/lx6600-cli");
    std::string script = "set -euo pipefail\ncd '" + dir.path().string() + "'\nexport HOME='" +
                         dir.path().string() + "'\nunset LX6600_HOME LC_ALL LC_MESSAGES\n" +
                         "export LANG=C.UTF-8\nset -x\n";
    for (const std::string& block : blocks)
        script += block;
    const test::ProgramRun run = test::RunProgram("/bin/bash", {"-c", script});
    ASSERT_EQ(run.exitCode, 0) << "the README's examples stopped here:\n"
                               << run.err.substr(run.err.size() > 3000 ? run.err.size() - 3000 : 0)
                               << "\nstdout ends:\n"
                               << run.out.substr(run.out.size() > 1000 ? run.out.size() - 1000 : 0);

    // The walk-through's promise: the sample of 1.5 of each component quantifies to 1.5.
    const test::ProgramRun sample =
        test::RunProgram(LX6600_CLI, {"integrate", dir.Path("sample.Tzd"), "--json", "--project",
                                      dir.Path("LX6600/苯系物/苯系物.Tzp")});
    ASSERT_EQ(sample.exitCode, 0) << sample.err;
    const auto peaks = nlohmann::json::parse(sample.out)["m_Peaks"];
    ASSERT_EQ(peaks.size(), 3u);
    for (const auto& p : peaks)
        EXPECT_NEAR(p["m_Content"].get<double>(), 1.5, 0.01) << p["m_ComponentName"];
}

}  // namespace
}  // namespace lx
