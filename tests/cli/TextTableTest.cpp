// Terminal tables line up whatever mix of Chinese and Latin text their cells hold.
#include <gtest/gtest.h>

#include "cli/TextTable.h"

namespace lx::cli {
namespace {

TEST(TextTable, WidthsOfMixedText) {
    EXPECT_EQ(DisplayWidth(""), 0u);
    EXPECT_EQ(DisplayWidth("Area%"), 5u);
    EXPECT_EQ(DisplayWidth("第1点浓度"), 9u);
    EXPECT_EQ(DisplayWidth("µV"), 2u);                // two-byte UTF-8, one column
    EXPECT_EQ(DisplayWidth("，！"), 4u);              // full-width punctuation
    EXPECT_EQ(DisplayWidth("\xF0\xA0\x80\x80"), 2u);  // U+20000, four bytes
    EXPECT_EQ(DisplayWidth("\xE8"), 1u);              // a cut sequence counts, reads nothing beyond
}

TEST(TextTable, ColumnsLineUp) {
    EXPECT_EQ(
        TextTable({"序 号", "组  份  名", "a"}, {{"1", "苯", "601406"}, {"12", "二甲苯", "0"}}),
        "序 号  组  份  名  a\n"
        "1      苯          601406\n"
        "12     二甲苯      0\n");
}

}  // namespace
}  // namespace lx::cli
