#include "graphs/SampleLinesModel.h"

#include "engine/RunResults.h"
#include "graphs/AxisScale.h"
#include "graphs/GraphOptions.h"

#include <algorithm>
#include <utility>

namespace kvor {

const char* RegressionText(RegressionType regression) {
    switch (regression) {
    case RegressionType::WLS:
        return " WLS ";
    case RegressionType::Deming:
        return " Deming ";
    case RegressionType::OLS:
        break;
    }
    return " OLS ";
}

void PrepareSampleLinesAxes(RunResults& r, bool zeroOriginForced) {
    r.ZeroXAxis = ScalePositiveAxis(-1, r.PlotXMax + 1e-6);
    r.ZeroYAxis = r.NearIdentity ? r.ZeroXAxis : ScalePositiveAxis(-1, r.PlotYMax);
    if (!zeroOriginForced) {
        r.RangeXAxis = ScalePositiveAxis(r.PlotXMin, r.PlotXMax + 1e-6);
        r.RangeYAxis = ScalePositiveAxis(r.PlotYMin, r.PlotYMax);
    }
    r.ParamXAxis = ScaleSignedAxis(r.SlopeMin, r.SlopeMax);
    r.ParamYAxis = ScaleSignedAxis(r.InterceptMin, r.InterceptMax);
}

bool ParameterSpaceAvailable(const RunResults& r) {
    return r.ParamXAxis.Intervals > 0 && r.ParamYAxis.Intervals > 0;
}

AxisPair AssignAxesParams(const RunResults& r, SampleLinesType type, bool zeroOrigin) {
    if (type == SampleLinesType::ParameterSpace) {
        return {r.ParamXAxis, r.ParamYAxis};
    }
    return zeroOrigin ? AxisPair{r.ZeroXAxis, r.ZeroYAxis} : AxisPair{r.RangeXAxis, r.RangeYAxis};
}

void ChoosePointSize(GraphOptions& options, int samplesEntry, int storedSets) {
    if (samplesEntry == options.LastSetsCount) {
        return;
    }
    options.LastSetsCount = samplesEntry;
    options.PointSize = storedSets > 6000 ? 2 : storedSets > 3000 ? 3 : 4;
}

void SetLinesOptionsAfterRun(GraphOptions& options, bool zeroOrigin) {
    options.LinesZeroOriginForced = zeroOrigin;
    options.LinesZeroOrigin = zeroOrigin;
    options.ExtendLines = false;
}

std::string SampleLinesCaption(RegressionType regression) {
    return std::string(" ") + RegressionText(regression) + "Regression Accuracy";
}

std::string SampleLinesTitle1(RegressionType regression, int sets, int setSize) {
    return std::string(RegressionText(regression)) +
           "Regression Accuracy:  " + std::to_string(sets) +
           " simulated sets of N = " + std::to_string(setSize);
}

std::string SampleLinesTitle2(double trueSlope, double trueIntercept, char decimalSeparator) {
    return "True Slope = " + FormatSignificant(5, 2, trueSlope, decimalSeparator) +
           ";  True Intercept = " + FormatSignificant(6, 2, trueIntercept, decimalSeparator);
}

std::optional<LineSegment> ClipTrueLine(double slope, double intercept, double xLeft, double xEnd,
                                        double yBottom, double yEnd) {
    double x0 = xLeft;
    double x1 = xEnd;
    if (slope == 0) {
        if (intercept < yBottom || intercept > yEnd) {
            return std::nullopt;
        }
    } else {
        double a = (yBottom - intercept) / slope;
        double b = (yEnd - intercept) / slope;
        if (a > b) {
            std::swap(a, b);
        }
        x0 = std::max(x0, a);
        x1 = std::min(x1, b);
    }
    if (!(x0 < x1) || x0 < 0) {
        return std::nullopt;
    }
    return LineSegment{x0, slope * x0 + intercept, x1, slope * x1 + intercept};
}

std::vector<int> DiagonalDashPieces(int L, int t, int S) {
    const int c = L - t;
    if (S <= 0 || c <= 0) {
        return {std::max(L, 0)};
    }
    if (c < S) {
        return {c};
    }
    int n = std::max(1, c / S);
    if (static_cast<double>(c) / S >= 2.1 && n % 2 == 0) {
        ++n;
        S = c / n;
    }
    const int r = c - n * S;
    std::vector<int> pieces;
    pieces.reserve(static_cast<std::size_t>(n));
    pieces.push_back(S + t + (r > 0 ? 1 : 0));
    for (int i = 1; i < n; ++i) {
        pieces.push_back(i < r ? S + 1 : S);
    }
    return pieces;
}

} // namespace kvor
