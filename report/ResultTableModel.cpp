#include "report/ResultTableModel.h"

#include <QBrush>
#include <QColor>

namespace lx {

void ResultTableModel::Refresh(const std::vector<PeakRecord>& peaks, const TableOptions& options) {
    beginResetModel();
    m_Table = BuildResultTable(peaks, options);
    endResetModel();
}

int ResultTableModel::PeakAt(int row) const {
    if (row < 0 || row >= rowCount())
        return -1;
    return m_Table.rows[static_cast<std::size_t>(row)].peak;
}

int ResultTableModel::RowOf(int k) const {
    for (std::size_t row = 0; row < m_Table.rows.size(); ++row)
        if (k >= 0 && m_Table.rows[row].peak == k)
            return static_cast<int>(row);
    return -1;
}

int ResultTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_Table.rows.size());
}

int ResultTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_Table.columns.size());
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(m_Table.rows[static_cast<std::size_t>(index.row())]
                                              .cells[static_cast<std::size_t>(index.column())]);
        case Qt::BackgroundRole:
            return QBrush(index.row() % 2 == 0 ? QColor(255, 255, 255) : QColor(200, 200, 255));
        case Qt::ForegroundRole:
            return QBrush(Qt::black);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return {};
    return QString::fromStdString(m_Table.headers[static_cast<std::size_t>(section)]);
}

}  // namespace lx
