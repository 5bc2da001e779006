#pragma once
// The serial line to the detector on a POSIX terminal device: 9600 baud, 8 data bits, no
// parity, 1 stop bit, raw, receive only. The port is held exclusively (TIOCEXCL and an
// advisory lock, which also keeps a second workstation off it when run as root). A monitoring
// thread waits on the port and on a shutdown signal and hands every chunk it reads (at most
// 100 bytes) to the handler, on that thread: the host passes it on to its own thread before
// the handler returns, as the desktop does with a blocking queued call.

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "acq/SerialLink.h"

namespace lx {

// The serial devices of this machine in the order ports 0-5 take them: stable by-id names
// first, then USB adapters, then built-in ports; at most six.
std::vector<std::string> DefaultPortPaths();

class CCommPort : public SerialLink {
public:
    static constexpr std::size_t kChunkSize = 100;

    // Port index i opens devices[i].
    explicit CCommPort(std::vector<std::string> devices);
    ~CCommPort() override;
    CCommPort(const CCommPort&) = delete;
    CCommPort& operator=(const CCommPort&) = delete;

    bool Open(int index) override;
    bool IsOpen() const override { return m_Fd >= 0; }
    bool StartMonitoring(ChunkHandler handler) override;
    void Close() override;

private:
    void StopMonitoring();
    void Monitor(ChunkHandler handler);

    std::vector<std::string> m_Devices;
    int m_Fd = -1;
    int m_WakeFd = -1;  // eventfd: tells the monitoring thread to end
    std::thread m_Thread;
};

}  // namespace lx
