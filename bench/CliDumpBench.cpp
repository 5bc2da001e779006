// The memory "dump --json --samples" needs for a long run: the tool is run as a user runs it on
// a run of 10,000,000 samples (about 40 MB), its output thrown away, and its peak resident size
// set against the file's size.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/SyntheticRun.h"
#include "core/TzdFile.h"

namespace {

// Peak resident size in bytes of one run of the tool; -1 when it failed.
double PeakOfDump(const std::string& file) {
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::execl(LX6600_CLI, LX6600_CLI, "dump", file.c_str(), "--json", "--samples", nullptr);
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? usage.ru_maxrss * 1024.0 : -1.0;
}

void BM_DumpJsonSamplesMemory(benchmark::State& state) {
    const std::string file =
        (std::filesystem::temp_directory_path() / "lx_bench_dump.Tzd").string();
    lx::SyntheticRunOptions options;
    options.minutes = 10'000'000.0 / options.rate / 60.0;
    lx::CTzLabDoc run = lx::MakeSyntheticRun(options);
    lx::SaveTzdFile(run, file);
    const double fileBytes = double(std::filesystem::file_size(file));
    double peak = 0;
    for (auto _ : state)
        peak = PeakOfDump(file);
    std::filesystem::remove(file);
    state.counters["file MB"] = fileBytes / 1e6;
    state.counters["peak MB"] = peak / 1e6;
    state.counters["peak / file"] = peak / fileBytes;
}
BENCHMARK(BM_DumpJsonSamplesMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
