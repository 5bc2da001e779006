#include "peaks/Baselines.h"

#include <algorithm>
#include <cstdlib>

#include "peaks/BaseLine.h"

namespace lx {
namespace {

constexpr std::int32_t kAvgLength = 4;  // the detector's moving-average length

class Refiner {
public:
    Refiner(CTzLabDoc& doc, std::int32_t bunch, double threshold)
        : m_Peaks(doc.m_Peaks),
          m_Samples(doc.m_Samples),
          m_Threshold(threshold),
          m_HeightRatio(doc.m_Params.m_HeightRatio),
          m_Span(static_cast<std::int64_t>(bunch) + kAvgLength) {}

    void Run() {
        for (auto& p : m_Peaks) {
            p.m_BaseStartValue = p.m_StartValue;
            p.m_BaseEndValue = p.m_EndValue;
        }
        ExtendOutward();
        GroupBaselines(false);
        SkimRiders();
        RegroupFromFlags();
        GroupBaselines(true);
        CheckValleys();
    }

private:
    std::int32_t S(std::int64_t i) const {
        return i >= 0 && i < static_cast<std::int64_t>(m_Samples.size()) ? m_Samples.data()[i] : -1;
    }

    // Mean of `n` samples from `first`, as a floating sum divided by n and truncated.
    std::int32_t Mean(std::int64_t first, std::int64_t n) const {
        double sum = 0.0;
        for (std::int64_t i = first; i < first + n; ++i)
            sum += S(i);
        return TruncToInt(sum / static_cast<double>(n));
    }

    // A baseline end walks outward in steps of W samples while the local mean keeps falling by
    // more than the threshold.
    void ExtendOutward() {
        const std::int64_t W = m_Span;
        const std::int64_t count = static_cast<std::int64_t>(m_Samples.size());
        for (std::size_t k = 0; k < m_Peaks.size(); ++k) {
            PeakRecord& p = m_Peaks[k];
            while (p.m_BaseStart >= W) {
                const std::int32_t M = Mean(p.m_BaseStart - W + 1, W);
                if (p.m_BaseStartValue <= M + m_Threshold)
                    break;
                p.m_Start = SaturateToInt(p.m_Start - W);
                p.m_BaseStart = p.m_Start;
                p.m_BaseStartValue = M;
            }
            if (k > 0 && p.m_Start < m_Peaks[k - 1].m_End) {
                p.m_Start = m_Peaks[k - 1].m_End;
                p.m_BaseStart = p.m_Start;
            }
            p.m_BaseStartValue = S(p.m_Start);
            while (p.m_BaseEnd < count - W - 1) {
                const std::int32_t M = Mean(p.m_BaseEnd, W);
                if (p.m_BaseEndValue < M + m_Threshold)  // strict here, unlike the start side
                    break;
                p.m_End = SaturateToInt(p.m_End + W);
                p.m_BaseEnd = p.m_End;
                p.m_BaseEndValue = M;
            }
            p.m_BaseEndValue = S(p.m_End);
        }
    }

    template <class Fn>
    void ForEachGroup(Fn fn) {
        for (std::size_t k = 0; k < m_Peaks.size();) {
            const int n = GroupLength(m_Peaks, k);
            fn(k, n);
            k += static_cast<std::size_t>(n);
        }
    }

    // Members of a fused group share one sloping baseline with drop lines at the valleys, never
    // above the signal at their ends. After the riders, a lone parent keeps its skim end.
    void GroupBaselines(bool keepSkimEnds) {
        ForEachGroup([&](std::size_t k, int n) {
            if (n == 1) {
                PeakRecord& p = m_Peaks[k];
                p.m_BaseStartValue = p.m_StartValue;
                if (!(keepSkimEnds && (p.m_Flags & kTailingParent)))
                    p.m_BaseEndValue = p.m_EndValue;
                return;
            }
            const PeakRecord& first = m_Peaks[k];
            const PeakRecord& last = m_Peaks[k + static_cast<std::size_t>(n) - 1];
            const BaseLine line = BaseLine::Through(first.m_BaseStart, first.m_BaseStartValue,
                                                    last.m_BaseEnd, last.m_BaseEndValue);
            for (std::size_t m = k; m < k + static_cast<std::size_t>(n); ++m) {
                PeakRecord& p = m_Peaks[m];
                if (m > k)
                    p.m_BaseStart = m_Peaks[m - 1].m_BaseEnd;
                p.m_BaseStartValue = std::min(line.At(p.m_BaseStart), S(p.m_BaseStart));
                p.m_BaseEndValue = std::min(line.At(p.m_BaseEnd), S(p.m_BaseEnd));
            }
        });
    }

