#pragma once
// Deterministic synthetic chromatograms: what the tests and benchmarks integrate, and what a
// user can try a method on without an instrument. The same options give the same samples.

#include <cstdint>
#include <vector>

#include "core/CTzLabDoc.h"

namespace lx {

// A Gaussian peak placed by hand, as a standard mixture or a sample of known amounts gives.
struct SyntheticPeak {
    double minutes = 1.0;       // apex
    double height = 10000.0;    // uV
    double sigmaSeconds = 3.0;  // width
};

struct SyntheticRunOptions {
    std::uint32_t seed = 1;
    double minutes = 30.0;
    std::int32_t rate = 20;           // samples per second
    std::int32_t peakSpacing = 2000;  // mean samples from one peak to the next
    double noise = 2.0;               // uV, standard deviation
    double drift = 30.0;              // uV per minute
    std::int32_t baseline = 1000;     // uV at the start
    // When given, these peaks (heights times `scale`) instead of the random ones.
    std::vector<SyntheticPeak> peaks;
    double scale = 1.0;
};

// Gaussian and tailing peaks, fused pairs, small riders on large tails and negative dips (or
// the given peaks), on a drifting, noisy baseline; samples clamped to the receiver's +-2.5 V.
CTzLabDoc MakeSyntheticRun(const SyntheticRunOptions& options);

}  // namespace lx
