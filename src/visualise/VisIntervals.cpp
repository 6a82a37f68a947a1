#include "visualise/VisIntervals.h"

#include "engine/ExtendedMath.h"
#include "engine/FloatGuard.h"
#include "engine/RegressionOutcome.h"
#include "studies/RunControl.h"
#include "visualise/VisSetFit.h"

namespace kvor {

namespace {

bool Outside(double value, double low, double high) {
    return value < low || value > high;
}

} // namespace

BiasType ClassifyBias(double trueSlope, double slopeLow, double slopeHigh, double trueIntercept,
                      double interceptLow, double interceptHigh) {
    const bool proportional = Outside(trueSlope, slopeLow, slopeHigh);
    const bool constant = Outside(trueIntercept, interceptLow, interceptHigh);
    if (proportional && constant) {
        return BiasType::Both;
    }
    if (proportional) {
        return BiasType::Proportional;
    }
    return constant ? BiasType::Constant : BiasType::None;
}

void SetIntervals(VisSetFit& fit, double seSlope, double seIntercept,
                  const VisFitSettings& settings) {
    const ext c = settings.C;
    fit.SlopeLow = ToDouble(fit.Slope - c * seSlope);
    fit.SlopeHigh = ToDouble(fit.Slope + c * seSlope);
    fit.InterceptLow = ToDouble(fit.Intercept - c * seIntercept);
    fit.InterceptHigh = ToDouble(fit.Intercept + c * seIntercept);
    fit.Bias = ClassifyBias(settings.TrueSlope, fit.SlopeLow, fit.SlopeHigh, settings.TrueIntercept,
                            fit.InterceptLow, fit.InterceptHigh);
}

bool SetEstimates(VisSetFit& fit, const RegressionOutcome& estimate, const VisFitSettings& settings,
                  const RunControl& control) {
    fit.Slope = estimate.Slope;
    fit.Intercept = estimate.Intercept;
    if (!settings.Intervals) {
        return true;
    }
    const FloatGuard guard;
    SetIntervals(fit, estimate.SESlope, estimate.SEIntercept, settings);
    return !guard.Failed() && control.Running();
}

} // namespace kvor
