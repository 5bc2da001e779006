#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QRegularExpression>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/sheets/SheetControls.h"

namespace lx {

QString CommandName(const QString& text) {
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)|&(?=[^&])"));
    return QString(text).remove(mnemonic).trimmed();
}

QDoubleSpinBox* AddNumberRow(QFormLayout* form, const Text& label, double min, double max,
                             int decimals, double value) {
    auto* box = new QDoubleSpinBox;
    box->setRange(min, max);
    box->setDecimals(decimals);
    box->setValue(value);
    box->setMinimumWidth(120);
    AddRow(form, label, box);
    return box;
}

QSpinBox* AddIntegerRow(QFormLayout* form, const Text& label, int min, int max, int value) {
    auto* box = new QSpinBox;
    box->setRange(min, max);
    box->setValue(value);
    box->setMinimumWidth(120);
    AddRow(form, label, box);
    return box;
}

QCheckBox* AddCheckRow(QFormLayout* form, const Text& text, bool checked) {
    auto* box = new QCheckBox(T(text));
    box->setChecked(checked);
    box->setAccessibleName(T(text));
    form->addRow(box);
    return box;
}

QComboBox* AddChoiceRow(QFormLayout* form, const Text& label, const QStringList& items,
                        int current) {
    auto* box = new QComboBox;
    box->addItems(items);
    box->setCurrentIndex(current);
    AddRow(form, label, box);
    return box;
}

void FinishDialog(QDialog* dialog, QFormLayout* form) {
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addWidget(MakeOkCancel(dialog));
}

}  // namespace lx
