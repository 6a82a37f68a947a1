#pragma once

#include <string>
#include <vector>

namespace kvor {

struct DataSet;

// A data set whose fit failed: its number, code, the message to show and its pairs, so that the
// user can export them.
struct FailedSet {
    int SetNumber = 0;
    int FailCode = 0;
    std::string Message;
    std::vector<double> X;
    std::vector<double> Y;
};

// Keeps the failed set's N pairs, with the message for the regression and code.
FailedSet CaptureFailedSet(const DataSet& data, int regressionFailCode, int setNumber,
                           std::string message);

} // namespace kvor
