// Text at the file boundary: GBK bytes in files, UTF-8 in memory, nothing lost either way.
#include <gtest/gtest.h>

#include "core/CodePage936.h"

namespace lx {
namespace {

TEST(CodePage936, ChineseTextConvertsBothWays) {
    const std::string gbk = "\xB1\xBD 1.0\xA3\xAC\xD7\xCF\x20\xCD\xE2";  // 苯 1.0，紫 外
    EXPECT_EQ(DecodeGbk(gbk), "苯 1.0，紫 外");
    EXPECT_EQ(EncodeGbk("苯 1.0，紫 外"), gbk);
    EXPECT_EQ(EncodeGbk("(℃)"), "(\xA1\xE6)");
    EXPECT_EQ(DecodeGbk(std::string("a\0b", 3)), std::string("a\0b", 3));
}

// Bytes that are not GBK come back byte for byte: a lone lead byte, a lead byte at the end,
// the user-defined area, 0xFF.
TEST(CodePage936, UndecodableBytesRoundTrip) {
    for (const std::string& bytes :
         {std::string("\x81"), std::string("ab\xB1"), std::string("\xAA\xA1\xAA\xA2"),
          std::string("\xFF\xFF"), std::string("\xB1\xBD\x81\xB1\xBD"),
          std::string("\x80\xA2\xE3")}) {
        std::string utf8 = DecodeGbk(bytes);
        EXPECT_EQ(EncodeGbk(utf8), bytes) << utf8;
    }
    // Decodable parts stay readable around the escaped byte.
    std::string mixed = DecodeGbk("\xB1\xBD\x81 \xB1\xBD");
    EXPECT_EQ(mixed.substr(0, 3), "苯");
    EXPECT_EQ(mixed.substr(mixed.size() - 3), "苯");
}

TEST(CodePage936, WhatGbkCannotHoldBecomesAQuestionMark) {
    EXPECT_EQ(EncodeGbk("a😀b"), "a?b");
    EXPECT_EQ(EncodeGbk("x\xC3"), "x?");  // a cut UTF-8 sequence
}

}  // namespace
}  // namespace lx
