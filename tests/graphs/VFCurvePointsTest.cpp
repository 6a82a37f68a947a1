#include "graphs/VFCurvePoints.h"

#include "VFTestCurves.h"
#include "engine/ImportedData.h"
#include "graphs/AxisScale.h"
#include "graphs/GraphOptions.h"
#include "graphs/VFButtonChecks.h"
#include "graphs/VFCurveSet.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kvor {
namespace {

VFPlotAxis Linear(int pixels, double start, double end, int intervals) {
    return {LayOutAxis(pixels, {start, end, intervals, start != 0}), end, false};
}

VFPlotAxis Logarithmic(int pixels, int startExponent, int decades) {
    return {LayOutAxis(pixels, {static_cast<double>(startExponent),
                                static_cast<double>(startExponent + decades), decades, true}),
            static_cast<double>(startExponent + decades), true};
}

// Mean 0..100 over 500 pixels (5 per unit), variance 0..2 over 400 (200 per unit).
VFPlotGeometry LinearPlot() {
    return {Linear(500, 0, 100, 5), Linear(400, 0, 2, 4)};
}

TEST(VFCurvePoints, CountAndSpacingOnALinearAxis) {
    // V = 0.02 v over 10..100: f = 1, 301 points 1.5 pixels apart from pixel 50.
    const VFCurvePoints p = ComputeVFCurvePoints(PlottableCurve({2, 0, 0, 0.02, 0, 1}, 10, 100),
                                                 VFGraphType::Variance, LinearPlot());
    ASSERT_EQ(p.Count, 301);
    ASSERT_EQ(p.Samples.size(), 301u);
    for (const int i : {0, 1, 150, 299, 300}) {
        EXPECT_NEAR(p.Samples[i].X, 50 + 1.5 * i, 1e-9);
        EXPECT_NEAR(p.Samples[i].Y, 200 * 0.02 * (10 + 0.3 * i), 1e-9);
    }
    ASSERT_EQ(p.Lines.size(), 1u);
    EXPECT_EQ(p.Lines[0].size(), 301u);
    EXPECT_TRUE(p.Visible);

    // Half the axis from its start: f = (55 - 10) / (100 - 10), 151 points.
    const VFCurvePoints half = ComputeVFCurvePoints(
        PlottableCurve({2, -1, 0.02, 55, 0, 1}, 10, 100), VFGraphType::Variance, LinearPlot());
    EXPECT_EQ(half.Count, 151);
    EXPECT_NEAR(half.Samples.back().X, 5 * (55 - 1e-8), 1e-6);
}

TEST(VFCurvePoints, CutAtThePlotTopAndRestartedInside) {
    // V = 1 + 0.1 v - 0.001 v^2 rises above 2 between 11.27 and 88.73 (roots of
    // v^2 - 100 v + 1000): two lines, each ending or starting on the top edge there.
    const VFCurvePoints p = ComputeVFCurvePoints(PlottableCurve({4, 0, 1, 0.1, -0.001, 2}, 10, 100),
                                                 VFGraphType::Variance, LinearPlot());
    ASSERT_EQ(p.Lines.size(), 2u);
    const double r1 = (100 - std::sqrt(6000.0)) / 2;
    const double r2 = (100 + std::sqrt(6000.0)) / 2;
    EXPECT_EQ(p.Lines[0].back().Y, 400);
    EXPECT_NEAR(p.Lines[0].back().X, 5 * r1, 1.5);
    EXPECT_EQ(p.Lines[1].front().Y, 400);
    EXPECT_NEAR(p.Lines[1].front().X, 5 * r2, 1.5);
    for (const auto& line : p.Lines) {
        for (const PlotPoint& q : line) {
            EXPECT_GE(q.Y, 0);
            EXPECT_LE(q.Y, 400);
        }
    }
    EXPECT_TRUE(p.Visible);
}

TEST(VFCurvePoints, SDAndCvValues) {
    const VFCurve c = PlottableCurve({2, 0, 0, 0.04, 0, 1}, 25, 100); // SD = 0.2 sqrt(v)
    const VFPlotGeometry g{Linear(500, 0, 100, 5), Linear(400, 0, 4, 4)};
    const VFCurvePoints sd = ComputeVFCurvePoints(c, VFGraphType::SD, g);
    EXPECT_NEAR(sd.Samples.front().Y, 100 * 0.2 * 5, 1e-9);
    EXPECT_NEAR(sd.Samples.back().Y, 100 * 0.2 * 10, 1e-9);
    const VFCurvePoints cv = ComputeVFCurvePoints(c, VFGraphType::CV, g);
    EXPECT_NEAR(cv.Samples.front().Y, 100 * 4, 1e-9); // 20 / sqrt(25) = 4%, the top
    EXPECT_NEAR(cv.Samples.back().Y, 100 * 2, 1e-9);
}

TEST(VFCurvePoints, LogarithmicMeanAxis) {
    // Mean 1..1000 over 600 pixels with a 30 pixel gap: 190 per decade. A curve over 10..100
    // covers 190 / 600 of the width: rnd(95) + 1 points, evenly spaced in log10.
    const VFPlotGeometry g{Logarithmic(600, 0, 3), Linear(400, 0, 2, 4)};
    const VFCurvePoints p =
        ComputeVFCurvePoints(PlottableCurve({2, 0, 1, 0, 0, 1}, 10, 100), VFGraphType::Variance, g);
    ASSERT_EQ(p.Count, 96);
    EXPECT_NEAR(p.Samples[0].X, 30 + 190, 1e-9);
    EXPECT_NEAR(p.Samples[95].X, 30 + 380, 1e-9);
    EXPECT_NEAR(AxisDataValue(g.X, p.Samples[19].X), std::pow(10.0, 1.2), 1e-9);
    EXPECT_NEAR(AxisPixel(g.X, 1), 30, 1e-9);

    // The curve starts at the plot's left edge when its range starts before it.
    const VFCurvePoints wide = ComputeVFCurvePoints(PlottableCurve({2, 0, 1, 0, 0, 1}, 1e-8, 100),
                                                    VFGraphType::Variance, g);
    EXPECT_NEAR(wide.Samples.front().X, 0, 1e-9);
}

TEST(VFCurvePoints, LogarithmicVarianceCutAtTheBottomAndInvisibleAboveTheTop) {
    // Variance 10^-2..10^0 over 400 pixels with a 20 pixel gap. V = 1e-4 v over 10..100 lies
    // from 1e-3 (below the plot) to 1e-2: the line starts on the bottom edge.
    const VFPlotGeometry g{Linear(500, 0, 100, 5), Logarithmic(400, -2, 2)};
    const VFCurvePoints low = ComputeVFCurvePoints(PlottableCurve({2, 0, 0, 1e-4, 0, 1}, 10, 100),
                                                   VFGraphType::Variance, g);
    ASSERT_EQ(low.Lines.size(), 1u);
    EXPECT_EQ(low.Lines[0].front().Y, 0);
    EXPECT_NEAR(low.Lines[0].back().Y, 20, 1e-9);
    EXPECT_TRUE(low.Visible);

    const VFCurvePoints high =
        ComputeVFCurvePoints(PlottableCurve({2, 0, 5, 0, 0, 1}, 10, 100), VFGraphType::Variance, g);
    EXPECT_TRUE(high.Lines.empty());
    EXPECT_FALSE(high.Visible);
}

TEST(VFCurvePoints, NothingOutsideTheMeanAxis) {
    const VFCurvePoints p = ComputeVFCurvePoints(PlottableCurve({2, 0, 1, 0, 0, 1}, 200, 300),
                                                 VFGraphType::Variance, LinearPlot());
    EXPECT_EQ(p.Count, 0);
    EXPECT_FALSE(p.Visible);
}

} // namespace
} // namespace kvor

