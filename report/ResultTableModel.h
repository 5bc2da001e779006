#pragma once
// The result table as the analysis window's list shows it: rows striped white and pale blue,
// black text, and each row knowing its peak even when the filter leaves peaks out.

#include <QAbstractTableModel>

#include "report/ResultTable.h"

namespace lx {

class ResultTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Rebuilds from the chromatogram's peaks; every refresh starts again from the document.
    void Refresh(const std::vector<PeakRecord>& peaks, const TableOptions& options);

    // The peak (index in the peak table) a row shows; -1 for the totals row or no row.
    int PeakAt(int row) const;
    // The row showing peak `k`, or -1 when it is not listed.
    int RowOf(int k) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    ResultTable m_Table;
};

}  // namespace lx
