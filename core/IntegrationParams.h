#pragma once
// How a chromatogram is integrated: the detection parameters and the time program.

#include <cstdint>

namespace lx {

class ArchiveReader;
class ArchiveWriter;

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

    void Store(ArchiveWriter& ar) const;
    void Load(ArchiveReader& ar);
    bool operator==(const IntegrationParams&) const = default;
};

struct TimeProgramEntry {
    double m_Time = 0.0;  // minutes from injection
    std::int32_t m_HalfWidth = 0;
    double m_Slope = 0.0;
    std::int32_t m_Forbid = 0;  // non-zero forbids integration from m_Time on

    static constexpr std::uint64_t kStoredSize = 24;
    void Store(ArchiveWriter& ar) const;
    void Load(ArchiveReader& ar);
    bool operator==(const TimeProgramEntry&) const = default;
};

}  // namespace lx
