#pragma once
// The buttons of the print pages that choose a font or a colour of the report. Each holds the
// record's value and changes it only when the operator accepts the dialog it opens.

#include <QPushButton>

#include <cstdint>

#include "core/Language.h"
#include "core/PrintSettings.h"

namespace lx {

class FontButton : public QPushButton {
public:
    // `text` is "字体" or "字体设置"; `row` names what the font is for, for screen readers.
    FontButton(const Text& text, const Text& row, QWidget* parent = nullptr);
    void Load(const LogFont& font) { m_Font = font; }
    const LogFont& Value() const { return m_Font; }

private:
    void Choose();
    LogFont m_Font;
};

// A colour as the record keeps it: 0x00BBGGRR.
class ColourButton : public QPushButton {
public:
    explicit ColourButton(const Text& row, QWidget* parent = nullptr);
    void Load(std::int32_t colour);
    std::int32_t Value() const { return m_Colour; }

private:
    void Choose();
    void ShowSwatch();
    std::int32_t m_Colour = 0;
};

}  // namespace lx
