#pragma once
// One integrated peak, and one manual integration event that imposes or refers to a peak.
// Indices are sample indices into the chromatogram's samples; values are microvolts.

#include <cstdint>
#include <string>

namespace lx {

class ArchiveReader;
class ArchiveWriter;

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

    // 136 fixed bytes, the name (at least its one-byte length), 52 fixed bytes.
    static constexpr std::uint64_t kMinStoredSize = 136 + 1 + 52;
    void Store(ArchiveWriter& ar) const;
    void Load(ArchiveReader& ar);
    bool operator==(const PeakRecord&) const = default;
};

struct ManualEvent {
    std::int32_t m_Type = 0;  // 1-12
    std::int32_t m_Param1 = 0;
    std::int32_t m_Param2 = 0;
    PeakRecord m_Peak;
    double m_Time = 0.0;  // minutes

    static constexpr std::uint64_t kMinStoredSize = 12 + PeakRecord::kMinStoredSize + 8;
    void Store(ArchiveWriter& ar) const;
    void Load(ArchiveReader& ar);
    bool operator==(const ManualEvent&) const = default;
};

}  // namespace lx
