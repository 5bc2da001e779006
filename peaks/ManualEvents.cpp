#include "peaks/ManualEvents.h"

#include <algorithm>

#include "core/Format.h"
#include "core/ProjectLink.h"
#include "peaks/BaseLine.h"
#include "peaks/Integration.h"
#include "peaks/PeakTexts.h"

namespace lx {
namespace {

constexpr std::int32_t kSkimFlags = kTailingParent | kTailingRider | kLeadingParent | kLeadingRider;

// The operations of the event types. x is the sample index the operator marked, k the peak
// the event applies to; both are checked before anything changes.
class Editor {
public:
    explicit Editor(CTzLabDoc& doc) : m_Doc(doc), P(doc.m_Peaks) {}

    bool MoveStart(std::int32_t x, std::size_t k) {
        PeakRecord& p = P[k];
        if (x > p.m_Apex)
            return false;
        if (k == 0) {
            p.m_Start = p.m_BaseStart = x;
            p.m_StartValue = p.m_BaseStartValue = S(x);
            if (p.m_Flags & kLeadingRider) {
                // Its parent, when it lies beyond the first position, keeps its baseline start
                // no later than the rider's.
                const std::size_t parent = FirstWith(kLeadingParent);
                if (parent > 0 && parent < P.size() && P[parent].m_BaseStart > x) {
                    P[parent].m_BaseStart = x;
                    P[parent].m_BaseStartValue = S(x);
                }
            }
            return true;
        }
        PeakRecord& q = P[k - 1];
        if (!(x < p.m_Apex && x > q.m_Apex))
            return false;
        if (p.m_BaseStart == q.m_BaseEnd) {  // a shared valley on a common baseline
            const std::int32_t v =
                LevelAt(q.m_BaseStart, q.m_BaseStartValue, p.m_BaseEnd, p.m_BaseEndValue, x);
            q.m_End = q.m_BaseEnd = x;
            q.m_EndValue = S(x);
            q.m_BaseEndValue = v;
            p.m_Start = p.m_BaseStart = x;
            p.m_StartValue = S(x);
            p.m_BaseStartValue = v;
        } else if (p.m_Start == q.m_End) {  // touching peaks with baselines of their own
            q.m_End = x;
            p.m_Start = p.m_BaseStart = x;
            p.m_StartValue = p.m_BaseStartValue = S(x);
        } else {
            p.m_Start = p.m_BaseStart = x;
            p.m_StartValue = p.m_BaseStartValue = S(x);
        }
        return true;
    }

    bool MoveApex(std::int32_t x, std::size_t k, double minutes) {
        PeakRecord& p = P[k];
        if (x < p.m_Start || x > p.m_End)
            return false;
        p.m_Apex = x;
        p.m_ApexTime = minutes;
        p.m_ApexValue = S(x);
        return true;
    }

    bool MoveEnd(std::int32_t x, std::size_t k) {
        PeakRecord& p = P[k];
        if (x < p.m_Apex)
            return false;
        if (k + 1 == P.size()) {
            p.m_End = p.m_BaseEnd = x;
            p.m_EndValue = p.m_BaseEndValue = S(x);
            if (p.m_Flags & kTailingRider) {
                const std::size_t parent = FirstWith(kTailingParent);
                if (parent > 0 && parent < P.size() && P[parent].m_BaseEnd < x) {
                    P[parent].m_BaseEnd = x;
                    P[parent].m_BaseEndValue = S(x);
                }
            }
            return true;
        }
        if (!(x > p.m_Apex))
            return false;
        PeakRecord& n = P[k + 1];
        if (n.m_BaseStart == p.m_BaseEnd) {  // a shared valley
            const std::int32_t v =
                LevelAt(p.m_BaseStart, p.m_BaseStartValue, n.m_BaseEnd, n.m_BaseEndValue, x);
            p.m_End = p.m_BaseEnd = x;
            p.m_EndValue = S(x);
            p.m_BaseEndValue = v;
            n.m_Start = n.m_BaseStart = x;
            n.m_StartValue = S(x);
            n.m_BaseStartValue = v;
        } else if (n.m_Start == p.m_End) {  // touching peaks
            p.m_End = x;
            n.m_Start = n.m_BaseStart = x;
            n.m_StartValue = n.m_BaseStartValue = S(x);
        } else {
            p.m_End = p.m_BaseEnd = x;
            p.m_EndValue = p.m_BaseEndValue = S(x);
        }
        return true;
    }

