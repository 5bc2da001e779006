#include "interchange/tables/ColumnStatistics.h"

#include <cmath>

namespace lx {

ColumnStatistics DescribeColumn(std::span<const double> values) {
    ColumnStatistics s;
    s.m_Count = values.size();
    if (values.empty())
        return s;
    const double origin = values.front();
    double offsets = 0.0;
    for (double v : values)
        offsets += v - origin;
    const double mean = origin + offsets / static_cast<double>(values.size());
    s.m_Mean = mean;
    if (values.size() < 2)
        return s;
    double squares = 0.0;
    for (double v : values)
        squares += (v - mean) * (v - mean);
    const double deviation = std::sqrt(squares / static_cast<double>(values.size() - 1));
    s.m_StandardDeviation = deviation;
    if (mean != 0.0)
        s.m_RelativeDeviation = deviation / std::fabs(mean) * 100.0;
    return s;
}

}  // namespace lx
