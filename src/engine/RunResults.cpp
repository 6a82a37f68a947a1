#include "engine/RunResults.h"

namespace kvor {

void ResetRunResults(RunResults& results) {
    results.AllXMin = 1e300;
    results.AllXMax = -1e300;
    results.AllYMin = 1e300;
    results.AllYMax = -1e300;
    results.FitYMin = 1e300;
    results.FitYMax = -1e300;
    results.SlopeMin = 1e300;
    results.SlopeMax = -1e300;
    results.InterceptMin = 1e300;
    results.InterceptMax = -1e300;
    results.MeanSlope = 0;
    results.MeanIntercept = 0;
    for (AxisScale* axis : {&results.ZeroXAxis, &results.ZeroYAxis, &results.ParamXAxis,
                            &results.ParamYAxis, &results.RangeXAxis, &results.RangeYAxis}) {
        axis->Intervals = 0;
    }
    results.Count = 0;
    results.NearIdentity = false;
}

} // namespace kvor
