#pragma once
// The run journal: while a run records, every value goes to a file in the data folder at once,
// and the file is forced to disk at least once a second. A crash, a killed process or a power
// cut then costs at most the last second of a run; the next start recovers the rest as a
// chromatogram with the channel's method. A run that ends normally removes its journal once
// its file is saved.
//
// Layout: the magic "LX6600-RUN-JOURNAL\n", a u32 header length, the header (channel, start
// time, project path, the method as a whole chromatogram record without samples), then the
// values as little-endian i32, one after another.

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "core/CTzLabDoc.h"
#include "core/Result.h"

namespace lx {

struct JournalHeader {
    int channel = 0;             // 0 = A, 1 = B
    std::int32_t startedAt = 0;  // seconds since 1970 UTC
    std::string projectPath;     // the channel's method project; empty without one
    CTzLabDoc method;            // its samples are not stored
};

class RunJournal {
public:
    static constexpr const char* kExtension = ".journal";

    // Creates a new journal in `folder`, named after the channel and start time, and forces
    // its header to disk.
    static Result<RunJournal> Begin(const std::string& folder, const JournalHeader& header);

    RunJournal(RunJournal&& other) noexcept;
    RunJournal& operator=(RunJournal&& other) noexcept;
    ~RunJournal();  // closes; the file stays until Remove()

    // Appends one value; forces the file to disk when the last time is a second ago. A write
    // that fails (a full disk) is not retried: the run goes on in memory.
    void Append(std::int32_t value);
    bool Failed() const { return m_Failed; }
    const std::string& Path() const { return m_Path; }
    // The run's file is saved: the journal is no longer needed.
    void Remove();

private:
    RunJournal(int fd, std::string path);
    void Close();

    int m_Fd = -1;
    std::string m_Path;
    bool m_Failed = false;
    std::chrono::steady_clock::time_point m_LastSync;
};

// A journal read back: the header's method carries the recorded values as its samples. Every
// whole value written is there; a value cut short by the crash is dropped.
Result<JournalHeader> ReadJournal(const std::string& path);

// The journals left in `folder` and its subfolders (data folders can be nested a few levels
// under the application directory), in the order of their names.
std::vector<std::string> FindJournals(const std::string& folder);

}  // namespace lx
