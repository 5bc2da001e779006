#include "ui/projectsheets/CalibrationInfoPage.h"

#include <QVBoxLayout>

#include "quant/views/CalibrationRows.h"
#include "ui/projectsheets/ProjectSheetTexts.h"
#include "ui/projectsheets/TableList.h"

namespace lx {

CalibrationInfoPage::CalibrationInfoPage(QWidget* parent)
    : QWidget(parent), m_Model(new TextTableModel(this)) {
    m_List = MakeTableList("calibrationInfoList", texts::kCalibrationInfoPage, m_Model);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_List);
}

void CalibrationInfoPage::Show(const CPrjDoc& project) {
    std::vector<std::vector<std::string>> cells;
    for (const auto& row : CalibrationInfoRows(project))
        cells.emplace_back(row.begin(), row.end());
    m_Model->SetTable({Tr(texts::kInfoColComponent), Tr(texts::kInfoColProperty),
                       Tr(texts::kInfoColChromatogram)},
                      std::move(cells));
}

}  // namespace lx
