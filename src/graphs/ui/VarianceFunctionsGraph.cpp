#include "graphs/ui/VarianceFunctionsGraph.h"

#include "graphs/AxisScale.h"
#include "graphs/GraphOptions.h"
#include "graphs/VFLabelPlace.h"
#include "graphs/ui/GraphPainter.h"
#include "graphs/ui/VFAxesPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace kvor {

namespace {

constexpr int YTitleShareOnScreen = 97;
// The title is one line in a band of 1.5 x its height; the top margin is at least 2.5 x.
constexpr double TitleBand = 1.5;
constexpr double TitleMarginFactor = 2.5;
// Room beside the plot for a curve label: 1.4 x the width of "X".
constexpr double LabelRoomFactor = 1.4;
// Curves are drawn with pen d x 6 div 288, three times as thick while their label is dragged.
constexpr int CurvePenPoints = 6;
constexpr int DraggedPenFactor = 3;

QString YTitle(VFGraphType type) {
    switch (type) {
    case VFGraphType::Variance:
        return QStringLiteral("Variance");
    case VFGraphType::SD:
        return QStringLiteral("SD");
    case VFGraphType::CV:
        return QStringLiteral("CV (%)");
    }
    return {};
}

std::string EndLabel(const AxisScale& axis, bool log, bool horizontal, bool start) {
    if (!log) {
        return FormatAxisLabelGeneral(start ? AxisStart(axis) : AxisEnd(axis), axis);
    }
    return VFAxisLabel(axis, log, horizontal, start ? 0 : axis.Intervals, '.').Measured();
}

QColor CurveColour(const GraphOptions& options, int function) {
    return GraphQColour(function == VFYFunction ? options.YFunctionColour : options.XFunctionColour,
                        options);
}

bool BothPlotted(const VFCurveSet& set) {
    return set.FirstFunction == VFYFunction && set.LastFunction == VFXFunction;
}

std::size_t Slot(int function) {
    return static_cast<std::size_t>(function - 1);
}

std::size_t TypeSlot(VFGraphType type) {
    return static_cast<std::size_t>(static_cast<int>(type) - 1);
}

} // namespace

TVarianceFunctionsGraph::TVarianceFunctionsGraph(VFCurveSet& set, const GraphOptions& options)
    : m_set(set), m_options(options) {}

VFAxisChoice TVarianceFunctionsGraph::Axes() const {
    return ChooseVFAxes(m_set, m_options, m_set.GraphType);
}

int TVarianceFunctionsGraph::GetGraphHeight(const QPaintDevice& device, int d, int Wg,
                                            int fontScale) {
    const VFAxisChoice axes = Axes();
    const QtTextMeasurer measurer(&device, GraphFonts(m_options, device, d, fontScale));
    GraphLayoutInput in;
    in.GraphWidth = Wg;
    in.X = VFAxisExtent(axes.X, axes.XLog);
    in.Y = VFAxisExtent(axes.Y, axes.YLog);
    in.YTitleText = YTitle(m_set.GraphType).toStdString();
    in.YStartLabel = EndLabel(axes.Y, axes.YLog, false, true);
    in.YEndLabel = EndLabel(axes.Y, axes.YLog, false, false);
    in.XEndLabel = EndLabel(axes.X, axes.XLog, true, false);
    in.AspectPercent = m_options.VFAspect;
    in.MajorTickLength = m_options.MajorTickLength;
    in.ShowTitle = m_options.ShowTitle;
    in.TitleFactor = TitleMarginFactor;
    in.MinRightMargin = Rnd(LabelRoomFactor * measurer.TextWidth("X", FontRole::CurveLabels));
    Geometry.Layout = LayOutGraph(in, measurer);
    Geometry.XAxis = axes.X;
    Geometry.YAxis = axes.Y;
    return Geometry.Layout.GraphHeight;
}

VFPlotGeometry TVarianceFunctionsGraph::PlotGeometry() const {
    const VFAxisChoice axes = Axes();
    return {{Geometry.Layout.X, VFAxisExtent(axes.X, axes.XLog).End, axes.XLog},
            {Geometry.Layout.Y, VFAxisExtent(axes.Y, axes.YLog).End, axes.YLog}};
}

QRect TVarianceFunctionsGraph::PlotRect() const {
    return PlotFrame(Geometry).PlotRect();
}

