#pragma once
// One table of many runs, as labs hand results on: a row per chromatogram with what names it
// (file, sample, operator, acquisition time, method) and, per component of its method project
// or per peak number without one, the retention time, area, height, area % and content; under
// the runs, the count, mean, sample standard deviation and RSD % of every numeric column. A
// cell a run has no value for stays empty: nothing is filled in, nothing is dropped unsaid.

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <variant>
#include <vector>

#include "core/CTzLabDoc.h"
#include "core/PeakRecord.h"
#include "quant/CPrjDoc.h"

namespace lx {

// Seconds since 1970 UTC, shown in local time.
struct AcquisitionTime {
    std::int32_t m_Seconds = 0;
};
using SummaryCell = std::variant<std::monostate, std::string, double, AcquisitionTime>;

struct SummaryRun {
    std::string m_File;  // as the user or the project named it
    std::string m_SampleName;
    std::string m_Operator;
    std::int32_t m_CreatedAt = 0;
    std::string m_Method;  // "苯系物 (外标法)" as the project tree names it; "" without one
    std::vector<PeakRecord> m_Peaks;
};

// What the table takes of a run quantified by `project` (nullptr: none); its samples are not
// needed, so many long runs can be summarized one at a time.
SummaryRun SummaryRunOf(const CTzLabDoc& doc, const std::string& file, const CPrjDoc* project);

struct SummaryTable {
    std::vector<std::string> m_Headers;
    std::vector<std::vector<SummaryCell>> m_Rows;  // the runs, then count, mean, SD and RSD %
    // For the operator: runs where several peaks carry one component (the first is listed).
    std::vector<std::string> m_Notices;
};

// The five columns of each component of `project`'s table, in its order, or of each peak
// number up to the longest run's peak count without a project. A component a run has several
// peaks of lists the first, as internal-standard quantitation takes the first.
SummaryTable BuildSummaryTable(const std::vector<SummaryRun>& runs, const CPrjDoc* project);

// "2024-05-01 14:30:05", which spreadsheets read as a date and time.
std::string AcquisitionTimeText(AcquisitionTime time);
std::tm LocalTime(AcquisitionTime time);

// Numbers to 15 significant digits: what a spreadsheet keeps and shows of a double, so the
// text tables and the workbook hold the same numbers.
std::string SummaryNumberText(double value);

}  // namespace lx
