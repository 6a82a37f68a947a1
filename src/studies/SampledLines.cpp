#include "studies/SampledLines.h"

#include "engine/DataSet.h"
#include "engine/ExtendedMath.h"
#include "engine/RunResults.h"

#include <cmath>

namespace kvor {

namespace {

// Largest plotted value of the sampling-lines plot.
constexpr double PlotLimit = 1e8;
// An axis that would span more than this ratio starts at zero.
constexpr double PlotSpanRatio = 6;

void Accumulate(double& sum, ext term) {
    sum = ToDouble(static_cast<ext>(sum) + term);
}

// NaN never replaces a value already folded in.
void FoldMin(double& current, double v) {
    if (!(v > current)) {
        current = v;
    }
}

void FoldMax(double& current, double v) {
    if (!(v < current)) {
        current = v;
    }
}

} // namespace

void AddSampledLine(RunResults& r, double slope, double intercept, const DataSet& data) {
    const int k = r.Count++;
    r.Slopes[k] = slope;
    r.Intercepts[k] = intercept;
    r.XMins[k] = data.SetXMin;
    r.XMaxs[k] = data.SetXMax;
    FoldMin(r.AllXMin, data.SetXMin);
    FoldMax(r.AllXMax, data.SetXMax);
    FoldMin(r.AllYMin, data.SetYMin);
    FoldMax(r.AllYMax, data.SetYMax);
    const double y1 = ToDouble(static_cast<ext>(slope) * data.SetXMin + intercept);
    const double y2 = ToDouble(static_cast<ext>(slope) * data.SetXMax + intercept);
    FoldMin(r.FitYMin, y1 < y2 ? y1 : y2);
    FoldMax(r.FitYMax, y1 < y2 ? y2 : y1);
    FoldMin(r.SlopeMin, slope);
    FoldMax(r.SlopeMax, slope);
    FoldMin(r.InterceptMin, intercept);
    FoldMax(r.InterceptMax, intercept);
    Accumulate(r.MeanSlope, slope);
    Accumulate(r.MeanIntercept, intercept);
}

void FinishSampledLines(RunResults& r, YSpanTest test) {
    r.MeanSlope = ToDouble(static_cast<ext>(r.MeanSlope) / r.Count);
    r.MeanIntercept = ToDouble(static_cast<ext>(r.MeanIntercept) / r.Count);
    r.NearIdentity = r.MeanSlope < 1.2 && r.MeanSlope > 0.8333 &&
                     std::fabs(r.MeanIntercept) < 0.1L * (static_cast<ext>(r.AllXMax) + r.AllYMax);

    r.PlotXMin = r.AllXMin;
    r.PlotXMax = r.AllXMax > PlotLimit ? PlotLimit : r.AllXMax;
    if (!(r.PlotXMin > 0) || static_cast<ext>(r.PlotXMax) / r.PlotXMin > PlotSpanRatio) {
        r.PlotXMin = -1;
    }
    r.PlotYMin = r.FitYMin < 0 ? 0 : r.FitYMin;
    r.PlotYMax = r.FitYMax > PlotLimit ? PlotLimit : r.FitYMax;
    if (r.PlotYMax > 1.3L * r.AllYMax) {
        r.PlotYMax = r.AllYMax;
    }
    const double low = test == YSpanTest::FittedValues ? r.FitYMin : r.PlotYMin;
    const double high = test == YSpanTest::FittedValues ? r.FitYMax : r.PlotYMax;
    if (!(low > 0) || static_cast<ext>(high) / low > PlotSpanRatio) {
        r.PlotYMin = -1;
    }
    if (r.NearIdentity) {
        const double larger = r.PlotXMax > r.PlotYMax ? r.PlotXMax : r.PlotYMax;
        r.PlotXMax = larger;
        r.PlotYMax = larger;
    }
}

} // namespace kvor
