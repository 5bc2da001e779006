#include "acq/CCommPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>

namespace lx {
namespace {

std::vector<std::string> Sorted(const std::string& folder, const std::string& prefix) {
    std::vector<std::string> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) == 0)
            found.push_back(entry.path().string());
    }
    std::sort(found.begin(), found.end());
    return found;
}

bool ConfigureLine(int fd) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0)
        return false;
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CSIZE | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_cc[VMIN] = 0;  // a read returns at once with what is queued
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, B9600) != 0 || ::cfsetospeed(&tio, B9600) != 0)
        return false;
    if (::tcsetattr(fd, TCSANOW, &tio) != 0)
        return false;
    ::tcflush(fd, TCIOFLUSH);
    return true;
}

}  // namespace

std::vector<std::string> DefaultPortPaths() {
    std::vector<std::string> paths = Sorted("/dev/serial/by-id", "");
    for (const char* prefix : {"ttyUSB", "ttyACM", "ttyS"}) {
        const auto more = Sorted("/dev", prefix);
        paths.insert(paths.end(), more.begin(), more.end());
    }
    if (paths.size() > 6)
        paths.resize(6);
    return paths;
}

CCommPort::CCommPort(std::vector<std::string> devices) : m_Devices(std::move(devices)) {}

CCommPort::~CCommPort() {
    Close();
}

bool CCommPort::Open(int index) {
    Close();
    if (index < 0 || static_cast<std::size_t>(index) >= m_Devices.size())
        return false;
    const int fd = ::open(m_Devices[static_cast<std::size_t>(index)].c_str(),
                          O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd, TIOCEXCL) != 0 || !ConfigureLine(fd)) {
        ::close(fd);
        return false;
    }
    m_Fd = fd;
    return true;
}

bool CCommPort::StartMonitoring(ChunkHandler handler) {
    if (m_Fd < 0)
        return false;
    StopMonitoring();
    m_WakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_WakeFd < 0)
        return false;
    m_Thread = std::thread([this, h = std::move(handler)] { Monitor(h); });
    return true;
}

void CCommPort::Monitor(ChunkHandler handler) {
    std::array<std::uint8_t, kChunkSize> chunk{};
    for (;;) {
        pollfd fds[2] = {{m_WakeFd, POLLIN, 0}, {m_Fd, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[0].revents & POLLIN)
            return;  // shutdown
        if (fds[1].revents & POLLIN) {
            const ssize_t n = ::read(m_Fd, chunk.data(), chunk.size());
            handler(std::span(chunk).first(n > 0 ? static_cast<std::size_t>(n) : 0));
        } else if (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL)) {
            // An unplugged adapter or a closed far end: a read error, an empty chunk. Waiting
            // a moment keeps a hung-up line from spinning while the silence check decides.
            handler({});
            pollfd wake{m_WakeFd, POLLIN, 0};
            if (::poll(&wake, 1, 100) > 0)
                return;
        }
    }
}

void CCommPort::StopMonitoring() {
    if (m_Thread.joinable()) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(m_WakeFd, &one, sizeof one);
        m_Thread.join();
    }
    if (m_WakeFd >= 0) {
        ::close(m_WakeFd);
        m_WakeFd = -1;
    }
}

void CCommPort::Close() {
    StopMonitoring();
    if (m_Fd >= 0) {
        ::close(m_Fd);
        m_Fd = -1;
    }
}

}  // namespace lx
