#include "app/TextImportDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QSpinBox>

#include "app/AppTexts.h"
#include "ui/Widgets.h"
#include "ui/sheets/SheetControls.h"

namespace lx {

TextImportDialog::TextImportDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(T(app::kTextImportTitle));
    auto* form = new QFormLayout;
    // The defaults read the workstation's own text export: minutes and µV in columns 1 and 2.
    m_TimeColumn = AddIntegerRow(form, app::kTimeColumn, 1, 64, 1);
    m_ValueColumn = AddIntegerRow(form, app::kValueColumn, 1, 64, 2);
    m_TimeUnit =
        AddChoiceRow(form, app::kTimeUnit, {T(app::kMinutesUnit), T(app::kSecondsUnit)}, 0);
    m_ValueUnit = AddChoiceRow(form, app::kValueUnit, {"µV", "mV", "V"}, 0);
    m_Rate = AddIntegerRow(form, app::kResampleRate, 0, kMaxSignalRate, 0);
    FinishDialog(this, form);
}

SignalImportOptions TextImportDialog::Options() const {
    SignalImportOptions options;
    options.m_Columns.m_Time = m_TimeColumn->value();
    options.m_Columns.m_Value = m_ValueColumn->value();
    options.m_TimeUnit =
        m_TimeUnit->currentIndex() == 0 ? SignalTimeUnit::kMinutes : SignalTimeUnit::kSeconds;
    static constexpr SignalValueUnit kUnits[] = {
        SignalValueUnit::kMicrovolts, SignalValueUnit::kMillivolts, SignalValueUnit::kVolts};
    options.m_ValueUnit = kUnits[m_ValueUnit->currentIndex()];
    if (m_Rate->value() > 0)
        options.m_Rate = m_Rate->value();
    return options;
}

}  // namespace lx
