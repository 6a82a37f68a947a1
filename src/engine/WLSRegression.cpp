#include "engine/WLSRegression.h"

#include "engine/CriticalValues.h"
#include "engine/DataSet.h"
#include "engine/EnclosureFlags.h"
#include "engine/ExtendedMath.h"
#include "engine/FloatGuard.h"
#include "engine/Reweighting.h"
#include "engine/StudyDesign.h"
#include "engine/VarianceFunctions.h"
#include "engine/WeightedSums.h"
#include "engine/XSpread.h"

#include <cmath>

namespace kvor {

namespace {

// Weights 1/V with V from the Y-variance function at a level clamped into the weight limits.
class Weighting {
public:
    Weighting(const VarianceFunction& f, const DataSet& data, double* w)
        : m_f(f), m_data(data), m_w(w), m_range(WgtRange(f, data.SetYMin, data.SetYMax)) {}

    void ObservedWeights() {
        for (int i = 0; i < m_data.N; ++i) {
            m_w[i] = Weight(m_f, Clamp(m_data.Y[i], m_range));
        }
    }

    void FittedWeights(double slope, double intercept) {
        const ext b = slope;
        for (int i = 0; i < m_data.N; ++i) {
            m_w[i] = Weight(m_f, Clamp(ToDouble(b * m_data.X[i] + intercept), m_range));
        }
    }

private:
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
    p.Sxx = ToDouble(s.SwXX - static_cast<ext>(s.SwX) * s.SwX / s.Sw);
    if (guard.Failed()) {
        return PassResult::FloatFailure;
    }
    if (!(p.Sxx > 0)) {
        return PassResult::NoSpread;
    }
    p.Syy = ToDouble(s.SwYY - static_cast<ext>(s.SwY) * s.SwY / s.Sw);
    p.Sxy = ToDouble(s.SwXY - static_cast<ext>(s.SwX) * s.SwY / s.Sw);
    const double xbar = ToDouble(static_cast<ext>(s.SwX) / s.Sw);
    const WeightedCentredSums c = AccumulateWeightedCentredSums(w, x, y, data.N, xbar);
    if (guard.Failed()) {
        return PassResult::FloatFailure;
    }
    if (!(c.Den > 0)) {
        return PassResult::NoSpread;
    }
    p.Slope = ToDouble(static_cast<ext>(c.Num) / c.Den);
    p.Intercept = ToDouble((s.SwY - static_cast<ext>(p.Slope) * s.SwX) / s.Sw);
    p.SESlope = ToDouble(std::sqrt(1.0L / c.Den));
    p.SEIntercept = ToDouble(
        std::sqrt((static_cast<ext>(s.SwX) * s.SwX / (s.Sw * static_cast<ext>(c.Den)) + 1) / s.Sw));
    // A NaN among the data raises no flag; it must not pass as a fit either.
    if (guard.Failed() || !Finite(p)) {
        return PassResult::FloatFailure;
    }
    return PassResult::Fitted;
}

RegressionOutcome Failure(FailCode code) {
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
        return Failure(DegenerateSpread);
    }
    if (AllXEqual(data.X.data(), n)) {
        return Failure(DegenerateSpread);
    }
    double* w = scratch.W.data();
    Weighting weighting(design.YVariance, data, w);
    weighting.ObservedWeights();
    ReweightingSchedule schedule;
    PassFit fit;
    bool done = false;

    for (int pass = 1; pass <= ReweightingSchedule::LastPass && !done; ++pass) {
        scratch.Passes = pass;
        schedule.StartPass(pass);
        FloatGuard guard;
        const PassResult result = FitPass(data, w, guard, fit);
        if (result == PassResult::NoSpread) {
            return Failure(DegenerateSpread);
        }
        bool failed = result == PassResult::FloatFailure;
        if (!failed) {
            switch (schedule.AfterFit([&] { return fit.Slope; })) {
            case ReweightingSchedule::Step::Done:
                done = true;
                break;
            case ReweightingSchedule::Step::ObservedAgain:
                weighting.ObservedWeights();
                break;
            case ReweightingSchedule::Step::Reweight:
                weighting.FittedWeights(fit.Slope, fit.Intercept);
                failed = guard.Failed();
                break;
            }
        }
        if (failed) {
            if (!schedule.FallBack()) {
                return Failure(FloatingPointFailure);
            }
            weighting.ObservedWeights();
        }
    }
    // Every schedule ends in a fit; this only guards against a fallback that failed again.
    if (!done) {
        return Failure(FloatingPointFailure);
    }

    RegressionOutcome out;
    out.Slope = fit.Slope;
    out.Intercept = fit.Intercept;
    out.SESlope = fit.SESlope;
    out.SEIntercept = fit.SEIntercept;
    out.Valid = true;
    double RSS = ToDouble(fit.Syy - static_cast<ext>(fit.Sxy) * fit.Sxy / fit.Sxx);
    if (!(RSS >= 0)) {
        RSS = 0;
    }
    const RegionSums region{fit.Sums.Sw, fit.Sums.SwX, fit.Sums.SwY, fit.Sxx, RSS, n};
    SetEnclosureFlags(out, crit, region, design.TrueSlope, design.TrueIntercept);
    return out;
}

} // namespace kvor
