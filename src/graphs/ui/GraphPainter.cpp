#include "graphs/ui/GraphPainter.h"

#include "graphs/AxisScale.h"
#include "graphs/AxisTicks.h"
#include "graphs/PrintLayout.h"
#include "graphs/SampleLinesModel.h"

#include <QFontMetrics>
#include <QLineF>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace kvor {

namespace {

int Div72(int d, int points) {
    return d * points / 72;
}

} // namespace

RoleFonts GraphFonts(const GraphOptions& options, const QPaintDevice& device, int d, int fontScale,
                     int axisTitleShare) {
    RoleFonts fonts;
    for (int role = 0; role < FontRoleCount; ++role) {
        const auto r = static_cast<FontRole>(role);
        const int s = options.FontSize(r);
        int cell = fontScale > 0 ? PrintFontLogicalPixels(s, fontScale, d)
                                 : ScreenFontCellPixels(s, d, device.logicalDpiY());
        if (r == FontRole::AxisTitles) {
            cell = cell * axisTitleShare / 100;
        }
        fonts[static_cast<std::size_t>(role)] = CellHeightFont(options, r, cell, &device);
    }
    return fonts;
}

GraphLayoutInput LinearLayoutInput(int Wg, const AxisScale& x, const AxisScale& y,
                                   const GraphOptions& options) {
    GraphLayoutInput in;
    in.GraphWidth = Wg;
    in.X = LinearAxisExtent(x);
    in.Y = LinearAxisExtent(y);
    in.YStartLabel = FormatAxisLabelGeneral(AxisStart(y), y);
    in.YEndLabel = FormatAxisLabelGeneral(AxisEnd(y), y);
    in.XEndLabel = FormatAxisLabelGeneral(AxisEnd(x), x);
    in.MajorTickLength = options.MajorTickLength;
    in.ShowTitle = options.ShowTitle;
    return in;
}

QColor GraphQColour(RgbColour colour, const GraphOptions& options, QColor blackWhite) {
    return options.BlackWhite ? blackWhite : QColor(colour.R, colour.G, colour.B);
}

int PlotFrame::XPixel(double x) const {
    const AxisGeometry& a = G.Layout.X;
    return PlotLeft() + a.Gap + Rnd((x - AxisStart(G.XAxis)) * a.PixelsPerUnit);
}

int PlotFrame::YPixel(double y) const {
    const AxisGeometry& a = G.Layout.Y;
    return AxisY() - a.Gap - Rnd((y - AxisStart(G.YAxis)) * a.PixelsPerUnit);
}

GraphPainter::GraphPainter(QPainter& painter, const GraphOptions& options, const RoleFonts& fonts,
                           const GraphGeometry& geometry, char decimalSeparator)
    : m_painter(painter), m_options(options), m_fonts(fonts), m_geometry(geometry),
      m_frame(geometry), m_separator(decimalSeparator) {}

void GraphPainter::FillBackground(OutputMode mode, const QRect& picture, int graphWidth,
                                  int graphHeight) {
    const QColor background = GraphQColour(m_options.BackgroundColour, m_options, Qt::white);
    if (!mode.OnPaper) {
        m_painter.fillRect(picture, background);
    } else if (!m_options.BlackWhite) {
        m_painter.fillRect(QRect(m_geometry.Left, m_geometry.Top, graphWidth, graphHeight),
                           background);
    }
}

void GraphPainter::DrawTitle(const QString& line1, const QString& line2, int graphWidth) {
    if (!m_options.ShowTitle) {
        return;
    }
    const QFont& font = m_fonts[static_cast<std::size_t>(FontRole::Title)];
    const int h = QFontMetrics(font, m_painter.device()).height();
    m_painter.setFont(font);
    m_painter.setPen(GraphQColour(m_options.TitleColour, m_options));
    const int left = m_geometry.Left;
    const int top = m_geometry.Top;
    m_painter.drawText(QRect(left, top, graphWidth, Rnd(1.2L * h)), Qt::AlignCenter, line1);
    m_painter.drawText(QRect(left, top + Rnd(1.1L * h), graphWidth, Rnd(1.2L * h)), Qt::AlignCenter,
                       line2);
}

QPen GraphPainter::AxisPenOf() const {
    QPen pen(GraphQColour(m_options.GraphColour, m_options), AxisPen(), Qt::SolidLine, Qt::FlatCap,
             Qt::MiterJoin);
    return pen;
}

void GraphPainter::DrawText(const QString& text, int x, int top, FontRole role,
                            Qt::Alignment horizontal) {
    const QFont& font = m_fonts[static_cast<std::size_t>(role)];
    const QFontMetrics metrics(font, m_painter.device());
    const int width = metrics.horizontalAdvance(text);
    const int left = horizontal == Qt::AlignRight     ? x - width
                     : horizontal == Qt::AlignHCenter ? x - width / 2
                                                      : x;
    m_painter.setFont(font);
    m_painter.drawText(left, top + metrics.ascent(), text);
}

void GraphPainter::DrawAxes(const QString& xTitle, const QString& yTitle, const QFont& yTitleFont) {
    DrawAxisLines();
    DrawTicks(true);
    DrawTicks(false);
    DrawAxisTitles(xTitle, yTitle, yTitleFont);
}

void GraphPainter::DrawAxisLines() {
    m_painter.setPen(AxisPenOf());
    const int plotLeft = m_frame.PlotLeft();
    const int axisY = m_frame.AxisY();
    m_painter.drawLine(plotLeft, m_frame.PlotTop(), plotLeft, axisY);
    m_painter.drawLine(plotLeft, axisY, plotLeft + m_frame.PlotWidth(), axisY);
}

