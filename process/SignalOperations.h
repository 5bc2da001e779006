#pragma once
// The sample arithmetic of the processing commands, on signed 32-bit microvolts. Every
// intermediate is exact (64 bits); divisions truncate toward zero. A detector's samples stay
// within +-2,500,000 uV, where no result leaves 32 bits even at 400 samples per second; only a
// crafted file or an extreme rate can ask for more, and such a result is clipped at the 32-bit
// limit, as an overloaded detector clips, rather than wrapped to a value of the opposite sign.
// No operation reads outside its sources.

#include <cstdint>
#include <span>
#include <vector>

namespace lx {

using Samples = std::vector<std::int32_t>;

// R[i] = 2 S[0] - S[i]: mirrored about the level of the first sample.
Samples FlipSamples(std::span<const std::int32_t> s);

// Moving average over `width` samples (width > 1): the first width - width/2 samples stay,
// R[k] is the truncated mean of S[k + h - W] .. S[k + h - 1] (h = width/2) up to n - h, and
// the last h samples repeat the last mean. A width beyond the sample count is taken as the
// count: the run is one window, so the last h samples become its mean.
Samples SmoothSamples(std::span<const std::int32_t> s, std::int32_t width);

// R[i] = (S[i+1] - S[i]) x rate + S[0], uV per second drawn at the first sample's level; the
// last sample repeats the one before. A single sample has slope 0 (R[0] = S[0]).
Samples DerivativeSamples(std::span<const std::int32_t> s, std::int32_t rate);

// Paired by index over the shorter of the two, without resampling:
// add R[i] = A[i] - A[0] + B[i], subtract R[i] = A[i] - B[i] + A[0].
Samples AddSamples(std::span<const std::int32_t> a, std::span<const std::int32_t> b);
Samples SubtractSamples(std::span<const std::int32_t> a, std::span<const std::int32_t> b);

// The plot range of a signal: its largest and smallest sample widened by trunc(5 % of their
// difference) each way; a flat signal (or none, taken as flat at 0) is widened by
// `flatMargin` uV.
struct LevelRange {
    std::int32_t top = 0;
    std::int32_t bottom = 0;
};
LevelRange RangeOf(std::span<const std::int32_t> s, std::int32_t flatMargin);

}  // namespace lx
