#include "VisTestSupport.h"

#include "engine/CriticalValues.h"
#include "engine/OLSRegression.h"
#include "engine/StudyDesign.h"
#include "engine/WLSRegression.h"
#include "studies/RunControl.h"
#include "visualise/VisFits.h"
#include "visualise/VisIntervals.h"
#include "visualise/VisSetFit.h"

#include <atomic>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <gtest/gtest.h>

using namespace kvor;
using vistest::MakeSet;
using vistest::ScatteredSet;

namespace {

// Independent sums in long double.
struct Reference {
    long double N = 0, Sx = 0, Sy = 0, Sxx0 = 0, Sxx = 0, Sxy = 0, Syy = 0;
    long double B = 0, A = 0, S2 = 0;
};

Reference ReferenceFit(const DataSet& d) {
    Reference r;
    r.N = d.N;
    for (int i = 0; i < d.N; ++i) {
        r.Sx += d.X[i];
        r.Sy += d.Y[i];
        r.Sxx0 += static_cast<long double>(d.X[i]) * d.X[i];
    }
    const long double xbar = r.Sx / r.N, ybar = r.Sy / r.N;
    for (int i = 0; i < d.N; ++i) {
        r.Sxx += (d.X[i] - xbar) * (d.X[i] - xbar);
        r.Sxy += (d.X[i] - xbar) * (d.Y[i] - ybar);
        r.Syy += (d.Y[i] - ybar) * (d.Y[i] - ybar);
    }
    r.B = r.Sxy / r.Sxx;
    r.A = ybar - r.B * xbar;
    r.S2 = (r.Syy - r.Sxy * r.Sxy / r.Sxx) / (r.N - 2);
    return r;
}

// n (a - a^)^2 + 2 Sx (a - a^)(b - b^) + Sxx' (b - b^)^2, the F-ellipse's quadratic form.
long double EllipseForm(const Reference& r, long double b, long double a) {
    const long double da = a - r.A, db = b - r.B;
    return r.N * da * da + 2 * r.Sx * da * db + r.Sxx0 * db * db;
}

double FQuantile95(int n) {
    return quantile(complement(boost::math::fisher_f(2, n - 2), 0.05));
}

VisFitSettings OLSSettings(int n, double trueSlope, double trueIntercept) {
    VisFitSettings s;
    s.C = quantile(complement(boost::math::students_t(n - 2), 0.025));
    s.F = FQuantile95(n);
    s.TrueSlope = trueSlope;
    s.TrueIntercept = trueIntercept;
    return s;
}

const RunControl Free{};

} // namespace

TEST(VisOLSRegression, EstimatesAreThoseOfTheRunFitAndLimitsSpanCTimesSE) {
    const DataSet data = ScatteredSet();
    const VisFitSettings settings = OLSSettings(data.N, 1.1, 2.0);
    VisSetFit fit;
    ASSERT_TRUE(VisOLSRegression(data, settings, Free, fit));
    const RegressionOutcome run = DoOLSRegression(StudyDesign{}, CriticalValues{}, data);
    EXPECT_EQ(fit.Slope, run.Slope);
    EXPECT_EQ(fit.Intercept, run.Intercept);
    const Reference r = ReferenceFit(data);
    const double seB = std::sqrt(static_cast<double>(r.S2 / r.Sxx));
    const double seA = std::sqrt(static_cast<double>(r.S2 * r.Sxx0 / (r.N * r.Sxx)));
    EXPECT_NEAR(fit.SlopeHigh - fit.SlopeLow, 2 * settings.C * seB, 1e-12);
    EXPECT_NEAR(fit.InterceptHigh - fit.InterceptLow, 2 * settings.C * seA, 1e-11);
    EXPECT_NEAR((fit.SlopeHigh + fit.SlopeLow) / 2, static_cast<double>(r.B), 1e-13);
}

