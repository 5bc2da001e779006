// The analysis window: a chromatogram file opened into plot and table, the plot commands, the
// dialogs that change it, saving, and the exports.

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include "app/MainWindow.h"
#include "core/Format.h"
#include "core/TzdFile.h"
#include "report/ResultTableModel.h"
#include "tests/gui/Fixtures.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/ModalDriver.h"
#include "ui/AnalysisWindow.h"
#include "ui/PlotWidget.h"

namespace lx::test {
namespace {

QAction* FindCommand(const AnalysisWindow& window, const QString& name) {
    for (QMenu* menu : window.Menus())
        for (QAction* action : menu->actions())
            if (action->objectName() == name)
                return action;
    return nullptr;
}

// Fills the spin boxes of a dialog by their accessible names.
void SetField(QDialog* dialog, const QString& name, double value) {
    for (auto* box : dialog->findChildren<QAbstractSpinBox*>()) {
        if (box->accessibleName() != name)
            continue;
        if (auto* integer = qobject_cast<QSpinBox*>(box))
            integer->setValue(int(value));
        else
            qobject_cast<QDoubleSpinBox*>(box)->setValue(value);
        return;
    }
    QFAIL(qPrintable("no field " + name));
}

}  // namespace

class AnalysisWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Home> m_Home;
    std::unique_ptr<CTzLabApp> m_App;
    CTzLabDoc m_Written;
    QString m_Path;

    MainWindow* Main() { return m_App->Window(); }

private slots:
    void init() {
        m_Home = std::make_unique<Home>();
        m_Path = m_Home->File("three.Tzd");
        m_Written = WriteThreePeakRun(m_Path);
        m_App = StartWorkstation(*m_Home);
        QVERIFY(m_App);
    }
    void cleanup() {
        for (QMdiSubWindow* window : Main()->Workspace()->subWindowList())
            if (auto* analysis = qobject_cast<AnalysisWindow*>(window->widget()))
                analysis->SetModified(false);
        m_App.reset();
        m_Home.reset();
    }

    void opensTheFileIntoPlotAndTable() {
        AnalysisWindow* window = Main()->OpenChromatogram(m_Path);
        QVERIFY(window);
        QAbstractItemModelTester tester(window->Model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(window->Document().m_Peaks.size(), m_Written.m_Peaks.size());
        QCOMPARE(window->Document().m_Peaks.size(), std::size_t(3));
        QCOMPARE(window->Model()->rowCount(), 4);  // three peaks and the totals
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(window->Model()->PeakAt(row), row);
            const QString time =
                QString::fromStdString(Format("%.3f", m_Written.m_Peaks[row].m_ApexTime));
            bool found = false;
            for (int column = 0; column < window->Model()->columnCount(); ++column)
                found |= window->Model()->index(row, column).data().toString().trimmed() == time;
            QVERIFY2(found, qPrintable("row without its retention time " + time));
        }
        QCOMPARE(window->Plot()->Picture().doc, &window->Document());
        QVERIFY(window->Plot()->accessibleDescription().contains("3"));
        // A second open of the same file shows the window it has.
        QCOMPARE(Main()->OpenChromatogram(m_Path), window);
        QCOMPARE(Main()->Workspace()->subWindowList().size(), 1);
    }

    void refusesFilesThatAreNotChromatograms() {
        const QString damaged = m_Home->File("damaged.Tzd");
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a chromatogram at all");
        file.close();
        ModalDriver driver(ModalDriver::Answer(QMessageBox::Ok));
        Main()->OpenFiles({damaged, m_Home->File("notes.txt")});
        QCOMPARE(Main()->Workspace()->subWindowList().size(), 0);
        QCOMPARE(driver.Texts().size(), 2);
        QVERIFY(driver.Texts()[0].contains("damaged.Tzd"));
        QVERIFY(driver.Texts()[1].contains("notes.txt"));
    }

    void zoomCommandsMoveTheViewByTheirSteps() {
        AnalysisWindow* window = Main()->OpenChromatogram(m_Path);
        PlotView expected = window->Plot()->View();
        for (const char* name : {"纵横放大", "横向放大", "图谱左移", "图谱下移", "横向缩小"}) {
            QAction* command = FindCommand(*window, QString::fromUtf8(name));
            QVERIFY2(command, name);
            command->trigger();
        }
        for (PlotCommand c : {PlotCommand::ZoomIn, PlotCommand::ZoomTimeIn, PlotCommand::PanLeft,
                              PlotCommand::PanDown, PlotCommand::ZoomTimeOut})
            expected.Apply(c);
        QCOMPARE(window->Plot()->View(), expected);
        // "自动匹配" twice after opening: the fitted view, then the fixed coordinates.
        FindCommand(*window, "自动匹配")->trigger();
        FindCommand(*window, "自动匹配")->trigger();
        QCOMPARE(window->Plot()->View().m_TimeMax, 2.0);
        QCOMPARE(window->Plot()->View().m_SignalMin, -10000);
    }

