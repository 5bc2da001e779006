#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "peaks/TruncatingDivision.h"

namespace lx {
namespace {

// Against the hardware's division: exact multiples (where a plain reciprocal falls short of
// the integer), their neighbours, the ends of the range, random values.
TEST(TruncatingDivision, EqualsIntegerDivisionTowardZero) {
    const std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    std::mt19937 random(7);
    auto check = [](std::int32_t n, std::int32_t d, double r) {
        ASSERT_EQ(DivideTowardZero(n, r), n / d) << n << " / " << d;
    };
    std::vector<std::int32_t> divisors;
    for (std::int32_t d = 1; d <= 3000; ++d)
        divisors.push_back(d);
    for (std::int32_t d : {65535, 65536, 1 << 20, 1 << 30, kMax - 1, kMax})
        divisors.push_back(d);
    for (std::int32_t d : divisors) {
        const double r = TruncatingReciprocal(d);
        for (std::int64_t q : {0LL, 1LL, 2LL, 3LL, 7LL, 49LL, 1000LL, 123457LL, 2147483LL}) {
            for (std::int64_t delta : {-1LL, 0LL, 1LL}) {
                for (std::int64_t sign : {-1LL, 1LL}) {
                    const std::int64_t n = sign * (q * d + delta);
                    if (n >= kMin && n <= kMax)
                        check(static_cast<std::int32_t>(n), d, r);
                }
            }
        }
        for (std::int32_t n : {kMin, kMin + 1, kMax, kMax - 1})
            check(n, d, r);
        for (int k = 0; k < 200; ++k)
            check(static_cast<std::int32_t>(random()), d, r);
    }
}

}  // namespace
}  // namespace lx
