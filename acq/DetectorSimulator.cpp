#include "acq/DetectorSimulator.h"

#include <algorithm>
#include <cmath>

#include "acq/DetectorFrames.h"

namespace lx {
namespace {

constexpr std::int64_t kHalf = std::int64_t{1} << 23;

std::uint32_t RawOfCount(std::int64_t count) {
    count = std::clamp(count, -kHalf, kHalf);
    return static_cast<std::uint32_t>(count >= 0 ? count + kHalf - 1 : count + kHalf);
}

}  // namespace

std::vector<std::uint8_t> EncodeFrame(int channel, std::int32_t value, std::uint8_t rangeCode,
                                      bool start) {
    const double scale = 2500000.0 / 8388608.0 / static_cast<double>(1 << (rangeCode - 0xE1));
    // The nearest count, then the neighbour whose truncated value is exactly `value`.
    const auto nearest = static_cast<std::int64_t>(std::llround(value / scale));
    std::uint32_t raw = RawOfCount(nearest);
    for (std::int64_t c = nearest - 2; c <= nearest + 2; ++c)
        if (FrameValue(RawOfCount(c), rangeCode) == value) {
            raw = RawOfCount(c);
            break;
        }
    return {channel == 1 ? kMarkerB : kMarkerA,
            static_cast<std::uint8_t>(start ? 0xFA : 0x00),
            static_cast<std::uint8_t>(raw & 0x3F),
            static_cast<std::uint8_t>((raw >> 6) & 0x3F),
            static_cast<std::uint8_t>((raw >> 12) & 0x3F),
            static_cast<std::uint8_t>((raw >> 18) & 0x3F),
            rangeCode};
}

}  // namespace lx
