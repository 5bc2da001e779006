// lx6600-gui-shots OUTDIR: starts the workstation on the demo signal in a scratch home, opens
// channels A and B, records a short run on A, and photographs the channel windows, the run's
// analysis window and the parameter sheets, a calibrated method, manual integration, overlays
// and the report window, so a change to the desktop can be looked at as the operator will see
// it. Run under Xvfb by `make gui-shot`.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

#include "app/MainWindow.h"
#include "app/TzLabApp.h"
#include "core/TzdFile.h"
#include "peaks/ManualEvents.h"
#include "process/OverlayList.h"
#include "tests/gui/Fixtures.h"
#include "ui/AnalysisWindow.h"
#include "ui/ChannelWindow.h"
#include "ui/PlotWidget.h"
#include "ui/edit/AnalysisOverlays.h"
#include "ui/edit/PeakEditCommands.h"
#include "ui/overlays/OverlayCommands.h"
#include "ui/report/ReportWindow.h"

namespace {

QString g_Out;

void Shoot(const QString& name) {
    QCoreApplication::processEvents();
    QPixmap picture = QGuiApplication::platformName() == "xcb"
                          ? QGuiApplication::primaryScreen()->grabWindow(0)
                          : QApplication::activeWindow()->grab();
    const QString path = QDir(g_Out).filePath(name);
    picture.save(path);
    std::printf("%s\n", qPrintable(path));
}

// Photographs every page of `tabs` (and of the tab sets inside them), numbering the files.
void ShootPages(QTabWidget* tabs, const QString& name, int& shot) {
    for (int k = 0; k < tabs->count(); ++k) {
        tabs->setCurrentIndex(k);
        QTest::qWait(200);
        Shoot(QStringLiteral("%1-%2.png").arg(name).arg(++shot, 2, 10, QChar('0')));
        for (QTabWidget* inner : tabs->widget(k)->findChildren<QTabWidget*>())
            ShootPages(inner, name, shot);
    }
}

// Photographs the modal dialog the next command opens, page by page, then closes it
// unchanged.
void ShootNextDialog(const QString& name) {
    QTimer::singleShot(800, [name] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        int shot = 0;
        const QList<QTabWidget*> tabs =
            dialog->findChildren<QTabWidget*>(Qt::FindDirectChildrenOnly);
        if (tabs.isEmpty())
            Shoot(name + ".png");
        for (QTabWidget* outer : tabs)
            ShootPages(outer, name, shot);
        dialog->reject();
    });
}

// A double click on the first project's node `text`.
void ActivateNode(lx::ProjectTreeWidget& tree, const char* text) {
    lx::test::Activate(&tree, lx::test::Child(tree.topLevelItem(0), QString::fromUtf8(text)));
}

// Presses OK in the modal dialog the next command opens.
void AcceptNextDialog() {
    QTimer::singleShot(300, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
    });
}

// A rear tangent skim laid with the mouse on a run of known shape, photographed while the line
// is drawn and after; the peak's details; three chromatograms shown together, one smoothed.
void ShootEditing(lx::MainWindow& main, const lx::test::Home& home) {
    lx::CTzLabDoc run = lx::test::EditableRun();
    lx::SaveTzdFile(run, home.File("edit.Tzd").toStdString());
    lx::AnalysisWindow* window = main.OpenChromatogram(home.File("edit.Tzd"));
    window->Plot()->SetCoordinates(1.6, 2.9, 0.0, 45.0);
    QTest::qWait(300);
    lx::CTzLabDoc& doc = window->Document();
    lx::PlotWidget& plot = *window->Plot();
    const lx::PlotScales scales = plot.Scales();
    auto pixel = [&](std::int32_t i) {
        return plot.PlotArea().topLeft() + QPoint(scales.X(i), scales.Y(doc.m_Samples.At(i)));
    };
    QTest::mouseClick(&plot, Qt::LeftButton, {}, pixel(doc.m_Peaks[2].m_Apex));
    window->PeakEdits().SetMode(lx::kEventRearTangent);
    const std::int32_t end = doc.TimeToIndex(2.45);
    QTest::mousePress(&plot, Qt::LeftButton, {}, pixel(doc.m_Peaks[2].m_Apex));
    QTest::mouseMove(&plot, pixel(end));
    Shoot("9-tangent-skim-drawn.png");
    QTest::mouseRelease(&plot, Qt::LeftButton, {}, pixel(end));
    window->PeakEdits().SetMode(0);
    QTest::qWait(300);
    Shoot("10-tangent-skim-made.png");
    doc.m_SelectedPeak = 2;
    ShootNextDialog("11-peak-details");
    window->PeakEdits().ShowPeakDetails();

    for (double amount : {0.6, 1.3}) {
        const std::string path =
            lx::test::WriteMixture(home, amount < 1 ? "low.Tzd" : "high.Tzd", amount);
        window->Overlays().Commands().LoadOverlay(QString::fromStdString(path));
    }
    AcceptNextDialog();
    window->Overlays().Commands().SmoothOverlay();
    window->Overlays().Commands().SetStaggered(true);
    QTest::qWait(500);
    Shoot("12-overlays.png");
    window->OutputReport();
    QTest::qWait(500);
    Shoot("13-report-window.png");
}

