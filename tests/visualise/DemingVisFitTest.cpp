#include "VisTestSupport.h"

#include "engine/CriticalValues.h"
#include "engine/DataSetDrawing.h"
#include "engine/DemingRegression.h"
#include "engine/DemingScratch.h"
#include "engine/RandomGenerator.h"
#include "engine/StudyDesign.h"
#include "engine/TargetDesign.h"
#include "studies/RunControl.h"
#include "visualise/DemingRegion.h"
#include "visualise/VisFits.h"
#include "visualise/VisSetFit.h"

#include <boost/math/distributions/fisher_f.hpp>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace kvor;
using vistest::MakeSet;

namespace {

// S(s) and its intercept centre, straight from the definition.
struct Profile {
    long double S, M, SumU;
};

Profile ReferenceProfile(const DataSet& d, const std::vector<double>& wx,
                         const std::vector<double>& wy, long double s) {
    long double su = 0, sux = 0, suy = 0;
    std::vector<long double> u(d.N);
    for (int i = 0; i < d.N; ++i) {
        u[i] = 1 / (1 / static_cast<long double>(wy[i]) + s * s / wx[i]);
        su += u[i];
        sux += u[i] * d.X[i];
        suy += u[i] * d.Y[i];
    }
    const long double m = (suy - s * sux) / su;
    long double S = 0;
    for (int i = 0; i < d.N; ++i) {
        const long double r = d.Y[i] - m - s * d.X[i];
        S += u[i] * r * r;
    }
    return {S, m, su};
}

StudyDesign ProportionalDeming(int n) {
    StudyDesign design;
    design.Regression = RegressionType::Deming;
    design.N = n;
    design.XMin = 10;
    design.XMax = 100;
    design.XVariance = VarianceFunction{2, 0, 0, 0.05, 0, 2}; // SD 5% of X
    design.YVariance = VarianceFunction{2, 0, 0, 0.05, 0, 2};
    design.TrueSlope = 1.0;
    design.TrueIntercept = 0.0;
    return design;
}

DataSet DrawDemingSet(const StudyDesign& design, std::uint32_t seed) {
    RandomGenerator generator(seed);
    TargetDesign target;
    BuildTargetDesign(design, 1.05, 0.0, generator, target);
    DataSet data;
    DrawDataSet(design, target, nullptr, 1, generator, data);
    GetVMinMax(data);
    return data;
}

VisFitSettings DemingSettings(int n) {
    VisFitSettings s;
    s.C = 1.96;
    s.F = quantile(complement(boost::math::fisher_f(2, n - 2), 0.05));
    s.TrueSlope = 1.0;
    s.TrueIntercept = 0.0;
    return s;
}

const RunControl Free{};

} // namespace

TEST(VisDemingRegression, OutlineLiesOnTheBoundaryAndTheLimitsBracketTheRegion) {
    for (const std::uint32_t seed : {11u, 2024u, 777777u}) {
        const StudyDesign design = ProportionalDeming(40);
        const DataSet data = DrawDemingSet(design, seed);
        const VisFitSettings settings = DemingSettings(design.N);
        DemingScratch scratch;
        VisSetFit fit;
        ASSERT_TRUE(
            VisDemingRegression(design, CriticalValues{}, data, settings, Free, scratch, fit));
        const std::vector<double> wx(scratch.WX.begin(), scratch.WX.begin() + data.N);
        const std::vector<double> wy(scratch.WY.begin(), scratch.WY.begin() + data.N);
        // The fit's minimum is the profile at the fitted slope.
        const Profile atB = ReferenceProfile(data, wx, wy, fit.Slope);
        EXPECT_NEAR(static_cast<double>(atB.S) / scratch.FMin, 1.0, 1e-6);
        EXPECT_NEAR(static_cast<double>(atB.M), fit.Intercept,
                    1e-6 * (1 + std::fabs(fit.Intercept)));

        const long double t = scratch.FMin * (1 + 2 * settings.F / (data.N - 2));
        for (int i = 1; i + 1 < OutlinePoints; ++i) {
            const Profile p = ReferenceProfile(data, wx, wy, fit.Outline.Slope[i]);
            for (double a : {fit.Outline.Lower[i], fit.Outline.Upper[i]}) {
                const long double boundary = p.S + p.SumU * (a - p.M) * (a - p.M);
                EXPECT_NEAR(static_cast<double>(boundary / t), 1.0, 1e-9) << seed << " " << i;
            }
        }
        // sL and sU are inside, and a step of twice the bisection tolerance beyond is outside.
        const double sL = fit.Outline.Slope.front();
        const double sU = fit.Outline.Slope.back();
        EXPECT_LE(ReferenceProfile(data, wx, wy, sU).S, t * (1 + 1e-12));
        EXPECT_LE(ReferenceProfile(data, wx, wy, sL).S, t * (1 + 1e-12));
        EXPECT_GT(ReferenceProfile(data, wx, wy, sU + 2e-5 * std::fabs(sU)).S, t);
        EXPECT_GT(ReferenceProfile(data, wx, wy, sL - 2e-5 * std::fabs(sL)).S, t);
        // The intercept extremes are the outline's.
        double lo = 1e300, hi = -1e300;
        for (int i = 0; i < OutlinePoints; ++i) {
            lo = std::min(lo, fit.Outline.Lower[i]);
            hi = std::max(hi, fit.Outline.Upper[i]);
        }
        EXPECT_EQ(fit.RegionInterceptMin, lo);
        EXPECT_EQ(fit.RegionInterceptMax, hi);

        // Detection is the boundary test at the Ideal point.
        const Profile ideal = ReferenceProfile(data, wx, wy, settings.TrueSlope);
        const long double q = ideal.S + ideal.SumU * (settings.TrueIntercept - ideal.M) *
                                            (settings.TrueIntercept - ideal.M);
        EXPECT_EQ(fit.RegionDetected, q > t) << seed;
    }
}

