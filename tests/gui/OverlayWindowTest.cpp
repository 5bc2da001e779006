// The overlays in the analysis window: the plot draws them and the list shows them, the two
// mouse modes move an overlay and level a drifting baseline, and what changes a chromatogram
// in place is an undo step that restores it byte for byte; unloading an overlay with steps
// keeps the window's modified mark. The report window takes the analysis report.

#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QTest>
#include <QTextEdit>
#include <QUndoStack>

#include "app/MainWindow.h"
#include "core/Archive.h"
#include "core/SyntheticRun.h"
#include "core/TzdFile.h"
#include "peaks/Integration.h"
#include "process/OverlayList.h"
#include "tests/gui/Fixtures.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/ModalDriver.h"
#include "tests/gui/sheets/SheetTestSupport.h"
#include "ui/AnalysisWindow.h"
#include "ui/PlotWidget.h"
#include "ui/edit/AnalysisOverlays.h"
#include "ui/edit/PeakEditCommands.h"
#include "ui/edit/PeakEditTool.h"
#include "ui/overlays/OverlayCommands.h"
#include "ui/overlays/OverlayPanel.h"
#include "ui/report/ReportWindow.h"

namespace lx::test {
namespace {

std::vector<std::uint8_t> Bytes(const CTzLabDoc& doc) {
    ArchiveWriter ar;
    doc.Serialize(ar);
    return ar.Bytes();
}

// A run on a baseline that rises 2 uV a sample, with two peaks.
CTzLabDoc Drifting() {
    SyntheticRunOptions options;
    options.minutes = 3.0;
    options.noise = 0.0;
    options.drift = 2400.0;  // uV per minute: 2 per sample at 20 a second
    options.peaks = {{1.0, 20000, 3}, {2.0, 10000, 3}};
    CTzLabDoc doc = MakeSyntheticRun(options);
    RecordingPrompter quiet;
    IntegrateAndQuantify(doc, quiet);
    return doc;
}

struct OverlayBench {
    OverlayBench() : window(std::make_unique<CTzLabDoc>(Drifting()), settings, prompter) {
        window.Document().m_PathName = dir.filePath("own.Tzd").toStdString();
        window.resize(1400, 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    OverlayCommands& Commands() { return window.Overlays().Commands(); }
    OverlayList& List() { return Commands().List(); }
    PlotWidget& Plot() { return *window.Plot(); }
    QPoint Corner() { return Plot().PlotArea().topLeft(); }
    void Drag(int mode, QPoint from, QPoint to) {
        window.PeakEdits().SetMode(mode);
        QTest::mousePress(&Plot(), Qt::LeftButton, {}, Corner() + from);
        QTest::mouseMove(&Plot(), Corner() + to);
        QTest::mouseRelease(&Plot(), Qt::LeftButton, {}, Corner() + to);
    }
    // Adds the window's own run once more, loaded from a file.
    void LoadCopy() {
        const QString path = dir.filePath("copy.Tzd");
        CTzLabDoc copy = window.Document();  // a save renames what it saves
        SaveTzdFile(copy, path.toStdString());
        QVERIFY(Commands().LoadOverlay(path));
    }

    QTemporaryDir dir;
    DisplaySettings settings;
    RecordingPrompter prompter;
    AnalysisWindow window;
};

}  // namespace

class OverlayWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theListAppearsWithASecondChromatogramAndThePlotDrawsIt() {
        OverlayBench bench;
        QVERIFY(!bench.window.Overlays().Panel()->isVisible());
        bench.LoadCopy();
        if (QTest::currentTestFailed())
            return;
        QVERIFY(bench.window.Overlays().Panel()->isVisible());
        QCOMPARE(bench.window.Overlays().Panel()->model()->rowCount(), 2);
        QCOMPARE(bench.Plot().Picture().overlays.size(), std::size_t(1));
        QCOMPARE(bench.Plot().Picture().overlays[0].doc, bench.List().at(1).m_Doc);
        QCOMPARE(bench.List().CurrentIndex(), 1);
    }

    // The window prints what it shows: its own chromatogram and each overlay, listed by name.
    void theReportListsEveryChromatogramShown() {
        OverlayBench bench;
        bench.LoadCopy();
        if (QTest::currentTestFailed())
            return;
        const QString pdf = bench.dir.filePath("both.pdf");
        {
            ModalDriver driver(ModalDriver::Answer(QMessageBox::Ok, SaveAs(pdf)));
            bench.window.ExportPdf();
        }
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished(20000));
        const QString pages = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(pages.contains(QString::fromUtf8("通道 1 : own.Tzd")), qPrintable(pages));
        QVERIFY2(pages.contains(QString::fromUtf8("通道 2 : copy.Tzd")), qPrintable(pages));
    }

