#include "engine/WLSRegression.h"

#include "engine/CriticalValues.h"
#include "engine/DataSet.h"
#include "engine/EnclosureFlags.h"
#include "engine/ExtendedMath.h"
#include "engine/FloatGuard.h"
#include "engine/Reweighting.h"
#include "engine/StudyDesign.h"
#include "engine/WLSPass.h"
#include "engine/XSpread.h"

#include <cmath>

namespace kvor {

namespace {

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
    WLSWeighting weighting(design.YVariance, data, w);
    weighting.ObservedWeights();
    ReweightingSchedule schedule;
    WLSPassFit fit;
    bool done = false;

    for (int pass = 1; pass <= ReweightingSchedule::LastPass && !done; ++pass) {
        scratch.Passes = pass;
        schedule.StartPass(pass);
        FloatGuard guard;
        const WLSPassResult result = FitWLSPass(data, w, guard, fit);
        if (result == WLSPassResult::NoSpread) {
            return Failure(DegenerateSpread);
        }
        bool failed = result == WLSPassResult::FloatFailure;
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
