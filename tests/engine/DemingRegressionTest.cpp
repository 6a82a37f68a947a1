#include "engine/DemingRegression.h"
#include "engine/CriticalValues.h"
#include "engine/DataSet.h"
#include "engine/DemingScratch.h"
#include "engine/StudyDesign.h"
#include "engine/TruePointWeights.h"
#include "engine/VarianceFunctions.h"

#include <boost/math/distributions/fisher_f.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <vector>

namespace {

using kvor::CriticalValues;
using kvor::DataSet;
using kvor::DemingScratch;
using kvor::RegressionOutcome;
using kvor::StudyDesign;
using kvor::VarianceFunction;

// Form 2 with B2 = 0 and J = 1: the variance v everywhere.
VarianceFunction Constant(double v) {
    VarianceFunction f;
    f.Form = 2;
    f.Para = 0;
    f.B1 = v;
    f.B2 = 0;
    f.J = 1;
    return f;
}

// Form 2, (cv * level)^2: a constant coefficient of variation.
VarianceFunction Proportional(double cv) {
    VarianceFunction f;
    f.Form = 2;
    f.Para = 0;
    f.B1 = 0;
    f.B2 = cv;
    f.J = 2;
    return f;
}

// Form 3 with V = level, so a weight of 1/V reveals the level it was taken at.
VarianceFunction Identity() {
    VarianceFunction f;
    f.Form = 3;
    f.B1 = 0;
    f.B2 = 1;
    f.J = 1;
    return f;
}

StudyDesign DemingDesign(VarianceFunction xv, VarianceFunction yv, double slope = 1,
                         double intercept = 0) {
    StudyDesign d;
    d.Regression = kvor::RegressionType::Deming;
    d.XVariance = xv;
    d.YVariance = yv;
    d.TrueSlope = slope;
    d.TrueIntercept = intercept;
    return d;
}

CriticalValues DemingCriticalValues(int n) {
    const boost::math::fisher_f f(2, n - 2);
    return {1.96, 2.576, boost::math::quantile(boost::math::complement(f, 0.05)),
            boost::math::quantile(boost::math::complement(f, 0.01))};
}

// The set's extremes as the data-set generation records them for Deming data.
std::unique_ptr<DataSet> MakeDataSet(const std::vector<double>& x, const std::vector<double>& y) {
    auto set = std::make_unique<DataSet>();
    set->N = static_cast<int>(x.size());
    std::copy(x.begin(), x.end(), set->X.begin());
    std::copy(y.begin(), y.end(), set->Y.begin());
    set->SetXMin = 1e12;
    set->SetXMax = 0;
    set->SetYMin = 1e15;
    set->SetYMax = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        set->SetXMin = std::min(set->SetXMin, x[i]);
        set->SetXMax = std::max(set->SetXMax, x[i]);
        set->SetYMin = std::min(set->SetYMin, y[i]);
        set->SetYMax = std::max(set->SetYMax, y[i]);
    }
    return set;
}

// Pairs around slope * X + intercept, X uniform on [lo, hi], both observed with the error SDs
// of the variance functions at the true values.
std::unique_ptr<DataSet> SimulatedSet(std::mt19937& rng, int n, double slope, double intercept,
                                      double lo, double hi, double (*sdX)(double),
                                      double (*sdY)(double)) {
    std::uniform_real_distribution<double> level(lo, hi);
    std::normal_distribution<double> z(0.0, 1.0);
    std::vector<double> x(n);
    std::vector<double> y(n);
    for (int i = 0; i < n; ++i) {
        const double tx = level(rng);
        const double ty = slope * tx + intercept;
        x[i] = tx + sdX(tx) * z(rng);
        y[i] = ty + sdY(ty) * z(rng);
    }
    return MakeDataSet(x, y);
}

bool AllFinite(const RegressionOutcome& r) {
    return std::isfinite(r.Slope) && std::isfinite(r.Intercept) && std::isfinite(r.SESlope) &&
           std::isfinite(r.SEIntercept);
}

// Classical Deming slope for the error-variance ratio delta = Vy / Vx, from centred sums.
struct ClosedForm {
    double Slope;
    double Intercept;
};

