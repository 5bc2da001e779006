#include "ui/projectsheets/TableList.h"

#include <QHeaderView>

#include "ui/sheets/SheetControls.h"

namespace lx {

QTreeView* MakeTableList(const char* objectName, const Text& name, QAbstractItemModel* model) {
    auto* list = new QTreeView;
    list->setObjectName(objectName);
    NameControl(list, name);
    list->setModel(model);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return list;
}

}  // namespace lx
