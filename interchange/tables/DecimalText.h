#pragma once
// A number as another program wrote it in a text file, kept exact: converting millivolts to
// microvolts through a double would turn 1.2345 mV into 1234.4999... µV and round it the
// wrong way, and the digits a time was written with say how precise it is.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lx {

struct DecimalText {
    std::string m_Text;  // as written
    bool m_Negative = false;
    std::string m_Digits;  // significant digits, no leading zeros; empty for zero
    int m_Exponent = 0;    // the value is (-)m_Digits x 10^m_Exponent
    double m_Value = 0.0;  // the nearest double

    // Half a unit of the last digit written: "0.0008" is known to +-0.00005, "12" to +-0.5.
    double HalfLastDigit() const;
};

// "12", "-0.5", "+.25", "3.", "1.5e-3", "2E+06": a decimal point, no thousands separators, no
// spaces, nothing before or after. Infinities, NaN, hexadecimal and numbers beyond a double's
// range are no numbers here.
std::optional<DecimalText> ParseDecimal(std::string_view text);

// "12,5", "-0,003": what a program writing a decimal comma makes of a number.
bool IsDecimalComma(std::string_view text);

// The number x 10^shift as a whole number, rounded half away from zero: nothing when it lies
// beyond a 32-bit integer. `rounded` says whether digits were dropped.
struct WholeNumber {
    std::int32_t m_Value = 0;
    bool m_Rounded = false;
};
std::optional<WholeNumber> ScaleToInt32(const DecimalText& number, int shift);

}  // namespace lx
