#include "engine/OLSRegression.h"

#include "engine/CriticalValues.h"
#include "engine/DataSet.h"
#include "engine/EnclosureFlags.h"
#include "engine/FloatGuard.h"
#include "engine/StudyDesign.h"
#include "engine/XSpread.h"

#include <cmath>

namespace kvor {

namespace {

// Raw sums of one pass; each running value is rounded to double after every addition.
struct RawSums {
    double Sx = 0;
    double Sxx0 = 0;
    double Sy = 0;
    double Syy0 = 0;
    double Sxy0 = 0;
};

RawSums AccumulateRawSums(const double* x, const double* y, int n) {
    RawSums s;
    for (int i = 0; i < n; ++i) {
        const long double xi = x[i];
        const long double yi = y[i];
        s.Sx = static_cast<double>(s.Sx + xi);
        s.Sxx0 = static_cast<double>(s.Sxx0 + xi * xi);
        s.Sy = static_cast<double>(s.Sy + yi);
        s.Syy0 = static_cast<double>(s.Syy0 + yi * yi);
        s.Sxy0 = static_cast<double>(s.Sxy0 + xi * yi);
    }
    return s;
}

struct CentredSums {
    double SxyC = 0;
    double SxxC = 0;
};

// Second pass about the mean: the slope and its standard errors use this spread.
CentredSums AccumulateCentredSums(const double* x, const double* y, int n, double xbar) {
    CentredSums s;
    for (int i = 0; i < n; ++i) {
        const long double d = static_cast<double>(static_cast<long double>(x[i]) - xbar);
        s.SxyC = static_cast<double>(s.SxyC + d * y[i]);
        s.SxxC = static_cast<double>(s.SxxC + d * d);
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
    out.FailCode = 0;
    const int n = data.N;
    if (n < 1 || n > static_cast<int>(data.X.size())) {
        out.FailCode = 1;
        return out;
    }
    // The guard also covers the raw sums, so an overflow there cannot pass as a success.
    FloatGuard guard;
    const RawSums raw = AccumulateRawSums(data.X.data(), data.Y.data(), n);
    const long double N = n;
    const double Sxx =
        static_cast<double>(raw.Sxx0 - static_cast<long double>(raw.Sx) * raw.Sx / N);
    if (!(Sxx > 0) || AllXEqual(data.X.data(), n)) {
        out.FailCode = 1;
        return out;
    }

    const double Syy =
        static_cast<double>(raw.Syy0 - static_cast<long double>(raw.Sy) * raw.Sy / N);
    const double Sxy =
        static_cast<double>(raw.Sxy0 - static_cast<long double>(raw.Sx) * raw.Sy / N);
    double RSS = static_cast<double>(Syy - static_cast<long double>(Sxy) * Sxy / Sxx);
    if (RSS < 0) {
        RSS = 0;
    }
    const double s2 = static_cast<double>(RSS / (N - 2));
    const double xbar = static_cast<double>(raw.Sx / N);
    const CentredSums c = AccumulateCentredSums(data.X.data(), data.Y.data(), n, xbar);
    if (guard.Failed()) {
        out.FailCode = 2;
        return out;
    }
    if (!(c.SxxC > 0)) {
        out.FailCode = 1;
        return out;
    }

    out.Slope = static_cast<double>(static_cast<long double>(c.SxyC) / c.SxxC);
    out.Intercept =
        static_cast<double>((raw.Sy - static_cast<long double>(out.Slope) * raw.Sx) / N);
    out.SESlope = static_cast<double>(std::sqrt(static_cast<long double>(s2) / c.SxxC));
    out.SEIntercept = static_cast<double>(
        std::sqrt((static_cast<long double>(raw.Sx) * raw.Sx / (N * c.SxxC) + 1) * s2 / N));
    if (guard.Failed() || !AllFinite(out)) {
        out = RegressionOutcome{};
        out.FailCode = 2;
        return out;
    }

    out.Valid = true;
    const RegionSums region{static_cast<double>(n), raw.Sx, raw.Sy, Sxx, RSS, n};
    SetEnclosureFlags(out, crit, region, design.TrueSlope, design.TrueIntercept);
    return out;
}

} // namespace kvor
