#include "peaks/PeakFigures.h"

#include "core/Numeric.h"

namespace lx {
namespace {

struct Crossings {
    std::int32_t left;
    std::int32_t right;
};

// Where the peak's flanks cross `level`. Each flank is scanned from both ends and the two
// finds are averaged. A scan that finds no sample beyond the level means the flank passes the
// level between the scan's last two samples; it then stops at its far end (the apex, or the
// start or end), so the crossing stays inside the peak.
Crossings CrossingsAt(const SampleArray& samples, const PeakRecord& p, std::int32_t level) {
    auto S = [&](std::int32_t i) { return samples.At(i); };
    Crossings c{p.m_Start, p.m_End};
    if (S(p.m_Start) < level) {
        std::int32_t a = p.m_Apex;
        for (std::int32_t i = p.m_Start; i < p.m_Apex; ++i)
            if (S(i) > level) {
                a = i;
                break;
            }
        std::int32_t b = p.m_Start;
        for (std::int32_t i = p.m_Apex; i > p.m_Start; --i)
            if (S(i) < level) {
                b = i;
                break;
            }
        c.left = static_cast<std::int32_t>((static_cast<std::int64_t>(a) + b) / 2);
    }
    if (S(p.m_End) < level) {
        std::int32_t cc = p.m_End;
        for (std::int32_t i = p.m_Apex; i < p.m_End; ++i)
            if (S(i) < level) {
                cc = i;
                break;
            }
        std::int32_t d = p.m_Apex;
        for (std::int32_t i = p.m_End; i > p.m_Apex; --i)
            if (S(i) > level) {
                d = i;
                break;
            }
        c.right = static_cast<std::int32_t>((static_cast<std::int64_t>(cc) + d) / 2);
    }
    return c;
}

std::int32_t LevelAt(const SampleArray& samples, const PeakRecord& p, double fraction) {
    return TruncToInt(samples.At(p.m_Apex) - p.m_Height + p.m_Height * fraction);
}

}  // namespace

void ComputeFigures(CTzLabDoc& doc) {
    auto& peaks = doc.m_Peaks;
    for (auto& p : peaks) {
        if (p.m_Flags & kNegativePeak)
            continue;
        const Crossings half = CrossingsAt(doc.m_Samples, p, LevelAt(doc.m_Samples, p, 0.5));
        p.m_HalfWidthTime = doc.SpanToMinutes(static_cast<double>(half.right) - half.left);
        const Crossings base = CrossingsAt(doc.m_Samples, p, LevelAt(doc.m_Samples, p, 0.05));
        // An apex on its own 5 % crossing has no front: no tailing factor can be given.
        const double front = static_cast<double>(p.m_Apex) - base.left;
        p.m_Tailing =
            front != 0.0 ? (static_cast<double>(base.right) - base.left) / front * 0.5 : 0.0;
        // Both half-height crossings on one sample: a width of zero gives no plate count.
        const double q = p.m_HalfWidthTime != 0.0 ? p.m_ApexTime / p.m_HalfWidthTime : 0.0;
        p.m_Plates = 5.54 * (q * q);
    }
    if (peaks.size() >= 2) {
        auto resolution = [](const PeakRecord& earlier, const PeakRecord& later) {
            const double widths = earlier.m_HalfWidthTime + later.m_HalfWidthTime;
            return widths != 0.0 ? 1.18 * (later.m_ApexTime - earlier.m_ApexTime) / widths : 0.0;
        };
        for (std::size_t k = 1; k < peaks.size(); ++k)
            peaks[k].m_Resolution = resolution(peaks[k - 1], peaks[k]);
        peaks[0].m_Resolution = resolution(peaks[0], peaks[1]);
    }
    if (doc.m_ColumnLength > 0)
        for (auto& p : peaks)
            p.m_Plates = p.m_Plates * 1000 / doc.m_ColumnLength;
}

}  // namespace lx
