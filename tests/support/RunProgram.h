#pragma once
// Runs a program of the build as a user would, capturing what it prints.

#include <string>
#include <vector>

namespace lx::test {

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args);

}  // namespace lx::test
