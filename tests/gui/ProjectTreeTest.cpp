// The projects of the workstation: opened into the tree and the selector, the tree's nodes
// opening what they stand for, the project commands, and undo restoring the project exactly.

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

#include "app/MainWindow.h"
#include "quant/file/TzpFile.h"
#include "quant/workflow/NewProject.h"
#include "quant/workflow/ProjectRecords.h"
#include "tests/gui/Fixtures.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/ModalDriver.h"
#include "ui/AnalysisWindow.h"
#include "ui/ChannelWindow.h"
#include "ui/curve/StandardCurveWindow.h"

namespace lx::test {
namespace {

struct Quiet : Prompter {
    bool Confirm(const std::string&) override { return true; }
    void Inform(const std::string&, Icon) override {}
};

// An external-standard project "Mix" with two standards and one sample, saved.
QString WriteProject(const Home& home) {
    Quiet quiet;
    ProjectList scratch;
    NewProjectSettings settings;
    settings.m_MethodName = "Mix";
    settings.m_Basis = kAreaBasis;
    settings.m_IdentMode = kTimeBand;
    settings.m_Method = kExternalStandard;
    CPrjDoc* project = CreateProject(settings, home.Path().toStdString(), scratch, quiet);
    for (const char* name : {"std1.Tzd", "std2.Tzd"})
        AddStandardFile(*project, WriteThreePeakRunPath(home, name), quiet);
    AddSampleFile(*project, WriteThreePeakRunPath(home, "sample.Tzd"), quiet);
    SaveProject(*project, project->m_PathName);
    return QString::fromStdString(project->m_PathName);
}

}  // namespace

class ProjectTreeTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Home> m_Home;
    std::unique_ptr<CTzLabApp> m_App;
    QString m_Path;

    MainWindow& Main() { return *m_App->Window(); }
    ProjectTreeWidget* Tree() { return Main().Projects().Panel()->Tree(); }
    QTreeWidgetItem* Root() { return Tree()->topLevelItem(0); }

private slots:
    void init() {
        m_Home = std::make_unique<Home>();
        m_Path = WriteProject(*m_Home);
        m_App = StartWorkstation(*m_Home, {m_Path});
        QVERIFY(m_App);
    }
    void cleanup() {
        for (AnalysisWindow* window : Main().AnalysisWindows())
            window->SetModified(false);
        if (CPrjDoc* project = Main().Projects().Current())
            Main().Projects().SessionOf(project)->MarkSaved();
        m_App.reset();
        m_Home.reset();
    }

    void anOpenedProjectShowsItsNodes() {
        QCOMPARE(Tree()->topLevelItemCount(), 1);
        QCOMPARE(Root()->text(0), QString::fromUtf8("Mix (外标法)"));
        QStringList nodes;
        for (int k = 0; k < Root()->childCount(); ++k)
            nodes << Root()->child(k)->text(0);
        QCOMPARE(nodes, QStringList({"项目模板", "标准图谱", "样品图谱", "组 份 表", "标准曲线",
                                     "设置分析方法"}));
        QCOMPARE(Child(Root(), "标准图谱")->childCount(), 2);
        QCOMPARE(Child(Root(), "样品图谱")->child(0)->text(0), QString("sample.Tzd"));
        QCOMPARE(Main().Projects().Selector()->currentText(), QString("Mix"));
        // Opening it again makes no second one.
        Main().OpenFiles({m_Path});
        QCOMPARE(Tree()->topLevelItemCount(), 1);
    }

