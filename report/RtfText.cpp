#include "report/RtfText.h"

#include <algorithm>

#include "core/CodePage936.h"
#include "core/Format.h"

namespace lx {
namespace {

const char* AlignmentWord(int align) {
    return align == kAlignCentre      ? "\\qc"
           : align == kAlignRight     ? "\\qr"
           : align == kAlignJustified ? "\\qj"
                                      : "\\ql";
}

// The next code point of `s` from `i`, or -1 for a byte that starts no valid sequence (it is
// skipped alone).
long NextCodePoint(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t length = lead < 0x80         ? 1
                         : (lead >> 5) == 6  ? 2
                         : (lead >> 4) == 14 ? 3
                         : (lead >> 3) == 30 ? 4
                                             : 0;
    if (length == 0 || i + length > s.size()) {
        ++i;
        return -1;
    }
    long c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b >> 6) != 2) {
            ++i;
            return -1;
        }
        c = (c << 6) | (b & 0x3F);
    }
    i += length;
    const long minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < minimum[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return -1;
    return c;
}

std::string UnicodeWord(long unit) {
    return Format("\\u%d?", static_cast<int>(static_cast<std::int16_t>(unit)));
}

}  // namespace

std::string RtfEscape(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const long c = NextCodePoint(utf8, i);
        if (c < 0)
            continue;
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\line ";
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c < 0x20 || c == 0x7F) {
            continue;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x10000) {
            out += UnicodeWord(c);
        } else {
            const long v = c - 0x10000;
            out += UnicodeWord(0xD800 + (v >> 10));
            out += UnicodeWord(0xDC00 + (v & 0x3FF));
        }
    }
    return out;
}

namespace {

// Face names go in the document's code page, as word processors read font tables; a character
// that code page cannot hold, or that would pair up with its neighbour's bytes (the escapes of
// undecodable bytes), goes as \uN.
std::string FontName(std::string_view face) {
    std::string name;
    for (std::size_t i = 0; i < face.size();) {
        const std::size_t start = i;
        const long c = NextCodePoint(face, i);
        const std::string_view utf8 = face.substr(start, i - start);
        if (c < 0x20) {
            continue;
        } else if (c == '\\' || c == '{' || c == '}' || c == ';') {
            name += Format("\\'%02x", static_cast<int>(c));
        } else if (c < 0x80) {
            name += static_cast<char>(c);
        } else if (const std::string gbk = EncodeGbk(utf8);
                   gbk.size() == 2 && DecodeGbk(gbk) == utf8 && !(c >= 0xF780 && c <= 0xF7FF)) {
            for (unsigned char b : gbk)
                name += Format("\\'%02x", b);
        } else {
            name += RtfEscape(utf8);
        }
    }
    return name;
}

std::string PictureGroup(const RtfPicture& picture) {
    std::string group =
        Format("{\\pict%s\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d\n",
               picture.kind == RtfPicture::Kind::Jpeg ? "\\jpegblip" : "\\pngblip",
               picture.pixelWidth, picture.pixelHeight, picture.widthTwips, picture.heightTwips);
    static const char* kHex = "0123456789abcdef";
    for (std::size_t i = 0; i < picture.bytes.size(); ++i) {
        group += kHex[picture.bytes[i] >> 4];
        group += kHex[picture.bytes[i] & 0xF];
        if (i % 64 == 63)
            group += '\n';
    }
    return group + "}";
}

}  // namespace

RtfDocument::RtfDocument(const RtfPage& page) : m_Page(page) {}

int RtfDocument::FontIndex(const std::string& face) {
    const auto at = std::find(m_Fonts.begin(), m_Fonts.end(), face);
    if (at != m_Fonts.end())
        return static_cast<int>(at - m_Fonts.begin());
    m_Fonts.push_back(face);
    return static_cast<int>(m_Fonts.size()) - 1;
}

int RtfDocument::ColourIndex(std::int32_t colour) {
    const auto at = std::find(m_Colours.begin(), m_Colours.end(), colour);
    if (at != m_Colours.end())
        return static_cast<int>(at - m_Colours.begin()) + 1;  // entry 0 is the default colour
    m_Colours.push_back(colour);
    return static_cast<int>(m_Colours.size());
}

void RtfDocument::Paragraph(const std::string& text, const LogFont& font, std::int32_t colour,
                            int align) {
    // The settings' font heights are pixels of a 96-dpi screen; RTF sizes are half points.
    const int height = font.height < 0 ? -font.height : font.height;
    RtfRun run;
    run.format.face = font.faceName;
    run.format.halfPoints = std::max(2, (height == 0 ? 12 : height) * 3 / 2);
    run.format.bold = font.weight >= 600;
    run.format.italic = font.italic != 0;
    run.format.underline = font.underline != 0;
    run.format.colour = colour;
    run.text = text;
    Paragraph(RtfParagraph{align, {std::move(run)}});
}

void RtfDocument::Picture(const std::vector<std::uint8_t>& png, int pixelWidth, int pixelHeight,
                          int widthTwips, int heightTwips, int align) {
    RtfRun run;
    run.picture =
        RtfPicture{RtfPicture::Kind::Png, png, pixelWidth, pixelHeight, widthTwips, heightTwips};
    Paragraph(RtfParagraph{align, {std::move(run)}});
}

void RtfDocument::Paragraph(const RtfParagraph& paragraph) {
    m_Body += Format("\\pard%s", AlignmentWord(paragraph.align));
    for (const RtfRun& run : paragraph.runs) {
        if (run.picture) {
            m_Body += PictureGroup(*run.picture);
            continue;
        }
        const RtfCharFormat& f = run.format;
        m_Body += Format("\\f%d\\fs%d\\cf%d%s%s%s ", FontIndex(f.face), f.halfPoints,
                         f.colour ? ColourIndex(*f.colour) : 0, f.bold ? "\\b" : "\\b0",
                         f.italic ? "\\i" : "\\i0", f.underline ? "\\ul" : "\\ulnone");
        m_Body += RtfEscape(run.text);
    }
    m_Body += "\\par\n";
}

std::string RtfDocument::Text() const {
    std::string rtf = "{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1\n{\\fonttbl";
    for (std::size_t f = 0; f < m_Fonts.size(); ++f)
        rtf += Format("{\\f%zu\\fnil\\fcharset134 %s;}", f, FontName(m_Fonts[f]).c_str());
    rtf += "}\n{\\colortbl;";
    for (std::int32_t c : m_Colours)
        rtf += Format("\\red%d\\green%d\\blue%d;", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    rtf += "}\n";
    const RtfPage& p = m_Page;
    rtf += Format("\\paperw%d\\paperh%d\\margl%d\\margr%d\\margt%d\\margb%d\n", p.paperWidth,
                  p.paperHeight, p.margins[0], p.margins[2], p.margins[1], p.margins[3]);
    return rtf + m_Body + "}\n";
}

std::string RtfOf(const RtfContent& content) {
    RtfDocument rtf(content.page);
    for (const RtfParagraph& paragraph : content.paragraphs)
        rtf.Paragraph(paragraph);
    return rtf.Text();
}

}  // namespace lx
