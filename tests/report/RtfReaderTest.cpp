// Reading rich text: hand-written RTF as word processors write it, the workstation's own report
// files, and bytes that are no RTF or try to exhaust the reader.
#include <gtest/gtest.h>

#include <random>

#include "core/Format.h"
#include "core/Language.h"
#include "report/RtfReader.h"
#include "report/RtfTexts.h"
#include "tests/support/SpeakLanguage.h"
#include "tests/support/TempDir.h"

namespace lx {
namespace {

RtfContent Parse(const std::string& rtf, const RtfLimits& limits = {}) {
    Result<RtfContent> content = ParseRtf(rtf, limits);
    EXPECT_TRUE(content.ok()) << content.error() << "\n" << rtf;
    return content.ok() ? content.value() : RtfContent{};
}

std::string Error(const std::string& rtf, const RtfLimits& limits = {}) {
    Result<RtfContent> content = ParseRtf(rtf, limits);
    EXPECT_FALSE(content.ok()) << rtf;
    return content.ok() ? std::string() : content.error();
}

// The text of every paragraph, one line each, pictures as "[picture]".
std::string Texts(const RtfContent& content) {
    std::string text;
    for (const RtfParagraph& p : content.paragraphs) {
        for (const RtfRun& run : p.runs)
            text += run.picture ? "[picture]" : run.text;
        text += "|";
    }
    return text;
}

// Everything a content holds, readable in a failure message.
std::string Dump(const RtfContent& c) {
    std::string d =
        Format("page %d %d %d %d %d %d\n", c.page.paperWidth, c.page.paperHeight, c.page.margins[0],
               c.page.margins[1], c.page.margins[2], c.page.margins[3]);
    for (const RtfParagraph& p : c.paragraphs) {
        d += Format("paragraph %d\n", p.align);
        for (const RtfRun& r : p.runs) {
            const RtfCharFormat& f = r.format;
            d += Format("  [%s %d %d%d%d %d] \"%s\"", f.face.c_str(), f.halfPoints, f.bold,
                        f.italic, f.underline, f.colour.value_or(-1), r.text.c_str());
            if (const auto& pic = r.picture)
                d += Format(" picture %d %zu bytes %dx%d px %dx%d twips", int(pic->kind),
                            pic->bytes.size(), pic->pixelWidth, pic->pixelHeight, pic->widthTwips,
                            pic->heightTwips);
            d += "\n";
        }
    }
    return d;
}

RtfCharFormat Style(const char* face, int halfPoints, bool bold = false, bool italic = false,
                    bool underline = false, std::optional<std::int32_t> colour = {}) {
    return {face, halfPoints, bold, italic, underline, colour};
}

TEST(RtfReader, ReadsWhatWordProcessorsWrite) {
    // As WordPad saves a Chinese document: GBK font names and text, a style sheet and the
    // generator to skip, \uc1 with its fallback, formats switched inside a paragraph.
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052"
        "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1\\fswiss\\fcharset0 "
        "Arial;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}\r\n"
        "{\\stylesheet{\\s0 Normal;}}{\\info{\\author \\'d5\\'c5}}"
        "{\\*\\generator Riched20 10.0.19041;}\\viewkind4\\uc1 \r\n"
        "\\pard\\sa200\\sl276\\slmult1\\qc\\cf1\\b\\f0\\fs32\\'b1\\'ea\\'cc\\'e2\\cf0\\b0\\f1"
        "\\fs22\\par\r\n"
        "\\pard\\f0\\'d5\\'fd\\i\\'ce\\'c4\\i0  plain \\ul under\\ulnone\\cf2\\u-32017?\\par\r\n"
        "\\pard\\qr\\plain last\r\n}";
    const RtfContent c = Parse(rtf);
    ASSERT_EQ(c.paragraphs.size(), 3u);
    const RtfParagraph& title = c.paragraphs[0];
    EXPECT_EQ(title.align, kAlignCentre);
    ASSERT_EQ(title.runs.size(), 1u);
    EXPECT_EQ(title.runs[0].text, "标题");
    EXPECT_EQ(title.runs[0].format, Style("宋体", 32, true, false, false, 0x0000FF));

    const RtfParagraph& body = c.paragraphs[1];
    EXPECT_EQ(body.align, kAlignLeft);
    ASSERT_EQ(body.runs.size(), 5u);
    EXPECT_EQ(body.runs[0].text, "正");
    EXPECT_EQ(body.runs[0].format, Style("宋体", 22));
    EXPECT_EQ(body.runs[1].text, "文");
    EXPECT_EQ(body.runs[1].format, Style("宋体", 22, false, true));
    EXPECT_EQ(body.runs[2].text, " plain ");  // the first space delimits \i0
    EXPECT_EQ(body.runs[3].text, "under");
    EXPECT_TRUE(body.runs[3].format.underline);
    EXPECT_EQ(body.runs[4].text, "苯");  // \u-32017 is U+82EF; "?" is its fallback
    EXPECT_EQ(body.runs[4].format.colour, 0x008000);

    EXPECT_EQ(c.paragraphs[2].align, kAlignRight);
    EXPECT_EQ(c.paragraphs[2].runs.at(0).format, Style("宋体", 24));  // \plain: \deff0, 12 pt
    EXPECT_EQ(Texts(c), "标题|正文 plain under苯|last|");
    EXPECT_EQ(c.page, RtfPage{});  // the file names no page
}

TEST(RtfReader, CharactersInEveryWayRtfSpellsThem) {
    const auto text = [](const std::string& body) {
        return Texts(Parse("{\\rtf1\\ansi" + body + "}"));
    };
    // Code page 1252 by default, 936 when \ansicpg or the font's charset says so; 8-bit bytes
    // as the escaped ones, a second byte of a Chinese character even when it is plain ASCII.
    EXPECT_EQ(text(" caf\\'e9 \\'80 \\'93q\\'94 \xe9"), "café € “q” é|");
    EXPECT_EQ(text("\\ansicpg936 \\'b1\\'bd\xb1\xbd\\'81@"), "苯苯丂|");
    EXPECT_EQ(text("{\\fonttbl{\\f3\\fcharset134 X;}}\\f3\\'bc\\'d7"), "甲|");
    // \uN with \ucN fallback characters (an escaped byte counts as one), surrogate pairs, and
    // a lone surrogate dropped.
    EXPECT_EQ(text("\\uc2\\u33519\\'b1\\'bd!\\uc0\\u33519 x\\uc1\\u-10178?\\u-8726?\\u55358?."),
              "苯!苯x\U0001F9EA.|");
    // Symbols and the words that stand for a character; a backslash before a line end is a
    // paragraph mark; plain line ends are nothing.
    EXPECT_EQ(text(" a\\{b\\}c\\\\d\\~e\\_f\\-g\\emdash\\bullet\\lquote x\\rquote\\line y\\tab z"),
              "a{b}c\\d\u00A0e\u2011fg\u2014\u2022\u2018x\u2019\ny\tz|");
    EXPECT_EQ(text(" one\\\ntwo\r\nthree"), "one|twothree|");
    // Control characters are dropped, as the writer drops them.
    EXPECT_EQ(text(" a\\u1?\\'01\x01\\u127?b"), "ab|");
    // Destinations marked \* that we do not know, and unknown words, leave no text.
    EXPECT_EQ(
        text(" a{\\*\\bkmkstart x}{\\*\\unknown {nested} text}b\\foo123 c{\\field{\\*\\fldinst"
             " HYPERLINK}{\\fldrslt link}}"),
        "abclink|");
}

TEST(RtfReader, PicturesAndThePage) {
    const std::string png = "89504e470d0a1a0a";
    const RtfContent c = Parse(
        "{\\rtf1\\paperw12240\\paperh15840\\margl1800\\margr1700\\margt1440\\margb1000"
        // A PNG shown at its goal halved by the scale.
        "\\pard\\qc{\\pict\\pngblip\\picw4\\pich3\\picwgoal2000\\pichgoal1000\\picscalex50\n" +
        png +
        "}\\par"
        // Word's pair: the shape picture is read, its metafile stand-in is not; without a goal
        // the pixels are taken at 96 dpi.
        "{\\*\\shppict{\\pict{\\*\\picprop{\\sp{\\sn x}}}\\jpegblip\\picw10\\pich20 ffd8ffe0}}"
        "{\\nonshppict{\\pict\\wmetafile8\\picw10\\pich20 0102}}"
        // Raw bytes after \bin, an odd last hex digit dropped, an unsupported kind skipped.
        "{\\pict\\pngblip\\bin3 \x01}\x02}"
        "{\\pict\\pngblip abc}"
        "{\\pict\\emfblip 0102}\\par}");
    EXPECT_EQ(c.page.paperWidth, 12240);
    EXPECT_EQ(c.page.paperHeight, 15840);
    EXPECT_EQ(c.page.margins, (std::array<std::int32_t, 4>{1800, 1440, 1700, 1000}));
    ASSERT_EQ(c.paragraphs.size(), 2u);
    EXPECT_EQ(c.paragraphs[0].align, kAlignCentre);
    ASSERT_EQ(c.paragraphs[0].runs.size(), 1u);
    const RtfPicture& first = *c.paragraphs[0].runs[0].picture;
    EXPECT_EQ(first.kind, RtfPicture::Kind::Png);
    EXPECT_EQ(first.bytes,
              (std::vector<std::uint8_t>{0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A}));
    EXPECT_EQ(first.pixelWidth, 4);
    EXPECT_EQ(first.pixelHeight, 3);
    EXPECT_EQ(first.widthTwips, 1000);
    EXPECT_EQ(first.heightTwips, 1000);

    const std::vector<RtfRun>& runs = c.paragraphs[1].runs;
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].picture->kind, RtfPicture::Kind::Jpeg);
    EXPECT_EQ(runs[0].picture->bytes, (std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0xE0}));
    EXPECT_EQ(runs[0].picture->widthTwips, 150);
    EXPECT_EQ(runs[0].picture->heightTwips, 300);
    EXPECT_EQ(runs[1].picture->bytes, (std::vector<std::uint8_t>{0x01, '}', 0x02}));
    EXPECT_EQ(runs[2].picture->bytes, (std::vector<std::uint8_t>{0xAB}));
}

