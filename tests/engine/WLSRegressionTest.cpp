#include "LeastSquaresReference.h"

#include "engine/CriticalValues.h"
#include "engine/DataSet.h"
#include "engine/DataSetDrawing.h"
#include "engine/OLSRegression.h"
#include "engine/RandomGenerator.h"
#include "engine/StudyDesign.h"
#include "engine/TargetDesign.h"
#include "engine/VarianceFunctions.h"
#include "engine/WLSRegression.h"

#include <boost/math/distributions/fisher_f.hpp>
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
    kvor::GetVMinMax(data);
    return data;
}

kvor::CriticalValues WeightedCritical(int n) {
    const boost::math::fisher_f f(2, n - 2);
    return {1.96, 2.576, quantile(complement(f, 0.05)), quantile(complement(f, 0.01))};
}

kvor::StudyDesign WeightedDesign(kvor::VarianceFunction yVariance) {
    kvor::StudyDesign design;
    design.Regression = kvor::RegressionType::WLS;
    design.YVariance = yVariance;
    return design;
}

const kvor::VarianceFunction UnitVariance{2, 0, 1, 0, 0, 1};
const kvor::VarianceFunction SquaredLevel{2, 0, 0, 1, 0, 2}; // V = Y^2

// Slope and intercept of the weighted least-squares line with the weights given, in long double.
struct Line {
    double Slope;
    double Intercept;
};

Line WeightedLine(const kvor::DataSet& data, const std::vector<long double>& w) {
    long double sw = 0, swx = 0, swy = 0;
    for (int i = 0; i < data.N; ++i) {
        sw += w[i];
        swx += w[i] * data.X[i];
        swy += w[i] * data.Y[i];
    }
    const long double xbar = swx / sw, ybar = swy / sw;
    long double num = 0, den = 0;
    for (int i = 0; i < data.N; ++i) {
        num += w[i] * (data.X[i] - xbar) * (data.Y[i] - ybar);
        den += w[i] * (data.X[i] - xbar) * (data.X[i] - xbar);
    }
    const long double b = num / den;
    return {static_cast<double>(b), static_cast<double>(ybar - b * xbar)};
}

// Weights 1/V at the levels given, clamped into the function's weight limits for the data.
std::vector<long double> WeightsAt(const kvor::VarianceFunction& f, const kvor::DataSet& data,
                                   const std::vector<double>& levels) {
    const kvor::WeightRange r =
        kvor::WgtRange(f.Para, f.Form, f.B1, f.B2, f.B3, f.J, data.SetYMin, data.SetYMax);
    std::vector<long double> w;
    for (double v : levels) {
        const double level = v < r.Lower ? r.Lower : (v > r.Upper ? r.Upper : v);
        w.push_back(1.0L / kvor::PVar(f, level));
    }
    return w;
}

std::vector<long double> ObservedWeightsOf(const kvor::VarianceFunction& f,
                                           const kvor::DataSet& data) {
    return WeightsAt(f, data, std::vector<double>(data.Y.begin(), data.Y.begin() + data.N));
}

const double NaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

TEST(DoWLSRegression, ConstantVarianceEqualsOLSAndStopsAtPassTwo) {
    struct Case {
        std::vector<double> x, y;
    };
    const Case cases[] = {
        {{1, 2, 3, 4, 6, 7.5}, {2.5, 3, 5.5, 6, 9, 10.25}},
        {{1, 2, 3}, {1, 2, 1}}, // slope exactly 0: the absolute convergence test
    };
    for (const Case& c : cases) {
        const kvor::DataSet data = MakeSet(c.x, c.y);
        const kvor::CriticalValues crit = WeightedCritical(data.N);
        kvor::StudyDesign design = WeightedDesign(UnitVariance);
        design.TrueSlope = 1.2;
        design.TrueIntercept = 1;
        kvor::WLSScratch scratch;
        const kvor::RegressionOutcome wls = kvor::DoWLSRegression(design, crit, data, scratch);
        const kvor::RegressionOutcome ols = kvor::DoOLSRegression(design, crit, data);
        ASSERT_EQ(wls.FailCode, 0);
        EXPECT_TRUE(wls.Valid);
        EXPECT_EQ(scratch.Passes, 2);
        EXPECT_EQ(wls.Slope, ols.Slope);
        EXPECT_EQ(wls.Intercept, ols.Intercept);
        EXPECT_EQ(wls.In95CR, ols.In95CR);
        EXPECT_EQ(wls.In99CR, ols.In99CR);
    }
}

