#include "core/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

#include "core/CoreTexts.h"
#include "core/Format.h"
#include "core/SaveSteps.h"

namespace lx {
namespace {

class Fd {
public:
    explicit Fd(int fd) : m_Fd(fd) {}
    ~Fd() {
        if (m_Fd >= 0)
            ::close(m_Fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_Fd; }
    // Closes now, so a failing close (a full disk on some file systems) can be reported.
    bool Close() {
        int fd = m_Fd;
        m_Fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_Fd;
};

}  // namespace

bool WriteFully(int fd, const void* data, std::size_t n) {
    auto p = static_cast<const char*>(data);
    while (n > 0) {
        const ssize_t w = ::write(fd, p, n);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return false;
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

bool SyncFolder(const std::string& folder) {
    Fd dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    // Some file systems cannot sync a folder (EINVAL): their renames are as safe as they get.
    return dir.get() >= 0 && (::fsync(dir.get()) == 0 || errno == EINVAL);
}

std::string SaveFailureMessage(const std::string& path, int err) {
    const char* reason = err == ENOSPC || err == EDQUOT ? Tr(texts::kReasonDiskFull)
                         : err == EACCES || err == EPERM || err == EROFS
                             ? Tr(texts::kReasonCannotWrite)
                         : err == ENOENT ? Tr(texts::kReasonNoFolder)
                                         : std::strerror(err);
    return Format(Tr(texts::kSaveFileFailed), path.c_str(), reason);
}

namespace {

// `err` 0: the path opened but is no regular file.
std::string OpenFailed(const std::string& path, int err, bool folder) {
    const char* reason = folder          ? Tr(texts::kReasonFolder)
                         : err == 0      ? Tr(texts::kReasonNotAFile)
                         : err == ENOENT ? Tr(texts::kReasonMissing)
                         : err == EACCES ? Tr(texts::kReasonNoPermission)
                                         : std::strerror(err);
    return Format(Tr(texts::kOpenFileFailedBecause), path.c_str(), reason);
}

}  // namespace

Result<InputFile> InputFile::Open(const std::string& path) {
    // Without O_NONBLOCK, opening a pipe waits for a writer that may never come; the check for
    // a regular file follows at once and the flag goes again for the reads.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    const int err = errno;
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        const bool folder = fd >= 0 && S_ISDIR(st.st_mode);
        if (fd >= 0)
            ::close(fd);
        return Result<InputFile>::Failure(OpenFailed(path, fd < 0 ? err : 0, folder));
    }
    return InputFile(fd, static_cast<std::uint64_t>(st.st_size));
}

std::vector<std::uint8_t> InputFile::Head(std::size_t n) const {
    std::vector<std::uint8_t> head(n);
    const ssize_t got = ::pread(m_Fd, head.data(), n, 0);
    head.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return head;
}

InputFile::InputFile(InputFile&& other) noexcept
    : m_Fd(std::exchange(other.m_Fd, -1)), m_Reader(std::move(other.m_Reader)) {}

InputFile::~InputFile() {
    if (m_Fd >= 0)
        ::close(m_Fd);
}

Status WriteArchiveFileAtomically(const std::string& path,
                                  const std::function<void(ArchiveWriter&)>& write) {
    const std::string target = SaveTarget(path);
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    // A device, pipe, socket or folder is never turned into a file.
    if (replacing && !S_ISREG(old.st_mode))
        return Status::Failure(
            Format(Tr(texts::kSaveFileFailed), path.c_str(), Tr(texts::kReasonNotRegular)));
    SaveLock lock(target);
    if (lock.HolderPid() != 0)
        return Status::Failure(
            Format(Tr(texts::kSaveFileFailed), path.c_str(),
                   Format(Tr(texts::kReasonBusy), static_cast<long>(lock.HolderPid())).c_str()));

    const std::string folder = std::filesystem::path(target).parent_path().string();
    RemoveStaleTemporaries(folder);
    Temporary temp(folder);
    if (temp.Fd() < 0)
        return Status::Failure(SaveFailureMessage(path, errno));
    auto fail = [&](int err) { return Status::Failure(SaveFailureMessage(path, err)); };
    // A replaced file keeps its permissions (where the file system keeps any).
    if (replacing && ::fchmod(temp.Fd(), old.st_mode & 07777) != 0 && errno != EPERM &&
        errno != EOPNOTSUPP)
        return fail(errno);

    ArchiveWriter ar(temp.Fd());
    write(ar);
    if (!ar.Flush())
        return fail(ar.Error() != 0 ? ar.Error() : EIO);
    if (::fsync(temp.Fd()) != 0)
        return fail(errno);
    if (!temp.Commit(target))
        return fail(errno);

    // The rename itself must reach the disk before we call the save done.
    if (!SyncFolder(folder))
        return fail(errno);
    return {};
}

}  // namespace lx
