#include "engine/UnitLog.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>

// The deviates of fixed-seed runs depend on every bit of this logarithm: it must agree with the
// library's logl everywhere on (0, 1), on both sides of the 0.29 switch.
TEST(UnitLog, AgreesWithTheLibraryToTheLastBit) {
    std::uint32_t state = 12345;
    int checked = 0;
    for (int i = 0; i < 2000000; ++i) {
        state = state * 134775813u + 1u;
        const double u1 = 2.0 * (state * (1.0 / 4294967296.0)) - 1.0;
        state = state * 134775813u + 1u;
        const double u2 = 2.0 * (state * (1.0 / 4294967296.0)) - 1.0;
        const double s = static_cast<double>(static_cast<long double>(u1) * u1 +
                                             static_cast<long double>(u2) * u2);
        if (s >= 1.0 || s == 0.0) {
            continue;
        }
        ASSERT_EQ(kvor::UnitLog(s), std::log(static_cast<long double>(s))) << s;
        ++checked;
    }
    for (const double s : {0.71, 0.7099999999999999, 0.7100000000000001, 0.29, 1e-300,
                           std::nextafter(1.0, 0.0), 0.5, 4.9406564584124654e-324}) {
        EXPECT_EQ(kvor::UnitLog(s), std::log(static_cast<long double>(s))) << s;
    }
    EXPECT_GT(checked, 1500000);
}
