#pragma once
// "校正信息": for every component its retention time, and per level the concentration, each
// repeat's response with the standard file it came from, and their mean.

#include <QTreeView>
#include <QWidget>

#include "quant/CPrjDoc.h"
#include "ui/projectsheets/TextTableModel.h"

namespace lx {

class CalibrationInfoPage : public QWidget {
public:
    explicit CalibrationInfoPage(QWidget* parent = nullptr);
    void Show(const CPrjDoc& project);
    QTreeView* List() const { return m_List; }

private:
    TextTableModel* m_Model;
    QTreeView* m_List;
};

}  // namespace lx