    // Each peak from k to the last one starting before x gets a baseline of its own.
    bool ObliqueCut(std::int32_t x, std::size_t k) {
        const std::ptrdiff_t j = LastStartingBelow(x, k);
        if (j < static_cast<std::ptrdiff_t>(k))
            return false;
        for (std::size_t m = k; m <= static_cast<std::size_t>(j); ++m) {
            PeakRecord& p = P[m];
            p.m_Flags &= ~kSkimFlags;
            p.m_BaseStart = p.m_Start;
            p.m_BaseEnd = p.m_End;
            p.m_BaseStartValue = p.m_StartValue;
            p.m_BaseEndValue = p.m_EndValue;
        }
        return true;
    }

    // One common baseline with vertical drop lines at every valley.
    bool VerticalDrop(std::int32_t x, std::size_t k) {
        const std::ptrdiff_t j = LastStartingBelow(x, k);
        if (j <= static_cast<std::ptrdiff_t>(k))
            return false;
        const PeakRecord& last = P[static_cast<std::size_t>(j)];
        const BaseLine line = BaseLine::Through(P[k].m_BaseStart, P[k].m_BaseStartValue,
                                                last.m_BaseEnd, last.m_BaseEndValue);
        for (std::size_t m = k; m <= static_cast<std::size_t>(j); ++m) {
            PeakRecord& p = P[m];
            LayUnder(p, line);
            p.m_Flags = (p.m_Flags & ~kSkimFlags) | kStartsInValley | kEndsInValley;
        }
        return true;
    }

    // Peaks k+1..j are skimmed off the tail of peak k.
    bool RearTangent(std::int32_t x, std::size_t k) {
        if (k + 1 >= P.size())
            return false;
        const std::ptrdiff_t j = LastStartingBelow(x, k);
        if (j < static_cast<std::ptrdiff_t>(k + 1))
            return false;
        const auto last = static_cast<std::size_t>(j);
        PeakRecord& parent = P[k];
        parent.m_Flags |= kTailingParent;
        parent.m_BaseEnd = P[last].m_BaseEnd;
        parent.m_BaseEndValue = P[last].m_BaseEndValue;
        parent.m_EndValue = S(parent.m_BaseEnd);
        const BaseLine line = BaseLine::Through(P[k + 1].m_Start, P[k + 1].m_StartValue,
                                                P[last].m_End, P[last].m_EndValue);
        for (std::size_t m = k + 1; m <= last; ++m) {
            P[m].m_Flags |= kTailingRider;
            LayUnder(P[m], line);
        }
        return true;
    }

    // The peaks from the first one ending after x up to k-1 are skimmed off the front of k.
    bool FrontTangent(std::int32_t x, std::size_t k) {
        if (k == 0)
            return false;
        std::size_t first = 0;
        while (first < P.size() && !(P[first].m_End > x))
            ++first;
        if (first >= k)
            return false;
        PeakRecord& parent = P[k];
        parent.m_Flags |= kLeadingParent;
        parent.m_BaseStart = P[first].m_BaseStart;
        parent.m_BaseStartValue = P[first].m_BaseStartValue;
        parent.m_StartValue = S(parent.m_BaseStart);
        const BaseLine line = BaseLine::Through(P[first].m_Start, P[first].m_StartValue,
                                                P[k - 1].m_End, P[k - 1].m_EndValue);
        for (std::size_t m = first; m < k; ++m) {
            P[m].m_Flags |= kLeadingRider | kStartsInValley | kEndsInValley;
            LayUnder(P[m], line);
        }
        return true;
    }

    // A level baseline at the height where peak k's baseline starts, under k..j.
    bool ForcedBaseline(std::int32_t x, std::size_t k) {
        const std::ptrdiff_t j = LastStartingBelow(x, k);
        if (j < static_cast<std::ptrdiff_t>(k))
            return false;
        const std::int32_t level = P[k].m_BaseStartValue;
        for (std::size_t m = k; m <= static_cast<std::size_t>(j); ++m)
            P[m].m_BaseStartValue = P[m].m_BaseEndValue = level;
        return true;
    }

    // Refused when another peak's baseline point lies strictly inside the new span (and when
    // a peak read from a file is not a peak of these samples).
    bool AddPeak(const PeakRecord& peak) {
        const auto samples = static_cast<std::int64_t>(m_Doc.m_Samples.size());
        if (!(0 <= peak.m_Start && peak.m_Start <= peak.m_Apex && peak.m_Apex <= peak.m_End &&
              peak.m_End < samples && peak.m_Start < peak.m_End))
            return false;
        if (!m_Doc.NoBoundaryInside(peak.m_Start, peak.m_End))
            return false;
        P.insert(P.begin() + static_cast<std::ptrdiff_t>(InsertionIndex(peak)), peak);
        m_Doc.RenumberPeaks();
        return true;
    }