    void aRecordOpensLinkedAndAVanishedOneIsOffered() {
        Activate(Tree(), Child(Child(Root(), "标准图谱"), "std1.Tzd"));
        AnalysisWindow* window = Main().ActiveAnalysis();
        QVERIFY(window);
        QCOMPARE(window->Document().m_Project, Main().Projects().Current());

        QFile::remove(m_Home->File("sample.Tzd"));
        const CPrjDoc before = *Main().Projects().Current();
        {
            ModalDriver yes(ModalDriver::Answer(QMessageBox::Yes));
            Activate(Tree(), Child(Child(Root(), "样品图谱"), "sample.Tzd"));
            QCOMPARE(yes.Texts().size(), 1);
            QVERIFY(yes.Texts()[0].contains("sample.Tzd"));
        }
        QVERIFY(Main().Projects().Current()->m_Samples.empty());
        QVERIFY(Root()->text(0).endsWith(" *"));
        Main().Projects().SessionOf(Main().Projects().Current())->Undo().undo();
        QVERIFY(*Main().Projects().Current() == before);
        QVERIFY(!Root()->text(0).endsWith(" *"));
    }

    void removingRecordsIsUndoneToTheSameBytes() {
        CPrjDoc& project = *Main().Projects().Current();
        const CPrjDoc before = project;
        // The file as this workstation writes the open project (opening names its folder).
        QVERIFY(Main().Projects().Save());
        const QByteArray original = [&] {
            QFile f(m_Path);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        Tree()->setCurrentItem(Child(Child(Root(), "标准图谱"), "std1.Tzd"));
        {
            ModalDriver yes(ModalDriver::Answer(QMessageBox::Yes));
            Main().Projects().RemoveSelectedRecord();
        }
        QCOMPARE(project.m_Standards.size(), std::size_t(1));
        Tree()->setCurrentItem(Child(Root(), "样品图谱"));
        {
            ModalDriver yes(ModalDriver::Answer(QMessageBox::Yes));
            Main().Projects().RemoveAllOfSelectedList();
        }
        QVERIFY(project.m_Samples.empty());
        QUndoStack& undo = Main().Projects().SessionOf(&project)->Undo();
        QCOMPARE(undo.count(), 2);
        undo.undo();
        undo.undo();
        QVERIFY(project == before);
        // Saved again, the file is the file it was.
        QVERIFY(Main().Projects().Save());
        QFile again(m_Path);
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), original);
    }

    void theTemplateSheetEditsTheProjectInOneStep() {
        CPrjDoc& project = *Main().Projects().Current();
        const CPrjDoc before = project;
        {
            ModalDriver driver(ModalDriver::Answer(QMessageBox::Ok, [](QDialog* sheet) {
                for (auto* box : sheet->findChildren<QDoubleSpinBox*>())
                    if (box->accessibleName() == QString::fromUtf8("斜  率:"))
                        box->setValue(45.0);
            }));
            Activate(Tree(), Child(Root(), "项目模板"));
        }
        QCOMPARE(project.m_Params.m_Slope, 45.0);
        Main().Projects().SessionOf(&project)->Undo().undo();
        QVERIFY(project == before);
    }

    void theCurvePropertiesAndComponentNodesOpenTheirWindows() {
        Activate(Tree(), Child(Root(), "标准曲线"));
        Activate(Tree(), Child(Root(), "标准曲线"));
        int curves = 0;
        for (QMdiSubWindow* window : Main().Workspace()->subWindowList())
            curves += qobject_cast<StandardCurveWindow*>(window->widget()) != nullptr;
        QCOMPARE(curves, 1);
        for (const char* node : {"标准图谱", "组 份 表"}) {
            ModalDriver driver(ModalDriver::Answer(QMessageBox::Ok));
            Activate(Tree(), Child(Root(), node));
            QCOMPARE(driver.Count(), 1);
        }
        // Looked at and closed with OK, nothing changed: no step.
        QCOMPARE(Main().Projects().SessionOf(Main().Projects().Current())->Undo().count(), 0);
    }

    void theChromatogramSheetExchangesWithTheTemplate() {
        CPrjDoc& project = *Main().Projects().Current();
        project.m_Params.m_Slope = 45.0;
        project.m_ChannelSetup.stopTime = 12.0;
        Activate(Tree(), Child(Child(Root(), "标准图谱"), "std1.Tzd"));
        AnalysisWindow* window = Main().ActiveAnalysis();
        QVERIFY(window->Document().m_Params.m_Slope != 45.0);
        // The sheet's button asks its question from inside the sheet: a second driver there
        // answers it.
        QStringList asked;
        const auto press = [&asked](const char* button) {
            return ModalDriver::Answer(QMessageBox::Yes, [button, &asked](QDialog* sheet) {
                ModalDriver inside(ModalDriver::AnswerBoxes(QMessageBox::Yes));
                if (auto* found = sheet->findChild<QPushButton*>(button))
                    found->click();
                asked << inside.Texts();
            });
        };
        {
            ModalDriver driver(press("takeTemplate"));
            window->EditParameters();
        }
        QCOMPARE(asked, QStringList{QString::fromUtf8("是否用项目模板的参数替换当前图谱参数!")});
        QCOMPARE(window->Document().m_Params.m_Slope, 45.0);
        QCOMPARE(window->Document().m_ChannelSetup.stopTime, 12.0);  // not on the sheet's pages

        window->Document().m_Params.m_Slope = 33.0;
        {
            ModalDriver driver(press("copyToTemplate"));
            window->EditParameters();
        }
        // Pasted from the buffer, the template takes the chromatogram's parameters.
        {
            ModalDriver yes(ModalDriver::Answer(QMessageBox::Yes));
            Main().Projects().PasteIntoTemplate();
        }
        QCOMPARE(project.m_Params.m_Slope, 33.0);
    }

    void theChannelButtonGivesAClosedChannelTheProject() {
        Tree()->setCurrentItem(Child(Root(), "标准图谱"));
        emit Main().Projects().Panel()->ChannelRequested(1);
        ChannelWindow* channel = Main().Channel(1);
        QVERIFY(channel);
        QCOMPARE(channel->Document().m_Project, Main().Projects().Current());
        QCOMPARE(channel->Document().m_Method.m_ChannelSetup.runKind, 0);
    }

    void aRunFiledWithItsProjectIsOneStepAndSaved() {
        CPrjDoc& project = *Main().Projects().Current();
        Tree()->setCurrentItem(Child(Root(), "标准图谱"));
        emit Main().Projects().Panel()->ChannelRequested(0);
        ChannelWindow* channel = Main().Channel(0);
        QVERIFY(channel);
        ChannelSetup& setup = channel->Document().m_Method.m_ChannelSetup;
        setup.stopTime = 0.02;  // 24 values
        setup.autoSave = 1;
        setup.showAtEnd = 0;
        // Calibrating a project without components says so; the run is filed all the same.
        ModalDriver ok(ModalDriver::Answer(QMessageBox::Ok));
        channel->StartRun();
        QTRY_COMPARE_WITH_TIMEOUT(project.m_Standards.size(), std::size_t(3), 20000);
        ProjectSession& session = *Main().Projects().SessionOf(&project);
        QCOMPARE(session.Undo().count(), 1);
        QVERIFY(!session.IsModified());  // the run's end saved the project
        session.Undo().undo();
        QCOMPARE(project.m_Standards.size(), std::size_t(2));
        QVERIFY(session.IsModified());
    }

    void closingTheProjectAsksAboutItsChromatograms() {
        Activate(Tree(), Child(Child(Root(), "标准图谱"), "std2.Tzd"));
        QCOMPARE(Main().AnalysisWindows().size(), 1);
        {
            ModalDriver yes(ModalDriver::Answer(QMessageBox::Yes));
            QVERIFY(Main().Projects().CloseCurrent());
            QCOMPARE(yes.Texts().value(0), QString::fromUtf8("是否关闭所有已打开的项目图谱!"));
        }
        QTRY_COMPARE(Main().AnalysisWindows().size(), 0);
        QCOMPARE(Tree()->topLevelItemCount(), 0);
        QCOMPARE(Main().Projects().Selector()->count(), 0);
    }
};

static RegisterGuiTest<ProjectTreeTest> registration;

}  // namespace lx::test

#include "ProjectTreeTest.moc"
