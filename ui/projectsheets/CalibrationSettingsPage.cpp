#include "ui/projectsheets/CalibrationSettingsPage.h"

#include <QStyle>
#include <QVBoxLayout>

#include "ui/projectsheets/LevelDialog.h"
#include "ui/projectsheets/ProjectSheetTexts.h"
#include "ui/projectsheets/TableList.h"

namespace lx {

CalibrationSettingsPage::CalibrationSettingsPage(QWidget* parent)
    : QWidget(parent), m_Model(new TextTableModel(this)) {
    m_Model->SetRowIcon(style()->standardIcon(QStyle::SP_FileIcon));
    m_List = MakeTableList("standardList", texts::kCalibrationSettingsPage, m_Model);
    connect(m_List, &QAbstractItemView::doubleClicked, this, &CalibrationSettingsPage::AskLevel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_List);
}

void CalibrationSettingsPage::Show(const CPrjDoc& project) {
    m_Project = &project;
    m_Table = BuildCalibrationSettings(project);
    std::vector<std::vector<std::string>> cells;
    for (const CalibrationSettingsRow& row : m_Table.m_Rows)
        cells.push_back(row.m_Cells);
    m_Model->SetTable(m_Table.m_Headers, std::move(cells));
}

void CalibrationSettingsPage::AskLevel(const QModelIndex& at) {
    if (!m_Project || !at.isValid())
        return;
    const CalibrationSettingsRow& row = m_Table.m_Rows[static_cast<std::size_t>(at.row())];
    // The second standard list of a fingerprint project holds no calibration standards: its
    // records have no level to change.
    if (row.m_List != RecordList::kStandards)
        return;
    const CPrjFileRecord& record = m_Project->m_Standards[static_cast<std::size_t>(row.m_Index)];
    if (auto level = LevelDialog::Ask(record.m_Level, m_Project->m_LevelCount, this))
        emit LevelChosen(row.m_Index, *level);
}

}  // namespace lx
