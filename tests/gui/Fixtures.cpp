#include "tests/gui/Fixtures.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

#include "app/MainWindow.h"
#include "core/SyntheticRun.h"
#include "core/TzdFile.h"
#include "peaks/Integration.h"
#include "quant/views/ComponentTableRows.h"
#include "quant/workflow/NewProject.h"
#include "quant/workflow/ProjectRecords.h"
#include "ui/AnalysisWindow.h"

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

CTzLabDoc Mixture(double amount) {
    SyntheticRunOptions options;
    options.minutes = 4.0;
    options.peaks = {{1.0, 20000.0, 3.0}, {2.0, 40000.0, 3.0}, {3.0, 10000.0, 3.0}};
    options.scale = amount;
    return MakeSyntheticRun(options);
}

CTzLabDoc EditableRun() {
    SyntheticRunOptions options;
    options.minutes = 4.0;
    options.noise = 0.0;
    options.drift = 0.0;
    options.peaks = {{1.0, 20000, 3}, {1.15, 12000, 3}, {2.0, 40000, 4},
                     {2.2, 6000, 3},  {3.0, 10000, 3},  {3.5, 150, 12}};
    CTzLabDoc doc = MakeSyntheticRun(options);
    Silent prompter;
    IntegrateAndQuantify(doc, prompter);
    return doc;
}

std::string WriteMixture(const Home& home, const char* name, double amount) {
    CTzLabDoc doc = Mixture(amount);
    Silent prompter;
    IntegrateAndQuantify(doc, prompter);
    const std::string path = home.File(name).toStdString();
    SaveTzdFile(doc, path);
    return path;
}

QString WriteCalibratedProject(const Home& home) {
    struct Agreeing : Prompter {
        bool Confirm(const std::string&) override { return true; }
        void Inform(const std::string&, Icon) override {}
    } agreeing;
    ProjectList scratch;
    NewProjectSettings settings;
    settings.m_MethodName = "Mix";
    settings.m_Basis = kAreaBasis;
    settings.m_IdentMode = kTimeBand;
    settings.m_Method = kExternalStandard;
    CPrjDoc& project = *CreateProject(settings, home.Path().toStdString(), scratch, agreeing);
    const double amounts[] = {1.0, 2.0, 4.0};
    for (int level = 1; level <= 3; ++level) {
        const std::string name = "std" + std::to_string(level) + ".Tzd";
        const std::string path = WriteMixture(home, name.c_str(), amounts[level - 1]);
        AddStandardFile(project, path, agreeing);
        SetStandardLevel(project, level - 1, level);
        if (level == 1) {
            Result<CTzLabDoc> first = LoadTzdFile(path);
            ExportPeaksToComponents(project, first.value(), agreeing);
        }
    }
    for (int row = 0; row < int(project.m_Components.size()); ++row)
        for (int level = 1; level <= 3; ++level)
            SetLevelConcentration(project, row, level, amounts[level - 1]);
    // Each standard integrated as the project's: its record takes the identified peaks and the
    // project calibrates.
    for (int level = 1; level <= 3; ++level) {
        Result<CTzLabDoc> standard =
            LoadTzdFile(home.File(QString("std%1.Tzd").arg(level)).toStdString());
        standard->m_Project = &project;
        IntegrateAndQuantify(standard.value(), agreeing);
    }
    AddSampleFile(project, WriteMixture(home, "sample.Tzd", 2.5), agreeing);
    SaveProject(project, project.m_PathName);
    return QString::fromStdString(project.m_PathName);
}

CTzLabDoc WriteThreePeakRun(const QString& path) {
    CTzLabDoc doc = Mixture(1.0);
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

AnalysisWindow* OpenThreePeakRun(MainWindow& main, const Home& home, const char* name) {
    return main.OpenChromatogram(QString::fromStdString(WriteThreePeakRunPath(home, name)));
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

std::function<void(QDialog*)> SaveAs(const QString& path) {
    return [path](QDialog* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        QVERIFY(files);
        files->setDirectory(QFileInfo(path).absolutePath());
        auto* name = files->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(name);
        name->setText(QFileInfo(path).fileName());
    };
}

QTreeWidgetItem* Child(QTreeWidgetItem* item, const QString& text) {
    for (int k = 0; k < item->childCount(); ++k)
        if (item->child(k)->text(0) == text)
            return item->child(k);
    return nullptr;
}

void Activate(QTreeWidget* tree, QTreeWidgetItem* item) {
    tree->setCurrentItem(item);
    emit tree->itemActivated(item, 0);
}

}  // namespace lx::test
