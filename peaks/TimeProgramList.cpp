#include "peaks/TimeProgramList.h"

#include <algorithm>

#include "core/Format.h"
#include "peaks/PeakTexts.h"

namespace lx {

TimeProgramEntry NewTimeProgramEntry() {
    return {0.0, 3, 30.0, 0};
}

std::size_t InsertTimeProgramEntry(std::vector<TimeProgramEntry>& program,
                                   const TimeProgramEntry& entry) {
    auto at = std::find_if(program.begin(), program.end(),
                           [&](const TimeProgramEntry& e) { return e.m_Time > entry.m_Time; });
    const auto row = at - program.begin();
    program.insert(at, entry);
    return static_cast<std::size_t>(row);
}

bool EditTimeProgramEntry(std::vector<TimeProgramEntry>& program, std::size_t row,
                          const TimeProgramEntry& entry) {
    if (!DeleteTimeProgramEntry(program, row))
        return false;
    InsertTimeProgramEntry(program, entry);
    return true;
}

bool DeleteTimeProgramEntry(std::vector<TimeProgramEntry>& program, std::size_t row) {
    if (row >= program.size())
        return false;
    program.erase(program.begin() + static_cast<std::ptrdiff_t>(row));
    return true;
}

std::array<std::string, 5> TimeProgramRowTexts(const TimeProgramEntry& entry, std::size_t row) {
    return {Format("%d", static_cast<int>(row)), Format("%1.3f", entry.m_Time),
            Format("%d", entry.m_HalfWidth), Format("%1.2f", entry.m_Slope),
            Tr(entry.m_Forbid != 0 ? texts::kForbidIntegration : texts::kAllowIntegration)};
}

}  // namespace lx