    bool IsRider(const PeakRecord& parent, const PeakRecord& candidate) const {
        const double parentHeight =
            std::abs(static_cast<double>(parent.m_ApexValue) - parent.m_BaseStartValue);
        const double height =
            std::abs(static_cast<double>(candidate.m_ApexValue) - candidate.m_BaseStartValue);
        if (height == 0.0)
            return parentHeight != 0.0;
        return parentHeight / height > m_HeightRatio;
    }

    // Tangent skim: a small peak on the tail of a much taller one gets its own baseline from its
    // start, and the parent's baseline runs under it to the end of the last rider.
    void SkimRiders() {
        ForEachGroup([&](std::size_t k, int n) {
            if (n <= 1)
                return;
            const std::size_t end = k + static_cast<std::size_t>(n);
            std::size_t parent = end;  // none
            for (std::size_t m = k + 1; m < end; ++m) {
                PeakRecord& c = m_Peaks[m];
                if (parent == end) {
                    PeakRecord& p = m_Peaks[m - 1];
                    if (!IsRider(p, c))
                        continue;
                    p.m_Flags = (p.m_Flags | kTailingParent) & ~kEndsInValley;
                    p.m_BaseEnd = c.m_BaseEnd;
                    p.m_BaseEndValue = c.m_BaseEndValue;
                    c.m_Flags |= kStartsInValley | kTailingRider;
                    c.m_BaseStart = c.m_Start;
                    c.m_BaseStartValue = c.m_StartValue;
                    parent = m - 1;
                } else if (IsRider(m_Peaks[parent], c)) {
                    PeakRecord& p = m_Peaks[parent];
                    c.m_Flags |= kStartsInValley | kEndsInValley | kTailingRider;
                    c.m_BaseStart = c.m_Start;
                    c.m_BaseStartValue = c.m_StartValue;
                    c.m_BaseEndValue = c.m_EndValue;
                    p.m_BaseEnd = c.m_BaseEnd;
                    p.m_BaseEndValue = c.m_BaseEndValue;
                    if (m == end - 1)
                        c.m_Flags &= ~kEndsInValley;
                } else {
                    parent = end;
                }
            }
        });
    }

    // A group is a run of peaks joined at valleys: each but the last ends in one.
    void RegroupFromFlags() {
        const std::size_t count = m_Peaks.size();
        for (std::size_t k = 0; k < count;) {
            std::size_t j = k;
            while (j < count && (m_Peaks[j].m_Flags & kEndsInValley))
                ++j;
            // The peak without the flag closes the run; a run that reaches the end of the
            // table with the flag still set closes there.
            const std::size_t run = std::min(j + 1, count) - k;
            for (std::size_t m = k; m < k + run; ++m)
                m_Peaks[m].m_GroupSize = 0;
            m_Peaks[k].m_GroupSize = static_cast<std::int32_t>(run);
            k += run;
        }
    }

    // A common baseline that would cut through the signal at a valley is split there, with
    // drop-to-signal levels on both sides of that valley.
    void CheckValleys() {
        ForEachGroup([&](std::size_t k, int n) {
            if (n <= 1)
                return;
            const std::size_t L = k + static_cast<std::size_t>(n) - 1;
            std::size_t a = k;
            std::size_t b = L;
            for (;;) {
                if (b == a) {
                    PeakRecord& p = m_Peaks[a];
                    p.m_BaseStartValue = p.m_StartValue;
                    p.m_BaseEndValue = p.m_EndValue;
                    ++a;
                    b = L;
                } else if (!TestRange(a, b)) {
                    m_Peaks[b].m_Flags |= kStartsInValley;
                    m_Peaks[b].m_BaseStartValue = m_Peaks[b].m_StartValue;
                    m_Peaks[b - 1].m_Flags |= kEndsInValley;
                    m_Peaks[b - 1].m_BaseEndValue = m_Peaks[b - 1].m_EndValue;
                } else {
                    a = b + 1;
                    b = L;
                }
                if (a == L)
                    break;
                --b;
                if (b < a)
                    break;
            }
        });
    }

    // Lays the line from a's baseline start to b's baseline end under a..b; false when it
    // lies above some member's start or end value.
    bool TestRange(std::size_t a, std::size_t b) {
        const BaseLine line = BaseLine::Through(m_Peaks[a].m_BaseStart, m_Peaks[a].m_BaseStartValue,
                                                m_Peaks[b].m_BaseEnd, m_Peaks[b].m_BaseEndValue);
        for (std::size_t m = a; m <= b; ++m) {
            m_Peaks[m].m_BaseStartValue = line.At(m_Peaks[m].m_BaseStart);
            m_Peaks[m].m_BaseEndValue = line.At(m_Peaks[m].m_BaseEnd);
        }
        for (std::size_t m = a; m <= b; ++m) {
            const PeakRecord& p = m_Peaks[m];
            if (p.m_BaseStartValue > p.m_StartValue || p.m_BaseEndValue > p.m_EndValue)
                return false;
        }
        return true;
    }

