#pragma once
// What every subcommand shares: its exit codes and how it reports.

#include <string>

namespace lx::cli {

enum ExitCode : int { kOk = 0, kFailed = 1, kUsage = 2 };

// The operator's message on stderr; returns kFailed.
int Fail(const std::string& message);

// A file named on the command line, absolute: projects keep their files' full paths.
std::string AbsolutePath(const std::string& path);

}  // namespace lx::cli
