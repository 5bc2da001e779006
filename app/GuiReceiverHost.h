#pragma once
// The receiver's host in the desktop: its timers are Qt timers on the window thread, and the
// chunks the serial link reads on its monitoring thread are passed to that thread.

#include <QObject>
#include <QTimer>

#include <map>
#include <memory>

#include "acq/CDatReceiver.h"

namespace lx {

class GuiReceiverHost : public QObject, public ReceiverHost {
    Q_OBJECT
public:
    using QObject::QObject;
    // The receiver its timers and chunks go to; null before the receiver goes.
    void SetReceiver(CDatReceiver* receiver) { m_Receiver = receiver; }

    void StartTimer(int id, int periodMs) override;
    void StopTimer(int id) override;
    // The chunk is copied and queued to the window thread. Queued, not blocking: closing the
    // port joins the monitoring thread from the window thread, which must never wait for a
    // thread that waits for it.
    void PostChunk(std::span<const std::uint8_t> bytes, CDatReceiver& receiver) override;

private:
    CDatReceiver* m_Receiver = nullptr;
    std::map<int, std::unique_ptr<QTimer>> m_Timers;
};

}  // namespace lx
