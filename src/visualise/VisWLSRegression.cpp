#include "engine/DataSet.h"
#include "engine/FloatGuard.h"
#include "engine/RegressionOutcome.h"
#include "engine/Reweighting.h"
#include "engine/StudyDesign.h"
#include "engine/WLSPass.h"
#include "engine/WLSRegression.h"
#include "engine/XSpread.h"
#include "studies/RunControl.h"
#include "visualise/LeastSquaresRegion.h"
#include "visualise/LeastSquaresSteps.h"
#include "visualise/VisFits.h"

namespace kvor {

namespace {

// Pass 1 at the observed weights, then reweighting at the fitted line until the slope settles;
// false when a pass fails or pass 21 still moves the slope.
bool FitSettled(const StudyDesign& design, const DataSet& data, WLSScratch& scratch,
                WLSPassFit& fit) {
    WLSWeighting weighting(design.YVariance, data, scratch.W.data());
    weighting.ObservedWeights();
    double previous = 0;
    for (int pass = 1; pass <= ReweightingSchedule::LastPass; ++pass) {
        scratch.Passes = pass;
        FloatGuard guard;
        if (FitWLSPass(data, scratch.W.data(), guard, fit) != WLSPassResult::Fitted ||
            !(fit.Syy > 0)) {
            return false;
        }
        if (pass > 1 && SlopeSettled(previous, fit.Slope)) {
            return true;
        }
        previous = fit.Slope;
        weighting.FittedWeights(fit.Slope, fit.Intercept);
        if (guard.Failed()) {
            return false;
        }
    }
    return false;
}

} // namespace

bool VisWLSRegression(const StudyDesign& design, const DataSet& data,
                      const VisFitSettings& settings, const RunControl& control,
                      WLSScratch& scratch, VisSetFit& fit) {
    scratch.Passes = 0;
    const int n = data.N;
    if (n < 3 || n > static_cast<int>(scratch.W.size()) || AllXEqual(data.X.data(), n)) {
        return false;
    }
    WLSPassFit pass;
    if (!FitSettled(design, data, scratch, pass) || !control.Running()) {
        return false;
    }
    const WeightedSums& w = pass.Sums;
    const LeastSquaresSums sums{w.Sw,   w.SwX,  w.SwY,    w.SwXX,
                                w.SwYY, w.SwXY, pass.Sxx, ResidualSum(pass.Syy, pass.Sxy, pass.Sxx),
                                n};
    RegressionOutcome estimate;
    estimate.Slope = pass.Slope;
    estimate.Intercept = pass.Intercept;
    estimate.SESlope = pass.SESlope;
    estimate.SEIntercept = pass.SEIntercept;
    return FinishLeastSquaresFit(estimate, sums, settings, control, fit);
}

} // namespace kvor
