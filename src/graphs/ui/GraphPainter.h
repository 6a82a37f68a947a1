#pragma once

#include "graphs/AxisTicks.h"
#include "graphs/GraphOptions.h"
#include "graphs/ui/Graph.h"
#include "graphs/ui/QtTextMeasurer.h"

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QString>

#include <functional>
#include <string>

class QPainter;

namespace kvor {

// The role fonts of a graph on the device: the screen rule at unit d for font scale 0, point
// sizes rnd(b x s / 100) otherwise. yTitleShare shrinks the axis-title font (97 on screen).
RoleFonts GraphFonts(const GraphOptions& options, const QPaintDevice& device, int d, int fontScale,
                     int axisTitleShare = 100);

// The layout input of a graph Wg wide on linear axes x and y with the options' tick length and
// title; the caller adds the vertical-title allowance and the aspect.
GraphLayoutInput LinearLayoutInput(int Wg, const AxisScale& x, const AxisScale& y,
                                   const GraphOptions& options);

// A colour of the options, or `blackWhite` when drawing in black and white.
QColor GraphQColour(RgbColour colour, const GraphOptions& options, QColor blackWhite = Qt::black);

// The geometry of one laid-out graph in device units.
struct PlotFrame {
    explicit PlotFrame(const GraphGeometry& geometry) : G(geometry) {}
    const GraphGeometry& G;

    int PlotLeft() const { return G.Left + G.Layout.LeftMargin; }
    int PlotTop() const { return G.Top + G.Layout.TopMargin; }
    int PlotWidth() const { return G.Layout.X.Length; }
    int PlotHeight() const { return G.Layout.Y.Length; }
    int AxisY() const { return PlotTop() + PlotHeight(); }
    QRect PlotRect() const { return {PlotLeft(), PlotTop(), PlotWidth(), PlotHeight()}; }
    // Pixel of a data value: rnd((value - axis start) x scale) from the origin after the gap.
    int XPixel(double x) const;
    int YPixel(double y) const;
    QPointF Point(double x, double y) const { return QPointF(XPixel(x), YPixel(y)); }
};

// The common drawing rules of every graph picture.
class GraphPainter {
public:
    GraphPainter(QPainter& painter, const GraphOptions& options, const RoleFonts& fonts,
                 const GraphGeometry& geometry, char decimalSeparator);

    // The picture (or, on paper, only the graph rectangle) in the background colour.
    void FillBackground(OutputMode mode, const QRect& picture, int graphWidth, int graphHeight);
    void DrawTitle(const QString& line1, const QString& line2, int graphWidth);
    void DrawAxes(const QString& xTitle, const QString& yTitle, const QFont& yTitleFont);
    // The parts of DrawAxes, for a graph that draws ticks of its own.
    void DrawAxisLines();
    void DrawAxisTitles(const QString& xTitle, const QString& yTitle, const QFont& yTitleFont);
    // Major and minor tick marks of the X axis (horizontal) or the Y axis.
    void DrawTickMarks(bool horizontal, const AxisTicks& ticks);
    // A point `along` an axis from the plot edge and `out` pixels outside the plot.
    QPoint TickPoint(bool horizontal, int along, int out) const;
    void ClipToPlot();
    void Unclip();
    // Dashed reference lines across the plot at a data value, per the dash layout of the width.
    void DashedHorizontal(double y);
    void DashedVertical(double x);
    // The same with the dashes given: the horizontal line across the plot width, the vertical
    // one up from the X axis over the plot height.
    void DashedHorizontal(double y, const DashedLine& line);
    void DashedVertical(double x, const DashedLine& line);
    // A dashed line between two device points, with dashes measured along the line.
    void DashedDiagonal(QPointF from, QPointF to);

    const PlotFrame& Frame() const { return m_frame; }
    int AxisPen() const { return m_geometry.Layout.AxisPen; }
    int Unit() const { return m_geometry.Layout.Unit; }

    // Writes a tick label instead of FormatAxisLabel when set; `horizontal` is the X axis.
    std::function<std::string(double v, const AxisScale& axis, bool horizontal)> TickLabel;

private:
    // Ticks and labels of the X axis (horizontal) or the Y axis.
    void DrawTicks(bool horizontal);
    void DrawText(const QString& text, int x, int top, FontRole role, Qt::Alignment horizontal);
    QPen AxisPenOf() const;

    QPainter& m_painter;
    const GraphOptions& m_options;
    const RoleFonts& m_fonts;
    const GraphGeometry& m_geometry;
    PlotFrame m_frame;
    char m_separator;
};

} // namespace kvor
