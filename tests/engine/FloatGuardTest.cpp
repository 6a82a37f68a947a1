#include "engine/FloatGuard.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

// Volatile keeps the compiler from folding the faulting operations away.
volatile double Zero = 0.0;
volatile double Huge = std::numeric_limits<double>::max();

} // namespace

TEST(FloatGuard, DetectsEachWatchedFailureAndClearsOnReset) {
    kvor::FloatGuard guard;
    EXPECT_FALSE(guard.Failed());

    volatile double r = 1.0 / Zero;
    EXPECT_TRUE(guard.Failed()) << r;
    guard.Reset();
    EXPECT_FALSE(guard.Failed());

    r = Huge * 10.0;
    EXPECT_TRUE(guard.Failed()) << r;
    guard.Reset();

    r = Zero / Zero;
    EXPECT_TRUE(guard.Failed()) << r;
    guard.Reset();

    volatile long double x = static_cast<long double>(Huge);
    x = x * x; // fits in extended precision: no overflow until it is stored as double
    EXPECT_FALSE(guard.Failed());
    r = static_cast<double>(x);
    EXPECT_TRUE(guard.Failed()) << r;
}
