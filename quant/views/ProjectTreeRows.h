#pragma once
// The project list window's tree, as texts and the records they stand for, for any view to
// show.

#include <string>
#include <vector>

#include "quant/workflow/ProjectList.h"
#include "quant/workflow/ProjectRecords.h"

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

}  // namespace lx
