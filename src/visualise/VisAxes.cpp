#include "visualise/VisAxes.h"

#include "engine/ExtendedMath.h"
#include "graphs/AxisScale.h"
#include "visualise/VisRun.h"

#include <algorithm>
#include <cmath>

namespace kvor {

namespace {

constexpr double OffZero = 1e-6;
constexpr double SameAsIdeal = 1e-12;
constexpr double NudgeUp = 1.000001;
constexpr double NudgeDown = 0.99999999;

// Both ends taken over the extents given and the Ideal value.
AxisRange Spanning(double ideal, const Extent& a, const Extent& b = Extent{}) {
    return {std::min({a.Min, b.Min, ideal}), std::max({a.Max, b.Max, ideal})};
}

AxisRange OffZeroEnds(AxisRange r) {
    if (r.Lo == 0) {
        r.Lo = -OffZero;
    } else if (r.Hi == 0) {
        r.Hi = OffZero;
    }
    return r;
}

bool Scaled(const AxisScale& axis) {
    return axis.Intervals >= 1;
}

} // namespace

AxisRange LimitAxisRange(double lo, double hi, double ideal) {
    AxisRange r{lo, hi};
    if (r.Lo == 0 || r.Hi == 0) {
        return OffZeroEnds(r);
    }
    if (std::fabs(static_cast<ext>(r.Hi) - ideal) < SameAsIdeal) {
        r.Hi = ToDouble(r.Hi * static_cast<ext>(ideal <= 0 ? NudgeDown : NudgeUp));
    }
    return r;
}

VisRefusal ScaleVisAxes(VisRun& run, double trueSlope, double trueIntercept) {
    const VisExtents& e = run.Extents;
    const AxisRange fitSlope = Spanning(trueSlope, e.FitSlope);
    const AxisRange fitIntercept = OffZeroEnds(Spanning(trueIntercept, e.FitIntercept));
    run.FitSlopeAxis = ScaleSignedAxis(fitSlope.Lo, fitSlope.Hi);
    run.FitInterceptAxis = ScaleSignedAxis(fitIntercept.Lo, fitIntercept.Hi);
    if (!Scaled(run.FitSlopeAxis) || !Scaled(run.FitInterceptAxis)) {
        return VisRefusal::FittedValues;
    }
    // Extents a run did not compute are still empty and leave the ends alone.
    const AxisRange s = Spanning(trueSlope, e.LimitSlope, e.RegionSlope);
    const AxisRange i = Spanning(trueIntercept, e.LimitIntercept, e.RegionIntercept);
    const AxisRange limitSlope = LimitAxisRange(s.Lo, s.Hi, trueSlope);
    const AxisRange limitIntercept = LimitAxisRange(i.Lo, i.Hi, trueIntercept);
    run.LimitSlopeAxis = ScaleSignedAxis(limitSlope.Lo, limitSlope.Hi);
    run.LimitInterceptAxis = ScaleSignedAxis(limitIntercept.Lo, limitIntercept.Hi);
    if (!Scaled(run.LimitSlopeAxis) || !Scaled(run.LimitInterceptAxis)) {
        return VisRefusal::Limits;
    }
    return VisRefusal::None;
}

void ScaleLinesAxes(VisRun& run) {
    const RunResults& r = run.Lines;
    run.LinesXAxis =
        ScalePositiveAxis(r.PlotXMin, ToDouble(r.PlotXMax + static_cast<ext>(OffZero)));
    run.LinesYAxis = r.NearIdentity ? run.LinesXAxis : ScalePositiveAxis(r.PlotYMin, r.PlotYMax);
}

} // namespace kvor
