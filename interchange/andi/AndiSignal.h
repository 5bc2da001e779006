#pragma once
// Turning an ANDI/AIA signal into the workstation's samples: whole microvolts at a whole number
// of samples a second. Pure arithmetic, pinned by hand-worked cases in the tests.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace lx {

// The receiver clamps every sample to +-2,500,000 uV: the range of a chromatogram here.
inline constexpr double kDetectorLimitMicrovolts = 2500000.0;
// Rates the workstation works with, samples a second.
inline constexpr int kMinRate = 1;
inline constexpr int kMaxRate = 1000;
// Resampling never makes more than this many samples beyond the source's own count, so a
// damaged interval cannot make it allocate without bound (64 M samples, 256 MB).
inline constexpr double kMaxExtraResampled = 67108864.0;

// uV per unit for the spellings of volt units ("uV", "µV", "microvolts", "mV", "V", "nV" in any
// case); nothing for other units (mAU, pA, counts).
std::optional<double> MicrovoltsPerUnit(std::string_view unit);

// The factor that turns `values` in `unit` into uV. A volt unit keeps its own factor, divided by
// ten as often as needed to bring every value within the detector's range; any other unit (or
// none) gets the largest power of ten from 1e-12 to 1e9 that keeps them within it, so the
// signal keeps as many digits as whole microvolts can hold.
double OrdinateScale(std::optional<std::string_view> unit, std::span<const double> values);

// Whole uV of value x scale, halves away from zero. The values are within the detector's range
// once scaled by OrdinateScale().
std::vector<std::int32_t> RoundToMicrovolts(std::span<const double> values, double scale);

// The rate that an interval of `seconds` between samples makes, when it is a whole number of
// samples a second from kMinRate to kMaxRate to within a float32 interval's precision.
std::optional<int> WholeRate(double seconds);

// How many samples reading `count` values `interval` seconds apart at `rate` samples a second
// makes: every tick from 0 up to the last source value.
double ResampledCount(std::size_t count, double interval, int rate);
// Those samples, by linear interpolation between the two source values around each tick.
std::vector<double> Resample(std::span<const double> values, double interval, int rate);

}  // namespace lx
