#pragma once
// The overlays of an analysis window as a list for its panel: each as "通道 %d : name" with a
// swatch of its trace colour, a modified one marked with "*", its full path as the tip.
// The list changes under the model; Refresh() brings the rows up to date.

#include <QAbstractListModel>

#include "process/OverlayList.h"

namespace lx {

class OverlayListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit OverlayListModel(const OverlayList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

public slots:
    // Rows are added or removed at the end to match the list, and every row is told to redraw:
    // overlays have no identity the rows could follow, and a panel's selection survives this
    // where a reset would drop it.
    void Refresh();

private:
    const OverlayList& m_List;
    int m_Rows = 0;
};

}  // namespace lx
