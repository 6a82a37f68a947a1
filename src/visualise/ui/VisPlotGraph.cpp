#include "visualise/ui/VisPlotGraph.h"

#include "graphs/AxisScale.h"
#include "graphs/GraphOptions.h"
#include "graphs/ui/GraphPainter.h"
#include "graphs/ui/SampleLinesGraph.h"
#include "visualise/VisRun.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>
#include <utility>

namespace kvor {

namespace {

constexpr int YTitleShareOnScreen = 97;

// The pixel rule of PlotFrame with the axis starts worked out once: a picture maps some 400000
// values, and the axis start and the rounding dominated its drawing time.
class PixelMap {
public:
    explicit PixelMap(const GraphGeometry& g)
        : m_x0(PlotFrame(g).PlotLeft() + g.Layout.X.Gap),
          m_y0(PlotFrame(g).AxisY() - g.Layout.Y.Gap), m_xStart(AxisStart(g.XAxis)),
          m_yStart(AxisStart(g.YAxis)), m_xScale(g.Layout.X.PixelsPerUnit),
          m_yScale(g.Layout.Y.PixelsPerUnit) {}

    int XPixel(double x) const { return m_x0 + Round((x - m_xStart) * m_xScale); }
    int YPixel(double y) const { return m_y0 - Round((y - m_yStart) * m_yScale); }

private:
    // rnd with halves to even, as Rnd, without saving the floating-point environment.
    static int Round(long double v) {
        if (!std::isfinite(v)) {
            return 0;
        }
        return static_cast<int>(std::lrint(
            std::clamp(v, static_cast<long double>(INT_MIN), static_cast<long double>(INT_MAX))));
    }

