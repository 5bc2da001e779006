// Rich text: whatever characters a report holds come back out of the RTF, read by a small
// reader of the format's text rules, and the document's tables say what the sections use.
#include <gtest/gtest.h>

#include <random>

#include "core/CodePage936.h"
#include "report/RtfText.h"

namespace lx {
namespace {

std::string Utf8(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

// The text of RTF body content as a reader sees it: \uN with one fallback character skipped,
// \'hh as a code page 936 byte, \line as a line break, \tab as a tab, escaped symbols, and
// the groups of the font table, colour table and pictures left out.
std::string ReadRtfText(const std::string& rtf) {
    std::string text, gbk;
    std::u16string units;
    auto flushUnits = [&] {
        for (std::size_t i = 0; i < units.size(); ++i) {
            char32_t c = units[i];
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size())
                c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
            text += Utf8(c);
        }
        units.clear();
    };
    int skipDepth = -1, depth = 0;
    for (std::size_t i = 0; i < rtf.size();) {
        const char c = rtf[i];
        if (c == '{' || c == '}') {
            depth += c == '{' ? 1 : -1;
            if (skipDepth > depth)
                skipDepth = -1;
            ++i;
            continue;
        }
        const bool skipping = skipDepth >= 0;
        if (c == '\\') {
            const char n = rtf[i + 1];
            if (n == '\\' || n == '{' || n == '}') {
                if (!skipping) {
                    flushUnits();
                    text += n;
                }
                i += 2;
                continue;
            }
            if (n == '\'') {
                gbk += static_cast<char>(std::stoi(rtf.substr(i + 2, 2), nullptr, 16));
                i += 4;
                continue;
            }
            std::size_t j = i + 1;
            while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j])))
                ++j;
            const std::string word = rtf.substr(i + 1, j - i - 1);
            std::size_t k = j;
            if (k < rtf.size() &&
                (rtf[k] == '-' || std::isdigit(static_cast<unsigned char>(rtf[k]))))
                ++k;
            while (k < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[k])))
                ++k;
            const std::string number = rtf.substr(j, k - j);
            if (k < rtf.size() && rtf[k] == ' ')
                ++k;  // the delimiter belongs to the word
            i = k;
            if (word == "fonttbl" || word == "colortbl" || word == "pict")
                skipDepth = depth;
            if (skipping)
                continue;
            if (word == "u") {
                units += static_cast<char16_t>(static_cast<std::uint16_t>(std::stoi(number)));
                ++i;  // \uc1: one fallback character
            } else if (word == "line" || word == "par") {
                flushUnits();
                text += "\n";
            } else if (word == "tab") {
                flushUnits();
                text += "\t";
            }
            continue;
        }
        if (!skipping && c != '\n' && c != '\r') {
            flushUnits();
            text += c;
        }
        ++i;
    }
    flushUnits();
    return text;
}

TEST(RtfText, AnyTextComesBackOutOfTheRtf) {
    // Chinese, ASCII with the RTF specials, line breaks and tabs, other controls (left out),
    // a character beyond 16 bits (two UTF-16 units) and bytes that are no UTF-8 (left out).
    const std::vector<std::string> pieces{
        "苯", "甲苯", "℃",  "µV", "━",    "a",    "Z",    " ",           "\\",   "{",   "}",
        ";",  "?",    "\n", "\t", "\x01", "\x1f", "\x7f", Utf8(0x1F9EA), "\xff", "\xc3"};
    std::mt19937 random(20261206);
    for (int trial = 0; trial < 2000; ++trial) {
        std::string text, expected;
        const int length = static_cast<int>(random() % 40);
        for (int k = 0; k < length; ++k) {
            const std::string& piece = pieces[random() % pieces.size()];
            text += piece;
            const unsigned char first = static_cast<unsigned char>(piece[0]);
            const bool dropped = (first < 0x20 && piece != "\n" && piece != "\t") ||
                                 first == 0x7F || piece == "\xff" || piece == "\xc3";
            if (!dropped)
                expected += piece;
        }
        const std::string escaped = RtfEscape(text);
        for (unsigned char b : escaped)
            ASSERT_LT(b, 0x80) << "RTF bodies are 7-bit: " << escaped;
        ASSERT_EQ(ReadRtfText("{" + escaped + "}"), expected) << "trial " << trial;
    }
}

TEST(RtfText, TheDocumentNamesItsFontsColoursAndAlignments) {
    RtfDocument rtf;
    LogFont song = LogFont::OfHeight(-10);  // "宋体"
    LogFont arial = LogFont::OfHeight(-16);
    arial.faceName = "Arial";
    arial.weight = 700;
    rtf.Paragraph("标题", arial, 0x0000FF, 1);
    rtf.Paragraph("正文", song, 0, 0);
    rtf.Paragraph("右", song, 0xFF0000, 2);
    rtf.Picture({0x89, 0x50, 0x4E, 0x47}, 4, 3, 6803, 4535, 1);
    const std::string text = rtf.Text();
    EXPECT_EQ(text.rfind("{\\rtf1\\ansi\\ansicpg936", 0), 0u);
    // 宋体 in code page 936 is CB CE CC E5.
    EXPECT_NE(text.find("{\\fonttbl{\\f0\\fnil\\fcharset134 Arial;}{\\f1\\fnil\\fcharset134 "
                        "\\'cb\\'ce\\'cc\\'e5;}}"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue0;\\red0\\green0"
                        "\\blue255;}"),
              std::string::npos)
        << text;
    // -16 px is 12 pt, 24 half points; -10 px 7.5 pt, 15 half points.
    EXPECT_NE(text.find("\\pard\\qc\\f0\\fs24\\cf1\\b"), std::string::npos);
    EXPECT_NE(text.find("\\pard\\ql\\f1\\fs15\\cf2\\b0"), std::string::npos);
    EXPECT_NE(text.find("\\pard\\qr\\f1\\fs15\\cf3"), std::string::npos);
    EXPECT_NE(text.find("{\\pict\\pngblip\\picw4\\pich3\\picwgoal6803\\pichgoal4535\n89504e47}"),
              std::string::npos);
    EXPECT_EQ(ReadRtfText(text), "标题\n正文\n右\n\n");
}

}  // namespace
}  // namespace lx
