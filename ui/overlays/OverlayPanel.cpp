#include "ui/overlays/OverlayPanel.h"

#include "ui/overlays/OverlayListModel.h"
#include "ui/overlays/OverlayTexts.h"
#include "ui/sheets/SheetControls.h"

namespace lx {

OverlayPanel::OverlayPanel(const OverlayList& list, QWidget* parent)
    : QListView(parent), m_List(list), m_Model(new OverlayListModel(list, this)) {
    setModel(m_Model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    NameControl(this, texts::kOverlayPanelName);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!m_Refreshing && current.isValid())
                    emit CurrentChosen(current.row());
            });
    Refresh();
}

void OverlayPanel::Refresh() {
    // Showing the list's current overlay is no choice of the operator's.
    m_Refreshing = true;
    m_Model->Refresh();
    const QModelIndex current = m_Model->index(m_List.CurrentIndex());
    if (current.isValid())
        selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
    else
        selectionModel()->clear();
    m_Refreshing = false;
}

}  // namespace lx
