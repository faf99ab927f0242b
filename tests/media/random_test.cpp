// The shared random generator: its exact sequence, seeding rules and the
// ranges the game relies on (including the intended bias below zero).
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

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

// The generator as first written: Schrage's method in 32-bit integers, r
// built in double, each draw's bounds worked as the game's calls give them.
struct Schrage {
    int32_t state;
    static int32_t Step(int32_t s) {
        int32_t next = 48271 * (s % 44488) - 3399 * (s / 44488);
        if (next < 0) next += 2147483647;
        return next;
    }
    double Next() {
        const int32_t s1 = Step(state);
        const int32_t s2 = Step(s1);
        state = s2;
        return (static_cast<double>(s1 & 0x1FFFFFFC) + static_cast<double>(s2 & 0x1FFFFFF8) / 134217728.0) /
               536870912.0;
    }
    int32_t Int(int32_t a, int32_t b) {
        const int64_t lo = a < b ? a : b;
        const int64_t hi = a < b ? b : a;
        return static_cast<int32_t>(static_cast<double>(lo) + Next() * static_cast<double>(hi - lo + 1));
    }
    float Float(float a, float b) {
        const double lo = a < b ? a : b;
        const double hi = a < b ? b : a;
        return static_cast<float>(lo + Next() * (hi - lo));
    }
};

TEST(Random, LongRunsMatchSchragesMethod) {
    // Bounds the game uses and the extremes: ranges from zero, below zero
    // (where truncation toward zero gives the bias), reversed, single
    // values and the whole 32-bit range.
    struct Bounds {
        int32_t a, b;
    };
    const Bounds bounds[] = {{0, 1},     {0, 7},       {0, 29},      {0, 999},        {-2, 1},
                             {-50, 100}, {-3, 3},      {5, 0},       {1, -1},         {7, 7},
                             {-8, -8},   {-1000, -10}, {0, INT32_MAX}, {INT32_MIN, 0}, {INT32_MIN, INT32_MAX}};
    const float floats[][2] = {{0.0f, 1.0f}, {-1.0f, 1.0f}, {2.5f, -0.5f}, {0.0f, 360.0f}};
    headless::Reset();
    for (int32_t seed : {1, 4660, 12345, 987654321, 0x7FFFFFFE}) {
        SeedRandom(seed);
        Schrage old{seed};
        for (int32_t i = 0; i < 200000; ++i) {
            if (i % 7 == 6) {
                const float* f = floats[i % 4];
                ASSERT_EQ(RandomFloat(f[0], f[1]), old.Float(f[0], f[1])) << "seed " << seed << " draw " << i;
            } else {
                const Bounds& b = bounds[i % 15];
                ASSERT_EQ(RandomInt(b.a, b.b), old.Int(b.a, b.b)) << "seed " << seed << " draw " << i;
            }
            ASSERT_EQ(RandomState(), old.state) << "seed " << seed << " draw " << i;
        }
    }
}

TEST(Random, PairsWithASecondZeroAreTheDrawsOfSeparateCalls) {
    // Tops from 0 (every pair a hit) through the rain's densities to the
    // largest, and negative tops; each run from many states.
    const int32_t firstTops[] = {7, 0, 1, 99, INT32_MAX, -3};
    const int32_t secondTops[] = {0, 1, 2, 25, 29, 30, 400, 899, 900, 65535, INT32_MAX, -2};
    headless::Reset();
    for (int32_t seed = 1; seed < 400000000; seed += 19999999) {
        for (int32_t firstTop : firstTops) {
            for (int32_t secondTop : secondTops) {
                SeedRandom(seed);
                std::vector<int32_t> wantHits, wantFirsts;
                for (int32_t i = 0; i < 600; ++i) {
                    const int32_t first = RandomInt(0, firstTop);
                    if (RandomInt(0, secondTop) != 0) continue;
                    wantHits.push_back(i);
                    wantFirsts.push_back(first);
                }
                const int32_t wantState = RandomState();

                SeedRandom(seed);
                std::vector<int32_t> hits(600, -1), firsts(600, -1);
                const int32_t found = RandomPairsSecondZero(firstTop, secondTop, 600, hits.data(), firsts.data());
                const std::string where = "seed " + std::to_string(seed) + ", tops " + std::to_string(firstTop) +
                                          ", " + std::to_string(secondTop);
                ASSERT_EQ(found, static_cast<int32_t>(wantHits.size())) << where;
                hits.resize(found);
                firsts.resize(found);
                ASSERT_EQ(hits, wantHits) << where;
                ASSERT_EQ(firsts, wantFirsts) << where;
                ASSERT_EQ(RandomState(), wantState) << where;
            }
        }
    }
    // Nothing asked, nothing drawn.
    SeedRandom(77);
    EXPECT_EQ(RandomPairsSecondZero(7, 30, 0, nullptr, nullptr), 0);
    EXPECT_EQ(RandomState(), 77);
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
