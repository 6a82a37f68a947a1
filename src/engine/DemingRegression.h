#pragma once

#include "engine/RegressionOutcome.h"

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

} // namespace kvor
