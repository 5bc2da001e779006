#include "ui/sheets/PrintControls.h"

#include <QString>

#include "ui/sheets/SheetControls.h"
#include "ui/sheets/SheetTexts.h"

namespace lx {

FlagBox* PrintFlagSet::Add(const Text& text, PrintFlagMember member, const char* objectName) {
    auto* box = new FlagBox(text, objectName);
    m_Flags.emplace_back(box, member);
    return box;
}

void PrintFlagSet::Load(const PrintSettings& print) {
    for (const auto& [box, member] : m_Flags)
        box->Load(print.*member);
}

void PrintFlagSet::Store(PrintSettings& print) const {
    for (const auto& [box, member] : m_Flags)
        print.*member = box->Value();
}

void PrintFlagSet::SetEnabled(bool enabled) {
    for (const auto& flag : m_Flags)
        flag.first->setEnabled(enabled);
}

PrintStyle::PrintStyle(const Text& fontText, const Text& row, LogFont PrintSettings::*font,
                       std::int32_t PrintSettings::*colour, const char* objectName)
    : m_FontButton(new FontButton(fontText, row)),
      m_ColourButton(new ColourButton(row)),
      m_Font(font),
      m_Colour(colour) {
    m_FontButton->setObjectName(QString(objectName) + "Font");
    m_ColourButton->setObjectName(QString(objectName) + "Colour");
}

void PrintStyle::Load(const PrintSettings& print) {
    m_FontButton->Load(print.*m_Font);
    m_ColourButton->Load(print.*m_Colour);
}

void PrintStyle::Store(PrintSettings& print) const {
    print.*m_Font = m_FontButton->Value();
    print.*m_Colour = m_ColourButton->Value();
}

ChoiceBox* MakeAlignmentBox(const char* objectName) {
    auto* box =
        new ChoiceBox({T(texts::kAlignLeft), T(texts::kAlignCentre), T(texts::kAlignRight)});
    box->setObjectName(objectName);
    return box;
}

PrintLine::PrintLine(const Text& label, const PrintLineFields& fields, const char* prefix,
                     QGridLayout* grid, int row)
    : m_Fields(fields),
      m_On(new FlagBox(label, (QByteArray(prefix) + "On").constData())),
      m_Text(new TextBox),
      m_Align(MakeAlignmentBox((QByteArray(prefix) + "Align").constData())),
      m_Style(texts::kFont, label, fields.font, fields.colour, prefix) {
    m_Text->setObjectName(QString(prefix) + "Text");
    m_Text->setMinimumWidth(220);
    // The switch is the line's label: its words name the text and the alignment too.
    m_Text->setAccessibleName(T(label));
    m_Align->setAccessibleName(T(texts::kAlignment));
    m_Align->setAccessibleDescription(T(label));
    grid->addWidget(m_On, row, 0);
    grid->addWidget(m_Text, row, 1);
    grid->addWidget(m_Align, row, 2);
    grid->addWidget(m_Style.Font(), row, 3);
    grid->addWidget(m_Style.Colour(), row, 4);
}

void PrintLine::Load(const PrintSettings& print) {
    m_On->Load(print.*m_Fields.on);
    m_Text->Load(print.*m_Fields.text);
    m_Align->Load(print.*m_Fields.align);
    m_Style.Load(print);
}

void PrintLine::Store(PrintSettings& print) const {
    print.*m_Fields.on = m_On->Value();
    print.*m_Fields.text = m_Text->Value();
    print.*m_Fields.align = m_Align->Value();
    m_Style.Store(print);
}

}  // namespace lx
