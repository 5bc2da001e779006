#pragma once
// The detector's byte stream turned into one value per channel and sampling period.
//
// A frame is 7 bytes: a channel marker (0xF1 channel A, 0xF2 channel B; any marker byte starts
// a new frame), a status byte (0xFA or 0xFB: start signal), four data bytes of six bits each
// (least significant first; bits 6 and 7 must be clear) and a range code 0xE1..0xE7. The raw
// 24-bit value becomes a signed count around 2^23 and microvolts by the range's scale (2.5 V
// full scale at 0xE1, halving at each step), truncated toward zero and clamped to +-2.5 V.
//
// Every frame-complete channel value then passes decimation (every second frame at 10 values
// per second, every frame at 20, both from the third), a warm-up that drops the first four
// values of each channel, and the range handling that bridges a range switch of the detector
// with a straight line over N held values.
//
// A pure function of the bytes fed: the same bytes give the same values however they are split
// into chunks. No allocation after construction.

#include <array>
#include <cstdint>
#include <functional>
#include <span>

namespace lx {

inline constexpr std::uint8_t kMarkerA = 0xF1;
inline constexpr std::uint8_t kMarkerB = 0xF2;
inline constexpr int kFrameSize = 7;
inline constexpr int kMaxHoldLength = 15;
inline constexpr std::int32_t kFullScale = 2500000;  // uV

// The value of a frame's data bytes 2..5 at `rangeCode` (0xE1..0xE7), in uV.
std::int32_t FrameValue(std::uint32_t raw, std::uint8_t rangeCode);

struct DecoderSettings {
    int frequency = 20;  // values per second: 20, or 10 for any other value
    int holdLength = 0;  // N, 0..15: held values that bridge a range switch (above 15 is 15)
};

class DetectorDecoder {
public:
    // channel 0 = A, 1 = B; `start`: the start signal that came with the value.
    using Delivery = std::function<void(int channel, std::int32_t value, bool start)>;

    DetectorDecoder(DecoderSettings settings, Delivery deliver);

    // Bytes as they come off the line, in any chunks.
    void Feed(std::span<const std::uint8_t> bytes);

private:
    struct Held {
        std::int32_t value = 0;
        bool start = false;
    };
    struct Channel {
        std::uint8_t lastRange = 0xFF;  // none yet
        int decimation = 0;
        int warmUp = 0;
        std::int32_t anchor = 0;  // the last value passed through at the old range
        std::array<Held, kMaxHoldLength + 1> held{};  // entries 1..N
        int heldCount = 0;
        bool startFlag = false;
    };

    void CompleteFrame();
    void HandleRange(int channel, std::int32_t value, std::uint8_t range);

    DecoderSettings m_Settings;
    Delivery m_Deliver;
    std::array<std::uint8_t, kFrameSize> m_Frame{};
    int m_FrameIndex = 0;  // 0: no marker seen yet
    std::array<Channel, 2> m_Channels{};
};

}  // namespace lx