TEST(RtfReader, HostileBytesEndInAMessageOrWhatCouldBeRead) {
    test::SpeakLanguage chinese(Language::Chinese);
    EXPECT_EQ(Error(""), Tr(texts::kRtfReasonNotRtf));
    EXPECT_EQ(Error("plain text"), Tr(texts::kRtfReasonNotRtf));
    EXPECT_EQ(Error("}{\\rtf1 x}"), Tr(texts::kRtfReasonNotRtf));

    // Closing braces missing: the text up to the end; too many: the rest is ignored.
    EXPECT_EQ(Texts(Parse("{\\rtf1 {\\b abc")), "abc|");
    EXPECT_EQ(Texts(Parse("{\\rtf1 a}}}} b{")), "a|");
    // Cut off inside an escape, a word or a \bin.
    for (const char* cut : {"{\\rtf1 a\\'4", "{\\rtf1 a\\'", "{\\rtf1 a\\", "{\\rtf1 a\\u",
                            "{\\rtf1 a\\u-", "{\\rtf1 a\\'b1", "{\\rtf1 a{\\pict\\pngblip 8"})
        EXPECT_EQ(Texts(Parse(cut)).substr(0, 1), "a") << cut;
    // A \bin longer than the file takes what is there and no more.
    EXPECT_EQ(Texts(Parse("{\\rtf1 a{\\pict\\pngblip\\bin2147483647 abc}}")), "a|");
    EXPECT_EQ(Texts(Parse("{\\rtf1 a\\bin99999999999999999999 b}")), "a|");
    EXPECT_EQ(Texts(Parse("{\\rtf1 a\\bin-5 b}")), "ab|");
    // Parameters beyond 32 bits and skips beyond reason are capped.
    const RtfContent big = Parse(
        "{\\rtf1\\fs99999999999999999999 a\\fs-4 b\\uc99999\\u33519 "
        "12345678901234567890}");
    EXPECT_EQ(big.paragraphs.at(0).runs.at(0).format.halfPoints, 3276);
    EXPECT_EQ(big.paragraphs.at(0).runs.at(1).format.halfPoints, 24);
    EXPECT_EQ(Texts(big), "ab苯7890|");

    // Nesting, pictures and content beyond the limits are refused before they are kept.
    EXPECT_EQ(Error("{\\rtf1 " + std::string(100000, '{') + "x"), Tr(texts::kRtfReasonNesting));
    RtfLimits small;
    small.maxDepth = 3;
    small.maxPictureBytes = 4;
    small.maxContentBytes = 2000;
    EXPECT_EQ(Texts(Parse("{\\rtf1{{x}}}", small)), "x|");
    EXPECT_EQ(Error("{\\rtf1{{{x}}}}", small), Tr(texts::kRtfReasonNesting));
    EXPECT_EQ(Texts(Parse("{\\rtf1{\\pict\\pngblip 01020304}}", small)), "[picture]|");
    EXPECT_EQ(Error("{\\rtf1{\\pict\\pngblip 0102030405}}", small), Tr(texts::kRtfReasonPicture));
    EXPECT_EQ(Error("{\\rtf1{\\pict\\pngblip\\bin5 12345}}", small), Tr(texts::kRtfReasonPicture));
    EXPECT_EQ(Error("{\\rtf1 " + std::string(3000, 'x') + "}", small),
              Tr(texts::kRtfReasonContent));
    std::string paragraphs = "{\\rtf1 ";
    for (int k = 0; k < 1000; ++k)
        paragraphs += "\\par";
    EXPECT_EQ(Error(paragraphs, small), Tr(texts::kRtfReasonContent));
    std::string runs = "{\\rtf1 ";
    for (int k = 0; k < 200; ++k)
        runs += "\\b x\\b0 x";
    EXPECT_EQ(Error(runs, small), Tr(texts::kRtfReasonContent));
}

