#pragma once

#include "engine/RegressionOutcome.h"

namespace kvor {

struct CriticalValues;
struct DataSet;
struct StudyDesign;

// Ordinary least squares of Y on X for the N pairs of data, with the confidence intervals and
// the joint region tested against the design's TrueSlope and TrueIntercept. Never throws:
// FailCode 1 for X-values without spread, 2 for a floating-point failure or a non-finite result.
RegressionOutcome DoOLSRegression(const StudyDesign& design, const CriticalValues& crit,
                                  const DataSet& data);

} // namespace kvor
