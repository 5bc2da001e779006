#include "ui/sheets/TimeProgramEditor.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "peaks/TimeProgramList.h"
#include "ui/sheets/ListControls.h"
#include "ui/sheets/SheetControls.h"
#include "ui/sheets/SheetTexts.h"
#include "ui/sheets/TimeProgramDialog.h"

namespace lx {

TimeProgramEditor::TimeProgramEditor(Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_Prompter(prompter) {
    m_List = MakeList("m_TimeProgram", texts::kTimeProgramList,
                      {texts::kColRow, texts::kColTime, texts::kColHalfWidth, texts::kColSlope,
                       texts::kColEvent});
    connect(m_List, &QTreeWidget::itemDoubleClicked, this, &TimeProgramEditor::EditSelected);
    auto* buttons = new QHBoxLayout;
    for (auto [text, act] : {std::pair{texts::kAdd, &TimeProgramEditor::AddEntry},
                             std::pair{texts::kDelete, &TimeProgramEditor::DeleteSelected},
                             std::pair{texts::kEdit, &TimeProgramEditor::EditSelected}}) {
        auto* button = MakeButton(text);
        connect(button, &QPushButton::clicked, this, act);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_List);
    layout->addLayout(buttons);
}

void TimeProgramEditor::Load(const std::vector<TimeProgramEntry>& program) {
    m_Program = program;
    Rebuild(-1);
}

void TimeProgramEditor::AddEntry() {
    if (auto entry = TimeProgramDialog::Ask(this, NewTimeProgramEntry()))
        Rebuild(static_cast<int>(InsertTimeProgramEntry(m_Program, *entry)));
}

void TimeProgramEditor::EditSelected() {
    const int row = SelectedRow();
    if (row < 0) {
        m_Prompter.Inform(Tr(texts::kSelectToEdit), Prompter::Icon::Warning);
        return;
    }
    const auto at = static_cast<std::size_t>(row);
    if (auto entry = TimeProgramDialog::Ask(this, m_Program[at])) {
        EditTimeProgramEntry(m_Program, at, *entry);
        Rebuild(-1);
    }
}

void TimeProgramEditor::DeleteSelected() {
    const int row = SelectedRow();
    if (row < 0) {
        m_Prompter.Inform(Tr(texts::kSelectToDelete), Prompter::Icon::Warning);
        return;
    }
    if (!m_Prompter.Confirm(Tr(texts::kConfirmDeleteEntry)))
        return;
    DeleteTimeProgramEntry(m_Program, static_cast<std::size_t>(row));
    Rebuild(-1);
}

void TimeProgramEditor::Rebuild(int select) {
    m_List->clear();
    for (std::size_t i = 0; i < m_Program.size(); ++i)
        AddListRow(m_List, TimeProgramRowTexts(m_Program[i], i));
    if (select >= 0)
        m_List->setCurrentItem(m_List->topLevelItem(select));
}

int TimeProgramEditor::SelectedRow() const {
    return SelectedListRow(m_List);
}

}  // namespace lx
