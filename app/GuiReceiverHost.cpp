#include "app/GuiReceiverHost.h"

#include <QMetaObject>

#include <vector>

namespace lx {

void GuiReceiverHost::StartTimer(int id, int periodMs) {
    auto& timer = m_Timers[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        // Precise: a coarse timer may fire up to 5 % late, and the demo plays one value per tick.
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer.get(), &QTimer::timeout, this, [this, id] {
            if (m_Receiver)
                m_Receiver->OnTimer(id);
        });
    }
    timer->start(periodMs);
}

void GuiReceiverHost::StopTimer(int id) {
    if (auto found = m_Timers.find(id); found != m_Timers.end())
        found->second->stop();
}

void GuiReceiverHost::PostChunk(std::span<const std::uint8_t> bytes, CDatReceiver&) {
    // The receiver is looked up when the chunk arrives, not captured: one that has gone by then
    // (the window closing) is no longer there to take it.
    QMetaObject::invokeMethod(
        this,
        [this, chunk = std::vector<std::uint8_t>(bytes.begin(), bytes.end())] {
            if (m_Receiver)
                m_Receiver->OnChunk(chunk);
        },
        Qt::QueuedConnection);
}

}  // namespace lx