TEST(VisOLSRegression, EveryOutlinePointLiesOnTheFEllipse) {
    const DataSet data = ScatteredSet();
    const VisFitSettings settings = OLSSettings(data.N, 1.1, 2.0);
    VisSetFit fit;
    ASSERT_TRUE(VisOLSRegression(data, settings, Free, fit));
    const Reference r = ReferenceFit(data);
    const long double bound = 2 * settings.F * r.S2;
    for (int i = 0; i < OutlinePoints; ++i) {
        const double s = fit.Outline.Slope[i];
        EXPECT_NEAR(static_cast<double>(EllipseForm(r, s, fit.Outline.Lower[i]) / bound), 1.0, 1e-9)
            << "lower " << i;
        EXPECT_NEAR(static_cast<double>(EllipseForm(r, s, fit.Outline.Upper[i]) / bound), 1.0, 1e-9)
            << "upper " << i;
    }
    // The ends are the ellipse's slope extremes b ± sqrt(2 F s^2 / Sxx).
    const double h = std::sqrt(static_cast<double>(bound / r.Sxx));
    EXPECT_NEAR(fit.Outline.Slope.front(), static_cast<double>(r.B) - h, 1e-12);
    EXPECT_NEAR(fit.Outline.Slope.back(), static_cast<double>(r.B) + h, 1e-12);
    for (int i = 1; i < OutlinePoints; ++i) {
        EXPECT_NEAR(fit.Outline.Slope[i] - fit.Outline.Slope[i - 1], 2 * h / 201, 1e-13);
    }
}

TEST(VisOLSRegression, InterceptExtentIsTheEllipsesHalfHeight) {
    const DataSet data = ScatteredSet();
    const VisFitSettings settings = OLSSettings(data.N, 1.1, 2.0);
    VisSetFit fit;
    ASSERT_TRUE(VisOLSRegression(data, settings, Free, fit));
    const Reference r = ReferenceFit(data);
    const long double t = 2 * settings.F * r.S2;
    const double g = std::sqrt(static_cast<double>(t * r.Sxx0 / (r.N * r.Sxx)));
    EXPECT_NEAR((fit.RegionInterceptMax - fit.Intercept) / g, 1.0, 1e-8);
    EXPECT_NEAR((fit.Intercept - fit.RegionInterceptMin) / g, 1.0, 1e-8);
}

TEST(VisOLSRegression, RegionDetectionIsTheEllipseTestAtTheIdealPoint) {
    const DataSet data = ScatteredSet();
    const Reference r = ReferenceFit(data);
    const long double bound = 2 * FQuantile95(data.N) * r.S2;
    // Points around the fitted line, inside and outside the ellipse, none near its edge.
    for (double db : {-0.3, -0.1, -0.02, 0.0, 0.04, 0.15}) {
        for (double da : {-4.0, -1.5, -0.5, 0.0, 0.6, 2.0, 5.0}) {
            const double b0 = static_cast<double>(r.B) + db;
            const double a0 = static_cast<double>(r.A) + da;
            const long double q = EllipseForm(r, b0, a0);
            if (std::fabs(static_cast<double>(q / bound) - 1) < 1e-3) {
                continue;
            }
            VisSetFit fit;
            ASSERT_TRUE(VisOLSRegression(data, OLSSettings(data.N, b0, a0), Free, fit));
            EXPECT_EQ(fit.RegionDetected, q > bound) << "db " << db << " da " << da;
        }
    }
}

TEST(VisOLSRegression, RejectsEqualXValues) {
    const DataSet data = MakeSet({3, 3, 3, 3, 3}, {1, 2, 3, 4, 5});
    VisSetFit fit;
    EXPECT_FALSE(VisOLSRegression(data, OLSSettings(5, 1, 0), Free, fit));
}

