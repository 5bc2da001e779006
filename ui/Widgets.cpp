#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/UiTexts.h"

namespace lx {
namespace {

template <class Field>
Field* AddLabelled(QFormLayout* form, const char* label, Field* field) {
    auto* caption = new QLabel(QString::fromUtf8(label));
    caption->setBuddy(field);
    field->setAccessibleName(AccessibleName(label));
    form->addRow(caption, field);
    return field;
}

}  // namespace

QString AccessibleName(const char* label) {
    QString name = QString::fromUtf8(label);
    // "(&S)" and "&" are keyboard mnemonics, not part of what the operator reads.
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)|&(?=[^&])"));
    name.remove(mnemonic);
    return name.trimmed();
}

QDoubleSpinBox* AddNumberRow(QFormLayout* form, const char* label, double min, double max,
                             int decimals, double value) {
    auto* box = new QDoubleSpinBox;
    box->setRange(min, max);
    box->setDecimals(decimals);
    box->setValue(value);
    box->setMinimumWidth(120);
    return AddLabelled(form, label, box);
}

QSpinBox* AddIntegerRow(QFormLayout* form, const char* label, int min, int max, int value) {
    auto* box = new QSpinBox;
    box->setRange(min, max);
    box->setValue(value);
    box->setMinimumWidth(120);
    return AddLabelled(form, label, box);
}

QCheckBox* AddCheckRow(QFormLayout* form, const char* text, bool checked) {
    auto* box = new QCheckBox(QString::fromUtf8(text));
    box->setChecked(checked);
    box->setAccessibleName(AccessibleName(text));
    form->addRow(box);
    return box;
}

QComboBox* AddChoiceRow(QFormLayout* form, const char* label, const QStringList& items,
                        int current) {
    auto* box = new QComboBox;
    box->addItems(items);
    box->setCurrentIndex(current);
    return AddLabelled(form, label, box);
}

void FinishDialog(QDialog* dialog, QFormLayout* form) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8(ui::kOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8(ui::kCancel));
    for (QAbstractButton* button : buttons->buttons())
        button->setAccessibleName(AccessibleName(button->text().toUtf8().constData()));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

}  // namespace lx
