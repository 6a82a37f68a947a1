#include "engine/CriticalValues.h"
#include "engine/DataSet.h"
#include "engine/ExtendedMath.h"
#include "engine/FloatGuard.h"
#include "engine/OLSRegression.h"
#include "engine/RawSums.h"
#include "engine/StudyDesign.h"
#include "studies/RunControl.h"
#include "visualise/LeastSquaresRegion.h"
#include "visualise/LeastSquaresSteps.h"
#include "visualise/VisFits.h"
#include "visualise/VisSetFit.h"

namespace kvor {

namespace {

LeastSquaresSums OLSSums(const DataSet& data) {
    const RawSums raw = AccumulateRawSums(data.X.data(), data.Y.data(), data.N);
    const ext n = data.N;
    LeastSquaresSums sums{ToDouble(n), raw.Sx, raw.Sy, raw.Sxx0, raw.Syy0, raw.Sxy0, 0, 0, data.N};
    sums.Sxx = ToDouble(raw.Sxx0 - static_cast<ext>(raw.Sx) * raw.Sx / n);
    const double syy = ToDouble(raw.Syy0 - static_cast<ext>(raw.Sy) * raw.Sy / n);
    const double sxy = ToDouble(raw.Sxy0 - static_cast<ext>(raw.Sx) * raw.Sy / n);
    sums.RSS = ResidualSum(syy, sxy, sums.Sxx);
    return sums;
}

} // namespace

bool VisOLSRegression(const DataSet& data, const VisFitSettings& settings,
                      const RunControl& control, VisSetFit& fit) {
    // The run fit gives the estimates; its enclosure flags are not used here.
    const RegressionOutcome estimate = DoOLSRegression(StudyDesign{}, CriticalValues{}, data);
    if (estimate.FailCode != NoFailure) {
        return false;
    }
    FloatGuard guard;
    const LeastSquaresSums sums = OLSSums(data);
    if (guard.Failed() || !(sums.Sxx > 0) || !control.Running()) {
        return false;
    }
    return FinishLeastSquaresFit(estimate, sums, settings, control, fit);
}

} // namespace kvor
