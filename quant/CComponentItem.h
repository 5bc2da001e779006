#pragma once
// One row of a method project's component table: a substance the method knows, where it
// elutes, its role in internal-standard work and its calibration data.

#include <cstdint>
#include <string>
#include <vector>

#include "core/Fields.h"

namespace lx {

// One measurement of a calibration level: a standard chromatogram's response.
struct CalRepeat {
    double m_Area = 0.0;
    double m_Height = 0.0;
    double m_Factor = 0.0;  // response factor, computed by calibration

    template <class Self, class Visit>
    static void VisitFields(Self& r, Visit&& visit) {
        visit(Field{"m_Area"}, r.m_Area);
        visit(Field{"m_Height"}, r.m_Height);
        visit(Field{"m_Factor"}, r.m_Factor);
    }
    bool operator==(const CalRepeat&) const = default;
};

// One calibration level of one component.
struct CCalPoint {
    double m_Concentration = 0.0;      // entered by the user
    double m_MeanResponse = 0.0;       // computed by calibration
    std::vector<CalRepeat> m_Repeats;  // one per standard chromatogram of the level

    template <class Self, class Visit>
    static void VisitFields(Self& p, Visit&& visit) {
        visit(Field{"m_Concentration"}, p.m_Concentration);
        visit(Field{"m_MeanResponse"}, p.m_MeanResponse);
        visit(Field{"m_Repeats"}, p.m_Repeats);
    }
    bool operator==(const CCalPoint&) const = default;
};

struct CComponentItem {
    enum CurveType : std::int32_t { kThroughOrigin = 0, kGeneralLine = 1 };

    std::int32_t m_Id = -1;       // unique in the project; peaks refer to components by it
    std::int32_t m_Reserved = 0;  // carried unchanged
    std::int32_t m_IsInternalStandard = 0;
    std::int32_t m_ReferenceIs = -1;  // ID of this component's internal standard, -1 none
    std::string m_Name = "组份";
    double m_RetentionTime = 100.0;  // minutes
    double m_TimeWindow = 0.01;      // minutes, or a fraction of the time (by the mode)
    double m_Factor = 1.0;           // carried unchanged
    std::string m_Text2;             // carried unchanged
    double m_A = 0.0;                // curve y = a x + b
    double m_B = 0.0;
    double m_C = 0.0;
    double m_R = 0.0;                           // correlation coefficient
    std::int32_t m_CurveType = kThroughOrigin;  // not stored: a loaded component starts at 0
    std::vector<CCalPoint> m_Points;            // level 1 first
    std::vector<double> m_Values1;              // carried unchanged
    std::vector<double> m_Values2;              // carried unchanged

    template <class Self, class Visit>
    static void VisitFields(Self& c, Visit&& visit) {
        constexpr auto kPlaceholder = FieldRole::Placeholder;
        visit(Field{"m_Id"}, c.m_Id);
        visit(Field{"m_Reserved", kPlaceholder}, c.m_Reserved);
        visit(Field{"m_IsInternalStandard"}, c.m_IsInternalStandard);
        visit(Field{"m_ReferenceIs"}, c.m_ReferenceIs);
        visit(Field{"m_Name"}, c.m_Name);
        visit(Field{"m_RetentionTime"}, c.m_RetentionTime);
        visit(Field{"m_TimeWindow"}, c.m_TimeWindow);
        visit(Field{"m_Factor", kPlaceholder}, c.m_Factor);
        visit(Field{"m_Text2", kPlaceholder}, c.m_Text2);
        visit(Field{"m_A"}, c.m_A);
        visit(Field{"m_B"}, c.m_B);
        visit(Field{"m_C"}, c.m_C);
        visit(Field{"m_R"}, c.m_R);
        visit(Field{"m_Points"}, c.m_Points);
        visit(Field{"m_Values1", kPlaceholder}, c.m_Values1);
        visit(Field{"m_Values2", kPlaceholder}, c.m_Values2);
    }
    bool operator==(const CComponentItem&) const = default;
};

}  // namespace lx