    void coordinatesAreTypedAndKeptWithTheChromatogram() {
        AnalysisWindow* window = Main()->OpenChromatogram(m_Path);
        ModalDriver driver(ModalDriver::Answer(QMessageBox::Ok, [](QDialog* dialog) {
            SetField(dialog, "最小时间:", 0.5);
            SetField(dialog, "最大时间:", 2.5);
            SetField(dialog, "最小电平:", -5);
            SetField(dialog, "最大电平:", 45);
        }));
        window->AskCoordinates();
        const PlotView& view = window->Plot()->View();
        QCOMPARE(view.m_TimeMin, 0.5);
        QCOMPARE(view.m_TimeMax, 2.5);
        QCOMPARE(view.m_SignalMin, -5000);
        QCOMPARE(view.m_SignalMax, 45000);
        QVERIFY(window->IsModified());
        QVERIFY(window->Document().m_DisplayTop != m_Written.m_DisplayTop ||
                window->Document().m_DisplayBottom != m_Written.m_DisplayBottom);
    }

    void peakDetectIntegratesAgainWithTheTypedParameters() {
        AnalysisWindow* window = Main()->OpenChromatogram(m_Path);
        {
            ModalDriver driver(ModalDriver::Answer(QMessageBox::Ok, [](QDialog* dialog) {
                SetField(dialog, "斜  率:", 1e6);  // nothing is steep enough: no peak
            }));
            window->AskPeakDetect();
        }
        QCOMPARE(window->Document().m_Params.m_Slope, 1e6);
        QVERIFY(window->Document().m_Peaks.empty());
        QCOMPARE(window->Model()->rowCount(), 0);
        QVERIFY(window->IsModified());

        ModalDriver again(ModalDriver::Answer(
            QMessageBox::Ok, [](QDialog* dialog) { SetField(dialog, "斜  率:", 30); }));
        window->AskPeakDetect();
        QCOMPARE(window->Document().m_Peaks.size(), std::size_t(3));
    }

    void aRowClickDrawsItsPeak() {
        AnalysisWindow* window = Main()->OpenChromatogram(m_Path);
        Main()->ToggleViewAllPeaks();
        window->Table()->selectRow(1);
        QCOMPARE(window->Document().m_SelectedPeak, 1);
        window->Table()->selectRow(3);  // the totals row selects no peak
        QCOMPARE(window->Document().m_SelectedPeak, -1);
        Main()->ToggleViewAllPeaks();
    }

    void aChangeAsksBeforeClosingAndIsSavedSafely() {
        AnalysisWindow* window = Main()->OpenChromatogram(m_Path);
        window->Document().m_SampleName = "改过的样品";
        window->SetModified(true);
        {
            ModalDriver cancel(ModalDriver::Answer(QMessageBox::Cancel));
            Main()->Workspace()->closeActiveSubWindow();
            QCOMPARE(cancel.Count(), 1);
        }
        QCOMPARE(Main()->Workspace()->subWindowList().size(), 1);
        {
            ModalDriver yes(ModalDriver::Answer(QMessageBox::Yes));
            Main()->Workspace()->closeActiveSubWindow();
        }
        QTRY_COMPARE(Main()->Workspace()->subWindowList().size(), 0);
        Result<CTzLabDoc> reread = LoadTzdFile(m_Path.toStdString());
        QVERIFY(reread.ok());
        QCOMPARE(QString::fromStdString(reread->m_SampleName), QString::fromUtf8("改过的样品"));
        QVERIFY(!QFile::exists(m_Path + ".tmp"));
    }

    void exportsWriteTheirFiles() {
        AnalysisWindow* window = Main()->OpenChromatogram(m_Path);
        const QString text = m_Home->File("signal.txt");
        const QString bmp = m_Home->File("picture.bmp");
        const QString pdf = m_Home->File("report.pdf");
        {
            ModalDriver driver(ModalDriver::Answer(QMessageBox::Ok, SaveAs(text)));
            window->ExportText();
        }
        {
            ModalDriver driver(ModalDriver::Answer(QMessageBox::Ok, SaveAs(bmp)));
            window->SavePictureBmp();
            QCOMPARE(driver.Texts(), QStringList());
        }
        {
            ModalDriver driver(ModalDriver::Answer(QMessageBox::Ok, SaveAs(pdf)));
            window->ExportPdf();
        }
        QFile signal(text);
        QVERIFY(signal.open(QIODevice::ReadOnly));
        QCOMPARE(
            signal.readLine(),
            QByteArray(Format("%1.4f  %ld \r\n", 0.0, long(m_Written.m_Samples.At(0))).c_str()));
        QFile picture(bmp);
        QVERIFY(picture.open(QIODevice::ReadOnly));
        QCOMPARE(picture.read(2), QByteArray("BM"));
        QFile report(pdf);
        QVERIFY(report.open(QIODevice::ReadOnly));
        QCOMPARE(report.read(5), QByteArray("%PDF-"));

        window->CopyData();
        const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 5);  // heading, three peaks, totals
        window->CopyPicture();
        QVERIFY(!QApplication::clipboard()->image().isNull());
    }
};

static RegisterGuiTest<AnalysisWindowTest> registration;

}  // namespace lx::test

#include "AnalysisWindowTest.moc"
