// lx6600-cli acquire and recover: runs recorded from the demo signal and from a simulated
// detector on a real pseudo-terminal, refusals that leave nothing behind, and runs that a
// Ctrl-C or a killed process ended.
#include <gtest/gtest.h>

#include <pty.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "acq/CDatReceiver.h"
#include "acq/ChannelSetupFile.h"
#include "acq/RunJournal.h"
#include "core/TzdFile.h"
#include "quant/file/TzpFile.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {
namespace fs = std::filesystem;

std::vector<std::int32_t> Demo() {
    return ReadDemoSignal(LX_SOURCE_DIR "/data/TzDemo").value();
}

std::vector<std::int32_t> SamplesOf(const std::string& path) {
    auto doc = LoadTzdFile(path);
    EXPECT_TRUE(doc.ok()) << doc.error();
    if (!doc.ok())
        return {};
    return {doc->m_Samples.begin(), doc->m_Samples.end()};
}

std::vector<std::string> FilesIn(const fs::path& dir, const std::string& extension) {
    std::vector<std::string> found;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::end(it); ++it)
        if (it->path().extension() == extension)
            found.push_back(it->path().string());
    return found;
}

// The path on the table's heading line "== PATH (...)".
std::string SavedPath(const std::string& out) {
    const auto start = out.find("== ");
    const auto end = out.find(" (");
    return start == 0 && end != std::string::npos ? out.substr(3, end - 3) : "";
}

class CliAcquire : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string home = dir.Path("home");

    test::ProgramRun Acquire(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home, "acquire"});
        return test::RunProgram(LX6600_CLI, args);
    }
};

