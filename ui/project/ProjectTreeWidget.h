#pragma once
// The project tree of the left dock: one root per open project (method name and method),
// under it the template, the standards, the samples, the component table, the standard curve
// and the method, with the file records by their file names. A double click (or Enter) on a
// node asks for what it stands for; the channel buttons under the tree offer the selected
// project to channel A or B.

#include <QTreeWidget>
#include <QWidget>

#include <optional>

#include "quant/views/ProjectTreeRows.h"

namespace lx {

// Which node: the project (its index in the list) and the node's kind, list and record index.
struct TreePlace {
    int project = -1;
    ProjectTreeNode::Kind kind = ProjectTreeNode::Kind::kProject;
    RecordList list = RecordList::kStandards;
    int index = -1;
};

class ProjectTreeWidget : public QTreeWidget {
    Q_OBJECT
public:
    explicit ProjectTreeWidget(QWidget* parent = nullptr);

    // Shows the projects again, keeping which roots were open; `modified[k]` marks project k.
    void Rebuild(const ProjectList& projects, const std::vector<bool>& modified);
    std::optional<TreePlace> Selected() const;
    // Selects the root of project `k`.
    void SelectProject(int k);

signals:
    void NodeActivated(const lx::TreePlace& place);

private:
    void Add(QTreeWidgetItem* parent, const ProjectTreeNode& node, int project);
};

// The tree with the channel A and B buttons below it.
class ProjectPanel : public QWidget {
    Q_OBJECT
public:
    explicit ProjectPanel(QWidget* parent = nullptr);
    ProjectTreeWidget* Tree() const { return m_Tree; }

signals:
    void ChannelRequested(int channel);

private:
    ProjectTreeWidget* m_Tree;
};

}  // namespace lx
