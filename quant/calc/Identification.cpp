#include "quant/calc/Identification.h"

#include <cmath>

#include "quant/CPrjDoc.h"

namespace lx {
namespace {

int MatchingRow(const CPrjDoc& project, double T) {
    const auto& rows = project.m_Components;
    switch (project.m_IdentMode) {
        case kTimeBand:
        case kRelativeWindow:
            for (std::size_t row = 0; row < rows.size(); ++row) {
                const double t = rows[row].m_RetentionTime;
                const double w = std::fabs(rows[row].m_TimeWindow);
                const bool inside = project.m_IdentMode == kTimeBand
                                        ? (t - w <= T && T <= t + w)
                                        : (t * (1 - w) <= T && T <= t * (1 + w));
                if (inside)
                    return static_cast<int>(row);
            }
            return -1;
        case kNearest: {
            int best = -1;
            double bestDistance = 9999.99;
            for (std::size_t row = 0; row < rows.size(); ++row) {
                const double d = std::fabs(T - rows[row].m_RetentionTime);
                if (d < bestDistance) {
                    best = static_cast<int>(row);
                    bestDistance = d;
                }
            }
            return best;
        }
        default:
            return -1;
    }
}

}  // namespace

void IdentifyPeaks(CTzLabDoc& doc, const CPrjDoc& project) {
    for (PeakRecord& p : doc.m_Peaks) {
        p.m_Component = -1;
        p.m_ComponentName.clear();
    }
    for (std::size_t k = 0; k < doc.m_Peaks.size(); ++k) {
        PeakRecord& p = doc.m_Peaks[k];
        const int row = project.m_IdentMode == kElutionOrder
                            ? (k < project.m_Components.size() ? static_cast<int>(k) : -1)
                            : MatchingRow(project, p.m_ApexTime);
        if (row < 0)
            continue;
        p.m_Component = project.m_Components[static_cast<std::size_t>(row)].m_Id;
        p.m_ComponentName = project.m_Components[static_cast<std::size_t>(row)].m_Name;
    }
}

}  // namespace lx
