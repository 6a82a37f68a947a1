#pragma once

#include "engine/AxisScale.h"
#include "engine/StudyDesign.h"
#include "graphs/GraphLayout.h"
#include "visualise/VisPartition.h"

#include <string>
#include <vector>

namespace kvor {

struct VisRun;

// 0 Sampling Lines, 1 Confidence Intervals, 2 Confidence Regions, 3 partitioned intervals,
// 4 partitioned regions.
enum class PlotMode { Lines = 0, Intervals = 1, Regions = 2, PartIntervals = 3, PartRegions = 4 };

// The mode of the visible view: the options view's graph type, or the partition view's kind.
PlotMode PlotModeOf(bool partitionView, VisGraphType optionsType, bool regionsPartition);

inline bool RegionMode(PlotMode mode) {
    return mode == PlotMode::Regions || mode == PlotMode::PartRegions;
}

struct VisAxes {
    AxisScale X;
    AxisScale Y;
    const char* XTitle;
    const char* YTitle;
};
// The limit axes for modes 1 to 4, the sampling-lines axes for mode 0.
VisAxes AssignAxesParams(const VisRun& run, PlotMode mode);

// A reference line is drawn only strictly inside the plot's data range.
inline bool ReferenceLineShown(double value, double edgeValue, double axisEnd) {
    return value > edgeValue && value < axisEnd;
}

// Dashes of the horizontal reference line over the plot width and of the vertical one over the
// plot height, which keeps the segment length the horizontal one settled on.
struct ReferenceDashes {
    DashedLine Horizontal;
    DashedLine Vertical;
};
ReferenceDashes ReferenceDashesOf(int plotWidth, int plotHeight);

// The steps of one drawing after background, title and axes.
enum class DrawStep { ReferenceLines, Points, Shapes };
struct PlannedStep {
    DrawStep Step;
    bool ThinPen = false; // shapes in 1-pixel lines over points drawn before them
};
std::vector<PlannedStep> DrawingSteps(PlotMode mode, bool showTrue, bool trueBeneath,
                                      bool dataOnTop);

// The entries of the Power tab that the title and the reference lines read.
struct PowerEntries {
    double IdealSlope = 1;
    double IdealIntercept = 0;
    double ActualSlope = 1;
    double ActualIntercept = 0;
    bool Imported = false;
};

std::string VisPlotCaption(RegressionType regression);
std::string VisPlotTitle1(RegressionType regression, int sets, int setSize);
std::string VisPlotTitle2(const PowerEntries& entries, char decimalSeparator);

// A tick label of the intercept axis: one with a gap writes values below 1e-10 as "0".
std::string VisTickLabel(double v, const AxisScale& axis, bool interceptAxis,
                         char decimalSeparator);

// Print job title and PrintState code of the graph shown.
struct VisPrintJob {
    const char* JobTitle;
    int Code;
};
VisPrintJob VisPrintJobOf(PlotMode mode);

} // namespace kvor
