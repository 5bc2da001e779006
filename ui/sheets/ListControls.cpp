#include "ui/sheets/ListControls.h"

#include <QHeaderView>

#include "ui/sheets/SheetControls.h"

namespace lx {

QTreeWidget* MakeList(const char* objectName, const Text& name,
                      std::initializer_list<Text> columns) {
    auto* list = new QTreeWidget;
    list->setObjectName(objectName);
    NameControl(list, name);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    QStringList headings;
    for (const Text& column : columns)
        headings << T(column);
    list->setHeaderLabels(headings);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->setMinimumSize(360, 160);
    return list;
}

template <std::size_t N>
void AddListRow(QTreeWidget* list, const std::array<std::string, N>& cells) {
    auto* item = new QTreeWidgetItem(list);
    for (std::size_t i = 0; i < N; ++i)
        item->setText(static_cast<int>(i), Q(cells[i]));
}

template void AddListRow(QTreeWidget*, const std::array<std::string, 3>&);
template void AddListRow(QTreeWidget*, const std::array<std::string, 4>&);
template void AddListRow(QTreeWidget*, const std::array<std::string, 5>&);

int SelectedListRow(const QTreeWidget* list) {
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.front());
}

}  // namespace lx
