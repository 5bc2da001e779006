// A channel's run: a ten-minute demo run from its first value to the saved, integrated file
// (the command line's simulated clock does exactly this), and a day-long recording, whose only
// allocations should be the sample array's growth steps.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>

#include "acq/CDatDoc.h"
#include "acq/CDatReceiver.h"

namespace {

std::atomic<std::int64_t> g_Allocations{0};

class QuietPrompter : public lx::Prompter {
public:
    bool Confirm(const std::string&) override { return false; }
    void Inform(const std::string&, Icon) override {}
};

// The demo timer is ticked by hand: time costs nothing here.
class HandClock : public lx::ReceiverHost {
public:
    void StartTimer(int, int) override {}
    void StopTimer(int) override {}
};

class KeptRun : public lx::ChannelView {
public:
    bool finished = false;
    void RunFinished(lx::FinishedRun run) override { finished = !run.path.empty(); }
};

std::string ScratchHome() {
    const auto dir = std::filesystem::temp_directory_path() / "lx6600-bench-channel-run";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string();
}

void BM_TenMinuteDemoRunToSavedFile(benchmark::State& state) {
    const std::string home = ScratchHome();
    QuietPrompter prompter;
    HandClock clock;
    lx::ReceiverSettings settings;
    settings.source = lx::AcquisitionSource::Demo;
    settings.demoPaths = {LX_DEMO_SIGNAL};
    for (auto _ : state) {
        KeptRun view;
        lx::CDatDoc doc(0, 20, home, view, prompter);
        doc.m_Method.m_ChannelSetup.stopTime = 10.0;
        lx::CDatReceiver receiver(settings, nullptr, clock, prompter);
        receiver.SetChannel(0, &doc);
        receiver.StartAcquisition();
        doc.StartRun();
        while (!view.finished)
            receiver.OnTimer(lx::CDatReceiver::kDemoTimer);
    }
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_TenMinuteDemoRunToSavedFile)->Unit(benchmark::kMillisecond);

void BM_DayLongRecording(benchmark::State& state) {
    const std::string home = ScratchHome();
    QuietPrompter prompter;
    lx::ChannelView view;
    constexpr std::int32_t kSamples = 24 * 3600 * 20;
    std::int64_t allocations = 0;
    for (auto _ : state) {
        lx::CDatDoc doc(0, 20, home, view, prompter);
        doc.m_Method.m_ChannelSetup.stopTime = 24 * 60.0 + 1.0;
        doc.StartRun();
        const std::int64_t before = g_Allocations;
        for (std::int32_t i = 0; i < kSamples; ++i)
            doc.AddPoint(i % 5000);
        allocations = g_Allocations - before;
        state.PauseTiming();
        doc.DiscardRun();
        state.ResumeTiming();
    }
    // Growth steps of the sample array from its first reservation to a day of samples.
    const std::int64_t growthSteps =
        (kSamples - static_cast<std::int64_t>(lx::SampleArray::kInitialReservation) +
         static_cast<std::int64_t>(lx::SampleArray::kGrowthStep) - 1) /
        static_cast<std::int64_t>(lx::SampleArray::kGrowthStep);
    state.counters["samples"] = kSamples;
    state.counters["allocations"] = static_cast<double>(allocations);
    state.counters["growth_steps"] = static_cast<double>(growthSteps);
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_DayLongRecording)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

// Every allocation of the program is counted, so the recording's own can be told apart. The
// replacements pair malloc with free themselves; GCC cannot see that across the replacement.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    ++g_Allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
