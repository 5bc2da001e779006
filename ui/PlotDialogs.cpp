#include "ui/PlotDialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/UiTexts.h"
#include "ui/Widgets.h"
#include "ui/sheets/SheetControls.h"

namespace lx {

CoordinateDialog::CoordinateDialog(const PlotView& view, QWidget* parent) : QDialog(parent) {
    setWindowTitle(T(ui::kCoordinateTitle));
    auto* form = new QFormLayout;
    m_TimeMin = AddNumberRow(form, ui::kTimeMinLabel, 0, 1e6, 3, view.m_TimeMin);
    m_TimeMax = AddNumberRow(form, ui::kTimeMaxLabel, 0, 1e6, 3, view.m_TimeMax);
    m_MvMin = AddNumberRow(form, ui::kLevelMinLabel, -2500, 2500, 0, view.SignalMinMv());
    m_MvMax = AddNumberRow(form, ui::kLevelMaxLabel, -2500, 2500, 0, view.SignalMaxMv());
    FinishDialog(this, form);
}

double CoordinateDialog::TimeMin() const {
    return m_TimeMin->value();
}
double CoordinateDialog::TimeMax() const {
    return m_TimeMax->value();
}
double CoordinateDialog::MvMin() const {
    return m_MvMin->value();
}
double CoordinateDialog::MvMax() const {
    return m_MvMax->value();
}

PeakDetectDialog::PeakDetectDialog(const CTzLabDoc& doc, QWidget* parent) : QDialog(parent) {
    setWindowTitle(T(ui::kPeakDetectTitle));
    auto* form = new QFormLayout;
    form->addRow(new QLabel(T(ui::kPeakDetectQuestion)));
    m_HalfWidth = AddIntegerRow(form, ui::kHalfWidthLabel, 1, 10000, doc.m_Params.m_HalfWidth);
    m_Slope = AddNumberRow(form, ui::kSlopeLabel, 0, 1e7, 1, doc.m_Params.m_Slope);
    m_UseManualEvents = AddCheckRow(form, ui::kUseManualEvents, doc.m_UseManualEvents != 0);
    m_UseTimeProgram = AddCheckRow(form, ui::kUseTimeProgram, doc.m_Params.m_UseTimeProgram != 0);
    FinishDialog(this, form);
}

void PeakDetectDialog::Store(CTzLabDoc& doc) const {
    doc.m_Params.m_HalfWidth = m_HalfWidth->value();
    doc.m_Params.m_Slope = m_Slope->value();
    doc.m_UseManualEvents = m_UseManualEvents->isChecked() ? 1 : 0;
    doc.m_Params.m_UseTimeProgram = m_UseTimeProgram->isChecked() ? 1 : 0;
}

}  // namespace lx
