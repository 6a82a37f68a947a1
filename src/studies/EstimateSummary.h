#pragma once

#include <string>

namespace kvor {

// Mean, SD, Z and P of the slopes (or the intercepts) of a finished Accuracy run, with the texts
// of their result panels. Z and P exist only when the SD is positive; their texts are then empty.
struct EstimateSummary {
    double Mean = 0;
    double SD = 0;
    bool HasZ = false;
    double Z = 0;
    double P = 0;
    std::string MeanText;
    std::string SDText;
    std::string ZText;
    std::string PText;
};

// From the sum and the sum of squares of the estimates over `sets` data sets, against the true
// value of the design.
EstimateSummary SummariseEstimates(double sum, double sumOfSquares, int sets, double trueValue,
                                   char decimalSeparator);

} // namespace kvor
