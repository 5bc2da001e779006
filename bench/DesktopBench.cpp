// The desktop's speed where an operator feels it: opening a long run (1,000,000 samples) to its
// first painted analysis window, each repaint after a zoom or pan on it, a manual integration
// edit on it (integration, replay of the earlier edits, table and plot repainted), two channels fed
// a whole day of values as fast as the machine allows (the time per value must stay flat from the
// first hour to the last, the memory grow by the samples only), and the processor an idle
// workstation uses with both channel windows open on the demo signal.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>

#include <sys/resource.h>

#include <chrono>
#include <fstream>
#include <string>

#include "app/MainWindow.h"
#include "core/SyntheticRun.h"
#include "core/TzdFile.h"
#include "peaks/Integration.h"
#include "peaks/ManualEvents.h"
#include "ui/AnalysisWindow.h"
#include "ui/ChannelWindow.h"
#include "ui/LivePlot.h"
#include "ui/PlotWidget.h"
#include "ui/edit/PeakEditCommands.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Resident memory, bytes.
double ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return double(resident) * 4096.0;
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Desk {
    QTemporaryDir home;
    lx::AppSettings settings;
    std::unique_ptr<lx::MainWindow> window;
    QString longRun;

    Desk() {
        QFile::copy(QStringLiteral(LX_DEMO_SIGNAL), home.filePath("TzDemo"));
        window = std::make_unique<lx::MainWindow>(settings, home.path().toStdString(),
                                                  lx::AcquisitionSource::Demo);
        window->resize(1600, 1000);
        window->show();
        lx::SyntheticRunOptions o;
        o.seed = 7;
        o.minutes = 1000000.0 / o.rate / 60.0;
        lx::CTzLabDoc doc = lx::MakeSyntheticRun(o);
        lx::Reintegrate(doc);
        longRun = home.filePath("long.Tzd");
        lx::SaveTzdFile(doc, longRun.toStdString());
    }
};

Desk& TheDesk() {
    static Desk desk;
    return desk;
}

void CloseAll(lx::MainWindow& window) {
    window.Workspace()->closeAllSubWindows();
    QCoreApplication::processEvents();
}

