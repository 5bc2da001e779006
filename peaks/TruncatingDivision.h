#pragma once
// Integer division toward zero by a divisor that stays the same for a long time, without a
// divide instruction: the detector takes a bunch mean for every bunch, and the divide would
// dominate the pass.
//
// n * (1/d), with the reciprocal nudged up by 2^-50, truncates to exactly n / d for every
// 32-bit n and every d >= 1: an exact multiple can no longer fall short of its integer, and the
// nudge stays far below the 1/d gap between any other quotient and the next integer.

#include <cstdint>

namespace lx {

inline double TruncatingReciprocal(std::int32_t d) {
    return 1.0 / d * (1.0 + 0x1p-50);
}

inline std::int32_t DivideTowardZero(std::int32_t n, double truncatingReciprocal) {
    return static_cast<std::int32_t>(static_cast<double>(n) * truncatingReciprocal);
}

}  // namespace lx
