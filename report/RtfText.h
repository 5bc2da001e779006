#pragma once
// Rich text (RTF) for the report files (.Tze) that word processors open: text escaped so that
// any character survives, Chinese included, and paragraphs with a font, colour and alignment.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/PrintSettings.h"

namespace lx {

// `utf8` as RTF body text: \, { and } escaped, other ASCII as it is, every other character as
// \uN? (UTF-16 units, signed, with "?" for readers without Unicode), line breaks as \line and
// tabs as \tab. Other control characters and bytes that are no UTF-8 are left out.
std::string RtfEscape(std::string_view utf8);

class RtfDocument {
public:
    // Page margins in twips (1/1440 inch).
    explicit RtfDocument(int marginTwips = 720);

    // One paragraph: `align` 0 left, 1 centre, 2 right; colour 0x00BBGGRR.
    void Paragraph(const std::string& text, const LogFont& font, std::int32_t colour, int align);
    // A PNG picture shown `widthTwips` x `heightTwips`, in a paragraph of its own.
    void Picture(const std::vector<std::uint8_t>& png, int pixelWidth, int pixelHeight,
                 int widthTwips, int heightTwips, int align);

    std::string Text() const;

private:
    int FontIndex(const std::string& face);
    int ColourIndex(std::int32_t colour);

    int m_Margin;
    std::vector<std::string> m_Fonts;
    std::vector<std::int32_t> m_Colours;
    std::string m_Body;
};

}  // namespace lx
