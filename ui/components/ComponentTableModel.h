#pragma once
// The component table of a method project as a Qt table: the engine's columns and cell texts
// (quant/views/ComponentTableRows.h) by the project's method, its alternating row colours, and
// in-place edits of the name, retention time and time window, each one undo step.

#include <QAbstractTableModel>

#include <functional>
#include <vector>

#include "core/Language.h"
#include "quant/views/ComponentTableRows.h"
#include "ui/project/ProjectUndo.h"

namespace lx {

class ComponentTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Follows the session's undo stack: every step made, undone or redone rebuilds the rows and
    // the columns from scratch, as the method or the level count may have changed with it.
    explicit ComponentTableModel(ProjectSession& session, QObject* parent = nullptr);

    // What column `column` shows; the column must exist.
    const ComponentColumn& Column(int column) const;
    // Rebuilds the columns and rows from the project (not while the model pushes its own
    // in-place edit, which rearranges the rows itself).
    void Refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Name, retention time and time window: the text typed into the cell. A number that does not
    // read as one is refused (false, nothing changed); a new time moves the row to its place in
    // the table's time order.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    // One in-place edit of row `row` as one step named `step`; a changed time moves the row.
    void EditRow(int row, const Text& step, const std::function<void(CComponentItem&)>& change);

    ProjectSession& m_Session;
    std::vector<ComponentColumn> m_Columns;
    bool m_OwnStep = false;  // an edit of this model is being pushed: no rebuild
};

}  // namespace lx
