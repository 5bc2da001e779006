#pragma once
// What the project properties sheet lists on its pages "校正设置" and "校正信息", and what the
// standard curve window plots and prints, as values; the windows draw them.

#include <array>
#include <string>
#include <vector>

#include "quant/CPrjDoc.h"
#include "quant/calc/Curves.h"
#include "quant/workflow/ProjectRecords.h"

namespace lx {

// The "校正设置" page: one row per standard record. Fingerprint projects list both standard
// lists with their reference peaks; the others the standard file list with repeat and level.
struct CalibrationSettingsRow {
    RecordList m_List = RecordList::kStandards;
    int m_Index = -1;
    std::vector<std::string> m_Cells;
};
struct CalibrationSettingsTable {
    std::vector<std::string> m_Headers;
    std::vector<CalibrationSettingsRow> m_Rows;
};
CalibrationSettingsTable BuildCalibrationSettings(const CPrjDoc& project);

// A record's creation date as the lists show it ("%Y.%m.%d  %H:%M", local time).
std::string RecordDateText(std::int32_t createdAt);

// Rows of (" 组份名 ", " 属  性 ", " 图 谱 文 件 "): for every component its name, retention
// time, and per level the concentration, every repeat's response (with the standard file that
// gave it) and their mean, then an empty row.
std::vector<std::array<std::string, 3>> CalibrationInfoRows(const CPrjDoc& project);

// The standard curve of component `row`.
struct CurvePlotRange {
    double xMax = 0.0;
    double yMax = 0.0;
};
// The largest level amount and mean response, x 1.2 (amounts relative to the reference
// standard under the internal-standard method; an internal standard itself spans at least 1).
CurvePlotRange StandardCurveRange(const CPrjDoc& project, int row);
// One marker per repeat; none for an internal standard or a component without its standard.
std::vector<CurvePoint> StandardCurveMarkers(const CPrjDoc& project, int row);
// "标准曲线报告", the component, the equation and the correlation coefficient.
std::array<std::string, 4> StandardCurveReport(const CPrjDoc& project, int row);
std::string StandardCurveYLabel(const CPrjDoc& project);
inline int StandardCurveColourIndex(int row) {
    return (row + 13) % 20;
}
inline int StandardCurveMarkerShape(int row) {
    return (row + 3) % 10;
}

}  // namespace lx