// A content with every kind of thing the writer and reader carry.
RtfContent Sample() {
    RtfContent c;
    c.page.paperWidth = 12240;
    c.page.margins = {567, 1000, 1440, 0};
    RtfParagraph title{kAlignCentre, {}};
    title.runs.push_back({Style("黑体", 36, true, false, false, 0x0000FF), "分析报告", {}});
    title.runs.push_back({Style("Arial", 20, false, true, true), " {x;y}\\ ", {}});
    RtfParagraph body{kAlignJustified, {}};
    body.runs.push_back({Style("a;b{c}\\d", 2), "line\nbreak\ttab 苯 \U0001F9EA", {}});
    body.runs.push_back({Style("宋体", 24, false, false, false, 0), "black", {}});
    body.runs.push_back(
        {{}, {}, RtfPicture{RtfPicture::Kind::Jpeg, {0xFF, 0xD8, 0x00}, 5, 6, 75, 90}});
    body.runs.push_back({Style("", 3276, true, true, true, 0xFFFFFF), "after", {}});
    c.paragraphs = {title, RtfParagraph{kAlignRight, {}}, body};
    return c;
}

TEST(RtfReader, WhatTheWriterWritesReadsBackTheSame) {
    const RtfContent c = Sample();
    EXPECT_EQ(Parse(RtfOf(c)), c) << RtfOf(c);
}

