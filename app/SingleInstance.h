#pragma once
// One workstation per user: the first start listens on a local socket named after the
// workstation's window class and the user; a later start hands its file arguments to it and
// ends, and the first brings its window to the front.

#include <QLocalServer>
#include <QObject>
#include <QStringList>

namespace lx {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // "LX6600色谱工作站 Class" followed by the user, so two users of one machine each have
    // their own workstation.
    static QString ServerName();

    explicit SingleInstance(QObject* parent = nullptr);

    // Hands `files` (absolute paths) to a running workstation; true when one took them.
    static bool HandOver(const QStringList& files);
    // Becomes the running workstation; false when the name cannot be taken.
    bool Listen();

signals:
    // A second start asked for the window, with its files.
    void Activated(const QStringList& files);

private:
    void Accept();

    QLocalServer m_Server;
};

}  // namespace lx
