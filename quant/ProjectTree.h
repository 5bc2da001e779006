#pragma once
// The project list window's tree and the "校正设置" list of a project, as texts and the
// records they stand for, for any view to show.

#include <string>
#include <vector>

#include "quant/ProjectList.h"
#include "quant/ProjectRecords.h"

namespace lx {

struct ProjectTreeNode {
    enum class Kind {
        kProject,
        kTemplate,
        kStandards,
        kSamples,
        kComponents,
        kCurve,
        kMethod,
        kRecord
    };
    Kind m_Kind = Kind::kProject;
    std::string m_Text;
    RecordList m_List = RecordList::kStandards;  // of a record node
    int m_Index = -1;                            // of a record node, in its list
    std::vector<ProjectTreeNode> m_Children;
};

// " (内标法)" and its siblings; any method outside 1-5 reads " (归一法)".
const char* MethodSuffix(std::int32_t method);

// One root per open project, in the list's order: "method name (method)" over "项目模板",
// "标准图谱" (the standard file list, then the second standard list), "样品图谱", "组 份 表",
// "标准曲线" and "设置分析方法". Records show their file names.
std::vector<ProjectTreeNode> BuildProjectTree(const ProjectList& projects);
ProjectTreeNode BuildProjectNode(const CPrjDoc& project);

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

}  // namespace lx
