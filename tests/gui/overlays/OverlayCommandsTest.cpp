// The overlay commands on chromatograms of a few hand-worked samples: each processing result
// joins the list named, coloured and current, with the samples the workstation's rules give;
// loading, unloading and closing with their questions and real files; the baseline shift in
// place through the window's change hook; the staggered display as the plot receives it.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "core/TzdFile.h"
#include "tests/gui/GuiTestRegistry.h"
#include "tests/gui/ModalDriver.h"
#include "tests/gui/overlays/OverlayTestSupport.h"
#include "tests/gui/sheets/SheetTestSupport.h"
#include "ui/overlays/OverlayCommands.h"
#include "ui/overlays/OverlayPlot.h"

namespace lx::test {
namespace {

using Samples = std::vector<std::int32_t>;

// An analysis window's chromatogram "run.Tzd" in a private folder, its overlay commands, and
// what the commands asked the window to do.
class Bench {
public:
    explicit Bench(const Samples& samples, std::int32_t rate = 20)
        : own(MakeChromatogram(samples, rate, Path("run.Tzd"))), commands(own, prompter, &window) {
        QObject::connect(&commands, &OverlayCommands::Changed, [this] { ++changes; });
        QObject::connect(&commands, &OverlayCommands::ShowAxes,
                         [this](const CTzLabDoc& doc) { axes.push_back(&doc); });
    }

    std::string Path(const char* name) const { return (dir.path() + "/" + name).toStdString(); }
    // A chromatogram file beside the window's.
    std::string Write(const char* name, const Samples& samples, std::int32_t rate = 20) const {
        CTzLabDoc doc = MakeChromatogram(samples, rate);
        if (!SaveTzdFile(doc, Path(name)).ok())
            qFatal("cannot write %s", name);
        return Path(name);
    }
    OverlayList& List() { return commands.List(); }
    const Overlay& Current() { return *commands.List().Current(); }
    QAction* Action(const char* text) {
        for (QAction* action : commands.Actions())
            if (action->text() == QString::fromUtf8(text))
                return action;
        qFatal("no command %s", text);
    }

    QTemporaryDir dir;
    RecordingPrompter prompter;
    QWidget window;
    CTzLabDoc own;
    OverlayCommands commands;
    int changes = 0;
    std::vector<const CTzLabDoc*> axes;  // ShowAxes, in order
};

// Fills "曲线拟合" and records what it opened with.
std::function<void(QDialog*)> Combine(int first, int second, const char* sign,
                                      QStringList* opened = nullptr) {
    return [=](QDialog* d) {
        auto* one = Named<QComboBox>(d, "图谱 1:(通道\\名称)");
        auto* two = Named<QComboBox>(d, "图谱 2:(通道\\名称)");
        QVERIFY(one && two);
        if (opened)
            *opened << QString::number(one->currentIndex()) << QString::number(two->currentIndex());
        one->setCurrentIndex(first);
        two->setCurrentIndex(second);
        Named<QRadioButton>(d, sign)->click();
    };
}

std::function<void(QDialog*)> SmoothBy(int width, int* shown = nullptr) {
    return [=](QDialog* d) {
        auto* box = Named<QSpinBox>(d, "平滑间隔:");
        QVERIFY(box);
        if (shown)
            *shown = box->value();
        box->setValue(width);
    };
}

std::function<void(QDialog*)> Shift(double mv, bool autoZero) {
    return [=](QDialog* d) {
        Named<QDoubleSpinBox>(d, "输入基线校正值：")->setValue(mv);
        Named<QCheckBox>(d, "自动零基线")->setChecked(autoZero);
    };
}

}  // namespace

class OverlayCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void flipAndDerivativeMakeCurrentResults() {
        Bench bench({100, 150, 90});
        QCOMPARE(bench.List().size(), 1u);  // the window's own chromatogram from the start
        bench.Action("图谱翻转(&F)")->trigger();
        QCOMPARE(bench.List().size(), 2u);
        QCOMPARE(bench.List().CurrentIndex(), 1);
        const Overlay& flipped = bench.Current();
        QCOMPARE(SamplesOf(*flipped.m_Doc), (Samples{100, 50, 110}));
        QCOMPARE(flipped.m_Path, bench.Path("run翻转.Tzd"));
        QVERIFY(flipped.m_Modified);
        QCOMPARE(flipped.m_Colour, (Rgb{128, 0, 0}));
        QCOMPARE(bench.axes, (std::vector<const CTzLabDoc*>{flipped.m_Doc}));
        QCOMPARE(SamplesOf(bench.own), (Samples{100, 150, 90}));
        // The view's axes: the set-up's 0 to 120000 samples at 20 a second, and the result's
        // own level range, 50 to 110 uV with 5 % margins (3 uV).
        const OverlayAxes axes = AxesOf(*flipped.m_Doc);
        QCOMPARE(axes.timeMin, 0.0);
        QCOMPARE(axes.timeMax, 100.0);
        QCOMPARE(axes.mvMin, 0.047);
        QCOMPARE(axes.mvMax, 0.113);

