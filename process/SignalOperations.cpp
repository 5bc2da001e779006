#include "process/SignalOperations.h"

#include <algorithm>

#include "core/Numeric.h"

namespace lx {

Samples FlipSamples(std::span<const std::int32_t> s) {
    Samples r(s.size());
    for (std::size_t i = 0; i < s.size(); ++i)
        r[i] = SaturateToInt(2 * std::int64_t{s[0]} - s[i]);
    return r;
}

Samples SmoothSamples(std::span<const std::int32_t> s, std::int32_t width) {
    Samples r(s.begin(), s.end());
    const std::size_t n = s.size();
    if (width <= 1 || n == 0)
        return r;
    const std::size_t w = std::min(static_cast<std::size_t>(width), n);
    const std::size_t h = w / 2;
    // A window of full-scale samples passes 2^31 from about 860 samples on: the sum is kept in
    // 64 bits (it cannot pass 2^63 for any window of 32-bit samples), and the mean always
    // fits a sample again.
    std::int64_t sum = 0;
    for (std::size_t i = 0; i < w; ++i)
        sum += s[i];
    const auto divisor = static_cast<std::int64_t>(w);
    for (std::size_t i = w; i < n; ++i) {
        r[i - h] = static_cast<std::int32_t>(sum / divisor);
        sum += std::int64_t{s[i]} - s[i - w];
    }
    for (std::size_t k = n - h; k < n; ++k)
        r[k] = static_cast<std::int32_t>(sum / divisor);
    return r;
}

Samples DerivativeSamples(std::span<const std::int32_t> s, std::int32_t rate) {
    Samples r(s.size());
    if (s.empty())
        return r;
    for (std::size_t i = 0; i + 1 < s.size(); ++i)
        r[i] = SaturateToInt((std::int64_t{s[i + 1]} - s[i]) * rate + s[0]);
    r.back() = s.size() == 1 ? s[0] : r[s.size() - 2];
    return r;
}

Samples AddSamples(std::span<const std::int32_t> a, std::span<const std::int32_t> b) {
    Samples r(std::min(a.size(), b.size()));
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = SaturateToInt(std::int64_t{a[i]} - a[0] + b[i]);
    return r;
}

Samples SubtractSamples(std::span<const std::int32_t> a, std::span<const std::int32_t> b) {
    Samples r(std::min(a.size(), b.size()));
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = SaturateToInt(std::int64_t{a[i]} - b[i] + a[0]);
    return r;
}

LevelRange RangeOf(std::span<const std::int32_t> s, std::int32_t flatMargin) {
    std::int32_t max = 0, min = 0;
    if (!s.empty()) {
        const auto [lo, hi] = std::minmax_element(s.begin(), s.end());
        min = *lo;
        max = *hi;
    }
    const std::int64_t margin =
        max == min ? flatMargin : TruncToInt((double(max) - double(min)) * 0.05);
    return {SaturateToInt(max + margin), SaturateToInt(min - margin)};
}

}  // namespace lx
