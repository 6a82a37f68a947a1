#pragma once

#include "graphs/GraphLayout.h"
#include "graphs/VFCurve.h"

#include <vector>

namespace kvor {

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
