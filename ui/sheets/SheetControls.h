#pragma once
// The small pieces every page is built of: text conversions, and labels that give their field
// the name a screen reader announces, so each control is found by the words the operator sees.

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QString>

#include <string>

#include "core/Language.h"

namespace lx {

inline QString Q(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string S(const QString& text) {
    return text.toUtf8().toStdString();
}
// A text of the program in the operator's language.
inline QString T(const Text& text) {
    return QString::fromUtf8(Tr(text));
}

// A label for `field`: the label's text becomes the field's accessible name, and its mnemonic
// moves the focus to the field.
QLabel* LabelFor(const Text& text, QWidget* field);
// A form row of a label and its field.
void AddRow(QFormLayout* form, const Text& text, QWidget* field);
// A push button whose accessible name is its text.
QPushButton* MakeButton(const Text& text, QWidget* parent = nullptr);
// OK and Cancel in the operator's language, wired to accept and reject `dialog`.
QDialogButtonBox* MakeOkCancel(QDialog* dialog);
// Names a control that has no visible label of its own (a list, a field beside a check box).
void NameControl(QWidget* control, const Text& name);

}  // namespace lx
