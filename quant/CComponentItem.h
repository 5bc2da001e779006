#pragma once
// One row of a method project's component table: a substance the method knows, where it
// elutes, its role in internal-standard work and its calibration data.

#include <cstdint>
#include <string>
#include <vector>

namespace lx {

class ArchiveReader;
class ArchiveWriter;

// One measurement of a calibration level: a standard chromatogram's response.
struct CalRepeat {
    double m_Area = 0.0;
    double m_Height = 0.0;
    double m_Factor = 0.0;  // response factor, computed by calibration

    static constexpr std::uint64_t kStoredSize = 24;
    void Store(ArchiveWriter& ar) const;
    void Load(ArchiveReader& ar);
    bool operator==(const CalRepeat&) const = default;
};

// One calibration level of one component.
struct CCalPoint {
    double m_Concentration = 0.0;      // entered by the user
    double m_MeanResponse = 0.0;       // computed by calibration
    std::vector<CalRepeat> m_Repeats;  // one per standard chromatogram of the level

    static constexpr std::uint64_t kMinStoredSize = 8 + 8 + 4;
    void Store(ArchiveWriter& ar) const;
    void Load(ArchiveReader& ar);
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
    std::int32_t m_CurveType = kThroughOrigin;  // not stored: 0 after every load
    std::vector<CCalPoint> m_Points;            // level 1 first
    std::vector<double> m_Values1;              // carried unchanged
    std::vector<double> m_Values2;              // carried unchanged

    // Four ints, two strings, seven doubles and three counts, all at their smallest.
    static constexpr std::uint64_t kMinStoredSize = 16 + 2 + 56 + 12;
    // The curve type is not stored: a loaded component is a line through the origin.
    void Store(ArchiveWriter& ar) const;
    void Load(ArchiveReader& ar);
    bool operator==(const CComponentItem&) const = default;
};

}  // namespace lx