    // Before the first peak starting at or after the new one; at the end if none does.
    std::size_t InsertionIndex(const PeakRecord& peak) const {
        std::size_t at = 0;
        while (at < P.size() && P[at].m_Start < peak.m_Start)
            ++at;
        return at;
    }

private:
    std::int32_t S(std::int32_t i) const { return m_Doc.m_Samples.At(i); }

    // The level at x of the line through two baseline points, but the signal if lower.
    std::int32_t LevelAt(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                         std::int32_t x) const {
        return std::min(BaseLine::Through(x0, y0, x1, y1).At(x), S(x));
    }

    // The peak's own ends become its baseline ends, at the line's level or the signal's.
    void LayUnder(PeakRecord& p, const BaseLine& line) const {
        p.m_BaseStart = p.m_Start;
        p.m_BaseEnd = p.m_End;
        p.m_BaseStartValue = std::min(line.At(p.m_Start), S(p.m_Start));
        p.m_BaseEndValue = std::min(line.At(p.m_End), S(p.m_End));
    }

    std::size_t FirstWith(std::int32_t flag) const {
        std::size_t m = 0;
        while (m < P.size() && !(P[m].m_Flags & flag))
            ++m;
        return m;
    }

    // j of the baseline events: the last peak from k on whose start lies below x (k-1 if none).
    std::ptrdiff_t LastStartingBelow(std::int32_t x, std::size_t k) const {
        std::ptrdiff_t j = static_cast<std::ptrdiff_t>(k) - 1;
        for (std::size_t m = k; m < P.size(); ++m)
            if (P[m].m_Start < x)
                j = static_cast<std::ptrdiff_t>(m);
        return j;
    }

