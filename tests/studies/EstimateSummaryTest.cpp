#include "studies/EstimateSummary.h"

#include <boost/math/distributions/normal.hpp>
#include <gtest/gtest.h>

#include <cmath>

namespace kvor {
namespace {

TEST(SummariseEstimates, ReproducibleEstimatesLeaveZAndPEmpty) {
    // 1000 identical slopes of 1.5.
    const EstimateSummary s = SummariseEstimates(1500, 2250, 1000, 1, '.');
    EXPECT_EQ(s.Mean, 1.5);
    EXPECT_EQ(s.SD, 0);
    EXPECT_FALSE(s.HasZ);
    EXPECT_EQ(s.MeanText, " 1.5");
    EXPECT_EQ(s.SDText, " 0");
    EXPECT_EQ(s.ZText, "");
    EXPECT_EQ(s.PText, "");
}

TEST(SummariseEstimates, RoundingBelowZeroVarianceCountsAsZero) {
    // 0.1 squared is not exactly 0.01: the computed variance comes out a hair below zero.
    const double sum = 0.1 * 3;
    const double squares = 0.01 * 3 - 1e-18;
    const EstimateSummary s = SummariseEstimates(sum, squares, 3, 0, '.');
    EXPECT_EQ(s.SD, 0);
    EXPECT_EQ(s.ZText, "");
}

TEST(SummariseEstimates, ZAndPAgainstTheNormalDistribution) {
    // Half the sets at m + 1, half at m - 1: SD = sqrt(n / (n - 1)) and Z = (m - true) sqrt(n - 1).
    const int n = 1000;
    const double trueValue = 1;
    const double m = trueValue + 0.5 / std::sqrt(999.0);
    const EstimateSummary s = SummariseEstimates(n * m, n * (m * m + 1), n, trueValue, ',');
    EXPECT_NEAR(s.Mean, m, 1e-14);
    EXPECT_NEAR(s.SD, std::sqrt(1000.0 / 999.0), 1e-12);
    ASSERT_TRUE(s.HasZ);
    EXPECT_NEAR(s.Z, 0.5, 1e-9);
    EXPECT_EQ(s.ZText, "Z = 0,5");
    const boost::math::normal normal;
    const double p = 2 * boost::math::cdf(boost::math::complement(normal, 0.5));
    EXPECT_NEAR(s.P, p, 2e-7);
    EXPECT_EQ(s.PText.substr(0, 12), "P = 0,617075");

    // Far off: the P text floors.
    const EstimateSummary far = SummariseEstimates(n * 2.0, n * 5.0, n, trueValue, '.');
    EXPECT_NEAR(far.Z, std::sqrt(999.0), 1e-9);
    EXPECT_EQ(far.ZText, "Z = 31.6069613");
    EXPECT_EQ(far.PText, "P < 0.0001");
}

} // namespace
} // namespace kvor
