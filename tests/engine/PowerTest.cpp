#include "engine/Power.h"

#include "engine/FloatGuard.h"

#include <cfenv>
#include <cmath>
#include <gtest/gtest.h>

using kvor::Power;

TEST(Power, IntegralExponentsMultiplyOut) {
    struct Case {
        long double X, E, Expected;
    };
    const Case cases[] = {
        {0, 0, 1},
        {-7, 0, 1},
        {-2, 3, -8},
        {-2, -2, 0.25L},
        {3, 5, 243},
        {10, -3, 1e-3L},
        {1.5L, 2, 2.25L},
        {-1, 2147483647, -1},
        {2, 64, 18446744073709551616.0L},
        {0.5L, 10, 1 / 1024.0L},
    };
    for (const Case& c : cases) {
        const long double expected = c.Expected;
        EXPECT_NEAR(static_cast<double>(Power(c.X, c.E)), static_cast<double>(expected),
                    1e-18 * std::fabs(static_cast<double>(expected)))
            << static_cast<double>(c.X) << " ^ " << static_cast<double>(c.E);
    }
}

TEST(Power, FractionalExponentsGoThroughLogarithms) {
    EXPECT_NEAR(static_cast<double>(Power(8, 1.0L / 3)), 2.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(Power(30, 2.5)), std::pow(30.0, 2.5), 1e-12);
    EXPECT_EQ(Power(0, 0.5L), 0.0L);
    EXPECT_EQ(Power(0, -0.5L), 0.0L); // zero to a fractional power is 0, not a failure
    // Integral but beyond 32 bits: no longer multiplied out.
    EXPECT_EQ(Power(1, 3e9L), 1.0L);
}

TEST(Power, RaisesTheFlagOfEachFailure) {
    struct Case {
        long double X, E;
        int Flag;
    };
    const Case cases[] = {
        {-8, 1.0L / 3, FE_INVALID}, {0, -1, FE_DIVBYZERO},        {0, -2, FE_DIVBYZERO},
        {1e300L, 65, FE_OVERFLOW},  {1e300L, 20.5L, FE_OVERFLOW}, {-2, 3e9L, FE_INVALID},
    };
    for (const Case& c : cases) {
        kvor::FloatGuard guard;
        volatile double result = static_cast<double>(Power(c.X, c.E));
        EXPECT_TRUE(std::fetestexcept(c.Flag))
            << static_cast<double>(c.X) << " ^ " << static_cast<double>(c.E) << " = " << result;
        guard.Reset();
    }
}
