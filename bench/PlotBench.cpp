// Repainting the analysis view's plot: a whole chromatogram, integrated, fitted into a
// full-screen plot (1600 x 900) as a QImage, for a short run (100,000 samples, 83 minutes at 20
// a second) and a long one (1,000,000). The view repaints at every zoom, pan and selection, so
// it should keep within a frame (16 ms) even for the long one. Beside them the reduced trace
// alone and the plain drawing of a stroke to every sample it replaces.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <map>

#include "core/SyntheticRun.h"
#include "peaks/Integration.h"
#include "report/GuiApplication.h"
#include "report/PlotPainter.h"

namespace {

// Fonts need a QGuiApplication; the benchmark's own main makes none, so the first benchmark
// does.
void NeedGui() {
    lx::EnsureGuiApplication("lx_bench_plot");
}

const lx::CTzLabDoc& Run(std::int64_t samples) {
    static std::map<std::int64_t, lx::CTzLabDoc> runs;
    auto it = runs.find(samples);
    if (it == runs.end()) {
        lx::SyntheticRunOptions o;
        o.seed = 7;
        o.minutes = static_cast<double>(samples) / o.rate / 60.0;
        lx::CTzLabDoc doc = lx::MakeSyntheticRun(o);
        lx::Reintegrate(doc);
        doc.m_SelectedPeak = doc.m_Peaks.empty() ? -1 : 0;
        it = runs.emplace(samples, std::move(doc)).first;
    }
    return it->second;
}

lx::PlotPicture Fitted(const lx::CTzLabDoc& doc) {
    lx::PlotPicture pic;
    pic.doc = &doc;
    pic.view.ShowFitted(doc);
    return pic;
}

void BM_RepaintFitted(benchmark::State& state) {
    NeedGui();
    const lx::CTzLabDoc& doc = Run(state.range(0));
    const lx::PlotPicture pic = Fitted(doc);
    QImage image(1600, 900, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        lx::PaintPlot(p, image.rect(), pic);
        p.end();
        benchmark::ClobberMemory();
    }
    state.counters["peaks"] = static_cast<double>(doc.m_Peaks.size());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RepaintFitted)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_TracePoints(benchmark::State& state) {
    const lx::CTzLabDoc& doc = Run(state.range(0));
    const lx::PlotPicture pic = Fitted(doc);
    const lx::PlotScales sc(pic.view, doc.m_ChannelSetup.rate, 1545, 850);
    for (auto _ : state) {
        auto pts = lx::TracePoints(doc.m_Samples, 0, state.range(0), sc);
        benchmark::DoNotOptimize(pts.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TracePoints)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// What the reduction saves: a stroke to every sample.
void BM_StrokeEverySample(benchmark::State& state) {
    NeedGui();
    const lx::CTzLabDoc& doc = Run(state.range(0));
    const lx::PlotPicture pic = Fitted(doc);
    const lx::PlotScales sc(pic.view, doc.m_ChannelSetup.rate, 1545, 850);
    const auto pts = lx::TracePoints(doc.m_Samples, 0, state.range(0), sc, true);
    QImage image(1545, 850, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        lx::DrawTracePoints(p, pts, {255, 0, 0});
        p.end();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_StrokeEverySample)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
