#include "ui/sheets/KeptControls.h"

#include "ui/sheets/SheetControls.h"

namespace lx {

NumberBox::NumberBox(double minimum, double maximum, int decimals, QWidget* parent)
    : QDoubleSpinBox(parent) {
    // A point for the decimals whatever the desktop's language, as the record's files have it.
    setLocale(QLocale::c());
    setDecimals(decimals);
    setRange(minimum, maximum);
    setMinimumWidth(110);
}

void NumberBox::Load(double shown, double kept) {
    setValue(shown);
    m_Shown = value();  // after the box's own rounding and clamping
    m_Kept = kept;
}

FlagBox::FlagBox(const Text& text, const char* objectName, QWidget* parent)
    : QCheckBox(T(text), parent) {
    setAccessibleName(T(text));
    setObjectName(objectName);
}

void FlagBox::Load(std::int32_t flag) {
    m_Kept = flag;
    setChecked(flag != 0);
}

std::int32_t FlagBox::Value() const {
    if (!Edited())
        return m_Kept;
    return isChecked() ? 1 : 0;
}

ChoiceBox::ChoiceBox(const QStringList& items, QWidget* parent) : QComboBox(parent) {
    addItems(items);
}

void ChoiceBox::Load(std::int32_t index) {
    m_Kept = index;
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

std::int32_t ChoiceBox::Value() const {
    const bool shownAsKept = currentIndex() == (m_Kept >= 0 && m_Kept < count() ? m_Kept : -1);
    return shownAsKept ? m_Kept : currentIndex();
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::Load(const std::string& text) {
    m_Kept = text;
    setText(Q(text));
    m_Shown = QLineEdit::text();
}

std::string TextBox::Value() const {
    return Edited() ? S(text()) : m_Kept;
}

NotesBox::NotesBox(QWidget* parent) : QPlainTextEdit(parent) {}

void NotesBox::Load(const std::string& text) {
    m_Kept = text;
    setPlainText(Q(text));
    m_Shown = toPlainText();
}

std::string NotesBox::Value() const {
    return toPlainText() == m_Shown ? m_Kept : S(toPlainText());
}

}  // namespace lx
