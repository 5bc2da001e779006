#include "interchange/andi/AndiSignal.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

namespace lx {

std::optional<double> MicrovoltsPerUnit(std::string_view unit) {
    std::string u;
    for (char c : unit)
        if (c != ' ' && c != '\0')
            u += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    // The micro sign and the Greek mu both stand for micro.
    for (const char* micro : {"\xc2\xb5", "\xce\xbc"})
        if (u.rfind(micro, 0) == 0)
            u = "u" + u.substr(2);
    if (u == "uv" || u == "microvolt" || u == "microvolts")
        return 1.0;
    if (u == "mv" || u == "millivolt" || u == "millivolts")
        return 1e3;
    if (u == "v" || u == "volt" || u == "volts")
        return 1e6;
    if (u == "nv" || u == "nanovolt" || u == "nanovolts")
        return 1e-3;
    return std::nullopt;
}

double OrdinateScale(std::optional<std::string_view> unit, std::span<const double> values) {
    double largest = 0;
    for (double v : values)
        largest = std::max(largest, std::fabs(v));
    const std::optional<double> volts = unit ? MicrovoltsPerUnit(*unit) : std::nullopt;
    double scale = volts.value_or(1.0);
    if (!volts)
        for (int k = 0; k < 9 && largest > 0 && largest * scale * 10 <= kDetectorLimitMicrovolts;
             ++k)
            scale *= 10;
    for (int k = 0; k < 12 && largest * scale > kDetectorLimitMicrovolts; ++k)
        scale /= 10;
    return scale;
}

std::vector<std::int32_t> RoundToMicrovolts(std::span<const double> values, double scale) {
    std::vector<std::int32_t> samples(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double v = std::clamp(std::round(values[i] * scale), -kDetectorLimitMicrovolts,
                                    kDetectorLimitMicrovolts);
        samples[i] = static_cast<std::int32_t>(v);
    }
    return samples;
}

std::optional<int> WholeRate(double seconds) {
    if (!(seconds > 0) || !std::isfinite(seconds))
        return std::nullopt;
    const double rate = std::round(1.0 / seconds);
    // A float32 interval is within half a unit in its last place (6e-8) of the true one.
    if (rate < kMinRate || rate > kMaxRate || std::fabs(rate * seconds - 1.0) > 1e-6)
        return std::nullopt;
    return static_cast<int>(rate);
}

double ResampledCount(std::size_t count, double interval, int rate) {
    if (count == 0)
        return 0;
    // A tick that falls on the last value to within rounding still reads it.
    return std::floor(static_cast<double>(count - 1) * interval * rate + 1e-6) + 1;
}

std::vector<double> Resample(std::span<const double> values, double interval, int rate) {
    std::vector<double> out(
        static_cast<std::size_t>(ResampledCount(values.size(), interval, rate)));
    for (std::size_t j = 0; j < out.size(); ++j) {
        const double at = static_cast<double>(j) / rate / interval;  // in source points
        const std::size_t i = std::min(static_cast<std::size_t>(at), values.size() - 1);
        const double frac = std::clamp(at - static_cast<double>(i), 0.0, 1.0);
        out[j] = i + 1 < values.size() ? values[i] + (values[i + 1] - values[i]) * frac : values[i];
    }
    return out;
}

}  // namespace lx
