#include "engine/WLSRegression.h"

#include "engine/CriticalValues.h"
#include "engine/DataSet.h"
#include "engine/EnclosureFlags.h"
#include "engine/FloatGuard.h"
#include "engine/StudyDesign.h"
#include "engine/VarianceFunctions.h"
#include "engine/WeightedSums.h"
#include "engine/XSpread.h"

#include <cmath>

namespace kvor {

namespace {

constexpr int LastPass = 21;
constexpr int ObservedAgainPass = 20;

// Weights 1/V with V from the Y-variance function at a level clamped into the weight limits.
class Weighting {
public:
    Weighting(const VarianceFunction& f, const DataSet& data, double* w)
        : m_f(f), m_data(data), m_w(w),
          m_range(WgtRange(f.Para, f.Form, f.B1, f.B2, f.B3, f.J, data.SetYMin, data.SetYMax)) {}

    void ObservedWeights() {
        for (int i = 0; i < m_data.N; ++i) {
            m_w[i] = WeightAt(m_data.Y[i]);
        }
    }

    void FittedWeights(double slope, double intercept) {
        const long double b = slope;
        for (int i = 0; i < m_data.N; ++i) {
            m_w[i] = WeightAt(static_cast<double>(b * m_data.X[i] + intercept));
        }
    }

private:
    double Clamp(double y) const {
        if (m_range.Lower > y) {
            return m_range.Lower;
        }
        if (y > m_range.Upper) {
            return m_range.Upper;
        }
        return y;
    }

    double WeightAt(double y) const {
        const double v = PVar(m_f.Para, m_f.Form, m_f.B1, m_f.B2, m_f.B3, m_f.J, Clamp(y));
        return static_cast<double>(1.0L / v);
    }

    const VarianceFunction& m_f;
    const DataSet& m_data;
    double* m_w;
    WeightRange m_range;
};

// One pass's fit and the sums the joint region needs.
struct PassFit {
    double Slope = 0;
    double Intercept = 0;
    double SESlope = 0;
    double SEIntercept = 0;
    double Sxx = 0;
    double Syy = 0;
    double Sxy = 0;
    WeightedSums Sums;
};

enum class PassResult { Fitted, NoSpread, FloatFailure };

bool Finite(const PassFit& p) {
    return std::isfinite(p.Slope) && std::isfinite(p.Intercept) && std::isfinite(p.SESlope) &&
           std::isfinite(p.SEIntercept);
}

PassResult FitPass(const DataSet& data, const double* w, const FloatGuard& guard, PassFit& p) {
    const double* x = data.X.data();
    const double* y = data.Y.data();
    p.Sums = AccumulateWeightedSums(w, x, y, data.N);
    const WeightedSums& s = p.Sums;
    p.Sxx = static_cast<double>(s.SwXX - static_cast<long double>(s.SwX) * s.SwX / s.Sw);
    if (guard.Failed()) {
        return PassResult::FloatFailure;
    }
    if (!(p.Sxx > 0)) {
        return PassResult::NoSpread;
    }
    p.Syy = static_cast<double>(s.SwYY - static_cast<long double>(s.SwY) * s.SwY / s.Sw);
    p.Sxy = static_cast<double>(s.SwXY - static_cast<long double>(s.SwX) * s.SwY / s.Sw);
    const double xbar = static_cast<double>(static_cast<long double>(s.SwX) / s.Sw);
    const WeightedCentredSums c = AccumulateWeightedCentredSums(w, x, y, data.N, xbar);
    if (guard.Failed()) {
        return PassResult::FloatFailure;
    }
    if (!(c.Den > 0)) {
        return PassResult::NoSpread;
    }
    p.Slope = static_cast<double>(static_cast<long double>(c.Num) / c.Den);
    p.Intercept = static_cast<double>((s.SwY - static_cast<long double>(p.Slope) * s.SwX) / s.Sw);
    p.SESlope = static_cast<double>(std::sqrt(1.0L / c.Den));
    p.SEIntercept = static_cast<double>(std::sqrt(
        (static_cast<long double>(s.SwX) * s.SwX / (s.Sw * static_cast<long double>(c.Den)) + 1) /
        s.Sw));
    // A NaN among the data raises no flag; it must not pass as a fit either.
    if (guard.Failed() || !Finite(p)) {
        return PassResult::FloatFailure;
    }
    return PassResult::Fitted;
}

bool Converged(double prev, double slope) {
    if (prev != 0) {
        return std::fabs((static_cast<long double>(prev) - slope) / prev) < 1e-5L;
    }
    return std::fabs(static_cast<long double>(prev) - slope) < 1e-10L;
}

RegressionOutcome Failure(int code) {
    RegressionOutcome out;
    out.FailCode = code;
    return out;
}

} // namespace

RegressionOutcome DoWLSRegression(const StudyDesign& design, const CriticalValues& crit,
                                  const DataSet& data, WLSScratch& scratch) {
    scratch.Passes = 0;
    const int n = data.N;
    if (n < 1 || n > static_cast<int>(scratch.W.size()) || n > static_cast<int>(data.X.size())) {
        return Failure(1);
    }
    if (AllXEqual(data.X.data(), n)) {
        return Failure(1);
    }
    double* w = scratch.W.data();
    Weighting weighting(design.YVariance, data, w);
    weighting.ObservedWeights();
    bool first = true;
    bool final = false;
    double prev = 0;
    PassFit fit;
    bool done = false;

    for (int pass = 1; pass <= LastPass && !done; ++pass) {
        scratch.Passes = pass;
        FloatGuard guard;
        const PassResult result = FitPass(data, w, guard, fit);
        if (result == PassResult::NoSpread) {
            return Failure(1);
        }
        bool failed = result == PassResult::FloatFailure;
        if (!failed) {
            if (final) {
                done = true;
            } else if (pass == 1) {
                first = false;
                weighting.FittedWeights(fit.Slope, fit.Intercept);
                prev = fit.Slope;
                failed = guard.Failed();
            } else if (pass == ObservedAgainPass) {
                weighting.ObservedWeights();
                final = true;
            } else if (Converged(prev, fit.Slope)) {
                done = true;
            } else {
                weighting.FittedWeights(fit.Slope, fit.Intercept);
                prev = fit.Slope;
                failed = guard.Failed();
            }
        }
        if (failed) {
            if (first) {
                return Failure(2);
            }
            weighting.ObservedWeights();
            final = true;
        }
    }
    // Every schedule ends in a fit; this only guards against a fallback that failed again.
    if (!done) {
        return Failure(2);
    }

    RegressionOutcome out;
    out.FailCode = 0;
    out.Slope = fit.Slope;
    out.Intercept = fit.Intercept;
    out.SESlope = fit.SESlope;
    out.SEIntercept = fit.SEIntercept;
    out.Valid = true;
    double RSS =
        static_cast<double>(fit.Syy - static_cast<long double>(fit.Sxy) * fit.Sxy / fit.Sxx);
    if (!(RSS >= 0)) {
        RSS = 0;
    }
    const RegionSums region{fit.Sums.Sw, fit.Sums.SwX, fit.Sums.SwY, fit.Sxx, RSS, n};
    SetEnclosureFlags(out, crit, region, design.TrueSlope, design.TrueIntercept);
    return out;
}

} // namespace kvor
