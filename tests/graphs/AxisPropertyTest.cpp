#include "graphs/AxisScale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <set>
#include <string>

namespace {

using kvor::AxisScale;

const std::set<int> ListedStepMantissas = {1, 2, 25, 5, 3, 4, 6, 7, 8, 9, 125, 15, 16, 18};

// Checks a made linear axis: interval count, step mantissa, coverage of [low, high] within
// rounding of the step, and every tick label within LabelWidth.
void ExpectSoundAxis(const AxisScale& axis, double low, double high, const std::string& what) {
    SCOPED_TRACE(what);
    EXPECT_GE(axis.Intervals, 1);
    EXPECT_LE(axis.Intervals, 10);
    EXPECT_TRUE(ListedStepMantissas.count(axis.StepMantissa)) << axis.StepMantissa;
    const double start = kvor::AxisStart(axis);
    const double end = kvor::AxisEnd(axis);
    const double step = kvor::AxisStep(axis);
    const double tolerance = 1e-9 * step;
    EXPECT_LE(start, low + tolerance) << start << " " << low;
    EXPECT_GE(end, high - tolerance) << end << " " << high;
    for (int k = 0; k <= axis.Intervals; ++k) {
        const std::string label = kvor::FormatAxisLabel(kvor::AxisTick(axis, k), axis);
        EXPECT_LE(static_cast<int>(label.size()), axis.LabelWidth) << label;
    }
}

class RangeMaker {
public:
    double LogUniform(double lowExp, double highExp) {
        return std::pow(10.0, std::uniform_real_distribution<double>(lowExp, highExp)(m_engine));
    }
    // Ranges whose width ranges from hairline to many decades relative to their level.
    double Wider(double level) { return level * (1 + LogUniform(-6, 2)); }
    bool Coin() { return std::bernoulli_distribution(0.5)(m_engine); }

private:
    std::mt19937_64 m_engine{20261210};
};

TEST(ScalePositiveAxis, RandomRangesGiveSoundAxesOrRefusals) {
    RangeMaker maker;
    int made = 0;
    for (int i = 0; i < 40000; ++i) {
        double lo = maker.LogUniform(-12, 299);
        double hi = maker.Wider(lo);
        if (i % 4 == 0) {
            lo = -lo; // asks for an axis from zero
        }
        if (i % 7 == 0) {
            lo = 0;
        }
        const AxisScale axis = kvor::ScalePositiveAxis(lo, hi);
        const bool refused = hi > 1e300 || hi < 1e-6 || (lo > 0 && hi / lo < 1.001);
        if (refused) {
            EXPECT_EQ(axis.Intervals, 0) << lo << " " << hi;
            continue;
        }
        ++made;
        ExpectSoundAxis(axis, std::max(lo, 0.0), hi, std::to_string(lo) + " " + std::to_string(hi));
        if (lo <= 0) {
            EXPECT_EQ(axis.StartMantissa, 0);
        }
        if (testing::Test::HasFailure()) {
            return;
        }
    }
    EXPECT_GT(made, 10000);
}

TEST(ScaleSignedAxis, RandomRangesGiveSoundAxesOrRefusals) {
    RangeMaker maker;
    int made = 0;
    for (int i = 0; i < 40000; ++i) {
        double lo = 0;
        double hi = 0;
        switch (i % 4) {
        case 0: // positive
            lo = maker.LogUniform(-8, 7.2);
            hi = maker.Wider(lo);
            break;
        case 1: // negative
            hi = -maker.LogUniform(-8, 7.2);
            lo = -maker.Wider(-hi);
            break;
        case 2: // straddling zero
            lo = -maker.LogUniform(-8, 7.2);
            hi = maker.LogUniform(-8, 7.2);
            break;
        default: // touching zero
            lo = maker.Coin() ? 0 : -maker.LogUniform(-8, 7.2);
            hi = lo == 0 ? maker.LogUniform(-8, 7.2) : 0;
            break;
        }
        const AxisScale axis = kvor::ScaleSignedAxis(lo, hi);
        // A lower value of exactly zero counts as straddling.
        const bool straddle = lo <= 0 && hi > 0;
        const double span = straddle ? hi - (lo == 0 ? -1e-10 : lo) : (hi > 0 ? hi : -lo);
        const bool refused = (lo > 0 && hi / lo < 1.00001) || (hi < 0 && lo / hi < 1.00001) ||
                             (!straddle && span < 1e-6) || span > 1e8 ||
                             std::fabs(hi - lo) < 9.999e-7 || hi >= 1e7 || lo <= -9999999;
        const std::string what = std::to_string(lo) + " " + std::to_string(hi);
        if (refused) {
            EXPECT_EQ(axis.Intervals, 0) << what;
            continue;
        }
        ++made;
        ExpectSoundAxis(axis, lo, hi, what);
        if (testing::Test::HasFailure()) {
            return;
        }
    }
    EXPECT_GT(made, 20000);
}

TEST(ScaleZeroBasedAxis, RandomTopsGiveSoundAxes) {
    RangeMaker maker;
    for (int i = 0; i < 20000; ++i) {
        const double b = maker.LogUniform(-16, 17);
        const double a = maker.Coin() ? 0 : maker.LogUniform(-20, 17);
        const AxisScale axis = kvor::ScaleZeroBasedAxis(a, b);
        const double top = std::clamp(a / b >= 1e-6 ? b + a / 2 : 1.2 * b, 1e-14, 1e15);
        ExpectSoundAxis(axis, 0, top, std::to_string(a) + " " + std::to_string(b));
        EXPECT_EQ(axis.StartMantissa, 0);
        if (testing::Test::HasFailure()) {
            return;
        }
    }
}

TEST(AxisRoutines, NaNIsRefusedEverywhere) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (auto routine : {kvor::ScalePositiveAxis, kvor::ScaleSignedAxis, kvor::ScaleZeroBasedAxis,
                         kvor::ScaleLogAxis, kvor::ScaleLogAxisTrimmed}) {
        EXPECT_EQ(routine(nan, 10).Intervals, 0);
        EXPECT_EQ(routine(1, nan).Intervals, 0);
        EXPECT_EQ(routine(nan, nan).Intervals, 0);
    }
    EXPECT_EQ(kvor::ScaleZeroBasedAxis(nan, 0).Intervals, 0);
}

