#pragma once
// The analysis window's list of its overlays: the current one selected, and picking another
// asks for it to become current. It shows the list as it is after each Refresh().

#include <QListView>

#include "process/OverlayList.h"

namespace lx {

class OverlayListModel;

class OverlayPanel : public QListView {
    Q_OBJECT
public:
    explicit OverlayPanel(const OverlayList& list, QWidget* parent = nullptr);
    OverlayListModel* Model() const { return m_Model; }

public slots:
    void Refresh();

signals:
    // The operator picked overlay `index`.
    void CurrentChosen(int index);

private:
    const OverlayList& m_List;
    OverlayListModel* m_Model;
    bool m_Refreshing = false;
};

}  // namespace lx