// Any damage to a report either fails with a message or reads as something that writes and
// reads back unchanged.
TEST(RtfReader, DamagedReportsReadAsSomethingThatRoundTrips) {
    const std::string report = RtfOf(Sample());
    std::mt19937 random(7);
    const std::string alphabet = "{}\\'0123456789abcdefuxcbpqrl;- \n\x81\xfe";
    int read = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        std::string bytes = report;
        for (int k = 0, edits = 1 + int(random() % 8); k < edits; ++k) {
            const std::size_t at = random() % bytes.size();
            switch (random() % 3) {
                case 0:
                    bytes[at] = alphabet[random() % alphabet.size()];
                    break;
                case 1:
                    bytes.erase(at, 1 + random() % 16);
                    break;
                default:
                    bytes.insert(at, 1, alphabet[random() % alphabet.size()]);
                    break;
            }
        }
        const Result<RtfContent> first = ParseRtf(bytes);
        if (!first.ok())
            continue;
        ++read;
        const Result<RtfContent> again = ParseRtf(RtfOf(first.value()));
        ASSERT_TRUE(again.ok()) << bytes;
        ASSERT_EQ(Dump(again.value()), Dump(first.value())) << bytes;
        ASSERT_EQ(again.value(), first.value()) << bytes;
    }
    EXPECT_GT(read, 2000);  // most damage is read past
}

TEST(RtfReader, FilesThatWillNotOpenSayWhy) {
    test::SpeakLanguage chinese(Language::Chinese);
    test::TempDir dir;
    const auto write = [&](const char* name, const std::string& bytes) {
        test::WriteBytes(dir.Path(name), {bytes.begin(), bytes.end()});
        return dir.Path(name);
    };
    const std::string missing = dir.Path("missing.Tze");
    EXPECT_EQ(ReadRtfFile(missing).error().rfind("打开文件[" + missing + "]失败!", 0), 0u);
    const std::string text = write("text.Tze", "not a report");
    EXPECT_EQ(ReadRtfFile(text).error(), "文件[" + text + "]不是报告文件(.Tze),无法打开!");
    const std::string deep = write("deep.Tze", "{\\rtf1 " + std::string(1000, '{'));
    EXPECT_EQ(ReadRtfFile(deep).error(),
              "文件[" + deep + "]已损坏或不完整(分组嵌套过深),无法打开!");
    const std::string good = write("good.Tze", RtfOf(Sample()));
    ASSERT_TRUE(ReadRtfFile(good).ok());
    EXPECT_EQ(ReadRtfFile(good).value(), Sample());
}

}  // namespace
}  // namespace lx
