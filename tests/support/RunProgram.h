#pragma once
// Runs a program of the build as a user would, capturing what it prints.

#include <sys/types.h>

#include <string>
#include <vector>

namespace lx::test {

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A program running beside the test: a simulator feeding a line, a recording to interrupt.
// Killed when it goes out of scope unanswered.
class BackgroundProgram {
public:
    BackgroundProgram(const std::string& program, const std::vector<std::string>& args);
    ~BackgroundProgram();
    BackgroundProgram(const BackgroundProgram&) = delete;
    BackgroundProgram& operator=(const BackgroundProgram&) = delete;

    // The first line it printed on stdout, waiting up to `seconds` for it ("" when none came).
    std::string FirstLine(double seconds);
    void Signal(int signal);
    // Waits for the end and collects what it printed.
    ProgramRun Wait();

private:
    pid_t m_Pid = 0;
    bool m_Waited = false;
    std::string m_OutPath, m_ErrPath;
};

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args);

}  // namespace lx::test
