// A calibrated method quantifies a sample opened from its project: the amounts come back as
// the sample was made.

#include <QTest>

#include "app/MainWindow.h"
#include "core/Archive.h"
#include "report/ResultTableModel.h"
#include "tests/gui/Fixtures.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/ModalDriver.h"
#include "ui/AnalysisWindow.h"

namespace lx::test {

class QuantitationTest : public QObject {
    Q_OBJECT

private slots:
    void aSampleOfTheMethodGetsItsAmounts() {
        Home home;
        const QString path = WriteCalibratedProject(home);
        auto app = StartWorkstation(home, {path});
        QVERIFY(app);
        ProjectTreeWidget* tree = app->Window()->Projects().Panel()->Tree();
        QTreeWidgetItem* samples = tree->topLevelItem(0)->child(2);
        QCOMPARE(samples->text(0), QString::fromUtf8("样品图谱"));
        tree->setCurrentItem(samples->child(0));
        emit tree->itemActivated(samples->child(0), 0);
        AnalysisWindow* window = app->Window()->ActiveAnalysis();
        QVERIFY(window);
        window->Reintegrate();  // "峰检测" with the chromatogram's own parameters
        const std::vector<PeakRecord>& peaks = window->Document().m_Peaks;
        QCOMPARE(peaks.size(), std::size_t(3));
        for (const PeakRecord& peak : peaks)
            QVERIFY2(std::abs(peak.m_Content - 2.5) <= 2.5 * 0.005,
                     qPrintable(QString::number(peak.m_Content)));
        QCOMPARE(window->Model()->rowCount(), 4);
        window->SetModified(false);
        app->Window()->Projects().SessionOf(app->Window()->Projects().Current())->MarkSaved();
    }

    void theViewsComponentCommandsAreProjectSteps() {
        Home home;
        auto app = StartWorkstation(home, {WriteCalibratedProject(home)});
        QVERIFY(app);
        ProjectTreeWidget* tree = app->Window()->Projects().Panel()->Tree();
        QTreeWidgetItem* standard = tree->topLevelItem(0)->child(1)->child(0);
        tree->setCurrentItem(standard);
        emit tree->itemActivated(standard, 0);
        AnalysisWindow* window = app->Window()->ActiveAnalysis();
        QVERIFY(window);
        CPrjDoc& project = *app->Window()->Projects().Current();
        ProjectSession& session = *app->Window()->Projects().SessionOf(&project);
        const std::vector<std::uint8_t> before = [&] {
            ArchiveWriter ar;
            project.Serialize(ar);
            return ar.Bytes();
        }();
        QVERIFY(!window->Document().m_Peaks[0].m_ComponentName.empty());

        window->Document().m_SelectedPeak = 0;
        {
            ModalDriver yes(ModalDriver::Answer(QMessageBox::Yes));
            window->DeleteComponent();
        }
        QCOMPARE(project.m_Components.size(), std::size_t(2));
        QVERIFY(window->Document().m_Peaks[0].m_ComponentName.empty());
        {
            ModalDriver yes(ModalDriver::Answer(QMessageBox::Yes));
            window->ExportComponents();
        }
        QCOMPARE(project.m_Components.size(), std::size_t(3));
        QCOMPARE(session.Undo().count(), 2);
        session.Undo().undo();
        session.Undo().undo();
        ArchiveWriter after;
        project.Serialize(after);
        QVERIFY(after.Bytes() == before);
        window->SetModified(false);
        session.MarkSaved();
    }
};

static RegisterGuiTest<QuantitationTest> registration;

}  // namespace lx::test

#include "QuantitationTest.moc"
