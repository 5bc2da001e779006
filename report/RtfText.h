#pragma once
// Rich text (RTF) for the report files (.Tze) that word processors open: text escaped so that
// any character survives, Chinese included, and paragraphs of runs, each run with a font,
// size, style and colour, each paragraph with its alignment. The reader (RtfReader.h) gives
// back the same structures, so a report edited in the report window saves and opens again as
// it was.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/PrintSettings.h"

namespace lx {

// `utf8` as RTF body text: \, { and } escaped, other ASCII as it is, every other character as
// \uN? (UTF-16 units, signed, with "?" for readers without Unicode), line breaks as \line and
// tabs as \tab. Other control characters and bytes that are no UTF-8 are left out.
std::string RtfEscape(std::string_view utf8);

// Paragraph alignments, numbered as the print settings number theirs.
enum RtfAlign : int { kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2, kAlignJustified = 3 };

struct RtfCharFormat {
    std::string face;  // "" when the file names no font for the text
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::optional<std::int32_t> colour;  // 0x00BBGGRR; none: the reader's own text colour
    bool operator==(const RtfCharFormat&) const = default;
};

struct RtfPicture {
    enum class Kind { Png, Jpeg };
    Kind kind = Kind::Png;
    std::vector<std::uint8_t> bytes;  // the picture's file, as a PNG or JPEG file holds it
    int pixelWidth = 0;
    int pixelHeight = 0;
    int widthTwips = 0;  // the size it is shown at
    int heightTwips = 0;
    bool operator==(const RtfPicture&) const = default;
};

// Text in one format ("\n" breaks the line inside the paragraph, "\t" is a tab), or a picture
// in the line (its text then is empty).
struct RtfRun {
    RtfCharFormat format;
    std::string text;
    std::optional<RtfPicture> picture;
    bool operator==(const RtfRun&) const = default;
};

struct RtfParagraph {
    int align = kAlignLeft;
    std::vector<RtfRun> runs;
    bool operator==(const RtfParagraph&) const = default;
};

// Paper and margins in twips (1/1440 inch); margins left, top, right, bottom, the order the
// settings keep them in. A4 with half-inch margins unless a file says otherwise.
struct RtfPage {
    int paperWidth = 11906;
    int paperHeight = 16838;
    std::array<std::int32_t, 4> margins{720, 720, 720, 720};
    bool operator==(const RtfPage&) const = default;
};

struct RtfContent {
    RtfPage page;
    std::vector<RtfParagraph> paragraphs;
    bool operator==(const RtfContent&) const = default;
};

class RtfDocument {
public:
    explicit RtfDocument(const RtfPage& page = {});

    // One paragraph in one font: `align` as RtfAlign; colour 0x00BBGGRR.
    void Paragraph(const std::string& text, const LogFont& font, std::int32_t colour, int align);
    // A PNG picture shown `widthTwips` x `heightTwips`, in a paragraph of its own.
    void Picture(const std::vector<std::uint8_t>& png, int pixelWidth, int pixelHeight,
                 int widthTwips, int heightTwips, int align);
    // A paragraph of runs, each written with its whole format.
    void Paragraph(const RtfParagraph& paragraph);

    std::string Text() const;

private:
    int FontIndex(const std::string& face);
    int ColourIndex(std::int32_t colour);

    RtfPage m_Page;
    std::vector<std::string> m_Fonts;
    std::vector<std::int32_t> m_Colours;
    std::string m_Body;
};

// The whole content as one RTF document.
std::string RtfOf(const RtfContent& content);

}  // namespace lx
