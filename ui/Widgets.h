#pragma once
// The rows every small dialog of the workstation is made of, each field named for assistive
// technology by its visible label, and the OK/Cancel buttons that end them.

#include <QStringList>

class QCheckBox;
class QDialog;
class QDoubleSpinBox;
class QFormLayout;
class QSpinBox;
class QComboBox;

namespace lx {

QDoubleSpinBox* AddNumberRow(QFormLayout* form, const char* label, double min, double max,
                             int decimals, double value);
QSpinBox* AddIntegerRow(QFormLayout* form, const char* label, int min, int max, int value);
QCheckBox* AddCheckRow(QFormLayout* form, const char* text, bool checked);
QComboBox* AddChoiceRow(QFormLayout* form, const char* label, const QStringList& items,
                        int current);
// Adds "确定" and "取消" under `form` and makes it the dialog's layout.
void FinishDialog(QDialog* dialog, QFormLayout* form);

// The visible text as assistive technology names it: without keyboard mnemonics and the
// padding around it ("开始采样(&S)" -> "开始采样", " 采样控制 " -> "采样控制").
QString AccessibleName(const char* label);

}  // namespace lx