        // The next command works on the result, now current.
        QVERIFY(bench.commands.DifferentiateOverlay());
        QCOMPARE(SamplesOf(*bench.Current().m_Doc), (Samples{-900, 1300, 1300}));
        QCOMPARE(bench.Current().m_Path, bench.Path("run翻转导数.Tzd"));
        QCOMPARE(bench.Current().m_Colour, (Rgb{0, 128, 0}));

        Bench rising({100, 110, 130});
        QVERIFY(rising.commands.DifferentiateOverlay());
        QCOMPARE(SamplesOf(*rising.Current().m_Doc), (Samples{300, 500, 500}));
        QCOMPARE(rising.Current().m_Path, rising.Path("run导数.Tzd"));
    }

    void smoothingTakesTheIntervalFromItsDialog() {
        Bench bench({0, 3, 6, 9, 12});
        int shown = 0;
        {
            ModalDriver driver(PressOk(SmoothBy(3, &shown)));
            QVERIFY(bench.commands.SmoothOverlay());
        }
        QCOMPARE(shown, 5);
        QCOMPARE(SamplesOf(*bench.Current().m_Doc), (Samples{0, 3, 3, 6, 9}));
        QCOMPARE(bench.Current().m_Path, bench.Path("run平滑.Tzd"));
        QCOMPARE(bench.axes.size(), 1u);

        // An interval of 1 and a cancelled dialog add nothing.
        const int changes = bench.changes;
        {
            ModalDriver driver(PressOk(SmoothBy(1)));
            QVERIFY(!bench.commands.SmoothOverlay());
        }
        {
            ModalDriver driver(PressCancel());
            QVERIFY(!bench.commands.SmoothOverlay());
        }
        QCOMPARE(bench.List().size(), 2u);
        QCOMPARE(bench.changes, changes);
        QCOMPARE(bench.axes.size(), 1u);
    }

    void addAndSubtractPairSamplesByIndex() {
        // Chromatogram 1 is the window's; chromatogram 2 a file at another rate, loaded and
        // so current when the dialog opens.
        Bench bench({10, 20, 30}, 20);
        QVERIFY(bench.commands.LoadOverlay(
            QString::fromStdString(bench.Write("blank.Tzd", {5, 5, 5, 5}, 10))));
        QStringList opened;
        {
            ModalDriver driver(PressOk(Combine(0, 1, "+", &opened)));
            QVERIFY(bench.commands.CombineOverlays());
        }
        QCOMPARE(opened, (QStringList{"1", "0"}));  // chromatogram 1 starts at the current one
        const Overlay& sum = bench.Current();
        QCOMPARE(SamplesOf(*sum.m_Doc), (Samples{5, 15, 25}));
        // Named after the current overlay, recorded as chromatogram 1.
        QCOMPARE(sum.m_Path, bench.Path("blank相加.Tzd"));
        QCOMPARE(sum.m_Doc->m_ChannelSetup.rate, 20);
        QCOMPARE(bench.List().CurrentIndex(), 2);

        {
            ModalDriver driver(PressOk(Combine(0, 1, "-")));
            QVERIFY(bench.commands.CombineOverlays());
        }
        QCOMPARE(SamplesOf(*bench.Current().m_Doc), (Samples{15, 25, 35}));
        QCOMPARE(bench.Current().m_Path, bench.Path("blank相加相减.Tzd"));

        {
            ModalDriver driver(PressCancel());
            QVERIFY(!bench.commands.CombineOverlays());
        }
        QCOMPARE(bench.List().size(), 4u);
    }

