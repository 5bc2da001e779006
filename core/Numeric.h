#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace lx {

// Float to integer as the workstation converts: toward zero. Values from damaged files may be
// NaN or far out of range, which a plain cast would turn into undefined behaviour; those
// saturate (NaN gives 0) instead.
inline std::int32_t TruncToInt(double v) {
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (v <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

// The workstation does its sample arithmetic in 32-bit ints; a damaged or extreme signal makes
// it wrap there, and it wraps here the same way instead of being undefined.
inline std::int32_t WrapToInt32(std::int64_t v) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
}

inline std::int32_t SaturateToInt(std::int64_t v) {
    if (v > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

}  // namespace lx
