#pragma once
// What a summary table says under each numeric column of its runs: how many runs have a
// value there, their mean, the sample standard deviation (n - 1) and the relative standard
// deviation in percent, as a lab reports the repeatability of an analysis.

#include <cstddef>
#include <optional>
#include <span>

namespace lx {

struct ColumnStatistics {
    std::size_t m_Count = 0;
    std::optional<double> m_Mean;               // from one value on
    std::optional<double> m_StandardDeviation;  // from two values on
    std::optional<double> m_RelativeDeviation;  // % of |mean|; none for a mean of 0
};

// The mean is taken of the differences from the first value, so equal values (a retention
// time every run shares) have exactly that mean and a deviation of exactly 0, not the noise of
// their sum; then the squared deviations from the mean, in a second pass, since a one-pass sum
// of squares loses the small spread of large values (areas of 10^7 repeating to 0.1 %).
ColumnStatistics DescribeColumn(std::span<const double> values);

}  // namespace lx
