#include "graphs/VFCurveSet.h"

#include "engine/ExtendedMath.h"
#include "engine/VarianceFunctions.h"
#include "graphs/AxisScale.h"
#include "graphs/GraphLayout.h"
#include "graphs/GraphOptions.h"
#include "graphs/VFPlotCheck.h"
#include "graphs/VFTexts.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kvor {

namespace {

void CombineRanges(VFCurveSet& set) {
    const VFCurveSet empty;
    set.MeanMin = empty.MeanMin;
    set.MeanMax = empty.MeanMax;
    set.VarMinAll = empty.VarMinAll;
    set.VarMaxAll = empty.VarMaxAll;
    set.DefaultCvMax = empty.DefaultCvMax;
    set.CvBasis = -1;
    set.FirstFunction = 0;
    set.LastFunction = 0;
    for (int index = VFYFunction; index <= VFXFunction; ++index) {
        const VFCurve& c = set.Curve(index);
        if (!c.Plottable) {
            continue;
        }
        if (set.FirstFunction == 0) {
            set.FirstFunction = index;
        }
        set.LastFunction = index;
        set.MeanMin = std::min(set.MeanMin, c.RangeLo);
        set.MeanMax = std::max(set.MeanMax, c.RangeHi);
        set.VarMinAll = std::min(set.VarMinAll, c.VarMin);
        set.VarMaxAll = std::max(set.VarMaxAll, c.VarMax);
        if (c.CvPossible) {
            set.CvBasis = std::max(set.CvBasis, c.CvMax);
        }
    }
    if (set.CvBasis > 0) {
        set.DefaultCvMax = NiceCvMax(set.CvBasis);
    }
}

void ChooseMeanAxis(const VFCurveSet& set, GraphOptions& options) {
    if (set.MeanMin != 0) {
        const double ratio = set.MeanMax / static_cast<ext>(set.MeanMin);
        options.XLog = ratio > 100;
        options.VFZeroOriginForced = options.XLog || ratio > 6;
    } else {
        options.XLog = set.MeanMax >= 100;
        options.VFZeroOriginForced = true;
    }
    options.VFZeroOrigin = options.VFZeroOriginForced;
}

void MakeLogAxes(VFCurveSet& set) {
    set.VarianceLogAxis = {};
    set.SDLogAxis = {};
    if (!(set.VarMinAll > 0)) {
        return;
    }
    set.VarianceLogAxis =
        ScaleLogAxisTrimmed(std::max(set.VarMinAll, 1e-12), std::max(set.VarMaxAll, 1e-11));
    set.SDLogAxis = ScaleLogAxisTrimmed(std::max(std::sqrt(set.VarMinAll), 1e-6),
                                        std::max(std::sqrt(set.VarMaxAll), 1e-5));
    // Log Var, SD switches both axes: without the SD axis neither is offered.
    if (set.SDLogAxis.Intervals == 0) {
        set.VarianceLogAxis.Intervals = 0;
    }
}

double PowerOfTen(int e) {
    return ToDouble(std::pow(10.0L, e));
}

// The decade to keep from for one curve, or none.
std::optional<int> KeptDecade(const VFCurve& c, const AxisScale& mean, double T) {
    const double top = PowerOfTen(mean.StartExponent + mean.Intervals);
    const VarianceFunction f = c.Function();
    std::optional<int> keep;
    for (int k = mean.Intervals - 1; k >= 0; --k) {
        const double w = PowerOfTen(mean.StartExponent + k);
        const double x =
            std::max(ToDouble(w * std::pow(static_cast<ext>(top) / w, -1.0L / 21)), c.RangeLo);
        const double cv = CoefficientOfVariation(x, VarianceForPlot(f, x)).value_or(HUGE_VAL);
        if (cv < T) {
            keep.reset();
        } else if (!keep) {
            keep = k;
        } else if (x <= c.CvTurnX && c.CvTurnX <= 10 * static_cast<ext>(w) && c.CvMin < T) {
            keep = k;
        }
    }
    return keep;
}

} // namespace

void CompleteVFCurveSet(VFCurveSet& set, GraphOptions& options) {
    CombineRanges(set);
    ChooseMeanAxis(set, options);
    set.MeanZeroAxis = ScalePositiveAxis(-1, set.MeanMax);
    set.MeanRangeAxis =
        options.VFZeroOriginForced ? AxisScale{} : ScalePositiveAxis(set.MeanMin, set.MeanMax);
    set.MeanLogAxis = ScaleLogAxis(set.MeanMin, set.MeanMax);
    set.VarianceAxis = ScaleZeroBasedAxis(set.VarMinAll, set.VarMaxAll);
    set.SDAxis = ScaleZeroBasedAxis(std::sqrt(set.VarMinAll), std::sqrt(set.VarMaxAll));
    set.CvAxis = PresetCvAxis(set.DefaultCvMax);
    MakeLogAxes(set);
    options.YLog = set.VarianceLogAxis.Intervals > 3;
}

std::string_view VFCaption(const VFCurveSet& set) {
    if (set.FirstFunction == VFYFunction && set.LastFunction == VFXFunction) {
        return VFTexts::CaptionBoth;
    }
    if (set.FirstFunction == VFYFunction) {
        return VFTexts::CaptionY;
    }
    if (set.FirstFunction == VFXFunction) {
        return VFTexts::CaptionX;
    }
    return {};
}

AxisScale ReduceXRange(const VFCurveSet& set) {
    AxisScale mean = set.MeanLogAxis;
    if (mean.Intervals < 2 || set.FirstFunction == 0) {
        return mean;
    }
    const double T = Rnd(AxisEnd(set.CvAxis));
    bool anyBelow = false;
    for (int index = set.FirstFunction; index <= set.LastFunction; ++index) {
        anyBelow = anyBelow || set.Curve(index).CvMin < T;
    }
    if (!anyBelow) {
        return mean;
    }
    std::optional<int> smallest;
    for (int index = set.FirstFunction; index <= set.LastFunction; ++index) {
        const std::optional<int> keep = KeptDecade(set.Curve(index), mean, T);
        if (!keep) {
            return mean;
        }
        smallest = smallest ? std::min(*smallest, *keep) : *keep;
    }
    mean.StartExponent += *smallest;
    mean.Intervals -= *smallest;
    return mean;
}

} // namespace kvor
