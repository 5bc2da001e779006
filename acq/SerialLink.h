#pragma once
// The receive-only serial line to the detector, as the receiver sees it: a real port on the
// machine, or a scripted source in tests. The receiver never knows which it has.

#include <cstdint>
#include <functional>
#include <span>

namespace lx {

class SerialLink {
public:
    // Called with each chunk read (at most 100 bytes); on the host's thread, which the chunk
    // must not outlive.
    using ChunkHandler = std::function<void(std::span<const std::uint8_t>)>;

    virtual ~SerialLink() = default;
    // Opens port `index` (0-5) at 9600 baud 8N1; an open port is closed first.
    virtual bool Open(int index) = 0;
    virtual bool IsOpen() const = 0;
    // Starts handing the chunks that arrive to `handler`; false when it cannot.
    virtual bool StartMonitoring(ChunkHandler handler) = 0;
    // Stops the monitoring and closes the port; nothing is handed over afterwards.
    virtual void Close() = 0;
};

}  // namespace lx
