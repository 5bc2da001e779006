#include "peaks/PeakDetector.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/Numeric.h"
#include "peaks/TruncatingDivision.h"

namespace lx {
namespace {

// A class's unit in the packed window counts.
std::uint32_t ClassUnit(std::int32_t cls) {
    return 1u << (8 * cls);
}

}  // namespace

// The working state was kept in the document between passes; only m_Building carried over,
// and none of what it carried reaches a stored peak (the pass sets or later recomputes every
// such field), so a fresh detector per pass gives the same table.
PeakDetector::PeakDetector(CTzLabDoc& doc) : m_Doc(doc), m_Peaks(doc.m_Peaks) {
    m_Peaks.clear();
    static_assert(kAvgLength == 4, "the moving average keeps a ring of four samples");
    const IntegrationParams& p = doc.m_Params;
    m_Threshold = p.m_Slope * 0.1;
    m_Bunch = p.m_HalfWidth;
    m_DoublingPeriod = doc.TimeToIndex(p.m_TimeDoubling);
    m_Doublings = 0;
    m_Allowed = 1;
    m_Window = 5;
    m_GroupLeader = 0;
    m_Count = 0;
    m_State = DetectorState::OnBaseline;
    m_HistoryHead = m_HistorySize = 0;
    m_CountedWindow = -1;
    m_PosOffset = m_Bunch / 2 + 2;
    m_BunchSum = m_BunchFill = m_Rising = m_Falling = m_Flat = m_Bunches = m_NextEvent = 0;

    m_RecordBunch = p.m_HalfWidth;
    m_RecordThreshold = p.m_Slope * 0.1;
    m_RecordDoublingPeriod = m_DoublingPeriod;
    m_LockIndex = doc.TimeToIndex(doc.m_ChannelSetup.lockTime);
    m_UseTimeProgram = p.m_UseTimeProgram != 0 && !doc.m_TimeProgram.empty();
    for (const auto& e : doc.m_TimeProgram)
        m_EventIndex.push_back(doc.TimeToIndex(e.m_Time));
    DeriveBunchRule();
}

void PeakDetector::DeriveBunchRule() {
    m_Reciprocal = m_Bunch >= 1 ? TruncatingReciprocal(m_Bunch) : 0.0;
    // For an integer d: d > T exactly when d > floor(T), and d < -T exactly when d < -floor(T).
    // Thresholds beyond any 32-bit slope are clamped, which keeps those answers.
    constexpr double kBeyond = 1e12;
    if (std::isnan(m_Threshold)) {
        m_RisingAbove = std::numeric_limits<std::int64_t>::max();
        m_FallingBelow = std::numeric_limits<std::int64_t>::min();
    } else {
        const auto f =
            static_cast<std::int64_t>(std::floor(std::clamp(m_Threshold, -kBeyond, kBeyond)));
        m_RisingAbove = f;
        m_FallingBelow = -f;
    }
}

DetectionResult PeakDetector::Run() {
    const std::int32_t* samples = m_Doc.m_Samples.data();
    const std::size_t n = m_Doc.m_Samples.size();
    std::int64_t stepDue = 0;
    for (std::size_t i = 0; i < n;) {
        if (m_Count >= stepDue) {
            TimeProgramStep();
            stepDue = NextStepDue();
        }
        const auto chunk = static_cast<std::size_t>(
            std::min<std::int64_t>(static_cast<std::int64_t>(n - i), stepDue - m_Count));
        FeedRange(samples, i, i + chunk);
        i += chunk;
    }
    return CloseAtEnd();
}

void PeakDetector::TakeRecordParameters() {
    m_BaseThreshold = m_RecordThreshold;
    m_BaseBunch = m_RecordBunch;
    m_DoublingPeriod = m_RecordDoublingPeriod;
    m_Forbidden = m_LockIndex <= m_Count ? 0 : 1;
}

std::int64_t PeakDetector::NextStepDue() const {
    const std::int64_t c = m_Count;
    std::int64_t due = std::numeric_limits<std::int64_t>::max();
    auto dueAt = [&](std::int64_t at) { due = std::min(due, std::max(at, c + 1)); };
    if (m_UseTimeProgram && m_NextEvent < static_cast<std::int32_t>(m_EventIndex.size()))
        dueAt(m_EventIndex[static_cast<std::size_t>(m_NextEvent)]);
    if ((!m_UseTimeProgram || m_NextEvent == 0) && m_LockIndex > c)
        dueAt(m_LockIndex);
    if (m_DoublingPeriod > 0)
        dueAt(static_cast<std::int64_t>(m_Doublings) * m_DoublingPeriod + 1);
    return due;
}

void PeakDetector::TimeProgramStep() {
    const std::int32_t c = m_Count;
    if (!m_UseTimeProgram) {
        TakeRecordParameters();
    } else if (m_NextEvent < static_cast<std::int32_t>(m_EventIndex.size()) &&
               m_EventIndex[static_cast<std::size_t>(m_NextEvent)] <= c) {
        // One entry per sample: entries sharing a time take effect on consecutive samples.
        const TimeProgramEntry& e = m_Doc.m_TimeProgram[static_cast<std::size_t>(m_NextEvent)];
        m_BaseBunch = e.m_HalfWidth;
        m_BaseThreshold = e.m_Slope * 0.1;
        m_Forbidden = e.m_Forbid != 0 ? 1 : 0;
        ++m_NextEvent;
    } else if (m_NextEvent == 0) {
        TakeRecordParameters();
    }

    m_Bunch = m_BaseBunch;
    m_Threshold = m_BaseThreshold;
    if (m_DoublingPeriod > 0) {
        if (c > static_cast<std::int64_t>(m_Doublings) * m_DoublingPeriod)
            ++m_Doublings;
        if (m_FactorDoublings != m_Doublings) {
            m_DoublingFactor = std::pow(2.0, m_Doublings);
            m_FactorDoublings = m_Doublings;
        }
        const double factor = m_DoublingFactor;
        // A bunch too large for an int can never fill; saturating keeps it so without overflow.
        m_Bunch = SaturateToInt(static_cast<std::int64_t>(m_Bunch) * TruncToInt(factor));
        m_Threshold = m_Threshold / factor;
    }
    if (m_Bunch < 1)
        m_Bunch = 1;
    m_PosOffset = m_Bunch / 2 + 2;
    DeriveBunchRule();

    if (m_Forbidden == 1) {
        m_Allowed = 0;
        if (m_State == DetectorState::Tail && !m_Peaks.empty())
            ForcedClose();
        m_State = DetectorState::OnBaseline;
    } else {
        m_Allowed = 1;
    }
}

void PeakDetector::FeedSamples(const std::int32_t* v, std::size_t n) {
    // Moving average over the last four raw samples; the first three only fill the window.
    // The mean of four integers as a truncated floating value equals the integer division
    // toward zero.
    std::array<std::int32_t, 4> window = m_AvgWindow;
    std::int64_t windowSum = m_AvgSum;
    std::int32_t count = m_Count;
    std::int64_t bunchSum = m_BunchSum;
    std::int32_t fill = m_BunchFill;
    const std::int32_t bunch = m_Bunch;
    auto slide = [&](std::int32_t value) {
        std::int32_t& oldest = window[static_cast<std::size_t>(count & 3)];
        windowSum += static_cast<std::int64_t>(value) - oldest;
        oldest = value;
        ++count;
    };
    std::size_t k = 0;
    for (; k < n && count < kAvgLength - 1; ++k)
        slide(v[k]);
    for (; k < n; ++k) {
        slide(v[k]);
        bunchSum += windowSum / kAvgLength;
        if (++fill != bunch)
            continue;
        m_Count = count;
        CompleteBunch(bunchSum);
        bunchSum = 0;
        fill = 0;
    }
    m_AvgWindow = window;
    m_AvgSum = windowSum;
    m_Count = count;
    m_BunchSum = bunchSum;
    m_BunchFill = fill;
}

void PeakDetector::FeedRange(const std::int32_t* v, std::size_t from, std::size_t to) {
    std::size_t i = from;
    for (; i < to && i + 1 < static_cast<std::size_t>(kAvgLength); ++i)
        ;  // the first three samples only fill the window
    std::int64_t bunchSum = m_BunchSum;
    std::int32_t fill = m_BunchFill;
    const std::int32_t bunch = m_Bunch;
    auto smoothed = [v](std::size_t at) {
        return (static_cast<std::int64_t>(v[at]) + v[at - 1] + v[at - 2] + v[at - 3]) / kAvgLength;
    };
    while (i < to) {
        // A bunch grown past a smaller new size never completes: its samples just add up.
        const std::size_t stop =
            fill < bunch ? std::min(to, i + static_cast<std::size_t>(bunch - fill)) : to;
        const std::size_t start = i;
        for (; i < stop; ++i)
            bunchSum += smoothed(i);
        fill = static_cast<std::int32_t>(static_cast<std::uint32_t>(fill) +
                                         static_cast<std::uint32_t>(i - start));
        if (fill == bunch) {
            m_Count = static_cast<std::int32_t>(i);
            CompleteBunch(bunchSum);
            bunchSum = 0;
            fill = 0;
        }
    }
    // Keep the window state as sample-by-sample feeding would have it.
    m_Count = static_cast<std::int32_t>(to);
    m_BunchSum = bunchSum;
    m_BunchFill = fill;
    m_AvgSum = 0;
    for (std::size_t k = to >= 4 ? to - 4 : 0; k < to; ++k) {
        m_AvgWindow[k & 3] = v[k];
        m_AvgSum += v[k];
    }
}

void PeakDetector::CompleteBunch(std::int64_t bunchSum) {
    const std::int32_t pos = WrapToInt32(static_cast<std::int64_t>(m_Count) - m_PosOffset);
    ++m_Bunches;
    // The mean of smoothed 32-bit samples is a 32-bit value again.
    const auto mean = static_cast<std::int32_t>(
        bunchSum == static_cast<std::int32_t>(bunchSum)
            ? DivideTowardZero(static_cast<std::int32_t>(bunchSum), m_Reciprocal)
            : bunchSum / m_Bunch);
    const std::int64_t d = m_Bunches == 1 ? 0 : static_cast<std::int64_t>(mean) - m_PrevMean;
    m_PrevMean = mean;
    m_BunchSum = m_BunchFill = 0;
    // Rising when d > threshold, else falling when d < -threshold, else flat; written without
    // branches because on a noisy baseline the class is anyone's guess.
    const std::int32_t rising = d > m_RisingAbove;
    const std::int32_t falling = (d < m_FallingBelow) & (rising ^ 1);
    const std::int32_t cls = rising * kRising + falling * kFalling;  // a BunchClass
    PushBunch(pos, cls);

    if (m_Bunches > m_Window)
        m_Bunches = m_Window;
    if (m_Bunches == m_Window) {
        m_Bunches = m_Window - 1;
        CountClasses();
        if (m_Allowed && StateCanChange())
            StateMachineStep();
    }
    if (m_HistorySize > kMaxHistory) {  // one push at a time: one entry to drop at most
        ++m_HistoryHead;
        --m_HistorySize;
    }
}

void PeakDetector::PushBunch(std::int32_t pos, std::int32_t cls) {
    if (m_HistoryHead + m_HistorySize == kBuffer) {
        std::copy_n(m_BunchPos.begin() + m_HistoryHead, m_HistorySize, m_BunchPos.begin());
        std::copy_n(m_BunchClass.begin() + m_HistoryHead, m_HistorySize, m_BunchClass.begin());
        m_HistoryHead = 0;
    }
    const auto at = static_cast<std::size_t>(m_HistoryHead + m_HistorySize);
    m_BunchPos[at] = pos;
    m_BunchClass[at] = cls;
    ++m_HistorySize;
    // Slide the counted window by one: the new class in, the one that falls out of it out.
    if (m_CountedWindow >= 0) {
        m_WindowCounts += ClassUnit(cls);
        if (m_HistorySize > m_CountedWindow)
            m_WindowCounts -= ClassUnit(ClassNumberAt(m_HistorySize - 1 - m_CountedWindow));
    }
}

void PeakDetector::CountClasses() {
    if (m_CountedWindow != m_Window) {  // the window changed size: count it afresh
        m_CountedWindow = m_Window;
        m_WindowCounts = 0;
        const int from = m_HistorySize > m_Window ? m_HistorySize - m_Window : 0;
        for (int j = from; j < m_HistorySize; ++j)
            m_WindowCounts += ClassUnit(ClassNumberAt(j));
    }
    m_Flat = static_cast<std::int32_t>(m_WindowCounts & 0xFF);
    m_Rising = static_cast<std::int32_t>((m_WindowCounts >> 8) & 0xFF);
    m_Falling = static_cast<std::int32_t>((m_WindowCounts >> 16) & 0xFF);
}

bool PeakDetector::StateCanChange() const {
    const std::int32_t R = m_Rising, F = m_Falling, Z = m_Flat, W = m_Window;
    switch (m_State) {
        case DetectorState::OnBaseline:
            return R >= W;
        case DetectorState::RiseSeen:
            return R > Z + F;
        case DetectorState::RiseConfirmed:
            return F > Z + R;
        case DetectorState::Falling:
            return F >= Z + R || F >= W || R >= W;
        case DetectorState::Tail:
            return R >= W || Z >= W;
    }
    return false;
}

void PeakDetector::StateMachineStep() {
    const int last = m_HistorySize - 1;
    switch (m_State) {
        case DetectorState::OnBaseline: {  // on the baseline: a peak starts
            m_Window = 3;
            // Back over the rising bunches to the last one before the rise; the index is
            // tested before the class is read.
            int j = last;
            for (;;) {
                --j;
                if (!(j > 0 && BunchPos(j) > 0))
                    break;
                if (BunchClassAt(j) != BunchClass::Rising)
                    break;
            }
            if (j < 0)
                j = 0;
            const std::int32_t p = BunchPos(j);
            m_Building.m_Flags = 0;
            m_Building.m_Start = m_Building.m_BaseStart = p;
            m_Building.m_StartValue = m_Building.m_BaseStartValue = S(p);
            m_State = DetectorState::RiseSeen;
            break;
        }
        case DetectorState::RiseSeen:  // the rise is confirmed
            m_State = DetectorState::RiseConfirmed;
            break;
        case DetectorState::RiseConfirmed: {  // the apex has passed: it is the newest rising bunch
            int j = last;
            while (j > 0 && BunchClassAt(j) != BunchClass::Rising)
                --j;
            const std::int32_t p = BunchPos(j);
            m_Building.m_Apex = p;
            m_Building.m_ApexTime = m_Doc.SpanToMinutes(p);
            m_Building.m_ApexValue = S(p);
            m_State = DetectorState::Falling;
            break;
        }
        case DetectorState::Falling:  // falling: the tail begins
            m_State = DetectorState::Tail;
            break;
        case DetectorState::Tail: {
            int j = last;
            while (j >= 1 && BunchClassAt(j) == BunchClass::Rising)
                --j;
            const std::int32_t p = BunchPos(j);
            if (m_Rising >= m_Window) {
                // A new rise before the signal settled: the peak ends in a valley and the next
                // one starts there.
                m_Building.m_End = m_Building.m_BaseEnd = p;
                m_Building.m_EndValue = S(p);
                m_Building.m_BaseEndValue = m_Building.m_BaseStartValue;
                m_Building.m_Flags |= kEndsInValley;
                AppendBuilding();
                m_Building.m_StartValue = S(p);
                m_Building.m_GroupSize = 0;
                m_Building.m_Start = m_Building.m_BaseStart = p;
                m_Building.m_Flags = kStartsInValley;
                m_State = DetectorState::RiseSeen;
            } else {  // flat again: the peak ends
                m_Window = 5;
                m_Building.m_End = m_Building.m_BaseEnd = p;
                m_Building.m_EndValue = m_Building.m_BaseEndValue = S(p);
                AppendBuilding();
                m_GroupLeader = static_cast<std::int32_t>(m_Peaks.size());
                m_State = DetectorState::OnBaseline;
            }
            break;
        }
    }
}

void PeakDetector::AppendBuilding() {
    m_Peaks.push_back(m_Building);
    if (m_GroupLeader >= 0 && static_cast<std::size_t>(m_GroupLeader) < m_Peaks.size())
        ++m_Peaks[static_cast<std::size_t>(m_GroupLeader)].m_GroupSize;
}

void PeakDetector::ForcedClose() {
    const std::int32_t p = m_HistorySize > 0 ? BunchPos(0) : m_Count;
    m_Building.m_End = m_Building.m_BaseEnd = p;
    m_Building.m_EndValue = S(p);
    AppendBuilding();
    m_GroupLeader = static_cast<std::int32_t>(m_Peaks.size());
    m_State = DetectorState::OnBaseline;
}

DetectionResult PeakDetector::CloseAtEnd() {
    if (m_State == DetectorState::Tail && !m_Peaks.empty())
        ForcedClose();
    m_State = DetectorState::OnBaseline;
    m_HistoryHead = m_HistorySize = 0;
    m_CountedWindow = -1;
    return {m_Bunch, m_Threshold};
}

}  // namespace lx
