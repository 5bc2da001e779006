#pragma once
// Corrections an operator makes to the automatic integration: move a start, apex or end,
// impose a baseline, add, delete or negate a peak. Each is applied to the peak table at once
// and recorded in the chromatogram's event list, which every later integration replays in
// order, so a correction survives parameter changes.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/CTzLabDoc.h"
#include "core/Prompter.h"

namespace lx {

enum ManualEventType : std::int32_t {
    kEventMoveStart = 1,
    kEventMoveApex = 2,
    kEventMoveEnd = 3,
    kEventObliqueCut = 4,
    kEventVerticalDrop = 5,
    kEventRearTangent = 6,
    kEventFrontTangent = 7,
    kEventForcedBaseline = 8,
    kEventAddPeak = 9,
    kEventDeletePeak = 11,
    kEventNegativePeak = 12,
};

// Applies one event's operation to the table; false when the operation rejects its arguments
// (nothing changed) or the type is not one that is dispatched. Only deleting a peak
// recomputes the table here, as deleting a peak always does.
bool ApplyManualEvent(CTzLabDoc& doc, const ManualEvent& event);

// Pipeline step 7: every event in list order, then RecomputePeaks() if any was dispatched.
// Returns the list positions of the events whose operation refused them, in order.
std::vector<std::size_t> ReplayManualEvents(CTzLabDoc& doc);

// What the view and the command line do: an edit of `type` at sample index `x` on the
// selected peak `k` (for adding a peak, the marked span x..spanEnd). The event is appended to
// the list (switching replay on) and the chromatogram integrated again, automatic pass and
// replay, so the table shown is always the one that integrating the saved file gives; then,
// with a project, quantified again (its messages going to `prompter`), else contents are area
// fractions. When the replay refuses the new event (it does not fit the table it meets), the
// event is not kept and the chromatogram is left as it was. Returns whether it was accepted.
bool EditPeaks(CTzLabDoc& doc, Prompter& prompter, ManualEventType type, std::int32_t x,
               std::int32_t k, std::int32_t spanEnd = -1);

// The peak that adding the span a..b would insert: its ends, and its apex at the highest
// sample of the span.
PeakRecord PeakOfSpan(const CTzLabDoc& doc, std::int32_t a, std::int32_t b);

// The event list page ("手动积分"): row texts (number from 1, event text, empty time).
std::string ManualEventText(std::int32_t type);
std::array<std::string, 3> ManualEventRowTexts(const ManualEvent& event, std::size_t row);

// Removes row `row`, keeping the peak indices of later events true: removing an add-a-peak
// event also removes the later events on that peak and moves later references down by one;
// removing a delete-a-peak event moves later references to later peaks up by one. False when
// the row does not exist.
bool DeleteManualEventRow(std::vector<ManualEvent>& events, std::size_t row);

}  // namespace lx
