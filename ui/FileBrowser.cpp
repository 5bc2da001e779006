#include "ui/FileBrowser.h"

#include <QContextMenuEvent>
#include <QFileSystemModel>
#include <QMenu>

#include "ui/UiTexts.h"
#include "ui/Widgets.h"
#include "ui/sheets/SheetControls.h"

namespace lx {

FileBrowser::FileBrowser(const QString& root, QWidget* parent) : QTreeView(parent) {
    m_Files = new QFileSystemModel(this);
    m_Files->setNameFilters({"*.Tzd", "*.tzd", "*.Tzp", "*.tzp", "*.Tze", "*.tze"});
    m_Files->setNameFilterDisables(false);
    setModel(m_Files);
    setRootIndex(m_Files->setRootPath(root));
    setAccessibleName(T(ui::kFilesName));
    for (int column = 1; column < m_Files->columnCount(); ++column)
        hideColumn(column);
    setHeaderHidden(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QTreeView::activated, this, [this](const QModelIndex& index) {
        if (!m_Files->isDir(index))
            emit OpenRequested(m_Files->filePath(index));
    });
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const QModelIndex index = indexAt(at);
        if (!index.isValid() || !m_Files->isDir(index))
            return;
        QMenu* menu = AcquisitionMenu(m_Files->filePath(index));
        menu->exec(viewport()->mapToGlobal(at));
        delete menu;
    });
}

void FileBrowser::Reveal(const QString& folder) {
    const QModelIndex index = m_Files->index(folder);
    if (index.isValid())
        expand(index);
}

QMenu* FileBrowser::AcquisitionMenu(const QString& folder) {
    auto* menu = new QMenu(T(ui::kAcquisitionPopup), this);
    for (int channel : {0, 1}) {
        menu->addAction(T(channel == 0 ? ui::kUseForChannelA : ui::kUseForChannelB), this,
                        [this, channel, folder] { emit FolderForChannel(channel, folder); });
    }
    menu->addSeparator();
    for (int channel : {0, 1}) {
        menu->addAction(T(channel == 0 ? ui::kSetupOfChannelA : ui::kSetupOfChannelB), this,
                        [this, channel, folder] { emit EditChannelSetup(channel, folder); });
    }
    for (QAction* action : menu->actions())
        action->setObjectName(CommandName(action->text()));
    return menu;
}

}  // namespace lx
