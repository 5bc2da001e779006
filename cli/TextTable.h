#pragma once
// Tables for a terminal: columns padded to the widest cell, Chinese characters counting as
// two columns as terminals draw them.

#include <string>
#include <vector>

namespace lx::cli {

// Columns a UTF-8 text takes on a terminal: wide (East Asian) characters take two.
std::size_t DisplayWidth(const std::string& utf8);

// The header line and one line per row, each cell left-aligned and padded to its column.
std::string TextTable(const std::vector<std::string>& headers,
                      const std::vector<std::vector<std::string>>& rows);

}  // namespace lx::cli
