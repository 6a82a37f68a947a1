#pragma once

#include "graphs/VFCurvePoints.h"
#include "graphs/ui/GraphPainter.h"

#include <QString>

namespace kvor {

// A tick label; a power-notation label is "10" with Exponent raised in a smaller font.
struct VFTickLabel {
    QString Base;
    QString Exponent;
    // The text layout measures in place of the drawn label.
    std::string Measured() const { return (Base + Exponent).toStdString(); }
};

// The label of tick k of a linear or logarithmic axis.
VFTickLabel VFAxisLabel(const AxisScale& axis, bool log, bool horizontal, int k, char separator);

// Ticks and tick labels of both axes of the variance-function plot: major and minor ticks, and
// decimal or power-notation labels on logarithmic axes.
void DrawVFTicks(GraphPainter& canvas, QPainter& painter, const GraphOptions& options,
                 const RoleFonts& fonts, const GraphGeometry& geometry, const VFAxisChoice& axes,
                 char separator);

} // namespace kvor
