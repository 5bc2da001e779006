// Decoding a captured detector line: the line gives 960 bytes a second, and a day's capture
// (83 MB) should decode in well under a second.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "acq/DetectorFrames.h"

namespace {

// Frames of both channels with a range switch now and then and a start signal on some.
std::vector<std::uint8_t> Capture(std::size_t frames) {
    std::vector<std::uint8_t> line;
    line.reserve(frames * 7);
    std::uint32_t raw = (1u << 23) - 1;
    for (std::size_t i = 0; i < frames; ++i) {
        raw = (raw + 977 * i) & 0xFFFFFF;
        line.insert(line.end(), {static_cast<std::uint8_t>(i % 2 ? 0xF2 : 0xF1),
                                 static_cast<std::uint8_t>(i % 500 == 0 ? 0xFA : 0x00),
                                 static_cast<std::uint8_t>(raw & 0x3F),
                                 static_cast<std::uint8_t>((raw >> 6) & 0x3F),
                                 static_cast<std::uint8_t>((raw >> 12) & 0x3F),
                                 static_cast<std::uint8_t>((raw >> 18) & 0x3F),
                                 static_cast<std::uint8_t>(0xE1 + (i / 10000) % 3)});
    }
    return line;
}

void BM_DecodeCapture(benchmark::State& state) {
    const std::vector<std::uint8_t> line = Capture(static_cast<std::size_t>(state.range(0)));
    std::int64_t sum = 0;
    for (auto _ : state) {
        lx::DetectorDecoder decoder({20, 3}, [&](int, std::int32_t v, bool) { sum += v; });
        decoder.Feed(line);
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(line.size()));
}
BENCHMARK(BM_DecodeCapture)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
