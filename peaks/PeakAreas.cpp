#include "peaks/PeakAreas.h"

#include <algorithm>

#include "peaks/PeakFigures.h"

namespace lx {
namespace {

void AreaAndHeight(const SampleArray& samples, PeakRecord& p) {
    // The sample just after the baseline start counts twice, as it always has.
    const std::int64_t count = static_cast<std::int64_t>(samples.size());
    double raw = samples.At(p.m_BaseStart + 1);
    for (std::int64_t i = static_cast<std::int64_t>(p.m_BaseStart) + 1;
         i < p.m_BaseEnd && i < count; ++i)
        raw += samples.At(static_cast<std::ptrdiff_t>(i));
    p.m_RawSum = raw;

    const double bsv = p.m_BaseStartValue;
    const double bev = p.m_BaseEndValue;
    const double span = static_cast<double>(p.m_BaseEnd) - p.m_BaseStart;
    p.m_Area = (raw - (bsv + bev) * span * 0.5) * 0.1;
    // A baseline without length has no slope: the level under the apex is its start level.
    const double rise =
        span != 0.0 ? (static_cast<double>(p.m_Apex) - p.m_BaseStart) * (bev - bsv) / span : 0.0;
    p.m_Height = p.m_ApexValue - (bsv + rise);
}

// Rider areas belong to the riders: take them off their parents'.
void SubtractRiders(std::vector<PeakRecord>& peaks) {
    const std::size_t n = peaks.size();
    for (std::size_t k = n; k-- > 0;) {
        if (!(peaks[k].m_Flags & kTailingParent))
            continue;
        for (std::size_t m = k + 1; m < n && (peaks[m].m_Flags & kTailingRider); ++m)
            peaks[k].m_Area -= peaks[m].m_Area;
    }
    for (std::size_t k = 0; k < n; ++k) {
        if (!(peaks[k].m_Flags & kLeadingParent))
            continue;
        for (std::size_t m = k; m-- > 0 && (peaks[m].m_Flags & kLeadingRider);)
            peaks[k].m_Area -= peaks[m].m_Area;
    }
}

}  // namespace

void ComputePeaks(CTzLabDoc& doc) {
    auto& peaks = doc.m_Peaks;
    for (auto& p : peaks)
        AreaAndHeight(doc.m_Samples, p);
    SubtractRiders(peaks);
    for (auto& p : peaks) {
        if (p.m_Flags & kNegativePeak) {
            p.m_Area = -p.m_Area;
            p.m_Height = -p.m_Height;
        }
    }
    // Each peak's fate depends on itself alone, so one stable pass removes the same peaks as
    // removing them one by one from the last.
    const IntegrationParams& params = doc.m_Params;
    std::erase_if(peaks, [&](const PeakRecord& p) {
        return p.m_Area <= params.m_MinArea || p.m_Height <= params.m_MinHeight;
    });
    double total = 0.0;
    for (std::size_t k = 0; k < peaks.size(); ++k) {
        peaks[k].m_Number = static_cast<std::int32_t>(k + 1);
        total += peaks[k].m_Area;
    }
    // A zero total needs a negative minimum area; the shares are then left at zero.
    for (auto& p : peaks) {
        p.m_AreaPercent = total != 0.0 ? p.m_Area / total * 100 : 0.0;
        p.m_Content = total != 0.0 ? p.m_Area / total : 0.0;
    }
    ComputeFigures(doc);
}

}  // namespace lx
