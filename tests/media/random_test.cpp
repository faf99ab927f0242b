// The shared random generator: its exact sequence, seeding rules and the
// ranges the game relies on (including the intended bias below zero).
#include <gtest/gtest.h>

#include <map>

#include "headless.h"

namespace {

constexpr int64_t kModulus = 2147483647;

// An independent computation of the generator, in 64-bit arithmetic.
struct Reference {
    int64_t state;
    double Next() {
        int64_t s1 = state * 48271 % kModulus;
        int64_t s2 = s1 * 48271 % kModulus;
        state = s2;
        return (static_cast<double>(s1 & 0x1FFFFFFC) + static_cast<double>(s2 & 0x1FFFFFF8) / 134217728.0) /
               536870912.0;
    }
};

int64_t PowMod(int64_t base, int64_t exp) {
    int64_t result = 1;
    base %= kModulus;
    while (exp > 0) {
        if (exp & 1) result = result * base % kModulus;
        base = base * base % kModulus;
        exp >>= 1;
    }
    return result;
}

TEST(Random, SequenceMatchesAnIndependentComputation) {
    headless::Reset();
    for (int32_t seed : {1, 12345, 987654321, 0x7FFFFFFE}) {
        SeedRandom(seed);
        Reference ref{seed};
        for (int i = 0; i < 1000; ++i) {
            double r = ref.Next();
            int32_t expected = static_cast<int32_t>(-50 + r * 151);
            ASSERT_EQ(RandomInt(-50, 100), expected) << "seed " << seed << " draw " << i;
            ASSERT_EQ(RandomState(), ref.state);
        }
    }
}

TEST(Random, SeedingRules) {
    headless::Reset();
    EXPECT_EQ(RandomState(), 4660);  // before any seeding
    SeedRandom(0);
    EXPECT_EQ(RandomState(), 4660);
    SeedRandom(0x7FFFFFFF);
    EXPECT_EQ(RandomState(), 4660);
    SeedRandom(-1);  // 0xFFFFFFFF AND 0x7FFFFFFF is 0x7FFFFFFF
    EXPECT_EQ(RandomState(), 4660);
    SeedRandom(static_cast<int32_t>(0x80000005u));
    EXPECT_EQ(RandomState(), 5);
}

TEST(Random, RangesAndTheBiasBelowZero) {
    headless::Reset();
    SeedRandom(42);
    std::map<int, int> counts;
    const int n = 200000;
    for (int i = 0; i < n; ++i) ++counts[RandomInt(-2, 1)];
    EXPECT_NEAR(counts[-1] / double(n), 0.25, 0.01);
    EXPECT_NEAR(counts[0] / double(n), 0.50, 0.01);
    EXPECT_NEAR(counts[1] / double(n), 0.25, 0.01);
    EXPECT_EQ(counts[-2], 0);

    // Bounds in either order; both ends reached for a range from zero.
    std::map<int, int> dice;
    for (int i = 0; i < 60000; ++i) ++dice[RandomInt(5, 0)];
    ASSERT_EQ(dice.size(), 6u);
    for (auto& [v, count] : dice) EXPECT_NEAR(count / 60000.0, 1 / 6.0, 0.01) << v;

    for (int i = 0; i < 10000; ++i) {
        float f = RandomFloat(1.0f, -1.0f);
        ASSERT_GE(f, -1.0f);
        ASSERT_LE(f, 1.0f);
    }
}

TEST(Random, TheLargestDrawsStayBelowTheTopOfTheRange) {
    // Pick the state whose next step has every bit the draw keeps set: r is
    // then within 2^-27 of 1, which single precision would round to 1.0.
    headless::Reset();
    const int64_t inverse = PowMod(48271, kModulus - 2);
    for (int64_t high = 0; high < 4; ++high) {
        const int64_t s1 = (high << 29) | 0x1FFFFFFC;
        const int64_t state = s1 * inverse % kModulus;
        SeedRandom(static_cast<int32_t>(state));
        EXPECT_EQ(RandomInt(0, 1), 1);
        SeedRandom(static_cast<int32_t>(state));
        EXPECT_EQ(RandomInt(0, 99), 99);
        SeedRandom(static_cast<int32_t>(state));
        EXPECT_LT(RandomFloat(0.0f, 10.0f), 10.0f + 1e-5f);
    }
}

}  // namespace
