#pragma once
// What every subcommand shares: its exit codes, how it reports, and how its help reads.

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

namespace lx::cli {

enum ExitCode : int { kOk = 0, kFailed = 1, kUsage = 2 };

// The operator's message on stderr; returns kFailed.
int Fail(const std::string& message);

// A usage error on stderr, with where to read how the command is used; returns kUsage.
int UsageError(const std::string& message);

// The parser's complaint in the user's words and language, naming the option or word at fault.
std::string ParseErrorMessage(const CLI::ParseError& error);

// Headings of --help in the user's language; subcommands inherit them.
void ConfigureHelp(CLI::App& app);
// Every option of `app` and its commands under the one heading "选项" / "Options" (the
// parser files the help flags of commands under its own English heading); once all are added.
void LocalizeOptionGroups(CLI::App& app);

// "-" for an output: standard output instead of a file.
inline bool IsStandardOutput(const std::string& path) {
    return path == "-";
}

// No command replaces a file unless told to: the refusal to write over `path`, or "" when it
// does not exist or `force` is given.
std::string RefuseOverwrite(const std::string& path, bool force);

// What writes a made file (a picture, a report, frames) refuses: writing over one of the
// files it is made from, --force or not, since that would lose the source; then any other
// existing file without --force. "" when `out` may be written.
std::string RefuseOutput(const std::string& out, const std::vector<std::string>& inputs,
                         bool force);

// A file named on the command line, absolute: projects keep their files' full paths.
std::string AbsolutePath(const std::string& path);

}  // namespace lx::cli
