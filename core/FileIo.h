#pragma once
// Reading and replacing files so that a failure never costs what is already on disk.

#include <functional>
#include <string>
#include <vector>

#include "core/Archive.h"
#include "core/Result.h"

namespace lx {

// A regular file open for reading as an archive.
class InputFile {
public:
    // Fails with "打开文件[%s]失败!(reason)" when `path` is missing, unreadable or not a
    // regular file.
    static Result<InputFile> Open(const std::string& path);
    InputFile(InputFile&& other) noexcept;
    InputFile& operator=(InputFile&&) = delete;
    ~InputFile();

    ArchiveReader& Reader() { return m_Reader; }
    // The first `n` bytes (fewer in a shorter file), whatever has been read so far: what a
    // file that failed to load looks like.
    std::vector<std::uint8_t> Head(std::size_t n) const;

private:
    InputFile(int fd, std::uint64_t size) : m_Fd(fd), m_Reader(fd, size) {}
    int m_Fd;
    ArchiveReader m_Reader;
};

// Writes `path` through a temporary file in the same folder: write, fsync, rename over the old
// file, fsync the folder. Until the rename the old file is untouched; after a failure the
// temporary is removed and the message ("保存文件[%s]失败!(%s)") says why. A symbolic link is
// followed and the file it names replaced; a device, pipe, socket or folder is refused. While
// it saves, the old file is locked, so a second process saving the same file is told which
// process is at it instead of racing it. Temporaries a killed save left in the folder go.
Status WriteArchiveFileAtomically(const std::string& path,
                                  const std::function<void(ArchiveWriter&)>& write);

// Writes all `n` bytes to `fd`, going on after interruptions and short writes; false with errno
// set when the file takes no more.
bool WriteFully(int fd, const void* data, std::size_t n);

// Forces a folder's entries (a file created or renamed in it) to disk; "" is the current folder.
// False, with errno set, when the folder cannot be opened or synced.
bool SyncFolder(const std::string& folder);

// "保存文件[%s]失败!(reason)" for the errno of a failed write: a full disk, no permission, a
// missing folder, or the system's own words.
std::string SaveFailureMessage(const std::string& path, int err);

}  // namespace lx
