// The chromatogram view's component and reference-peak commands on a project and a run with
// peaks at known times, with the operator's answers scripted; each change one undo step.

#include <QDialog>
#include <QTest>
#include <QTimer>

#include "core/TzdFile.h"
#include "peaks/Integration.h"
#include "quant/workflow/ProjectRecords.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/components/ComponentTestSupport.h"
#include "ui/components/ComponentCommands.h"
#include "ui/sheets/KeptControls.h"

namespace lx::test {
namespace {

// Cut to three decimals this is 1.005; rounded it would be 1.006.
constexpr double kOddPeak = 1.0058333;

// The detector puts an apex within a few samples of its Gaussian's centre; the tests pin the
// apexes where they say, and identify again.
void PinApexes(CTzLabDoc& run, CPrjDoc& project) {
    if (run.m_Peaks.size() != 3)
        qFatal("the synthetic run does not have its three peaks");
    const double apexes[] = {kOddPeak, 3.0, 5.0};
    for (std::size_t i = 0; i < 3; ++i)
        run.m_Peaks[i].m_ApexTime = apexes[i];
    project.IdentifyPeaks(run);
}

// Peaks at kOddPeak, 3 and 5 minutes, identified by `project`.
CTzLabDoc ThreePeaks(CPrjDoc& project) {
    CTzLabDoc run = MakeRun({kOddPeak, 3.0, 5.0}, {10000, 20000, 30000}, &project);
    PinApexes(run, project);
    return run;
}

QStringList Table(const CPrjDoc& project) {
    QStringList rows;
    for (const CComponentItem& c : project.m_Components)
        rows << QString("%1 %2 %3")
                    .arg(QString::fromStdString(c.m_Name))
                    .arg(c.m_RetentionTime, 0, 'g', 10)
                    .arg(c.m_Id);
    return rows;
}

// Rejects a dialog if one opens within the next call, and says whether one did.
class NoDialogExpected {
public:
    NoDialogExpected() {
        QTimer::singleShot(0, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                m_Opened = true;
                dialog->reject();
            }
        });
    }
    bool Opened() {
        QCoreApplication::processEvents();
        return m_Opened;
    }

private:
    bool m_Opened = false;
};

// Answers "新组份": records what it opened with, then sets the name (when given) and OK.
void AnswerComponentDialog(QStringList& shown, const QString& name = {}) {
    WhenDialogOpens([&shown, name](QWidget* d) {
        auto* nameBox = Child<TextBox>(d, "m_Name");
        auto* time = Child<NumberBox>(d, "m_RetentionTime");
        QVERIFY(nameBox && time);
        shown << nameBox->text() << QString::number(time->Exact(), 'g', 10);
        if (!name.isEmpty())
            nameBox->setText(name);
        qobject_cast<QDialog*>(d)->accept();
    });
}

}  // namespace

class ComponentCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void AddComponentFromPeak() {
        ProjectBench bench(kExternalStandard);
        CPrjDoc& project = bench.Project();
        AddComponent(project, "苯", 3.0);
        const CPrjDoc before = project;
        const CTzLabDoc run = ThreePeaks(project);

        // An uncovered peak: a new component at its time cut to three decimals.
        QStringList shown;
        AnswerComponentDialog(shown);
        QVERIFY(lx::AddComponentFromPeak(bench.Session(), run, 0, nullptr));
        QCOMPARE(shown, (QStringList{"组份2", "1.005"}));
        QCOMPARE(Table(project), (QStringList{"组份2 1.005 2", "苯 3 1"}));

        // A covered peak: its component, edited, keeps its ID.
        shown.clear();
        AnswerComponentDialog(shown, "甲苯");
        QVERIFY(lx::AddComponentFromPeak(bench.Session(), run, 1, nullptr));
        QCOMPARE(shown, (QStringList{"苯", "3"}));
        QCOMPARE(Table(project), (QStringList{"组份2 1.005 2", "甲苯 3 1"}));

        // No peak: 100 minutes after the last component.
        shown.clear();
        AnswerComponentDialog(shown);
        QVERIFY(lx::AddComponentFromPeak(bench.Session(), run, -1, nullptr));
        QCOMPARE(shown, (QStringList{"组份3", "103"}));
        QCOMPARE(bench.Undo().count(), 3);
        QCOMPARE(bench.Undo().text(1), QString("修改组份"));

