#pragma once
// "组份表": the component table of a method project, edited in place. Every change is made on
// the project at once, as one undo step of its session: adding ("新组份"), deleting one or all
// rows after the operator's Yes, a double-click on a name, time or window cell (an edit box
// over the cell), on a level's concentration ("点"), on the correlation or curve type (the
// curve type toggles and the project recalibrates) or on the internal-standard cell (a popup
// of the choices). OK keeps the steps; Cancel, Escape and the close box take back every step
// made while the dialog was open.

#include <QDialog>

#include <cstdint>

#include "core/Prompter.h"
#include "ui/project/ProjectUndo.h"

class QMenu;
class QModelIndex;
class QTableView;

namespace lx {

class ComponentTableModel;

class ComponentTableDialog : public QDialog {
    Q_OBJECT

public:
    // Questions, and the messages of a refused calibration, go to `prompter`. The session must
    // outlive the dialog.
    ComponentTableDialog(ProjectSession& session, Prompter& prompter, QWidget* parent = nullptr);

    void reject() override;

private:
    void AddComponent();
    void DeleteComponent();
    void DeleteAllComponents();
    void OnDoubleClick(const QModelIndex& index);
    void EditConcentration(int row, int level);
    void ToggleCurve(int row);
    // The "对 应 内 标" popup at the cell; a click outside it chooses nothing.
    void ChooseInternalStandard(const QModelIndex& index);
    // The focused component stays focused when the rows are rebuilt (its row may move).
    void RememberFocus(const QModelIndex& current);
    void RestoreFocus();

    ProjectSession& m_Session;
    Prompter& m_Prompter;
    const int m_OpenIndex;  // the undo stack's index when the dialog opened
    ComponentTableModel* m_Model;
    QTableView* m_View;
    int m_FocusedRow = -1;
    std::int32_t m_FocusedId = -1;
    int m_FocusedColumn = 0;
};

}  // namespace lx
