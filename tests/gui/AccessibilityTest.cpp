// Every control an operator can reach has a name for assistive technology (the names Qt's
// accessibility interface, and through it the AT-SPI bridge, hands to screen readers and GUI
// checks), and the plot says what it shows.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>

#include "app/MainWindow.h"
#include "tests/gui/Fixtures.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/ModalDriver.h"
#include "ui/AnalysisWindow.h"
#include "ui/ChannelWindow.h"
#include "ui/PlotWidget.h"
#include "ui/edit/AnalysisOverlays.h"
#include "ui/edit/PeakEditCommands.h"
#include "ui/overlays/OverlayCommands.h"

namespace lx::test {
namespace {

QString NameOf(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

// The visible controls of `root` that the accessibility interface leaves without a name.
QStringList Nameless(QWidget* root) {
    QStringList missing;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root))
            continue;
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w) ||
                             qobject_cast<QAbstractItemView*>(w);
        // Line edits inside spin boxes and combo boxes belong to the named control, a header to
        // its table (its sections are the column names).
        const bool part =
            (qobject_cast<QLineEdit*>(w) && (qobject_cast<QAbstractSpinBox*>(w->parentWidget()) ||
                                             qobject_cast<QComboBox*>(w->parentWidget()))) ||
            qobject_cast<QHeaderView*>(w);
        // The workspace's own tab and scroll buttons are Qt's, named by Qt where it can.
        const bool internal =
            w->objectName().startsWith("qt_") ||
            QByteArray(w->metaObject()->className()).startsWith("QMdi") ||
            (qobject_cast<QAbstractButton*>(w) && w->parentWidget() &&
             QByteArray(w->parentWidget()->metaObject()->className()) == "QTabBar");
        if (control && !part && !internal && NameOf(w).isEmpty())
            missing << QString("%1 %2").arg(w->metaObject()->className(), w->objectName());
    }
    return missing;
}

// Nameless controls on every page of every tab set of a dialog.
QStringList NamelessOnEveryPage(QWidget* dialog) {
    QStringList missing = Nameless(dialog);
    for (QTabWidget* tabs : dialog->findChildren<QTabWidget*>()) {
        for (int k = 0; k < tabs->count(); ++k) {
            tabs->setCurrentIndex(k);
            missing << Nameless(dialog);
        }
    }
    missing.removeDuplicates();
    return missing;
}

QStringList UnnamedActions(QMenuBar* bar) {
    QStringList missing;
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        for (QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            if (action->text().isEmpty() || action->objectName().isEmpty())
                missing << action->text();
            if (action->menu())
                walk(action->menu());
        }
    };
    for (QAction* top : bar->actions())
        if (top->menu())
            walk(top->menu());
    return missing;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasItsVisibleTextAsName() {
        Home home;
        WriteThreePeakRun(home.File("run.Tzd"));
        auto app = StartWorkstation(home);
        QVERIFY(app);
        MainWindow& main = *app->Window();
        ChannelWindow* channel = main.OpenChannel(0);
        AnalysisWindow* analysis = main.OpenChromatogram(home.File("run.Tzd"));
        QVERIFY(analysis);

        const QStringList nameless = Nameless(&main);
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(", ")));
        const QStringList unnamed = UnnamedActions(main.menuBar());
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
        QCOMPARE(NameOf(analysis->Plot()), QString::fromUtf8("图谱"));
        QVERIFY(analysis->Plot()->accessibleDescription().contains("run.Tzd"));

        QStringList sheetMissing;
        {
            ModalDriver driver([&](QWidget* modal) {
                sheetMissing << NamelessOnEveryPage(modal);
                qobject_cast<QDialog*>(modal)->reject();
            });
            analysis->EditParameters();
            analysis->AskPeakDetect();
            analysis->AskCoordinates();
            channel->EditParameters();
            main.AskColours();
            main.AskResultDisplay();
            main.AskPortSettings();
            analysis->Document().m_SelectedPeak = 0;
            analysis->PeakEdits().ShowPeakDetails();
            analysis->Overlays().Commands().SmoothOverlay();
            analysis->Overlays().Commands().AskBaselineShift();
            analysis->Overlays().Commands().CombineOverlays();
            QCOMPARE(driver.Count(), 11);
        }
        QVERIFY2(sheetMissing.isEmpty(), qPrintable(sheetMissing.join(", ")));

        main.ShowReport();
        const QStringList report = Nameless(&main) + UnnamedActions(main.menuBar());
        QVERIFY2(report.isEmpty(), qPrintable(report.join(", ")));
    }
};

static RegisterGuiTest<AccessibilityTest> registration;

}  // namespace lx::test

#include "AccessibilityTest.moc"
