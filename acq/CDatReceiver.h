#pragma once
// The acquisition receiver: one signal value per channel and sampling period, from the detector
// line or from the demo signal, handed to the channel that is open. The detector streams all
// the time; the channel decides whether to record (a run) or not, and a start signal carried
// in the frames can start a run on its own.
//
// Its host gives it time: timers by ID (the desktop uses Qt timers, the command line a loop on
// a real or simulated clock, tests a scripted one) and the chunks the link reads.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "acq/DetectorFrames.h"
#include "acq/SerialLink.h"
#include "core/Prompter.h"

namespace lx {

// What the receiver hands a value to: the document of an open channel window.
class ChannelTarget {
public:
    virtual ~ChannelTarget() = default;
    virtual bool IsRunning() const = 0;
    // A run started by the start signal of the detector.
    virtual void StartRun() = 0;
    // Every value of the channel; recorded only while running.
    virtual void AddPoint(std::int32_t value) = 0;
};

class CDatReceiver;

class ReceiverHost {
public:
    virtual ~ReceiverHost() = default;
    virtual void StartTimer(int id, int periodMs) = 0;
    virtual void StopTimer(int id) = 0;
    // A chunk the serial link read, on the link's monitoring thread: the host hands it to the
    // receiver's OnChunk on its own thread. Links that call on the host's thread (scripted
    // ones) need nothing more than the direct call.
    virtual void PostChunk(std::span<const std::uint8_t> bytes, CDatReceiver& receiver);
};

enum class AcquisitionSource { Demo = 0, Detector = 1 };

struct ReceiverSettings {
    AcquisitionSource source = AcquisitionSource::Detector;
    int port = 0;  // 0-5
    DecoderSettings decoder;
    // Where the demo signal "TzDemo" is looked for, in order.
    std::vector<std::string> demoPaths{"TzDemo"};
};

class CDatReceiver {
public:
    static constexpr int kSilenceTimer = 3000;  // 1200 ms after starting the detector source
    static constexpr int kDemoTimer = 3001;     // 50 ms: one demo value per channel
    static constexpr int kSilencePeriodMs = 1200;
    static constexpr int kDemoPeriodMs = 50;

    // `link` may be null when only the demo source is used.
    CDatReceiver(ReceiverSettings settings, SerialLink* link, ReceiverHost& host,
                 Prompter& prompter);
    ~CDatReceiver();

    // The channel's open window, or null when it is closed (its values are dropped).
    void SetChannel(int channel, ChannelTarget* target);

    // Starts the source; again after the port settings changed.
    void StartAcquisition();
    // The hand-over of a chunk from the link.
    void OnChunk(std::span<const std::uint8_t> bytes);
    void OnTimer(int id);
    void ClosePort();

    // Set whenever input was processed; cleared when the detector source is (re)started.
    bool Receiving() const { return m_Receiving; }

private:
    void StartDemo();
    void StartDetector();
    bool LoadDemo();
    void DemoStep();
    void Deliver(int channel, std::int32_t value, bool start);

    ReceiverSettings m_Settings;
    SerialLink* m_Link;
    ReceiverHost& m_Host;
    Prompter& m_Prompter;
    DetectorDecoder m_Decoder;
    std::array<ChannelTarget*, 2> m_Channels{};
    std::array<bool, 2> m_StartLatch{};
    bool m_Receiving = false;
    std::optional<std::vector<std::int32_t>> m_Demo;  // loaded once
    std::size_t m_PlayIndex = 0;
};

// Where the demo signal is looked for: the current folder, the application directory, then
// the data folder installed with the program (share/lx6600 next to its bin folder).
std::vector<std::string> DemoSignalPaths(const std::string& appDir);

// The values of a demo file: 32-bit little-endian microvolts, trailing bytes ignored. None
// when it cannot be read.
std::optional<std::vector<std::int32_t>> ReadDemoSignal(const std::string& path);

}  // namespace lx
