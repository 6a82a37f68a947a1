#include "engine/Distributions.h"

#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/special_functions/beta.hpp>
#include <cmath>
#include <gtest/gtest.h>

using kvor::FQuantile;
using kvor::IncompleteBeta;
using kvor::NormalTwoSidedP;
using kvor::TQuantile;

namespace {

double ExactTwoSidedT(int df, double t) {
    return 2 * cdf(complement(boost::math::students_t(df), t));
}

double ExactUpperF(int df1, int df2, double f) {
    return cdf(complement(boost::math::fisher_f(df1, df2), f));
}

} // namespace

TEST(TQuantile, ReproducesTheLooseBisectionValues) {
    // The exact quantile for df = 1 is 12.706; the 0.1% stop in the probability lands earlier.
    EXPECT_NEAR(TQuantile(1, 0.05), 12.695, 0.0005);
    EXPECT_NEAR(TQuantile(98, 0.05), 1.9843, 0.00005);
}

TEST(FQuantile, ReproducesTheLooseBisectionValues) {
    EXPECT_NEAR(FQuantile(2, 1, 0.05), 199.5, 0.05);
    EXPECT_NEAR(FQuantile(2, 98, 0.01), 4.83, 0.005);
}

TEST(TQuantile, MatchesTheExactTailProbabilityOverEveryDegreeOfFreedomUsed) {
    double worst = 0;
    for (const double p : {0.05, 0.01}) {
        for (int df = 1; df <= 4998; ++df) {
            const double t = TQuantile(df, p);
            const double relative = std::fabs(ExactTwoSidedT(df, t) - p) / p;
            ASSERT_LT(relative, 0.002) << "df " << df << " p " << p << " t " << t;
            worst = std::max(worst, relative);
        }
    }
    RecordProperty("WorstRelativeError", std::to_string(worst));
}

TEST(FQuantile, MatchesTheExactTailProbabilityOverEveryDegreeOfFreedomUsed) {
    double worst = 0;
    for (const double p : {0.05, 0.01}) {
        for (int df = 1; df <= 4998; ++df) {
            const double f = FQuantile(2, df, p);
            const double relative = std::fabs(ExactUpperF(2, df, f) - p) / p;
            ASSERT_LT(relative, 0.0002) << "df " << df << " p " << p << " F " << f;
            worst = std::max(worst, relative);
        }
    }
    RecordProperty("WorstRelativeError", std::to_string(worst));
}

TEST(FQuantile, OtherNumeratorDegreesOfFreedomUseTheirBrackets) {
    struct Case {
        int Df1, Df2;
        double P;
    };
    const Case cases[] = {{1, 10, 0.05}, {3, 1, 0.05}, {5, 2, 0.01}, {4, 30, 0.05}, {10, 50, 0.01}};
    for (const Case& c : cases) {
        const double f = FQuantile(c.Df1, c.Df2, c.P);
        EXPECT_LT(std::fabs(ExactUpperF(c.Df1, c.Df2, f) - c.P) / c.P, 0.0002)
            << c.Df1 << ", " << c.Df2 << " at " << c.P;
    }
}

TEST(Quantiles, ProbabilitiesAtOrBelowTheLimitActAsTheLimit) {
    for (const int df : {1, 3, 10, 500}) {
        for (const double p : {0.0005, 0.0, -1.0}) {
            EXPECT_EQ(TQuantile(df, p), TQuantile(df, 0.001)) << df << " " << p;
            EXPECT_EQ(FQuantile(2, df, p), FQuantile(2, df, 0.001)) << df << " " << p;
        }
    }
    EXPECT_LT(std::fabs(ExactTwoSidedT(3, TQuantile(3, 0.0001)) - 0.001) / 0.001, 0.002);
}

TEST(Quantiles, EndWithoutHangingForProbabilitiesTheyCannotReach) {
    // Above 1 no quantile exists; the search narrows to the bottom of its bracket and stops.
    EXPECT_NEAR(TQuantile(10, 2.0), 0.00001, 1e-9);
    EXPECT_NEAR(FQuantile(2, 10, 2.0), 0.00001, 1e-9);
}

TEST(IncompleteBeta, IsExactAtTheEnds) {
    for (const double a : {0.5, 1.0, 49.0, 2499.0}) {
        for (const double b : {0.5, 1.0, 3.0}) {
            EXPECT_EQ(IncompleteBeta(a, b, 0.0), 0.0);
            EXPECT_EQ(IncompleteBeta(a, b, 1.0), 1.0);
        }
    }
}

TEST(IncompleteBeta, AgreesWithTheExactFunctionWithinItsLooseTolerance) {
    for (const double a : {0.5, 1.0, 2.5, 10.0, 49.0, 500.0, 2499.0}) {
        for (const double b : {0.5, 1.0, 3.0, 20.0}) {
            for (int i = 1; i < 100; ++i) {
                const double x = i / 100.0;
                const double exact = boost::math::ibeta(a, b, x);
                if (exact < 1e-300) {
                    continue;
                }
                EXPECT_LT(std::fabs(IncompleteBeta(a, b, x) - exact) / exact, 0.005)
                    << "a " << a << " b " << b << " x " << x;
            }
        }
    }
}

TEST(LogGamma, AgreesWithTheStandardLibrary) {
    for (double x = 0.01; x < 5000; x *= 1.1) {
        EXPECT_NEAR(kvor::LogGamma(x), std::lgamma(x),
                    1e-9 * std::max(1.0, std::fabs(std::lgamma(x))))
            << x;
    }
}

TEST(NormalTwoSidedP, FollowsThePolynomialApproximation) {
    EXPECT_NEAR(NormalTwoSidedP(1.96), 0.049996, 5e-7);
    EXPECT_LT(NormalTwoSidedP(0.0), 1.0);
    EXPECT_NEAR(NormalTwoSidedP(0.0), 0.999999998, 1e-9);
    for (double z = 0; z < 8; z += 0.01) {
        EXPECT_EQ(NormalTwoSidedP(-z), NormalTwoSidedP(z)) << z;
        // The approximation is good to 7.5e-8 in each tail.
        EXPECT_NEAR(NormalTwoSidedP(z), std::erfc(z / std::sqrt(2.0)), 1.5e-7) << z;
    }
}
