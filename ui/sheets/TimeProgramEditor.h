#pragma once
// The time program as the peak parameter page shows it: the list, kept sorted by time, with
// "增加", "删除" and "编辑" (a double click edits too). It edits its own copy of the program.

#include <QTreeWidget>
#include <QWidget>

#include <vector>

#include "core/IntegrationParams.h"
#include "core/Prompter.h"

namespace lx {

class TimeProgramEditor : public QWidget {
public:
    explicit TimeProgramEditor(Prompter& prompter, QWidget* parent = nullptr);
    void Load(const std::vector<TimeProgramEntry>& program);
    const std::vector<TimeProgramEntry>& Program() const { return m_Program; }

    void AddEntry();
    void EditSelected();
    void DeleteSelected();

private:
    // The list is rebuilt after every change; `select` is the row to leave selected, or -1.
    void Rebuild(int select);
    int SelectedRow() const;

    Prompter& m_Prompter;
    std::vector<TimeProgramEntry> m_Program;
    QTreeWidget* m_List;
};

}  // namespace lx
