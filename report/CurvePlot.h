#pragma once
// The standard curve of one component as plain values: the range its plot shows, the segment
// that stands for the curve, and the ticks of its two axes. Nothing here draws, so the rules
// are checked without pixels; CurvePainter draws what these return.

#include <optional>
#include <string>
#include <vector>

#include "core/Language.h"
#include "quant/CPrjDoc.h"
#include "quant/calc/Curves.h"
#include "report/PlotAxes.h"

namespace lx {

namespace texts {
// The heading over the curve; the axis titles and the report block come with the engine's rows.
inline constexpr Text kCurveTitle{"标 准 曲 线", "Standard Curve"};
}  // namespace texts

// The amounts (x) and responses (y) the plot spans.
struct CurveRange {
    double xMin = 0.0;
    double xMax = 0.0;
    double yMin = 0.0;
    double yMax = 0.0;
    bool operator==(const CurveRange&) const = default;
};

// "自动匹配": from 0 to the largest level amount and mean response of component `row`, each
// x 1.2 (see StandardCurveRange). A row outside the table gives an empty range.
CurveRange AutoCurveRange(const CPrjDoc& project, int row);

// A range the plot can map: both spans finite and wider than nothing.
bool IsDrawable(const CurveRange& range);

// The curve's straight segment in amount and response units.
struct CurveSegment {
    CurvePoint from;  // at the bottom edge: (EvaluateCurve(yMin), yMin)
    CurvePoint to;    // (EvaluateCurve(yTop), yTop)
};

// From the bottom edge up to yTop, which starts at the top of the range and comes down in
// steps of 1.0 response until the segment ends inside the right edge (x <= xMax). Nothing
// when the row is outside the table, the coefficients are indeterminate, or no step brings
// the end inside before it reaches the bottom edge (a curve that leaves through the right
// edge below the range, or one whose amount grows as the response falls).
std::optional<CurveSegment> StandardCurveSegment(const CPrjDoc& project, int row,
                                                 const CurveRange& range);

// Tick labels: the amounts with "%1.5g", the responses with "%.2f". A value that is zero but
// for the rounding of a sum of steps is written as 0.
std::string CurveXLabel(double amount);
std::string CurveYLabel(double response);

enum class CurveAxis { Amount, Response };

// Ticks of one axis over [lo, hi] drawn `length` pixels long, positions measured from the low
// end (the left edge for amounts, the bottom edge for responses). The step follows the
// chromatogram axes' rounding family (SnapAxisStep): the snapped value gives 2.5 to 10 labelled
// ticks over the span, at least `labelExtent` pixels apart (a label's width on the amount
// axis, a few label heights on the response axis), and the half-steps between them carry the
// unlabelled minor ticks. Labelled ticks sit on the even multiples of the step, so 0 is always
// labelled when in view.
std::vector<AxisTick> CurveAxisTicks(double lo, double hi, int length, double labelExtent,
                                     CurveAxis axis);

}  // namespace lx
