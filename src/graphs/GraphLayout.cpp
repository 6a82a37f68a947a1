#include "graphs/GraphLayout.h"

#include "graphs/AxisScale.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace kvor {

int Rnd(long double x) {
    if (!std::isfinite(x)) {
        return 0;
    }
    const long double clamped =
        std::clamp(x, static_cast<long double>(INT_MIN), static_cast<long double>(INT_MAX));
    return static_cast<int>(std::nearbyint(clamped));
}

DashLayoutResult DashLayout(int L) {
    if (L <= 0) {
        return {0, 0};
    }
    constexpr int First = 69;
    constexpr int Last = 81;
    if (L > 320) {
        int bestCount = First;
        int bestError = INT_MAX;
        for (int i = First; i <= Last; i += 2) {
            const int error = std::abs(L - i * Rnd(static_cast<long double>(L) / i));
            if (error < bestError) {
                bestError = error;
                bestCount = i;
            }
        }
        return {bestCount, Rnd(static_cast<long double>(L) / bestCount)};
    }
    DashLayoutResult bestOdd{0, 0};
    DashLayoutResult bestEven{0, 0};
    int oddError = INT_MAX;
    int evenError = INT_MAX;
    for (int i = First; i <= Last; ++i) {
        const int S = Rnd(static_cast<long double>(L) / i);
        if (S == 0) {
            continue; // too short for dashes of a pixel at this count
        }
        const int N = Rnd(static_cast<long double>(L - i * S) / S) + i;
        const int error = std::abs(L - S * N);
        if (N % 2 != 0 && error < oddError) {
            oddError = error;
            bestOdd = {N, S};
        } else if (N % 2 == 0 && error < evenError) {
            evenError = error;
            bestEven = {N, S};
        }
    }
    if (oddError != INT_MAX) {
        return bestOdd;
    }
    if (evenError != INT_MAX) {
        return bestEven;
    }
    return {1, L}; // a line too short for any dash pattern is drawn solid
}

DashedLine SegmentDashedLine(int L, int S) {
    if (L <= 0) {
        return {0, 0, 0};
    }
    if (S <= 0) {
        return {1, L, 0};
    }
    int n = L / S;
    if (n % 2 == 0) {
        n += 1;
        S = L / n;
    }
    return {n, S, L - n * S};
}

int DashSegmentStart(const DashedLine& line, int i) {
    return i * line.Length + std::min(i, line.Longer);
}

int GraphUnit(int graphWidth) {
    return Rnd(graphWidth / 7.0L);
}

int PointsToPixels(int d, long double points) {
    return Rnd(d * points / 72);
}

int PenWidth(int d, int w) {
    return std::max(1, d * w / 288);
}

int ScreenFontPointSize(int s, int d, int pixelsPerInch) {
    const int ppi = pixelsPerInch > 0 ? pixelsPerInch : 96;
    return -(Rnd(static_cast<long double>(s) * d / 80) * 96 / ppi);
}

int ScreenFontCellPixels(int s, int d, int pixelsPerInch) {
    const int ppi = pixelsPerInch > 0 ? pixelsPerInch : 96;
    return Rnd(-static_cast<long double>(ScreenFontPointSize(s, d, ppi)) * ppi / 72);
}

int PrintFontPointSize(int s, int b) {
    return Rnd(static_cast<long double>(b) * s / 100);
}

AxisExtent LinearAxisExtent(const AxisScale& axis) {
    return {AxisStart(axis), AxisEnd(axis), axis.Intervals, axis.StartMantissa != 0};
}

AxisGeometry LayOutAxis(int available, const AxisExtent& extent) {
    AxisGeometry g;
    const int usable = std::max(available, 0);
    const int intervals = std::max(extent.Intervals, 1);
    g.Gap = extent.Gap ? usable / 20 : 0;
    g.ScaleLength = (usable - g.Gap) / intervals * intervals;
    g.Length = g.Gap + g.ScaleLength;
    const long double span = static_cast<long double>(extent.End) - extent.Start;
    if (g.ScaleLength > 0 && span > 0) {
        g.PixelsPerUnit = static_cast<double>(g.ScaleLength / span);
        g.EdgeValue = static_cast<double>((static_cast<long double>(g.Length) * extent.Start -
                                           static_cast<long double>(g.Gap) * extent.End) /
                                          g.ScaleLength);
    } else {
        g.EdgeValue = extent.Start;
    }
    return g;
}

GraphLayout LayOutGraph(const GraphLayoutInput& in, const TextMeasurer& m) {
    GraphLayout out;
    const int d = GraphUnit(in.GraphWidth);
    out.Unit = d;
    out.AxisPen = PenWidth(d, 4);
    const int yLabelWidth = std::max(m.TextWidth(in.YStartLabel, FontRole::TickLabels),
                                     m.TextWidth(in.YEndLabel, FontRole::TickLabels));
    out.LeftMargin = Rnd(static_cast<long double>(in.YTitleFactor) *
                             m.TextHeight(in.YTitleText, FontRole::AxisTitles) +
                         m.TextWidth("5", FontRole::TickLabels) + yLabelWidth +
                         PointsToPixels(d, in.MajorTickLength + 3) + out.AxisPen);
    const int halfXEnd = Rnd(m.TextWidth(in.XEndLabel, FontRole::TickLabels) / 2.0L);
    out.RightMargin = std::max(in.MinRightMargin, halfXEnd);
    out.X = LayOutAxis(in.GraphWidth - out.LeftMargin - out.RightMargin, in.X);
    out.Y = LayOutAxis(in.AspectPercent * out.X.Length / 100, in.Y);
    const int tickLabelHeight = m.TextHeight("1", FontRole::TickLabels);
    out.TopMargin = std::max(halfXEnd, Rnd(tickLabelHeight / 2.0L));
    if (in.ShowTitle) {
        out.TopMargin = std::max(out.TopMargin, Rnd(static_cast<long double>(in.TitleFactor) *
                                                    m.TextHeight("A", FontRole::Title)));
    }
    out.GraphHeight =
        Rnd(out.TopMargin + out.Y.Length + PointsToPixels(d, in.MajorTickLength + 1) +
            1.25L * tickLabelHeight + 1.3L * m.TextHeight("A", FontRole::AxisTitles) + out.AxisPen);
    return out;
}

PictureFit FitGraphIntoPicture(int W, int H, int marginPercent,
                               const std::function<int(int graphWidth)>& graphHeight) {
    PictureFit fit;
    const int share = 100 - 2 * marginPercent;
    fit.GraphWidth = W * share / 100;
    fit.AvailableHeight = H * share / 100;
    fit.GraphHeight = graphHeight(fit.GraphWidth);
    if (fit.GraphHeight > fit.AvailableHeight && fit.GraphHeight > 0) {
        fit.GraphWidth = static_cast<int>(static_cast<long long>(fit.GraphWidth) *
                                          fit.AvailableHeight / fit.GraphHeight);
        fit.GraphHeight = graphHeight(fit.GraphWidth);
        fit.Shrunk = true;
    }
    fit.Unit = GraphUnit(fit.GraphWidth);
    fit.Left = (W - fit.GraphWidth) / 2;
    fit.Top = (H - fit.GraphHeight) / 2;
    return fit;
}

} // namespace kvor
