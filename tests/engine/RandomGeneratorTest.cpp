#include "engine/RandomGenerator.h"
#include "engine/StudyDesign.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>

namespace {

// Reference step of the generator in 64-bit arithmetic, reduced modulo 2^32 by hand.
std::uint32_t ReferenceStep(std::uint32_t seed) {
    const std::uint64_t next =
        (static_cast<std::uint64_t>(seed) * 134775813ull + 1ull) % 4294967296ull;
    return static_cast<std::uint32_t>(next);
}

} // namespace

TEST(NextUniform, FollowsTheCongruentialRecurrence) {
    kvor::RandomGenerator generator(100000);
    std::uint32_t seed = 100000;
    for (int i = 0; i < 10000; ++i) {
        seed = ReferenceStep(seed);
        const double u = generator.NextUniform();
        ASSERT_EQ(generator.Seed(), seed);
        ASSERT_EQ(u, std::ldexp(static_cast<double>(seed), -32));
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
    }
}

TEST(SeedGenerator, FixedSeedIsSetsTimesN) {
    kvor::StudyDesign design;
    design.FixedSeed = true;
    design.N = 100;
    design.SetsPerRun = 1000;
    kvor::RandomGenerator generator;
    bool clockRead = false;
    kvor::SeedGenerator(generator, design, [&] {
        clockRead = true;
        return 0.5;
    });
    EXPECT_EQ(generator.Seed(), 100000u);
    EXPECT_FALSE(clockRead);
}

TEST(SeedGenerator, ClockSeedCountsHundredthsOfASecond) {
    kvor::StudyDesign design;
    design.FixedSeed = false;
    struct Case {
        double fraction;
        std::uint32_t seed;
    };
    // 0.123456789 * 8640000 = 1066666.65...; 12:00 is 4320000; 23:59:59.99 is 8639999.
    const Case cases[] = {
        {0.0, 0u}, {0.5, 4320000u}, {0.123456789, 1066667u}, {8639999.0 / 8640000.0, 8639999u}};
    for (const Case& c : cases) {
        kvor::RandomGenerator generator;
        kvor::SeedGenerator(generator, design, [&] { return c.fraction; });
        EXPECT_EQ(generator.Seed(), c.seed) << c.fraction;
    }
}

TEST(NormalDeviate, UsesTheFirstUniformOfAnAcceptedPairOnly) {
    // Replays the polar method on the reference recurrence: u1 then u2, rejected pairs skipped.
    const std::uint32_t start = 4242;
    kvor::RandomGenerator generator(start);
    std::uint32_t seed = start;
    for (int k = 0; k < 200; ++k) {
        long double u1 = 0;
        long double s = 0;
        int uniforms = 0;
        do {
            seed = ReferenceStep(seed);
            u1 = 2.0L * std::ldexp(static_cast<long double>(seed), -32) - 1;
            seed = ReferenceStep(seed);
            const long double u2 = 2.0L * std::ldexp(static_cast<long double>(seed), -32) - 1;
            s = static_cast<double>(u1 * u1 + u2 * u2);
            uniforms += 2;
        } while (s >= 1 || s == 0);
        const double expected = static_cast<double>(std::sqrt(-2 * std::log(s) / s) * u1 * 3 + 7);
        const double got = generator.NormalDeviate(7, 3);
        ASSERT_NEAR(got, expected, 1e-14 * std::fabs(expected)) << k;
        ASSERT_EQ(generator.Seed(), seed) << k << " after " << uniforms << " uniforms";
    }
}

TEST(NormalDeviate, HasTheRequestedMeanAndSpread) {
    kvor::RandomGenerator generator(100000);
    const int n = 200000;
    long double sum = 0;
    long double sumSq = 0;
    for (int i = 0; i < n; ++i) {
        const long double z = generator.NormalDeviate(10, 2);
        sum += z;
        sumSq += z * z;
    }
    const long double mean = sum / n;
    const long double var = (sumSq - sum * sum / n) / (n - 1);
    // Five standard errors of the mean (2 / sqrt(n)) and of the variance (4 * sqrt(2 / n)).
    EXPECT_NEAR(static_cast<double>(mean), 10.0, 5 * 2 / std::sqrt(n));
    EXPECT_NEAR(static_cast<double>(var), 4.0, 5 * 4 * std::sqrt(2.0 / n));
}

namespace {

// The polar test as the deviates make it: u = 2 k 2^-32 - 1 in extended precision, s rounded to
// double.
bool ExtendedPolarAccepts(std::uint32_t first, std::uint32_t second) {
    const auto uniform = [](std::uint32_t k) {
        return static_cast<double>(2.0L * (static_cast<double>(k) / 4294967296.0) - 1.0L);
    };
    const double u1 = uniform(first);
    const double u2 = uniform(second);
    const double s =
        static_cast<double>(static_cast<long double>(u2) * u2 + static_cast<long double>(u1) * u1);
    return s < 1.0 && s != 0.0;
}

std::uint32_t StateOf(long long j) {
    return static_cast<std::uint32_t>(j + 2147483648LL);
}

} // namespace

TEST(PolarAccepts, AgreesWithTheTestOnTheDeviatesAtTheUnitCircleAndEverywhereElse) {
    // j1^2 + j2^2 - 2^62 for each pair: s lies within a few units of 2^-62 below 1, where the
    // rounding to double decides.
    struct Pair {
        long long J1, J2;
        int Offset;
        bool Accepted;
    };
    const Pair edges[] = {{1752138231, 1241651174, -267, true},
                          {1716218455, 1290844775, -254, false},
                          {1561131292, 1474637280, -240, false},
                          {1577513490, 1457098901, -3, false},
                          {1717947596, 1288542617, 1, false},
                          {-2147483648LL, 0, 0, false},
                          {0, 0, 0, false}};
    for (const Pair& p : edges) {
        for (const long long sign : {1, -1}) {
            const std::uint32_t a = StateOf(p.J1 * sign);
            const std::uint32_t b = StateOf(p.J2);
            EXPECT_EQ(kvor::PolarAccepts(a, b), p.Accepted) << p.Offset;
            EXPECT_EQ(kvor::PolarAccepts(b, a), p.Accepted) << p.Offset;
            EXPECT_EQ(ExtendedPolarAccepts(a, b), p.Accepted) << p.Offset;
        }
    }
    kvor::RandomGenerator states(12345);
    for (int i = 0; i < 1000000; ++i) {
        const auto a = static_cast<std::uint32_t>(states.NextUniform() * 4294967296.0);
        const auto b = static_cast<std::uint32_t>(states.NextUniform() * 4294967296.0);
        ASSERT_EQ(kvor::PolarAccepts(a, b), ExtendedPolarAccepts(a, b)) << a << ' ' << b;
    }
}

TEST(SkipDeviate, LeavesTheGeneratorWhereADeviateLeavesIt) {
    for (std::uint32_t seed : {0u, 1u, 100000u, 2147483648u, 4294967295u}) {
        kvor::RandomGenerator drawn(seed);
        kvor::RandomGenerator skipped(seed);
        for (int i = 0; i < 100000; ++i) {
            drawn.NormalDeviate(0, 1);
            skipped.SkipDeviate();
            ASSERT_EQ(skipped.Seed(), drawn.Seed()) << seed << ' ' << i;
        }
    }
}
