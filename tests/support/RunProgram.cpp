#include "tests/support/RunProgram.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

namespace lx::test {
namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string TempFile(const char* pattern, int& fd) {
    std::string path = pattern;
    fd = ::mkstemp(path.data());
    return path;
}

}  // namespace

BackgroundProgram::BackgroundProgram(const std::string& program,
                                     const std::vector<std::string>& args) {
    // Output goes to files rather than pipes, so a chatty program cannot block on a full pipe.
    int outFd = -1, errFd = -1;
    m_OutPath = TempFile("/tmp/lx6600-out-XXXXXX", outFd);
    m_ErrPath = TempFile("/tmp/lx6600-err-XXXXXX", errFd);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outFd, 1);
    posix_spawn_file_actions_adddup2(&actions, errFd, 2);

    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    if (posix_spawn(&m_Pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
        m_Pid = 0;
    posix_spawn_file_actions_destroy(&actions);
    ::close(outFd);
    ::close(errFd);
}

BackgroundProgram::~BackgroundProgram() {
    if (m_Pid > 0 && !m_Waited) {
        ::kill(m_Pid, SIGKILL);
        ::waitpid(m_Pid, nullptr, 0);
    }
    ::unlink(m_OutPath.c_str());
    ::unlink(m_ErrPath.c_str());
}

std::string BackgroundProgram::FirstLine(double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    do {
        const std::string out = Slurp(m_OutPath);
        if (const auto eol = out.find('\n'); eol != std::string::npos)
            return out.substr(0, eol);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < end);
    return {};
}

void BackgroundProgram::Signal(int signal) {
    if (m_Pid > 0 && !m_Waited)
        ::kill(m_Pid, signal);
}

ProgramRun BackgroundProgram::Wait() {
    ProgramRun run;
    if (m_Pid > 0 && !m_Waited) {
        int status = 0;
        ::waitpid(m_Pid, &status, 0);
        m_Waited = true;
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    run.out = Slurp(m_OutPath);
    run.err = Slurp(m_ErrPath);
    return run;
}

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args) {
    return BackgroundProgram(program, args).Wait();
}

}  // namespace lx::test
