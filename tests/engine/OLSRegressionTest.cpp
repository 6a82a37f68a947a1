#include "LeastSquaresReference.h"

#include "engine/CriticalValues.h"
#include "engine/DataSet.h"
#include "engine/OLSRegression.h"
#include "engine/StudyDesign.h"

#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

using reference::Q;
using reference::ToDouble;

namespace {

kvor::DataSet MakeSet(const std::vector<double>& x, const std::vector<double>& y) {
    kvor::DataSet data;
    data.N = static_cast<int>(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        data.X[i] = x[i];
        data.Y[i] = y[i];
    }
    return data;
}

// t and F quantiles of an OLS fit with n pairs, from Boost.
kvor::CriticalValues ExactCritical(int n) {
    const boost::math::students_t t(n - 2);
    const boost::math::fisher_f f(2, n - 2);
    return {quantile(t, 0.975), quantile(t, 0.995), quantile(complement(f, 0.05)),
            quantile(complement(f, 0.01))};
}

kvor::StudyDesign TrueLine(double slope, double intercept) {
    kvor::StudyDesign design;
    design.TrueSlope = slope;
    design.TrueIntercept = intercept;
    return design;
}

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

} // namespace

TEST(DoOLSRegression, MatchesTheExactLeastSquaresFit) {
    const std::vector<double> x = {1, 2, 3, 4, 6, 7.5};
    const std::vector<double> y = {2.5, 3, 5.5, 6, 9, 10.25};
    std::vector<Q> qx, qy, qw;
    for (std::size_t i = 0; i < x.size(); ++i) {
        qx.push_back(Q(static_cast<long long>(x[i] * 4), 4));
        qy.push_back(Q(static_cast<long long>(y[i] * 4), 4));
        qw.push_back(1);
    }
    const reference::ExactFit e = reference::FitExactly(qx, qy, qw);
    const int n = 6;
    const double s2 = ToDouble(e.RSS / (n - 2));
    const double seSlope = std::sqrt(s2 / ToDouble(e.Sxx));
    const double seIntercept = std::sqrt(s2 * ToDouble(Q(1, n) + e.XBar * e.XBar / e.Sxx));

    const kvor::DataSet data = MakeSet(x, y);
    const kvor::CriticalValues crit = ExactCritical(n);
    const kvor::RegressionOutcome fit = kvor::DoOLSRegression(TrueLine(1, 1), crit, data);
    ASSERT_EQ(fit.FailCode, 0);
    EXPECT_TRUE(fit.Valid);
    EXPECT_NEAR(fit.Slope, ToDouble(e.Slope), 1e-14);
    EXPECT_NEAR(fit.Intercept, ToDouble(e.Intercept), 1e-13);
    EXPECT_NEAR(fit.SESlope, seSlope, 1e-14);
    EXPECT_NEAR(fit.SEIntercept, seIntercept, 1e-13);

    // Enclosure flags over a grid of true lines, against the interval and ellipse inequalities.
    const double b = ToDouble(e.Slope), a = ToDouble(e.Intercept);
    const double xbar = ToDouble(e.XBar), ybar = ToDouble(e.YBar), sxx = ToDouble(e.Sxx);
    int checked = 0;
    for (int i = -20; i <= 20; ++i) {
        for (int j = -20; j <= 20; ++j) {
            const double beta = b + i * 0.25 * seSlope;
            const double alpha = a + j * 0.3 * seIntercept;
            const kvor::RegressionOutcome r =
                kvor::DoOLSRegression(TrueLine(beta, alpha), crit, data);
            ASSERT_EQ(r.FailCode, 0);
            const double q =
                n * std::pow(alpha + beta * xbar - ybar, 2) + std::pow(beta - b, 2) * sxx;
            struct Level {
                double t, f;
                bool slope, intercept, region;
            };
            const Level levels[] = {
                {crit.Crit95, crit.F95, r.In95SlopeCI, r.In95InterceptCI, r.In95CR},
                {crit.Crit99, crit.F99, r.In99SlopeCI, r.In99InterceptCI, r.In99CR}};
            for (const Level& l : levels) {
                const double ds = std::fabs(beta - b) / (l.t * seSlope);
                const double di = std::fabs(alpha - a) / (l.t * seIntercept);
                const double dr = q / (2 * l.f * s2);
                if (std::fabs(ds - 1) > 1e-9) {
                    EXPECT_EQ(l.slope, ds < 1) << i << "," << j;
                }
                if (std::fabs(di - 1) > 1e-9) {
                    EXPECT_EQ(l.intercept, di < 1) << i << "," << j;
                }
                if (std::fabs(dr - 1) > 1e-9) {
                    EXPECT_EQ(l.region, dr < 1) << i << "," << j;
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 3000);
}

TEST(DoOLSRegression, PerfectLineHasZeroErrorsAndAPointRegion) {
    const kvor::DataSet data = MakeSet({1, 2, 3, 4, 5}, {3, 5, 7, 9, 11});
    const kvor::CriticalValues crit = ExactCritical(5);
    const kvor::RegressionOutcome fit = kvor::DoOLSRegression(TrueLine(2, 1), crit, data);
    ASSERT_EQ(fit.FailCode, 0);
    EXPECT_EQ(fit.Slope, 2.0);
    EXPECT_EQ(fit.Intercept, 1.0);
    EXPECT_EQ(fit.SESlope, 0.0);
    EXPECT_EQ(fit.SEIntercept, 0.0);
    EXPECT_TRUE(fit.In95SlopeCI && fit.In99SlopeCI && fit.In95InterceptCI && fit.In99InterceptCI);
    EXPECT_TRUE(fit.In95CR && fit.In99CR);

    const double nearSlopes[] = {std::nextafter(2.0, 3.0), std::nextafter(2.0, 1.0)};
    for (double s : nearSlopes) {
        const kvor::RegressionOutcome r = kvor::DoOLSRegression(TrueLine(s, 1), crit, data);
        EXPECT_FALSE(r.In95SlopeCI || r.In99SlopeCI || r.In95CR || r.In99CR) << s;
    }
    const kvor::RegressionOutcome r =
        kvor::DoOLSRegression(TrueLine(2, std::nextafter(1.0, 2.0)), crit, data);
    EXPECT_FALSE(r.In95InterceptCI || r.In99InterceptCI || r.In95CR || r.In99CR);
}

TEST(DoOLSRegression, ThreePairsFitWithOneDegreeOfFreedom) {
    const kvor::DataSet data = MakeSet({1, 2, 4}, {1.1, 1.9, 4.2});
    const kvor::CriticalValues crit = ExactCritical(3);
    EXPECT_NEAR(crit.Crit95, 12.706, 1e-3);
    const kvor::RegressionOutcome fit = kvor::DoOLSRegression(TrueLine(1, 0), crit, data);
    ASSERT_EQ(fit.FailCode, 0);
    EXPECT_TRUE(std::isfinite(fit.SESlope) && fit.SESlope > 0);
    EXPECT_TRUE(fit.In95SlopeCI && fit.In95CR);
}

TEST(DoOLSRegression, BadDataFailsWithTheRightCodeAndNeverANaN) {
    struct Case {
        const char* name;
        std::vector<double> x, y;
        int failCode;
    };
    const Case cases[] = {
        {"all X equal", {5, 5, 5, 5}, {1, 2, 3, 4}, 1},
        {"tiny X spread vanishes", {1e-200, 2e-200, 3e-200}, {1, 2, 3}, 1},
        // Regression: the one-pass and two-pass spreads of equal inexact X stay positive.
        {"all X equal to 0.1", {0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1}, {1, 2, 3, 4, 5, 6, 7}, 1},
        {"huge X overflows", {1e200, 2e200, 3e200}, {1, 2, 3}, 2},
        {"huge Y overflows", {1, 2, 3}, {1e300, -1e300, 1e300}, 2},
        {"two pairs leave no residual freedom", {1, 2}, {1, 3}, 2},
        {"NaN in Y", {1, 2, 3}, {1, NaN, 3}, 2},
        {"infinite Y", {1, 2, 3}, {1, Inf, 3}, 2},
        {"NaN in X", {1, NaN, 3}, {1, 2, 3}, 1},
    };
    for (const Case& c : cases) {
        const kvor::RegressionOutcome r =
            kvor::DoOLSRegression(TrueLine(1, 0), ExactCritical(5), MakeSet(c.x, c.y));
        EXPECT_EQ(r.FailCode, c.failCode) << c.name;
        EXPECT_FALSE(r.Valid) << c.name;
    }
}

TEST(DoOLSRegression, RoundingNeverTurnsANearPerfectLineIntoANaN) {
    // Decimal slopes and intercepts are inexact, so RSS can come out as a tiny negative number.
    for (int k = 1; k <= 200; ++k) {
        std::vector<double> x, y;
        for (int i = 0; i < 50; ++i) {
            x.push_back(10 + 0.37 * i);
            y.push_back(0.1 * k * x.back() + 0.3 * k);
        }
        const kvor::RegressionOutcome r =
            kvor::DoOLSRegression(TrueLine(0.1 * k, 0.3 * k), ExactCritical(50), MakeSet(x, y));
        ASSERT_EQ(r.FailCode, 0) << k;
        ASSERT_TRUE(std::isfinite(r.SESlope) && std::isfinite(r.SEIntercept)) << k;
        ASSERT_GE(r.SESlope, 0.0) << k;
    }
}
