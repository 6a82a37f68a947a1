#pragma once

#include "engine/RegressionOutcome.h"
#include "engine/VarianceFunctions.h"

namespace kvor {

struct CriticalValues;
struct DataSet;
struct DemingScratch;
struct StudyDesign;

// Weighted Deming fit of the data set with the design's X- and Y-variance functions. Never
// throws: a degenerate spread gives FailCode 1, a floating-point failure before the first
// reweighting gives FailCode 2, and a set without profile confidence limits is returned with
// Valid false.
RegressionOutcome DoDemingRegression(const StudyDesign& design, const CriticalValues& crit,
                                     const DataSet& data, DemingScratch& scratch);

// Recomputes scratch.WX and scratch.WY at each point's estimated true position on the line
// Y = slope * X + intercept (units of the data). Positions outside the box of weight limits are
// moved to where the line crosses the box.
void TruePointWeights(const StudyDesign& design, const DataSet& data, WeightRange xLimits,
                      WeightRange yLimits, double slope, double intercept, DemingScratch& scratch);

} // namespace kvor
