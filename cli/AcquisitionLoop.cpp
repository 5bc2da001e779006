#include "cli/AcquisitionLoop.h"

#include <algorithm>

namespace lx::cli {
namespace {

// How long the real-clock loop sleeps at most, so an interrupt or the end of a run is seen
// soon even on a silent line without timers.
constexpr std::int64_t kLongestWaitMs = 100;
constexpr std::int64_t kTickMs = 1000;
// The line brings 960 bytes a second; a backlog this size only builds up when the loop has
// stalled, and is not allowed to grow without bound then.
constexpr std::size_t kMaxQueuedBytes = 1 << 20;

}  // namespace

void AcquisitionLoop::StartTimer(int id, int periodMs) {
    m_Timers[id] = {periodMs, NowMs() + periodMs};
}

void AcquisitionLoop::StopTimer(int id) {
    m_Timers.erase(id);
}

std::int64_t AcquisitionLoop::NowMs() const {
    if (m_Simulated)
        return m_SimulatedMs;
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - m_Start).count();
}

void AcquisitionLoop::PostChunk(std::span<const std::uint8_t> bytes, CDatReceiver&) {
    {
        std::lock_guard lock(m_Mutex);
        if (m_QueuedBytes + bytes.size() > kMaxQueuedBytes)
            return;
        m_Chunks.emplace_back(bytes.begin(), bytes.end());
        m_QueuedBytes += bytes.size();
    }
    m_Arrived.notify_one();
}

std::int64_t AcquisitionLoop::FireDueTimers(CDatReceiver& receiver) {
    const std::int64_t now = NowMs();
    std::vector<int> due;
    for (const auto& [id, timer] : m_Timers)
        if (timer.dueMs <= now)
            due.push_back(id);
    for (int id : due) {
        auto it = m_Timers.find(id);
        if (it == m_Timers.end())
            continue;  // stopped by an earlier tick
        it->second.dueMs += it->second.periodMs;
        receiver.OnTimer(id);
    }
    std::int64_t next = -1;
    for (const auto& [id, timer] : m_Timers)
        next = next < 0 ? timer.dueMs : std::min(next, timer.dueMs);
    return next;
}

void AcquisitionLoop::DeliverChunks(CDatReceiver& receiver, std::int64_t untilMs) {
    std::deque<std::vector<std::uint8_t>> chunks;
    {
        std::unique_lock lock(m_Mutex);
        if (!m_Simulated && m_Chunks.empty()) {
            const auto wait = std::max<std::int64_t>(0, untilMs - NowMs());
            m_Arrived.wait_for(lock, std::chrono::milliseconds(wait),
                               [&] { return !m_Chunks.empty(); });
        }
        chunks.swap(m_Chunks);
        m_QueuedBytes = 0;
    }
    for (const auto& chunk : chunks)
        receiver.OnChunk(chunk);
}

void AcquisitionLoop::Run(CDatReceiver& receiver, const std::function<bool()>& done,
                          const std::function<void()>& tick) {
    std::int64_t nextTick = NowMs() + kTickMs;
    while (!done()) {
        const std::int64_t nextTimer = FireDueTimers(receiver);
        if (NowMs() >= nextTick) {
            tick();
            nextTick += kTickMs;
        }
        if (done())
            break;
        const std::int64_t limit = NowMs() + kLongestWaitMs;
        const std::int64_t until = nextTimer < 0 ? limit : std::min(nextTimer, limit);
        DeliverChunks(receiver, until);
        if (m_Simulated)
            m_SimulatedMs = std::max(m_SimulatedMs, until);
    }
}

}  // namespace lx::cli
