#include "graphs/ui/VFAxesPainter.h"

#include "graphs/AxisScale.h"
#include "graphs/VFLogAxis.h"

#include <QFontMetrics>
#include <QPainter>

namespace kvor {

namespace {

// Exponents of power notation are written at three quarters of the tick-label size.
constexpr double ExponentShare = 0.75;
// How far the exponent's base line rises, as a share of the tick font's ascent.
constexpr double ExponentRise = 0.45;

const QFont& Font(const RoleFonts& fonts, FontRole role) {
    return fonts[static_cast<std::size_t>(role)];
}

QFont ExponentFont(const QFont& base) {
    QFont font = base;
    if (base.pixelSize() > 0) {
        font.setPixelSize(std::max(1, Rnd(base.pixelSize() * ExponentShare)));
    } else {
        font.setPointSizeF(base.pointSizeF() * ExponentShare);
    }
    return font;
}

class TickLabelWriter {
public:
    TickLabelWriter(QPainter& painter, const QFont& font)
        : m_painter(painter), m_font(font), m_small(ExponentFont(font)),
          m_metrics(font, painter.device()), m_smallMetrics(m_small, painter.device()) {}

    int Width(const VFTickLabel& label) const {
        return m_metrics.horizontalAdvance(label.Base) +
               m_smallMetrics.horizontalAdvance(label.Exponent);
    }
    int Height() const { return m_metrics.height(); }

    // Draws the label with its left end at x and its top at `top`.
    void Draw(const VFTickLabel& label, int x, int top) {
        const int baseLine = top + m_metrics.ascent();
        m_painter.setFont(m_font);
        m_painter.drawText(x, baseLine, label.Base);
        if (!label.Exponent.isEmpty()) {
            m_painter.setFont(m_small);
            m_painter.drawText(x + m_metrics.horizontalAdvance(label.Base),
                               baseLine - Rnd(ExponentRise * m_metrics.ascent()), label.Exponent);
        }
    }

private:
    QPainter& m_painter;
    QFont m_font;
    QFont m_small;
    QFontMetrics m_metrics;
    QFontMetrics m_smallMetrics;
};

void DrawTicks(GraphPainter& canvas, QPainter& painter, const GraphOptions& options,
               const RoleFonts& fonts, const GraphGeometry& geometry, const AxisScale& axis,
               bool log, bool horizontal, char separator) {
    const AxisGeometry& along = horizontal ? geometry.Layout.X : geometry.Layout.Y;
    const AxisTicks ticks = log ? LogTickOffsets(along, axis, options.MinorTickMarks)
                                : TickOffsets(along, axis, options.MinorTickMarks);
    canvas.DrawTickMarks(horizontal, ticks);
    const int d = geometry.Layout.Unit;
    painter.setPen(GraphQColour(options.GraphColour, options));
    TickLabelWriter writer(painter, Font(fonts, FontRole::TickLabels));
    for (std::size_t i = 0; i < ticks.Major.size(); ++i) {
        const VFTickLabel label =
            VFAxisLabel(axis, log, horizontal, ticks.MajorIndex[i], separator);
        const int width = writer.Width(label);
        if (horizontal) {
            const QPoint top =
                canvas.TickPoint(true, ticks.Major[i], d * (options.MajorTickLength + 1) / 72);
            writer.Draw(label, top.x() - width / 2, top.y());
        } else {
            const QPoint end =
                canvas.TickPoint(false, ticks.Major[i], d * (options.MajorTickLength + 3) / 72);
            writer.Draw(label, end.x() - width, end.y() - writer.Height() / 2);
        }
    }
}

} // namespace

VFTickLabel VFAxisLabel(const AxisScale& axis, bool log, bool horizontal, int k, char separator) {
    if (!log) {
        return {QString::fromStdString(FormatAxisLabel(AxisTick(axis, k), axis, separator)), {}};
    }
    const int e = axis.StartExponent + k;
    if (LogPowerNotation(axis, horizontal)) {
        return {QStringLiteral("10"), QString::number(e)};
    }
    return {QString::fromStdString(LogDecimalLabel(e, separator)), {}};
}

void DrawVFTicks(GraphPainter& canvas, QPainter& painter, const GraphOptions& options,
                 const RoleFonts& fonts, const GraphGeometry& geometry, const VFAxisChoice& axes,
                 char separator) {
    DrawTicks(canvas, painter, options, fonts, geometry, axes.X, axes.XLog, true, separator);
    DrawTicks(canvas, painter, options, fonts, geometry, axes.Y, axes.YLog, false, separator);
}

} // namespace kvor
