#include "tests/gui/Fixtures.h"

#include <QFile>
#include <QTest>

#include "app/MainWindow.h"
#include "core/SyntheticRun.h"
#include "core/TzdFile.h"
#include "peaks/Integration.h"

namespace lx::test {
namespace {

// A run without a project asks nothing while it is integrated.
struct Silent : Prompter {
    bool Confirm(const std::string&) override { return false; }
    void Inform(const std::string&, Icon) override {}
};

}  // namespace

Home::Home() {
    QFile::copy(QStringLiteral(LX_DEMO_SIGNAL), m_Dir.filePath("TzDemo"));
}

CTzLabDoc WriteThreePeakRun(const QString& path) {
    SyntheticRunOptions options;
    options.minutes = 4.0;
    options.peaks = {{1.0, 20000.0, 3.0}, {2.0, 40000.0, 3.0}, {3.0, 10000.0, 3.0}};
    CTzLabDoc doc = MakeSyntheticRun(options);
    Silent prompter;
    IntegrateAndQuantify(doc, prompter);
    SaveTzdFile(doc, path.toStdString());
    return doc;
}

std::string WriteThreePeakRunPath(const Home& home, const char* name) {
    const QString path = home.File(name);
    WriteThreePeakRun(path);
    return path.toStdString();
}

std::unique_ptr<CTzLabApp> StartWorkstation(const Home& home, const QStringList& files) {
    StartOptions options;
    options.home = home.Path().toStdString();
    options.source = AcquisitionSource::Demo;
    options.files = files;
    auto workstation = std::make_unique<CTzLabApp>();
    if (!workstation->Start(options))
        return nullptr;
    if (!QTest::qWaitForWindowExposed(workstation->Window()))
        return nullptr;
    return workstation;
}

}  // namespace lx::test