    CTzLabDoc& m_Doc;
    std::vector<PeakRecord>& P;
};

bool IsDispatched(std::int32_t type) {
    return (type >= kEventMoveStart && type <= kEventAddPeak) || type == kEventDeletePeak ||
           type == kEventNegativePeak;
}

}  // namespace

bool ApplyManualEvent(CTzLabDoc& doc, const ManualEvent& e) {
    const std::int32_t x = e.m_Param1;
    const std::int32_t k = e.m_Param2;
    const auto count = static_cast<std::int64_t>(doc.m_Peaks.size());
    // The view marks only indices inside the samples; an event read from a file that points
    // beyond them is refused like any other event that does not fit.
    const auto samples = static_cast<std::int64_t>(doc.m_Samples.size());
    if (x >= samples && e.m_Type != kEventDeletePeak && e.m_Type != kEventNegativePeak)
        return false;
    Editor editor(doc);
    switch (e.m_Type) {
        case kEventDeletePeak:
            return k >= 0 && k < count && DeletePeak(doc, k);
        case kEventNegativePeak:
            if (k < 0 || k >= count)
                return false;
            doc.m_Peaks[static_cast<std::size_t>(k)].m_Flags |= kNegativePeak;
            return true;
        case kEventAddPeak:
            // k records where the peak went in, for the event list's bookkeeping; the new peak
            // may go after the last one, so k may equal the number of peaks.
            return x >= 0 && k >= 0 && k <= count && editor.AddPeak(e.m_Peak);
        default:
            break;
    }
    if (x < 0 || k < 0 || k >= count)
        return false;
    const auto peak = static_cast<std::size_t>(k);
    switch (e.m_Type) {
        case kEventMoveStart:
            return editor.MoveStart(x, peak);
        case kEventMoveApex:
            return editor.MoveApex(x, peak, e.m_Time);
        case kEventMoveEnd:
            return editor.MoveEnd(x, peak);
        case kEventObliqueCut:
            return editor.ObliqueCut(x, peak);
        case kEventVerticalDrop:
            return editor.VerticalDrop(x, peak);
        case kEventRearTangent:
            return editor.RearTangent(x, peak);
        case kEventFrontTangent:
            return editor.FrontTangent(x, peak);
        case kEventForcedBaseline:
            return editor.ForcedBaseline(x, peak);
        default:
            return false;
    }
}

std::vector<std::size_t> ReplayManualEvents(CTzLabDoc& doc) {
    std::vector<std::size_t> refused;
    bool dispatched = false;
    for (std::size_t i = 0; i < doc.m_ManualEvents.size(); ++i) {
        const ManualEvent& e = doc.m_ManualEvents[i];
        if (!IsDispatched(e.m_Type))
            continue;
        dispatched = true;
        if (!ApplyManualEvent(doc, e))
            refused.push_back(i);
    }
    if (dispatched)
        RecomputePeaks(doc);
    return refused;
}

PeakRecord PeakOfSpan(const CTzLabDoc& doc, std::int32_t a, std::int32_t b) {
    PeakRecord p;
    p.m_Start = p.m_BaseStart = a;
    p.m_End = p.m_BaseEnd = b;
    p.m_StartValue = p.m_BaseStartValue = doc.m_Samples.At(a);
    p.m_EndValue = p.m_BaseEndValue = doc.m_Samples.At(b);
    p.m_Apex = a;
    for (std::int32_t i = a; i <= b; ++i)
        if (doc.m_Samples.At(i) > doc.m_Samples.At(p.m_Apex))
            p.m_Apex = i;
    p.m_ApexValue = doc.m_Samples.At(p.m_Apex);
    p.m_ApexTime = doc.SpanToMinutes(p.m_Apex);
    p.m_GroupSize = 1;
    return p;
}

bool EditPeaks(CTzLabDoc& doc, Prompter& prompter, ManualEventType type, std::int32_t x,
               std::int32_t k, std::int32_t spanEnd) {
    if (!IsDispatched(type))
        return false;
    ManualEvent e;
    e.m_Type = type;
    e.m_Param1 = x;
    e.m_Param2 = k;
    e.m_Time = doc.SpanToMinutes(x);
    if (type == kEventAddPeak) {
        if (x < 0 || spanEnd <= x || spanEnd >= static_cast<std::int64_t>(doc.m_Samples.size()))
            return false;
        e.m_Peak = PeakOfSpan(doc, x, spanEnd);
        e.m_Param2 = static_cast<std::int32_t>(Editor(doc).InsertionIndex(e.m_Peak));
    }
    // The edit is judged by the replay itself: applying it to the table on screen and
    // recomputing once would give, after two or more edits, a table that the next integration
    // of the saved file does not give (the replay recomputes once, after all events).
    std::vector<PeakRecord> shownPeaks = doc.m_Peaks;
    const std::int32_t shownUse = doc.m_UseManualEvents;
    doc.m_ManualEvents.push_back(e);
    doc.m_UseManualEvents = 1;
    const IntegrationReport report = Reintegrate(doc);
    const std::size_t newest = doc.m_ManualEvents.size() - 1;
    if (!report.refusedEvents.empty() && report.refusedEvents.back() == newest) {
        doc.m_ManualEvents.pop_back();
        doc.m_UseManualEvents = shownUse;
        doc.m_Peaks = std::move(shownPeaks);
        return false;
    }
    QuantifyIntegrated(doc, prompter);
    if (type == kEventDeletePeak ||
        doc.m_SelectedPeak >= static_cast<std::int64_t>(doc.m_Peaks.size()))
        doc.m_SelectedPeak = -1;
    return true;
}

std::string ManualEventText(std::int32_t type) {
    switch (type) {
        case kEventMoveStart:
            return Tr(texts::kMoveStartText);
        case kEventMoveApex:
            return Tr(texts::kMoveApexText);
        case kEventMoveEnd:
            return Tr(texts::kMoveEndText);
        case kEventObliqueCut:
            return Tr(texts::kObliqueCutText);
        case kEventVerticalDrop:
            return Tr(texts::kVerticalDropText);
        case kEventRearTangent:
            return Tr(texts::kRearTangentText);
        case kEventFrontTangent:
            return Tr(texts::kFrontTangentText);
        case kEventForcedBaseline:
            return Tr(texts::kForcedBaselineText);
        case kEventAddPeak:
            return Tr(texts::kAddPeakText);
        case kEventDeletePeak:
            return Tr(texts::kDeletePeakText);
        default:
            return "";  // 10 is never made; 12 has no text of its own
    }
}

std::array<std::string, 3> ManualEventRowTexts(const ManualEvent& event, std::size_t row) {
    return {Format("%d", static_cast<int>(row + 1)), ManualEventText(event.m_Type), ""};
}

bool DeleteManualEventRow(std::vector<ManualEvent>& events, std::size_t row) {
    if (row >= events.size())
        return false;
    const ManualEvent removed = events[row];
    events.erase(events.begin() + static_cast<std::ptrdiff_t>(row));
    const auto later = events.begin() + static_cast<std::ptrdiff_t>(row);
    const std::int32_t k = removed.m_Param2;
    if (removed.m_Type == kEventAddPeak) {
        // The added peak is gone: events on it go too, events on later peaks move down.
        events.erase(std::remove_if(later, events.end(),
                                    [&](const ManualEvent& e) { return e.m_Param2 == k; }),
                     events.end());
        for (auto it = events.begin() + static_cast<std::ptrdiff_t>(row); it != events.end(); ++it)
            if (it->m_Param2 > k)
                --it->m_Param2;
    } else if (removed.m_Type == kEventDeletePeak) {
        // The deleted peak is back: references from it on move up.
        for (auto it = later; it != events.end(); ++it)
            if (it->m_Param2 >= k)
                ++it->m_Param2;
    }
    return true;
}

}  // namespace lx
