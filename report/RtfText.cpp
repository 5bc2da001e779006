#include "report/RtfText.h"

#include <algorithm>

#include "core/CodePage936.h"
#include "core/Format.h"

namespace lx {
namespace {

const char* AlignmentWord(int align) {
    return align == 1 ? "\\qc" : align == 2 ? "\\qr" : "\\ql";
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

RtfDocument::RtfDocument(int marginTwips) : m_Margin(marginTwips) {}

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
    const int halfPoints = std::max(2, (height == 0 ? 12 : height) * 3 / 2);
    m_Body +=
        Format("\\pard%s\\f%d\\fs%d\\cf%d%s%s%s ", AlignmentWord(align), FontIndex(font.faceName),
               halfPoints, ColourIndex(colour), font.weight >= 600 ? "\\b" : "\\b0",
               font.italic ? "\\i" : "\\i0", font.underline ? "\\ul" : "\\ulnone");
    m_Body += RtfEscape(text) + "\\par\n";
}

void RtfDocument::Picture(const std::vector<std::uint8_t>& png, int pixelWidth, int pixelHeight,
                          int widthTwips, int heightTwips, int align) {
    m_Body += Format("\\pard%s{\\pict\\pngblip\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d\n",
                     AlignmentWord(align), pixelWidth, pixelHeight, widthTwips, heightTwips);
    static const char* kHex = "0123456789abcdef";
    for (std::size_t i = 0; i < png.size(); ++i) {
        m_Body += kHex[png[i] >> 4];
        m_Body += kHex[png[i] & 0xF];
        if (i % 64 == 63)
            m_Body += '\n';
    }
    m_Body += "}\\par\n";
}

std::string RtfDocument::Text() const {
    std::string rtf = "{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1\n{\\fonttbl";
    for (std::size_t f = 0; f < m_Fonts.size(); ++f) {
        // Face names go in the document's code page, as word processors read font tables.
        std::string face;
        for (unsigned char b : EncodeGbk(m_Fonts[f]))
            face += b < 0x80 && b != '\\' && b != '{' && b != '}' && b != ';'
                        ? std::string(1, static_cast<char>(b))
                        : Format("\\'%02x", b);
        rtf += Format("{\\f%zu\\fnil\\fcharset134 %s;}", f, face.c_str());
    }
    rtf += "}\n{\\colortbl;";
    for (std::int32_t c : m_Colours)
        rtf += Format("\\red%d\\green%d\\blue%d;", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    rtf += "}\n";
    rtf += Format("\\paperw11906\\paperh16838\\margl%d\\margr%d\\margt%d\\margb%d\n", m_Margin,
                  m_Margin, m_Margin, m_Margin);
    return rtf + m_Body + "}\n";
}

}  // namespace lx
