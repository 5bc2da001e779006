// The whole integration pipeline on synthetic runs with realistic peaks (one about every 2,000
// samples: fused pairs, riders on tails, dips, noise, drift), beside a plain loop that reads and
// sums the same samples, and the one-hour run a user re-integrates interactively.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>

#include "core/SyntheticRun.h"
#include "peaks/Integration.h"

namespace {

const lx::CTzLabDoc& Run(std::int64_t samples) {
    static std::map<std::int64_t, lx::CTzLabDoc> runs;
    auto it = runs.find(samples);
    if (it == runs.end()) {
        lx::SyntheticRunOptions o;
        o.seed = 42;
        o.minutes = static_cast<double>(samples) / o.rate / 60.0;
        it = runs.emplace(samples, lx::MakeSyntheticRun(o)).first;
    }
    return it->second;
}

void BM_PlainSum(benchmark::State& state) {
    const lx::CTzLabDoc& doc = Run(state.range(0));
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (std::int32_t v : doc.m_Samples)
            sum += v;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PlainSum)->Arg(100000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMicrosecond);

void BM_Reintegrate(benchmark::State& state) {
    lx::CTzLabDoc doc = Run(state.range(0));
    for (auto _ : state) {
        lx::Reintegrate(doc);
        benchmark::DoNotOptimize(doc.m_Peaks.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["peaks"] = static_cast<double>(doc.m_Peaks.size());
}
BENCHMARK(BM_Reintegrate)
    ->Arg(72000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Arg(10000000)
    ->Unit(benchmark::kMicrosecond);

// The pipeline and the plain loop timed in turns within one run, so both see the same machine;
// the counter `ratio` compares their best times (this machine's timing is noisy, and the best
// time is the one least disturbed).
void BM_RatioToPlainLoop(benchmark::State& state) {
    lx::CTzLabDoc doc = Run(state.range(0));
    using Clock = std::chrono::steady_clock;
    double bestPlain = 1e30, bestPipeline = 1e30;
    for (auto _ : state) {
        auto t0 = Clock::now();
        std::int64_t sum = 0;
        for (std::int32_t v : doc.m_Samples)
            sum += v;
        benchmark::DoNotOptimize(sum);
        auto t1 = Clock::now();
        lx::Reintegrate(doc);
        benchmark::DoNotOptimize(doc.m_Peaks.data());
        auto t2 = Clock::now();
        bestPlain = std::min(bestPlain, std::chrono::duration<double>(t1 - t0).count());
        bestPipeline = std::min(bestPipeline, std::chrono::duration<double>(t2 - t1).count());
    }
    state.counters["ratio"] = bestPipeline / bestPlain;
    state.counters["best_pipeline_Msamples_per_s"] =
        static_cast<double>(state.range(0)) / bestPipeline / 1e6;
    state.counters["best_pipeline_us"] = bestPipeline * 1e6;
}
BENCHMARK(BM_RatioToPlainLoop)
    ->Arg(72000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Arg(10000000)
    ->MinTime(2.0)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
