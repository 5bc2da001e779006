#pragma once
// The lists of the pages: report-style rows with the workstation's column headings, one row
// selected at a time, each list named for screen readers.

#include <QTreeWidget>

#include <array>
#include <initializer_list>
#include <string>

#include "core/Language.h"

namespace lx {

QTreeWidget* MakeList(const char* objectName, const Text& name,
                      std::initializer_list<Text> columns);

template <std::size_t N>
void AddListRow(QTreeWidget* list, const std::array<std::string, N>& cells);

// The selected row, or -1 when none is.
int SelectedListRow(const QTreeWidget* list);

}  // namespace lx
