#include "ui/report/PageMarginsDialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

#include "ui/report/ReportWindowTexts.h"
#include "ui/sheets/SheetControls.h"

namespace lx {

int HundredthsMmOfTwips(std::int32_t twips) {
    return static_cast<int>(std::lround(twips * 2540.0 / 1440.0));
}

std::int32_t TwipsOfHundredthsMm(int hundredths) {
    return static_cast<std::int32_t>(std::lround(hundredths * 1440.0 / 2540.0));
}

PageMarginsDialog::PageMarginsDialog(const std::array<std::int32_t, 4>& twips, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(T(rep::kPageSetupTitle));
    auto* group = new QGroupBox(T(rep::kMargins));
    group->setAccessibleName(T(rep::kMargins));
    auto* form = new QFormLayout(group);
    const Text labels[] = {rep::kMarginLeft, rep::kMarginTop, rep::kMarginRight,
                           rep::kMarginBottom};
    for (std::size_t side = 0; side < m_Fields.size(); ++side) {
        auto* field = new QSpinBox;
        field->setRange(0, 50000);  // half a metre: any paper's margins
        field->setValue(HundredthsMmOfTwips(twips[side]));
        AddRow(form, labels[side], field);
        m_Fields[side] = field;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(MakeOkCancel(this));
}

std::array<std::int32_t, 4> PageMarginsDialog::Twips() const {
    std::array<std::int32_t, 4> twips{};
    for (std::size_t side = 0; side < m_Fields.size(); ++side)
        twips[side] = TwipsOfHundredthsMm(m_Fields[side]->value());
    return twips;
}

}  // namespace lx
