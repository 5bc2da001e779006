#include "report/CurvePlot.h"

#include <algorithm>
#include <cmath>

#include "core/Format.h"
#include "quant/views/CalibrationRows.h"

namespace lx {
namespace {

// Sums of steps carry binary rounding; a multiple this close to an end of the range is inside.
constexpr double kSlack = 1e-9;
// No axis gets more ticks than this, whatever a damaged range makes of the step.
constexpr double kMaxTicks = 1000;

bool Finite(const CurvePoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

}  // namespace

CurveRange AutoCurveRange(const CPrjDoc& project, int row) {
    const CurvePlotRange r = StandardCurveRange(project, row);
    return {0.0, r.xMax, 0.0, r.yMax};
}

bool IsDrawable(const CurveRange& r) {
    return std::isfinite(r.xMin) && std::isfinite(r.xMax) && std::isfinite(r.yMin) &&
           std::isfinite(r.yMax) && r.xMax > r.xMin && r.yMax > r.yMin;
}

std::optional<CurveSegment> StandardCurveSegment(const CPrjDoc& project, int row,
                                                 const CurveRange& range) {
    if (!project.ComponentAt(row) || !IsDrawable(range))
        return std::nullopt;
    const auto amount = [&](double y) { return EvaluateCurve(project, row, y); };
    const CurvePoint from{amount(range.yMin), range.yMin};
    const double top = range.yMax;
    const double excess = amount(top) - range.xMax;
    if (!Finite(from) || !std::isfinite(excess))
        return std::nullopt;
    // The curve is a line, so the number of 1.0 steps that bring its end inside is known at
    // once; the two loops only settle the rounding of that division, a step either way.
    double steps = 0;
    if (excess > 0) {
        const double perStep = amount(top) - amount(top - 1.0);
        if (!(perStep > 0))
            return std::nullopt;
        steps = std::ceil(excess / perStep);
        while (steps > 0 && amount(top - (steps - 1)) <= range.xMax)
            steps -= 1;
        while (amount(top - steps) > range.xMax && top - steps > range.yMin)
            steps += 1;
    }
    const double yTop = top - steps;
    if (!(yTop > range.yMin))
        return std::nullopt;
    return CurveSegment{from, {amount(yTop), yTop}};
}

std::string CurveXLabel(double amount) {
    return Format("%1.5g", amount);
}

std::string CurveYLabel(double response) {
    return Format("%.2f", response);
}

std::vector<AxisTick> CurveAxisTicks(double lo, double hi, int length, double labelExtent,
                                     CurveAxis axis) {
    std::vector<AxisTick> ticks;
    const double span = hi - lo;
    if (length <= 0 || !std::isfinite(span) || !(span > 0))
        return ticks;
    // The span written with two significant digits (10 to 99 units of `unit`), so the
    // chromatogram axes' snapping on whole numbers applies to any span; the snapped value is
    // then ten times the labelled step in those units.
    const double unit = std::pow(10.0, std::floor(std::log10(span)) - 1);
    const auto r = static_cast<std::int64_t>(span / unit);
    const auto m =
        static_cast<std::int64_t>(std::min(span / length * labelExtent / unit * 10, 1e15));
    const double step = SnapAxisStep(r, m) * unit / 20;
    const double first = std::ceil(lo / step - kSlack);
    const double last = std::min(std::floor(hi / step + kSlack), first + kMaxTicks - 1);
    for (double n = first; n <= last; n += 1) {
        AxisTick t;
        t.value = n * step;
        if (std::fabs(t.value) < step * 1e-6)
            t.value = 0.0;
        t.pos =
            std::clamp(static_cast<int>(std::lround((t.value - lo) / span * length)), 0, length);
        t.major = std::fmod(n, 2.0) == 0.0;
        if (t.major)
            t.label = axis == CurveAxis::Amount ? CurveXLabel(t.value) : CurveYLabel(t.value);
        ticks.push_back(std::move(t));
    }
    return ticks;
}

}  // namespace lx