ClosedForm ClassicalDeming(const DataSet& d, double delta) {
    long double mx = 0;
    long double my = 0;
    for (int i = 0; i < d.N; ++i) {
        mx += d.X[i];
        my += d.Y[i];
    }
    mx /= d.N;
    my /= d.N;
    long double sxx = 0;
    long double syy = 0;
    long double sxy = 0;
    for (int i = 0; i < d.N; ++i) {
        sxx += (d.X[i] - mx) * (d.X[i] - mx);
        syy += (d.Y[i] - my) * (d.Y[i] - my);
        sxy += (d.X[i] - mx) * (d.Y[i] - my);
    }
    const long double u = syy - delta * sxx;
    const long double b = (u + std::sqrt(u * u + 4 * delta * sxy * sxy)) / (2 * sxy);
    return {static_cast<double>(b), static_cast<double>(my - b * mx)};
}

TEST(DoDemingRegression, ConstantVariancesGiveTheClassicalDemingLine) {
    struct Case {
        double Vx;
        double Vy;
        double Slope;
        double Intercept;
        int N;
        unsigned Seed;
    };
    const std::vector<Case> cases = {
        {1, 1, 1.0, 0.0, 100, 1},  {1, 4, 1.1, 5.0, 30, 2},      {0.5, 0.02, 0.8, -3.0, 12, 3},
        {9, 1, 2.5, 10.0, 500, 4}, {0.2, 0.2, -0.7, 90.0, 3, 5}, {4, 1, 0.05, 2.0, 40, 6},
    };
    auto scratch = std::make_unique<DemingScratch>();
    for (const Case& c : cases) {
        std::mt19937 rng(c.Seed);
        std::uniform_real_distribution<double> level(10.0, 100.0);
        std::normal_distribution<double> z(0.0, 1.0);
        std::vector<double> x(c.N);
        std::vector<double> y(c.N);
        for (int i = 0; i < c.N; ++i) {
            const double tx = level(rng);
            x[i] = tx + std::sqrt(c.Vx) * z(rng);
            y[i] = c.Slope * tx + c.Intercept + std::sqrt(c.Vy) * z(rng);
        }
        const auto set = MakeDataSet(x, y);
        const StudyDesign design = DemingDesign(Constant(c.Vx), Constant(c.Vy));
        const RegressionOutcome r =
            kvor::DoDemingRegression(design, DemingCriticalValues(c.N), *set, *scratch);
        const ClosedForm expected = ClassicalDeming(*set, c.Vy / c.Vx);
        SCOPED_TRACE(testing::Message() << "Vx " << c.Vx << " Vy " << c.Vy << " N " << c.N);
        ASSERT_EQ(r.FailCode, 0);
        EXPECT_NEAR(r.Slope, expected.Slope, 1e-6 * std::fabs(expected.Slope));
        EXPECT_NEAR(r.Intercept, expected.Intercept,
                    1e-6 * (std::fabs(expected.Intercept) + 100 * std::fabs(expected.Slope)));
        // Constant weights survive the reweighting, so pass 2 finds the same slope and stops.
        EXPECT_EQ(scratch->Passes, 2);
    }
}

TEST(DoDemingRegression, ExactLineGivesZeroMinimumAndARegionOfOnlyTheFittedPoint) {
    std::vector<double> x;
    std::vector<double> y;
    for (int i = 1; i <= 9; ++i) {
        x.push_back(i);
        y.push_back(2.0 * i + 3.0);
    }
    const auto set = MakeDataSet(x, y);
    auto scratch = std::make_unique<DemingScratch>();
    const CriticalValues crit = DemingCriticalValues(set->N);
    const RegressionOutcome fit = kvor::DoDemingRegression(
        DemingDesign(Constant(1), Constant(1), 2.0, 3.0), crit, *set, *scratch);
    ASSERT_EQ(fit.FailCode, 0);
    ASSERT_TRUE(fit.Valid);
    EXPECT_NEAR(fit.Slope, 2.0, 1e-12);
    EXPECT_NEAR(fit.Intercept, 3.0, 1e-11);
    EXPECT_LE(scratch->FMin, 1e-24);

    struct Probe {
        double SlopeOffset;
        double InterceptOffset;
        bool Inside;
    };
    const std::vector<Probe> probes = {
        {0, 0, true}, {1e-6, 0, false}, {-1e-6, 0, false}, {0, 1e-6, false}, {0, -1e-6, false}};
    for (const Probe& p : probes) {
        const StudyDesign design = DemingDesign(Constant(1), Constant(1), fit.Slope + p.SlopeOffset,
                                                fit.Intercept + p.InterceptOffset);
        const RegressionOutcome r = kvor::DoDemingRegression(design, crit, *set, *scratch);
        SCOPED_TRACE(testing::Message()
                     << "offsets " << p.SlopeOffset << ", " << p.InterceptOffset);
        ASSERT_TRUE(r.Valid);
        EXPECT_EQ(r.In95CR, p.Inside);
        EXPECT_EQ(r.In99CR, p.Inside);
    }
}

