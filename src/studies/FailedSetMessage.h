#pragma once

#include "engine/RegressionOutcome.h"
#include "engine/StudyDesign.h"

#include <string>

namespace kvor {

// The information message shown when the fit of data set number `setNumber` returned
// `failCode` (DegenerateSpread or FloatingPointFailure); it ends with the offer to export the set's
// pairs.
std::string FailedSetMessage(RegressionType regression, FailCode failCode, int setNumber);

} // namespace kvor
