#pragma once
// How a chromatogram is integrated: the detection parameters and the time program.

#include <cstdint>

#include "core/Fields.h"

namespace lx {

struct IntegrationParams {
    std::int32_t m_HalfWidth = 5;  // bunch size of the detector, samples
    double m_Slope = 30.0;         // slope sensitivity; detector threshold = m_Slope * 0.1
    double m_MinArea = 0.0;        // peaks at or below are dropped
    double m_MinHeight = 0.0;      // peaks at or below are dropped
    double m_TimeDoubling = 0.0;   // minutes after which the bunch doubles, 0 = never
    double m_HeightRatio = 100.0;  // fused peaks above this ratio become riders
    double m_SampleWeight = 1.0;
    double m_SampleVolume = 1.0;
    double m_IsConc1 = 1.0;  // internal standard concentration 1
    std::int32_t m_AutoTailing = 1;
    std::int32_t m_AutoLeading = 0;
    std::int32_t m_Reserved = 0;    // carried unchanged
    std::int32_t m_DeleteMode = 0;  // 0 re-detect, 1 leave out of the calculation
    std::int32_t m_UseTimeProgram = 0;

    // The file's order, which is not the order above (88 bytes).
    template <class Self, class Visit>
    static void VisitFields(Self& p, Visit&& visit) {
        visit(Field{"m_HalfWidth"}, p.m_HalfWidth);
        visit(Field{"m_Slope"}, p.m_Slope);
        visit(Field{"m_MinArea"}, p.m_MinArea);
        visit(Field{"m_MinHeight"}, p.m_MinHeight);
        visit(Field{"m_TimeDoubling"}, p.m_TimeDoubling);
        visit(Field{"m_IsConc1"}, p.m_IsConc1);
        visit(Field{"m_SampleWeight"}, p.m_SampleWeight);
        visit(Field{"m_HeightRatio"}, p.m_HeightRatio);
        visit(Field{"m_SampleVolume"}, p.m_SampleVolume);
        visit(Field{"m_UseTimeProgram"}, p.m_UseTimeProgram);
        visit(Field{"m_AutoTailing"}, p.m_AutoTailing);
        visit(Field{"m_AutoLeading"}, p.m_AutoLeading);
        visit(Field{"m_Reserved", FieldRole::Placeholder}, p.m_Reserved);
        visit(Field{"m_DeleteMode"}, p.m_DeleteMode);
    }
    bool operator==(const IntegrationParams&) const = default;
};

struct TimeProgramEntry {
    double m_Time = 0.0;  // minutes from injection
    std::int32_t m_HalfWidth = 0;
    double m_Slope = 0.0;
    std::int32_t m_Forbid = 0;  // non-zero forbids integration from m_Time on

    template <class Self, class Visit>
    static void VisitFields(Self& e, Visit&& visit) {
        visit(Field{"m_Time"}, e.m_Time);
        visit(Field{"m_HalfWidth"}, e.m_HalfWidth);
        visit(Field{"m_Slope"}, e.m_Slope);
        visit(Field{"m_Forbid"}, e.m_Forbid);
    }
    bool operator==(const TimeProgramEntry&) const = default;
};

}  // namespace lx
