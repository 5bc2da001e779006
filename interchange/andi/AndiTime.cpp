#include "interchange/andi/AndiTime.h"

#include <cstdlib>
#include <ctime>
#include <limits>

#include "core/Format.h"

namespace lx {
namespace {

// The number of `n` digits at `at`, or -1 when they are not all digits.
int Digits(std::string_view s, std::size_t at, std::size_t n) {
    int v = 0;
    for (std::size_t i = at; i < at + n; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return -1;
        v = v * 10 + (s[i] - '0');
    }
    return v;
}

}  // namespace

std::string AndiTimeStamp(std::int64_t seconds) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&t, &local);
    const long offset = local.tm_gmtoff / 60;  // minutes east of UTC
    const long magnitude = std::labs(offset);
    return Format("%04d%02d%02d%02d%02d%02d%c%02ld%02ld", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, offset < 0 ? '-' : '+',
                  magnitude / 60, magnitude % 60);
}

std::optional<std::int32_t> ParseAndiTimeStamp(std::string_view stamp) {
    while (!stamp.empty() && (stamp.back() == ' ' || stamp.back() == '\0'))
        stamp.remove_suffix(1);
    if (stamp.size() != 14 && stamp.size() != 19)
        return std::nullopt;
    std::tm tm{};
    tm.tm_year = Digits(stamp, 0, 4) - 1900;
    tm.tm_mon = Digits(stamp, 4, 2) - 1;
    tm.tm_mday = Digits(stamp, 6, 2);
    tm.tm_hour = Digits(stamp, 8, 2);
    tm.tm_min = Digits(stamp, 10, 2);
    tm.tm_sec = Digits(stamp, 12, 2);
    if (tm.tm_year < -1900 || tm.tm_mon < 0 || tm.tm_mon > 11 || tm.tm_mday < 1 ||
        tm.tm_mday > 31 || tm.tm_hour < 0 || tm.tm_hour > 23 || tm.tm_min < 0 || tm.tm_min > 59 ||
        tm.tm_sec < 0 || tm.tm_sec > 60)
        return std::nullopt;
    std::int64_t seconds = 0;
    if (stamp.size() == 19) {
        const char sign = stamp[14];
        const int hours = Digits(stamp, 15, 2), minutes = Digits(stamp, 17, 2);
        if ((sign != '+' && sign != '-') || hours < 0 || hours > 14 || minutes < 0 || minutes > 59)
            return std::nullopt;
        const int offset = (hours * 60 + minutes) * 60 * (sign == '-' ? -1 : 1);
        seconds = static_cast<std::int64_t>(timegm(&tm)) - offset;
    } else {
        tm.tm_isdst = -1;
        seconds = static_cast<std::int64_t>(std::mktime(&tm));
    }
    if (seconds < std::numeric_limits<std::int32_t>::min() ||
        seconds > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(seconds);
}

}  // namespace lx
