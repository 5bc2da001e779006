#pragma once
// The summary table as delimited text.

#include <string>

#include "interchange/tables/SummaryTable.h"

namespace lx {

// Comma-separated values for spreadsheets: UTF-8 behind a byte order mark (without it Excel
// reads the Chinese as the system's code page), CR LF line ends, fields quoted as RFC 4180
// has it.
std::string SummaryCsv(const SummaryTable& table);

// Tab-separated for the terminal and scripts: no byte order mark, LF line ends; a field holding
// a tab, a quote or a line end is quoted as in CSV, which spreadsheets and csv readers follow.
std::string SummaryTsv(const SummaryTable& table);

}  // namespace lx
