#include "report/PlotAxes.h"

#include <algorithm>
#include <cmath>

#include "core/Format.h"
#include "report/PlotView.h"

namespace lx {
namespace {

// Sums of steps carry binary rounding (0.1 x 3 is not 0.3); a multiple that misses an end of
// the range by less than this still counts as inside, and a step this close to a whole number
// of 10^-k counts as one.
constexpr double kSlack = 1e-9;

// A tick on a multiple that should fall exactly on a pixel boundary may come out a hair short of
// it; this much of a pixel puts it where it belongs before truncation.
constexpr double kPixelSlack = 1e-6;

// No axis has more ticks than this, whatever a damaged range makes of the step: the rules give
// at most about twenty.
constexpr std::int64_t kMaxTicks = 1000;

std::int64_t Trunc64(double v) {
    if (!(std::fabs(v) < 9e18))
        return 0;
    return static_cast<std::int64_t>(v);
}

// First and last multiple of `step` inside [lo, hi].
void MultiplesInside(double lo, double hi, double step, std::int64_t& first, std::int64_t& last) {
    first = Trunc64(std::ceil(lo / step - kSlack));
    last = Trunc64(std::floor(hi / step + kSlack));
    last = std::min(last, first + kMaxTicks - 1);
}

}  // namespace

double SnapAxisStep(std::int64_t r, std::int64_t m) {
    r = std::max<std::int64_t>(r, 1);
    std::int64_t p = 1;
    while (p <= r / 10)
        p *= 10;
    std::int64_t v = r / p * p;
    v = std::max(v, m / p * p);
    for (double decade = double(p);; decade *= 10)
        for (double f : {2.5, 5.0, 7.5, 10.0})
            if (f * decade > double(v))
                return f * decade;
}

void TimeAxisRange(double& timeMin, double& timeMax) {
    if (timeMax - timeMin < 0.0009) {
        timeMin -= 0.00045;
        timeMax += 0.00045;
    }
}

double TimeAxisStep(double timeMin, double timeMax, int width, double textWidth) {
    const double range = timeMax - timeMin;
    const std::int64_t r = Trunc64(range * 100);  // hundredths of a minute
    // The width of one label in thousandths of a minute: labels (every second tick) are never
    // closer than that.
    const std::int64_t m = width > 0 ? Trunc64(range / width * textWidth * 1000) : 0;
    if (r < 1)
        return std::max(double(Trunc64(range * 1000)) * 0.0001, 0.0001);
    // r / 2 in whole thousandths would leave a range of 0.01 minutes without a step at all.
    if (r < 10)
        return r / 2.0 * 0.001;
    return SnapAxisStep(r, m) / 2 * 0.001;
}

int TimeLabelDecimals(double step) {
    for (int k = 0; k <= 5; ++k) {
        const double v = 2 * step * std::pow(10.0, k);
        if (std::fabs(v - std::round(v)) < 1e-6)
            return k;
    }
    return 5;
}

std::vector<AxisTick> TimeAxisTicks(double timeMin, double timeMax, int width, double textWidth) {
    std::vector<AxisTick> ticks;
    TimeAxisRange(timeMin, timeMax);
    const double range = timeMax - timeMin;
    if (width <= 0 || !(range > 0))
        return ticks;
    const double step = TimeAxisStep(timeMin, timeMax, width, textWidth);
    const int decimals = TimeLabelDecimals(step);
    std::int64_t first, last;
    MultiplesInside(timeMin, timeMax, step, first, last);
    for (std::int64_t n = first; n <= last; ++n) {
        AxisTick t;
        t.value = double(n) * step;
        t.pos = std::clamp(
            static_cast<int>(Trunc64((t.value - timeMin) * width / range + kPixelSlack)), 0, width);
        t.major = n % 2 == 0;
        if (t.major)
            t.label = Format("%.*f", decimals, t.value);
        ticks.push_back(std::move(t));
    }
    return ticks;
}

double SignalAxisStep(std::int32_t signalMin, std::int32_t signalMax, int height,
                      double textHeight) {
    const double lo = std::clamp(signalMin, -kSignalLimit, kSignalLimit);
    const double hi = std::clamp(signalMax, -kSignalLimit, kSignalLimit);
    const double range = hi - lo;
    const std::int64_t r = Trunc64(range * 0.1);
    // Six label heights between labelled ticks keep the labels well apart.
    const std::int64_t m = height > 0 ? Trunc64(range / height * textHeight * 6) : 0;
    return SnapAxisStep(r, m) / 2;
}

std::string SignalLabel(double units) {
    const double mv = units * 0.001;
    return std::fabs(mv) < 1e-8 ? "0" : Format("%g", mv);
}

std::vector<AxisTick> SignalAxisTicks(std::int32_t signalMin, std::int32_t signalMax, int height,
                                      double textHeight) {
    std::vector<AxisTick> ticks;
    const double lo = std::clamp(signalMin, -kSignalLimit, kSignalLimit);
    const double hi = std::clamp(signalMax, -kSignalLimit, kSignalLimit);
    if (height <= 0 || hi < lo)
        return ticks;
    const double step = SignalAxisStep(signalMin, signalMax, height, textHeight);
    // The trace's own mapping, so a tick sits on the pixel row of a sample of its value.
    const double unitsPerPixel = (hi - lo) / height;
    std::int64_t first, last;
    MultiplesInside(lo, hi, step, first, last);
    for (std::int64_t n = last; n >= first; --n) {
        AxisTick t;
        t.value = double(n) * step;
        t.pos = unitsPerPixel > 0
                    ? static_cast<int>(Trunc64((hi - t.value) / unitsPerPixel + kPixelSlack))
                    : 0;
        const double top = t.pos - textHeight / 2;
        if (top < 0 || top + textHeight > height)
            continue;
        t.major = n % 2 == 0;
        if (t.major)
            t.label = SignalLabel(t.value);
        ticks.push_back(std::move(t));
    }
    return ticks;
}

}  // namespace lx
