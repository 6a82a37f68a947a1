#include "engine/Distributions.h"

#include "engine/ExtendedMath.h"
#include "engine/Power.h"

#include <cmath>

namespace kvor {

namespace {

// Probabilities at or below this are computed as if they were this.
constexpr double SmallestP = 0.001;
constexpr double BracketLow = 0.00001;

double WorkingP(double p) {
    return p <= SmallestP ? SmallestP : p;
}

double RelativeErrorPercent(double p, double prob) {
    return std::fabs(ext(p) - prob) * 100 / p;
}

// Bisection on a tail probability that falls as the quantile grows, stopped at a relative error
// of limitPercent in the probability. A midpoint that no longer moves ends the search as well,
// since the search could never get closer from there.
template <typename Tail>
double BisectTail(Tail tail, double p, double lo, double hi, ext limitPercent) {
    double q = (ext(hi) + lo) / 2;
    double prob = tail(q);
    double err = RelativeErrorPercent(p, prob);
    while (err > limitPercent) {
        const double q0 = q;
        if (prob < p) {
            q = (ext(q0) + lo) / 2;
            hi = q0;
        } else if (prob > p) {
            q = (ext(hi) + q0) / 2;
            lo = q0;
        } else {
            break;
        }
        if (q == q0) {
            break;
        }
        prob = tail(q);
        err = RelativeErrorPercent(p, prob);
    }
    return q;
}

} // namespace

double LogGamma(double x) {
    static constexpr double Coefficients[] = {76.18009172947146,   -86.50532032941677,
                                              24.01409824083091,   -1.231739572450155,
                                              0.00120865097386617, -0.000005395239384953};
    double tmp = ext(x) + 5.5;
    tmp = std::log(ext(tmp)) * (ext(x) + 0.5) - tmp;
    double ser = 1.000000000190015;
    double y = x;
    for (const double c : Coefficients) {
        y = ext(y) + 1;
        ser = ser + ext(c) / y;
    }
    return std::log(ext(2.5066282746310005) * ser / x) + tmp;
}

double BetaContinuedFraction(double a, double b, double x) {
    constexpr double Tiny = 1e-13;
    constexpr ext Tolerance = 0.0025L;
    constexpr int MaxIterations = 200;
    // Near-zero terms are replaced by +Tiny whatever their sign.
    const auto guarded = [](double v) { return std::fabs(v) < Tiny ? Tiny : v; };

    const double qab = ext(a) + b;
    const double qap = ext(a) + 1;
    const double qam = ext(a) - 1;
    double c = 1.0;
    double d = guarded(1 - ext(qab) * x / qap);
    d = 1 / ext(d);
    double h = d;
    for (int m = 1; m <= MaxIterations; ++m) {
        const int m2 = 2 * m;
        double aa = m * (ext(b) - m) * x / ((ext(qam) + m2) * (ext(a) + m2));
        d = guarded(1 + ext(aa) * d);
        c = guarded(1 + ext(aa) / c);
        d = 1 / ext(d);
        h = ext(h) * d * c;
        aa = -(ext(a) + m) * (ext(qab) + m) * x / ((ext(a) + m2) * (ext(qap) + m2));
        d = guarded(1 + ext(aa) * d);
        c = guarded(1 + ext(aa) / c);
        d = 1 / ext(d);
        const double del = ext(d) * c;
        h = ext(h) * del;
        if (std::fabs(ext(del) - 1) < Tolerance) {
            break;
        }
    }
    return h;
}

double IncompleteBeta(double a, double b, double x) {
    double bt = 0.0;
    if (x != 0.0 && x != 1.0) {
        bt = std::exp(ext(LogGamma(ext(a) + b)) - LogGamma(a) - LogGamma(b) + a * std::log(ext(x)) +
                      b * std::log(1 - ext(x)));
    }
    if (ext(x) < (ext(a) + 1) / (ext(a) + b + 2)) {
        return ext(bt) * BetaContinuedFraction(a, b, x) / a;
    }
    return 1 - ext(bt) * BetaContinuedFraction(b, a, 1 - ext(x)) / b;
}

double TQuantile(int df, double p) {
    p = WorkingP(p);
    double hi = 10.0;
    if (df == 1) {
        hi = 1 / ext(p);
    } else if (df == 2 || df == 3) {
        hi = 0.5L / p;
    }
    const auto tail = [df](double t) {
        return IncompleteBeta(ext(df) / 2, 0.5, df / (df + ext(t) * t));
    };
    return BisectTail(tail, p, BracketLow, hi, 0.1L);
}

double FQuantile(int df1, int df2, double p) {
    p = WorkingP(p);
    double hi = 150.0;
    if (df1 == 1 || df2 == 1) {
        hi = 640000.0;
    } else if (df1 == 2 || df2 == 2) {
        hi = 1010.0;
    }
    const auto tail = [df1, df2](double f) {
        return IncompleteBeta(ext(df2) / 2, ext(df1) / 2, df2 / (df2 + ext(df1) * f));
    };
    return BisectTail(tail, p, BracketLow, hi, 0.01L);
}

double NormalTwoSidedP(double z) {
    const double t = 1 / (1 + 0.2316419L * std::fabs(z));
    const double phi = 0.39894228L * std::exp(-0.5L * z * z);
    return 2 * ext(phi) *
           (0.31938153L * t - 0.356563782L * Power(t, 2) + 1.781477937L * Power(t, 3) -
            1.821255978L * Power(t, 4) + 1.330274429L * Power(t, 5));
}

} // namespace kvor
