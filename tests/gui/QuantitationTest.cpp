// A calibrated method quantifies a sample opened from its project: the amounts come back as
// the sample was made, whether the method was written by the engine or built with the mouse
// from runs recorded on a channel.

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "app/MainWindow.h"
#include "core/Archive.h"
#include "report/ResultTableModel.h"
#include "tests/gui/Fixtures.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/ModalDriver.h"
#include "tests/gui/sheets/SheetTestSupport.h"
#include "ui/AnalysisWindow.h"
#include "ui/ChannelWindow.h"
#include "ui/components/ComponentTableDialog.h"
#include "ui/projectsheets/ChoiceGroup.h"
#include "ui/projectsheets/NewProjectWizard.h"
#include "ui/projectsheets/ProjectPropertiesSheet.h"
#include "ui/sheets/KeptControls.h"

namespace lx::test {
namespace {

const double kLevelAmounts[] = {1.0, 2.0, 4.0};
constexpr double kSampleAmount = 2.5;

// "新建项目(&N)" answered as the operator would: a name, then area, time band, external
// standard.
void CreateMixProject(MainWindow& main) {
    ModalDriver driver([](QWidget* modal) {
        auto* wizard = dynamic_cast<NewProjectWizard*>(modal);
        QVERIFY(wizard);
        Named<QLineEdit>(wizard->currentPage(), "分析项目名称:")->setText("Mix");
        wizard->next();
        for (auto [group, value] :
             {std::pair{"分析方式", int(kAreaBasis)}, std::pair{"定性方法", int(kTimeBand)},
              std::pair{"分析方法", int(kExternalStandard)}})
            Named<ChoiceGroup>(wizard->currentPage(), group)->Button(value)->click();
        wizard->button(QWizard::FinishButton)->click();
    });
    main.Projects().NewProject();
}

// Channel A takes the project for the list selected in the tree ("标准图谱" or "样品图谱"),
// with runs as long as the mixture, saved under `prefix` without asking.
ChannelWindow* OfferProject(MainWindow& main, const char* list, const char* prefix) {
    ProjectTreeWidget* tree = main.Projects().Panel()->Tree();
    tree->setCurrentItem(Child(tree->topLevelItem(0), QString::fromUtf8(list)));
    {
        ModalDriver yes(ModalDriver::Answer(QMessageBox::Yes));  // when the channel is open
        emit main.Projects().Panel()->ChannelRequested(0);
    }
    ChannelWindow* channel = main.Channel(0);
    if (!channel)
        return nullptr;
    ChannelSetup& setup = channel->Document().m_Method.m_ChannelSetup;
    setup.stopTime = Mixture(1.0).m_Samples.size() / 20.0 / 60.0;
    setup.prefix = prefix;
    setup.yearOn = setup.monthOn = setup.dayOn = setup.timeOn = 0;
    setup.numberOn = 1;
    setup.autoSave = 1;
    return channel;
}

// The detector's values of the mixture at `amount`, as the receiver hands them over, until
// the run reaches its stop time and is filed.
void Record(ChannelWindow& channel, double amount) {
    const CTzLabDoc run = Mixture(amount);
    channel.StartRun();
    for (std::int32_t value : run.m_Samples) {
        if (!channel.Document().IsRunning())
            break;
        channel.Document().AddPoint(value);
    }
}

// "项目属性...": the newest standard moved up to a new level by a double-click on its row.
void RaiseNewestStandard(MainWindow& main, int level) {
    ModalDriver driver([level](QWidget* modal) {
        auto* sheet = dynamic_cast<ProjectPropertiesSheet*>(modal);
        QVERIFY(sheet);
        QVERIFY(sheet->ChangeLevel(int(sheet->Draft().m_Standards.size()) - 1, level));
        sheet->accept();
    });
    main.Projects().EditProperties();
}

// "组 份 表" opened from the tree, every level's concentration typed into its "点" dialog.
void TypeConcentrations(MainWindow& main) {
    ProjectTreeWidget* tree = main.Projects().Panel()->Tree();
    ModalDriver driver([](QWidget* modal) {
        auto* dialog = qobject_cast<ComponentTableDialog*>(modal);
        QVERIFY(dialog);
        auto* view = Named<QTableView>(dialog, "组份表");
        for (int row = 0; row < view->model()->rowCount(); ++row)
            for (int level = 1; level <= 3; ++level) {
                const QModelIndex cell = view->model()->index(row, 3 + level);
                QCOMPARE(view->model()->headerData(3 + level, Qt::Horizontal).toString(),
                         QString::fromUtf8("第%1点浓度").arg(level));
                WhenDialogOpens([level](QWidget* point) {
                    auto* box = Child<NumberBox>(point, "m_Concentration");
                    QVERIFY(box);
                    box->setValue(kLevelAmounts[level - 1]);
                    qobject_cast<QDialog*>(point)->accept();
                });
                const QPoint at = view->visualRect(cell).center();
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
            }
        dialog->accept();
    });
    Activate(tree, Child(tree->topLevelItem(0), QString::fromUtf8("组 份 表")));
}

void ExpectSampleAmounts(const CTzLabDoc& sample) {
    QCOMPARE(sample.m_Peaks.size(), std::size_t(3));
    for (const PeakRecord& peak : sample.m_Peaks)
        QVERIFY2(std::abs(peak.m_Content - kSampleAmount) <= kSampleAmount * 0.005,
                 qPrintable(QString::number(peak.m_Content)));
}

}  // namespace

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
        ExpectSampleAmounts(window->Document());
        QCOMPARE(window->Model()->rowCount(), 4);
        window->SetModified(false);
        app->Window()->Projects().SessionOf(app->Window()->Projects().Current())->MarkSaved();
    }

    // The chromatographer's way: a new project, three standards recorded on channel A and
    // moved to their levels, the components named from the first, the concentrations typed,
    // "重校正", then a sample recorded on the same channel.
    void aMethodBuiltWithTheMouseQuantifiesASample() {
        Home home;
        auto app = StartWorkstation(home);
        QVERIFY(app);
        MainWindow& main = *app->Window();
        CreateMixProject(main);
        CPrjDoc* project = main.Projects().Current();
        QVERIFY(project);
        ProjectSession& session = *main.Projects().SessionOf(project);

        ChannelWindow* channel = OfferProject(main, "标准图谱", "Std");
        QVERIFY(channel);
        channel->Document().m_Method.m_ChannelSetup.showAtEnd = 0;
        {
            // A project without components cannot calibrate yet; the run is filed all the same.
            ModalDriver ok(ModalDriver::Answer(QMessageBox::Ok));
            Record(*channel, kLevelAmounts[0]);
            QTRY_COMPARE(project->m_Standards.size(), std::size_t(1));
        }
        ProjectTreeWidget* tree = main.Projects().Panel()->Tree();
        Activate(tree, Child(tree->topLevelItem(0), QString::fromUtf8("标准图谱"))->child(0));
        AnalysisWindow* first = main.ActiveAnalysis();
        QVERIFY(first);
        {
            ModalDriver yes(ModalDriver::Answer(QMessageBox::Yes));
            first->ExportComponents();
        }
        QCOMPARE(project->m_Components.size(), std::size_t(3));
        {
            // "峰检测": the standard's record in the project takes its identified peaks (its
            // calibration is refused until the concentrations are typed).
            ModalDriver ok(ModalDriver::Answer(QMessageBox::Ok));
            first->Reintegrate();
        }
        for (int level = 2; level <= 3; ++level) {
            {
                // No concentrations yet: the run's calibration is refused.
                ModalDriver ok(ModalDriver::Answer(QMessageBox::Ok));
                Record(*channel, kLevelAmounts[level - 1]);
                QTRY_COMPARE(project->m_Standards.size(), std::size_t(level));
            }
            RaiseNewestStandard(main, level);
        }
        QCOMPARE(project->m_LevelCount, 3);
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(project->m_Standards[k].m_Level, k + 1);
            QCOMPARE(project->m_Standards[k].m_Repeat, 1);
        }
        TypeConcentrations(main);
        {
            ModalDriver refused(ModalDriver::Answer(QMessageBox::Ok));
            main.Projects().Recalibrate();
            QCOMPARE(refused.Texts().join("|"), QString());
        }
        for (const CComponentItem& component : project->m_Components)
            QVERIFY2(component.m_R > 0.9999, qPrintable(QString::number(component.m_R)));

        channel = OfferProject(main, "样品图谱", "Sample");
        channel->Document().m_Method.m_ChannelSetup.showAtEnd = 1;
        QCOMPARE(channel->Document().m_Method.m_ChannelSetup.runKind, 1);
        Record(*channel, kSampleAmount);
        QTRY_COMPARE(project->m_Samples.size(), std::size_t(1));
        AnalysisWindow* sample = main.ActiveAnalysis();
        QVERIFY(sample && sample != first);
        ExpectSampleAmounts(sample->Document());

        QVERIFY(main.Projects().Save());
        QVERIFY(!session.IsModified());
        for (AnalysisWindow* window : main.AnalysisWindows())
            window->SetModified(false);
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