TEST(DoDemingRegression, SetWithoutProfileLimitsIsInvalidButKeepsItsLine) {
    // Variances far above the scatter keep the whole objective below fmin + 1.
    std::mt19937 rng(11);
    const auto set = SimulatedSet(
        rng, 10, 1.0, 0.0, 10, 100, [](double) { return 1.0; }, [](double) { return 1.0; });
    auto scratch = std::make_unique<DemingScratch>();
    const RegressionOutcome r = kvor::DoDemingRegression(DemingDesign(Constant(1e6), Constant(1e6)),
                                                         DemingCriticalValues(10), *set, *scratch);
    ASSERT_EQ(r.FailCode, 0);
    EXPECT_FALSE(r.Valid);
    for (double v : scratch->StoredValues) {
        EXPECT_LE(v, scratch->FMin + 1);
    }
    const ClosedForm expected = ClassicalDeming(*set, 1.0);
    EXPECT_NEAR(r.Slope, expected.Slope, 1e-6 * std::fabs(expected.Slope));
    EXPECT_FALSE(r.In95SlopeCI || r.In99SlopeCI || r.In95InterceptCI || r.In99InterceptCI ||
                 r.In95CR || r.In99CR);
}

// Monte Carlo coverage of the profile intervals and the joint region: each share of 2000 sets
// must lie within about 3.5 binomial SDs of its nominal level.
TEST(DoDemingRegression, IntervalsAndRegionCoverAtTheirNominalRates) {
    struct Case {
        const char* Name;
        VarianceFunction Xv;
        VarianceFunction Yv;
        double (*SdX)(double);
        double (*SdY)(double);
    };
    const std::vector<Case> cases = {
        {"constant", Constant(4), Constant(9), [](double) { return 2.0; },
         [](double) { return 3.0; }},
        {"proportional", Proportional(0.05), Proportional(0.08), [](double v) { return 0.05 * v; },
         [](double v) { return 0.08 * v; }},
    };
    constexpr int Sets = 2000;
    constexpr int N = 40;
    const CriticalValues crit = DemingCriticalValues(N);
    auto scratch = std::make_unique<DemingScratch>();
    for (const Case& c : cases) {
        std::mt19937 rng(2024);
        const StudyDesign design = DemingDesign(c.Xv, c.Yv, 1.2, 4.0);
        int valid = 0;
        int in95[3] = {0, 0, 0};
        int in99[3] = {0, 0, 0};
        for (int k = 0; k < Sets; ++k) {
            const auto set = SimulatedSet(rng, N, 1.2, 4.0, 10, 100, c.SdX, c.SdY);
            const RegressionOutcome r = kvor::DoDemingRegression(design, crit, *set, *scratch);
            ASSERT_EQ(r.FailCode, 0);
            if (!r.Valid) {
                continue;
            }
            ++valid;
            in95[0] += r.In95SlopeCI;
            in95[1] += r.In95InterceptCI;
            in95[2] += r.In95CR;
            in99[0] += r.In99SlopeCI;
            in99[1] += r.In99InterceptCI;
            in99[2] += r.In99CR;
        }
        SCOPED_TRACE(c.Name);
        ASSERT_EQ(valid, Sets);
        for (int j = 0; j < 3; ++j) {
            SCOPED_TRACE(j);
            EXPECT_NEAR(in95[j] / double(Sets), 0.95, 0.017);
            EXPECT_NEAR(in99[j] / double(Sets), 0.99, 0.008);
        }
    }
}

