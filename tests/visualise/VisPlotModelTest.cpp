#include "visualise/VisPlotModel.h"

#include "VisPlotRun.h"
#include "graphs/AxisScale.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kvor::DrawStep;
using kvor::PlotMode;
using kvor::VisGraphType;

TEST(PlotModeOf, VisibleViewDecides) {
    EXPECT_EQ(kvor::PlotModeOf(false, VisGraphType::Lines, true), PlotMode::Lines);
    EXPECT_EQ(kvor::PlotModeOf(false, VisGraphType::Intervals, true), PlotMode::Intervals);
    EXPECT_EQ(kvor::PlotModeOf(false, VisGraphType::Regions, false), PlotMode::Regions);
    EXPECT_EQ(kvor::PlotModeOf(true, VisGraphType::Regions, false), PlotMode::PartIntervals);
    EXPECT_EQ(kvor::PlotModeOf(true, VisGraphType::Intervals, true), PlotMode::PartRegions);
}

TEST(AssignAxesParams, LimitAxesExceptForSamplingLines) {
    auto run = vistest::ClassRun({kvor::BiasType::None}, {});
    run->LimitSlopeAxis = kvor::ScaleSignedAxis(0.5, 1.5);
    run->LimitInterceptAxis = kvor::ScaleSignedAxis(-3, 7);
    run->LinesXAxis = kvor::ScalePositiveAxis(10, 90);
    run->LinesYAxis = kvor::ScalePositiveAxis(20, 400);
    for (const PlotMode mode :
         {PlotMode::Intervals, PlotMode::Regions, PlotMode::PartIntervals, PlotMode::PartRegions}) {
        const kvor::VisAxes axes = kvor::AssignAxesParams(*run, mode);
        EXPECT_DOUBLE_EQ(kvor::AxisEnd(axes.X), kvor::AxisEnd(run->LimitSlopeAxis));
        EXPECT_DOUBLE_EQ(kvor::AxisStart(axes.Y), kvor::AxisStart(run->LimitInterceptAxis));
        EXPECT_STREQ(axes.XTitle, "Slope");
        EXPECT_STREQ(axes.YTitle, "Intercept");
    }
    const kvor::VisAxes lines = kvor::AssignAxesParams(*run, PlotMode::Lines);
    EXPECT_DOUBLE_EQ(kvor::AxisEnd(lines.Y), kvor::AxisEnd(run->LinesYAxis));
    EXPECT_DOUBLE_EQ(kvor::AxisStart(lines.X), kvor::AxisStart(run->LinesXAxis));
    EXPECT_STREQ(lines.XTitle, "X");
    EXPECT_STREQ(lines.YTitle, "Y");
}

TEST(ReferenceLineShown, StrictlyInsideOnly) {
    EXPECT_FALSE(kvor::ReferenceLineShown(0.8, 0.8, 1.4));
    EXPECT_FALSE(kvor::ReferenceLineShown(1.4, 0.8, 1.4));
    EXPECT_FALSE(kvor::ReferenceLineShown(0.7, 0.8, 1.4));
    EXPECT_FALSE(kvor::ReferenceLineShown(1.5, 0.8, 1.4));
    EXPECT_TRUE(kvor::ReferenceLineShown(0.8000001, 0.8, 1.4));
    EXPECT_TRUE(kvor::ReferenceLineShown(1.3999999, 0.8, 1.4));
}

TEST(ReferenceDashesOf, VerticalKeepsTheAdjustedSegment) {
    for (const auto& [w, h] : std::vector<std::pair<int, int>>{
             {1500, 1500}, {1000, 700}, {317, 222}, {1804, 1083}, {640, 384}}) {
        const kvor::ReferenceDashes d = kvor::ReferenceDashesOf(w, h);
        EXPECT_EQ(d.Horizontal.Count % 2, 1) << w;
        EXPECT_EQ(d.Vertical.Count % 2, 1) << w;
        EXPECT_EQ(d.Horizontal.Count * d.Horizontal.Length + d.Horizontal.Longer, w);
        EXPECT_EQ(d.Vertical.Count * d.Vertical.Length + d.Vertical.Longer, h);
        const kvor::DashedLine again = kvor::SegmentDashedLine(h, d.Horizontal.Length);
        EXPECT_EQ(d.Vertical.Count, again.Count) << w;
        EXPECT_EQ(d.Vertical.Length, again.Length) << w;
    }
}

