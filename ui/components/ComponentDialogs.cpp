#include "ui/components/ComponentDialogs.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "core/Format.h"
#include "ui/components/ComponentTexts.h"
#include "ui/sheets/NumberFields.h"
#include "ui/sheets/SheetControls.h"

namespace lx {
namespace {

// A window is minutes or a fraction of the time, by the identification mode, and a negative
// one counts as its size: so no unit, and both signs.
NumberBox* MakeWindowBox(const char* name) {
    auto* box = new NumberBox(-1000.0, 1000.0, 4);
    box->setObjectName(name);
    return box;
}

// The dialog's fields go in the form returned, above OK and Cancel.
QFormLayout* FormAboveOkCancel(QDialog* dialog) {
    auto* form = new QFormLayout;
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addWidget(MakeOkCancel(dialog));
    return form;
}

// Shows a dialog made of `args` and gives back what `result` reads from it on OK.
template <class Dialog, class Result, class... Args>
std::optional<Result> AskWith(QWidget* parent, Result (Dialog::*result)() const,
                              const Args&... args) {
    Dialog dialog(args..., parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return (dialog.*result)();
}

}  // namespace

ComponentDialog::ComponentDialog(const CComponentItem& item, QWidget* parent)
    : QDialog(parent), m_Item(item) {
    setWindowTitle(T(texts::kNewComponentTitle));
    m_Name = new TextBox;
    m_Name->setObjectName("m_Name");
    m_Time = MakeMinutesBox("m_RetentionTime");
    m_Window = MakeWindowBox("m_TimeWindow");
    QFormLayout* form = FormAboveOkCancel(this);
    AddRow(form, texts::kComponentNameLabel, m_Name);
    AddRow(form, texts::kRetentionTimeLabel, m_Time);
    AddRow(form, texts::kTimeWindowLabel, m_Window);
    m_Name->Load(item.m_Name);
    m_Time->Load(item.m_RetentionTime);
    m_Window->Load(item.m_TimeWindow);
}

CComponentItem ComponentDialog::Item() const {
    CComponentItem item = m_Item;
    item.m_Name = m_Name->Value();
    item.m_RetentionTime = m_Time->Exact();
    item.m_TimeWindow = m_Window->Exact();
    return item;
}

std::optional<CComponentItem> ComponentDialog::Ask(QWidget* parent, const CComponentItem& item) {
    return AskWith(parent, &ComponentDialog::Item, item);
}

LevelConcentrationDialog::LevelConcentrationDialog(int level, double concentration, QWidget* parent)
    : QDialog(parent) {
    const QString title = Q(Format(Tr(texts::kLevelConcentrationTitle), level));
    setWindowTitle(title);
    m_Concentration = MakeAmountBox("m_Concentration", 6);
    // The field's only label is the title.
    m_Concentration->setAccessibleName(title);
    FormAboveOkCancel(this)->addRow(m_Concentration);
    m_Concentration->Load(concentration);
}

std::optional<double> LevelConcentrationDialog::Ask(QWidget* parent, int level,
                                                    double concentration) {
    return AskWith(parent, &LevelConcentrationDialog::Concentration, level, concentration);
}

ReferencePeakDialog::ReferencePeakDialog(const ReferencePeak& reference, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(T(texts::kReferencePeakTitle));
    m_Time = MakeMinutesBox("m_RefRetentionTime");
    m_Window = MakeWindowBox("m_RefWindow");
    QFormLayout* form = FormAboveOkCancel(this);
    AddRow(form, texts::kRetentionTimeLabel, m_Time);
    AddRow(form, texts::kTimeWindowLabel, m_Window);
    m_Time->Load(reference.m_RetentionTime);
    m_Window->Load(reference.m_Window);
}

std::optional<ReferencePeak> ReferencePeakDialog::Ask(QWidget* parent,
                                                      const ReferencePeak& reference) {
    return AskWith(parent, &ReferencePeakDialog::Reference, reference);
}

}  // namespace lx