    std::vector<PeakRecord>& m_Peaks;
    const SampleArray& m_Samples;
    const double m_Threshold;
    const double m_HeightRatio;
    const std::int64_t m_Span;  // W: bunch plus moving-average length
};

}  // namespace

int GroupLength(const std::vector<PeakRecord>& peaks, std::size_t k) {
    const std::int64_t left = static_cast<std::int64_t>(peaks.size() - k);
    return static_cast<int>(std::clamp<std::int64_t>(peaks[k].m_GroupSize, 1, left));
}

void RefineBaselines(CTzLabDoc& doc, std::int32_t bunch, double threshold) {
    Refiner(doc, bunch, threshold).Run();
    RemoveBaselineCrossings(doc);
}

namespace {

// Moves one end of a baseline inward, one sample at a time, while its line lies above the
// signal somewhere on that side of the apex; after each move the line is tested again.
//
// Only whether the line crosses matters, not where, so the sample that crossed the previous
// line is tried first: when the end creeps up a long flank under a crossing that persists,
// each move costs one test instead of a rescan of the flank. The tests are the same float
// expressions either way, so the result is the literal one.
template <class Side>
void MoveInWhileCrossing(PeakRecord& p, const SampleArray& samples, Side side) {
    auto S = [&](std::int32_t i) { return samples.At(i); };
    std::int64_t witness = -1;
    for (;;) {
        const BaseLine line =
            BaseLine::Through(p.m_BaseStart, p.m_BaseStartValue, p.m_BaseEnd, p.m_BaseEndValue);
        const auto crosses = [&](std::int32_t i) { return line.At(i) > S(i); };
        bool crossing = false;
        if (side.InRange(p, witness) && crosses(static_cast<std::int32_t>(witness))) {
            crossing = true;
        } else {
            witness = -1;
            for (std::int32_t i = side.First(p); side.InRange(p, i); i = side.Next(i)) {
                if (crosses(i)) {
                    crossing = true;
                    witness = i;
                    break;
                }
            }
        }
        if (!crossing)
            return;
        side.MoveIn(p, S);
    }
}

// From the baseline start toward the apex.
struct StartSide {
    static std::int32_t First(const PeakRecord& p) { return p.m_BaseStart; }
    static std::int32_t Next(std::int32_t i) { return i + 1; }
    static bool InRange(const PeakRecord& p, std::int64_t i) {
        return i >= p.m_BaseStart && i < p.m_Apex;
    }
    template <class Sample>
    static void MoveIn(PeakRecord& p, Sample S) {
        ++p.m_BaseStart;
        p.m_Start = p.m_BaseStart;
        p.m_BaseStartValue = S(p.m_BaseStart);
    }
};

// From the peak's end down toward the apex.
struct EndSide {
    static std::int32_t First(const PeakRecord& p) { return p.m_End; }
    static std::int32_t Next(std::int32_t i) { return i - 1; }
    static bool InRange(const PeakRecord& p, std::int64_t i) {
        return i <= p.m_End && i > p.m_Apex;
    }
    template <class Sample>
    static void MoveIn(PeakRecord& p, Sample S) {
        --p.m_End;
        p.m_BaseEnd = p.m_End;
        p.m_BaseEndValue = S(p.m_End);
    }
};

}  // namespace

void RemoveBaselineCrossings(CTzLabDoc& doc) {
    // Integration never leaves an index outside the samples, but a table read from a file may
    // hold anything; such indices are brought inside first, so every scan below stays short.
    const auto last = static_cast<std::int32_t>(std::max<std::size_t>(doc.m_Samples.size(), 1) - 1);
    for (PeakRecord& p : doc.m_Peaks)
        for (std::int32_t* index : {&p.m_Start, &p.m_Apex, &p.m_End, &p.m_BaseStart, &p.m_BaseEnd})
            *index = std::clamp(*index, 0, last);
    for (PeakRecord& p : doc.m_Peaks) {
        MoveInWhileCrossing(p, doc.m_Samples, StartSide{});
        MoveInWhileCrossing(p, doc.m_Samples, EndSide{});
        p.m_StartValue = doc.m_Samples.At(p.m_Start);
        p.m_EndValue = doc.m_Samples.At(p.m_End);
    }
}

}  // namespace lx
