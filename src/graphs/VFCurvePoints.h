#pragma once

#include "graphs/GraphLayout.h"
#include "graphs/VFCurve.h"

#include <vector>

namespace kvor {

struct GraphOptions;

// One axis of the laid-out plot. Axis units are the data values on a linear axis and their
// decimal logarithms on a logarithmic one; pixels run from the plot's left or bottom edge.
struct VFPlotAxis {
    AxisGeometry Geometry; // from LayOutAxis over the axis extent in axis units
    double End = 1;        // the axis end, in axis units
    bool Log = false;
};

struct VFPlotGeometry {
    VFPlotAxis X;
    VFPlotAxis Y;
};

// The axes a redraw uses for a graph type with the dialog's settings: the mean axis (trimmed
// by ReduceXRange for a logarithmic CV plot) and the variance, SD or CV axis.
struct VFAxisChoice {
    AxisScale X;
    bool XLog = false;
    AxisScale Y;
    bool YLog = false;
};
VFAxisChoice ChooseVFAxes(const VFCurveSet& set, const GraphOptions& options, VFGraphType type);

// What layout needs of a chosen axis; a logarithmic axis runs over its exponents with a gap.
AxisExtent VFAxisExtent(const AxisScale& axis, bool log);

// An axis laid out over `pixels`.
VFPlotAxis LayOutVFAxis(int pixels, const AxisScale& axis, bool log);

// Pixel of a data value along an axis, and back.
double AxisPixel(const VFPlotAxis& axis, double value);
double AxisDataValue(const VFPlotAxis& axis, double pixel);

// A point in pixels from the plot's lower-left corner, Y upward.
struct PlotPoint {
    double X;
    double Y;
    friend bool operator==(const PlotPoint&, const PlotPoint&) = default;
};

struct VFCurvePoints {
    int Count = 0;                             // points computed along the curve
    std::vector<PlotPoint> Samples;            // those points, before any cutting
    std::vector<std::vector<PlotPoint>> Lines; // what is drawn, cut at the plot top and at zero
    bool Visible = false;                      // a point lies strictly inside the plot height
};

// The points of a plottable curve as the plot draws it for the given graph type.
VFCurvePoints ComputeVFCurvePoints(const VFCurve& curve, VFGraphType type,
                                   const VFPlotGeometry& geometry);

} // namespace kvor
