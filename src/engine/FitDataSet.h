#pragma once

#include "engine/RegressionOutcome.h"

namespace kvor {

struct RunWorkspace;

// Fits the workspace's current data set by the design's regression.
RegressionOutcome FitDataSet(RunWorkspace& workspace);

} // namespace kvor