TEST(ReferenceDashesOf, SegmentFromAnEvenCountIsTheShortenedOne) {
    // At a width where DashLayout's length gives an even count the horizontal segment is
    // shortened; the vertical line must reuse the shortened length, not DashLayout's.
    int found = 0;
    for (int w = 321; w < 2000; ++w) {
        const int S = kvor::DashLayout(w).Length;
        if ((w / S) % 2 != 0) {
            continue;
        }
        ++found;
        const kvor::ReferenceDashes d = kvor::ReferenceDashesOf(w, w);
        EXPECT_EQ(d.Horizontal.Length, w / (w / S + 1)) << w;
        EXPECT_EQ(d.Vertical.Length, d.Horizontal.Length) << w;
        break;
    }
    EXPECT_EQ(found, 1) << "no width with an even segment count below 2000";
}

std::string Steps(const std::vector<kvor::PlannedStep>& steps) {
    std::string s;
    for (const auto& step : steps) {
        s += step.Step == DrawStep::ReferenceLines ? "R"
             : step.Step == DrawStep::Points       ? "P"
                                                   : (step.ThinPen ? "s" : "S");
    }
    return s;
}

TEST(DrawingSteps, OrderAndPenRule) {
    struct Row {
        PlotMode mode;
        bool showTrue, beneath, onTop;
        std::string steps;
    };
    const std::vector<Row> rows{
        {PlotMode::Intervals, true, false, true, "SPR"},
        {PlotMode::Intervals, true, true, true, "RSP"},
        {PlotMode::Regions, true, false, false, "PsR"},
        {PlotMode::PartRegions, true, true, false, "RPs"},
        {PlotMode::PartIntervals, false, true, true, "SP"},
        {PlotMode::Lines, true, true, false, "RS"},
        {PlotMode::Lines, true, false, true, "SR"},
        {PlotMode::Lines, false, false, false, "S"},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        EXPECT_EQ(Steps(kvor::DrawingSteps(r.mode, r.showTrue, r.beneath, r.onTop)), r.steps)
            << "row " << i;
    }
}

TEST(VisPlotTitles, CaptionAndLines) {
    EXPECT_EQ(kvor::VisPlotCaption(kvor::RegressionType::OLS), "  OLS Regression");
    EXPECT_EQ(kvor::VisPlotCaption(kvor::RegressionType::Deming), "  Deming Regression");
    EXPECT_EQ(kvor::VisPlotTitle1(kvor::RegressionType::WLS, 250, 37),
              " WLS Regression:  250 simulated sets of N = 37");
    kvor::PowerEntries e{1, 0, 1.05, -2.5, false};
    EXPECT_EQ(kvor::VisPlotTitle2(e, '.'),
              "Ideal [Slope, Intercept] = [1.0, 0.0];  Actual = [1.05, -2.5]");
    EXPECT_EQ(kvor::VisPlotTitle2(e, ','),
              "Ideal [Slope, Intercept] = [1,0, 0,0];  Actual = [1,05, -2,5]");
    e.Imported = true;
    EXPECT_EQ(kvor::VisPlotTitle2(e, '.'),
              "Ideal [Slope, Intercept] = [1.0, 0.0];  Actual = [User defined]");
}

TEST(VisTickLabel, TinyValueOnGappedInterceptAxisIsZero) {
    const kvor::AxisScale gapped = kvor::ScaleSignedAxis(-0.3, 0.5);
    ASSERT_NE(gapped.StartMantissa, 0);
    EXPECT_EQ(kvor::VisTickLabel(3e-17, gapped, true, '.'), "0");
    EXPECT_EQ(kvor::VisTickLabel(-5e-11, gapped, true, '.'), "0");
    EXPECT_NE(kvor::VisTickLabel(3e-17, gapped, false, '.'), "0");
    EXPECT_EQ(kvor::VisTickLabel(0.2, gapped, true, '.'), kvor::FormatAxisLabel(0.2, gapped));
}

TEST(VisPrintJobOf, TitleAndCodePerGraph) {
    EXPECT_STREQ(kvor::VisPrintJobOf(PlotMode::Intervals).JobTitle,
                 "KVOR Confidence Interval Plot");
    EXPECT_EQ(kvor::VisPrintJobOf(PlotMode::PartIntervals).Code, 6);
    EXPECT_STREQ(kvor::VisPrintJobOf(PlotMode::PartRegions).JobTitle,
                 "KVOR Confidence Region Plot");
    EXPECT_EQ(kvor::VisPrintJobOf(PlotMode::Regions).Code, 7);
    EXPECT_STREQ(kvor::VisPrintJobOf(PlotMode::Lines).JobTitle, "KVOR Sampling Lines Plot");
    EXPECT_EQ(kvor::VisPrintJobOf(PlotMode::Lines).Code, 10);
}

} // namespace
