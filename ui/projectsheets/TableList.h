#pragma once
// The report-style list of the sheet's pages: whole rows selected one at a time, no editing in
// place, named for screen readers by the page it stands on.

#include <QAbstractItemModel>
#include <QTreeView>

#include "core/Language.h"

namespace lx {

QTreeView* MakeTableList(const char* objectName, const Text& name, QAbstractItemModel* model);

}  // namespace lx
