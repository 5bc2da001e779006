// Manual integration with the mouse on a run of known shape: each edit records the event it
// should, the table on screen is the one integrating the saved file gives, refused edits
// record nothing, and undo and redo put the chromatogram back byte for byte.

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

#include "app/MainWindow.h"
#include "core/Archive.h"
#include "peaks/Integration.h"
#include "peaks/ManualEvents.h"
#include "tests/gui/Fixtures.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/ModalDriver.h"
#include "tests/gui/sheets/SheetTestSupport.h"
#include "ui/AnalysisWindow.h"
#include "ui/PlotWidget.h"
#include "ui/edit/PeakEditCommands.h"
#include "ui/edit/PeakInfoDialog.h"

namespace lx::test {
namespace {

std::vector<std::uint8_t> Bytes(const CTzLabDoc& doc) {
    ArchiveWriter ar;
    doc.Serialize(ar);
    return ar.Bytes();
}

// An analysis window of the run, large enough that a pixel column is a few samples.
struct EditBench {
    EditBench() : window(std::make_unique<CTzLabDoc>(EditableRun()), settings, prompter) {
        window.resize(1400, 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    CTzLabDoc& Doc() { return window.Document(); }
    PlotWidget& Plot() { return *window.Plot(); }
    PeakEditCommands& Edits() { return window.PeakEdits(); }

    // The pixel of sample `i` on the trace.
    QPoint PixelOf(std::int32_t i) {
        const PlotScales scales = Plot().Scales();
        return Plot().PlotArea().topLeft() + QPoint(scales.X(i), scales.Y(Doc().m_Samples.At(i)));
    }
    // The sample a click at pixel column of sample `i` means.
    std::int32_t SampleNear(std::int32_t i) {
        return std::int32_t(Plot().Scales().IndexAt(PixelOf(i).x() - Plot().PlotArea().left()));
    }
    int PeakNear(double minutes) {
        int best = -1;
        for (int k = 0; k < int(Doc().m_Peaks.size()); ++k)
            if (best < 0 || std::abs(Doc().m_Peaks[k].m_ApexTime - minutes) <
                                std::abs(Doc().m_Peaks[best].m_ApexTime - minutes))
                best = k;
        return best;
    }
    void Select(double minutes) {
        Edits().SetMode(0);
        const int k = PeakNear(minutes);
        QTest::mouseClick(&Plot(), Qt::LeftButton, {}, PixelOf(Doc().m_Peaks[k].m_Apex));
        QCOMPARE(Doc().m_SelectedPeak, k);
    }
    void Click(int mode, std::int32_t sample) {
        Edits().SetMode(mode);
        QTest::mouseClick(&Plot(), Qt::LeftButton, {}, PixelOf(sample));
    }
    void Drag(int mode, std::int32_t from, std::int32_t to) {
        Edits().SetMode(mode);
        QTest::mousePress(&Plot(), Qt::LeftButton, {}, PixelOf(from));
        QTest::mouseMove(&Plot(), (PixelOf(from) + PixelOf(to)) / 2);
        QTest::mouseMove(&Plot(), PixelOf(to));
        QTest::mouseRelease(&Plot(), Qt::LeftButton, {}, PixelOf(to));
    }
    std::int32_t MinutesToSample(double minutes) { return Doc().TimeToIndex(minutes); }

    // The newest event is `type` at `x`, the table is the saved file's, and the edit is one
    // undo step that restores the chromatogram both ways.
    void ExpectRecorded(int type, std::int32_t x, const std::vector<std::uint8_t>& before) {
        QVERIFY(!Doc().m_ManualEvents.empty());
        const ManualEvent& event = Doc().m_ManualEvents.back();
        QCOMPARE(event.m_Type, type);
        QCOMPARE(event.m_Param1, x);
        QCOMPARE(Doc().m_UseManualEvents, 1);
        CTzLabDoc replayed = Doc();
        IntegrateAndQuantify(replayed, prompter);
        QVERIFY(replayed.m_Peaks == Doc().m_Peaks);
        const std::vector<std::uint8_t> after = Bytes(Doc());
        window.Undo().undo();
        QVERIFY(Bytes(Doc()) == before);
        window.Undo().redo();
        QVERIFY(Bytes(Doc()) == after);
    }

    DisplaySettings settings;
    RecordingPrompter prompter;
    AnalysisWindow window;
};

}  // namespace

class ManualIntegrationTest : public QObject {
    Q_OBJECT

private slots:
    void aClickSelectsThePeakUnderThePointer() {
        EditBench bench;
        QCOMPARE(bench.Doc().m_Peaks.size(), std::size_t(5));
        bench.Select(2.0);
        bench.Edits().SetMode(0);
        QTest::mouseClick(&bench.Plot(), Qt::LeftButton, {},
                          bench.PixelOf(bench.MinutesToSample(0.5)));
        QCOMPARE(bench.Doc().m_SelectedPeak, -1);
        QCOMPARE(bench.window.Undo().count(), 0);  // selecting is no change
    }

