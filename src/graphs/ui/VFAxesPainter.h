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

// Both axes of the variance-function plot: lines, major and minor ticks, labels (decimal or
// power notation on logarithmic axes) and the axis titles.
void DrawVFAxes(QPainter& painter, const GraphOptions& options, const RoleFonts& fonts,
                const GraphGeometry& geometry, const VFAxisChoice& axes, const QString& yTitle,
                const QFont& yTitleFont, char separator);

} // namespace kvor