TEST(DoDemingRegression, DegenerateAndOverflowingDataFailWithTheirCode) {
    constexpr double Huge = 1e200;
    constexpr double Inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* Name;
        std::vector<double> X;
        std::vector<double> Y;
        VarianceFunction Xv;
        VarianceFunction Yv;
        int FailCode; // -1: any outcome, as long as it is sound
    };
    const std::vector<double> ramp = {10, 20, 30, 40, 50};
    const std::vector<double> rampY = {11, 19, 32, 38, 51};
    const VarianceFunction one = Constant(1);
    // A zero variance everywhere: PVar answers with its floor of 1e-14.
    const VarianceFunction floored = Constant(0);
    const std::vector<Case> cases = {
        {"all X equal", {5, 5, 5, 5}, {1, 2, 3, 4}, one, one, 1},
        {"all X equal and huge", {Huge, Huge, Huge}, {1, 2, 3}, one, one, 1},
        {"X spread underflows", {1e-200, 2e-200, 3e-200}, {1, 2, 3}, one, one, 1},
        {"X spread overflows", {Huge, 2 * Huge, 3 * Huge}, {1, 2, 3}, one, one, 2},
        {"all Y equal", ramp, {7, 7, 7, 7, 7}, one, one, 2},
        {"Y spread overflows", ramp, {Huge, -Huge, Huge, 2 * Huge, 0}, one, one, 2},
        {"infinite X", {1, Inf, 3}, {1, 2, 3}, one, one, 2},
        {"NaN in X", {1, nan, 3}, {1, 2, 3}, one, one, 1},
        {"NaN in Y", {1, 2, 3}, {1, nan, 3}, one, one, 2},
        {"objective overflows at floored variances",
         {1e150, 2e150, 3e150, 4e150},
         {1e150, 3e150, 2e150, 4e150},
         floored,
         floored,
         2},
        {"floored variances", ramp, rampY, floored, floored, -1},
        {"tiny values at floored variances",
         {1e-150, 2e-150, 3e-150, 4e-150},
         {1e-150, 3e-150, 2e-150, 4e-150},
         floored,
         floored,
         -1},
        {"two points", {1, 2}, {1, 3}, one, one, -1},
    };
    auto scratch = std::make_unique<DemingScratch>();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto set = MakeDataSet(c.X, c.Y);
        const RegressionOutcome r = kvor::DoDemingRegression(
            DemingDesign(c.Xv, c.Yv), DemingCriticalValues(std::max(set->N, 3)), *set, *scratch);
        if (c.FailCode >= 0) {
            EXPECT_EQ(r.FailCode, c.FailCode);
        }
        if (r.FailCode == 0) {
            EXPECT_TRUE(std::isfinite(r.Slope) && std::isfinite(r.Intercept));
            if (r.Valid) {
                EXPECT_TRUE(AllFinite(r));
            }
        }
    }
}

// Expected points are worked out by hand on the box [5, 50] x [5, 50]; the identity variance
// function turns each weight back into the level it was taken at.
TEST(TruePointWeights, TakesWeightsAtTheTruePointOrWhereTheLineLeavesTheBox) {
    struct Case {
        const char* Name;
        double Slope;
        double Intercept;
        double X;
        double Y;
        double Vx; // variances the current weights stand for
        double Vy;
        double ExpectX;
        double ExpectY;
    };
    // Maximum-likelihood point on y = 1.5 x + 2 for (20, 40) with Vx = 1, Vy = 4.
    const double mlX = (20.0 / 1 + 1.5 * (40.0 - 2) / 4) / (1.0 / 1 + 1.5 * 1.5 / 4);
    const std::vector<Case> cases = {
        {"orthogonal projection", 1, 0, 10, 12, 1, 1, 11, 11},
        {"weighted projection", 1.5, 2, 20, 40, 1, 4, mlX, 1.5 * mlX + 2},
        {"below the box: left edge", 1, 0, 2, 3, 1, 1, 5, 5},
        {"below the box: bottom edge", 2, -20, 11, 0, 1, 1, 12.5, 5},
        {"above the box: top edge", 2, -20, 40, 70, 1, 1, 35, 50},
        {"line misses the box", 1, 100, 10, 200, 1, 1, 50, 50},
        {"flat line below the box", 0, 3, 20, 1, 1, 1, 5, 5},
    };
    const StudyDesign design = DemingDesign(Identity(), Identity());
    const kvor::WeightRange box{5, 50};
    auto scratch = std::make_unique<DemingScratch>();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto set = MakeDataSet({c.X}, {c.Y});
        scratch->WX[0] = 1 / c.Vx;
        scratch->WY[0] = 1 / c.Vy;
        kvor::TruePointWeights(design, *set, box, box, c.Slope, c.Intercept, *scratch);
        EXPECT_NEAR(1 / scratch->WX[0], c.ExpectX, 1e-12 * c.ExpectX);
        EXPECT_NEAR(1 / scratch->WY[0], c.ExpectY, 1e-12 * c.ExpectY);
    }
}

