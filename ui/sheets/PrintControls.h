#pragma once
// Pieces of the print settings sub-pages, each bound to its fields of the record: a set of
// switches, a font with its colour, and a printed line (header, title, footer) with its switch,
// text, alignment, font and colour. Binding by member keeps each field's name in one place.

#include <QGridLayout>
#include <QWidget>

#include <cstdint>
#include <utility>
#include <vector>

#include "core/PrintSettings.h"
#include "ui/sheets/KeptControls.h"
#include "ui/sheets/StyleButtons.h"

namespace lx {

using PrintFlagMember = std::int32_t PrintSettings::*;

// A sub-page of "打印设置".
class PrintSubPage : public QWidget {
public:
    using QWidget::QWidget;
    virtual void Load(const PrintSettings& print) = 0;
    virtual void Store(PrintSettings& print) const = 0;
};

class PrintFlagSet {
public:
    // The box is named `objectName` (the field's name) and shows `text`.
    FlagBox* Add(const Text& text, PrintFlagMember member, const char* objectName);
    void Load(const PrintSettings& print);
    void Store(PrintSettings& print) const;
    void SetEnabled(bool enabled);

private:
    std::vector<std::pair<FlagBox*, PrintFlagMember>> m_Flags;
};

// A font and its colour: the buttons "字体" (or "字体设置") and "颜色".
class PrintStyle {
public:
    PrintStyle(const Text& fontText, const Text& row, LogFont PrintSettings::*font,
               std::int32_t PrintSettings::*colour, const char* objectName);
    FontButton* Font() const { return m_FontButton; }
    ColourButton* Colour() const { return m_ColourButton; }
    void Load(const PrintSettings& print);
    void Store(PrintSettings& print) const;

private:
    FontButton* m_FontButton;
    ColourButton* m_ColourButton;
    LogFont PrintSettings::*m_Font;
    std::int32_t PrintSettings::*m_Colour;
};

// "左对齐", "居  中", "右对齐", stored 0, 1, 2.
ChoiceBox* MakeAlignmentBox(const char* objectName);

// One printed line of the page: its switch (the label), its text, alignment, font and colour.
struct PrintLineFields {
    PrintFlagMember on;
    std::string PrintSettings::*text;
    std::int32_t PrintSettings::*align;
    LogFont PrintSettings::*font;
    std::int32_t PrintSettings::*colour;
};

class PrintLine {
public:
    // Lays the line out in `row` of `grid`; objects are named `prefix` + "On", "Text", ...
    PrintLine(const Text& label, const PrintLineFields& fields, const char* prefix,
              QGridLayout* grid, int row);
    void Load(const PrintSettings& print);
    void Store(PrintSettings& print) const;

private:
    PrintLineFields m_Fields;
    FlagBox* m_On;
    TextBox* m_Text;
    ChoiceBox* m_Align;
    PrintStyle m_Style;
};

}  // namespace lx
