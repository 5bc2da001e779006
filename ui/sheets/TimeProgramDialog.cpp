#include "ui/sheets/TimeProgramDialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "peaks/PeakTexts.h"
#include "ui/sheets/NumberFields.h"
#include "ui/sheets/SheetControls.h"
#include "ui/sheets/SheetTexts.h"

namespace lx {

TimeProgramDialog::TimeProgramDialog(const TimeProgramEntry& entry, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(T(texts::kTimeProgramTitle));
    m_Time = MakeMinutesBox("m_Time");
    m_HalfWidth = MakeHalfWidthBox("m_HalfWidth");
    m_Slope = MakeSlopeBox("m_Slope");
    // The list's order is the stored value: 0 allows, 1 forbids.
    m_Event = new ChoiceBox({T(texts::kAllowIntegration), T(texts::kForbidIntegration)});
    m_Event->setObjectName("m_Forbid");

    auto* form = new QFormLayout;
    AddRow(form, texts::kEntryTime, m_Time);
    AddRow(form, texts::kHalfWidth, m_HalfWidth);
    AddRow(form, texts::kSlope, m_Slope);
    AddRow(form, texts::kEntryEvent, m_Event);
    auto* buttons = MakeOkCancel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    m_Time->Load(entry.m_Time);
    m_HalfWidth->Load(entry.m_HalfWidth);
    m_Slope->Load(entry.m_Slope);
    m_Event->Load(entry.m_Forbid);
}

TimeProgramEntry TimeProgramDialog::Entry() const {
    return {m_Time->Exact(), static_cast<std::int32_t>(m_HalfWidth->Exact()), m_Slope->Exact(),
            m_Event->Value()};
}

std::optional<TimeProgramEntry> TimeProgramDialog::Ask(QWidget* parent,
                                                       const TimeProgramEntry& entry) {
    TimeProgramDialog dialog(entry, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Entry();
}

}  // namespace lx
