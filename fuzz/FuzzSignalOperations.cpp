// Any samples, widths and rates given to the processing arithmetic: results of the promised
// lengths, nothing read outside the sources (the sanitizers watch), a flip that is the exact
// mirror (clipped at the 32-bit limit), and smoothed values that are means: never outside the
// smallest and largest sample.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/Numeric.h"
#include "process/SignalOperations.h"

namespace {

void Check(bool ok) {
    if (!ok)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8)
        return 0;
    std::int32_t width = 0, rate = 0;
    std::memcpy(&width, data, 4);
    std::memcpy(&rate, data + 4, 4);
    width %= 4096;  // wider only costs time: the window is clipped to the run
    const std::size_t n = (size - 8) / 4;
    std::vector<std::int32_t> s(n);
    if (n > 0)
        std::memcpy(s.data(), data + 8, n * 4);
    // The second signal for add and subtract: the first one's tail.
    const std::span<const std::int32_t> all(s), tail = all.subspan(n / 3);

    const std::vector<std::int32_t> flipped = lx::FlipSamples(all);
    Check(flipped.size() == n);
    for (std::size_t i = 0; i < n; ++i)
        Check(flipped[i] == lx::SaturateToInt(2 * std::int64_t{s[0]} - s[i]));
    const std::vector<std::int32_t> smoothed = lx::SmoothSamples(all, width);
    Check(smoothed.size() == n);
    if (n > 0) {
        const auto [lo, hi] = std::minmax_element(s.begin(), s.end());
        for (const std::int32_t v : smoothed)
            Check(v >= *lo && v <= *hi);
    }
    Check(lx::DerivativeSamples(all, rate).size() == n);
    Check(lx::AddSamples(all, tail).size() == tail.size());
    Check(lx::SubtractSamples(tail, all).size() == tail.size());
    const lx::LevelRange range = lx::RangeOf(all, 1200);
    Check(range.top >= range.bottom);
    return 0;
}
