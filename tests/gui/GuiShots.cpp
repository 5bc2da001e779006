// lx6600-gui-shots OUTDIR: starts the workstation on the demo signal in a scratch home, opens
// channels A and B, records a short run on A, and photographs the channel windows, the run's
// analysis window and the parameter sheets, so a change to the desktop can be looked at as the
// operator will see it. Run under Xvfb by `make gui-shot`.

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
#include "tests/gui/Fixtures.h"
#include "ui/AnalysisWindow.h"
#include "ui/ChannelWindow.h"

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
    QTreeWidgetItem* root = tree.topLevelItem(0);
    for (int k = 0; k < root->childCount(); ++k) {
        if (root->child(k)->text(0) == QString::fromUtf8(text)) {
            tree.setCurrentItem(root->child(k));
            emit tree.itemActivated(root->child(k), 0);
        }
    }
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
    workstation.Exit();
    return 0;
}
