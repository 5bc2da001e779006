// The workstation as a whole: its settings across starts, one instance per user, a demo run
// from the channel window to its saved file and analysis window, the closing rules while a
// channel records, and the recovery of a run a crash interrupted.

#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSettings>
#include <QTest>

#include "acq/CDatDoc.h"
#include "acq/RunJournal.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "core/TzdFile.h"
#include "tests/gui/Fixtures.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/ModalDriver.h"
#include "ui/AnalysisWindow.h"
#include "ui/ChannelWindow.h"
#include "ui/FileBrowser.h"
#include "ui/SettingsDialogs.h"

namespace lx::test {
namespace {

QAction* ControlCommand(const ChannelWindow& window, const char* name) {
    for (QMenu* menu : window.Menus())
        for (QAction* action : menu->actions())
            if (action->objectName() == QString::fromUtf8(name))
                return action;
    return nullptr;
}

AnalysisWindow* OnlyAnalysisWindow(MainWindow& main) {
    AnalysisWindow* found = nullptr;
    for (QMdiSubWindow* window : main.Workspace()->subWindowList())
        if (auto* analysis = qobject_cast<AnalysisWindow*>(window->widget()))
            found = analysis;
    return found;
}

// A short run that names its file plainly and saves it without asking.
void ShortPlainRun(ChannelSetup& setup) {
    setup.stopTime = 0.05;  // 60 values at 20 per second
    setup.prefix = "Run";
    setup.yearOn = setup.monthOn = setup.dayOn = setup.timeOn = 0;
    setup.numberOn = 1;
    setup.fileNumber = 0;
    setup.autoSave = 1;
    setup.showAtEnd = 1;
    setup.runKind = 0;
}

struct Quiet : Prompter, ChannelView {
    bool Confirm(const std::string&) override { return false; }
    void Inform(const std::string&, Icon) override {}
};

}  // namespace

class WorkstationTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { UserProfile()->clear(); }

    void settingsChangedInDialogsLastUntilTheNextStart() {
        Home home;
        AppSettings changed;
        {
            auto app = StartWorkstation(home);
            QVERIFY(app);
            QCOMPARE(app->Settings(), AppSettings{});  // a first run: every default
            QCOMPARE(app->Settings().pageMargins,
                     (std::array<std::int32_t, 4>{720, 720, 720, 720}));
            ModalDriver driver(ModalDriver::Answer(QMessageBox::Ok, [](QDialog* dialog) {
                qobject_cast<ColourDialog*>(dialog)->SetColour(0, {0, 128, 0});
            }));
            app->Window()->AskColours();
            app->Window()->ToggleLabelBit(kLabelNumber);
            app->Window()->ToggleViewAllPeaks();
            changed = app->Settings();
            app->Exit();
        }
        QCOMPARE(changed.display.trace, (Rgb{0, 128, 0}));
        QCOMPARE(changed.display.viewMark, 68 | kLabelNumber);
        auto again = StartWorkstation(home);
        QVERIFY(again);
        QCOMPARE(again->Settings(), changed);
    }

    void aSecondStartHandsOverItsFilesAndEnds() {
        Home home;
        const QString path = home.File("handed.Tzd");
        WriteThreePeakRun(path);
        auto first = StartWorkstation(home);
        QVERIFY(first);
        CTzLabApp second;
        StartOptions options;
        options.home = home.Path().toStdString();
        options.source = AcquisitionSource::Demo;
        options.files = {path};
        QVERIFY(!second.Start(options));  // it ends at once
        QVERIFY(second.Window() == nullptr);
        QTRY_VERIFY(OnlyAnalysisWindow(*first->Window()) != nullptr);
        QCOMPARE(OnlyAnalysisWindow(*first->Window())->Path(), path);
        QVERIFY(first->Window()->isMaximized());
    }

