#include "ui/curve/CurveRangeDialog.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "ui/UiTexts.h"
#include "ui/curve/CurveTexts.h"
#include "ui/sheets/SheetControls.h"

namespace lx {
namespace {

// Amounts may be ratios well below 1 and responses mean areas of millions: six decimals over
// a wide span keep both as the plot has them.
QDoubleSpinBox* MakeRangeBox(double value, const char* name) {
    auto* box = new QDoubleSpinBox;
    box->setObjectName(name);
    box->setDecimals(6);
    box->setRange(-1e12, 1e12);
    box->setValue(value);
    return box;
}

}  // namespace

CurveRangeDialog::CurveRangeDialog(const CurveRange& range, QWidget* parent)
    : QDialog(parent),
      m_XMin(MakeRangeBox(range.xMin, "xMin")),
      m_XMax(MakeRangeBox(range.xMax, "xMax")),
      m_YMin(MakeRangeBox(range.yMin, "yMin")),
      m_YMax(MakeRangeBox(range.yMax, "yMax")) {
    setWindowTitle(T(ui::kCoordinateTitle));
    auto* form = new QFormLayout;
    AddRow(form, curve::kAmountMin, m_XMin);
    AddRow(form, curve::kAmountMax, m_XMax);
    AddRow(form, curve::kResponseMin, m_YMin);
    AddRow(form, curve::kResponseMax, m_YMax);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(MakeOkCancel(this));
}

CurveRange CurveRangeDialog::Range() const {
    return {m_XMin->value(), m_XMax->value(), m_YMin->value(), m_YMax->value()};
}

}  // namespace lx
