#include "engine/EnclosureFlags.h"

#include "engine/CriticalValues.h"
#include "engine/ExtendedMath.h"

#include <algorithm>
#include <cmath>

namespace kvor {

namespace {

bool InInterval(double estimate, double se, double crit, double value) {
    const double lo = ToDouble(estimate - static_cast<ext>(crit) * se);
    const double hi = ToDouble(estimate + static_cast<ext>(crit) * se);
    return lo <= value && value <= hi;
}

// The joint region is an ellipse; first the true slope must lie within its slope range, then the
// true intercept within the region's intercept range at that slope.
bool InRegion(double slope, const RegionSums& sums, double f, double trueSlope,
              double trueIntercept) {
    const ext twoF = 2.0L * f;
    const ext df = sums.N - 2;
    const double h = ToDouble(std::sqrt(std::max(0.0L, twoF * sums.RSS / (df * sums.Sxx))));
    const ext sLo = std::min<ext>(slope - static_cast<ext>(h), slope + static_cast<ext>(h));
    const ext sHi = std::max<ext>(slope - static_cast<ext>(h), slope + static_cast<ext>(h));
    if (trueSlope < sLo || trueSlope > sHi) {
        return false;
    }
    const double a0 = ToDouble((sums.SumWY - static_cast<ext>(trueSlope) * sums.SumWX) / sums.SumW);
    const ext ds = static_cast<ext>(trueSlope) - slope;
    const double w = ToDouble((twoF * sums.RSS / df - ds * ds * sums.Sxx) / sums.SumW);
    const double hw = ToDouble(std::sqrt(std::max(0.0L, static_cast<ext>(w))));
    const ext lo = std::min<ext>(a0 - static_cast<ext>(hw), a0 + static_cast<ext>(hw));
    const ext hi = std::max<ext>(a0 - static_cast<ext>(hw), a0 + static_cast<ext>(hw));
    return lo <= trueIntercept && trueIntercept <= hi;
}

} // namespace

void SetEnclosureFlags(RegressionOutcome& outcome, const CriticalValues& crit,
                       const RegionSums& sums, double trueSlope, double trueIntercept) {
    outcome.In95SlopeCI = InInterval(outcome.Slope, outcome.SESlope, crit.Crit95, trueSlope);
    outcome.In95InterceptCI =
        InInterval(outcome.Intercept, outcome.SEIntercept, crit.Crit95, trueIntercept);
    outcome.In95CR = InRegion(outcome.Slope, sums, crit.F95, trueSlope, trueIntercept);
    outcome.In99SlopeCI = InInterval(outcome.Slope, outcome.SESlope, crit.Crit99, trueSlope);
    outcome.In99InterceptCI =
        InInterval(outcome.Intercept, outcome.SEIntercept, crit.Crit99, trueIntercept);
    outcome.In99CR = InRegion(outcome.Slope, sums, crit.F99, trueSlope, trueIntercept);
}

} // namespace kvor
