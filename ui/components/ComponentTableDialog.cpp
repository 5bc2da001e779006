#include "ui/components/ComponentTableDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>

#include "core/Format.h"
#include "quant/QuantTexts.h"
#include "ui/components/ComponentDialogs.h"
#include "ui/components/ComponentTableModel.h"
#include "ui/components/ComponentTexts.h"
#include "ui/sheets/SheetControls.h"

namespace lx {

ComponentTableDialog::ComponentTableDialog(ProjectSession& session, Prompter& prompter,
                                           QWidget* parent)
    : QDialog(parent),
      m_Session(session),
      m_Prompter(prompter),
      m_OpenIndex(session.Undo().index()),
      m_Model(new ComponentTableModel(session, this)),
      m_View(new QTableView) {
    setWindowTitle(T(texts::kComponentTableTitle));
    m_View->setModel(m_Model);
    NameControl(m_View, texts::kComponentTableTitle);
    m_View->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_View->setSelectionMode(QAbstractItemView::SingleSelection);
    m_View->setEditTriggers(QAbstractItemView::DoubleClicked);
    m_View->verticalHeader()->hide();
    m_View->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_View, &QAbstractItemView::doubleClicked, this, &ComponentTableDialog::OnDoubleClick);
    connect(m_View->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ComponentTableDialog::RememberFocus);
    connect(m_Model, &QAbstractItemModel::modelReset, this, &ComponentTableDialog::RestoreFocus);

    auto* add = MakeButton(texts::kAddComponentButton);
    auto* remove = MakeButton(texts::kDeleteComponentButton);
    auto* removeAll = MakeButton(texts::kDeleteAllButton);
    auto* ok = MakeButton(texts::kTableOk);
    auto* cancel = MakeButton(texts::kTableCancel);
    connect(add, &QPushButton::clicked, this, &ComponentTableDialog::AddComponent);
    connect(remove, &QPushButton::clicked, this, &ComponentTableDialog::DeleteComponent);
    connect(removeAll, &QPushButton::clicked, this, &ComponentTableDialog::DeleteAllComponents);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {add, remove, removeAll})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_View);
    layout->addLayout(buttons);
    resize(760, 360);
}

void ComponentTableDialog::reject() {
    m_Session.Undo().setIndex(m_OpenIndex);
    QDialog::reject();
}

void ComponentTableDialog::AddComponent() {
    ComponentDraft draft = NewComponentDraft(m_Session.Project());
    const auto item = ComponentDialog::Ask(this, draft.item);
    if (!item)
        return;
    draft.item = *item;
    ProjectEdit edit(m_Session, T(texts::kStepAddComponent));
    const auto id = AcceptComponentDraft(m_Session.Project(), draft);
    edit.Commit();
    m_View->setCurrentIndex(m_Model->index(m_Session.Project().FindComponent(*id), 0));
}

void ComponentTableDialog::DeleteComponent() {
    CPrjDoc& project = m_Session.Project();
    const int row = m_View->currentIndex().row();
    const CComponentItem* c = project.ComponentAt(row);
    if (!c || !m_Prompter.Confirm(Format(Tr(texts::kConfirmDeleteComponent), c->m_Name.c_str())))
        return;
    ProjectEdit edit(m_Session, T(texts::kStepDeleteComponent));
    project.RemoveComponent(row);
    project.m_Modified = true;
    edit.Commit();
}

void ComponentTableDialog::DeleteAllComponents() {
    if (!m_Prompter.Confirm(Tr(texts::kConfirmDeleteAllComponents)))
        return;
    ProjectEdit edit(m_Session, T(texts::kStepDeleteAllComponents));
    m_Session.Project().RemoveAllComponents();
    m_Session.Project().m_Modified = true;
    edit.Commit();
}

void ComponentTableDialog::OnDoubleClick(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const ComponentColumn& column = m_Model->Column(index.column());
    switch (column.kind) {
        case ComponentColumn::Concentration:
            EditConcentration(index.row(), column.level);
            break;
        case ComponentColumn::Correlation:
        case ComponentColumn::CurveType:
            ToggleCurve(index.row());
            break;
        case ComponentColumn::InternalStandard:
            ChooseInternalStandard(index);
            break;
        default:  // the name, time and window cells open their edit box themselves
            break;
    }
}

void ComponentTableDialog::EditConcentration(int row, int level) {
    const CComponentItem* c = m_Session.Project().ComponentAt(row);
    if (!c || level < 1 || static_cast<std::size_t>(level) > c->m_Points.size())
        return;
    const double shown = c->m_Points[static_cast<std::size_t>(level - 1)].m_Concentration;
    const auto concentration = LevelConcentrationDialog::Ask(this, level, shown);
    if (!concentration)
        return;
    ProjectEdit edit(m_Session, T(texts::kStepConcentration));
    SetLevelConcentration(m_Session.Project(), row, level, *concentration);
    edit.Commit();
}

void ComponentTableDialog::ToggleCurve(int row) {
    ProjectEdit edit(m_Session, T(texts::kStepCurveType));
    ToggleCurveType(m_Session.Project(), row, m_Prompter);
    edit.Commit();
}

void ComponentTableDialog::ChooseInternalStandard(const QModelIndex& index) {
    const int row = index.row();
    auto* menu = new QMenu(this);
    // Hidden by a choice or by a click outside it, the popup has done its work.
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    NameControl(menu, texts::kColInternalStandard);
    const auto choices = InternalStandardChoices(m_Session.Project(), row);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        QAction* action = menu->addAction(Q(choices[i]));
        connect(action, &QAction::triggered, this, [this, row, choice = static_cast<int>(i)] {
            ProjectEdit edit(m_Session, T(texts::kStepInternalStandard));
            ApplyInternalStandardChoice(m_Session.Project(), row, choice);
            edit.Commit();
        });
    }
    const QRect cell = m_View->visualRect(index);
    menu->popup(m_View->viewport()->mapToGlobal(cell.bottomLeft()));
    menu->setActiveAction(
        menu->actions().value(InitialInternalStandardChoice(m_Session.Project(), row)));
}

// Kept as the focus moves: by the time the rows are rebuilt, the project has already changed.
void ComponentTableDialog::RememberFocus(const QModelIndex& current) {
    const CComponentItem* c = m_Session.Project().ComponentAt(current.row());
    if (!c)
        return;
    m_FocusedRow = current.row();
    m_FocusedId = c->m_Id;
    m_FocusedColumn = current.column();
}

// The component keeps the focus where it went, or the row that took its place does.
void ComponentTableDialog::RestoreFocus() {
    if (m_FocusedRow < 0)
        return;
    const int rows = m_Model->rowCount();
    int row = m_Session.Project().FindComponent(m_FocusedId);
    if (row < 0)
        row = std::min(m_FocusedRow, rows - 1);
    if (row >= 0)
        m_View->setCurrentIndex(
            m_Model->index(row, std::min(m_FocusedColumn, m_Model->columnCount() - 1)));
}

}  // namespace lx