TEST(VisOLSRegression, PointRegionHasEqualSlopesAndBothRowsAtTheBandCentre) {
    // Exactly on y = 2x + 1: no residual, so the region is the fitted point.
    const DataSet data = MakeSet({1, 2, 3, 4, 5}, {3, 5, 7, 9, 11});
    VisSetFit fit;
    ASSERT_TRUE(VisOLSRegression(data, OLSSettings(5, 2, 1), Free, fit));
    for (int i = 0; i < OutlinePoints; ++i) {
        EXPECT_EQ(fit.Outline.Slope[i], 2.0);
        EXPECT_EQ(fit.Outline.Lower[i], 1.0);
        EXPECT_EQ(fit.Outline.Upper[i], 1.0);
    }
    EXPECT_FALSE(fit.RegionDetected);
}

TEST(VisOLSRegression, IdealSlopeAtALimitIsEnclosed) {
    const DataSet data = ScatteredSet();
    VisSetFit first;
    ASSERT_TRUE(VisOLSRegression(data, OLSSettings(data.N, 1.1, 2.0), Free, first));
    for (double limit : {first.SlopeLow, first.SlopeHigh}) {
        VisSetFit fit;
        ASSERT_TRUE(VisOLSRegression(data, OLSSettings(data.N, limit, first.Intercept), Free, fit));
        EXPECT_EQ(fit.Bias, BiasType::None);
        const double beyond = std::nextafter(limit, limit == first.SlopeLow ? -1e9 : 1e9);
        ASSERT_TRUE(
            VisOLSRegression(data, OLSSettings(data.N, beyond, first.Intercept), Free, fit));
        EXPECT_EQ(fit.Bias, BiasType::Proportional);
    }
}

TEST(VisOLSRegression, AbortRejectsTheSet) {
    const std::atomic<bool> stopped{false};
    RunControl control;
    control.AbortFlag = &stopped;
    VisSetFit fit;
    EXPECT_FALSE(VisOLSRegression(ScatteredSet(), OLSSettings(20, 1.1, 2), control, fit));
}

TEST(ClassifyBias, EachInterval) {
    struct Case {
        double slope, intercept;
        BiasType expected;
    };
    // Intervals [1, 2] for the slope and [-1, 1] for the intercept.
    const Case cases[] = {
        {1.5, 0, BiasType::None},
        {1, -1, BiasType::None},
        {2, 1, BiasType::None},
        {0.99, 0, BiasType::Proportional},
        {2.01, 1, BiasType::Proportional},
        {1.5, -1.01, BiasType::Constant},
        {1.5, 1.01, BiasType::Constant},
        {3, 2, BiasType::Both},
        {0, -2, BiasType::Both},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyBias(c.slope, 1, 2, c.intercept, -1, 1), c.expected)
            << c.slope << " " << c.intercept;
    }
}

TEST(VisWLSRegression, ConstantVarianceIsOLSWithKnownVariance) {
    const DataSet data = ScatteredSet();
    const double v = 0.8;
    StudyDesign design;
    design.Regression = RegressionType::WLS;
    design.YVariance = VarianceFunction{2, 0, v, 0, 0, 1};
    VisFitSettings settings = OLSSettings(data.N, 1.05, 2.5);
    settings.C = 1.96;
    WLSScratch scratch;
    VisSetFit wls, ols;
    ASSERT_TRUE(VisWLSRegression(design, data, settings, Free, scratch, wls));
    ASSERT_TRUE(VisOLSRegression(data, settings, Free, ols));
    const Reference r = ReferenceFit(data);
    EXPECT_NEAR(wls.Slope, static_cast<double>(r.B), 1e-12);
    EXPECT_NEAR(wls.Intercept, static_cast<double>(r.A), 1e-11);
    // Known variance: SE(b) = sqrt(V / Sxx).
    const double seB = std::sqrt(v / static_cast<double>(r.Sxx));
    EXPECT_NEAR(wls.SlopeHigh - wls.SlopeLow, 2 * 1.96 * seB, 1e-12);
    // The region scales by the residual mean square, so it is the OLS region.
    for (int i = 0; i < OutlinePoints; i += 20) {
        EXPECT_NEAR(wls.Outline.Slope[i], ols.Outline.Slope[i], 1e-12);
        EXPECT_NEAR(wls.Outline.Lower[i], ols.Outline.Lower[i], 1e-10);
        EXPECT_NEAR(wls.Outline.Upper[i], ols.Outline.Upper[i], 1e-10);
    }
    EXPECT_NEAR(wls.RegionInterceptMax, ols.RegionInterceptMax, 1e-9);
    EXPECT_EQ(wls.RegionDetected, ols.RegionDetected);
}

