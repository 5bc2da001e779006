#include "quant/calc/Calibration.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "quant/CPrjDoc.h"
#include "quant/QuantTexts.h"
#include "quant/calc/Curves.h"

namespace lx {
namespace {

void RebuildRepeats(CPrjDoc& project) {
    for (std::int32_t level = 1; level <= project.m_LevelCount; ++level) {
        std::size_t repeats = 0;
        for (const CPrjFileRecord& f : project.m_Standards)
            repeats += f.m_Level == level;
        for (CComponentItem& c : project.m_Components)
            if (static_cast<std::int64_t>(c.m_Points.size()) >= level)
                c.m_Points[static_cast<std::size_t>(level - 1)].m_Repeats.assign(repeats,
                                                                                 CalRepeat{});
    }
    for (const CPrjFileRecord& f : project.m_Standards) {
        for (const PeakRecord& peak : f.m_Peaks) {
            if (peak.m_Component < 0)
                continue;
            const int row = project.FindComponent(peak.m_Component);
            if (row < 0)
                continue;
            auto& points = project.m_Components[static_cast<std::size_t>(row)].m_Points;
            if (f.m_Level < 1 || static_cast<std::int64_t>(points.size()) < f.m_Level)
                continue;
            auto& repeats = points[static_cast<std::size_t>(f.m_Level - 1)].m_Repeats;
            if (f.m_Repeat < 1 || static_cast<std::int64_t>(repeats.size()) < f.m_Repeat)
                continue;
            CalRepeat& r = repeats[static_cast<std::size_t>(f.m_Repeat - 1)];
            r.m_Area += peak.m_Area;
            r.m_Height += peak.m_Height;
        }
    }
}

// The points of the levels 1 .. level count that the component has.
std::size_t LevelsOf(const CPrjDoc& project, const CComponentItem& c) {
    return std::min(c.m_Points.size(), static_cast<std::size_t>(std::max(project.m_LevelCount, 0)));
}

// The message that stops calibration, or none.
const char* Validate(const CPrjDoc& project) {
    bool zeroResponse = false;
    bool zeroConcentration = false;
    for (const CComponentItem& c : project.m_Components)
        for (std::size_t k = 0; k < LevelsOf(project, c); ++k)
            for (const CalRepeat& r : c.m_Points[k].m_Repeats) {
                if (r.m_Height == 0 || r.m_Area == 0)
                    zeroResponse = true;
                else if (c.m_Points[k].m_Concentration <= 0)
                    zeroConcentration = true;
            }
    return zeroResponse        ? Tr(texts::kZeroResponse)
           : zeroConcentration ? Tr(texts::kZeroConcentration)
                               : nullptr;
}

// Sets every repeat's response factor to its response / `divisor` and returns the level's mean
// response.
double FactorsAndMean(const CPrjDoc& project, CCalPoint& level, double divisor) {
    double sum = 0.0;
    for (CalRepeat& r : level.m_Repeats) {
        const double resp = project.Response(r);
        r.m_Factor = resp / divisor;
        sum += resp;
    }
    return sum / static_cast<double>(level.m_Repeats.size());
}

// External standard and calibrated normalization: concentration against mean response.
std::vector<CurvePoint> ConcentrationPoints(CPrjDoc& project, CComponentItem& c) {
    std::vector<CurvePoint> points;
    for (std::size_t k = 0; k < LevelsOf(project, c); ++k) {
        CCalPoint& level = c.m_Points[k];
        const double C = level.m_Concentration;
        const double mean = FactorsAndMean(project, level, C);
        level.m_MeanResponse = mean;
        points.push_back({C, mean});
    }
    return points;
}

// Index method: the power law is a line between the logarithms.
std::vector<CurvePoint> IndexMethodPoints(CPrjDoc& project, CComponentItem& c) {
    std::vector<CurvePoint> points;
    for (std::size_t k = 0; k < LevelsOf(project, c); ++k) {
        CCalPoint& level = c.m_Points[k];
        const double lnC = std::log(level.m_Concentration);
        const double mean = FactorsAndMean(project, level, lnC);
        level.m_MeanResponse = std::log(mean);
        points.push_back({lnC, std::log(mean)});
    }
    return points;
}

// Internal standard: amount and response as ratios to the component's internal standard, level
// by level and repeat by repeat. An internal standard is its own reference (a = 1) and is not
// fitted; a component whose standard is gone keeps its coefficients.
std::optional<std::vector<CurvePoint>> InternalStandardPoints(CPrjDoc& project, CComponentItem& c) {
    if (c.m_IsInternalStandard) {
        c.m_A = 1.0;
        c.m_B = c.m_C = 0.0;
        return std::nullopt;
    }
    const int s = project.FindReference(c);
    if (s < 0)
        return std::nullopt;
    const CComponentItem& standard = project.m_Components[static_cast<std::size_t>(s)];
    std::vector<CurvePoint> points;
    for (std::size_t k = 0; k < LevelsOf(project, c) && k < standard.m_Points.size(); ++k) {
        CCalPoint& level = c.m_Points[k];
        const CCalPoint& reference = standard.m_Points[k];
        const double x = level.m_Concentration / reference.m_Concentration;
        double sum = 0.0, referenceSum = 0.0;
        for (std::size_t i = 0; i < level.m_Repeats.size(); ++i) {
            const double resp = project.Response(level.m_Repeats[i]);
            const double referenceResp =
                i < reference.m_Repeats.size() ? project.Response(reference.m_Repeats[i]) : 0.0;
            level.m_Repeats[i].m_Factor = (resp / referenceResp) / x;
            sum += resp;
            referenceSum += referenceResp;
        }
        const double n = static_cast<double>(level.m_Repeats.size());
        level.m_MeanResponse = (sum / n) / (referenceSum / n);
        points.push_back({x, level.m_MeanResponse});
    }
    return points;
}

// The fit points of one component by the project's method; none for a component that is not
// fitted, and for normalization and fingerprint projects, which have no curves.
std::optional<std::vector<CurvePoint>> CalibrationPoints(CPrjDoc& project, CComponentItem& c) {
    switch (project.m_Method) {
        case kInternalStandard:
            return InternalStandardPoints(project, c);
        case kExternalStandard:
        case kCalibratedNormalization:
            return ConcentrationPoints(project, c);
        case kIndexMethod:
            return IndexMethodPoints(project, c);
        default:
            return std::nullopt;
    }
}

}  // namespace

bool Calibrate(CPrjDoc& project, Prompter& prompter) {
    if (project.m_Components.empty()) {
        if (project.m_Method != kNormalization)
            prompter.Inform(Tr(texts::kEmptyComponentTable), Prompter::Icon::Warning);
        return false;
    }
    RebuildRepeats(project);
    if (const char* problem = Validate(project)) {
        prompter.Inform(problem, Prompter::Icon::Warning);
        return false;
    }
    for (std::size_t row = 0; row < project.m_Components.size(); ++row)
        if (auto points = CalibrationPoints(project, project.m_Components[row]))
            FitComponent(project, static_cast<int>(row), *points);
    project.m_Modified = true;
    return true;
}

}  // namespace lx
