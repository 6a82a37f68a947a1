#include "graphs/VFLabelPlace.h"

#include <algorithm>
#include <cmath>

namespace kvor {

namespace {

// Above this slope (pixels per pixel) the curve ends steeply and the label goes beside it.
constexpr double SteepSlope = 0.75;

} // namespace

PlotPoint AutoLabelPosition(const VFCurvePoints& curve, double w, double h, double plotWidth,
                            double plotHeight) {
    PlotPoint end{plotWidth / 2, plotHeight / 2};
    double slope = 0;
    for (const auto& line : curve.Lines) {
        if (line.size() < 2) {
            continue;
        }
        const PlotPoint a = line[line.size() - 2];
        end = line.back();
        const double dx = end.X - a.X;
        slope = dx != 0 ? (end.Y - a.Y) / dx : HUGE_VAL;
    }
    const double dx = w / 4;
    const double dy = h / 8;
    PlotPoint at{};
    if (std::abs(slope) > SteepSlope) {
        // Beside a steep end: to its left, at its height.
        at = {end.X - w - dx, end.Y - h / 2};
    } else {
        // Over (or, when the curve falls, under) a flat end, ending at it.
        at = {end.X - w - dx, slope >= 0 ? end.Y + dy : end.Y - h - dy};
    }
    at.X = std::clamp(at.X, 0.0, std::max(0.0, plotWidth - w));
    at.Y = std::clamp(at.Y, 0.0, std::max(0.0, plotHeight - h));
    return at;
}

} // namespace kvor
