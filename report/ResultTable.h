#pragma once
// The result table of a chromatogram: one row per listed peak, one column per switched-on
// figure, and a totals row. The screen form follows the program's column switches, the print
// form the report's switches (with an empty trailing column and, when asked, English headers);
// the text form is what "拷贝数据" puts on the clipboard.

#include <string>
#include <vector>

#include "core/CTzLabDoc.h"
#include "core/PrintSettings.h"
#include "report/DisplaySettings.h"

namespace lx {

enum class TableForm { Screen, Print };

enum class ResultColumn {
    Number,
    Name,
    Time,
    Area,
    Height,
    AreaHeight,
    Percent,
    Resolution,
    Tailing,
    Plates,
    Content,
    Trailing,  // the print form's empty last column
};

struct TableOptions {
    TableForm form = TableForm::Screen;
    ColumnSwitches columns;
    bool english = false;       // print form: English headers and "Total:"
    bool viewAllPeaks = false;  // otherwise only peaks of positive content are listed
    // The chromatogram's project quantifies (its method is not normalization by code 0): only
    // then is there a content column.
    bool quantified = false;
};

struct ResultTable {
    struct Row {
        int peak = -1;  // index in the peak table; -1 for the totals row
        std::vector<std::string> cells;
    };
    std::vector<ResultColumn> columns;
    std::vector<std::string> headers;
    std::vector<Row> rows;
};

ResultTable BuildResultTable(const std::vector<PeakRecord>& peaks, const TableOptions& options);

// The clipboard text: a header line, then one line per peak of the table (only "\n" for a
// peak the filter leaves out), tabs after every cell, no totals, and a final zero byte.
std::string ResultTableText(const std::vector<PeakRecord>& peaks, const TableOptions& options);

// The print form's columns: the report's "分析结果" switches.
ColumnSwitches PrintColumns(const PrintSettings& print);

// The print form of the chromatogram's table as its report prints it: the report's columns
// and language, the program's row filter.
TableOptions PrintTableOptions(const CTzLabDoc& doc, bool viewAllPeaks);

// Whether the chromatogram's project quantifies it (a project whose method code is not 0).
bool IsQuantified(const CTzLabDoc& doc);

// The peak-type line of the "峰信息" dialog: group size, rider and parent marks, the baseline
// ends and the shared-valley marks.
std::string PeakTypeLine(const PeakRecord& peak);

}  // namespace lx
