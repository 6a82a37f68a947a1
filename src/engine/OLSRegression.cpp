#include "engine/OLSRegression.h"

#include "engine/CriticalValues.h"
#include "engine/DataSet.h"
#include "engine/EnclosureFlags.h"
#include "engine/ExtendedMath.h"
#include "engine/FloatGuard.h"
#include "engine/RawSums.h"
#include "engine/StudyDesign.h"
#include "engine/XSpread.h"

#include <cmath>

namespace kvor {

namespace {

struct CentredSums {
    double SxyC = 0;
    double SxxC = 0;
};

// Second pass about the mean: the slope and its standard errors use this spread.
CentredSums AccumulateCentredSums(const double* x, const double* y, int n, double xbar) {
    CentredSums s;
    for (int i = 0; i < n; ++i) {
        const ext d = ToDouble(static_cast<ext>(x[i]) - xbar);
        s.SxyC = ToDouble(s.SxyC + d * y[i]);
        s.SxxC = ToDouble(s.SxxC + d * d);
    }
    return s;
}

bool AllFinite(const RegressionOutcome& r) {
    return std::isfinite(r.Slope) && std::isfinite(r.Intercept) && std::isfinite(r.SESlope) &&
           std::isfinite(r.SEIntercept);
}

} // namespace

RegressionOutcome DoOLSRegression(const StudyDesign& design, const CriticalValues& crit,
                                  const DataSet& data) {
    RegressionOutcome out;
    out.FailCode = NoFailure;
    const int n = data.N;
    if (n < 1 || n > static_cast<int>(data.X.size())) {
        out.FailCode = DegenerateSpread;
        return out;
    }
    // The guard also covers the raw sums, so an overflow there cannot pass as a success.
    FloatGuard guard;
    const RawSums raw = AccumulateRawSums(data.X.data(), data.Y.data(), n);
    const ext N = n;
    const double Sxx = ToDouble(raw.Sxx0 - static_cast<ext>(raw.Sx) * raw.Sx / N);
    if (!(Sxx > 0) || AllXEqual(data.X.data(), n)) {
        out.FailCode = DegenerateSpread;
        return out;
    }

    const double Syy = ToDouble(raw.Syy0 - static_cast<ext>(raw.Sy) * raw.Sy / N);
    const double Sxy = ToDouble(raw.Sxy0 - static_cast<ext>(raw.Sx) * raw.Sy / N);
    double RSS = ToDouble(Syy - static_cast<ext>(Sxy) * Sxy / Sxx);
    if (RSS < 0) {
        RSS = 0;
    }
    const double s2 = ToDouble(RSS / (N - 2));
    const double xbar = ToDouble(raw.Sx / N);
    const CentredSums c = AccumulateCentredSums(data.X.data(), data.Y.data(), n, xbar);
    if (guard.Failed()) {
        out.FailCode = FloatingPointFailure;
        return out;
    }
    if (!(c.SxxC > 0)) {
        out.FailCode = DegenerateSpread;
        return out;
    }

    out.Slope = ToDouble(static_cast<ext>(c.SxyC) / c.SxxC);
    out.Intercept = ToDouble((raw.Sy - static_cast<ext>(out.Slope) * raw.Sx) / N);
    out.SESlope = ToDouble(std::sqrt(static_cast<ext>(s2) / c.SxxC));
    out.SEIntercept =
        ToDouble(std::sqrt((static_cast<ext>(raw.Sx) * raw.Sx / (N * c.SxxC) + 1) * s2 / N));
    if (guard.Failed() || !AllFinite(out)) {
        out = RegressionOutcome{};
        out.FailCode = FloatingPointFailure;
        return out;
    }

    out.Valid = true;
    const RegionSums region{ToDouble(n), raw.Sx, raw.Sy, Sxx, RSS, n};
    SetEnclosureFlags(out, crit, region, design.TrueSlope, design.TrueIntercept);
    return out;
}

} // namespace kvor
