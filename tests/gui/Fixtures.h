#pragma once
// What the desktop tests start from: a home folder with the demo signal, a chromatogram file
// with known peaks, a started workstation.

#include <QString>
#include <QTemporaryDir>

#include <memory>

#include "app/TzLabApp.h"
#include "core/CTzLabDoc.h"

namespace lx::test {

// A private application directory holding the demo signal.
class Home {
public:
    Home();
    QString Path() const { return m_Dir.path(); }
    QString File(const QString& name) const { return m_Dir.filePath(name); }

private:
    QTemporaryDir m_Dir;
};

// Three well separated peaks (1, 2 and 3 minutes), integrated, saved as `path`.
CTzLabDoc WriteThreePeakRun(const QString& path);

// The same run saved as `name` in `home`; its path.
std::string WriteThreePeakRunPath(const Home& home, const char* name);

// A workstation started on the demo source in `home`, its window shown.
std::unique_ptr<CTzLabApp> StartWorkstation(const Home& home, const QStringList& files = {});

}  // namespace lx::test