    void loadingTakesEachFileOnce() {
        Bench bench({1, 2});
        const std::string file = bench.Write("other.Tzd", {7, 8, 9}, 10);

        // Through the open dialog, which starts in the folder it is given.
        QString folder;
        {
            ModalDriver driver(ChooseFile(QString::fromStdString(file), [&](QFileDialog* d) {
                folder = d->directory().absolutePath();
            }));
            bench.commands.AddOverlay(bench.dir.path());
        }
        QCOMPARE(folder, QFileInfo(bench.dir.path()).absoluteFilePath());
        QCOMPARE(bench.List().size(), 2u);
        QCOMPARE(SamplesOf(*bench.Current().m_Doc), (Samples{7, 8, 9}));
        QVERIFY(!bench.Current().m_Modified);
        QCOMPARE(bench.axes, (std::vector<const CTzLabDoc*>{bench.Current().m_Doc}));
        QCOMPARE(AxesOf(*bench.Current().m_Doc).timeMax, 200.0);  // 120000 samples at 10 a second

        // Listed paths, the window's own included, are ignored without a word.
        QVERIFY(!bench.commands.LoadOverlay(QString::fromStdString(file)));
        QVERIFY(!bench.commands.LoadOverlay(QString::fromStdString(bench.Path("run.Tzd"))));
        QVERIFY(bench.prompter.messages.empty());

        const std::string missing = bench.Path("missing.Tzd");
        QVERIFY(!bench.commands.LoadOverlay(QString::fromStdString(missing)));
        QCOMPARE(bench.prompter.messages,
                 (std::vector<std::string>{"打开文件[" + missing + "]失败!"}));
        QCOMPARE(bench.List().size(), 2u);
        QCOMPARE(bench.axes.size(), 1u);
    }

    void unloadingOffersToSaveAModifiedOverlay() {
        Bench bench({100, 150, 90});
        QVERIFY(
            bench.commands.LoadOverlay(QString::fromStdString(bench.Write("kept.Tzd", {1, 2}))));
        QVERIFY(bench.commands.FlipOverlay());
        QStringList proposed;
        bench.commands.m_AskSavePath = [&](const QString& path) {
            proposed << path;
            return QString::fromStdString(bench.Path("saved"));
        };

        bench.prompter.answers = {true};
        QVERIFY(bench.commands.UnloadOverlay());
        QCOMPARE(bench.prompter.questions,
                 (std::vector<std::string>{"将通道3改动保存到" + bench.dir.path().toStdString() +
                                           " ?"}));
        QCOMPARE(proposed, (QStringList{QString::fromStdString(bench.Path("kept翻转.Tzd"))}));
        // Saved under the chosen name with the extension added, and it reads back.
        auto saved = LoadTzdFile(bench.Path("saved.Tzd"));
        QVERIFY2(saved.ok(), saved.error().c_str());
        QCOMPARE(SamplesOf(saved.value()), (Samples{1, 0}));
        // The previous overlay is current and the view takes its axes.
        QCOMPARE(bench.List().size(), 2u);
        QCOMPARE(bench.List().CurrentIndex(), 1);
        QCOMPARE(bench.axes.back(), bench.Current().m_Doc);

        // An unchanged file goes without a question; the window's own chromatogram never goes.
        QVERIFY(bench.commands.UnloadOverlay());
        QVERIFY(!bench.commands.UnloadOverlay());
        QCOMPARE(bench.prompter.questions.size(), 1u);
        QCOMPARE(bench.List().size(), 1u);
        QCOMPARE(bench.List().at(0).m_Doc, &bench.own);
        QCOMPARE(bench.axes.back(), &bench.own);

        // Answered No, nothing is written.
        QVERIFY(bench.commands.FlipOverlay());
        bench.prompter.answers = {false};
        QVERIFY(bench.commands.UnloadOverlay());
        QCOMPARE(proposed.size(), 1);
    }

    void theSaveDialogChoosesTheFile() {
        Bench bench({100, 150, 90});
        QVERIFY(bench.commands.FlipOverlay());
        bench.prompter.answers = {true};
        const QString chosen = QString::fromStdString(bench.Path("chosen.Tzd"));
        QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
        QString proposed;
        {
            ModalDriver driver(ChooseFile(chosen, [&](QFileDialog* d) {
                mode = d->acceptMode();
                proposed = d->selectedFiles().value(0);
            }));
            QVERIFY(bench.commands.UnloadOverlay());
        }
        QCOMPARE(mode, QFileDialog::AcceptSave);
        QCOMPARE(proposed, QString::fromStdString(bench.Path("run翻转.Tzd")));
        auto saved = LoadTzdFile(chosen.toStdString());
        QVERIFY2(saved.ok(), saved.error().c_str());
        QCOMPARE(SamplesOf(saved.value()), (Samples{100, 50, 110}));
    }