TEST_F(CliAcquire, ADemoRunIsRecordedAndNamedByTheFoldersSetUpFile) {
    CTzLabDoc setup;
    ChannelSetup& naming = setup.m_ChannelSetup;
    naming.prefix = "Demo";
    naming.monthOn = naming.dayOn = naming.timeOn = 0;
    naming.fileNumber = 4;
    fs::create_directories(home + "/runs");
    ASSERT_TRUE(WriteSetupFile(setup, home + "/runs", 0).ok());

    const auto run = Acquire({"--minutes", "1.2", "--folder", "runs"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(SavedPath(run.out), home + "/runs/Demo-5-au.Tzd");
    const std::vector<std::int32_t> demo = Demo();
    EXPECT_EQ(SamplesOf(home + "/runs/Demo-5-au.Tzd"),
              std::vector<std::int32_t>(demo.begin(), demo.begin() + 1440));
    EXPECT_NE(run.out.find("0.899"), std::string::npos) << run.out;  // the demo's first peak
    // The folder's set-up file numbers on, and the finished run leaves no journal.
    EXPECT_EQ(ReadSetupFile(home + "/runs", 0)->m_ChannelSetup.fileNumber, 5);
    EXPECT_TRUE(FilesIn(home, ".journal").empty());
}

TEST_F(CliAcquire, AStandardRunIsFiledWithItsProject) {
    CPrjDoc project;
    project.m_Method = kExternalStandard;
    fs::create_directories(home + "/苯系物");
    const std::string projectPath = home + "/苯系物/苯系物.Tzp";
    ASSERT_TRUE(SaveTzpFile(project, projectPath).ok());
    const auto run = Acquire(
        {"--minutes", "0.5", "--project", projectPath, "--kind", "standard", "--channel", "B"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string saved = SavedPath(run.out);
    EXPECT_TRUE(saved.ends_with("-bs.Tzd")) << saved;
    auto reloaded = LoadTzpFile(projectPath, home);
    ASSERT_TRUE(reloaded.ok()) << reloaded.error();
    ASSERT_EQ(reloaded->m_Standards.size(), 1u);
    EXPECT_EQ(fs::path(reloaded->m_Standards[0].m_FileName).filename(), fs::path(saved).filename());
}

// The whole road from an instrument: frames at the line's pace on a pseudo-terminal, the
// start signal starting the run, and exactly the values sent in the file.
TEST_F(CliAcquire, TheDetectorsValuesArriveExactlyAsSent) {
    const std::string source = dir.Path("source.Tzd");
    ASSERT_EQ(
        test::RunProgram(LX6600_CLI, {"synth", source, "--minutes", "1", "--seed", "5"}).exitCode,
        0);
    test::BackgroundProgram simulator(LX6600_CLI, {"detector-sim", "--pty", "--from", source,
                                                   "--realtime", "--start-signal-at", "0.02"});
    const std::string device = simulator.FirstLine(5.0);
    ASSERT_FALSE(device.empty()) << "the simulator opened no pseudo-terminal";

    const auto run = Acquire({"--device", device, "--wait-start", "--minutes", "0.05"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::int32_t> sent = SamplesOf(source);
    const std::size_t startIndex = 24;  // 0.02 min at 20 values a second
    EXPECT_EQ(SamplesOf(SavedPath(run.out)),
              std::vector<std::int32_t>(sent.begin() + startIndex, sent.begin() + startIndex + 60));
}

TEST_F(CliAcquire, RefusalsLeaveNothingBehind) {
    const auto noDevice = Acquire({"--device", dir.Path("no-such-tty")});
    EXPECT_EQ(noDevice.exitCode, 1);
    EXPECT_NE(noDevice.err.find("串口设置错误!"), std::string::npos) << noDevice.err;

    // A line that stays silent: a pseudo-terminal nobody writes to.
    int master = -1, slave = -1;
    char name[256] = {};
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    const auto silent = Acquire({"--device", name});
    ::close(slave);
    ::close(master);
    EXPECT_EQ(silent.exitCode, 1);
    EXPECT_NE(silent.err.find("通道口数据错误,请检查连线是否正确!"), std::string::npos)
        << silent.err;

    const auto baseline = Acquire({"--minutes", "1", "--baseline", dir.Path("blank.Tzd")});
    EXPECT_EQ(baseline.exitCode, 1);
    EXPECT_NE(baseline.err.find("基线扣除文件[" + dir.Path("blank.Tzd") + "]打开错误 !"),
              std::string::npos)
        << baseline.err;

    // A program installed without its demo signal, started where there is none either.
    fs::create_directories(dir.Path("bare/bin"));
    fs::copy_file(LX6600_CLI, dir.Path("bare/bin/lx6600-cli"));
    const auto noDemo = test::RunProgram(dir.Path("bare/bin/lx6600-cli"),
                                         {"--home", home, "acquire", "--minutes", "1"});
    EXPECT_EQ(noDemo.exitCode, 1);
    EXPECT_NE(noDemo.err.find("演示文件没有找着!"), std::string::npos) << noDemo.err;

    EXPECT_TRUE(FilesIn(home, ".Tzd").empty());
    EXPECT_TRUE(FilesIn(home, ".journal").empty());
}

// Ctrl-C saves what was recorded; a killed recording leaves its journal, which the next
// acquire points out and recover turns into the run, every value up to the last second.
TEST_F(CliAcquire, InterruptedRunsKeepTheirValues) {
    const std::vector<std::int32_t> demo = Demo();
    {
        test::BackgroundProgram run(LX6600_CLI,
                                    {"--home", home, "acquire", "--realtime", "--minutes", "5"});
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        run.Signal(SIGINT);
        const auto stopped = run.Wait();
        ASSERT_EQ(stopped.exitCode, 0) << stopped.err;
        const auto samples = SamplesOf(SavedPath(stopped.out));
        EXPECT_GE(samples.size(), 20u);
        EXPECT_EQ(samples, std::vector<std::int32_t>(demo.begin(), demo.begin() + samples.size()));
    }
    const auto killedAt = std::chrono::steady_clock::now();
    {
        test::BackgroundProgram run(LX6600_CLI, {"--home", home, "acquire", "--realtime",
                                                 "--minutes", "5", "--channel", "B"});
        std::this_thread::sleep_for(std::chrono::milliseconds(2500));
        run.Signal(SIGKILL);
        run.Wait();
    }
    const auto recorded =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - killedAt);
    const auto journals = FilesIn(home, ".journal");
    ASSERT_EQ(journals.size(), 1u);

    const auto next = Acquire({"--minutes", "0.1"});
    EXPECT_EQ(next.exitCode, 0);
    EXPECT_NE(next.err.find(journals[0]), std::string::npos) << next.err;

    const auto recovered =
        test::RunProgram(LX6600_CLI, {"--home", home, "recover", home + "/Data"});
    ASSERT_EQ(recovered.exitCode, 0) << recovered.err;
    const std::string path = SavedPath(recovered.out);
    EXPECT_TRUE(path.ends_with("-bu.Tzd")) << recovered.out;
    const auto samples = SamplesOf(path);
    // The values of all but the last second (and the program's start) are there, in order.
    EXPECT_GE(static_cast<double>(samples.size()), (recorded.count() - 1.5) * 20.0);
    EXPECT_EQ(samples, std::vector<std::int32_t>(demo.begin(), demo.begin() + samples.size()));
    EXPECT_TRUE(FilesIn(home, ".journal").empty());
    EXPECT_EQ(test::RunProgram(LX6600_CLI, {"--home", home, "recover", home}).exitCode, 0);
}

}  // namespace
}  // namespace lx
