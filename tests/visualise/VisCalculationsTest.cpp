#include "visualise/VisCalculations.h"
#include "engine/RandomGenerator.h"
#include "engine/StudyDesign.h"
#include "engine/TargetDesign.h"
#include "graphs/AxisScale.h"
#include "studies/RunControl.h"
#include "visualise/VisRun.h"

#include <atomic>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/non_central_f.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <vector>

using namespace kvor;

namespace {

StudyDesign OLSDesign() {
    StudyDesign d;
    d.Regression = RegressionType::OLS;
    d.XMin = 10;
    d.XMax = 100;
    d.ConstantVariance = 4;
    d.TrueSlope = 1;
    d.TrueIntercept = 0;
    d.ActualSlope = 1.02;
    d.ActualIntercept = 0;
    return d;
}

RunControl Seeded(std::uint32_t seed) {
    RunControl c;
    c.SeedOverride = seed;
    return c;
}

VisRunRequest Request(VisRunKind kind, int sets, int n, bool also = true) {
    VisRunRequest r;
    r.Kind = kind;
    r.VisSets = sets;
    r.VisN = n;
    r.Also = also;
    return r;
}

// The X design the run draws from the same seed.
std::vector<double> TargetX(StudyDesign design, int n, std::uint32_t seed) {
    design.N = n;
    RandomGenerator generator(seed);
    TargetDesign target;
    BuildTargetDesign(design, design.ActualSlope, design.ActualIntercept, generator, target);
    return {target.XTarget.begin(), target.XTarget.begin() + n};
}

double Fraction(int count, int sets) {
    return static_cast<double>(count) / sets;
}

} // namespace

TEST(VCalculations, SameSeedGivesTheSameRun) {
    for (const RegressionType regression : {RegressionType::OLS, RegressionType::Deming}) {
        StudyDesign design = OLSDesign();
        design.Regression = regression;
        design.XVariance = VarianceFunction{2, 0, 0, 0.05, 0, 2};
        design.YVariance = VarianceFunction{2, 0, 0, 0.05, 0, 2};
        const auto a = std::make_unique<VisRun>();
        const auto b = std::make_unique<VisRun>();
        const VisRunRequest request = Request(VisRunKind::Intervals, 10, 20);
        const VisRunOutcome oa = VCalculations(design, nullptr, request, *a, Seeded(4242));
        const VisRunOutcome ob = VCalculations(design, nullptr, request, *b, Seeded(4242));
        ASSERT_TRUE(oa.Completed);
        ASSERT_TRUE(ob.Completed);
        EXPECT_EQ(oa.Seed, 4242u);
        for (int k = 0; k < 10; ++k) {
            EXPECT_EQ(a->FitSlope[k], b->FitSlope[k]);
            EXPECT_EQ(a->SlopeLow[k], b->SlopeLow[k]);
            EXPECT_EQ(a->InterceptHigh[k], b->InterceptHigh[k]);
            EXPECT_EQ(a->RegionOutline[k].Upper, b->RegionOutline[k].Upper);
            EXPECT_EQ(a->Lines.Slopes[k], a->FitSlope[k]);
        }
        EXPECT_EQ(a->Lines.MeanSlope, b->Lines.MeanSlope);
        // A different seed gives other sets.
        const auto c = std::make_unique<VisRun>();
        VCalculations(design, nullptr, request, *c, Seeded(4243));
        EXPECT_NE(a->FitSlope[0], c->FitSlope[0]);
    }
}

TEST(VCalculations, RegionDetectionFollowsTheNoncentralF) {
    const StudyDesign design = OLSDesign();
    const int n = 20, sets = 1000;
    const std::uint32_t seed = 9001;
    const auto run = std::make_unique<VisRun>();
    const VisRunOutcome outcome = VCalculations(
        design, nullptr, Request(VisRunKind::Region, sets, n, false), *run, Seeded(seed));
    ASSERT_TRUE(outcome.Completed);
    ASSERT_FALSE(run->WithIntervals);
    ASSERT_EQ(run->Counts.RegionDetected + run->Counts.RegionNotDetected, sets);

    long double sxx0 = 0;
    for (double x : TargetX(design, n, seed)) {
        sxx0 += static_cast<long double>(x) * x;
    }
    const double db = design.ActualSlope - design.TrueSlope;
    const double lambda = static_cast<double>(sxx0 * db * db / design.ConstantVariance);
    const double fcrit = quantile(complement(boost::math::fisher_f(2, n - 2), 0.05));
    const double power = cdf(complement(boost::math::non_central_f(2, n - 2, lambda), fcrit));
    ASSERT_GT(power, 0.2);
    ASSERT_LT(power, 0.8);
    const double se = std::sqrt(power * (1 - power) / sets);
    EXPECT_NEAR(Fraction(run->Counts.RegionDetected, sets), power, 4 * se);
}

