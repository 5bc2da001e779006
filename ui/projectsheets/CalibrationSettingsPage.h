#pragma once
// "校正设置": the project's standards with their creation dates, repeats and levels (for the
// fingerprint method both standard lists with their reference peaks). A double-click on a
// standard of the standard file list asks for the level it moves to.

#include <QTreeView>
#include <QWidget>

#include "quant/CPrjDoc.h"
#include "quant/views/CalibrationRows.h"
#include "ui/projectsheets/TextTableModel.h"

namespace lx {

class CalibrationSettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit CalibrationSettingsPage(QWidget* parent = nullptr);

    // Lists the standards of `project`, which must stay until the next Show.
    void Show(const CPrjDoc& project);
    QTreeView* List() const { return m_List; }

signals:
    // The operator chose `level` for record `index` of the standard file list.
    void LevelChosen(int index, int level);

private:
    void AskLevel(const QModelIndex& at);

    const CPrjDoc* m_Project = nullptr;
    CalibrationSettingsTable m_Table;
    TextTableModel* m_Model;
    QTreeView* m_List;
};

}  // namespace lx
