#pragma once

#include "graphs/VFCurve.h"

#include <optional>

namespace kvor {

// Largest variance the plot shows; above it a function is "excessively large".
inline constexpr double VFPlotVarianceLimit = 1e12;
// Lowest level the plot examines; a lower range end is raised to it.
inline constexpr double VFLowestLevel = 1e-8;
// How far inside the zero of its base a partly valid function is cut.
inline constexpr double VFZeroOffset = 1e-8;

// Examines curve's function over [RangeLo, RangeHi] and fills the valid range, the variance and
// CV extremes, the CV turning point and the flags. Returns Code (also stored):
// 0 plottable, 1 plottable over part of the range, 2 nowhere positive, 3 / 4 / 5 too large at
// the lower end / upper end / both, 6 too large at the form-4 turning point, 7 form 4 not
// positive at an end or at the turning point.
int CheckVarianceFunctionPlotting(VFCurve& curve);

// CV (%) of variance V at level v, empty when V or v is not positive or the division fails.
std::optional<double> CoefficientOfVariation(double v, double V);

} // namespace kvor
