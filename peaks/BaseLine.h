#pragma once
// A straight baseline segment as integration evaluates it: y0 + trunc((x - x0) * slope), with
// the slope a floating quotient of integer differences.

#include <cstdint>

#include "core/Numeric.h"

namespace lx {

struct BaseLine {
    std::int32_t x0 = 0;
    std::int32_t y0 = 0;
    double slope = 0.0;

    // A segment whose ends share an index has no slope; it is taken as level at y0 rather than
    // dividing by zero.
    static BaseLine Through(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
        const std::int64_t dx = static_cast<std::int64_t>(x1) - x0;
        const double slope = dx != 0 ? static_cast<double>(static_cast<std::int64_t>(y1) - y0) /
                                           static_cast<double>(dx)
                                     : 0.0;
        return {x0, y0, slope};
    }

    std::int32_t At(std::int32_t x) const {
        const double dx = static_cast<double>(static_cast<std::int64_t>(x) - x0);
        return SaturateToInt(static_cast<std::int64_t>(y0) + TruncToInt(dx * slope));
    }
};

}  // namespace lx
