// The file menu's interchange with other programs: the chromatogram in front written as an
// ANDI/AIA file and read back, and a signal written as text opened as a new chromatogram, each
// the same samples as the run it came from.

#include <QFile>
#include <QTest>

#include "app/InterchangeCommands.h"
#include "app/MainWindow.h"
#include "core/TzdFile.h"
#include "process/TextExport.h"
#include "tests/gui/Fixtures.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/ModalDriver.h"
#include "ui/AnalysisWindow.h"

namespace lx::test {

class InterchangeTest : public QObject {
    Q_OBJECT

private slots:
    void anAndiFileGoesOutAndComesBackAsANewChromatogram() {
        Home home;
        auto app = StartWorkstation(home);
        QVERIFY(app);
        MainWindow& main = *app->Window();
        const CTzLabDoc run = WriteThreePeakRun(home.File("run.Tzd"));
        QVERIFY(main.OpenChromatogram(home.File("run.Tzd")));
        const QString cdf = home.File("run.cdf");
        main.Interchange().ExportAndi(cdf);
        QFile file(cdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(4), QByteArray("CDF\x01", 4));

        {
            ModalDriver keep(ModalDriver::Answer(QMessageBox::Yes));  // the file's peak table
            main.Interchange().ImportAndi(cdf);
        }
        AnalysisWindow* imported = main.ActiveAnalysis();
        QVERIFY(imported && imported->Path().isEmpty());
        QVERIFY(imported->IsModified());  // a new chromatogram, not saved yet
        QVERIFY(imported->Document().m_Samples == run.m_Samples);
        QCOMPARE(imported->Document().m_ChannelSetup.rate, run.m_ChannelSetup.rate);
        QCOMPARE(imported->Document().m_Peaks.size(), run.m_Peaks.size());
        imported->SetModified(false);
    }

    void aTextSignalOpensAsTheRunItWasWrittenFrom() {
        Home home;
        auto app = StartWorkstation(home);
        QVERIFY(app);
        MainWindow& main = *app->Window();
        const CTzLabDoc run = WriteThreePeakRun(home.File("run.Tzd"));
        const QString text = home.File("run.txt");
        QVERIFY(ExportText(run, text.toStdString()).ok());
        {
            // The dialog's defaults read the workstation's own export.
            ModalDriver accept(ModalDriver::Answer(QMessageBox::Ok));
            main.Interchange().ImportText(text);
            QCOMPARE(accept.Count(), 1);
        }
        AnalysisWindow* imported = main.ActiveAnalysis();
        QVERIFY(imported);
        QVERIFY(imported->Document().m_Samples == run.m_Samples);
        QCOMPARE(imported->Document().m_Peaks.size(), std::size_t(3));
        imported->SetModified(false);

        // A file that is no signal says why and opens nothing.
        QFile notes(home.File("notes.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("no numbers here\n");
        notes.close();
        ModalDriver answer(ModalDriver::Answer(QMessageBox::Ok));
        main.Interchange().ImportText(home.File("notes.txt"));
        QCOMPARE(answer.Count(), 2);  // the dialog, then the message
        QCOMPARE(main.ActiveAnalysis(), imported);
    }

    // The open project's samples in one table, quantified by the project.
    void theProjectsSamplesMakeOneTable() {
        Home home;
        auto app = StartWorkstation(home, {WriteCalibratedProject(home)});
        QVERIFY(app);
        MainWindow& main = *app->Window();
        QVERIFY(main.Projects().Current());
        const QString csv = home.File("samples.csv");
        main.Interchange().SummarizeSamples(csv);
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split("\r\n");
        QVERIFY2(lines.size() > 2, qPrintable(lines.join("|")));
        const QStringList heading = lines[0].split(',');
        const QStringList sample = lines[1].split(',');
        QVERIFY(sample[0].endsWith("sample.Tzd"));
        int contents = 0;
        for (int k = 0; k < heading.size(); ++k) {
            if (!heading[k].endsWith(QString::fromUtf8("含量")))
                continue;
            ++contents;
            QVERIFY2(std::abs(sample[k].toDouble() - 2.5) < 2.5 * 0.005, qPrintable(sample[k]));
        }
        QCOMPARE(contents, 3);
        QVERIFY(!main.Projects().SessionOf(main.Projects().Current())->IsModified());
    }
};

static RegisterGuiTest<InterchangeTest> registration;

}  // namespace lx::test

#include "InterchangeTest.moc"
