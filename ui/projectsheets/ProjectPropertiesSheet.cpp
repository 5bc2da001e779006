#include "ui/projectsheets/ProjectPropertiesSheet.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "quant/workflow/ProjectRecords.h"
#include "ui/projectsheets/CalibrationInfoPage.h"
#include "ui/projectsheets/CalibrationSettingsPage.h"
#include "ui/projectsheets/ProjectSheetTexts.h"
#include "ui/sheets/SheetControls.h"

namespace lx {

ProjectPropertiesSheet::ProjectPropertiesSheet(ProjectSession& session, QWidget* parent)
    : QDialog(parent),
      m_Session(session),
      m_Draft(session.Project()),
      m_SettingsPage(new CalibrationSettingsPage),
      m_InfoPage(new CalibrationInfoPage) {
    setWindowTitle(T(texts::kPropertiesTitle));
    auto* tabs = new QTabWidget;
    tabs->setObjectName("sheetTabs");
    m_SettingsPage->setObjectName("calibrationSettingsPage");
    NameControl(m_SettingsPage, texts::kCalibrationSettingsPage);
    tabs->addTab(m_SettingsPage, T(texts::kCalibrationSettingsPage));
    m_InfoPage->setObjectName("calibrationInfoPage");
    NameControl(m_InfoPage, texts::kCalibrationInfoPage);
    tabs->addTab(m_InfoPage, T(texts::kCalibrationInfoPage));
    connect(m_SettingsPage, &CalibrationSettingsPage::LevelChosen, this,
            &ProjectPropertiesSheet::ChangeLevel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(MakeOkCancel(this));
    // Standards are listed by their full paths: room for them and the columns beside them.
    resize(720, 420);
    ShowDraft();
}

bool ProjectPropertiesSheet::ChangeLevel(int index, int level) {
    if (!SetStandardLevel(m_Draft, index, level))
        return false;
    m_LevelChanges.emplace_back(index, level);
    ShowDraft();
    return true;
}

void ProjectPropertiesSheet::accept() {
    // The same changes on the same project give the same result as on the copy; replaying
    // them keeps what the project holds beyond its stored fields (where it lives, the open
    // chromatograms pointing at it) out of the edit.
    ProjectEdit edit(m_Session, T(texts::kCalibrationSettingsPage));
    for (auto [index, level] : m_LevelChanges)
        SetStandardLevel(m_Session.Project(), index, level);
    edit.Commit();
    QDialog::accept();
}

void ProjectPropertiesSheet::ShowDraft() {
    m_SettingsPage->Show(m_Draft);
    m_InfoPage->Show(m_Draft);
}

}  // namespace lx
