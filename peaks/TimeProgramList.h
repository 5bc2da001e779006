#pragma once
// The time program as its page edits it: a list kept sorted by time, entries of equal time in
// the order they were entered.

#include <array>
#include <string>
#include <vector>

#include "core/IntegrationParams.h"

namespace lx {

// What "增加" offers: time 0.0, half width 3, slope 30.0, integration allowed.
TimeProgramEntry NewTimeProgramEntry();

// Inserts after every entry of equal or smaller time; returns the entry's row.
std::size_t InsertTimeProgramEntry(std::vector<TimeProgramEntry>& program,
                                   const TimeProgramEntry& entry);

// Replaces row `row` by `entry`, re-sorted by the same rule; false (nothing changed) when the
// row does not exist.
bool EditTimeProgramEntry(std::vector<TimeProgramEntry>& program, std::size_t row,
                          const TimeProgramEntry& entry);

bool DeleteTimeProgramEntry(std::vector<TimeProgramEntry>& program, std::size_t row);

// The list's cells: row number (from 0), time, half width, slope, event.
std::array<std::string, 5> TimeProgramRowTexts(const TimeProgramEntry& entry, std::size_t row);

}  // namespace lx
