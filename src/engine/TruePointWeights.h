#pragma once

#include "engine/VarianceFunctions.h"

namespace kvor {

struct DataSet;
struct DemingScratch;
struct StudyDesign;

// Recomputes scratch.WX and scratch.WY at each point's estimated true position on the line
// Y = slope * X + intercept (units of the data). Positions outside the box of weight limits are
// moved to where the line crosses the box, so no weight is taken at a non-positive variance.
void TruePointWeights(const StudyDesign& design, const DataSet& data, WeightRange xLimits,
                      WeightRange yLimits, double slope, double intercept, DemingScratch& scratch);

} // namespace kvor