void TVarianceFunctionsGraph::DrawGraph(QPainter& painter, int W, int top, int left, int fontScale,
                                        int d, int G, int Wg, int H) {
    Geometry.Left = left;
    Geometry.Top = top;
    LabelRects = {};
    const QPaintDevice& device = *painter.device();
    const RoleFonts fonts = GraphFonts(m_options, device, d, fontScale);
    const QFont yTitleFont =
        Mode.OnScreen ? GraphFonts(m_options, device, d, fontScale, YTitleShareOnScreen)[1]
                      : fonts[static_cast<std::size_t>(FontRole::AxisTitles)];
    m_labelFont = fonts[static_cast<std::size_t>(FontRole::CurveLabels)];

    GraphPainter canvas(painter, m_options, fonts, Geometry, DecimalSeparator);
    canvas.FillBackground(Mode, QRect(0, 0, W, H), Wg, G);
    if (m_options.ShowTitle) {
        const QFont& titleFont = fonts[static_cast<std::size_t>(FontRole::Title)];
        const int h = QFontMetrics(titleFont, &device).height();
        painter.setFont(titleFont);
        painter.setPen(GraphQColour(m_options.TitleColour, m_options));
        painter.drawText(QRect(left, top, Wg, Rnd(TitleBand * h)), Qt::AlignCenter,
                         QString::fromStdString(Title));
    }
    canvas.DrawAxisLines();
    DrawVFTicks(canvas, painter, m_options, fonts, Geometry, Axes(), DecimalSeparator);
    canvas.DrawAxisTitles(QStringLiteral("Mean"), YTitle(m_set.GraphType), yTitleFont);
    const bool both = BothPlotted(m_set);
    const bool xFirst = both && m_options.YOnTop;
    const int first = xFirst ? VFXFunction : m_set.FirstFunction;
    const int second = xFirst ? VFYFunction : m_set.LastFunction;
    if (first >= VFYFunction) {
        PlotVF(painter, first, d);
    }
    if (second != first && second >= VFYFunction) {
        PlotVF(painter, second, d);
    }
}

void TVarianceFunctionsGraph::PlotVF(QPainter& painter, int function, int d) {
    const VFCurve& curve = m_set.Curve(function);
    if (!curve.Plottable) {
        return;
    }
    const VFCurvePoints points = ComputeVFCurvePoints(curve, m_set.GraphType, PlotGeometry());
    const PlotFrame frame(Geometry);
    const QPointF origin(frame.PlotLeft(), frame.AxisY());
    int pen = PenWidth(d, CurvePenPoints);
    if (function == DraggedCurve) {
        pen *= DraggedPenFactor;
    }
    painter.save();
    painter.setClipRect(frame.PlotRect());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(
        QPen(CurveColour(m_options, function), pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const auto& line : points.Lines) {
        QPainterPath path;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const QPointF p(origin.x() + line[i].X, origin.y() - line[i].Y);
            if (i == 0) {
                path.moveTo(p);
            } else {
                path.lineTo(p);
            }
        }
        painter.drawPath(path);
    }
    painter.restore();
    if (points.Visible && BothPlotted(m_set) && m_options.VFLabels) {
        DrawLabel(painter, function, points);
    }
}

void TVarianceFunctionsGraph::DrawLabel(QPainter& painter, int function,
                                        const VFCurvePoints& points) {
    VFCurve& curve = m_set.Curve(function);
    const std::size_t type = TypeSlot(m_set.GraphType);
    const QString text = function == VFYFunction ? QStringLiteral("Y") : QStringLiteral("X");
    const QFontMetrics metrics(m_labelFont, painter.device());
    const int w = metrics.horizontalAdvance(text);
    const int h = metrics.height();
    const VFPlotGeometry g = PlotGeometry();
    const PlotFrame frame(Geometry);
    if (curve.LabelY[type] < 0) {
        const PlotPoint at = AutoLabelPosition(points, w, h, frame.PlotWidth(), frame.PlotHeight());
        curve.LabelX[type] = AxisDataValue(g.X, at.X);
        curve.LabelY[type] = AxisDataValue(g.Y, at.Y);
    }
    const int x = frame.PlotLeft() + Rnd(AxisPixel(g.X, curve.LabelX[type]));
    const int bottom = frame.AxisY() - Rnd(AxisPixel(g.Y, curve.LabelY[type]));
    painter.setFont(m_labelFont);
    painter.setPen(CurveColour(m_options, function));
    painter.drawText(x, bottom - metrics.descent(), text);
    if (Mode.OnScreen) {
        LabelRects[Slot(function)] = QRect(x, bottom - h, w, h);
    }
}

} // namespace kvor
