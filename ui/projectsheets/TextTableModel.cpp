#include "ui/projectsheets/TextTableModel.h"

#include "ui/sheets/SheetControls.h"

namespace lx {

void TextTableModel::SetTable(std::vector<std::string> headers,
                              std::vector<std::vector<std::string>> rows) {
    beginResetModel();
    m_Headers = std::move(headers);
    m_Rows = std::move(rows);
    endResetModel();
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_Rows.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_Headers.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const auto& row = m_Rows[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return column < row.size() ? Q(row[column]) : QString();
        case Qt::DecorationRole:
            return column == 0 && !m_Icon.isNull() ? QVariant(m_Icon) : QVariant();
        default:
            return {};
    }
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return Q(m_Headers[static_cast<std::size_t>(section)]);
}

}  // namespace lx
