#pragma once
// Where the ticks of the plot's two axes go and what their labels say. Pure arithmetic on the
// view ranges and a few text sizes, so it is checked without drawing anything; the painter only
// draws what these return.

#include <cstdint>
#include <string>
#include <vector>

namespace lx {

struct AxisTick {
    double value = 0.0;  // minutes, or signal units
    int pos = 0;         // pixels from the plot area's left (time) or top (signal) edge
    bool major = false;  // longer, and labelled
    std::string label;   // empty on minor ticks
};

// Rounds `r` down to a multiple of p, the power of ten of its leading digit, raises it to `m`
// rounded down the same way when that is larger, and returns the first of 2.5p, 5p, 7.5p, 10p
// above it. When the minimum has outgrown 10p the same four continue a decade up (25p, 50p,
// ...), so a very long label on a narrow axis still gets a step that fits. r below 1 counts as 1.
double SnapAxisStep(std::int64_t r, std::int64_t m);

// Step of the time axis, in minutes, for the visible range [timeMin, timeMax] (already widened
// when narrow, see TimeAxisRange) drawn `width` pixels wide, where the text "XXXXX.XXX" is
// `textWidth` pixels wide. Ranges of 10,000 minutes and more keep to the third rule.
double TimeAxisStep(double timeMin, double timeMax, int width, double textWidth);

// A time range narrower than 0.0009 minutes is widened by 0.00045 on each side for the axis.
void TimeAxisRange(double& timeMin, double& timeMax);

// The fewest decimals, 0 to 5, that write twice the step exactly: major ticks fall on
// multiples of twice the step.
int TimeLabelDecimals(double step);

// Ticks of the time axis in a plot area `width` pixels wide. Ticks sit on every multiple of the
// step inside the (widened) range; the multiples that are even are the major ones, so 0 and the
// multiples of twice the step are labelled whichever tick happens to be first in view.
std::vector<AxisTick> TimeAxisTicks(double timeMin, double timeMax, int width, double textWidth);

// Step of the signal axis in signal units, for the range clamped to +-2,500,000 and a plot area
// `height` pixels high whose label text is `textHeight` pixels high. Like the time axis the
// step is half the snapped value: with r a tenth of the range, the snapped value gives 2.5 to 10
// labelled ticks over the height, and the half-steps between them carry the minor ticks.
double SignalAxisStep(std::int32_t signalMin, std::int32_t signalMax, int height,
                      double textHeight);

// "%g" of the value in mV; a value whose magnitude is below 1e-8 is "0" (a sum of steps that
// should be zero is written as one).
std::string SignalLabel(double units);

// Ticks of the signal axis from the top down, positions measured from the plot area's top. Ticks
// start at the first multiple of the step at or above the clamped minimum; even multiples are
// major (so 0 mV is always labelled when in view). A tick is left out, minor ones too, when a
// label `textHeight` high centred on it would stick out of the plot area.
std::vector<AxisTick> SignalAxisTicks(std::int32_t signalMin, std::int32_t signalMax, int height,
                                      double textHeight);

}  // namespace lx
