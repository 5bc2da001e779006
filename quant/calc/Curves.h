#pragma once
// Calibration curves: least-squares lines through the calibration points, and their use to
// turn a response into an amount. Degenerate data are no error: they give zero coefficients,
// or indeterminate ones that the component table shows as "####".

#include <vector>

namespace lx {

class CPrjDoc;

struct CurvePoint {
    double x;  // amount side: concentration, concentration ratio or ln concentration
    double y;  // response side
};

struct CurveFit {
    double a = 0.0, b = 0.0, c = 0.0, r = 0.0;
};

// y = a x. r is Sxy / (sqrt(Syy) sqrt(Sxx)); all x = 0 gives indeterminate values.
CurveFit FitThroughOrigin(const std::vector<CurvePoint>& points);
// y = a x + b; zeros with fewer than two points or when every x is the same. r is the same
// uncentred form as the origin fit, not Pearson's.
CurveFit FitLine(const std::vector<CurvePoint>& points);

// Fits component `row` of the project by its curve type: a general line needs two points and
// falls back to (and becomes) a line through the origin with one; no points change nothing.
void FitComponent(CPrjDoc& project, int row, const std::vector<CurvePoint>& points);

// The amount for response y: 0 for a row outside the table or a = 0. Under calibrated
// normalization the curve runs the other way: a y + b (b when a = 0).
double EvaluateCurve(const CPrjDoc& project, int row, double y);

}  // namespace lx
