#include "core/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

#include "core/CoreTexts.h"
#include "core/Format.h"

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

void SyncFolder(const std::string& folder) {
    Fd dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
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

std::string OpenFailed(const std::string& path, int err, bool folder) {
    const char* reason = folder          ? Tr(texts::kReasonFolder)
                         : err == ENOENT ? Tr(texts::kReasonMissing)
                         : err == EACCES ? Tr(texts::kReasonNoPermission)
                                         : std::strerror(err);
    return Format(Tr(texts::kOpenFileFailedBecause), path.c_str(), reason);
}

std::string TemporaryNameFor(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + Format(".%d-%u.tmp", static_cast<int>(::getpid()), counter++);
}

}  // namespace

Result<InputFile> InputFile::Open(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const int err = errno;
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const bool folder = fd >= 0 && S_ISDIR(st.st_mode);
        if (fd >= 0)
            ::close(fd);
        return Result<InputFile>::Failure(OpenFailed(path, fd < 0 ? err : EINVAL, folder));
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
    const std::string temp = TemporaryNameFor(path);
    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0)
        return Status::Failure(SaveFailureMessage(path, errno));
    auto fail = [&](int err) {
        ::unlink(temp.c_str());
        return Status::Failure(SaveFailureMessage(path, err));
    };
    // A replaced file keeps its permissions.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0)
        ::fchmod(fd.get(), old.st_mode & 07777);

    ArchiveWriter ar(fd.get());
    errno = 0;
    write(ar);
    if (!ar.Flush())
        return fail(errno != 0 ? errno : EIO);
    if (::fsync(fd.get()) != 0 || !fd.Close())
        return fail(errno);
    if (::rename(temp.c_str(), path.c_str()) != 0)
        return fail(errno);

    // The rename itself must reach the disk before we call the save done.
    SyncFolder(std::filesystem::path(path).parent_path().string());
    return {};
}

}  // namespace lx
