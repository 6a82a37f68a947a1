#pragma once

#include "engine/RegressionOutcome.h"

#include <string>
#include <vector>

namespace kvor {

struct DataSet;

// A data set whose fit failed: its number, code, the message to show and its pairs, so that the
// user can export them.
struct FailedSet {
    int SetNumber = 0;
    kvor::FailCode FailCode = NoFailure; // NoFailure when the pool could not supply the set
    std::string Message;
    std::vector<double> X;
    std::vector<double> Y;
};

// Keeps the failed set's N pairs, with the message for the regression and code.
FailedSet CaptureFailedSet(const DataSet& data, FailCode regressionFailCode, int setNumber,
                           std::string message);

} // namespace kvor
