#pragma once

#include "engine/Capacities.h"
#include "engine/RegressionOutcome.h"

#include <vector>

namespace kvor {

struct CriticalValues;
struct DataSet;
struct StudyDesign;

// Working storage of the weighted fit, sized once so that fitting never allocates.
struct WLSScratch {
    WLSScratch() : W(MaxPairsPerSet) {}

    std::vector<double> W; // weight of pair i is W[i - 1]
    int Passes = 0;        // passes the last fit took (1..21), 0 when it failed before a pass
};

// Weighted least squares of Y on X with weights 1/V from the design's Y-variance function, taken
// first at the observed Y and then iterated at the fitted Y until the slope settles. The
// intervals take the variance function as known; the joint region scales by the weighted
// residual mean square. Never throws: FailCode 1 for a weighted X spread that is not positive,
// 2 for a floating-point failure before the first reweighting from fitted values; a later failure
// falls back to the weights at the observed Y.
RegressionOutcome DoWLSRegression(const StudyDesign& design, const CriticalValues& crit,
                                  const DataSet& data, WLSScratch& scratch);

} // namespace kvor
