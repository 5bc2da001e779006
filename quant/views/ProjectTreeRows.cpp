#include "quant/views/ProjectTreeRows.h"

#include "core/AppPaths.h"
#include "core/Format.h"
#include "quant/QuantTexts.h"

namespace lx {
namespace {

using Kind = ProjectTreeNode::Kind;

ProjectTreeNode Node(Kind kind, std::string text) {
    ProjectTreeNode node;
    node.m_Kind = kind;
    node.m_Text = std::move(text);
    return node;
}

// The name after the last separator, whichever system wrote the path.
std::string FileNameOf(const std::string& path) {
    const std::string native = NativePath(path);
    const auto slash = native.rfind('/');
    return slash == std::string::npos ? native : native.substr(slash + 1);
}

void AddRecords(ProjectTreeNode& node, const CPrjDoc& project, RecordList list) {
    const auto& records = RecordsOf(project, list);
    for (std::size_t i = 0; i < records.size(); ++i) {
        ProjectTreeNode record = Node(Kind::kRecord, FileNameOf(records[i].m_FileName));
        record.m_List = list;
        record.m_Index = static_cast<int>(i);
        node.m_Children.push_back(std::move(record));
    }
}

}  // namespace

const char* MethodSuffix(std::int32_t method) {
    switch (method) {
        case kInternalStandard:
            return Tr(texts::kSuffixInternalStandard);
        case kExternalStandard:
            return Tr(texts::kSuffixExternalStandard);
        case kIndexMethod:
            return Tr(texts::kSuffixIndexMethod);
        case kCalibratedNormalization:
            return Tr(texts::kSuffixCalibratedNormalization);
        case kFingerprint:
            return Tr(texts::kSuffixFingerprint);
        default:
            return Tr(texts::kSuffixNormalization);
    }
}

ProjectTreeNode BuildProjectNode(const CPrjDoc& project) {
    ProjectTreeNode root =
        Node(Kind::kProject, project.m_MethodName + MethodSuffix(project.m_Method));
    root.m_Children.push_back(Node(Kind::kTemplate, Tr(texts::kNodeTemplate)));
    ProjectTreeNode standards = Node(Kind::kStandards, Tr(texts::kNodeStandards));
    AddRecords(standards, project, RecordList::kStandards);
    AddRecords(standards, project, RecordList::kSecondStandards);
    root.m_Children.push_back(std::move(standards));
    ProjectTreeNode samples = Node(Kind::kSamples, Tr(texts::kNodeSamples));
    AddRecords(samples, project, RecordList::kSamples);
    root.m_Children.push_back(std::move(samples));
    root.m_Children.push_back(Node(Kind::kComponents, Tr(texts::kNodeComponents)));
    root.m_Children.push_back(Node(Kind::kCurve, Tr(texts::kNodeCurve)));
    root.m_Children.push_back(Node(Kind::kMethod, Tr(texts::kNodeMethod)));
    return root;
}

std::vector<ProjectTreeNode> BuildProjectTree(const ProjectList& projects) {
    std::vector<ProjectTreeNode> roots;
    for (std::size_t i = 0; i < projects.size(); ++i)
        roots.push_back(BuildProjectNode(projects.at(i)));
    return roots;
}

}  // namespace lx