void GraphPainter::DrawAxisTitles(const QString& xTitle, const QString& yTitle,
                                  const QFont& yTitleFont) {
    const int plotLeft = m_frame.PlotLeft();
    const int axisY = m_frame.AxisY();
    const int d = Unit();
    const int major = m_options.MajorTickLength;
    const int tickLabelHeight =
        QFontMetrics(m_fonts[static_cast<std::size_t>(FontRole::TickLabels)], m_painter.device())
            .height();
    m_painter.setPen(GraphQColour(m_options.GraphColour, m_options));
    DrawText(xTitle, plotLeft + m_frame.PlotWidth() / 2,
             axisY + Rnd(1.25L * tickLabelHeight) + Div72(d, major + 1), FontRole::AxisTitles,
             Qt::AlignHCenter);

    const QFontMetrics metrics(yTitleFont, m_painter.device());
    m_painter.save();
    m_painter.setFont(yTitleFont);
    m_painter.translate(m_geometry.Left, m_frame.PlotTop() + m_frame.PlotHeight() / 2);
    m_painter.rotate(-90);
    m_painter.drawText(-metrics.horizontalAdvance(yTitle) / 2, metrics.ascent(), yTitle);
    m_painter.restore();
}

QPoint GraphPainter::TickPoint(bool horizontal, int along, int out) const {
    const QPoint origin(m_frame.PlotLeft(), m_frame.AxisY());
    return horizontal ? QPoint(origin.x() + along, origin.y() + out)
                      : QPoint(origin.x() - out, origin.y() - along);
}

void GraphPainter::DrawTickMarks(bool horizontal, const AxisTicks& ticks) {
    const int d = Unit();
    const int major = PointsToPixels(d, m_options.MajorTickLength);
    const int minor = PointsToPixels(d, m_options.MinorTickLength);
    m_painter.setPen(AxisPenOf());
    for (const int offset : ticks.Major) {
        m_painter.drawLine(TickPoint(horizontal, offset, 0), TickPoint(horizontal, offset, major));
    }
    for (const int offset : ticks.Minor) {
        m_painter.drawLine(TickPoint(horizontal, offset, 0), TickPoint(horizontal, offset, minor));
    }
}

void GraphPainter::DrawTicks(bool horizontal) {
    const AxisScale& axis = horizontal ? m_geometry.XAxis : m_geometry.YAxis;
    const AxisTicks ticks = TickOffsets(horizontal ? m_geometry.Layout.X : m_geometry.Layout.Y,
                                        axis, m_options.MinorTickMarks);
    DrawTickMarks(horizontal, ticks);
    const int d = Unit();
    m_painter.setPen(GraphQColour(m_options.GraphColour, m_options));
    const int labelHeight =
        QFontMetrics(m_fonts[static_cast<std::size_t>(FontRole::TickLabels)], m_painter.device())
            .height();
    for (std::size_t i = 0; i < ticks.Major.size(); ++i) {
        const double v = AxisTick(axis, ticks.MajorIndex[i]);
        const QString label = QString::fromStdString(
            TickLabel ? TickLabel(v, axis, horizontal) : FormatAxisLabel(v, axis, m_separator));
        if (horizontal) {
            const QPoint top =
                TickPoint(true, ticks.Major[i], Div72(d, m_options.MajorTickLength + 1));
            DrawText(label, top.x(), top.y(), FontRole::TickLabels, Qt::AlignHCenter);
        } else {
            const QPoint end =
                TickPoint(false, ticks.Major[i], Div72(d, m_options.MajorTickLength + 3));
            DrawText(label, end.x(), end.y() - labelHeight / 2, FontRole::TickLabels,
                     Qt::AlignRight);
        }
    }
}

void GraphPainter::ClipToPlot() {
    m_painter.setClipRect(m_frame.PlotRect());
}

void GraphPainter::Unclip() {
    m_painter.setClipping(false);
}

void GraphPainter::DashedHorizontal(double y) {
    const int width = m_frame.PlotWidth();
    DashedHorizontal(y, SegmentDashedLine(width, DashLayout(width).Length));
}

void GraphPainter::DashedHorizontal(double y, const DashedLine& line) {
    const int py = m_frame.YPixel(y);
    m_painter.setPen(AxisPenOf());
    for (int i = 0; i < line.Count; i += 2) {
        m_painter.drawLine(m_frame.PlotLeft() + DashSegmentStart(line, i), py,
                           m_frame.PlotLeft() + DashSegmentStart(line, i + 1), py);
    }
}

void GraphPainter::DashedVertical(double x) {
    const int S = DashLayout(m_frame.PlotWidth()).Length;
    DashedVertical(x, SegmentDashedLine(m_frame.PlotHeight(), S));
}

void GraphPainter::DashedVertical(double x, const DashedLine& line) {
    const int px = m_frame.XPixel(x);
    m_painter.setPen(AxisPenOf());
    for (int i = 0; i < line.Count; i += 2) {
        m_painter.drawLine(px, m_frame.AxisY() - DashSegmentStart(line, i), px,
                           m_frame.AxisY() - DashSegmentStart(line, i + 1));
    }
}

void GraphPainter::DashedDiagonal(QPointF from, QPointF to) {
    const QLineF whole(from, to);
    const int L = Rnd(whole.length());
    if (L <= 0) {
        return;
    }
    const int S = DashLayout(m_frame.PlotWidth()).Length;
    const std::vector<int> pieces = DiagonalDashPieces(L, AxisPen(), S);
    m_painter.setPen(AxisPenOf());
    int along = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const int next = along + pieces[i];
        if (i % 2 == 0) {
            m_painter.drawLine(QLineF(whole.pointAt(static_cast<double>(along) / L),
                                      whole.pointAt(static_cast<double>(next) / L)));
        }
        along = next;
    }
}

} // namespace kvor
