#include "visualise/VisRun.h"

namespace kvor {

VisRun::VisRun()
    : FitSlope(MaxVisSets), FitIntercept(MaxVisSets), SlopeLow(MaxVisSets), SlopeHigh(MaxVisSets),
      InterceptLow(MaxVisSets), InterceptHigh(MaxVisSets), SetBias(MaxVisSets),
      RegionDetected(MaxVisSets), RegionOutline(MaxVisSets) {}

void StartVisRun(VisRun& run, int visSets, int visN, bool withIntervals, bool withRegions) {
    run.VisSets = visSets;
    run.VisN = visN;
    run.WithIntervals = withIntervals;
    run.WithRegions = withRegions;
    run.Extents = VisExtents{};
    run.Counts = VisCounts{};
    for (AxisScale* axis : {&run.FitSlopeAxis, &run.FitInterceptAxis, &run.LimitSlopeAxis,
                            &run.LimitInterceptAxis, &run.LinesXAxis, &run.LinesYAxis}) {
        *axis = AxisScale{};
    }
    ResetRunResults(run.Lines);
    run.SetsDone = 0;
    run.ResultsAvailable = false;
}

void StoreVisSet(VisRun& run, const VisSetFit& fit) {
    const int k = run.SetsDone++;
    VisExtents& e = run.Extents;
    run.FitSlope[k] = fit.Slope;
    run.FitIntercept[k] = fit.Intercept;
    e.FitSlope.Fold(fit.Slope);
    e.FitIntercept.Fold(fit.Intercept);
    if (run.WithIntervals) {
        run.SlopeLow[k] = fit.SlopeLow;
        run.SlopeHigh[k] = fit.SlopeHigh;
        run.InterceptLow[k] = fit.InterceptLow;
        run.InterceptHigh[k] = fit.InterceptHigh;
        run.SetBias[k] = fit.Bias;
        e.LimitSlope.Fold(fit.SlopeLow);
        e.LimitSlope.Fold(fit.SlopeHigh);
        e.LimitIntercept.Fold(fit.InterceptLow);
        e.LimitIntercept.Fold(fit.InterceptHigh);
    }
    if (run.WithRegions) {
        run.RegionDetected[k] = fit.RegionDetected ? 1 : 0;
        run.RegionOutline[k] = fit.Outline;
        e.RegionSlope.Fold(fit.Outline.Slope.front());
        e.RegionSlope.Fold(fit.Outline.Slope.back());
        e.RegionIntercept.Fold(fit.RegionInterceptMin);
        e.RegionIntercept.Fold(fit.RegionInterceptMax);
    }
}

VisCounts CountVisRun(const VisRun& run) {
    VisCounts counts;
    for (int k = 0; k < run.SetsDone; ++k) {
        if (run.WithIntervals) {
            ++counts.Bias[static_cast<int>(run.SetBias[k])];
        }
        if (run.WithRegions) {
            ++(run.RegionDetected[k] ? counts.RegionDetected : counts.RegionNotDetected);
        }
    }
    return counts;
}

} // namespace kvor