TEST(VisWLSRegression, RejectsEqualXValues) {
    StudyDesign design;
    design.YVariance = VarianceFunction{2, 0, 1, 0, 0, 1};
    WLSScratch scratch;
    VisSetFit fit;
    EXPECT_FALSE(VisWLSRegression(design, MakeSet({2, 2, 2, 2}, {1, 2, 3, 5}), OLSSettings(4, 1, 0),
                                  Free, scratch, fit));
}

TEST(VisWLSRegression, OutlineOfAProportionalFunctionLiesOnItsWeightedEllipse) {
    const DataSet data = ScatteredSet();
    StudyDesign design;
    design.YVariance = VarianceFunction{2, 0, 0, 0.1, 0, 2}; // V = (0.1 Y)^2
    WLSScratch scratch;
    VisSetFit fit;
    const VisFitSettings settings = OLSSettings(data.N, 1.1, 2.0);
    ASSERT_TRUE(VisWLSRegression(design, data, settings, Free, scratch, fit));
    // The weights of the last pass are left in the scratch; refit with them independently.
    long double sw = 0, swx = 0, swy = 0, swxx = 0;
    for (int i = 0; i < data.N; ++i) {
        const long double w = scratch.W[i];
        sw += w;
        swx += w * data.X[i];
        swy += w * data.Y[i];
        swxx += w * data.X[i] * data.X[i];
    }
    const long double xbar = swx / sw, ybar = swy / sw;
    long double sxx = 0, sxy = 0, syy = 0;
    for (int i = 0; i < data.N; ++i) {
        const long double w = scratch.W[i];
        sxx += w * (data.X[i] - xbar) * (data.X[i] - xbar);
        sxy += w * (data.X[i] - xbar) * (data.Y[i] - ybar);
        syy += w * (data.Y[i] - ybar) * (data.Y[i] - ybar);
    }
    const long double b = sxy / sxx, a = ybar - b * xbar;
    const long double t = 2 * settings.F * (syy - sxy * sxy / sxx) / (data.N - 2);
    for (int i = 1; i + 1 < OutlinePoints; ++i) {
        for (double ai : {fit.Outline.Lower[i], fit.Outline.Upper[i]}) {
            const long double da = ai - a, db = fit.Outline.Slope[i] - b;
            const long double q = sw * da * da + 2 * swx * da * db + swxx * db * db;
            EXPECT_NEAR(static_cast<double>(q / t), 1.0, 1e-8) << i;
        }
    }
    EXPECT_NEAR(fit.Slope, static_cast<double>(b), 1e-10);
}

TEST(VisWLSRegression, RejectsYWithoutSpreadThatTheRunFitAccepts) {
    const DataSet data = MakeSet({1, 2, 3, 4, 5}, {3, 3, 3, 3, 3});
    StudyDesign design;
    design.YVariance = VarianceFunction{2, 0, 1, 0, 0, 1};
    WLSScratch scratch;
    const RegressionOutcome run = DoWLSRegression(design, CriticalValues{}, data, scratch);
    ASSERT_EQ(run.FailCode, NoFailure);
    EXPECT_EQ(run.Slope, 0.0);
    VisSetFit fit;
    EXPECT_FALSE(VisWLSRegression(design, data, OLSSettings(5, 1, 0), Free, scratch, fit));
}
