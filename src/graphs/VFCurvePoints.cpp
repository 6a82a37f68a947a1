#include "graphs/VFCurvePoints.h"

#include "engine/ExtendedMath.h"
#include "engine/VarianceFunctions.h"
#include "graphs/AxisScale.h"
#include "graphs/GraphOptions.h"
#include "graphs/VFCurveSet.h"

#include <algorithm>
#include <cmath>

namespace kvor {

namespace {

constexpr int MostIntervals = 300;

double ToAxisUnits(const VFPlotAxis& axis, double value) {
    return axis.Log ? std::log10(value) : value;
}

double FromAxisUnits(const VFPlotAxis& axis, double units) {
    return axis.Log ? ToDouble(std::pow(10.0L, units)) : units;
}

double CurveValue(const VarianceFunction& f, VFGraphType type, double x) {
    const double V = VarianceForPlot(f, x);
    switch (type) {
    case VFGraphType::Variance:
        return V;
    case VFGraphType::SD:
        return std::sqrt(V);
    case VFGraphType::CV:
        return ToDouble(100 * std::sqrt(static_cast<ext>(V)) / x);
    }
    return V;
}

// Point count: 300 intervals over the whole axis, fewer for a curve that covers part of it.
int PointCount(double x0, double x1, const VFPlotAxis& axis) {
    double share = 0;
    if (axis.Log) {
        share = std::log10(x1 / x0) * axis.Geometry.PixelsPerUnit / axis.Geometry.Length;
    } else {
        share = (x1 - x0) / (FromAxisUnits(axis, axis.End) - x0);
    }
    if (!std::isfinite(share)) {
        share = 0;
    }
    return std::max(2, Rnd(MostIntervals * std::clamp(share, 0.0, 1.0)) + 1);
}

// Cuts the segment a-b to the plot height; false when nothing of it lies inside.
bool ClipToHeight(PlotPoint a, PlotPoint b, double top, PlotPoint& from, PlotPoint& to,
                  bool& entered, bool& left) {
    if (!std::isfinite(a.Y) || !std::isfinite(b.Y)) {
        return false;
    }
    double t0 = 0;
    double t1 = 1;
    const double dy = b.Y - a.Y;
    if (dy == 0) {
        if (a.Y < 0 || a.Y > top) {
            return false;
        }
    } else {
        const double tZero = -a.Y / dy;
        const double tTop = (top - a.Y) / dy;
        t0 = std::max(0.0, std::min(tZero, tTop));
        t1 = std::min(1.0, std::max(tZero, tTop));
        if (t0 > t1) {
            return false;
        }
    }
    const auto at = [&](double t) {
        return PlotPoint{a.X + t * (b.X - a.X), std::clamp(a.Y + t * dy, 0.0, top)};
    };
    from = t0 > 0 ? at(t0) : a;
    to = t1 < 1 ? at(t1) : b;
    entered = t0 > 0;
    left = t1 < 1;
    return true;
}

std::vector<std::vector<PlotPoint>> CutToPlot(const std::vector<PlotPoint>& samples, double top) {
    std::vector<std::vector<PlotPoint>> lines;
    std::vector<PlotPoint> line;
    const auto finish = [&] {
        if (line.size() >= 2) {
            lines.push_back(line);
        }
        line.clear();
    };
    for (std::size_t i = 1; i < samples.size(); ++i) {
        PlotPoint from{};
        PlotPoint to{};
        bool entered = false;
        bool left = false;
        if (!ClipToHeight(samples[i - 1], samples[i], top, from, to, entered, left)) {
            finish();
            continue;
        }
        if (entered) {
            finish();
        }
        if (line.empty()) {
            line.push_back(from);
        }
        if (!(to == line.back())) {
            line.push_back(to);
        }
        if (left) {
            finish();
        }
    }
    finish();
    return lines;
}

} // namespace

VFAxisChoice ChooseVFAxes(const VFCurveSet& set, const GraphOptions& options, VFGraphType type) {
    VFAxisChoice choice;
    choice.XLog = options.XLog;
    if (options.XLog) {
        choice.X = type == VFGraphType::CV ? ReduceXRange(set) : set.MeanLogAxis;
    } else {
        choice.X = options.VFZeroOrigin ? set.MeanZeroAxis : set.MeanRangeAxis;
    }
    switch (type) {
    case VFGraphType::Variance:
        choice.YLog = options.YLog;
        choice.Y = options.YLog ? set.VarianceLogAxis : set.VarianceAxis;
        break;
    case VFGraphType::SD:
        choice.YLog = options.YLog;
        choice.Y = options.YLog ? set.SDLogAxis : set.SDAxis;
        break;
    case VFGraphType::CV:
        choice.Y = set.CvAxis;
        break;
    }
    return choice;
}

AxisExtent VFAxisExtent(const AxisScale& axis, bool log) {
    if (!log) {
        return LinearAxisExtent(axis);
    }
    return {static_cast<double>(axis.StartExponent),
            static_cast<double>(axis.StartExponent + axis.Intervals), axis.Intervals, true};
}

VFPlotAxis LayOutVFAxis(int pixels, const AxisScale& axis, bool log) {
    const AxisExtent extent = VFAxisExtent(axis, log);
    return {LayOutAxis(pixels, extent), extent.End, log};
}

double AxisPixel(const VFPlotAxis& axis, double value) {
    return (ToAxisUnits(axis, value) - axis.Geometry.EdgeValue) * axis.Geometry.PixelsPerUnit;
}

double AxisDataValue(const VFPlotAxis& axis, double pixel) {
    return FromAxisUnits(axis, axis.Geometry.EdgeValue + pixel / axis.Geometry.PixelsPerUnit);
}

VFCurvePoints ComputeVFCurvePoints(const VFCurve& curve, VFGraphType type,
                                   const VFPlotGeometry& g) {
    VFCurvePoints result;
    const double x0 = std::max(curve.ValidLo, FromAxisUnits(g.X, g.X.Geometry.EdgeValue));
    const double x1 = std::min(curve.ValidHi, FromAxisUnits(g.X, g.X.End));
    if (!(x0 < x1) || !(g.X.Geometry.PixelsPerUnit > 0) || (g.X.Log && !(x0 > 0))) {
        return result;
    }
    result.Count = PointCount(x0, x1, g.X);
    const VarianceFunction f = curve.Function();
    const double p0 = AxisPixel(g.X, x0);
    const double p1 = AxisPixel(g.X, x1);
    const double top = g.Y.Geometry.Length;
    result.Samples.reserve(static_cast<std::size_t>(result.Count));
    for (int i = 0; i < result.Count; ++i) {
        const bool last = i == result.Count - 1;
        const double px = last ? p1 : p0 + (p1 - p0) * i / (result.Count - 1);
        const double x = i == 0 ? x0 : last ? x1 : AxisDataValue(g.X, px);
        const double value = CurveValue(f, type, x);
        const double py = value > 0 || !g.Y.Log ? AxisPixel(g.Y, value) : -HUGE_VAL;
        result.Samples.push_back({px, py});
        result.Visible = result.Visible || (py > 0 && py < top);
    }
    result.Lines = CutToPlot(result.Samples, top);
    return result;
}

} // namespace kvor