// Slope minimising sum (Y - a - bX)^2 / (Vy + b^2 Vx) over a and b with the per-point variances
// held fixed: golden-section search over b with the best a for each b.
double FixedVarianceDemingSlope(const DataSet& d, const std::vector<double>& vx,
                                const std::vector<double>& vy, long double lo, long double hi) {
    const auto chi2 = [&](long double b) {
        long double sw = 0;
        long double swr = 0;
        for (int i = 0; i < d.N; ++i) {
            const long double w = 1 / (vy[i] + b * b * vx[i]);
            sw += w;
            swr += w * (d.Y[i] - b * d.X[i]);
        }
        const long double a = swr / sw;
        long double sum = 0;
        for (int i = 0; i < d.N; ++i) {
            const long double r = d.Y[i] - a - b * d.X[i];
            sum += r * r / (vy[i] + b * b * vx[i]);
        }
        return sum;
    };
    const long double g = (std::sqrt(5.0L) - 1) / 2;
    for (int k = 0; k < 200; ++k) {
        const long double m1 = hi - g * (hi - lo);
        const long double m2 = lo + g * (hi - lo);
        if (chi2(m1) < chi2(m2)) {
            hi = m2;
        } else {
            lo = m1;
        }
    }
    return static_cast<double>((lo + hi) / 2);
}

// A line steeper than 1.8e8 meets the right edge of an unbounded box (X up to 1e300) at a Y that
// overflows. The outlier's true point lies left of the box, so the first reweighting overflows and
// the fit must finish with the weights at the observed values. The same variances written as form
// 4 bound the box near the data: there the reweighting goes through and moves the slope.
TEST(DoDemingRegression, OverflowWhileReweightingFallsBackToObservedWeights) {
    // Five points near X = 0, where the X variance sits at its floor, and eight far out.
    std::vector<double> x = {1e-9, 2e-9, 3e-9, 4e-9, 5e-9};
    std::vector<double> y;
    for (double v : x) {
        y.push_back(1e10 * v + 1000);
    }
    y[0] -= 300; // well below the line: its estimated true X is negative
    for (int i = 1; i <= 8; ++i) {
        x.push_back(i * 1e-5);
        y.push_back(1e10 * x.back() * (i % 2 == 0 ? 1.01 : 0.99) + 1000);
    }
    const auto set = MakeDataSet(x, y);
    auto scratch = std::make_unique<DemingScratch>();
    const CriticalValues crit = DemingCriticalValues(set->N);
    const RegressionOutcome r = kvor::DoDemingRegression(
        DemingDesign(Proportional(0.01), Constant(1e4), 1e10, 1000), crit, *set, *scratch);
    ASSERT_EQ(r.FailCode, 0);
    EXPECT_TRUE(r.Valid && AllFinite(r));
    EXPECT_EQ(scratch->Passes, 2); // the fallback pass, a repeat of pass 1

    std::vector<double> vx(set->N);
    const std::vector<double> vy(set->N, 1e4);
    for (int i = 0; i < set->N; ++i) {
        vx[i] = std::max(1e-14, (0.01 * x[i]) * (0.01 * x[i]));
    }
    const double observed = FixedVarianceDemingSlope(*set, vx, vy, 0.5e10L, 2e10L);
    EXPECT_NEAR(r.Slope, observed, 1e-6 * observed);

    VarianceFunction form4; // 1e-4 * X^2, the same variances
    form4.Form = 4;
    form4.B1 = 0;
    form4.B2 = 0;
    form4.B3 = 1e-4;
    form4.J = 2;
    const RegressionOutcome reweighted = kvor::DoDemingRegression(
        DemingDesign(form4, Constant(1e4), 1e10, 1000), crit, *set, *scratch);
    ASSERT_EQ(reweighted.FailCode, 0);
    EXPECT_GT(scratch->Passes, 2);
    EXPECT_GT(std::fabs(reweighted.Slope - observed), 1e-4 * observed);
}

} // namespace
