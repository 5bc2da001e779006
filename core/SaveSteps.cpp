#include "core/SaveSteps.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <filesystem>

namespace lx {
namespace {

constexpr const char* kPrefix = ".lx6600-";
constexpr const char* kSuffix = ".tmp";
// A save locks its temporary right after making it; older than this, one that no living save
// holds is a leftover.
constexpr std::time_t kStaleSeconds = 2;

std::string FolderOrHere(const std::string& folder) {
    return folder.empty() ? std::string(".") : folder;
}

// Twelve random letters and digits: names that no other save, killed or living, can have.
std::string RandomName() {
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uint8_t bytes[12] = {};
    if (::getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) {
        // Without the kernel's randomness, the clock and the process still tell saves apart.
        const auto seed = static_cast<std::uint64_t>(std::time(nullptr)) ^
                          (static_cast<std::uint64_t>(::getpid()) << 32) ^
                          reinterpret_cast<std::uintptr_t>(&bytes);
        for (std::size_t k = 0; k < sizeof bytes; ++k)
            bytes[k] = static_cast<std::uint8_t>(seed >> (k * 5 % 64));
    }
    std::string name;
    for (std::uint8_t b : bytes)
        name += kAlphabet[b % (sizeof kAlphabet - 1)];
    return name;
}

bool IsOurTemporary(const std::string& name) {
    const std::string prefix = kPrefix, suffix = kSuffix;
    return name.size() > prefix.size() + suffix.size() && name.starts_with(prefix) &&
           name.ends_with(suffix);
}

}  // namespace

std::string SaveTarget(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path p(path);
    std::error_code ec;
    // A loop of links ends the walk; the save then fails on it with the system's reason.
    for (int hops = 0; hops < 40 && fs::is_symlink(p, ec); ++hops) {
        const fs::path next = fs::read_symlink(p, ec);
        if (ec)
            break;
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return p.string();
}

SaveLock::SaveLock(const std::string& target) {
    m_Fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (m_Fd < 0)
        return;
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    if (::fcntl(m_Fd, F_SETLK, &lock) == 0 || (errno != EACCES && errno != EAGAIN))
        return;
    struct flock holder {};
    holder.l_type = F_WRLCK;
    holder.l_whence = SEEK_SET;
    m_Holder = ::fcntl(m_Fd, F_GETLK, &holder) == 0 && holder.l_type != F_UNLCK ? holder.l_pid : 0;
    // The holder finished between the two calls: this save may go on.
}

SaveLock::~SaveLock() {
    if (m_Fd >= 0)
        ::close(m_Fd);
}

Temporary::Temporary(const std::string& folder) {
    const std::string base = FolderOrHere(folder) + "/";
    for (int attempt = 0; attempt < 16 && m_Fd < 0; ++attempt) {
        m_Path = base + kPrefix + RandomName() + kSuffix;
        m_Fd = ::open(m_Path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_Fd < 0 && errno != EEXIST)
            return;
    }
    if (m_Fd >= 0)
        ::flock(m_Fd, LOCK_EX);
}

Temporary::~Temporary() {
    if (m_Fd >= 0)
        ::close(m_Fd);
    if (!m_Committed && !m_Path.empty())
        ::unlink(m_Path.c_str());
}

bool Temporary::Commit(const std::string& target) {
    const int fd = m_Fd;
    m_Fd = -1;
    // A failing close (a full disk on some file systems) is a failed save.
    if (::close(fd) != 0 || ::rename(m_Path.c_str(), target.c_str()) != 0)
        return false;
    m_Committed = true;
    return true;
}

void RemoveStaleTemporaries(const std::string& folder) {
    const std::string base = FolderOrHere(folder);
    DIR* dir = ::opendir(base.c_str());
    if (!dir)
        return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsOurTemporary(entry->d_name))
            continue;
        const std::string path = base + "/" + entry->d_name;
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
        if (fd < 0)
            continue;
        struct stat st {};
        // A save holds its temporary's lock until it is renamed or removed.
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && now - st.st_mtime >= kStaleSeconds &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.c_str());
        ::close(fd);
    }
    ::closedir(dir);
}

}  // namespace lx
