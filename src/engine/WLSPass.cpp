#include "engine/WLSPass.h"

#include "engine/FloatGuard.h"

#include <cmath>

namespace kvor {

namespace {

bool Finite(const WLSPassFit& p) {
    return std::isfinite(p.Slope) && std::isfinite(p.Intercept) && std::isfinite(p.SESlope) &&
           std::isfinite(p.SEIntercept);
}

} // namespace

WLSPassResult FitWLSPass(const DataSet& data, const double* w, const FloatGuard& guard,
                         WLSPassFit& p) {
    const double* x = data.X.data();
    const double* y = data.Y.data();
    p.Sums = AccumulateWeightedSums(w, x, y, data.N);
    const WeightedSums& s = p.Sums;
    p.Sxx = ToDouble(s.SwXX - static_cast<ext>(s.SwX) * s.SwX / s.Sw);
    if (guard.Failed()) {
        return WLSPassResult::FloatFailure;
    }
    if (!(p.Sxx > 0)) {
        return WLSPassResult::NoSpread;
    }
    p.Syy = ToDouble(s.SwYY - static_cast<ext>(s.SwY) * s.SwY / s.Sw);
    p.Sxy = ToDouble(s.SwXY - static_cast<ext>(s.SwX) * s.SwY / s.Sw);
    const double xbar = ToDouble(static_cast<ext>(s.SwX) / s.Sw);
    const WeightedCentredSums c = AccumulateWeightedCentredSums(w, x, y, data.N, xbar);
    if (guard.Failed()) {
        return WLSPassResult::FloatFailure;
    }
    if (!(c.Den > 0)) {
        return WLSPassResult::NoSpread;
    }
    p.Slope = ToDouble(static_cast<ext>(c.Num) / c.Den);
    p.Intercept = ToDouble((s.SwY - static_cast<ext>(p.Slope) * s.SwX) / s.Sw);
    p.SESlope = ToDouble(std::sqrt(1.0L / c.Den));
    p.SEIntercept = ToDouble(
        std::sqrt((static_cast<ext>(s.SwX) * s.SwX / (s.Sw * static_cast<ext>(c.Den)) + 1) / s.Sw));
    // A NaN among the data raises no flag; it must not pass as a fit either.
    if (guard.Failed() || !Finite(p)) {
        return WLSPassResult::FloatFailure;
    }
    return WLSPassResult::Fitted;
}

} // namespace kvor
