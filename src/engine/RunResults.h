#pragma once

#include "engine/AxisScale.h"
#include "engine/Capacities.h"

#include <cstdint>
#include <vector>

namespace kvor {

// What every completed data set of an Accuracy run gave; read later by the sampling-lines plot.
struct RunResults {
    RunResults()
        : Slopes(MaxSetsPerRun), Intercepts(MaxSetsPerRun), XMins(MaxSetsPerRun),
          XMaxs(MaxSetsPerRun) {}

    std::vector<double> Slopes;
    std::vector<double> Intercepts;
    std::vector<double> XMins;
    std::vector<double> XMaxs;
    double AllXMin = 1e300;
    double AllXMax = -1e300;
    double AllYMin = 1e300;
    double AllYMax = -1e300;
    double FitYMin = 1e300;
    double FitYMax = -1e300;
    double PlotXMin = 0;
    double PlotXMax = 0;
    double PlotYMin = 0;
    double PlotYMax = 0;
    double SlopeMin = 1e300;
    double SlopeMax = -1e300;
    double InterceptMin = 1e300;
    double InterceptMax = -1e300;
    double MeanSlope = 0;
    double MeanIntercept = 0;
    // Zero-origin, parameter-space and range axes of the sampling-lines plot.
    AxisScale ZeroXAxis, ZeroYAxis;
    AxisScale ParamXAxis, ParamYAxis;
    AxisScale RangeXAxis, RangeYAxis;
    std::int32_t Count = 0;
    bool NearIdentity = false;
};

// Resets the extremes, sums, axes and count before a run; the per-set arrays and plot ranges keep
// their values.
void ResetRunResults(RunResults& results);

} // namespace kvor
