// The statistics rows of a summary table, against values worked by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "interchange/tables/ColumnStatistics.h"

namespace lx {
namespace {

TEST(ColumnStatistics, MeanSampleDeviationAndRsdOfAHandWorkedColumn) {
    // Mean 5; squared deviations 9+1+1+1+0+0+4+16 = 32 over n - 1 = 7.
    const std::vector<double> values{2, 4, 4, 4, 5, 5, 7, 9};
    const ColumnStatistics s = DescribeColumn(values);
    EXPECT_EQ(s.m_Count, 8u);
    EXPECT_DOUBLE_EQ(*s.m_Mean, 5.0);
    EXPECT_DOUBLE_EQ(*s.m_StandardDeviation, std::sqrt(32.0 / 7.0));  // 2.138089935299395
    EXPECT_DOUBLE_EQ(*s.m_RelativeDeviation, 42.7617987059879);

    // A negative mean (negative peaks) still gives a positive RSD: sqrt(2) / 3 x 100.
    const std::vector<double> negative{-2, -4};
    EXPECT_DOUBLE_EQ(*DescribeColumn(negative).m_RelativeDeviation, 47.14045207910317);
}

TEST(ColumnStatistics, LargeValuesKeepTheirSmallSpread) {
    // Areas of 10^9 that differ by 1: a sum of squares would lose the spread to cancellation.
    const std::vector<double> areas{1e9 + 1, 1e9 + 2, 1e9 + 3};
    const ColumnStatistics s = DescribeColumn(areas);
    EXPECT_EQ(*s.m_Mean, 1e9 + 2);
    EXPECT_EQ(*s.m_StandardDeviation, 1.0);

    // Equal values that no double holds exactly: the mean is that value, the deviation 0.
    const std::vector<double> times{0.1, 0.1, 0.1};
    const ColumnStatistics same = DescribeColumn(times);
    EXPECT_EQ(*same.m_Mean, 0.1);
    EXPECT_EQ(*same.m_StandardDeviation, 0.0);
    EXPECT_EQ(*same.m_RelativeDeviation, 0.0);
}

TEST(ColumnStatistics, WhatFewValuesCannotGive) {
    const ColumnStatistics none = DescribeColumn({});
    EXPECT_EQ(none.m_Count, 0u);
    EXPECT_FALSE(none.m_Mean);
    EXPECT_FALSE(none.m_StandardDeviation);

    const std::vector<double> one{3.5};
    const ColumnStatistics single = DescribeColumn(one);
    EXPECT_EQ(*single.m_Mean, 3.5);
    EXPECT_FALSE(single.m_StandardDeviation);  // n - 1 = 0
    EXPECT_FALSE(single.m_RelativeDeviation);

    // A mean of 0 has no relative deviation.
    const std::vector<double> balanced{-1, 1};
    const ColumnStatistics zero = DescribeColumn(balanced);
    EXPECT_EQ(*zero.m_Mean, 0.0);
    EXPECT_DOUBLE_EQ(*zero.m_StandardDeviation, std::sqrt(2.0));
    EXPECT_FALSE(zero.m_RelativeDeviation);
}

}  // namespace
}  // namespace lx