TEST(VCalculations, IntervalDetectionFollowsAnIndependentSimulation) {
    const StudyDesign design = OLSDesign();
    const int n = 20, sets = 1000;
    const std::uint32_t seed = 31337;
    const auto run = std::make_unique<VisRun>();
    ASSERT_TRUE(VCalculations(design, nullptr, Request(VisRunKind::Intervals, sets, n, false), *run,
                              Seeded(seed))
                    .Completed);
    ASSERT_FALSE(run->WithRegions);
    const VisCounts& c = run->Counts;
    const int detected =
        c.Of(BiasType::Proportional) + c.Of(BiasType::Constant) + c.Of(BiasType::Both);
    EXPECT_EQ(detected + c.Of(BiasType::None), sets);

    // The same X design, errors from another generator, the textbook intervals.
    const std::vector<double> x = TargetX(design, n, seed);
    const double t = quantile(complement(boost::math::students_t(n - 2), 0.025));
    std::mt19937_64 engine(5);
    std::normal_distribution<double> error(0, std::sqrt(design.ConstantVariance));
    const int reps = 40000;
    int refDetected = 0;
    for (int r = 0; r < reps; ++r) {
        std::vector<double> y(n);
        double mx = 0, my = 0;
        for (int i = 0; i < n; ++i) {
            y[i] = design.ActualIntercept + design.ActualSlope * x[i] + error(engine);
            mx += x[i] / n;
            my += y[i] / n;
        }
        double sxx = 0, sxy = 0, syy = 0;
        for (int i = 0; i < n; ++i) {
            sxx += (x[i] - mx) * (x[i] - mx);
            sxy += (x[i] - mx) * (y[i] - my);
            syy += (y[i] - my) * (y[i] - my);
        }
        const double b = sxy / sxx, a = my - b * mx;
        const double s2 = (syy - sxy * sxy / sxx) / (n - 2);
        const double seB = std::sqrt(s2 / sxx), seA = std::sqrt(s2 * (1.0 / n + mx * mx / sxx));
        refDetected += (std::fabs(b - design.TrueSlope) > t * seB ||
                        std::fabs(a - design.TrueIntercept) > t * seA)
                           ? 1
                           : 0;
    }
    const double p = Fraction(refDetected, reps);
    ASSERT_GT(p, 0.1);
    ASSERT_LT(p, 0.9);
    const double se = std::sqrt(p * (1 - p) / sets + p * (1 - p) / reps);
    EXPECT_NEAR(Fraction(detected, sets), p, 4 * se);
}

TEST(VCalculations, WhatEachRunComputes) {
    struct Case {
        VisRunKind kind;
        bool also;
        EstimationMode mode;
        bool intervals, regions;
    };
    const Case cases[] = {
        {VisRunKind::Intervals, false, EstimationMode::Automatic, true, false},
        {VisRunKind::Intervals, true, EstimationMode::Automatic, true, true},
        {VisRunKind::Region, false, EstimationMode::Automatic, false, true},
        {VisRunKind::Region, true, EstimationMode::Automatic, true, true},
        {VisRunKind::Intervals, false, EstimationMode::SpecifiedN, true, true},
    };
    for (const Case& c : cases) {
        StudyDesign design = OLSDesign();
        design.EstimationMode = c.mode;
        const auto run = std::make_unique<VisRun>();
        ASSERT_TRUE(VCalculations(design, nullptr, Request(c.kind, 10, 10, c.also), *run, Seeded(1))
                        .Completed);
        EXPECT_EQ(run->WithIntervals, c.intervals);
        EXPECT_EQ(run->WithRegions, c.regions);
        // Extents of what was not computed stay empty.
        EXPECT_EQ(run->Extents.LimitSlope.Min <= run->Extents.LimitSlope.Max, c.intervals);
        EXPECT_EQ(run->Extents.RegionSlope.Min <= run->Extents.RegionSlope.Max, c.regions);
        const int biasCounted = run->Counts.Of(BiasType::None) +
                                run->Counts.Of(BiasType::Proportional) +
                                run->Counts.Of(BiasType::Constant) + run->Counts.Of(BiasType::Both);
        EXPECT_EQ(biasCounted, c.intervals ? 10 : 0);
    }
}

TEST(VCalculations, SetsThatNeverFitEndTheRunAfterTheAttemptLimit) {
    StudyDesign design = OLSDesign();
    design.XMax = design.XMin; // every X equal
    const auto run = std::make_unique<VisRun>();
    int reports = 0;
    RunControl control = Seeded(3);
    control.Progress = [&](int) { ++reports; };
    const VisRunOutcome outcome =
        VCalculations(design, nullptr, Request(VisRunKind::Intervals, 10, 10), *run, control);
    EXPECT_FALSE(outcome.Completed);
    EXPECT_EQ(outcome.Attempts, 100);
    EXPECT_EQ(outcome.Refusal, VisRefusal::None);
    EXPECT_FALSE(run->ResultsAvailable);
    EXPECT_EQ(run->SetsDone, 0);
    EXPECT_EQ(reports, 0);
}

