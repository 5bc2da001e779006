#pragma once
// The detector's side of the line, for testing a cable, an adapter or a channel set-up without
// an instrument: signal values become the 7-byte frames the detector sends, so that the
// receiver gives back exactly these values.

#include <cstdint>
#include <vector>

namespace lx {

// The frame that carries `value` (uV) on `channel` (0 A, 1 B) at `rangeCode` (0xE1..0xE7),
// with the start signal when `start`. The count is the one that decodes to `value` itself
// (every range resolves below 1 uV); a value beyond the range's full scale is sent at it.
std::vector<std::uint8_t> EncodeFrame(int channel, std::int32_t value, std::uint8_t rangeCode,
                                      bool start);

}  // namespace lx
