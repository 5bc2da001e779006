#include "quant/calc/Curves.h"

#include <cmath>

#include "quant/CPrjDoc.h"

namespace lx {
namespace {

struct Sums {
    double n = 0, x = 0, y = 0, xx = 0, xy = 0, yy = 0;
    explicit Sums(const std::vector<CurvePoint>& points) {
        for (const CurvePoint& p : points) {
            n += 1;
            x += p.x;
            y += p.y;
            xx += p.x * p.x;
            xy += p.x * p.y;
            yy += p.y * p.y;
        }
    }
    double UncentredR() const { return xy / (std::sqrt(yy) * std::sqrt(xx)); }
};

}  // namespace

CurveFit FitThroughOrigin(const std::vector<CurvePoint>& points) {
    const Sums s(points);
    CurveFit fit;
    fit.a = s.xy / s.xx;
    fit.r = s.UncentredR();
    return fit;
}

CurveFit FitLine(const std::vector<CurvePoint>& points) {
    CurveFit fit;
    if (points.size() < 2)
        return fit;
    const Sums s(points);
    const double D = s.n * s.xx - s.x * s.x;
    if (D == 0)
        return fit;
    fit.a = (s.n * s.xy - s.x * s.y) / D;
    fit.b = (s.y - fit.a * s.x) / s.n;
    fit.r = s.UncentredR();
    return fit;
}

void FitComponent(CPrjDoc& project, int row, const std::vector<CurvePoint>& points) {
    CComponentItem* component = project.ComponentAt(row);
    if (!component || points.empty())
        return;
    CComponentItem& c = *component;
    CurveFit fit;
    if (c.m_CurveType == CComponentItem::kThroughOrigin) {
        fit = FitThroughOrigin(points);
    } else if (c.m_CurveType == CComponentItem::kGeneralLine) {
        if (points.size() == 1)
            c.m_CurveType = CComponentItem::kThroughOrigin;
        fit = points.size() == 1 ? FitThroughOrigin(points) : FitLine(points);
    } else {
        return;
    }
    c.m_A = fit.a;
    c.m_B = fit.b;
    c.m_C = fit.c;
    c.m_R = fit.r;
}

double EvaluateCurve(const CPrjDoc& project, int row, double y) {
    const CComponentItem* component = project.ComponentAt(row);
    if (!component)
        return 0.0;
    const CComponentItem& c = *component;
    if (project.m_Method == kCalibratedNormalization)
        return c.m_A == 0 ? c.m_B : c.m_A * y + c.m_B;
    if (c.m_A == 0)
        return 0.0;
    switch (c.m_CurveType) {
        case CComponentItem::kThroughOrigin:
            return y / c.m_A;
        case CComponentItem::kGeneralLine:
            return (y - c.m_B) / c.m_A;
        default:
            return 0.0;
    }
}

}  // namespace lx