        WhenDialogOpens([](QWidget* d) { qobject_cast<QDialog*>(d)->reject(); });
        QVERIFY(!lx::AddComponentFromPeak(bench.Session(), run, 0, nullptr));
        QCOMPARE(bench.Undo().count(), 3);

        bench.Undo().setIndex(0);
        ExpectSameProject(before, project, bench);
    }

    void DeleteComponentOfPeak() {
        ProjectBench bench(kExternalStandard);
        CPrjDoc& project = bench.Project();
        AddComponent(project, "苯", 3.0);
        AddComponent(project, "甲苯", 5.0);
        const CPrjDoc before = project;
        const CTzLabDoc run = ThreePeaks(project);

        QVERIFY(!lx::DeleteComponentOfPeak(bench.Session(), run, 0, bench.prompter));
        QVERIFY(bench.prompter.questions.empty());
        bench.prompter.answers = {false, true};
        QVERIFY(!lx::DeleteComponentOfPeak(bench.Session(), run, 1, bench.prompter));
        QCOMPARE(bench.Undo().count(), 0);
        QVERIFY(lx::DeleteComponentOfPeak(bench.Session(), run, 1, bench.prompter));
        QCOMPARE(bench.prompter.questions,
                 (std::vector<std::string>{"是否删除组份[苯]!", "是否删除组份[苯]!"}));
        QCOMPARE(Table(project), (QStringList{"甲苯 5 2"}));
        QCOMPARE(bench.Undo().count(), 1);
        bench.Undo().undo();
        ExpectSameProject(before, project, bench);
    }

    // A peak counts as covered within half a component's window only.
    void OneComponentPerUncoveredPeak() {
        ProjectBench bench(kExternalStandard);
        CPrjDoc& project = bench.Project();
        AddComponent(project, "苯", 3.0, 0.1);
        AddComponent(project, "甲苯", 5.06, 0.1);
        const CPrjDoc before = project;
        const CTzLabDoc run = ThreePeaks(project);

        bench.prompter.answers = {false, true, true};
        QCOMPARE(AddComponentsForAllPeaks(bench.Session(), run, bench.prompter), 0);
        QCOMPARE(bench.Undo().count(), 0);
        QCOMPARE(AddComponentsForAllPeaks(bench.Session(), run, bench.prompter), 2);
        QCOMPARE(Table(project),
                 (QStringList{"组份3 1.005 3", "苯 3 1", "组份4 5 4", "甲苯 5.06 2"}));
        QCOMPARE(bench.Undo().count(), 1);
        // Every peak covered now: nothing more.
        QCOMPARE(AddComponentsForAllPeaks(bench.Session(), run, bench.prompter), 0);
        QCOMPARE(project.m_Components.size(), std::size_t{4});
        QCOMPARE(bench.prompter.questions,
                 std::vector<std::string>(3, "是否将所有峰信息输出至组份表!"));
        QCOMPARE(bench.Undo().count(), 1);
        bench.Undo().undo();
        ExpectSameProject(before, project, bench);
    }

    void FingerprintTurnsTheComponentCommandsOff() {
        ProjectBench bench(kFingerprint);
        CPrjDoc& project = bench.Project();
        AddComponent(project, "苯", 3.0);
        const CPrjDoc before = project;
        const CTzLabDoc run = ThreePeaks(project);
        QVERIFY(!ComponentCommandsEnabled(project));
        QVERIFY(ReferencePeakCommandsEnabled(project));

        NoDialogExpected noDialog;
        QVERIFY(!lx::AddComponentFromPeak(bench.Session(), run, 0, nullptr));
        QVERIFY(!noDialog.Opened());
        bench.prompter.answers = {true, true};
        QVERIFY(!lx::DeleteComponentOfPeak(bench.Session(), run, 1, bench.prompter));
        QCOMPARE(AddComponentsForAllPeaks(bench.Session(), run, bench.prompter), 0);
        QVERIFY(bench.prompter.questions.empty());
        QVERIFY(project == before);
        QCOMPARE(bench.Undo().count(), 0);

        ProjectBench external(kExternalStandard);
        QVERIFY(ComponentCommandsEnabled(external.Project()));
        QVERIFY(!ReferencePeakCommandsEnabled(external.Project()));
        NoDialogExpected stillNoDialog;
        QVERIFY(!SetReferencePeakOfAllStandards(external.Session(), run, 1, external.prompter,
                                                nullptr));
        QVERIFY(!stillNoDialog.Opened());
    }

    void ReferencePeakOfOneOrAllStandards() {
        ProjectBench bench(kFingerprint);
        CPrjDoc& project = bench.Project();
        SaveRun(ThreePeaks(project), bench.Path("first.Tzd"));
        SaveRun(ThreePeaks(project), bench.Path("second.Tzd"));
        SaveRun(ThreePeaks(project), bench.Path("sample.Tzd"));
        QVERIFY(AddStandardFile(project, bench.Path("first.Tzd"), bench.prompter));
        QVERIFY(AddStandardFile(project, bench.Path("second.Tzd"), bench.prompter));
        QVERIFY(AddSampleFile(project, bench.Path("sample.Tzd"), bench.prompter));
        const CPrjDoc before = project;
        auto loaded = LoadTzdFile(bench.Path("first.Tzd"));
        QVERIFY(loaded.ok());
        CTzLabDoc run = std::move(loaded.value());
        Reintegrate(run);
        PinApexes(run, project);
        const PeakRecord& peak = run.m_Peaks[0];

        QStringList proposed;
        auto answer = [&proposed] {
            WhenDialogOpens([&proposed](QWidget* d) {
                QCOMPARE(d->windowTitle(), QString("设置参照内标物"));
                auto* time = Named<NumberBox>(d, "保留时间:");
                auto* window = Named<NumberBox>(d, "时间间隔:");
                QVERIFY(time && window);
                proposed << QString::number(time->Exact(), 'g', 10)
                         << QString::number(window->Exact());
                window->setValue(0.02);
                qobject_cast<QDialog*>(d)->accept();
            });
        };
        answer();
        bench.prompter.answers = {false};
        QVERIFY(!SetReferencePeakOfChromatogram(bench.Session(), run, 0, bench.prompter, nullptr));
        QCOMPARE(proposed, (QStringList{"1.005", "0.01"}));
        QCOMPARE(bench.Undo().count(), 0);

        answer();
        bench.prompter.answers = {true};
        QVERIFY(SetReferencePeakOfChromatogram(bench.Session(), run, 0, bench.prompter, nullptr));
        QCOMPARE(bench.prompter.questions.back(), std::string("是否设置当前所选峰为参照内标!"));
        const CPrjFileRecord& mine = project.m_Standards[0];
        QCOMPARE(mine.m_RefRetentionTime, 1.005);
        QCOMPARE(mine.m_RefWindow, 0.02);
        QCOMPARE(mine.m_RefArea, peak.m_Area);
        QCOMPARE(mine.m_RefHeight, peak.m_Height);
        QVERIFY(project.m_Standards[1] == before.m_Standards[1]);
        QCOMPARE(bench.Undo().count(), 1);

        answer();
        bench.prompter.answers = {true};
        QVERIFY(SetReferencePeakOfAllStandards(bench.Session(), run, 0, bench.prompter, nullptr));
        QCOMPARE(bench.prompter.questions.back(),
                 std::string("是否设置当前所选峰为所有标准图谱的参照内标!"));
        QCOMPARE(project.m_Standards[1].m_RefArea, peak.m_Area);
        QCOMPARE(project.m_Standards[1].m_RefWindow, 0.02);
        QVERIFY(project.m_Samples == before.m_Samples);
        QCOMPARE(bench.Undo().count(), 2);

        // A sample is no standard: nothing changes and no step is made.
        auto sample = LoadTzdFile(bench.Path("sample.Tzd"));
        QVERIFY(sample.ok());
        Reintegrate(sample.value());
        PinApexes(sample.value(), project);
        answer();
        bench.prompter.answers = {true};
        QVERIFY(!SetReferencePeakOfChromatogram(bench.Session(), sample.value(), 0, bench.prompter,
                                                nullptr));
        QCOMPARE(bench.Undo().count(), 2);

        bench.Undo().setIndex(0);
        ExpectSameProject(before, project, bench);
    }
};

static RegisterGuiTest<ComponentCommandsTest> registration;

}  // namespace lx::test

#include "ComponentCommandsTest.moc"
