#include "engine/EnclosureFlags.h"

#include "engine/CriticalValues.h"

#include <algorithm>
#include <cmath>

namespace kvor {

namespace {

bool InInterval(double estimate, double se, double crit, double value) {
    const double lo = static_cast<double>(estimate - static_cast<long double>(crit) * se);
    const double hi = static_cast<double>(estimate + static_cast<long double>(crit) * se);
    return lo <= value && value <= hi;
}

// The joint region is an ellipse; first the true slope must lie within its slope range, then the
// true intercept within the region's intercept range at that slope.
bool InRegion(double slope, const RegionSums& sums, double f, double trueSlope,
              double trueIntercept) {
    const long double twoF = 2.0L * f;
    const long double df = sums.N - 2;
    const double h =
        static_cast<double>(std::sqrt(std::max(0.0L, twoF * sums.RSS / (df * sums.Sxx))));
    const long double sLo = std::min<long double>(slope - static_cast<long double>(h),
                                                  slope + static_cast<long double>(h));
    const long double sHi = std::max<long double>(slope - static_cast<long double>(h),
                                                  slope + static_cast<long double>(h));
    if (trueSlope < sLo || trueSlope > sHi) {
        return false;
    }
    const double a0 = static_cast<double>(
        (sums.SumWY - static_cast<long double>(trueSlope) * sums.SumWX) / sums.SumW);
    const long double ds = static_cast<long double>(trueSlope) - slope;
    const double w = static_cast<double>((twoF * sums.RSS / df - ds * ds * sums.Sxx) / sums.SumW);
    const double hw = static_cast<double>(std::sqrt(std::max(0.0L, static_cast<long double>(w))));
    const long double lo =
        std::min<long double>(a0 - static_cast<long double>(hw), a0 + static_cast<long double>(hw));
    const long double hi =
        std::max<long double>(a0 - static_cast<long double>(hw), a0 + static_cast<long double>(hw));
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
