#include "engine/DataSet.h"
#include "engine/DemingRegression.h"
#include "engine/DemingScratch.h"
#include "engine/FloatGuard.h"
#include "engine/RegressionOutcome.h"
#include "studies/RunControl.h"
#include "visualise/DemingRegion.h"
#include "visualise/VisFits.h"
#include "visualise/VisIntervals.h"
#include "visualise/VisSetFit.h"

namespace kvor {

namespace {

// Data sets reaching this far out are searched with the finer stopping rule.
constexpr double LargeXMax = 1000;

} // namespace

bool VisDemingRegression(const StudyDesign& design, const CriticalValues& crit, const DataSet& data,
                         const VisFitSettings& settings, const RunControl& control,
                         DemingScratch& scratch, VisSetFit& fit) {
    const RegressionOutcome estimate = DoDemingRegression(design, crit, data, scratch);
    if (estimate.FailCode != NoFailure || !estimate.Valid || data.N < 3 || !control.Running()) {
        return false;
    }
    if (!SetEstimates(fit, estimate, settings, control)) {
        return false;
    }
    if (!settings.Regions) {
        return true;
    }
    // The final pass's weights are still in the scratch; the region is judged with them.
    const FloatGuard guard;
    DemingRegion region(data, scratch.WX.data(), scratch.WY.data(), scratch.FMin, settings.F);
    fit.RegionDetected = region.Misses(settings.TrueSlope, settings.TrueIntercept);
    if (guard.Failed() || !control.Running()) {
        return false;
    }
    if (!region.FindSlopeLimits(fit.Slope, estimate.SESlope, data.SetXMax >= LargeXMax)) {
        return false;
    }
    region.Outline(fit);
    return !guard.Failed() && OutlineFinite(fit) && control.Running();
}

} // namespace kvor