    void movingStartApexAndEndRecordsTheClickedSample() {
        EditBench bench;
        // Inwards: moved outwards onto flat baseline, integration trims an end back.
        for (auto [type, offset] :
             {std::pair{int(kEventMoveStart), 0.03}, std::pair{int(kEventMoveApex), 0.01},
              std::pair{int(kEventMoveEnd), -0.03}}) {
            bench.Select(3.0);
            const PeakRecord& peak = bench.Doc().m_Peaks[std::size_t(bench.PeakNear(3.0))];
            const std::int32_t base = type == kEventMoveStart  ? peak.m_Start
                                      : type == kEventMoveApex ? peak.m_Apex
                                                               : peak.m_End;
            const std::int32_t target = base + std::int32_t(offset * 60 * 20);
            const auto before = Bytes(bench.Doc());
            bench.Click(type, target);
            const std::int32_t x = bench.SampleNear(target);
            bench.ExpectRecorded(type, x, before);
            const PeakRecord& moved = bench.Doc().m_Peaks[std::size_t(bench.PeakNear(3.0))];
            QCOMPARE(type == kEventMoveStart  ? moved.m_Start
                     : type == kEventMoveApex ? moved.m_Apex
                                              : moved.m_End,
                     x);
        }
        QCOMPARE(bench.window.Undo().count(), 3);
    }

    void aRefusedEditRecordsNothing() {
        EditBench bench;
        bench.Select(3.0);
        const PeakRecord peak = bench.Doc().m_Peaks[std::size_t(bench.PeakNear(3.0))];
        const auto before = Bytes(bench.Doc());
        bench.Click(kEventMoveStart, peak.m_Apex + 20);  // a start beyond the apex
        QVERIFY(Bytes(bench.Doc()) == before);
        QVERIFY(bench.Doc().m_ManualEvents.empty());
        QCOMPARE(bench.window.Undo().count(), 0);
        QVERIFY(!bench.window.IsModified());
        // Without a selected peak a move does nothing either.
        bench.Edits().SetMode(0);
        bench.Doc().m_SelectedPeak = -1;
        bench.Click(kEventMoveEnd, peak.m_End + 10);
        QVERIFY(Bytes(bench.Doc()) == before);
    }

    void baselinesAreLaidByARubberBand() {
        struct Case {
            int type;
            double selected;
            double releasedAt;
            std::int32_t flagOnSelected;
        };
        const Case cases[] = {
            {kEventRearTangent, 2.0, 2.3, kTailingParent},
            {kEventFrontTangent, 1.15, 0.9, kLeadingParent},
            {kEventVerticalDrop, 1.0, 1.2, kStartsInValley | kEndsInValley},
            {kEventObliqueCut, 1.0, 1.2, 0},
            {kEventForcedBaseline, 2.0, 2.3, 0},
        };
        for (const Case& c : cases) {
            EditBench bench;
            bench.Select(c.selected);
            const int k = bench.Doc().m_SelectedPeak;
            const auto before = Bytes(bench.Doc());
            const std::int32_t to = bench.MinutesToSample(c.releasedAt);
            bench.Drag(c.type, bench.Doc().m_Peaks[std::size_t(k)].m_Apex, to);
            bench.ExpectRecorded(c.type, bench.SampleNear(to), before);
            const PeakRecord& peak = bench.Doc().m_Peaks[std::size_t(k)];
            QVERIFY2((peak.m_Flags & c.flagOnSelected) == c.flagOnSelected,
                     qPrintable(QString::number(c.type)));
            if (c.type == kEventForcedBaseline)
                QCOMPARE(peak.m_BaseEndValue, peak.m_BaseStartValue);
            if (c.type == kEventObliqueCut)
                QCOMPARE(peak.m_BaseEnd, peak.m_End);
            QVERIFY(bench.Plot().Picture().doc == &bench.Doc());
        }
    }

