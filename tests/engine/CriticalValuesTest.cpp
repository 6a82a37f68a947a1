#include "engine/CriticalValues.h"

#include "engine/StudyDesign.h"

#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <gtest/gtest.h>

using kvor::ComputeCriticalValues;
using kvor::CriticalValues;
using kvor::RegressionType;
using kvor::StudyDesign;

namespace {

StudyDesign Design(RegressionType regression, int n) {
    StudyDesign design;
    design.Regression = regression;
    design.N = n;
    return design;
}

double RelativeGap(double actual, double expected) {
    return std::fabs(actual - expected) / expected;
}

} // namespace

TEST(ComputeCriticalValues, OlsUsesTAndFQuantilesWithNMinusTwoDegrees) {
    for (const int n : {3, 4, 5, 12, 100, 5000}) {
        const CriticalValues values = ComputeCriticalValues(Design(RegressionType::OLS, n));
        const boost::math::students_t t(n - 2);
        const boost::math::fisher_f f(2, n - 2);
        EXPECT_LT(RelativeGap(2 * cdf(complement(t, values.Crit95)), 0.05), 0.002) << n;
        EXPECT_LT(RelativeGap(2 * cdf(complement(t, values.Crit99)), 0.01), 0.002) << n;
        EXPECT_LT(RelativeGap(cdf(complement(f, values.F95)), 0.05), 0.0002) << n;
        EXPECT_LT(RelativeGap(cdf(complement(f, values.F99)), 0.01), 0.0002) << n;
        EXPECT_LT(values.Crit95, values.Crit99);
        EXPECT_LT(values.F95, values.F99);
    }
}

TEST(ComputeCriticalValues, SmallestDesignStaysFinite) {
    const CriticalValues values = ComputeCriticalValues(Design(RegressionType::OLS, 3));
    for (const double v : {values.Crit95, values.Crit99, values.F95, values.F99}) {
        EXPECT_TRUE(std::isfinite(v));
        EXPECT_GT(v, 0.0);
    }
    EXPECT_NEAR(values.Crit95, 12.695, 0.0005);
    EXPECT_NEAR(values.F95, 199.5, 0.05);
}

TEST(ComputeCriticalValues, WeightedFitsUseNormalQuantilesWhateverN) {
    for (const RegressionType regression : {RegressionType::WLS, RegressionType::Deming}) {
        for (const int n : {3, 50, 5000}) {
            const CriticalValues values = ComputeCriticalValues(Design(regression, n));
            const CriticalValues ols = ComputeCriticalValues(Design(RegressionType::OLS, n));
            EXPECT_EQ(values.Crit95, 1.96);
            EXPECT_EQ(values.Crit99, 2.576);
            EXPECT_EQ(values.F95, ols.F95);
            EXPECT_EQ(values.F99, ols.F99);
        }
    }
}
