#pragma once
// The rows every small dialog of the desktop is made of, each field named for assistive
// technology by its visible label (the sheets' own label rules), and the OK/Cancel buttons
// that end them.

#include <QStringList>

#include "core/Language.h"

class QCheckBox;
class QComboBox;
class QDialog;
class QDoubleSpinBox;
class QFormLayout;
class QSpinBox;

namespace lx {

QDoubleSpinBox* AddNumberRow(QFormLayout* form, const Text& label, double min, double max,
                             int decimals, double value);
QSpinBox* AddIntegerRow(QFormLayout* form, const Text& label, int min, int max, int value);
QCheckBox* AddCheckRow(QFormLayout* form, const Text& text, bool checked);
QComboBox* AddChoiceRow(QFormLayout* form, const Text& label, const QStringList& items,
                        int current);
// Adds OK and Cancel under `form` and makes it the dialog's layout.
void FinishDialog(QDialog* dialog, QFormLayout* form);

// A command's name for GUI checks: its text without the keyboard mnemonic and the padding
// ("开始采样(&S)" -> "开始采样", " 设置当前通道参数 " -> "设置当前通道参数").
QString CommandName(const QString& text);

}  // namespace lx
