// The whole integration pipeline on synthetic runs with realistic peaks (one about every 2,000
// samples: fused pairs, riders on tails, dips, noise, drift), beside a plain loop that reads and
// sums the same samples, and the one-hour run a user re-integrates interactively.
#include <benchmark/benchmark.h>

#include <map>

#include "acq/SyntheticRun.h"
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
BENCHMARK(BM_Reintegrate)->Arg(72000)->Arg(100000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMicrosecond);

}  // namespace
