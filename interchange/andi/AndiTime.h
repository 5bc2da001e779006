#pragma once
// The date-time stamps of ANDI/AIA files: "YYYYMMDDhhmmss±zzzz", the local time followed by its
// offset from UTC, so a file says both the lab's clock and the absolute moment.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lx {

// The stamp of `seconds` since 1970 UTC in this machine's time zone, e.g.
// "20240315093000+0800".
std::string AndiTimeStamp(std::int64_t seconds);

// Seconds since 1970 UTC of a stamp. The offset may be missing, as some writers leave it, and
// then the time is taken as this machine's local time; trailing blanks and NULs are ignored.
// Nothing when the text is not such a stamp or the moment does not fit the chromatogram's
// 32-bit creation date.
std::optional<std::int32_t> ParseAndiTimeStamp(std::string_view stamp);

}  // namespace lx
