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
    GraphLayoutInput in;
    in.GraphWidth = Wg;
    in.X = LinearAxisExtent(axes.X);
    in.Y = LinearAxisExtent(axes.Y);
    in.YTitleText = "Intercept";
    in.YTitleFactor = 1.0;
    in.YStartLabel = FormatAxisLabelGeneral(AxisStart(axes.Y), axes.Y);
    in.YEndLabel = FormatAxisLabelGeneral(AxisEnd(axes.Y), axes.Y);
    in.XEndLabel = FormatAxisLabelGeneral(AxisEnd(axes.X), axes.X);
    in.AspectPercent = m_options.VisAspect;
    in.MajorTickLength = m_options.MajorTickLength;
    in.ShowTitle = m_options.ShowTitle;
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
        switch (step.Step) {
        case DrawStep::ReferenceLines:
            if (lines) {
                DashedTrueLine(canvas, entries.ActualSlope, entries.ActualIntercept);
            } else {
                DashedRefLines(canvas, entries);
            }
            break;
        case DrawStep::Points:
            PlotPoints(painter, d);
            break;
        case DrawStep::Shapes:
            if (lines) {
                const PlotFrame frame(Geometry);
                PlotSampleLines(
                    painter, frame, m_run.Lines,
                    QPen(GraphQColour(m_options.LinesColour, m_options), PenWidth(d, 1)), false, 0,
                    0);
            } else {
                PlotShapes(painter, step.ThinPen ? 1 : axisPen);
            }
            break;
        }
    }
    canvas.Unclip();
}

std::vector<TVisPlotGraph::ClassSets> TVisPlotGraph::Classes() const {
    const bool regions = RegionMode(Plot);
    std::vector<ClassSets> classes;
    if (!Partitioned || Plot == PlotMode::Intervals || Plot == PlotMode::Regions) {
        std::vector<int> all(static_cast<std::size_t>(m_run.SetsDone));
        std::iota(all.begin(), all.end(), 0);
        classes.push_back({-1, std::move(all)});
        return classes;
    }
    for (const int code : Selection) {
        classes.push_back({code, SetsOfClass(m_run, regions, code)});
    }
    return classes;
}

void TVisPlotGraph::PlotShapes(QPainter& painter, int pen) const {
    const PixelMap frame(Geometry);
    const bool regions = RegionMode(Plot);
    QPolygon outline;
    outline.reserve(2 * OutlinePoints + 1);
    std::vector<QPoint> upper;
    upper.reserve(OutlinePoints);
    for (const ClassSets& c : Classes()) {
        const RgbColour colour =
            c.Code < 0 ? m_options.LinesColour : ClassColour(m_options, regions, c.Code);
        QPen outlinePen(GraphQColour(colour, m_options), pen, Qt::SolidLine, Qt::SquareCap,
                        Qt::MiterJoin);
        outlinePen.setCosmetic(true); // device pixels in any case; much faster to rasterise
        painter.setPen(outlinePen);
        painter.setBrush(Qt::NoBrush);
        for (const int set : c.Sets) {
            const auto i = static_cast<std::size_t>(set);
            if (regions) {
                Outline(frame, m_run.RegionOutline[i], outline, upper);
                painter.drawPolyline(outline);
            } else {
                painter.drawPolygon(Rectangle(frame, m_run, i));
            }
        }
    }
}

void TVisPlotGraph::PlotPoints(QPainter& painter, int d) const {
    const PlotFrame frame(Geometry);
    const int m = std::max(1, d * m_options.PointSize / 144);
    const int r = std::max(1, Rnd(1.13L * m));
    const QColor colour = GraphQColour(m_options.DataColour, m_options);
    painter.setPen(QPen(colour, 1));
    painter.setBrush(colour);
    for (const ClassSets& c : Classes()) {
        for (const int set : c.Sets) {
            const auto i = static_cast<std::size_t>(set);
            painter.drawEllipse(frame.Point(m_run.FitSlope[i], m_run.FitIntercept[i]), r, r);
        }
    }
    painter.setBrush(Qt::NoBrush);
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
