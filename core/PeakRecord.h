#pragma once
// One integrated peak, and one manual integration event that imposes or refers to a peak.
// Indices are sample indices into the chromatogram's samples; values are microvolts.

#include <cstdint>
#include <string>

#include "core/Fields.h"

namespace lx {

// m_Flags bits
enum PeakFlag : std::int32_t {
    kStartsInValley = 1,  // shares its start valley with the previous peak
    kEndsInValley = 2,    // shares its end valley with the next peak
    kTailingParent = 16,  // parent of tailing riders
    kTailingRider = 32,   // skimmed off the preceding parent
    kLeadingParent = 64,  // parent of leading riders
    kLeadingRider = 128,
    kNegativePeak = 256,
};

struct PeakRecord {
    std::int32_t m_Number = 0;  // 1-based, renumbered after every change of the table
    std::int32_t m_Aux = 0;     // carried unchanged
    std::int32_t m_GroupSize = 0;
    double m_ApexTime = 0.0;  // minutes
    std::int32_t m_Start = 0, m_Apex = 0, m_End = 0;
    std::int32_t m_StartValue = 0, m_ApexValue = 0, m_EndValue = 0;
    std::int32_t m_BaseStart = 0, m_BaseEnd = 0;
    std::int32_t m_BaseStartValue = 0, m_BaseEndValue = 0;
    std::int32_t m_Spare = 0;  // carried unchanged
    std::int32_t m_Flags = 0;  // PeakFlag bits
    double m_Area = 0.0;       // 0.1 uV x sample
    double m_Height = 0.0;     // uV
    double m_AreaPercent = 0.0;
    double m_Content = 0.0;
    double m_HalfWidthTime = 0.0;  // minutes
    double m_Tailing = 0.0;
    double m_Plates = 0.0;
    double m_Resolution = 0.0;
    double m_Extra1 = 0.0, m_Extra2 = 0.0, m_Extra3 = 0.0;  // carried unchanged
    std::int32_t m_Extra8 = 0;
    double m_RawSum = 0.0;  // recomputed by integration, never stored
    double m_Extra4 = 0.0, m_Extra5 = 0.0;
    std::int32_t m_Extra6 = 1;
    std::int32_t m_Extra7 = 0;
    std::int32_t m_Component = -1;  // component ID, -1 none
    std::string m_ComponentName;

    template <class Self, class Visit>
    static void VisitFields(Self& p, Visit&& visit) {
        constexpr auto kPlaceholder = FieldRole::Placeholder;
        visit(Field{"m_Number"}, p.m_Number);
        visit(Field{"m_Aux", kPlaceholder}, p.m_Aux);
        visit(Field{"m_GroupSize"}, p.m_GroupSize);
        visit(Field{"m_Start"}, p.m_Start);
        visit(Field{"m_Apex"}, p.m_Apex);
        visit(Field{"m_ApexTime"}, p.m_ApexTime);
        visit(Field{"m_End"}, p.m_End);
        visit(Field{"m_StartValue"}, p.m_StartValue);
        visit(Field{"m_ApexValue"}, p.m_ApexValue);
        visit(Field{"m_EndValue"}, p.m_EndValue);
        visit(Field{"m_BaseStart"}, p.m_BaseStart);
        visit(Field{"m_BaseEnd"}, p.m_BaseEnd);
        visit(Field{"m_BaseStartValue"}, p.m_BaseStartValue);
        visit(Field{"m_BaseEndValue"}, p.m_BaseEndValue);
        visit(Field{"m_Flags"}, p.m_Flags);
        visit(Field{"m_Spare", kPlaceholder}, p.m_Spare);
        visit(Field{"m_Area"}, p.m_Area);
        visit(Field{"m_Height"}, p.m_Height);
        visit(Field{"m_AreaPercent"}, p.m_AreaPercent);
        visit(Field{"m_Content"}, p.m_Content);
        visit(Field{"m_HalfWidthTime"}, p.m_HalfWidthTime);
        visit(Field{"m_Tailing"}, p.m_Tailing);
        visit(Field{"m_Plates"}, p.m_Plates);
        visit(Field{"m_Resolution"}, p.m_Resolution);
        visit(Field{"m_Component"}, p.m_Component);
        visit(Field{"m_ComponentName"}, p.m_ComponentName);
        visit(Field{"m_Extra1", kPlaceholder}, p.m_Extra1);
        visit(Field{"m_Extra2", kPlaceholder}, p.m_Extra2);
        visit(Field{"m_Extra3", kPlaceholder}, p.m_Extra3);
        visit(Field{"m_Extra4", kPlaceholder}, p.m_Extra4);
        visit(Field{"m_Extra5", kPlaceholder}, p.m_Extra5);
        visit(Field{"m_Extra6", kPlaceholder}, p.m_Extra6);
        visit(Field{"m_Extra7", kPlaceholder}, p.m_Extra7);
        visit(Field{"m_Extra8", kPlaceholder}, p.m_Extra8);
    }
    bool operator==(const PeakRecord&) const = default;
};

struct ManualEvent {
    std::int32_t m_Type = 0;  // 1-12
    std::int32_t m_Param1 = 0;
    std::int32_t m_Param2 = 0;
    PeakRecord m_Peak;
    double m_Time = 0.0;  // minutes

    template <class Self, class Visit>
    static void VisitFields(Self& e, Visit&& visit) {
        visit(Field{"m_Type"}, e.m_Type);
        visit(Field{"m_Param1"}, e.m_Param1);
        visit(Field{"m_Param2"}, e.m_Param2);
        visit(Field{"m_Peak"}, e.m_Peak);
        visit(Field{"m_Time"}, e.m_Time);
    }
    bool operator==(const ManualEvent&) const = default;
};

}  // namespace lx
