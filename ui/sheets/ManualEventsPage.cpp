#include "ui/sheets/ManualEventsPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/Format.h"
#include "peaks/ManualEvents.h"
#include "ui/sheets/ListControls.h"
#include "ui/sheets/SheetControls.h"
#include "ui/sheets/SheetTexts.h"

namespace lx {

ManualEventsPage::ManualEventsPage(Prompter& prompter, QWidget* parent)
    : SheetPage(parent), m_Prompter(prompter) {
    m_UseManualEvents = new FlagBox(texts::kUseManualEvents, "m_UseManualEvents");
    m_List = MakeList("m_ManualEvents", texts::kEventList,
                      {texts::kColEventNo, texts::kColEventText, texts::kColEventTime});
    auto* clear = MakeButton(texts::kClear);
    connect(clear, &QPushButton::clicked, this, &ManualEventsPage::ClearAll);
    auto* remove = MakeButton(texts::kDelete);
    connect(remove, &QPushButton::clicked, this, &ManualEventsPage::DeleteSelected);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clear);
    buttons->addWidget(remove);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_UseManualEvents);
    layout->addWidget(m_List);
    layout->addLayout(buttons);
}

void ManualEventsPage::Load(const CTzLabDoc& doc) {
    m_UseManualEvents->Load(doc.m_UseManualEvents);
    m_Events = doc.m_ManualEvents;
    Rebuild();
}

void ManualEventsPage::Store(CTzLabDoc& doc) const {
    doc.m_UseManualEvents = m_UseManualEvents->Value();
    doc.m_ManualEvents = m_Events;
}

void ManualEventsPage::DeleteSelected() {
    const int row = SelectedListRow(m_List);
    if (row < 0) {
        // The workstation said nothing here; the time program's words say what is missing.
        m_Prompter.Inform(Tr(texts::kSelectToDelete), Prompter::Icon::Warning);
        return;
    }
    if (!m_Prompter.Confirm(Tr(texts::kConfirmDeleteEvent)))
        return;
    DeleteManualEventRow(m_Events, static_cast<std::size_t>(row));
    Rebuild();
}

void ManualEventsPage::ClearAll() {
    if (m_Events.empty())
        return;  // nothing to ask about
    if (!m_Prompter.Confirm(Tr(texts::kConfirmClearEvents)))
        return;
    m_Events.clear();
    Rebuild();
}

void ManualEventsPage::Rebuild() {
    m_List->clear();
    for (std::size_t i = 0; i < m_Events.size(); ++i) {
        auto cells = ManualEventRowTexts(m_Events[i], i);
        // The workstation left the time column empty; the time the event was made at tells
        // the operator which correction a line is.
        cells[2] = Format("%1.3f", m_Events[i].m_Time);
        AddListRow(m_List, cells);
    }
}

}  // namespace lx
