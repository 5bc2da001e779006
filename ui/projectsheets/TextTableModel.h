#pragma once
// A read-only table of texts for the sheet's lists: the engine builds the headings and cells
// (quant/views), the model only hands them to the view. Each refresh replaces the whole
// table, as the workstation's lists were refilled from scratch.

#include <QAbstractTableModel>
#include <QIcon>

#include <string>
#include <vector>

namespace lx {

class TextTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Rows shorter than the headings show empty cells.
    void SetTable(std::vector<std::string> headers, std::vector<std::vector<std::string>> rows);
    // Shown before the first cell of every row.
    void SetRowIcon(const QIcon& icon) { m_Icon = icon; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<std::string> m_Headers;
    std::vector<std::vector<std::string>> m_Rows;
    QIcon m_Icon;
};

}  // namespace lx