TEST(VisDemingRegression, EstimatesAreThoseOfTheRunFit) {
    const StudyDesign design = ProportionalDeming(25);
    const DataSet data = DrawDemingSet(design, 99);
    DemingScratch scratch;
    VisSetFit fit;
    const VisFitSettings settings = DemingSettings(design.N);
    ASSERT_TRUE(VisDemingRegression(design, CriticalValues{}, data, settings, Free, scratch, fit));
    const RegressionOutcome run = DoDemingRegression(design, CriticalValues{}, data, scratch);
    EXPECT_EQ(fit.Slope, run.Slope);
    EXPECT_EQ(fit.Intercept, run.Intercept);
    EXPECT_NEAR(fit.SlopeHigh - fit.SlopeLow, 2 * 1.96 * run.SESlope, 1e-12);
    EXPECT_NEAR(fit.InterceptHigh - fit.InterceptLow, 2 * 1.96 * run.SEIntercept, 1e-10);
}

TEST(DemingRegion, UnboundedWithinTheSearchFindsNoLimits) {
    // Three scattered points with unit variances: with F(2, 1) the bound is 400 times the minimum,
    // above the profile's limit sum (x - mean x)^2 = 2 for steep slopes.
    const DataSet data = MakeSet({1, 2, 3}, {1, 3, 2});
    const std::vector<double> ones(3, 1.0);
    const double f = quantile(complement(boost::math::fisher_f(2, 1), 0.05));
    const double fmin = static_cast<double>(ReferenceProfile(data, ones, ones, 0.5).S);
    DemingRegion region(data, ones.data(), ones.data(), fmin, f);
    EXPECT_FALSE(region.FindSlopeLimits(0.5, 0.3, false));
}

TEST(DemingRegion, BoundedRegionLimitsSitOnTheBound) {
    const DataSet data = MakeSet({1, 2, 3, 4, 5, 6}, {1.1, 1.9, 3.2, 3.9, 5.1, 5.8});
    const std::vector<double> wx(6, 4.0), wy(6, 2.0);
    const double fmin = static_cast<double>(ReferenceProfile(data, wx, wy, 0.98).S);
    DemingRegion region(data, wx.data(), wy.data(), fmin, 6.94);
    ASSERT_TRUE(region.FindSlopeLimits(0.98, 0.05, true));
    const long double t = region.Limit();
    for (double s : {region.LowerSlope(), region.UpperSlope()}) {
        EXPECT_LE(ReferenceProfile(data, wx, wy, s).S, t);
        EXPECT_NEAR(static_cast<double>(ReferenceProfile(data, wx, wy, s).S / t), 1.0, 1e-4);
    }
    EXPECT_LT(region.LowerSlope(), 0.98);
    EXPECT_GT(region.UpperSlope(), 0.98);
}