void BM_OpenMillionSampleRunToFirstPaint(benchmark::State& state) {
    Desk& desk = TheDesk();
    for (auto _ : state) {
        lx::AnalysisWindow* opened = desk.window->OpenChromatogram(desk.longRun);
        opened->Plot()->repaint();
        benchmark::DoNotOptimize(opened);
        state.PauseTiming();
        CloseAll(*desk.window);
        state.ResumeTiming();
    }
    state.counters["samples"] = 1000000;
}
BENCHMARK(BM_OpenMillionSampleRunToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ZoomAndPanRepaint(benchmark::State& state) {
    Desk& desk = TheDesk();
    lx::AnalysisWindow* window = desk.window->OpenChromatogram(desk.longRun);
    const lx::PlotCommand steps[] = {lx::PlotCommand::ZoomTimeIn, lx::PlotCommand::PanLeft,
                                     lx::PlotCommand::ZoomIn,     lx::PlotCommand::ZoomTimeOut,
                                     lx::PlotCommand::PanRight,   lx::PlotCommand::ZoomOut};
    std::size_t k = 0;
    for (auto _ : state) {
        window->Zoom(int(steps[k++ % std::size(steps)]));
        window->Plot()->repaint();
    }
    state.counters["plotWidth"] = window->Plot()->width();
    CloseAll(*desk.window);
}
BENCHMARK(BM_ZoomAndPanRepaint)->Unit(benchmark::kMillisecond);

// From the mouse release to the repainted plot and table: an edit is integrated with the ten
// corrections made before it replayed, quantified, pushed as an undo step and shown.
void BM_ManualEditToRepaint(benchmark::State& state) {
    Desk& desk = TheDesk();
    lx::AnalysisWindow* window = desk.window->OpenChromatogram(desk.longRun);
    lx::CTzLabDoc& doc = window->Document();
    for (int k = 10; k < 20; ++k) {
        doc.m_SelectedPeak = k;
        window->PeakEdits().Edit(lx::kEventMoveApex, doc.m_Peaks[std::size_t(k)].m_Apex + 1);
    }
    const int edited = 50;
    std::size_t accepted = 0;
    for (auto _ : state) {
        doc.m_SelectedPeak = edited;
        const std::size_t before = doc.m_ManualEvents.size();
        window->PeakEdits().Edit(lx::kEventMoveEnd, doc.m_Peaks[edited].m_End - 2);
        window->Plot()->repaint();
        window->Table()->viewport()->repaint();
        state.PauseTiming();
        accepted += doc.m_ManualEvents.size() > before;
        window->Undo().undo();
        state.ResumeTiming();
    }
    state.counters["peaks"] = double(doc.m_Peaks.size());
    state.counters["events replayed"] = double(doc.m_ManualEvents.size());
    state.counters["accepted"] = double(accepted) / double(state.iterations());
    window->SetModified(false);
    CloseAll(*desk.window);
}
BENCHMARK(BM_ManualEditToRepaint)->Unit(benchmark::kMillisecond)->Iterations(20);

// A day at 20 values a second on both channels, fed through the channel documents (journal
// included) and their live plots, with the window's events handled every simulated second.
void BM_TwoChannelsForADay(benchmark::State& state) {
    Desk& desk = TheDesk();
    constexpr int kPerHour = 20 * 3600;
    for (auto _ : state) {
        lx::ChannelWindow* a = desk.window->OpenChannel(0);
        lx::ChannelWindow* b = desk.window->OpenChannel(1);
        for (lx::ChannelWindow* channel : {a, b}) {
            channel->Document().m_Method.m_ChannelSetup.stopTime = 24 * 60 + 1;
            channel->Document().m_Method.m_ChannelSetup.autoSave = 1;
            channel->Document().m_Method.m_ChannelSetup.showAtEnd = 0;
            channel->StartRun();
        }
        // Memory is counted from the end of the first hour: by then the windows have drawn
        // and hold their fixed pictures, so what grows after is what the run keeps.
        double afterFirstHour = 0;
        double firstHour = 0, lastHour = 0;
        for (int hour = 0; hour < 24; ++hour) {
            const auto began = Clock::now();
            for (int k = 0; k < kPerHour; ++k) {
                const auto value = std::int32_t(300 + (k % 997) * 3);
                a->Document().AddPoint(value);
                b->Document().AddPoint(-value);
                if (k % 20 == 0)
                    QCoreApplication::processEvents();
            }
            const double seconds = Seconds(Clock::now() - began);
            (hour == 0 ? firstHour : lastHour) = seconds;
            if (hour == 0)
                afterFirstHour = ResidentBytes();
        }
        const double grown = ResidentBytes() - afterFirstHour;
        state.counters["us/value hour 1"] = firstHour / (2.0 * kPerHour) * 1e6;
        state.counters["us/value hour 24"] = lastHour / (2.0 * kPerHour) * 1e6;
        state.counters["MB grown h2-24"] = grown / 1e6;
        state.counters["MB samples h2-24"] = 2.0 * 23 * kPerHour * 4 / 1e6;
        state.counters["redraws"] = a->Plot()->FullRedraws() + b->Plot()->FullRedraws();
        state.PauseTiming();
        for (lx::ChannelWindow* channel : {a, b})
            channel->Document().DiscardRun();
        CloseAll(*desk.window);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TwoChannelsForADay)->Unit(benchmark::kSecond)->Iterations(1);

// Both channel windows open on the demo signal for ten seconds of real time, not recording.
void BM_IdleWithBothChannelsOpen(benchmark::State& state) {
    Desk& desk = TheDesk();
    desk.window->OpenChannel(0);
    desk.window->OpenChannel(1);
    desk.window->StartReceiver();
    for (auto _ : state) {
        const double cpu = CpuSeconds();
        const auto began = Clock::now();
        QEventLoop idle;
        QTimer::singleShot(10000, &idle, &QEventLoop::quit);
        idle.exec();
        state.counters["% of a core"] =
            100.0 * (CpuSeconds() - cpu) / Seconds(Clock::now() - began);
    }
    CloseAll(*desk.window);
}
BENCHMARK(BM_IdleWithBothChannelsOpen)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    lx::MapLargeSampleBlocks();  // as the workstation does
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
