// What a load or save meets in a real folder besides plain files: pipes, devices, sockets,
// links, long names, other processes saving the same file, leftovers of killed saves, a full
// device. None of them hangs the program, loses a file or replaces what is not ours.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <future>
#include <random>
#include <thread>

#include "core/Archive.h"
#include "core/TzdFile.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

// A record of `samples` zero samples by `operatorName`, saved as `path`.
Status Save(const char* operatorName, const std::string& path, std::size_t samples = 10) {
    CTzLabDoc doc;
    doc.m_Operator = operatorName;
    doc.m_Samples.Resize(samples);
    return SaveTzdFile(doc, path);
}

std::vector<std::string> Temporaries(const fs::path& folder) {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().starts_with(".lx6600-"))
            found.push_back(entry.path().filename().string());
    return found;
}

void Age(const std::string& path, int seconds) {
    const struct timespec times[2] = {{std::time(nullptr) - seconds, 0},
                                      {std::time(nullptr) - seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// A pipe with no writer is refused at once instead of waiting for one; the guard opens it for
// writing if the load hangs, so a failure does not hang the tests.
TEST(SaveSafety, APipeIsRefusedWithoutWaiting) {
    test::TempDir dir;
    const std::string fifo = dir.Path("pipe.Tzd");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto load = std::async(std::launch::async, [&] { return LoadTzdFile(fifo); });
    if (load.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        load.wait();
        ::close(writer);
        FAIL() << "loading a pipe waited for a writer";
    }
    const Result<CTzLabDoc> loaded = load.get();
    ASSERT_FALSE(loaded.ok());
    EXPECT_NE(loaded.error().find("不是普通文件"), std::string::npos) << loaded.error();
}

// A save never turns a pipe, a socket or a device into a file; a link is followed and the
// file it names replaced, the link kept.
TEST(SaveSafety, OnlyRegularFilesAreReplacedAndLinksAreFollowed) {
    test::TempDir dir;
    const std::string fifo = dir.Path("pipe.Tzd");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    Status saved = Save("x", fifo);
    ASSERT_FALSE(saved.ok());
    EXPECT_NE(saved.error().find("不是普通文件"), std::string::npos) << saved.error();
    EXPECT_TRUE(fs::is_fifo(fifo));

    const std::string socketPath = dir.Path("socket.Tzd");
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_FALSE(Save("x", socketPath).ok());
    EXPECT_TRUE(fs::is_socket(socketPath));
    ::close(sock);

    // A device node needs the right to make one; where that is missing the case is left out.
    const std::string device = dir.Path("null.Tzd");
    if (::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0) {
        EXPECT_FALSE(Save("x", device).ok());
        EXPECT_TRUE(fs::is_character_file(device));
    }
    EXPECT_TRUE(Temporaries(dir.path()).empty());

    const std::string target = dir.Path("real.Tzd");
    ASSERT_TRUE(Save("old", target).ok());
    fs::create_directory(dir.Path("links"));
    const std::string link = dir.Path("links/run.Tzd");
    fs::create_symlink("../real.Tzd", link);
    ASSERT_TRUE(Save("new", link).ok());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(LoadTzdFile(target)->m_Operator, "new");
    EXPECT_TRUE(Temporaries(dir.path()).empty());
}

// The longest names a folder takes are saved: the temporary's name does not grow with them.
TEST(SaveSafety, ALongFileNameIsSaved) {
    test::TempDir dir;
    const std::string name = std::string(250, 'r') + ".Tzd";
    ASSERT_TRUE(Save("long", dir.Path(name)).ok());
    EXPECT_EQ(LoadTzdFile(dir.Path(name))->m_Operator, "long");
}

// Leftovers of killed saves go with the next save in their folder; a living save's temporary
// (locked) and files that only look alike stay.
TEST(SaveSafety, StaleTemporariesOfOursAreRemovedAndOnlyThose) {
    test::TempDir dir;
    const std::string stale = dir.Path(".lx6600-abcdefghijkl.tmp");
    const std::string living = dir.Path(".lx6600-mnopqrstuvwx.tmp");
    const std::string fresh = dir.Path(".lx6600-zzzzzzzzzzzz.tmp");
    const std::string other = dir.Path("notes.tmp");
    for (const std::string& path : {stale, living, fresh, other})
        test::WriteBytes(path, {1, 2, 3});
    for (const std::string& path : {stale, living, other})
        Age(path, 600);
    const int held = ::open(living.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    ASSERT_TRUE(Save("x", dir.Path("run.Tzd")).ok());
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(living));
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::exists(other));
    ::close(held);
}

// A second process saving the file at the same moment is told which process is saving.
TEST(SaveSafety, ASaveInProgressElsewhereIsNamed) {
    test::TempDir dir;
    const std::string path = dir.Path("project.Tzd");
    ASSERT_TRUE(Save("old", path).ok());
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t saver = ::fork();
    if (saver == 0) {
        const int fd = ::open(path.c_str(), O_WRONLY);
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        ::fcntl(fd, F_SETLKW, &lock);
        (void)!::write(ready[1], "x", 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    Status saved = Save("new", path);
    ::kill(saver, SIGKILL);
    ::waitpid(saver, nullptr, 0);
    ASSERT_FALSE(saved.ok());
    EXPECT_NE(saved.error().find(std::to_string(saver)), std::string::npos) << saved.error();
    EXPECT_EQ(LoadTzdFile(path)->m_Operator, "old");
    EXPECT_TRUE(Save("new", path).ok());  // its lock went with it
    ::close(ready[0]);
    ::close(ready[1]);
}

// Saves killed at random moments leave the old or the new file, never a broken one; the
// temporaries they leave go with the next save once they are a few seconds old.
TEST(SaveSafety, SavesKilledAtRandomLeaveAWholeFile) {
    test::TempDir dir;
    const std::string path = dir.Path("run.Tzd");
    ASSERT_TRUE(Save("old", path, 200000).ok());
    std::mt19937 random(7);
    int killedMidway = 0;
    for (int k = 0; k < 30; ++k) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (;;)
                (void)Save("new", path, 200000);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const Result<CTzLabDoc> back = LoadTzdFile(path);
        ASSERT_TRUE(back.ok()) << back.error();
        ASSERT_TRUE(back->m_Operator == "old" || back->m_Operator == "new");
        killedMidway += !Temporaries(dir.path()).empty();
    }
    RecordProperty("kills that left a temporary", killedMidway);
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    ASSERT_TRUE(Save("last", path).ok());
    EXPECT_TRUE(Temporaries(dir.path()).empty()) << killedMidway << " kills left temporaries";
}

// Once a write fails the writer keeps nothing more for the lost file, and says why it failed.
TEST(SaveSafety, AFailedWriteStopsBuffering) {
    const int full = ::open("/dev/full", O_WRONLY);
    if (full < 0)
        GTEST_SKIP() << "this machine has no /dev/full";
    ArchiveWriter ar(full);
    const std::string block(1 << 20, 'x');
    for (int k = 0; k < 32; ++k)
        ar.WriteBytes(block);
    EXPECT_FALSE(ar.Flush());
    EXPECT_EQ(ar.Error(), ENOSPC);
    EXPECT_TRUE(ar.Bytes().empty());
    ::close(full);
}

}  // namespace
}  // namespace lx
