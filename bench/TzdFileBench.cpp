// Loading and saving a one-million-sample chromatogram, beside the plain read of its bytes that
// bounds what a load can cost.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <memory>

#include "core/TzdFile.h"

namespace {

constexpr std::size_t kSamples = 1000000;

const std::string& BenchFile() {
    static const std::string path = [] {
        auto p = std::filesystem::temp_directory_path() / "lx6600-bench-1M.Tzd";
        lx::CTzLabDoc doc;
        doc.m_Samples.Resize(kSamples);
        for (std::size_t i = 0; i < kSamples; ++i)
            doc.m_Samples.SetAt(i, static_cast<std::int32_t>(5000 * std::sin(i * 0.001)));
        doc.m_Peaks.resize(500);
        if (!lx::SaveTzdFile(doc, p.string()).ok())
            std::abort();
        return p.string();
    }();
    return path;
}

void BM_ReadBytesRaw(benchmark::State& state) {
    const std::string& path = BenchFile();
    for (auto _ : state) {
        int fd = ::open(path.c_str(), O_RDONLY);
        struct stat st {};
        ::fstat(fd, &st);
        auto buffer = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(st.st_size));
        std::size_t done = 0;
        while (done < static_cast<std::size_t>(st.st_size)) {
            ssize_t r =
                ::read(fd, buffer.get() + done, static_cast<std::size_t>(st.st_size) - done);
            if (r <= 0)
                break;
            done += static_cast<std::size_t>(r);
        }
        benchmark::DoNotOptimize(buffer.get());
        ::close(fd);
        state.SetBytesProcessed(state.bytes_processed() + static_cast<std::int64_t>(done));
    }
}
BENCHMARK(BM_ReadBytesRaw)->Unit(benchmark::kMicrosecond);

void BM_LoadTzdFile(benchmark::State& state) {
    const std::string& path = BenchFile();
    for (auto _ : state) {
        auto doc = lx::LoadTzdFile(path);
        if (!doc.ok())
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(doc->m_Samples.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK(BM_LoadTzdFile)->Unit(benchmark::kMicrosecond);

// Includes the fsync of file and folder, so it measures the disk as much as the program.
void BM_SaveTzdFile(benchmark::State& state) {
    auto doc = lx::LoadTzdFile(BenchFile());
    auto out = std::filesystem::temp_directory_path() / "lx6600-bench-save.Tzd";
    for (auto _ : state) {
        if (!lx::SaveTzdFile(doc.value(), out.string()).ok())
            state.SkipWithError("save failed");
    }
    std::filesystem::remove(out);
}
BENCHMARK(BM_SaveTzdFile)->Unit(benchmark::kMillisecond);

}  // namespace
