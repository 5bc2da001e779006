#include "quant/calc/Quantitation.h"

#include <cmath>

#include "quant/CPrjDoc.h"
#include "quant/calc/Curves.h"

namespace lx {
namespace {

// What every method scales an amount by: the sample volume over the sample weight.
double VolumeOverWeight(const CTzLabDoc& doc) {
    return doc.m_Params.m_SampleVolume / doc.m_Params.m_SampleWeight;
}

// The row of the peak's component, or -1 for an unidentified peak or a component that is gone.
int RowOf(const CPrjDoc& project, const PeakRecord& p) {
    return p.m_Component >= 0 ? project.FindComponent(p.m_Component) : -1;
}

// Every peak's share of the total area, with either basis.
void QuantifyNormalization(CTzLabDoc& doc) {
    const double scale = VolumeOverWeight(doc);
    for (PeakRecord& p : doc.m_Peaks)
        p.m_Content = p.m_AreaPercent * 0.01 * scale;
}

// The amount its component's curve gives for the response.
void QuantifyExternalStandard(CTzLabDoc& doc, const CPrjDoc& project) {
    const double scale = VolumeOverWeight(doc);
    for (PeakRecord& p : doc.m_Peaks) {
        const int row = RowOf(project, p);
        p.m_Content = row < 0 ? 0.0 : EvaluateCurve(project, row, project.Response(p)) * scale;
    }
}

// The power law: the curve runs between the logarithms of amount and response.
void QuantifyIndexMethod(CTzLabDoc& doc, const CPrjDoc& project) {
    const double scale = VolumeOverWeight(doc);
    for (PeakRecord& p : doc.m_Peaks) {
        const int row = RowOf(project, p);
        p.m_Content =
            row < 0 ? 0.0
                    : std::exp(EvaluateCurve(project, row, std::log(project.Response(p)))) * scale;
    }
}

// Which of the chromatogram's internal standard concentrations goes with standard `id`: on the
// area basis the count of internal standards the table lists down to it picks the 1st, 2nd or
// 3rd (any other count the 1st); on the height basis always the 1st.
double InternalStandardConcentration(const CTzLabDoc& doc, const CPrjDoc& project,
                                     std::int32_t id) {
    if (project.m_Basis != kAreaBasis)
        return doc.m_Params.m_IsConc1;
    int standards = 0;
    for (const CComponentItem& r : project.m_Components) {
        standards += r.m_IsInternalStandard != 0;
        if (r.m_Id == id)
            break;
    }
    return standards == 2 ? doc.m_IsConc2 : standards == 3 ? doc.m_IsConc3 : doc.m_Params.m_IsConc1;
}

// The response ratio to the peak of the component's internal standard, through the curve, times
// that standard's concentration. Internal standards themselves get 0; a peak whose standard has
// no peak in this chromatogram keeps the content it had.
void QuantifyInternalStandard(CTzLabDoc& doc, const CPrjDoc& project) {
    const double scale = VolumeOverWeight(doc);
    for (PeakRecord& p : doc.m_Peaks) {
        const int row = RowOf(project, p);
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
            continue;
        const double ratio = project.Response(p) / project.Response(*reference);
        p.m_Content = EvaluateCurve(project, row, ratio) * scale *
                      InternalStandardConcentration(doc, project, c.m_ReferenceIs);
    }
}

// Every identified response is corrected through its component's curve (rewriting the peak's
// area or height), then the peaks share the corrected total as under normalization.
void QuantifyCalibratedNormalization(CTzLabDoc& doc, const CPrjDoc& project) {
    const double scale = VolumeOverWeight(doc);
    double total = 0.0;
    for (PeakRecord& p : doc.m_Peaks) {
        if (p.m_Component < 0) {
            total += project.Response(p);
            continue;
        }
        // Each row with the peak's ID corrects it in turn: a table that repeats an ID (only a
        // damaged file has one) corrects it twice, as the workstation's does.
        for (std::size_t row = 0; row < project.m_Components.size(); ++row) {
            if (project.m_Components[row].m_Id != p.m_Component)
                continue;
            const double corrected =
                EvaluateCurve(project, static_cast<int>(row), project.Response(p));
            project.Response(p) = corrected;
            total += corrected;
        }
    }
    for (PeakRecord& p : doc.m_Peaks) {
        p.m_AreaPercent = project.Response(p) / total * 100;
        p.m_Content = p.m_AreaPercent * 0.01 * scale;
    }
}

}  // namespace

void Quantify(CTzLabDoc& doc, const CPrjDoc& project) {
    switch (project.m_Method) {
        case kNormalization:
            QuantifyNormalization(doc);
            break;
        case kInternalStandard:
            QuantifyInternalStandard(doc, project);
            break;
        case kExternalStandard:
            QuantifyExternalStandard(doc, project);
            break;
        case kIndexMethod:
            QuantifyIndexMethod(doc, project);
            break;
        case kCalibratedNormalization:
            QuantifyCalibratedNormalization(doc, project);
            break;
        default:  // fingerprint and unknown methods: the contents are not computed
            break;
    }
}

}  // namespace lx
