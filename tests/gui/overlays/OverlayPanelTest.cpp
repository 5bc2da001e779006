// The overlay list panel over a window's overlay commands: the model passes Qt's model checks
// while the list grows and shrinks, each row shows its overlay's number, name, colour and
// unsaved mark, the current overlay is the selected row, and a click makes another current.

#include <QAbstractItemModelTester>
#include <QColor>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/overlays/OverlayTestSupport.h"
#include "tests/gui/sheets/SheetTestSupport.h"
#include "ui/overlays/OverlayCommands.h"
#include "ui/overlays/OverlayListModel.h"
#include "ui/overlays/OverlayPanel.h"

namespace lx::test {
namespace {

QStringList Rows(const QAbstractItemModel& model, int role = Qt::DisplayRole) {
    QStringList rows;
    for (int r = 0; r < model.rowCount(); ++r) {
        const QVariant value = model.data(model.index(r, 0), role);
        rows << (role == Qt::DecorationRole ? value.value<QColor>().name() : value.toString());
    }
    return rows;
}

}  // namespace

class OverlayPanelTest : public QObject {
    Q_OBJECT

private slots:
    void rowsFollowTheList() {
        QTemporaryDir dir;
        RecordingPrompter prompter;
        QWidget window;
        const std::string path = (dir.path() + "/run.Tzd").toStdString();
        CTzLabDoc own = MakeChromatogram({100, 150, 90}, 20, path);
        OverlayCommands commands(own, prompter, &window);
        OverlayPanel panel(commands.List());
        QObject::connect(&commands, &OverlayCommands::Changed, &panel, &OverlayPanel::Refresh);
        QAbstractItemModelTester tester(panel.Model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(panel.accessibleName(), QString("图谱列表"));
        QCOMPARE(Rows(*panel.Model()), (QStringList{"通道 1 : run.Tzd"}));
        QCOMPARE(panel.currentIndex().row(), 0);

        QVERIFY(commands.FlipOverlay());
        QVERIFY(commands.DifferentiateOverlay());
        QCOMPARE(Rows(*panel.Model()), (QStringList{"通道 1 : run.Tzd", "通道 2 : run翻转.Tzd *",
                                                    "通道 3 : run翻转导数.Tzd *"}));
        QCOMPARE(Rows(*panel.Model(), Qt::DecorationRole),
                 (QStringList{"#000000", "#800000", "#008000"}));
        QCOMPARE(panel.Model()->data(panel.Model()->index(1), Qt::ToolTipRole).toString(),
                 dir.path() + "/run翻转.Tzd");
        QCOMPARE(panel.currentIndex().row(), 2);

        // Saved, a row loses its mark; unloaded, it goes and the previous one is selected.
        commands.m_AskSavePath = [&](const QString&) { return dir.path() + "/kept.Tzd"; };
        prompter.answers = {true, false};
        commands.OfferToSaveAll();
        QCOMPARE(Rows(*panel.Model()), (QStringList{"通道 1 : run.Tzd", "通道 2 : kept.Tzd",
                                                    "通道 3 : run翻转导数.Tzd *"}));
        const QPersistentModelIndex unloaded(panel.Model()->index(2));
        QVERIFY(commands.UnloadOverlay());
        QCOMPARE(Rows(*panel.Model()), (QStringList{"通道 1 : run.Tzd", "通道 2 : kept.Tzd"}));
        QVERIFY(!unloaded.isValid());  // views holding the row were told it went
        QCOMPARE(panel.currentIndex().row(), 1);
        QCOMPARE(panel.selectionModel()->selectedRows().size(), 1);
    }

    void aClickedRowBecomesCurrent() {
        RecordingPrompter prompter;
        QWidget window;
        CTzLabDoc own = MakeChromatogram({1, 2, 3});
        OverlayCommands commands(own, prompter, &window);
        QVERIFY(commands.FlipOverlay());
        OverlayPanel panel(commands.List());
        QObject::connect(&commands, &OverlayCommands::Changed, &panel, &OverlayPanel::Refresh);
        QObject::connect(&panel, &OverlayPanel::CurrentChosen, &commands,
                         &OverlayCommands::SetCurrent);
        QSignalSpy chosen(&panel, &OverlayPanel::CurrentChosen);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QCOMPARE(Rows(*panel.Model()), (QStringList{"通道 1 : 未命名", "通道 2 : 翻转.Tzd *"}));
        QCOMPARE(panel.currentIndex().row(), 1);

        QTest::mouseClick(panel.viewport(), Qt::LeftButton, {},
                          panel.visualRect(panel.Model()->index(0)).center());
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0).at(0).toInt(), 0);
        QCOMPARE(commands.List().CurrentIndex(), 0);
        QCOMPARE(panel.currentIndex().row(), 0);

        // The next command works on the chosen overlay; showing its result is no choice.
        QVERIFY(commands.FlipOverlay());
        QCOMPARE(panel.currentIndex().row(), 2);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(SamplesOf(*commands.List().Current()->m_Doc),
                 (std::vector<std::int32_t>{1, 0, -1}));
    }
};

static RegisterGuiTest<OverlayPanelTest> registration;

}  // namespace lx::test

#include "OverlayPanelTest.moc"
