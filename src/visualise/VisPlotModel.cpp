#include "visualise/VisPlotModel.h"

#include "graphs/AxisScale.h"
#include "graphs/SampleLinesModel.h"
#include "visualise/VisRun.h"

#include <cmath>

namespace kvor {

namespace {

constexpr double TinyLabel = 1e-10;

std::string RegressionName(RegressionType regression) {
    return std::string(RegressionText(regression)) + "Regression";
}

} // namespace

PlotMode PlotModeOf(bool partitionView, VisGraphType optionsType, bool regionsPartition) {
    if (partitionView) {
        return regionsPartition ? PlotMode::PartRegions : PlotMode::PartIntervals;
    }
    return static_cast<PlotMode>(static_cast<int>(optionsType));
}

VisAxes AssignAxesParams(const VisRun& run, PlotMode mode) {
    if (mode == PlotMode::Lines) {
        return {run.LinesXAxis, run.LinesYAxis, "X", "Y"};
    }
    return {run.LimitSlopeAxis, run.LimitInterceptAxis, "Slope", "Intercept"};
}

ReferenceDashes ReferenceDashesOf(int plotWidth, int plotHeight) {
    ReferenceDashes dashes;
    dashes.Horizontal = SegmentDashedLine(plotWidth, DashLayout(plotWidth).Length);
    dashes.Vertical = SegmentDashedLine(plotHeight, dashes.Horizontal.Length);
    return dashes;
}

std::vector<PlannedStep> DrawingSteps(PlotMode mode, bool showTrue, bool trueBeneath,
                                      bool dataOnTop) {
    std::vector<PlannedStep> steps;
    steps.reserve(5);
    if (showTrue && trueBeneath) {
        steps.push_back({DrawStep::ReferenceLines});
    }
    const bool points = mode != PlotMode::Lines;
    if (points && !dataOnTop) {
        steps.push_back({DrawStep::Points});
    }
    steps.push_back({DrawStep::Shapes, points && !dataOnTop});
    if (points && dataOnTop) {
        steps.push_back({DrawStep::Points});
    }
    if (showTrue && !trueBeneath) {
        steps.push_back({DrawStep::ReferenceLines});
    }
    return steps;
}

std::string VisPlotCaption(RegressionType regression) {
    std::string caption(1, ' ');
    caption += RegressionName(regression);
    return caption;
}

std::string VisPlotTitle1(RegressionType regression, int sets, int setSize) {
    return RegressionName(regression) + ":  " + std::to_string(sets) +
           " simulated sets of N = " + std::to_string(setSize);
}

std::string VisPlotTitle2(const PowerEntries& e, char separator) {
    std::string title = "Ideal [Slope, Intercept] = [" +
                        FormatSignificant(5, 2, e.IdealSlope, separator) + ", " +
                        FormatSignificant(6, 2, e.IdealIntercept, separator) + "];  Actual = [";
    if (e.Imported) {
        return title + "User defined]";
    }
    return title + FormatSignificant(5, 2, e.ActualSlope, separator) + ", " +
           FormatSignificant(6, 2, e.ActualIntercept, separator) + "]";
}

std::string VisTickLabel(double v, const AxisScale& axis, bool interceptAxis, char separator) {
    if (interceptAxis && LinearAxisExtent(axis).Gap && std::fabs(v) < TinyLabel) {
        return "0";
    }
    return FormatAxisLabel(v, axis, separator);
}

VisPrintJob VisPrintJobOf(PlotMode mode) {
    switch (mode) {
    case PlotMode::Lines:
        return {"KVOR Sampling Lines Plot", 10};
    case PlotMode::Regions:
    case PlotMode::PartRegions:
        return {"KVOR Confidence Region Plot", 7};
    case PlotMode::Intervals:
    case PlotMode::PartIntervals:
        break;
    }
    return {"KVOR Confidence Interval Plot", 6};
}

} // namespace kvor
