#include "quant/calc/Quantitation.h"

#include <cmath>

#include "quant/CPrjDoc.h"
#include "quant/calc/Curves.h"

namespace lx {

void Quantify(CTzLabDoc& doc, const CPrjDoc& project) {
    const double scale = doc.m_Params.m_SampleVolume / doc.m_Params.m_SampleWeight;
    auto rowOf = [&](const PeakRecord& p) {
        return p.m_Component >= 0 ? project.FindComponent(p.m_Component) : -1;
    };
    switch (project.m_Method) {
        case kNormalization:
            for (PeakRecord& p : doc.m_Peaks)
                p.m_Content = p.m_AreaPercent * 0.01 * scale;
            break;
        case kExternalStandard:
        case kIndexMethod:
            for (PeakRecord& p : doc.m_Peaks) {
                const int row = rowOf(p);
                if (row < 0) {
                    p.m_Content = 0.0;
                } else if (project.m_Method == kExternalStandard) {
                    p.m_Content = EvaluateCurve(project, row, project.Response(p)) * scale;
                } else {
                    p.m_Content =
                        std::exp(EvaluateCurve(project, row, std::log(project.Response(p)))) *
                        scale;
                }
            }
            break;
        case kInternalStandard:
            for (PeakRecord& p : doc.m_Peaks) {
                const int row = rowOf(p);
                if (row < 0) {
                    p.m_Content = 0.0;
                    continue;
                }
                const CComponentItem& c = project.m_Components[static_cast<std::size_t>(row)];
                if (c.m_IsInternalStandard)
                    p.m_Content = 0.0;
                if (c.m_ReferenceIs < 0)
                    continue;
                const PeakRecord* reference = nullptr;
                for (const PeakRecord& q : doc.m_Peaks)
                    if (q.m_Component == c.m_ReferenceIs) {
                        reference = &q;
                        break;
                    }
                if (!reference)
                    continue;  // no peak of its standard: the content stays as it was
                // Which internal standard concentration: by how many internal standards the
                // table lists down to this one (area basis only).
                double Q = doc.m_Params.m_IsConc1;
                if (project.m_Basis == kAreaBasis) {
                    int standards = 0;
                    for (const CComponentItem& r : project.m_Components) {
                        standards += r.m_IsInternalStandard != 0;
                        if (r.m_Id == c.m_ReferenceIs)
                            break;
                    }
                    Q = standards == 2   ? doc.m_IsConc2
                        : standards == 3 ? doc.m_IsConc3
                                         : doc.m_Params.m_IsConc1;
                }
                const double ratio = project.Response(p) / project.Response(*reference);
                p.m_Content = EvaluateCurve(project, row, ratio) * scale * Q;
            }
            break;
        case kCalibratedNormalization: {
            double total = 0.0;
            for (PeakRecord& p : doc.m_Peaks) {
                if (p.m_Component < 0) {
                    total += project.Response(p);
                    continue;
                }
                for (std::size_t row = 0; row < project.m_Components.size(); ++row) {
                    if (project.m_Components[row].m_Id != p.m_Component)
                        continue;
                    const double corrected =
                        EvaluateCurve(project, static_cast<int>(row), project.Response(p));
                    (project.m_Basis == kHeightBasis ? p.m_Height : p.m_Area) = corrected;
                    total += corrected;
                }
            }
            for (PeakRecord& p : doc.m_Peaks) {
                p.m_AreaPercent = project.Response(p) / total * 100;
                p.m_Content = p.m_AreaPercent * 0.01 * scale;
            }
            break;
        }
        default:  // fingerprint: contents are not computed
            break;
    }
}

}  // namespace lx
