#include "acq/DetectorFrames.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/Numeric.h"

namespace lx {
namespace {

constexpr std::uint32_t kZeroCount = (1u << 23) - 1;  // the raw value of a zero signal

bool IsDataByte(std::uint8_t b) {
    return (b & 0xC0) == 0;
}

}  // namespace

std::int32_t FrameValue(std::uint32_t raw, std::uint8_t rangeCode) {
    // R = 2^23 - 1 is zero and no raw value gives -1: the count is R - (2^23 - 1) at and above
    // it, R - 2^23 below.
    const std::int64_t count =
        raw >= kZeroCount ? std::int64_t{raw} - kZeroCount : std::int64_t{raw} - (1 << 23);
    // 2,500,000 uV / 2^23 per count at 0xE1, half of it at each further step: exact in double.
    const double scale = 2500000.0 / 8388608.0 / static_cast<double>(1 << (rangeCode - 0xE1));
    const std::int32_t v = TruncToInt(static_cast<double>(count) * scale);
    return std::clamp(v, -kFullScale, kFullScale);
}

DetectorDecoder::DetectorDecoder(DecoderSettings settings, Delivery deliver)
    : m_Settings(settings), m_Deliver(std::move(deliver)) {
    m_Settings.holdLength = std::min(m_Settings.holdLength, kMaxHoldLength);
}

void DetectorDecoder::Feed(std::span<const std::uint8_t> bytes) {
    for (const std::uint8_t b : bytes) {
        if (b == kMarkerA || b == kMarkerB) {  // a marker restarts the frame
            m_Frame[0] = b;
            m_FrameIndex = 1;
            continue;
        }
        if (m_FrameIndex == 0)
            continue;  // outside a frame
        m_Frame[static_cast<std::size_t>(m_FrameIndex++)] = b;
        if (m_FrameIndex == kFrameSize) {
            m_FrameIndex = 0;
            CompleteFrame();
        }
    }
}

void DetectorDecoder::CompleteFrame() {
    const int channel = m_Frame[0] == kMarkerB ? 1 : 0;
    Channel& c = m_Channels[static_cast<std::size_t>(channel)];
    c.startFlag = m_Frame[1] == 0xFA || m_Frame[1] == 0xFB;
    const std::uint8_t range = m_Frame[6];
    if (!std::all_of(m_Frame.begin() + 2, m_Frame.begin() + 6, IsDataByte) || range < 0xE1 ||
        range > 0xE7)
        return;
    const std::uint32_t raw = m_Frame[2] | (std::uint32_t{m_Frame[3]} << 6) |
                              (std::uint32_t{m_Frame[4]} << 12) | (std::uint32_t{m_Frame[5]} << 18);
    const std::int32_t value = FrameValue(raw, range);
    if (++c.decimation < 3)
        return;
    c.decimation -= m_Settings.frequency == 20 ? 1 : 2;
    if (c.warmUp < 5 && ++c.warmUp < 5)
        return;
    HandleRange(channel, value, range);
}

void DetectorDecoder::HandleRange(int channel, std::int32_t value, std::uint8_t range) {
    Channel& c = m_Channels[static_cast<std::size_t>(channel)];
    if (c.lastRange == 0xFF)
        c.lastRange = range;
    bool passThrough = false;
    if (range != c.lastRange) {
        // More held values than the hold length can only come from a length of 0 (they are
        // dropped below); the slot is reused rather than written past the end.
        c.heldCount = std::min(c.heldCount + 1, kMaxHoldLength);
        c.held[static_cast<std::size_t>(c.heldCount)] = {value, c.startFlag};
    } else {
        passThrough = true;
        c.anchor = value;
    }
    const int n = m_Settings.holdLength;
    if (n >= 1 && c.heldCount >= n) {
        const std::int64_t step =
            (std::int64_t{c.held[static_cast<std::size_t>(n)].value} - c.anchor) / n;
        for (int i = 1; i <= n; ++i) {
            c.startFlag = c.held[static_cast<std::size_t>(i)].start;
            m_Deliver(channel, SaturateToInt(c.anchor + i * step), c.startFlag);
        }
        c.heldCount = 0;
        c.lastRange = range;
    } else if (n <= 0 && c.heldCount > 0) {
        c.heldCount = 0;  // the value at which the range changed is lost
        c.lastRange = range;
    }
    if (passThrough) {
        m_Deliver(channel, value, c.startFlag);
        c.heldCount = 0;
    }
}

}  // namespace lx