TEST(DoWLSRegression, KnownConstantVarianceGivesTheExactErrors) {
    // V = 4 everywhere: the estimates are the OLS ones and the errors use the known variance.
    const std::vector<double> x = {1, 2, 3, 4, 6, 7.5};
    const std::vector<double> y = {2.5, 3, 5.5, 6, 9, 10.25};
    std::vector<Q> qx, qy, qw;
    for (std::size_t i = 0; i < x.size(); ++i) {
        qx.push_back(Q(static_cast<long long>(x[i] * 4), 4));
        qy.push_back(Q(static_cast<long long>(y[i] * 4), 4));
        qw.push_back(Q(1, 4));
    }
    const reference::ExactFit e = reference::FitExactly(qx, qy, qw);
    const kvor::DataSet data = MakeSet(x, y);
    kvor::WLSScratch scratch;
    const kvor::RegressionOutcome fit = kvor::DoWLSRegression(WeightedDesign({2, 0, 4, 0, 0, 1}),
                                                              WeightedCritical(6), data, scratch);
    ASSERT_EQ(fit.FailCode, 0);
    EXPECT_NEAR(fit.Slope, ToDouble(e.Slope), 1e-14);
    EXPECT_NEAR(fit.Intercept, ToDouble(e.Intercept), 1e-13);
    EXPECT_NEAR(fit.SESlope, std::sqrt(ToDouble(1 / e.Sxx)), 1e-14);
    EXPECT_NEAR(fit.SEIntercept, std::sqrt(ToDouble(1 / e.Sw + e.XBar * e.XBar / e.Sxx)), 1e-13);
}

TEST(DoWLSRegression, ProportionalErrorSettlesOnItsOwnFittedWeights) {
    kvor::StudyDesign design = WeightedDesign({2, 0, 0.01, 0.01, 0, 2});
    design.N = 100;
    const kvor::VarianceFunction& f = design.YVariance;
    kvor::RandomGenerator generator(100000);
    kvor::TargetDesign target;
    kvor::BuildTargetDesign(design, 1, 0, generator, target);
    kvor::DataSet data;
    kvor::WLSScratch scratch;
    for (int set = 1; set <= 20; ++set) {
        ASSERT_TRUE(kvor::DrawDataSet(design, target, nullptr, set, generator, data));
        kvor::GetVMinMax(data);
        const kvor::RegressionOutcome fit =
            kvor::DoWLSRegression(design, WeightedCritical(100), data, scratch);
        ASSERT_EQ(fit.FailCode, 0);
        EXPECT_LT(scratch.Passes, 20);
        // Refitting with weights taken on the returned line gives the line back.
        std::vector<double> fitted;
        for (int i = 0; i < data.N; ++i) {
            fitted.push_back(fit.Slope * data.X[i] + fit.Intercept);
        }
        const Line again = WeightedLine(data, WeightsAt(f, data, fitted));
        EXPECT_NEAR(again.Slope, fit.Slope, 1e-4 * std::fabs(fit.Slope)) << set;
        EXPECT_NEAR(fit.Slope, 1.0, 0.05);
    }
}

TEST(DoWLSRegression, UnsettledSlopeEndsWithTheObservedWeightsAfterPass21) {
    // V = Y^2 with negative Y: the floor weights make the slope jump between passes.
    const kvor::DataSet data = MakeSet(
        {2.4195817715488372, 1.5804748333524912, 3.3911215255036948, 3.1815607300493864,
         6.4012796123512095, 7.3949590248521417, 8.8761346079409122, 8.4826727044302963, 1, 10},
        {1.7278880937849543, -0.20893138846821047, 2.2263137372750514, 10.019981339151649,
         -4.1527452084253662, 4.3346920348783238, 6.4314806917346887, 11.262306414189705,
         1.4797474451874604, 37.459120920696193});
    kvor::WLSScratch scratch;
    const kvor::RegressionOutcome fit =
        kvor::DoWLSRegression(WeightedDesign(SquaredLevel), WeightedCritical(10), data, scratch);
    ASSERT_EQ(fit.FailCode, 0);
    EXPECT_EQ(scratch.Passes, 21);
    const Line observed = WeightedLine(data, ObservedWeightsOf(SquaredLevel, data));
    EXPECT_NEAR(fit.Slope, observed.Slope, 1e-9 * std::fabs(observed.Slope));
    EXPECT_NEAR(fit.Intercept, observed.Intercept, 1e-9 * std::fabs(observed.Intercept));
}

