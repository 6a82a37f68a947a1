#pragma once

#include "engine/RegressionOutcome.h"

namespace kvor {

struct CriticalValues;

// What the enclosure tests of a least-squares fit need besides its estimates. SumW is N for OLS
// and the sum of the weights for WLS; Sxx and RSS are the one-pass spread and residual sum.
struct RegionSums {
    double SumW;
    double SumWX;
    double SumWY;
    double Sxx;
    double RSS;
    int N;
};

// Sets the six enclosure flags of outcome (Slope, SE and the region sums already known) for the
// true point (trueSlope, trueIntercept), first at the 95% then at the 99% level.
void SetEnclosureFlags(RegressionOutcome& outcome, const CriticalValues& crit,
                       const RegionSums& sums, double trueSlope, double trueIntercept);

} // namespace kvor