    void aDemoRunStartedByCommandIsSavedAndOpened() {
        Home home;
        auto app = StartWorkstation(home);
        QVERIFY(app);
        ChannelWindow* channel = app->Window()->OpenChannel(0);
        ShortPlainRun(channel->Document().m_Method.m_ChannelSetup);
        QAction* start = ControlCommand(*channel, "开始采样");
        QVERIFY(start && start->isEnabled());
        start->trigger();
        QVERIFY(channel->Document().IsRunning());
        QVERIFY(!start->isEnabled());
        QVERIFY(ControlCommand(*channel, "停止采样")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(OnlyAnalysisWindow(*app->Window()) != nullptr, 20000);

        const QString expected = home.File("Data/Run-1-as.Tzd");
        AnalysisWindow* result = OnlyAnalysisWindow(*app->Window());
        QCOMPARE(QFileInfo(result->Path()).absoluteFilePath(),
                 QFileInfo(expected).absoluteFilePath());
        QVERIFY(!result->IsModified());
        Result<CTzLabDoc> saved = LoadTzdFile(expected.toStdString());
        QVERIFY(saved.ok());
        QCOMPARE(saved->m_Samples.size(), std::size_t(60));
        QCOMPARE(channel->Document().m_Method.m_ChannelSetup.fileNumber, 1);
        QVERIFY(start->isEnabled());
        QVERIFY(channel->StatusTexts().at(2).contains(QString::fromUtf8("通道A")));
    }

    void aRecordingChannelKeepsTheWindowsOpen() {
        Home home;
        auto app = StartWorkstation(home);
        QVERIFY(app);
        ChannelWindow* channel = app->Window()->OpenChannel(1);
        channel->Document().m_Method.m_ChannelSetup.stopTime = 60;
        channel->StartRun();
        {
            ModalDriver driver(ModalDriver::Answer(QMessageBox::Ok));
            QVERIFY(!app->Window()->close());
            QCOMPARE(driver.Texts(), QStringList{QString::fromUtf8("通道B正在采集, 不能退出!")});
        }
        {
            ModalDriver driver(ModalDriver::Answer(QMessageBox::Ok));
            QVERIFY(!channel->parentWidget()->close());
            QCOMPARE(driver.Texts(), QStringList{QString::fromUtf8("正在采集, 不能关闭当前窗口!")});
        }
        QVERIFY(app->Window()->Channel(1) == channel);
        ModalDriver yes(ModalDriver::Answer(QMessageBox::Yes));
        channel->CancelRun();
        QCOMPARE(yes.Texts(), QStringList{QString::fromUtf8("是否取消采样!")});
        QVERIFY(!channel->Document().IsRunning());
        QVERIFY(FindJournals(home.Path().toStdString()).empty());
        QVERIFY(app->Window()->close());
    }

    void aDataFolderGivesAChannelItsSetUp() {
        Home home;
        QDir(home.Path()).mkdir("Runs");
        const QString folder = home.File("Runs");
        auto app = StartWorkstation(home);
        QVERIFY(app);
        {
            ModalDriver driver(ModalDriver::Answer(QMessageBox::Ok, [](QDialog* sheet) {
                for (auto* box : sheet->findChildren<QDoubleSpinBox*>())
                    if (box->accessibleName() == QString::fromUtf8("采样时间:"))
                        box->setValue(3.5);
            }));
            app->Window()->EditFolderSetup(0, folder);
        }
        QVERIFY(QFile::exists(home.File("Runs/SetupCha")));
        app->Window()->UseFolderFor(0, folder);  // channel A was closed: no question
        ChannelWindow* channel = app->Window()->Channel(0);
        QVERIFY(channel);
        QCOMPARE(channel->Document().m_Method.m_ChannelSetup.stopTime, 3.5);
        QCOMPARE(QString::fromStdString(channel->Document().m_Method.m_ChannelSetup.folder),
                 folder);
        QVERIFY(app->Window()->Files()->AcquisitionMenu(folder)->actions().size() >= 4);
    }

    void aRunLeftByACrashIsOfferedAtStart() {
        Home home;
        {
            Quiet quiet;
            CDatDoc killed(0, 20, home.Path().toStdString(), quiet, quiet);
            killed.StartRun();
            for (int k = 0; k < 400; ++k)
                killed.AddPoint(1000 + (k % 50) * 10);
        }  // gone without stopping, as in a crash: the journal stays
        QCOMPARE(FindJournals(home.Path().toStdString()).size(), std::size_t(1));

        ModalDriver yes(ModalDriver::Answer(QMessageBox::Yes));
        auto app = StartWorkstation(home);
        QVERIFY(app);
        QTRY_VERIFY2(OnlyAnalysisWindow(*app->Window()) != nullptr,
                     qPrintable(yes.Texts().join('|')));
        AnalysisWindow* recovered = OnlyAnalysisWindow(*app->Window());
        QCOMPARE(recovered->Document().m_Samples.size(), std::size_t(400));
        QVERIFY(QFile::exists(recovered->Path()));
        QVERIFY(FindJournals(home.Path().toStdString()).empty());
    }
};

static RegisterGuiTest<WorkstationTest> registration;

}  // namespace lx::test

#include "WorkstationTest.moc"