    int m_x0;
    int m_y0;
    double m_xStart;
    double m_yStart;
    double m_xScale;
    double m_yScale;
};

QPolygon Rectangle(const PixelMap& f, const VisRun& run, std::size_t i) {
    const int x0 = f.XPixel(run.SlopeLow[i]);
    const int x1 = f.XPixel(run.SlopeHigh[i]);
    const int y0 = f.YPixel(run.InterceptLow[i]);
    const int y1 = f.YPixel(run.InterceptHigh[i]);
    return QPolygon({QPoint(x0, y0), QPoint(x0, y1), QPoint(x1, y1), QPoint(x1, y0)});
}

// Along the lower intercepts, back along the upper ones and closed at the start. Points that
// fall on the pixel before them are left out: they add nothing but drawing time.
void Outline(const PixelMap& f, const RegionOutline& o, QPolygon& points,
             std::vector<QPoint>& upper) {
    points.clear();
    upper.clear();
    for (int j = 0; j < OutlinePoints; ++j) {
        const auto k = static_cast<std::size_t>(j);
        const int x = f.XPixel(o.Slope[k]);
        const QPoint low(x, f.YPixel(o.Lower[k]));
        const QPoint high(x, f.YPixel(o.Upper[k]));
        if (points.isEmpty() || points.back() != low) {
            points.append(low);
        }
        if (upper.empty() || upper.back() != high) {
            upper.push_back(high);
        }
    }
    for (auto p = upper.rbegin(); p != upper.rend(); ++p) {
        if (points.back() != *p) {
            points.append(*p);
        }
    }
    points.append(points.front());
}

} // namespace

TVisPlotGraph::TVisPlotGraph(const VisRun& run, const GraphOptions& options,
                             std::function<PowerEntries()> entries)
    : m_run(run), m_options(options), m_entries(std::move(entries)) {}

int TVisPlotGraph::GetGraphHeight(const QPaintDevice& device, int d, int Wg, int fontScale) {
    const VisAxes axes = AssignAxesParams(m_run, Plot);
    const QtTextMeasurer measurer(&device, GraphFonts(m_options, device, d, fontScale));
    GraphLayoutInput in = LinearLayoutInput(Wg, axes.X, axes.Y, m_options);
    in.YTitleText = "Intercept"; // for every type, Sampling Lines included
    in.YTitleFactor = 1.0;
    in.AspectPercent = m_options.VisAspect;
    Geometry.Layout = LayOutGraph(in, measurer);
    Geometry.XAxis = axes.X;
    Geometry.YAxis = axes.Y;
    return Geometry.Layout.GraphHeight;
}

void TVisPlotGraph::DrawGraph(QPainter& painter, int W, int top, int left, int fontScale, int d,
                              int G, int Wg, int H) {
    Geometry.Left = left;
    Geometry.Top = top;
    const QPaintDevice& device = *painter.device();
    const RoleFonts fonts = GraphFonts(m_options, device, d, fontScale);
    const QFont yTitleFont =
        Mode.OnScreen ? GraphFonts(m_options, device, d, fontScale, YTitleShareOnScreen)[1]
                      : fonts[static_cast<std::size_t>(FontRole::AxisTitles)];
    const PowerEntries entries = m_entries ? m_entries() : PowerEntries{};
    const VisAxes axes = AssignAxesParams(m_run, Plot);
    const bool lines = Plot == PlotMode::Lines;

    GraphPainter canvas(painter, m_options, fonts, Geometry, DecimalSeparator);
    const char separator = DecimalSeparator;
    canvas.TickLabel = [lines, separator](double v, const AxisScale& axis, bool horizontal) {
        return VisTickLabel(v, axis, !lines && !horizontal, separator);
    };
    canvas.FillBackground(Mode, QRect(0, 0, W, H), Wg, G);
    canvas.DrawTitle(QString::fromStdString(Title1),
                     QString::fromStdString(VisPlotTitle2(entries, DecimalSeparator)), Wg);
    canvas.DrawAxes(axes.XTitle, axes.YTitle, yTitleFont);
    if (lines) {
        canvas.ClipToPlot();
    }
    const int axisPen = canvas.AxisPen();
    for (const PlannedStep& step :
         DrawingSteps(Plot, m_options.ShowTrue, m_options.TrueBeneath, DataOnTop)) {
        const int pen = step.ThinPen ? 1 : axisPen;
        switch (step.Step) {
        case DrawStep::ReferenceLines:
            lines ? DashedDiagonalLine(canvas, entries) : DashedRefLines(canvas, entries);
            break;
        case DrawStep::Points:
            Partitioned&& Plot == PlotMode::PartIntervals ? PlotPartCIPoints(painter, d)
            : Partitioned&& Plot == PlotMode::PartRegions ? PlotPartCRPoints(painter, d)
                                                          : PlotPoints(painter, d);
            break;
        case DrawStep::Shapes:
            switch (Plot) {
            case PlotMode::Lines:
                PlotLines(painter, d);
                break;
            case PlotMode::Intervals:
                PlotCI(painter, pen);
                break;
            case PlotMode::Regions:
                PlotCR(painter, pen);
                break;
            case PlotMode::PartIntervals:
                Partitioned ? PlotCIPart(painter, pen) : PlotCI(painter, pen);
                break;
            case PlotMode::PartRegions:
                Partitioned ? PlotCRPart(painter, pen) : PlotCR(painter, pen);
                break;
            }
            break;
        }
    }
    canvas.Unclip();
}

std::vector<int> TVisPlotGraph::AllSets() const {
    std::vector<int> all(static_cast<std::size_t>(m_run.SetsDone));
    std::iota(all.begin(), all.end(), 0);
    return all;
}

QPen TVisPlotGraph::ShapePen(const QPainter& painter, RgbColour colour, int width) const {
    QPen pen(GraphQColour(colour, m_options), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    // Without scaling a cosmetic pen is the same width and much faster to rasterise; on paper
    // the window is scaled and the pen must scale with it.
    pen.setCosmetic(painter.combinedTransform().type() <= QTransform::TxTranslate);
    return pen;
}

void TVisPlotGraph::DrawRectangles(QPainter& painter, const std::vector<int>& sets,
                                   const QPen& pen) const {
    const PixelMap frame(Geometry);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const int set : sets) {
        painter.drawPolygon(Rectangle(frame, m_run, static_cast<std::size_t>(set)));
    }
}

void TVisPlotGraph::DrawOutlines(QPainter& painter, const std::vector<int>& sets,
                                 const QPen& pen) const {
    const PixelMap frame(Geometry);
    QPolygon outline;
    outline.reserve(2 * OutlinePoints + 1);
    std::vector<QPoint> upper;
    upper.reserve(OutlinePoints);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const int set : sets) {
        Outline(frame, m_run.RegionOutline[static_cast<std::size_t>(set)], outline, upper);
        painter.drawPolyline(outline);
    }
}