TEST(DoWLSRegression, LaterOverflowFallsBackToTheObservedWeights) {
    // Observed weights 1e-308 tame the huge Y; weights on the fitted line (near 1) overflow
    // the weighted sum of Y^2 in pass 2, so pass 3 refits with the observed weights.
    const kvor::DataSet data = MakeSet({1, 2, 3, 4, 5}, {1e154, 1, 1e154, 1, 1e154});
    kvor::WLSScratch scratch;
    const kvor::RegressionOutcome fit =
        kvor::DoWLSRegression(WeightedDesign(SquaredLevel), WeightedCritical(5), data, scratch);
    ASSERT_EQ(fit.FailCode, 0);
    EXPECT_TRUE(fit.Valid);
    EXPECT_EQ(scratch.Passes, 3);
    const Line observed = WeightedLine(data, ObservedWeightsOf(SquaredLevel, data));
    EXPECT_NEAR(fit.Slope, observed.Slope, 1e-12);
    EXPECT_NEAR(fit.Intercept, observed.Intercept, 1e-12);
    EXPECT_TRUE(std::isfinite(fit.SESlope) && std::isfinite(fit.SEIntercept));
}

TEST(DoWLSRegression, BadDataFailsWithTheRightCodeAndNeverANaN) {
    struct Case {
        const char* name;
        kvor::VarianceFunction f;
        std::vector<double> x, y;
        int failCode;
    };
    const Case cases[] = {
        {"all X equal", UnitVariance, {5, 5, 5, 5}, {1, 2, 3, 4}, 1},
        {"all X equal to 0.1",
         UnitVariance,
         {0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1},
         {1, 2, 3, 4, 5, 6, 7},
         1},
        {"huge X overflows before reweighting", UnitVariance, {1e200, 2e200, 3e200}, {1, 2, 3}, 2},
        {"huge Y overflows before reweighting", UnitVariance, {1, 2, 3}, {1e300, -1e300, 1e300}, 2},
        {"NaN in Y", UnitVariance, {1, 2, 3}, {1, NaN, 3}, 2},
        // A fitted value below the root puts a floor weight of 1e14 on one point, and the
        // weighted spread of X cancels to nothing.
        {"tiny predicted variance",
         {2, 0, 0, 1, 0, 4},
         {2.5046032044570894, 1.9231094351038338, 4.404089923435822, 3.7561706812120974,
          7.5271242538001388, 7.4579320508986715, 8.4586257853079587, 9.0776435925625254, 1, 10},
         {1.8898862528149836, 3.3748229959255025, 17.591263305011339, 6.2259773997613754,
          11.580225630284634, 107.31806805829183, 65.716129397967165, 63.000714105544048,
          1.2457676797373507, 99.752463667366328},
         1},
    };
    for (const Case& c : cases) {
        kvor::WLSScratch scratch;
        const kvor::DataSet data = MakeSet(c.x, c.y);
        const kvor::RegressionOutcome r =
            kvor::DoWLSRegression(WeightedDesign(c.f), WeightedCritical(5), data, scratch);
        EXPECT_EQ(r.FailCode, c.failCode) << c.name;
        EXPECT_FALSE(r.Valid) << c.name;
    }
}

TEST(DoWLSRegression, VarianceAtItsFloorEverywhereStillFits) {
    // Base B1 + B2*Y far below zero: every variance is the floor 1e-14, every weight 1e14.
    const kvor::DataSet data = MakeSet({1, 2, 3, 4, 6, 7.5}, {2.5, 3, 5.5, 6, 9, 10.25});
    kvor::WLSScratch scratch;
    const kvor::RegressionOutcome wls = kvor::DoWLSRegression(
        WeightedDesign({2, 0, -1000, 0, 0, 2}), WeightedCritical(6), data, scratch);
    const kvor::RegressionOutcome ols =
        kvor::DoOLSRegression(kvor::StudyDesign{}, WeightedCritical(6), data);
    ASSERT_EQ(wls.FailCode, 0);
    EXPECT_DOUBLE_EQ(wls.Slope, ols.Slope);
    EXPECT_DOUBLE_EQ(wls.Intercept, ols.Intercept);
    // Known variance 1e-14: SESlope = sqrt(1e-14 / Sxx) with Sxx = 725/24 for these X.
    EXPECT_NEAR(wls.SESlope, std::sqrt(1e-14 * 24 / 725), 1e-20);
    EXPECT_TRUE(std::isfinite(wls.SEIntercept));
}