    void closingOffersEveryModifiedOverlay() {
        Bench bench({100, 150, 90});
        QVERIFY(bench.commands.FlipOverlay());
        QVERIFY(bench.commands.DifferentiateOverlay());
        const std::string derivativePath = bench.Current().m_Path;  // renamed when saved
        const std::string nowhere = bench.Path("no/such/folder/x.Tzd");
        QStringList answers{QString::fromStdString(nowhere),
                            QString::fromStdString(bench.Path("derivative.Tzd"))};
        bench.commands.m_AskSavePath = [&](const QString&) { return answers.takeFirst(); };

        bench.prompter.answers = {true, true};
        bench.commands.OfferToSaveAll();
        QCOMPARE(bench.prompter.questions,
                 (std::vector<std::string>{"将通道2另存为" + bench.Path("run翻转.Tzd") + " ?",
                                           "将通道3另存为" + derivativePath + " ?"}));
        // A save that fails says so and leaves the overlay unsaved; the other is renamed.
        QCOMPARE(bench.prompter.messages.size(), 1u);
        QVERIFY(bench.List().at(1).m_Modified);
        QVERIFY(!bench.List().at(2).m_Modified);
        QCOMPARE(bench.List().at(2).m_Path, bench.Path("derivative.Tzd"));
        QVERIFY(LoadTzdFile(bench.Path("derivative.Tzd")).ok());

        // Saved overlays are not offered again.
        bench.prompter.questions.clear();
        bench.prompter.answers = {false};
        bench.commands.OfferToSaveAll();
        QCOMPARE(bench.prompter.questions.size(), 1u);
    }

    void baselineShiftChangesTheCurrentOverlayInPlace() {
        Bench bench({1000, 1500, 900});
        QStringList steps;
        bench.commands.m_ChangeInPlace = [&](const QString& text,
                                             const std::function<void()>& change) {
            steps << text;
            change();
        };

        // The window's own chromatogram: its unsaved state is the window's, not the list's.
        const int changes = bench.changes;
        QVERIFY(bench.commands.ApplyBaselineShift(0.5, false));
        QCOMPARE(SamplesOf(bench.own), (Samples{500, 1000, 400}));
        QCOMPARE(steps, (QStringList{"基线调整"}));
        QVERIFY(!bench.List().at(0).m_Modified);
        QCOMPARE(bench.changes, changes + 1);
        QVERIFY(bench.axes.empty());
        QCOMPARE(bench.List().size(), 1u);

        // A result, through the dialog: zeroed at its first sample, and marked.
        QVERIFY(bench.commands.FlipOverlay());
        {
            ModalDriver driver(PressOk(Shift(0, true)));
            QVERIFY(bench.commands.AskBaselineShift());
        }
        QCOMPARE(SamplesOf(*bench.Current().m_Doc), (Samples{0, -500, 100}));
        QCOMPARE(steps.size(), 2);
        QVERIFY(bench.Current().m_Modified);
        QCOMPARE(SamplesOf(bench.own), (Samples{500, 1000, 400}));

        // Nothing to shift makes no step: zero at a first sample of 0, a shift under 1 uV, a
        // cancelled dialog.
        QVERIFY(!bench.commands.ApplyBaselineShift(0, true));
        QVERIFY(!bench.commands.ApplyBaselineShift(0.0009, false));
        {
            ModalDriver driver(PressCancel());
            QVERIFY(!bench.commands.AskBaselineShift());
        }
        QCOMPARE(steps.size(), 2);
        QCOMPARE(SamplesOf(*bench.Current().m_Doc), (Samples{0, -500, 100}));
    }

    void staggeredDisplayMovesTheOverlaysThePlotDraws() {
        Bench bench({100, 150, 90});
        QVERIFY(bench.commands.FlipOverlay());
        QVERIFY(bench.commands.DifferentiateOverlay());
        QAction* stagger = bench.Action("多图谱显示设置");
        QVERIFY(stagger->isCheckable() && !stagger->isChecked());

        stagger->trigger();
        QVERIFY(bench.List().Staggered());
        std::vector<PlotOverlay> drawn = PlotOverlaysOf(bench.List(), &bench.own);
        QCOMPARE(drawn.size(), 2u);  // the active chromatogram is drawn by the plot itself
        QCOMPARE(drawn[0].doc, bench.List().at(1).m_Doc);
        QCOMPARE(drawn[0].colour, (Rgb{128, 0, 0}));
        QCOMPARE((std::pair{drawn[0].offsetX, drawn[0].offsetY}), (std::pair{12, -12}));
        QCOMPARE((std::pair{drawn[1].offsetX, drawn[1].offsetY}), (std::pair{24, -24}));

        // Another chromatogram active in the plot: the window's own is drawn with the others.
        drawn = PlotOverlaysOf(bench.List(), bench.List().at(2).m_Doc);
        QCOMPARE(drawn.size(), 2u);
        QCOMPARE(drawn[0].doc, &bench.own);

        bench.commands.SetStaggered(false);
        QVERIFY(!stagger->isChecked());
        drawn = PlotOverlaysOf(bench.List(), &bench.own);
        QCOMPARE((std::pair{drawn[1].offsetX, drawn[1].offsetY}), (std::pair{0, 0}));
    }
};

static RegisterGuiTest<OverlayCommandsTest> registration;

}  // namespace lx::test

#include "OverlayCommandsTest.moc"
