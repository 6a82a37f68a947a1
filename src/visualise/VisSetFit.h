#pragma once

#include "visualise/BiasType.h"

#include <array>
#include <cmath>

namespace kvor {

inline constexpr int OutlinePoints = 202;

// A joint region drawn as equally spaced slopes from its smallest to its largest, with the lower
// and the upper intercept at each.
struct RegionOutline {
    std::array<double, OutlinePoints> Slope{};
    std::array<double, OutlinePoints> Lower{};
    std::array<double, OutlinePoints> Upper{};
};

// What the visualisation fits are asked for: one significance level and the Ideal point.
struct VisFitSettings {
    double C = 0; // interval multiplier
    double F = 0; // F quantile of the joint region
    double TrueSlope = 0;
    double TrueIntercept = 0;
    bool Intervals = true;
    bool Regions = true;
};

// One usable set as the visualisation keeps it. Interval fields are meaningful only when the
// settings asked for intervals, region fields only when they asked for regions.
struct VisSetFit {
    double Slope = 0;
    double Intercept = 0;
    double SlopeLow = 0;
    double SlopeHigh = 0;
    double InterceptLow = 0;
    double InterceptHigh = 0;
    BiasType Bias = BiasType::None;
    bool RegionDetected = false;
    RegionOutline Outline;
    // Intercept extremes of the region (the slope extremes are the outline's ends).
    double RegionInterceptMin = 0;
    double RegionInterceptMax = 0;
};

// A floating-point failure that raised no flag must not pass as an outline either.
inline bool OutlineFinite(const VisSetFit& fit) {
    for (int i = 0; i < OutlinePoints; ++i) {
        if (!std::isfinite(fit.Outline.Slope[i]) || !std::isfinite(fit.Outline.Lower[i]) ||
            !std::isfinite(fit.Outline.Upper[i])) {
            return false;
        }
    }
    return std::isfinite(fit.RegionInterceptMin) && std::isfinite(fit.RegionInterceptMax);
}

} // namespace kvor