TEST(VCalculations, UnplottableFitsAreRefused) {
    StudyDesign design = OLSDesign();
    design.TrueSlope = 2e7;
    design.ActualSlope = 2e7;
    const auto run = std::make_unique<VisRun>();
    const VisRunOutcome outcome =
        VCalculations(design, nullptr, Request(VisRunKind::Intervals, 10, 10), *run, Seeded(3));
    EXPECT_FALSE(outcome.Completed);
    EXPECT_EQ(outcome.Refusal, VisRefusal::FittedValues);
    EXPECT_FALSE(run->ResultsAvailable);
}

TEST(VCalculations, AbortEndsWithoutResults) {
    const std::atomic<bool> running{false};
    RunControl control = Seeded(3);
    control.AbortFlag = &running;
    const auto run = std::make_unique<VisRun>();
    const VisRunOutcome outcome =
        VCalculations(OLSDesign(), nullptr, Request(VisRunKind::Intervals, 10, 10), *run, control);
    EXPECT_FALSE(outcome.Completed);
    EXPECT_FALSE(run->ResultsAvailable);
    EXPECT_EQ(run->SetsDone, 0);
}

TEST(VCalculations, AbortDuringTheRunStopsAtTheNextCheck) {
    std::atomic<bool> running{true};
    RunControl control = Seeded(3);
    control.AbortFlag = &running;
    std::vector<int> seen;
    control.Progress = [&](int done) {
        seen.push_back(done);
        if (done == 4) {
            running = false;
        }
    };
    const auto run = std::make_unique<VisRun>();
    const VisRunOutcome outcome =
        VCalculations(OLSDesign(), nullptr, Request(VisRunKind::Intervals, 10, 10), *run, control);
    EXPECT_FALSE(outcome.Completed);
    EXPECT_FALSE(run->ResultsAvailable);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4}));
}

TEST(LimitAxisRange, ZeroEndsAndTheNudgeOfAnIdealTop) {
    struct Case {
        double lo, hi, ideal, wantLo, wantHi;
    };
    const Case cases[] = {
        {0, 2, 1, -1e-6, 2},               // zero bottom moved down
        {-3, 0, 0, -3, 1e-6},              // zero top moved up, no nudge after it
        {0.5, 1.0, 1.0, 0.5, 1.000001},    // positive Ideal at the top
        {-2, -1.0, -1.0, -2, -0.99999999}, // non-positive Ideal at the top
        {0.5, 1.0 + 1e-13, 1.0, 0.5, (1.0 + 1e-13) * 1.000001}, // within 1e-12
        {0.5, 1.0 + 1e-11, 1.0, 0.5, 1.0 + 1e-11},              // beyond it
        {0.5, 2.0, 1.0, 0.5, 2.0},
    };
    for (const Case& c : cases) {
        const AxisRange r = LimitAxisRange(c.lo, c.hi, c.ideal);
        EXPECT_EQ(r.Lo, c.wantLo) << c.lo << " " << c.hi;
        EXPECT_DOUBLE_EQ(r.Hi, c.wantHi) << c.lo << " " << c.hi;
    }
}

TEST(ScaleVisAxes, LimitsAxisTopIsNudgedWhenTheIdealSlopeIsTheLargestLimit) {
    const auto run = std::make_unique<VisRun>();
    run->Extents.FitSlope = {0.9, 0.95};
    run->Extents.FitIntercept = {-1, 1};
    run->Extents.LimitSlope = {0.8, 1.0};
    run->Extents.LimitIntercept = {-2, 2};
    ASSERT_EQ(ScaleVisAxes(*run, 1.0, 0.0), VisRefusal::None);
    // The top 1.0 would be an axis end; nudged, the axis reaches past it.
    EXPECT_GT(AxisEnd(run->LimitSlopeAxis), 1.0);
    const AxisScale unnudged = ScaleSignedAxis(0.8, 1.0);
    EXPECT_NE(AxisEnd(unnudged), AxisEnd(run->LimitSlopeAxis));
}

TEST(ScaleVisAxes, UnscalableLimitsAreTheSecondRefusal) {
    const auto run = std::make_unique<VisRun>();
    run->Extents.FitSlope = {0.9, 1.1};
    run->Extents.FitIntercept = {-1, 1};
    run->Extents.LimitSlope = {-2e7, 3e7};
    run->Extents.LimitIntercept = {-2, 2};
    EXPECT_EQ(ScaleVisAxes(*run, 1.0, 0.0), VisRefusal::Limits);
    run->Extents.LimitSlope = {0.5, 1.5};
    run->Extents.RegionIntercept = {-1e8, 1e8};
    EXPECT_EQ(ScaleVisAxes(*run, 1.0, 0.0), VisRefusal::Limits);
}
