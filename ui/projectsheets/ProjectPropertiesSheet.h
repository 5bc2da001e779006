#pragma once
// The project properties sheet: "校正设置" (the standards, and a double-click to move one to
// another calibration level) and "校正信息" (the calibration points and repeats).
//
// The sheet works on its own copy of the project, so both pages show every level change at
// once while the open project stays as it is. OK replays the changes on the project as one
// step of its undo stack; Cancel leaves it untouched.

#include <QDialog>

#include <utility>
#include <vector>

#include "quant/CPrjDoc.h"
#include "ui/project/ProjectUndo.h"

namespace lx {

class CalibrationInfoPage;
class CalibrationSettingsPage;

class ProjectPropertiesSheet : public QDialog {
public:
    // `session` must outlive the sheet, which is modal: the project does not change under it.
    explicit ProjectPropertiesSheet(ProjectSession& session, QWidget* parent = nullptr);

    // The project as OK would leave it.
    const CPrjDoc& Draft() const { return m_Draft; }
    CalibrationSettingsPage* SettingsPage() const { return m_SettingsPage; }
    CalibrationInfoPage* InfoPage() const { return m_InfoPage; }

    // Moves standard `index` of the standard file list to `level` in the copy, as a
    // double-click on "校正设置" does: a level above the count adds one at the end, then the
    // levels are renumbered. False, with nothing changed, when the engine refuses.
    bool ChangeLevel(int index, int level);

    void accept() override;

private:
    void ShowDraft();

    ProjectSession& m_Session;
    CPrjDoc m_Draft;
    // (standard, level) in the order the operator chose them.
    std::vector<std::pair<int, int>> m_LevelChanges;
    CalibrationSettingsPage* m_SettingsPage;
    CalibrationInfoPage* m_InfoPage;
};

}  // namespace lx
