#include "ui/overlays/OverlayDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

#include "report/PlotView.h"
#include "ui/overlays/OverlayLabel.h"
#include "ui/overlays/OverlayTexts.h"
#include "ui/sheets/SheetControls.h"

namespace lx {
namespace {

QComboBox* OverlayChoice(const OverlayList& list, int current) {
    auto* box = new QComboBox;
    for (std::size_t k = 0; k < list.size(); ++k)
        box->addItem(OverlayLabel(list.at(k), k));
    box->setCurrentIndex(current);
    return box;
}

// A check box or radio button named by its own text.
template <class Button>
Button* Labelled(const Text& text) {
    auto* button = new Button(T(text));
    button->setAccessibleName(T(text));
    return button;
}

}  // namespace

CombineDialog::CombineDialog(const OverlayList& list, QWidget* parent) : QDialog(parent) {
    setWindowTitle(T(texts::kCombineTitle));
    const int first = std::max(list.CurrentIndex(), 0);
    m_First = OverlayChoice(list, first);
    m_Second = OverlayChoice(list, first == 0 && list.size() > 1 ? 1 : 0);
    m_Plus = Labelled<QRadioButton>(texts::kPlus);
    m_Minus = Labelled<QRadioButton>(texts::kMinus);
    m_Plus->setChecked(true);
    auto* signs = new QHBoxLayout;
    signs->addWidget(m_Plus);
    signs->addWidget(m_Minus);
    signs->addStretch();
    auto* form = new QFormLayout(this);
    AddRow(form, texts::kFirstChromatogram, m_First);
    AddRow(form, texts::kSecondChromatogram, m_Second);
    form->addRow(signs);
    form->addRow(MakeOkCancel(this));
    setMinimumWidth(420);
}

int CombineDialog::First() const {
    return m_First->currentIndex();
}
int CombineDialog::Second() const {
    return m_Second->currentIndex();
}
bool CombineDialog::Subtracts() const {
    return m_Minus->isChecked();
}

SmoothDialog::SmoothDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(T(texts::kSmoothTitle));
    m_Width = new QSpinBox;
    // 1 is offered and does nothing, as the workstation allowed it.
    m_Width->setRange(1, 100000);
    m_Width->setValue(5);
    auto* form = new QFormLayout(this);
    AddRow(form, texts::kSmoothWidth, m_Width);
    form->addRow(MakeOkCancel(this));
}

int SmoothDialog::Width() const {
    return m_Width->value();
}

BaselineDialog::BaselineDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(T(texts::kBaselineTitle));
    constexpr double kFullScaleMv = kSignalLimit / 1000.0;
    m_Value = new QDoubleSpinBox;
    m_Value->setRange(-2 * kFullScaleMv, 2 * kFullScaleMv);
    m_Value->setDecimals(3);  // whole uV, what the shift works in
    m_Value->setSuffix(" mV");
    m_AutoZero = Labelled<QCheckBox>(texts::kAutoZero);
    // The typed shift is not used while the first sample gives it.
    connect(m_AutoZero, &QCheckBox::toggled, m_Value, &QWidget::setDisabled);
    auto* form = new QFormLayout(this);
    AddRow(form, texts::kBaselineValue, m_Value);
    form->addRow(m_AutoZero);
    form->addRow(MakeOkCancel(this));
}

double BaselineDialog::Millivolts() const {
    return m_Value->value();
}
bool BaselineDialog::AutoZero() const {
    return m_AutoZero->isChecked();
}

}  // namespace lx
