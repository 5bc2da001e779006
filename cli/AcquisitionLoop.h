#pragma once
// The command line's host for the receiver: its timers and the chunks of the serial line, on
// one thread. On the simulated clock time jumps to the next timer at once, so a ten-minute
// demo run takes a moment; on the real clock the loop waits for the line and the timers.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <span>
#include <vector>

#include "acq/CDatReceiver.h"

namespace lx::cli {

class AcquisitionLoop : public ReceiverHost {
public:
    explicit AcquisitionLoop(bool simulatedClock) : m_Simulated(simulatedClock) {}

    void StartTimer(int id, int periodMs) override;
    void StopTimer(int id) override;

    // On the link's monitoring thread: the chunk waits for the loop, which hands it to the
    // receiver it runs.
    void PostChunk(std::span<const std::uint8_t> bytes, CDatReceiver& receiver) override;
    bool Simulated() const { return m_Simulated; }

    // Hands chunks and timer ticks to `receiver` until `done` says so. `tick` runs about once a
    // second of the loop's time (progress).
    void Run(CDatReceiver& receiver, const std::function<bool()>& done,
             const std::function<void()>& tick);

private:
    using Clock = std::chrono::steady_clock;
    struct Timer {
        std::int64_t periodMs = 0;
        std::int64_t dueMs = 0;
    };

    std::int64_t NowMs() const;
    // Fires every timer that is due; returns the time of the next one, or -1 without timers.
    std::int64_t FireDueTimers(CDatReceiver& receiver);
    // Waits (really) for a chunk until `untilMs` at the latest; then hands over what came.
    void DeliverChunks(CDatReceiver& receiver, std::int64_t untilMs);

    bool m_Simulated;
    std::int64_t m_SimulatedMs = 0;
    Clock::time_point m_Start = Clock::now();
    std::map<int, Timer> m_Timers;

    std::mutex m_Mutex;
    std::condition_variable m_Arrived;
    std::deque<std::vector<std::uint8_t>> m_Chunks;
    std::size_t m_QueuedBytes = 0;
};

}  // namespace lx::cli
