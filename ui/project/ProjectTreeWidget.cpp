#include "ui/project/ProjectTreeWidget.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/project/ProjectTexts.h"
#include "ui/sheets/SheetControls.h"

namespace lx {
namespace {

enum Role { kProjectRole = Qt::UserRole, kKindRole, kListRole, kIndexRole };

}  // namespace

ProjectTreeWidget::ProjectTreeWidget(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setAccessibleName(T(project::kTreeName));
    setExpandsOnDoubleClick(false);  // a double click opens what the node stands for
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (item->data(0, kKindRole).toInt() == int(ProjectTreeNode::Kind::kProject))
            item->setExpanded(!item->isExpanded());
        else if (const auto place = Selected())
            emit NodeActivated(*place);
    });
}

void ProjectTreeWidget::Add(QTreeWidgetItem* parent, const ProjectTreeNode& node, int project) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, Q(node.m_Text));
    item->setData(0, kProjectRole, project);
    item->setData(0, kKindRole, int(node.m_Kind));
    item->setData(0, kListRole, int(node.m_List));
    item->setData(0, kIndexRole, node.m_Index);
    for (const ProjectTreeNode& child : node.m_Children)
        Add(item, child, project);
}

void ProjectTreeWidget::Rebuild(const ProjectList& projects, const std::vector<bool>& modified) {
    QSet<QString> open;
    for (int k = 0; k < topLevelItemCount(); ++k)
        if (topLevelItem(k)->isExpanded())
            open.insert(topLevelItem(k)->toolTip(0));
    clear();
    const std::vector<ProjectTreeNode> roots = BuildProjectTree(projects);
    for (std::size_t k = 0; k < roots.size(); ++k) {
        Add(nullptr, roots[k], int(k));
        QTreeWidgetItem* root = topLevelItem(int(k));
        const QString path = Q(projects.at(k).m_PathName);
        root->setToolTip(0, path);
        if (k < modified.size() && modified[k])
            root->setText(0, root->text(0) + T(project::kModifiedMark));
        root->setExpanded(open.contains(path) || !open.size());
        for (int c = 0; c < root->childCount(); ++c)
            root->child(c)->setExpanded(true);
    }
}

std::optional<TreePlace> ProjectTreeWidget::Selected() const {
    const QTreeWidgetItem* item = currentItem();
    if (!item)
        return std::nullopt;
    TreePlace place;
    place.project = item->data(0, kProjectRole).toInt();
    place.kind = ProjectTreeNode::Kind(item->data(0, kKindRole).toInt());
    place.list = RecordList(item->data(0, kListRole).toInt());
    place.index = item->data(0, kIndexRole).toInt();
    return place;
}

void ProjectTreeWidget::SelectProject(int k) {
    if (k >= 0 && k < topLevelItemCount())
        setCurrentItem(topLevelItem(k));
}

ProjectPanel::ProjectPanel(QWidget* parent) : QWidget(parent) {
    m_Tree = new ProjectTreeWidget;
    auto* buttons = new QHBoxLayout;
    for (int channel : {0, 1}) {
        QPushButton* button = MakeButton(channel == 0 ? project::kChannelA : project::kChannelB);
        connect(button, &QPushButton::clicked, this,
                [this, channel] { emit ChannelRequested(channel); });
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_Tree);
    layout->addLayout(buttons);
}

}  // namespace lx