TEST(AxisRoutines, InfinitiesAndHugeValuesFollowTheRulesOrAreRefused) {
    const double inf = std::numeric_limits<double>::infinity();
    // An infinite lower value asks for an axis from zero.
    const AxisScale fromZero = kvor::ScalePositiveAxis(-inf, 10.000001);
    EXPECT_EQ(fromZero.Intervals, 5);
    EXPECT_EQ(fromZero.StartMantissa, 0);
    EXPECT_EQ(kvor::ScalePositiveAxis(1, inf).Intervals, 0);
    EXPECT_EQ(kvor::ScalePositiveAxis(inf, inf).Intervals, 0);
    EXPECT_EQ(kvor::ScalePositiveAxis(0, 1e305).Intervals, 0);
    EXPECT_EQ(kvor::ScalePositiveAxis(0, std::numeric_limits<double>::max()).Intervals, 0);
    EXPECT_GT(kvor::ScalePositiveAxis(0, 1e300).Intervals, 0);
    EXPECT_EQ(kvor::ScaleSignedAxis(-inf, 1).Intervals, 0);
    EXPECT_EQ(kvor::ScaleSignedAxis(-1, inf).Intervals, 0);
    EXPECT_EQ(kvor::ScaleSignedAxis(-inf, -1).Intervals, 0);
    EXPECT_EQ(kvor::ScaleSignedAxis(-inf, inf).Intervals, 0);
    // The zero-based top is clamped to 1e15.
    for (const auto& [a, b] : {std::pair{0.0, inf}, {inf, 1.0}, {1.0, 1e300}, {inf, inf}}) {
        const AxisScale top = kvor::ScaleZeroBasedAxis(a, b);
        EXPECT_EQ(kvor::AxisEnd(top), 1e15) << a << " " << b;
        EXPECT_EQ(top.LabelWidth, 16);
    }
    EXPECT_EQ(kvor::ScaleZeroBasedAxis(0, -inf).Intervals, 5); // clamped to 1e-14
    EXPECT_EQ(kvor::ScaleLogAxis(1, inf).Intervals, 0);
    EXPECT_EQ(kvor::ScaleLogAxisTrimmed(0, 10).Intervals, 0);
    EXPECT_EQ(kvor::ScaleLogAxis(-1, 10).Intervals, 0);
    EXPECT_EQ(kvor::ScaleLogAxis(1e-300, 1e300).Intervals, 600);
}

} // namespace
