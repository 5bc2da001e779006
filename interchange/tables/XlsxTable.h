#pragma once
// The summary table as an Excel workbook (.xlsx), made by libxlsxwriter: one sheet, the
// headings bold and frozen with the file column, numbers as numbers and acquisition times as
// date-times a spreadsheet can compute with, Chinese as it is.

#include <string>

#include "core/Result.h"
#include "interchange/tables/SummaryTable.h"

namespace lx {

// The workbook's bytes. The library writes only to files, so it works in a private temporary
// folder (TMPDIR), removed afterwards; the caller writes the bytes where they go, as any
// other file, through a temporary file and a rename.
Result<std::string> SummaryXlsx(const SummaryTable& table);

}  // namespace lx