namespace kvor {
namespace {

TEST(ChooseVFAxes, FollowsTheGraphTypeAndTheDialogSettings) {
    VFCurveSet set;
    set.Curve(VFYFunction) = PlottableCurve({2, 0, 100, 0, 0, 1}, 1, 1000);
    GraphOptions options = DesignGraphOptions();
    CompleteVFCurveSet(set, options);
    ASSERT_TRUE(options.XLog);
    set.CvAxis = PresetCvAxis(20);

    const VFAxisChoice cv = ChooseVFAxes(set, options, VFGraphType::CV);
    EXPECT_TRUE(cv.XLog);
    EXPECT_FALSE(cv.YLog);
    EXPECT_EQ(cv.X.StartExponent, ReduceXRange(set).StartExponent);
    EXPECT_EQ(cv.X.StartExponent, 1);

    options.YLog = true;
    const VFAxisChoice variance = ChooseVFAxes(set, options, VFGraphType::Variance);
    EXPECT_TRUE(variance.YLog);
    EXPECT_EQ(variance.X.StartExponent, 0);
    EXPECT_EQ(variance.Y.Intervals, set.VarianceLogAxis.Intervals);
    EXPECT_EQ(variance.Y.StartExponent, set.VarianceLogAxis.StartExponent);

    options.XLog = false;
    options.YLog = false;
    options.VFZeroOrigin = false;
    set.MeanRangeAxis = ScalePositiveAxis(set.MeanMin, set.MeanMax);
    const VFAxisChoice sd = ChooseVFAxes(set, options, VFGraphType::SD);
    EXPECT_EQ(sd.X.StartMantissa, set.MeanRangeAxis.StartMantissa);
    EXPECT_EQ(sd.Y.StepMantissa, set.SDAxis.StepMantissa);
}

// Designs at the edges of the coefficient ranges, through the button and onto a laid-out plot:
// whatever is drawn lies inside the plot.
TEST(VFCurvePoints, EdgeDesignsDrawInsideThePlot) {
    const double coefficients[] = {1e-300, 1e-8, 1, 999999999, -0.5};
    const double exponents[] = {-65, -1.5, 0, 1, 2, 2.5, 65};
    int drawn = 0;
    for (const int form : {2, 3, 4}) {
        for (const int para : {-1, 0, 1}) {
            for (const double b : coefficients) {
                for (const double j : exponents) {
                    StudyDesign design;
                    design.Regression = RegressionType::Deming;
                    design.XMin = 0;
                    design.XMax = 1000;
                    design.TrueIntercept = 3;
                    design.YVariance = {form, para, b, 1 - b, b / 3, j};
                    design.XVariance = {form, para, 1, b, -b, j};
                    GraphOptions options = DesignGraphOptions();
                    const VFButtonOutcome o =
                        CheckVFButton(design, StudyTab::Accuracy, {}, options, '.');
                    if (!o.DialogOpens) {
                        continue;
                    }
                    for (const VFGraphType type :
                         {VFGraphType::Variance, VFGraphType::SD, VFGraphType::CV}) {
                        const VFAxisChoice axes = ChooseVFAxes(o.Set, options, type);
                        const VFPlotGeometry g{LayOutVFAxis(600, axes.X, axes.XLog),
                                               LayOutVFAxis(420, axes.Y, axes.YLog)};
                        for (int f = o.Set.FirstFunction; f <= o.Set.LastFunction; ++f) {
                            const VFCurvePoints p = ComputeVFCurvePoints(o.Set.Curve(f), type, g);
                            ASSERT_LE(p.Count, 301);
                            for (const auto& line : p.Lines) {
                                for (const PlotPoint& q : line) {
                                    ++drawn;
                                    ASSERT_GE(q.X, -1e-6);
                                    ASSERT_LE(q.X, g.X.Geometry.Length + 1e-6);
                                    ASSERT_GE(q.Y, 0);
                                    ASSERT_LE(q.Y, g.Y.Geometry.Length);
                                }
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(drawn, 0);
}

} // namespace
} // namespace kvor
