#pragma once

#include "graphs/VFCurvePoints.h"
#include "graphs/ui/Graph.h"

#include <QFont>
#include <QRect>

#include <array>
#include <string>

namespace kvor {

struct GraphOptions;

// The variance-function plot of a completed curve set, as variance, SD or CV (%) on linear or
// logarithmic axes, with curve labels placed in data units per graph type.
class TVarianceFunctionsGraph final : public TGraph {
public:
    TVarianceFunctionsGraph(VFCurveSet& set, const GraphOptions& options);

    int GetGraphHeight(const QPaintDevice& device, int d, int Wg, int fontScale) override;
    void DrawGraph(QPainter& painter, int W, int top, int left, int fontScale, int d, int G, int Wg,
                   int H) override;

    // The axes of the last layout in plot pixels, for turning a mouse position into data.
    VFPlotGeometry PlotGeometry() const;
    // The plot rectangle of the last layout in device units.
    QRect PlotRect() const;

    std::string Title;
    char DecimalSeparator = '.';
    // The curve being dragged (VFYFunction, VFXFunction) is drawn three times as thick; 0 none.
    int DraggedCurve = 0;
    // Device rectangles of the labels drawn by the last screen draw; empty when not drawn.
    std::array<QRect, 2> LabelRects;

private:
    VFAxisChoice Axes() const;
    void PlotVF(QPainter& painter, int function, int d);
    void DrawLabel(QPainter& painter, int function, const VFCurvePoints& points);

    VFCurveSet& m_set;
    const GraphOptions& m_options;
    QFont m_labelFont;
};

} // namespace kvor
