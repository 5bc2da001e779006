#include "ui/sheets/SheetControls.h"

#include "ui/sheets/SheetTexts.h"

namespace lx {

QLabel* LabelFor(const Text& text, QWidget* field) {
    auto* label = new QLabel(T(text));
    label->setBuddy(field);
    field->setAccessibleName(T(text));
    return label;
}

void AddRow(QFormLayout* form, const Text& text, QWidget* field) {
    form->addRow(LabelFor(text, field), field);
}

QPushButton* MakeButton(const Text& text, QWidget* parent) {
    auto* button = new QPushButton(T(text), parent);
    button->setAccessibleName(T(text));
    button->setAutoDefault(false);  // Enter in a field accepts the sheet, not a list button
    return button;
}

QDialogButtonBox* MakeOkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    for (auto [which, text] : {std::pair{QDialogButtonBox::Ok, texts::kOk},
                               std::pair{QDialogButtonBox::Cancel, texts::kCancel}}) {
        buttons->button(which)->setText(T(text));
        buttons->button(which)->setAccessibleName(T(text));
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

void NameControl(QWidget* control, const Text& name) {
    control->setAccessibleName(T(name));
}

}  // namespace lx
