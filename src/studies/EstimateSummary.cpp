#include "studies/EstimateSummary.h"

#include "engine/Distributions.h"
#include "engine/ExtendedMath.h"
#include "studies/NumberFormats.h"

#include <cmath>

namespace kvor {

EstimateSummary SummariseEstimates(double sum, double sumOfSquares, int sets, double trueValue,
                                   char decimalSeparator) {
    EstimateSummary s;
    // A single set has no spread to speak of; it must not divide by zero.
    double variance = 0;
    if (sets > 1) {
        variance = (sumOfSquares - ext(sum) * sum / sets) / (sets - 1);
    }
    if (!(variance >= 0)) {
        variance = 0;
    }
    s.SD = std::sqrt(ext(variance));
    s.Mean = sets > 0 ? ext(sum) / sets : 0.0L;
    s.MeanText = FormatA(s.Mean, decimalSeparator);
    s.SDText = FormatA(s.SD, decimalSeparator);
    if (s.SD > 0) {
        s.HasZ = true;
        s.Z = (ext(s.Mean) - trueValue) * std::sqrt(ext(sets)) / s.SD;
        s.P = NormalTwoSidedP(s.Z);
        s.ZText = FormatZ(s.Z, decimalSeparator);
        s.PText = FormatP(s.P, decimalSeparator);
    }
    return s;
}

} // namespace kvor
