#pragma once
// "导入文本信号": how to read a signal written as text — which columns hold the time and the
// value, their units, and a rate to resample at when the times are uneven.

#include <QDialog>

#include "interchange/tables/SignalImport.h"

class QComboBox;
class QSpinBox;

namespace lx {

class TextImportDialog : public QDialog {
    Q_OBJECT
public:
    explicit TextImportDialog(QWidget* parent = nullptr);
    // What the operator chose; a rate of 0 means "from the file's times".
    SignalImportOptions Options() const;

private:
    QSpinBox* m_TimeColumn;
    QSpinBox* m_ValueColumn;
    QComboBox* m_TimeUnit;
    QComboBox* m_ValueUnit;
    QSpinBox* m_Rate;
};

}  // namespace lx
