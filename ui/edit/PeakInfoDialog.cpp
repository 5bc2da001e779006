#include "ui/edit/PeakInfoDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

#include "core/Format.h"
#include "quant/CPrjDoc.h"
#include "report/ResultTable.h"
#include "ui/Widgets.h"
#include "ui/edit/EditTexts.h"
#include "ui/sheets/SheetControls.h"

namespace lx {
namespace {

void AddFigure(QFormLayout* form, const Text& label, const std::string& text) {
    auto* field = new QLineEdit(QString::fromStdString(text));
    field->setReadOnly(true);
    // The whole text in view: the type line is long.
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(field->text()) + 16);
    AddRow(form, label, field);
}

}  // namespace

PeakInfoDialog::PeakInfoDialog(const CTzLabDoc& doc, int peak, QWidget* parent)
    : QDialog(parent), m_Peak(doc.m_Peaks.at(static_cast<std::size_t>(peak))) {
    setWindowTitle(T(edit::kPeakInfoTitle));
    auto* form = new QFormLayout;
    AddFigure(form, edit::kPeakType, PeakTypeLine(m_Peak));
    m_Name = new QLineEdit(QString::fromStdString(m_Peak.m_ComponentName));
    AddRow(form, edit::kPeakName, m_Name);
    m_Components = new QComboBox;
    if (const auto* project = dynamic_cast<const CPrjDoc*>(doc.m_Project)) {
        for (const CComponentItem& c : project->m_Components)
            m_Components->addItem(QString::fromStdString(c.m_Name), c.m_Id);
        m_Components->setCurrentIndex(m_Components->findData(m_Peak.m_Component));
    }
    AddRow(form, edit::kPeakComponent, m_Components);
    // Choosing a component names the peak after it.
    connect(m_Components, &QComboBox::activated, this,
            [this](int index) { m_Name->setText(m_Components->itemText(index)); });

    AddFigure(form, edit::kRetention, Format("% .3f", m_Peak.m_ApexTime));
    AddFigure(form, edit::kAreaPercent, Format("% .4f", m_Peak.m_AreaPercent));
    AddFigure(form, edit::kArea, Format("% .1f", m_Peak.m_Area));
    AddFigure(form, edit::kHeight, Format("% .1f", m_Peak.m_Height));
    AddFigure(form, edit::kContent, Format("% .4f", m_Peak.m_Content));
    AddFigure(form, edit::kPlates, Format("% .1f", m_Peak.m_Plates));
    AddFigure(form, edit::kTailing, Format("% .3f", m_Peak.m_Tailing));
    AddFigure(form, edit::kResolution, Format("% .3f", m_Peak.m_Resolution));
    AddFigure(form, edit::kHalfWidth, Format("% .4f", m_Peak.m_HalfWidthTime));
    FinishDialog(this, form);
}

std::string PeakInfoDialog::TypedName() const {
    return m_Name->text().toStdString();
}

std::int32_t PeakInfoDialog::ChosenComponent() const {
    const QVariant id = m_Components->currentData();
    return id.isValid() ? id.toInt() : -1;
}

bool PeakInfoDialog::Changed() const {
    return TypedName() != m_Peak.m_ComponentName || ChosenComponent() != m_Peak.m_Component;
}

}  // namespace lx
