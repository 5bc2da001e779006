#include "interchange/tables/DecimalText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace lx {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits from `at` on; returns how many.
std::size_t TakeDigits(std::string_view text, std::size_t& at, std::string& into) {
    const std::size_t from = at;
    while (at < text.size() && IsDigit(text[at]))
        into += text[at++];
    return at - from;
}

}  // namespace

double DecimalText::HalfLastDigit() const {
    return 0.5 * std::pow(10.0, m_Exponent);
}

std::optional<DecimalText> ParseDecimal(std::string_view text) {
    DecimalText number;
    number.m_Text = text;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        number.m_Negative = text[at++] == '-';
    std::string digits;
    const std::size_t whole = TakeDigits(text, at, digits);
    std::size_t fraction = 0;
    if (at < text.size() && text[at] == '.') {
        ++at;
        fraction = TakeDigits(text, at, digits);
    }
    if (whole + fraction == 0)
        return std::nullopt;
    long exponent = 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        const bool negative = at < text.size() && text[at] == '-';
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
        std::string exponentDigits;
        // A double ends near 1e308; longer exponents are no number's.
        if (TakeDigits(text, at, exponentDigits) == 0 || exponentDigits.size() > 4)
            return std::nullopt;
        exponent = std::stol(exponentDigits) * (negative ? -1 : 1);
    }
    if (at != text.size())
        return std::nullopt;

    // The double from the same text, so it is the nearest one; from_chars takes no '+'.
    const std::string_view magnitudeText = text.substr(text[0] == '+' || text[0] == '-' ? 1 : 0);
    double magnitude = 0.0;
    const auto parsed = std::from_chars(magnitudeText.data(),
                                        magnitudeText.data() + magnitudeText.size(), magnitude);
    if (parsed.ec != std::errc() || !std::isfinite(magnitude))
        return std::nullopt;
    number.m_Value = number.m_Negative ? -magnitude : magnitude;

    number.m_Exponent = static_cast<int>(exponent - static_cast<long>(fraction));
    const auto first = digits.find_first_not_of('0');
    number.m_Digits = first == std::string::npos ? std::string() : digits.substr(first);
    return number;
}

bool IsDecimalComma(std::string_view text) {
    if (!text.empty() && (text[0] == '+' || text[0] == '-'))
        text.remove_prefix(1);
    const auto comma = text.find(',');
    if (comma == std::string_view::npos || comma == 0 || comma + 1 == text.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i != comma && !IsDigit(text[i]))
            return false;
    return true;
}

std::optional<WholeNumber> ScaleToInt32(const DecimalText& number, int shift) {
    WholeNumber result;
    if (number.m_Digits.empty())
        return result;
    // The digits that stay in front of the point, and the first digit dropped.
    const long kept = static_cast<long>(number.m_Digits.size()) + number.m_Exponent + shift;
    if (kept > 10)  // more digits than 2147483647 has
        return std::nullopt;
    std::int64_t magnitude = 0;
    for (long i = 0; i < kept; ++i)
        magnitude = magnitude * 10 +
                    (i < static_cast<long>(number.m_Digits.size()) ? number.m_Digits[i] - '0' : 0);
    const std::size_t dropped = static_cast<std::size_t>(std::max(0L, kept));
    result.m_Rounded = number.m_Digits.find_first_not_of('0', dropped) != std::string::npos;
    // Only the first dropped digit decides: half away from zero. Before the point's first
    // place (kept < 0) every dropped digit is below a half.
    if (kept >= 0 && dropped < number.m_Digits.size() && number.m_Digits[dropped] >= '5')
        ++magnitude;
    const std::int64_t value = number.m_Negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max() ||
        value < std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    result.m_Value = static_cast<std::int32_t>(value);
    return result;
}

}  // namespace lx
