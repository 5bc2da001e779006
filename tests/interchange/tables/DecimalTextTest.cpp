// Numbers as other programs write them: what counts as one, how precise it says it is, and
// the exact scaling to whole microvolts.
#include <gtest/gtest.h>

#include <string>

#include "interchange/tables/DecimalText.h"

namespace lx {
namespace {

TEST(DecimalText, WhatCountsAsANumber) {
    for (const char* text : {"12", "-0.5", "+.25", "3.", "1.5e-3", "2E+06", "0.0000", "-0"}) {
        const auto number = ParseDecimal(text);
        ASSERT_TRUE(number) << text;
        EXPECT_EQ(number->m_Text, text);
    }
    EXPECT_EQ(ParseDecimal("1.5e-3")->m_Value, 0.0015);
    EXPECT_EQ(ParseDecimal("-0.5")->m_Value, -0.5);
    for (const char* text : {"", "-", ".", "e5", "1e", "1.2.3", "1,5", " 1", "1 ", "0x10", "inf",
                             "nan", "1e99999", "1e400", "12abc", "--1", "1e+"})
        EXPECT_FALSE(ParseDecimal(text)) << text;
}

TEST(DecimalText, ThePrecisionAsWritten) {
    // Our export writes minutes with four decimals: known to half of the last one.
    EXPECT_DOUBLE_EQ(ParseDecimal("0.0008")->HalfLastDigit(), 0.00005);
    EXPECT_DOUBLE_EQ(ParseDecimal("12")->HalfLastDigit(), 0.5);
    EXPECT_DOUBLE_EQ(ParseDecimal("1.50")->HalfLastDigit(), 0.005);
    EXPECT_DOUBLE_EQ(ParseDecimal("25e-4")->HalfLastDigit(), 0.00005);
    EXPECT_DOUBLE_EQ(ParseDecimal("3e2")->HalfLastDigit(), 50.0);
}

TEST(DecimalText, ScalesToWholeMicrovoltsExactly) {
    const auto scaled = [](const char* text, int shift) {
        return ScaleToInt32(*ParseDecimal(text), shift);
    };
    // 1.2345 mV is 1234.5 µV: as a double it is 1234.4999..., which would round down.
    EXPECT_EQ(scaled("1.2345", 3)->m_Value, 1235);
    EXPECT_TRUE(scaled("1.2345", 3)->m_Rounded);
    EXPECT_EQ(scaled("-1.2345", 3)->m_Value, -1235);  // half away from zero
    EXPECT_EQ(scaled("1.2344", 3)->m_Value, 1234);
    EXPECT_EQ(scaled("0.0004", 3)->m_Value, 0);  // 0.4 µV
    EXPECT_EQ(scaled("0.0000004", 6)->m_Value, 0);
    EXPECT_EQ(scaled("0.0000005", 6)->m_Value, 1);

    // What is already whole stays exact and says so.
    EXPECT_EQ(scaled("0.000123", 6)->m_Value, 123);
    EXPECT_FALSE(scaled("0.000123", 6)->m_Rounded);
    EXPECT_EQ(scaled("2.5", 6)->m_Value, 2500000);
    EXPECT_EQ(scaled("1e3", 3)->m_Value, 1000000);
    EXPECT_EQ(scaled("12.000", 0)->m_Value, 12);
    EXPECT_FALSE(scaled("12.000", 0)->m_Rounded);
    EXPECT_EQ(scaled("-0", 0)->m_Value, 0);

    // The ends of a 32-bit sample, and one past them.
    EXPECT_EQ(scaled("2147483647", 0)->m_Value, 2147483647);
    EXPECT_EQ(scaled("-2147483648", 0)->m_Value, -2147483647 - 1);
    EXPECT_FALSE(scaled("2147483648", 0));
    EXPECT_FALSE(scaled("2147.4836475", 6));  // rounds up past the end
    EXPECT_FALSE(scaled("1e20", 0));
    EXPECT_EQ(scaled("2147.4836474", 6)->m_Value, 2147483647);
}

TEST(DecimalText, DecimalCommas) {
    for (const char* text : {"12,5", "-0,003", "+1,0"})
        EXPECT_TRUE(IsDecimalComma(text)) << text;
    for (const char* text : {"12", "12.5", ",5", "5,", "1,2,3", "a,b", "1,5e3", ""})
        EXPECT_FALSE(IsDecimalComma(text)) << text;
}

}  // namespace
}  // namespace lx
