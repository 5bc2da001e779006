#include <gtest/gtest.h>

#include "core/SampleArray.h"

namespace lx {
namespace {

TEST(SampleArray, ReadsOutsideTheArrayGiveMinusOne) {
    SampleArray empty;
    EXPECT_FALSE(empty.IsAllocated());
    EXPECT_EQ(empty.At(0), -1);
    SampleArray a;
    a.Resize(2);
    a.SetAt(0, 5);
    a.SetAt(1, -1000);
    EXPECT_EQ(a.At(0), 5);
    EXPECT_EQ(a.At(1), -1000);
    EXPECT_EQ(a.At(2), -1);
    EXPECT_EQ(a.At(-1), -1);
}

TEST(SampleArray, WritingBeyondTheCountGrowsByTheStep) {
    SampleArray a;
    a.Allocate();
    EXPECT_EQ(a.size(), SampleArray::kInitialReservation);
    a.SetAt(26000, 7);
    EXPECT_EQ(a.size(), 26000u + 8000u);
    a.SetAt(26000 + 8000 + 8000 + 5, 9);  // two steps short: grows by as many steps as needed
    EXPECT_EQ(a.size(), 26000u + 3 * 8000u);
    EXPECT_EQ(a.At(26000), 7);
    EXPECT_EQ(a.At(26001), 0);
    a.Resize(26001);  // the recorder trims to the run's length
    EXPECT_EQ(a.size(), 26001u);
    EXPECT_EQ(a.At(26000), 7);
    EXPECT_EQ(a.At(26001), -1);
}

TEST(SampleArray, CopiesAreIndependent) {
    SampleArray a;
    a.Resize(3);
    a.SetAt(1, 4);
    SampleArray b = a;
    b.SetAt(1, 8);
    EXPECT_EQ(a.At(1), 4);
    EXPECT_EQ(b.At(1), 8);
    EXPECT_FALSE(a == b);
    b = a;
    EXPECT_TRUE(a == b);
}

// A run's samples move to its record while the channel's plot may still look at them.
TEST(SampleArray, AMovedFromArrayIsEmpty) {
    SampleArray a;
    a.Resize(3);
    SampleArray b = std::move(a);
    EXPECT_EQ(b.size(), 3u);
    EXPECT_TRUE(a.empty());
    EXPECT_EQ(a.end() - a.begin(), 0);
    a.Resize(2);
    b = std::move(a);
    EXPECT_EQ(b.size(), 2u);
    EXPECT_EQ(a.size(), 0u);
}

}  // namespace
}  // namespace lx