    void anOverlayMovedWithTheMouseIsOneStep() {
        OverlayBench bench;
        bench.LoadCopy();
        if (QTest::currentTestFailed())
            return;
        bench.Drag(PeakEditTool::kMoveOverlay, {100, 100}, {130, 80});
        QCOMPARE(bench.List().at(1).m_OffsetX, 30);
        QCOMPARE(bench.List().at(1).m_OffsetY, -20);
        QCOMPARE(bench.Plot().Picture().overlays[0].offsetX, 30);
        QCOMPARE(bench.window.Undo().count(), 1);
        bench.window.Undo().undo();
        QCOMPARE(bench.List().at(1).m_OffsetX, 0);
        QCOMPARE(bench.Plot().Picture().overlays[0].offsetY, 0);
        // The window's own chromatogram holds the axes and stays where it is.
        bench.Commands().SetCurrent(0);
        bench.Drag(PeakEditTool::kMoveOverlay, {100, 100}, {130, 80});
        QCOMPARE(bench.window.Undo().count(), 1);
        QCOMPARE(bench.window.Undo().index(), 0);
    }

    // A line laid along the drifting baseline levels it: the samples at both ends of the line
    // end up level, the peaks are integrated again, and undo gives the run back exactly.
    void driftCorrectionLevelsTheBaselineAndUndoes() {
        OverlayBench bench;
        CTzLabDoc& doc = bench.window.Document();
        const auto before = Bytes(doc);
        const PlotScales scales = bench.Plot().Scales();
        const std::int32_t a = doc.TimeToIndex(0.3), b = doc.TimeToIndex(2.7);
        const QPoint from(scales.X(a), scales.Y(doc.m_Samples.At(a)));
        const QPoint to(scales.X(b), scales.Y(doc.m_Samples.At(b)));
        bench.Drag(PeakEditTool::kDriftCorrection, from, to);
        const std::int32_t rise = doc.m_Samples.At(b) - doc.m_Samples.At(a);
        // Levelled to within what a pixel of the laid line can say.
        QVERIFY2(std::abs(rise) <= 2 * (scales.m_UnitsPerPixel + 2 * scales.m_SamplesPerPixel),
                 qPrintable(QString::number(rise)));
        QCOMPARE(doc.m_Peaks.size(), std::size_t(2));
        QVERIFY(bench.window.IsModified());
        bench.window.Undo().undo();
        QVERIFY(Bytes(doc) == before);
        QVERIFY(!bench.window.IsModified());
    }

    void aBaselineShiftOfAnOverlayUndoesAndItsUnloadKeepsTheMark() {
        OverlayBench bench;
        bench.LoadCopy();
        if (QTest::currentTestFailed())
            return;
        CTzLabDoc& overlay = *bench.List().at(1).m_Doc;
        const auto before = Bytes(overlay);
        QVERIFY(bench.Commands().ApplyBaselineShift(0.5, false));
        QCOMPARE(overlay.m_Samples.At(0), bench.window.Document().m_Samples.At(0) - 500);
        bench.window.Undo().undo();
        QVERIFY(Bytes(overlay) == before);
        bench.window.Undo().redo();
        QVERIFY(bench.window.IsModified());
        // Its steps go with it; what was modified stays so.
        bench.prompter.answers = {false};  // not saved
        QVERIFY(bench.Commands().UnloadOverlay());
        QCOMPARE(bench.window.Undo().count(), 0);
        QVERIFY(bench.window.IsModified());
        bench.window.SetModified(false);
    }

    // "输出分析报告(&O)" opens the report window with the report; a second output asks whether
    // to clear it first, and No appends.
    void theAnalysisReportGoesToTheReportWindow() {
        Home home;
        auto app = StartWorkstation(home);
        QVERIFY(app);
        MainWindow& main = *app->Window();
        AnalysisWindow* analysis = OpenThreePeakRun(main, home);
        QVERIFY(analysis);
        analysis->OutputReport();
        auto* report = qobject_cast<ReportWindow*>(main.Workspace()->activeSubWindow()->widget());
        QVERIFY(report);
        QCOMPARE(report->Name(), QFileInfo(home.File("run")).absoluteFilePath() + "_报告");
        const QString text = report->Editor()->toPlainText();
        QVERIFY2(text.contains(QString::fromUtf8("分  析  结  果")), qPrintable(text.left(400)));
        {
            ModalDriver no(ModalDriver::Answer(QMessageBox::No));
            analysis->OutputReport();
            QCOMPARE(no.Texts(), QStringList{QString::fromUtf8("输入数据之前是否先清空原有内容!")});
        }
        QCOMPARE(report->Editor()->toPlainText().count(QString::fromUtf8("分  析  结  果")), 2);
        const QString saved = home.File("report.Tze");
        QVERIFY(report->SaveTo(saved));
        QPointer<ReportWindow> closing = report;
        report->parentWidget()->close();
        QTRY_VERIFY(!closing);
        main.OpenFiles({saved});
        auto* reopened = qobject_cast<ReportWindow*>(main.Workspace()->activeSubWindow()->widget());
        QVERIFY(reopened);
        QCOMPARE(reopened->Editor()->toPlainText().count(QString::fromUtf8("分  析  结  果")), 2);
    }
};

static RegisterGuiTest<OverlayWindowTest> registration;

}  // namespace lx::test

#include "OverlayWindowTest.moc"
