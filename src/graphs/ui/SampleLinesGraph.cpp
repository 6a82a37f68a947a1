#include "graphs/ui/SampleLinesGraph.h"

#include "engine/RunResults.h"
#include "graphs/AxisScale.h"
#include "graphs/GraphOptions.h"
#include "graphs/ui/GraphPainter.h"

#include <QLine>
#include <QPainter>
#include <QVector>

#include <algorithm>
#include <utility>

namespace kvor {

namespace {

constexpr int YTitleShareOnScreen = 97;

} // namespace

TSampleLinesGraph::TSampleLinesGraph(const RunResults& results, const GraphOptions& options,
                                     std::function<TrueValues()> trueValues)
    : m_results(results), m_options(options), m_trueValues(std::move(trueValues)) {}

int TSampleLinesGraph::GetGraphHeight(const QPaintDevice& device, int d, int Wg, int fontScale) {
    const bool lines = Type == SampleLinesType::Lines;
    const AxisPair axes = AssignAxesParams(m_results, Type, m_options.LinesZeroOrigin);
    const QtTextMeasurer measurer(&device, GraphFonts(m_options, device, d, fontScale));
    GraphLayoutInput in = LinearLayoutInput(Wg, axes.X, axes.Y, m_options);
    in.YTitleText = lines ? "Y" : "Intercept";
    in.YTitleFactor = lines ? 1.23 : 1.0;
    in.AspectPercent = lines ? m_options.LinesAspect : m_options.ParamSpaceAspect;
    Geometry.Layout = LayOutGraph(in, measurer);
    Geometry.XAxis = axes.X;
    Geometry.YAxis = axes.Y;
    return Geometry.Layout.GraphHeight;
}

void TSampleLinesGraph::DrawGraph(QPainter& painter, int W, int top, int left, int fontScale, int d,
                                  int G, int Wg, int H) {
    Geometry.Left = left;
    Geometry.Top = top;
    const bool lines = Type == SampleLinesType::Lines;
    const QPaintDevice& device = *painter.device();
    const RoleFonts fonts = GraphFonts(m_options, device, d, fontScale);
    const QFont yTitleFont =
        Mode.OnScreen ? GraphFonts(m_options, device, d, fontScale, YTitleShareOnScreen)[1]
                      : fonts[static_cast<std::size_t>(FontRole::AxisTitles)];
    const TrueValues truth = m_trueValues ? m_trueValues() : TrueValues{};

    GraphPainter canvas(painter, m_options, fonts, Geometry, DecimalSeparator);
    canvas.FillBackground(Mode, QRect(0, 0, W, H), Wg, G);
    canvas.DrawTitle(
        QString::fromStdString(Title1),
        QString::fromStdString(SampleLinesTitle2(truth.Slope, truth.Intercept, DecimalSeparator)),
        Wg);
    canvas.DrawAxes(lines ? "X" : "Slope", lines ? "Y" : "Intercept", yTitleFont);
    canvas.ClipToPlot();
    if (m_options.ShowTrue && m_options.TrueBeneath) {
        DrawTrue(canvas, truth);
    }
    if (lines) {
        PlotLines(painter, d);
    } else {
        PlotPoints(painter, d);
    }
    if (m_options.ShowTrue && !m_options.TrueBeneath) {
        DrawTrue(canvas, truth);
    }
    canvas.Unclip();
}

void PlotSampleLines(QPainter& painter, const PlotFrame& frame, const RunResults& results,
                     const QPen& pen, bool extend, double left, double end) {
    const int count = std::min<int>(results.Count, static_cast<int>(results.Slopes.size()));
    QVector<QLine> segments;
    segments.reserve(count);
    for (int k = 0; k < count; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const double x0 = extend ? left : results.XMins[i];
        const double x1 = extend ? end : results.XMaxs[i];
        const double b = results.Slopes[i];
        const double a = results.Intercepts[i];
        segments.append(QLine(frame.XPixel(x0), frame.YPixel(a + b * x0), frame.XPixel(x1),
                              frame.YPixel(a + b * x1)));
    }
    painter.setPen(pen);
    painter.drawLines(segments);
}

void DashedTrueLine(GraphPainter& canvas, double slope, double intercept) {
    const GraphGeometry& g = canvas.Frame().G;
    const auto segment = ClipTrueLine(slope, intercept, g.Layout.X.EdgeValue, AxisEnd(g.XAxis),
                                      g.Layout.Y.EdgeValue, AxisEnd(g.YAxis));
    if (segment) {
        const PlotFrame& frame = canvas.Frame();
        canvas.DashedDiagonal(frame.Point(segment->X0, segment->Y0),
                              frame.Point(segment->X1, segment->Y1));
    }
}

void TSampleLinesGraph::PlotLines(QPainter& painter, int d) const {
    PlotSampleLines(painter, PlotFrame(Geometry), m_results,
                    QPen(GraphQColour(m_options.LinesColour, m_options), PenWidth(d, 1)),
                    m_options.ExtendLines, Geometry.Layout.X.EdgeValue, AxisEnd(Geometry.XAxis));
}

void TSampleLinesGraph::PlotPoints(QPainter& painter, int d) const {
    const PlotFrame frame(Geometry);
    const int m = std::max(1, d * m_options.PointSize / 144);
    const int r = Rnd(1.13L * m);
    const QColor colour = GraphQColour(m_options.LinesColour, m_options);
    painter.setPen(QPen(colour, 1));
    painter.setBrush(colour);
    const int count = std::min<int>(m_results.Count, static_cast<int>(m_results.Slopes.size()));
    for (int k = 0; k < count; ++k) {
        const auto i = static_cast<std::size_t>(k);
        painter.drawEllipse(frame.Point(m_results.Slopes[i], m_results.Intercepts[i]), r, r);
    }
    painter.setBrush(Qt::NoBrush);
}

void TSampleLinesGraph::DrawTrue(GraphPainter& canvas, const TrueValues& truth) const {
    const double xLeft = Geometry.Layout.X.EdgeValue;
    const double xEnd = AxisEnd(Geometry.XAxis);
    const double yBottom = Geometry.Layout.Y.EdgeValue;
    const double yEnd = AxisEnd(Geometry.YAxis);
    if (Type == SampleLinesType::ParameterSpace) {
        if (truth.Intercept > yBottom && truth.Intercept < yEnd) {
            canvas.DashedHorizontal(truth.Intercept);
        }
        if (truth.Slope > xLeft && truth.Slope < xEnd) {
            canvas.DashedVertical(truth.Slope);
        }
        return;
    }
    DashedTrueLine(canvas, truth.Slope, truth.Intercept);
}

} // namespace kvor
