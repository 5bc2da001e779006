#include "ui/overlays/OverlayListModel.h"

#include <QColor>

#include "ui/overlays/OverlayLabel.h"
#include "ui/sheets/SheetControls.h"

namespace lx {

OverlayListModel::OverlayListModel(const OverlayList& list, QObject* parent)
    : QAbstractListModel(parent), m_List(list), m_Rows(static_cast<int>(list.size())) {}

int OverlayListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_Rows;
}

QVariant OverlayListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const auto k = static_cast<std::size_t>(index.row());
    if (k >= m_List.size())  // gone from the list, and the next Refresh() takes the row
        return {};
    const Overlay& overlay = m_List.at(k);
    switch (role) {
        case Qt::DisplayRole:
            return OverlayLabel(overlay, k) + (overlay.m_Modified ? " *" : "");
        case Qt::DecorationRole:
            return QColor(overlay.m_Colour.r, overlay.m_Colour.g, overlay.m_Colour.b);
        case Qt::ToolTipRole:
            return Q(overlay.m_Path);
        default:
            return {};
    }
}

void OverlayListModel::Refresh() {
    const int rows = static_cast<int>(m_List.size());
    if (rows > m_Rows) {
        beginInsertRows({}, m_Rows, rows - 1);
        m_Rows = rows;
        endInsertRows();
    } else if (rows < m_Rows) {
        beginRemoveRows({}, rows, m_Rows - 1);
        m_Rows = rows;
        endRemoveRows();
    }
    if (rows > 0)
        emit dataChanged(index(0), index(rows - 1));
}

}  // namespace lx
