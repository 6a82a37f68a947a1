#include "studies/EstimateSummary.h"

#include "engine/Distributions.h"
#include "studies/NumberFormats.h"

#include <cmath>

namespace kvor {

EstimateSummary SummariseEstimates(double sum, double sumOfSquares, int sets, double trueValue,
                                   char decimalSeparator) {
    using Extended = long double;
    EstimateSummary s;
    // A single set has no spread to speak of; it must not divide by zero.
    double variance = 0;
    if (sets > 1) {
        variance = (sumOfSquares - Extended(sum) * sum / sets) / (sets - 1);
    }
    if (!(variance >= 0)) {
        variance = 0;
    }
    s.SD = std::sqrt(Extended(variance));
    s.Mean = sets > 0 ? Extended(sum) / sets : 0.0L;
    s.MeanText = FormatA(s.Mean, decimalSeparator);
    s.SDText = FormatA(s.SD, decimalSeparator);
    if (s.SD > 0) {
        s.HasZ = true;
        s.Z = (Extended(s.Mean) - trueValue) * std::sqrt(Extended(sets)) / s.SD;
        s.P = NormalTwoSidedP(s.Z);
        s.ZText = FormatZ(s.Z, decimalSeparator);
        s.PText = FormatP(s.P, decimalSeparator);
    }
    return s;
}

} // namespace kvor
