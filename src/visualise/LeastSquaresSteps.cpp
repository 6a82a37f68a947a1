#include "visualise/LeastSquaresSteps.h"

#include "engine/ExtendedMath.h"
#include "engine/FloatGuard.h"
#include "engine/RegressionOutcome.h"
#include "studies/RunControl.h"
#include "visualise/LeastSquaresRegion.h"
#include "visualise/VisIntervals.h"
#include "visualise/VisSetFit.h"

namespace kvor {

double ResidualSum(double syy, double sxy, double sxx) {
    const double rss = ToDouble(syy - static_cast<ext>(sxy) * sxy / sxx);
    return rss > 0 ? rss : 0;
}

bool FinishLeastSquaresFit(const RegressionOutcome& estimate, const LeastSquaresSums& sums,
                           const VisFitSettings& settings, const RunControl& control,
                           VisSetFit& fit) {
    if (!SetEstimates(fit, estimate, settings, control)) {
        return false;
    }
    if (!settings.Regions) {
        return true;
    }
    const FloatGuard guard;
    const LeastSquaresRegion region(sums, fit.Slope, fit.Intercept, settings.F);
    fit.RegionDetected = region.Misses(settings.TrueSlope, settings.TrueIntercept);
    if (guard.Failed() || !control.Running()) {
        return false;
    }
    region.Outline(fit);
    return !guard.Failed() && OutlineFinite(fit) && control.Running();
}

} // namespace kvor
