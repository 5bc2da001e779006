#include "ui/sheets/StyleButtons.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QPixmap>

#include "ui/sheets/LogFontConversion.h"
#include "ui/sheets/SheetControls.h"
#include "ui/sheets/SheetTexts.h"

namespace lx {

namespace {

QColor QColorOf(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

std::int32_t ColourOf(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

}  // namespace

FontButton::FontButton(const Text& text, const Text& row, QWidget* parent)
    : QPushButton(T(text), parent) {
    setAccessibleName(T(text));
    setAccessibleDescription(T(row));
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &FontButton::Choose);
}

void FontButton::Choose() {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, QFontOfLogFont(m_Font), this, T(texts::kFont),
                                              QFontDialog::DontUseNativeDialog);
    if (ok)
        m_Font = LogFontOfQFont(chosen, m_Font);
}

ColourButton::ColourButton(const Text& row, QWidget* parent)
    : QPushButton(T(texts::kColour), parent) {
    setAccessibleName(T(texts::kColour));
    setAccessibleDescription(T(row));
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &ColourButton::Choose);
    ShowSwatch();
}

void ColourButton::Load(std::int32_t colour) {
    m_Colour = colour;
    ShowSwatch();
}

void ColourButton::Choose() {
    const QColor chosen = QColorDialog::getColor(QColorOf(m_Colour), this, T(texts::kColour),
                                                 QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return;  // cancelled
    // Only the colour itself changes; bits above the blue byte stay as the record had them.
    m_Colour = (m_Colour & ~0xFFFFFF) | ColourOf(chosen);
    ShowSwatch();
}

void ColourButton::ShowSwatch() {
    QPixmap swatch(14, 14);
    swatch.fill(QColorOf(m_Colour));
    setIcon(QIcon(swatch));
}

}  // namespace lx
