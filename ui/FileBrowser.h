#pragma once
// The file tree of the left dock: the data folders under the application directory with the
// chromatograms, projects and reports in them. A double click opens a file; the popup
// "数据采集" of a folder gives it to channel A or B, or edits the folder's channel set-up files.

#include <QTreeView>

class QFileSystemModel;

namespace lx {

class FileBrowser : public QTreeView {
    Q_OBJECT
public:
    FileBrowser(const QString& root, QWidget* parent = nullptr);

    // Opens `folder`'s node, so a file just saved there shows.
    void Reveal(const QString& folder);
    // The popup of `folder` (what a right click on it shows).
    QMenu* AcquisitionMenu(const QString& folder);

signals:
    void OpenRequested(const QString& path);
    void FolderForChannel(int channel, const QString& folder);
    void EditChannelSetup(int channel, const QString& folder);

private:
    QFileSystemModel* m_Files;
};

}  // namespace lx