lx::AnalysisWindow* AnalysisIn(lx::MainWindow& main) {
    for (QMdiSubWindow* window : main.Workspace()->subWindowList())
        if (auto* analysis = qobject_cast<lx::AnalysisWindow*>(window->widget()))
            return analysis;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: lx6600-gui-shots OUTDIR [MINUTES]\n");
        return 2;
    }
    g_Out = QString::fromLocal8Bit(argv[1]);
    const double minutes = argc > 2 ? std::atof(argv[2]) : 1.7;
    QDir().mkpath(g_Out);
    lx::test::Home home;

    lx::CTzLabApp workstation;
    lx::StartOptions options;
    options.home = home.Path().toStdString();
    options.source = lx::AcquisitionSource::Demo;
    if (!workstation.Start(options))
        return 1;
    lx::MainWindow& main = *workstation.Window();
    // Xvfb has no window manager to maximise it.
    main.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    if (!QTest::qWaitForWindowExposed(&main))
        return 1;

    lx::ChannelWindow* a = main.OpenChannel(0);
    main.OpenChannel(1);
    lx::ChannelSetup& setup = a->Document().m_Method.m_ChannelSetup;
    setup.stopTime = minutes;
    setup.autoSave = 1;
    setup.showAtEnd = 1;
    main.Workspace()->setViewMode(QMdiArea::SubWindowView);
    main.Workspace()->tileSubWindows();
    a->StartRun();
    QTest::qWait(int(minutes * 60 * 1000 * 0.6));
    Shoot("1-channels.png");
    ShootNextDialog("2-channel-parameters");
    a->EditParameters();

    if (!QTest::qWaitFor([&] { return AnalysisIn(main) != nullptr; }, int(minutes * 60 * 1000)))
        return 1;
    main.Workspace()->setViewMode(QMdiArea::TabbedView);
    lx::AnalysisWindow* analysis = AnalysisIn(main);
    main.Workspace()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(analysis->parentWidget()));
    QTest::qWait(500);
    Shoot("3-analysis.png");
    ShootNextDialog("4-analysis-parameters");
    analysis->EditParameters();
    ShootNextDialog("5-peak-detect");
    analysis->AskPeakDetect();

    // A calibrated method: its tree, its standard curve, the wizard of a new one.
    const QString project = lx::test::WriteCalibratedProject(home);
    main.OpenFiles({project});
    lx::ProjectPanel* panel = main.Projects().Panel();
    for (QWidget* up = panel->parentWidget(); up; up = up->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(up))
            tabs->setCurrentWidget(panel);
    ActivateNode(*panel->Tree(), "标准曲线");
    QTest::qWait(500);
    Shoot("6-project-curve.png");
    ShootNextDialog("7-component-table");
    ActivateNode(*panel->Tree(), "组 份 表");
    ShootNextDialog("7-project-properties");
    main.Projects().EditProperties();
    ShootNextDialog("8-new-project");
    main.Projects().NewProject();
    ShootEditing(main, home);
    // Nothing to save at the end: the workstation ends without asking.
    for (lx::AnalysisWindow* window : main.AnalysisWindows()) {
        window->SetModified(false);
        lx::OverlayList& overlays = window->Overlays().Commands().List();
        for (std::size_t k = 0; k < overlays.size(); ++k)
            overlays.at(k).m_Modified = false;
    }
    main.ShowReport()->Document()->setModified(false);
    workstation.Exit();
    return 0;
}