    void aBandLeftWithEscapeMakesNothing() {
        EditBench bench;
        bench.Select(2.0);
        bench.Edits().SetMode(kEventRearTangent);
        const QPoint from = bench.PixelOf(bench.MinutesToSample(2.0));
        QTest::mousePress(&bench.Plot(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&bench.Plot(), bench.PixelOf(bench.MinutesToSample(2.3)));
        QTest::keyClick(&bench.Plot(), Qt::Key_Escape);
        QTest::mouseRelease(&bench.Plot(), Qt::LeftButton, {}, from);
        QVERIFY(bench.Doc().m_ManualEvents.empty());
    }

    void addingNegatingAndDeletingAskFirst() {
        EditBench bench;
        // A span over the bump that integration left alone.
        const std::int32_t a = bench.MinutesToSample(3.3), b = bench.MinutesToSample(3.7);
        bench.prompter.answers = {false};
        bench.Drag(kEventAddPeak, a, b);
        QVERIFY(bench.Doc().m_ManualEvents.empty());
        QCOMPARE(bench.prompter.questions.back(), std::string("是否插入此峰 ?"));

        auto before = Bytes(bench.Doc());
        bench.prompter.answers = {true};
        bench.Drag(kEventAddPeak, a, b);
        bench.ExpectRecorded(kEventAddPeak, bench.SampleNear(a), before);
        QCOMPARE(bench.Doc().m_Peaks.size(), std::size_t(6));

        bench.Select(3.5);
        before = Bytes(bench.Doc());
        const PeakRecord added = bench.Doc().m_Peaks[std::size_t(bench.Doc().m_SelectedPeak)];
        bench.prompter.answers = {true};
        bench.Edits().DeleteSelectedPeak();
        QCOMPARE(QString::fromStdString(bench.prompter.questions.back()),
                 QString("是否删除当前所选峰[%1 -- ]!").arg(added.m_ApexTime, 0, 'f', 3));
        bench.ExpectRecorded(kEventDeletePeak, added.m_Apex, before);
        QCOMPARE(bench.Doc().m_Peaks.size(), std::size_t(5));

        bench.Select(3.0);
        before = Bytes(bench.Doc());
        const double apex = bench.Doc().m_Peaks[std::size_t(bench.Doc().m_SelectedPeak)].m_ApexTime;
        bench.prompter.answers = {true};
        bench.Click(kEventNegativePeak, bench.MinutesToSample(3.0));
        QCOMPARE(QString::fromStdString(bench.prompter.questions.back()),
                 QString("是否设置当前<<%1>>峰为负!").arg(apex, 0, 'f', 3));
        bench.ExpectRecorded(kEventNegativePeak, bench.SampleNear(bench.MinutesToSample(3.0)),
                             before);
        // A peak above the baseline turned negative has a negative area: the table drops it.
        QCOMPARE(bench.Doc().m_Peaks.size(), std::size_t(4));
        QCOMPARE(bench.window.Undo().count(), 3);
        QVERIFY(bench.window.IsModified());
        bench.window.SetModified(false);
    }

    // The event list of the parameter sheet: removing a delete-a-peak event moves the later
    // event on a later peak up by one, so the next integration still works on the peak the
    // operator meant.
    void removingADeleteEventKeepsLaterEventsOnTheirPeaks() {
        EditBench bench;
        const std::vector<PeakRecord> automatic = bench.Doc().m_Peaks;
        bench.Select(1.15);
        bench.prompter.answers = {true};
        bench.Edits().DeleteSelectedPeak();
        bench.Select(3.0);
        const std::int32_t lone = bench.Doc().m_SelectedPeak;
        QCOMPARE(lone, 3);
        const std::int32_t end = bench.Doc().m_Peaks[std::size_t(lone)].m_End - 20;
        bench.Edits().Edit(kEventMoveEnd, end);
        QCOMPARE(bench.Doc().m_ManualEvents.size(), std::size_t(2));
        {
            ModalDriver driver([&](QWidget* modal) {
                auto* page = modal->findChild<QWidget*>("manualEventsPage");
                QVERIFY(page);
                auto* list = Child<QTreeWidget>(page, "m_ManualEvents");
                list->setCurrentItem(list->topLevelItem(0));
                bench.prompter.answers = {true};
                auto* remove = Named<QPushButton>(page, "删除");
                QVERIFY(remove);
                remove->click();  // its page need not be the one on top
                qobject_cast<QDialog*>(modal)->accept();
            });
            bench.window.EditParameters();
        }
        QCOMPARE(bench.Doc().m_ManualEvents.size(), std::size_t(1));
        QCOMPARE(bench.Doc().m_ManualEvents[0].m_Param2, lone + 1);
        bench.window.Reintegrate();
        QCOMPARE(bench.Doc().m_Peaks.size(), automatic.size());
        QCOMPARE(bench.Doc().m_Peaks[std::size_t(lone + 1)].m_End, end);
        QCOMPARE(bench.Doc().m_Peaks[1].m_End, automatic[1].m_End);
        bench.window.SetModified(false);
    }

    // In the workstation the Edit menu and its keys work on the chromatogram in front.
    void ctrlZAndCtrlYUndoAndRedoTheEditInFront() {
        Home home;
        auto app = StartWorkstation(home);
        QVERIFY(app);
        MainWindow& main = *app->Window();
        AnalysisWindow* window = OpenThreePeakRun(main, home);
        QVERIFY(window);
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        CTzLabDoc& doc = window->Document();
        const auto before = Bytes(doc);
        doc.m_SelectedPeak = 1;
        window->PeakEdits().Edit(kEventMoveApex, doc.m_Peaks[1].m_Apex + 3);
        const auto after = Bytes(doc);
        QVERIFY(after != before);
        QTest::keyClick(&main, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(Bytes(doc) == before);
        QTest::keyClick(&main, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(Bytes(doc) == after);
        window->SetModified(false);
    }

    // A double-click opens "峰信息"; a typed name, confirmed, names the peak of a chromatogram
    // without a project and is one undo step.
    void thePeakDetailsRenameAPeak() {
        EditBench bench;
        const int k = bench.PeakNear(2.0);
        const auto before = Bytes(bench.Doc());
        bench.prompter.answers = {true};
        QString title;
        {
            ModalDriver driver([&](QWidget* modal) {
                auto* dialog = qobject_cast<PeakInfoDialog*>(modal);
                QVERIFY(dialog);
                title = dialog->windowTitle();
                Named<QLineEdit>(dialog, "组份名:")->setText("苯");
                dialog->accept();
            });
            bench.Edits().SetMode(0);
            QTest::mouseDClick(&bench.Plot(), Qt::LeftButton, {},
                               bench.PixelOf(bench.Doc().m_Peaks[std::size_t(k)].m_Apex));
        }
        QCOMPARE(title, QString("峰信息"));
        QCOMPARE(bench.prompter.questions.back(), std::string("是否确定要更改当前峰组份名!"));
        QCOMPARE(bench.Doc().m_Peaks[std::size_t(k)].m_ComponentName, std::string("苯"));
        bench.window.Undo().undo();
        QVERIFY(Bytes(bench.Doc()) == before);
    }
};

static RegisterGuiTest<ManualIntegrationTest> registration;

}  // namespace lx::test

#include "ManualIntegrationTest.moc"