void TVisPlotGraph::DrawPoints(QPainter& painter, int d, const std::vector<int>& sets) const {
    const PlotFrame frame(Geometry);
    const int m = std::max(1, d * m_options.PointSize / 144);
    const int r = std::max(1, Rnd(1.13L * m));
    const QColor colour = GraphQColour(m_options.DataColour, m_options);
    painter.setPen(QPen(colour, 1));
    painter.setBrush(colour);
    for (const int set : sets) {
        const auto i = static_cast<std::size_t>(set);
        painter.drawEllipse(frame.Point(m_run.FitSlope[i], m_run.FitIntercept[i]), r, r);
    }
    painter.setBrush(Qt::NoBrush);
}

void TVisPlotGraph::PlotCI(QPainter& painter, int pen) const {
    DrawRectangles(painter, AllSets(), ShapePen(painter, m_options.LinesColour, pen));
}

void TVisPlotGraph::PlotCIPart(QPainter& painter, int pen) const {
    for (const int code : Selection) {
        DrawRectangles(painter, SetsOfClass(m_run, false, code),
                       ShapePen(painter, ClassColour(m_options, false, code), pen));
    }
}

void TVisPlotGraph::PlotCR(QPainter& painter, int pen) const {
    DrawOutlines(painter, AllSets(), ShapePen(painter, m_options.LinesColour, pen));
}

void TVisPlotGraph::PlotCRPart(QPainter& painter, int pen) const {
    for (const int code : Selection) {
        DrawOutlines(painter, SetsOfClass(m_run, true, code),
                     ShapePen(painter, ClassColour(m_options, true, code), pen));
    }
}

void TVisPlotGraph::PlotPoints(QPainter& painter, int d) const {
    DrawPoints(painter, d, AllSets());
}

void TVisPlotGraph::PlotPartCIPoints(QPainter& painter, int d) const {
    for (const int code : Selection) {
        DrawPoints(painter, d, SetsOfClass(m_run, false, code));
    }
}

void TVisPlotGraph::PlotPartCRPoints(QPainter& painter, int d) const {
    for (const int code : Selection) {
        DrawPoints(painter, d, SetsOfClass(m_run, true, code));
    }
}

void TVisPlotGraph::PlotLines(QPainter& painter, int d) const {
    PlotSampleLines(painter, PlotFrame(Geometry), m_run.Lines,
                    QPen(GraphQColour(m_options.LinesColour, m_options), PenWidth(d, 1)), false, 0,
                    0);
}

void TVisPlotGraph::DashedDiagonalLine(GraphPainter& canvas, const PowerEntries& entries) const {
    DashedTrueLine(canvas, entries.ActualSlope, entries.ActualIntercept);
}

void TVisPlotGraph::DashedRefLines(GraphPainter& canvas, const PowerEntries& entries) const {
    const PlotFrame& frame = canvas.Frame();
    const ReferenceDashes dashes = ReferenceDashesOf(frame.PlotWidth(), frame.PlotHeight());
    if (ReferenceLineShown(entries.IdealIntercept, Geometry.Layout.Y.EdgeValue,
                           AxisEnd(Geometry.YAxis))) {
        canvas.DashedHorizontal(entries.IdealIntercept, dashes.Horizontal);
    }
    if (ReferenceLineShown(entries.IdealSlope, Geometry.Layout.X.EdgeValue,
                           AxisEnd(Geometry.XAxis))) {
        canvas.DashedVertical(entries.IdealSlope, dashes.Vertical);
    }
}

} // namespace kvor
