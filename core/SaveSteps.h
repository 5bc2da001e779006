#pragma once
// The steps of a safe save that deal with the file system around the file: where a save really
// goes, the lock that keeps two processes from saving one file at once, and the temporary the
// new bytes are written to before they replace the old ones.

#include <sys/types.h>

#include <string>

namespace lx {

// The file a save of `path` replaces: a symbolic link is followed (through a chain of them) to
// the file it names, which is replaced so the link stays a link.
std::string SaveTarget(const std::string& path);

// A write lock on an existing file for the time of a save. POSIX record locks name their
// holder, so a refused save can say which process is saving. Files that cannot be opened for
// writing or locked (a new file, a read-only one) are saved without it.
class SaveLock {
public:
    explicit SaveLock(const std::string& target);
    ~SaveLock();
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    // The process that holds the file's lock, or 0 when this save holds it (or none is needed).
    pid_t HolderPid() const { return m_Holder; }

private:
    int m_Fd = -1;
    pid_t m_Holder = 0;
};

// A new file ".lx6600-<random>.tmp" in `folder`, locked while it is written, so no other save
// takes it for a leftover; removed unless Commit renames it onto its destination.
class Temporary {
public:
    explicit Temporary(const std::string& folder);
    ~Temporary();
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    // -1, with errno set, when it could not be made.
    int Fd() const { return m_Fd; }
    const std::string& Path() const { return m_Path; }
    // Closes it and renames it onto `target`; false, with errno set, when that fails.
    bool Commit(const std::string& target);

private:
    std::string m_Path;
    int m_Fd = -1;
    bool m_Committed = false;
};

// Removes the temporaries of our naming that saves killed on the way left in `folder`: only
// files of that pattern, a few seconds old, and none whose lock a living save holds.
void RemoveStaleTemporaries(const std::string& folder);

}  // namespace lx
