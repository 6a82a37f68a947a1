#pragma once

#include "engine/StudyDesign.h"

#include <string>

namespace kvor {

// The information message shown when the fit of data set number `setNumber` returned
// `failCode` (1 or 2); it ends with the offer to export the set's pairs.
std::string FailedSetMessage(RegressionType regression, int failCode, int setNumber);

} // namespace kvor
