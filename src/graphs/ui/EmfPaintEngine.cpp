#include "graphs/ui/EmfPaintEngine.h"

#include "graphs/GraphLayout.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <vector>

namespace kvor {

namespace {

std::uint32_t ColourRef(const QColor& c) {
    return EmfWriter::Colour(c.red(), c.green(), c.blue());
}

EmfWriter::Rect RectOf(const QRectF& r) {
    return {Rnd(r.left()), Rnd(r.top()), Rnd(r.right()), Rnd(r.bottom())};
}

} // namespace

EmfPaintEngine::EmfPaintEngine(int width, int height, int pixelsPerInch)
    : QPaintEngine(AllFeatures), m_width(width), m_height(height), m_ppi(pixelsPerInch) {}

bool EmfPaintEngine::begin(QPaintDevice*) {
    m_writer.emplace(m_width, m_height, m_ppi);
    m_bytes.clear();
    m_penDirty = true;
    m_brushDirty = true;
    m_brushFilled.reset();
    m_fontKey.clear();
    setActive(true);
    return true;
}

bool EmfPaintEngine::end() {
    if (m_writer) {
        const std::vector<std::uint8_t> file = m_writer->Finish();
        m_bytes = QByteArray(reinterpret_cast<const char*>(file.data()),
                             static_cast<qsizetype>(file.size()));
        m_writer.reset();
    }
    setActive(false);
    return !m_bytes.isEmpty();
}

void EmfPaintEngine::updateState(const QPaintEngineState& state) {
    const QPaintEngine::DirtyFlags flags = state.state();
    if (flags & DirtyTransform) {
        m_transform = state.transform();
    }
    if (flags & DirtyPen) {
        m_pen = state.pen();
        m_penDirty = true;
    }
    if (flags & DirtyBrush) {
        m_brush = state.brush();
        m_brushDirty = true;
    }
    if (flags & (DirtyClipRegion | DirtyClipPath | DirtyClipEnabled)) {
        const bool enabled = state.isClipEnabled() && state.clipOperation() != Qt::NoClip;
        QRectF clip;
        if (flags & DirtyClipPath) {
            clip = state.clipPath().boundingRect();
        } else {
            clip = state.clipRegion().boundingRect();
        }
        if (enabled && !clip.isEmpty()) {
            const QRectF mapped = m_transform.mapRect(clip);
            // The clip rectangle of the format excludes its right and bottom edges.
            m_writer->ClipToRect(
                {Rnd(mapped.left()), Rnd(mapped.top()), Rnd(mapped.right()), Rnd(mapped.bottom())});
        } else {
            m_writer->ResetClip();
        }
    }
}

EmfWriter::Point EmfPaintEngine::Map(const QPointF& p) const {
    const QPointF m = m_transform.map(p);
    return {Rnd(m.x()), Rnd(m.y())};
}

void EmfPaintEngine::UsePen() {
    if (!m_penDirty) {
        return;
    }
    const bool none = m_pen.style() == Qt::NoPen;
    const int width =
        std::max(1, Rnd(m_pen.widthF() * std::sqrt(std::abs(m_transform.determinant()))));
    m_writer->SelectPen(ColourRef(m_pen.color()), width, none);
    m_penDirty = false;
}

void EmfPaintEngine::UseBrush(bool fill) {
    const bool filled = fill && m_brush.style() != Qt::NoBrush;
    if (!m_brushDirty && m_brushFilled == filled) {
        return;
    }
    m_writer->SelectBrush(ColourRef(m_brush.color()), !filled);
    m_brushFilled = filled;
    m_brushDirty = false;
}

void EmfPaintEngine::UseFont(const QFont& font, const QTransform& transform) {
    const double angle = std::atan2(transform.m12(), transform.m11()) * 180.0 / M_PI;
    const int escapement = Rnd(-angle * 10);
    const int pixels =
        font.pixelSize() > 0 ? font.pixelSize() : Rnd(font.pointSizeF() * m_ppi / 72.0);
    const QString key = QString("%1|%2|%3|%4|%5|%6")
                            .arg(font.family())
                            .arg(pixels)
                            .arg(escapement)
                            .arg(font.bold())
                            .arg(font.italic())
                            .arg(font.underline());
    if (key == m_fontKey) {
        return;
    }
    EmfWriter::Font f;
    f.Height = -pixels;
    f.Escapement = escapement;
    f.Bold = font.bold();
    f.Italic = font.italic();
    f.Underline = font.underline();
    f.StrikeOut = font.strikeOut();
    f.Face = font.family().toStdU16String();
    m_writer->SelectFont(f);
    m_fontKey = key;
}

void EmfPaintEngine::drawLines(const QLineF* lines, int lineCount) {
    if (m_pen.style() == Qt::NoPen || lineCount <= 0) {
        return;
    }
    UsePen();
    std::vector<std::vector<EmfWriter::Point>> polylines;
    polylines.reserve(static_cast<std::size_t>(lineCount));
    for (int i = 0; i < lineCount; ++i) {
        polylines.push_back({Map(lines[i].p1()), Map(lines[i].p2())});
    }
    m_writer->PolyPolyline(polylines);
}

void EmfPaintEngine::drawLines(const QLine* lines, int lineCount) {
    std::vector<QLineF> converted(lines, lines + std::max(lineCount, 0));
    drawLines(converted.data(), lineCount);
}

void EmfPaintEngine::DrawPolyline(const QPointF* points, int pointCount) {
    if (m_pen.style() == Qt::NoPen || pointCount < 2) {
        return;
    }
    UsePen();
    std::vector<EmfWriter::Point> line;
    for (int i = 0; i < pointCount; ++i) {
        line.push_back(Map(points[i]));
    }
    m_writer->PolyPolyline({line});
}

void EmfPaintEngine::drawPolygon(const QPointF* points, int pointCount, PolygonDrawMode mode) {
    if (mode == PolylineMode) {
        DrawPolyline(points, pointCount);
        return;
    }
    UsePen();
    UseBrush(true);
    std::vector<EmfWriter::Point> polygon;
    for (int i = 0; i < pointCount; ++i) {
        polygon.push_back(Map(points[i]));
    }
    m_writer->Polygon(polygon);
}

void EmfPaintEngine::drawPolygon(const QPoint* points, int pointCount, PolygonDrawMode mode) {
    std::vector<QPointF> converted(points, points + std::max(pointCount, 0));
    drawPolygon(converted.data(), pointCount, mode);
}

void EmfPaintEngine::drawRects(const QRectF* rects, int rectCount) {
    for (int i = 0; i < rectCount; ++i) {
        const QPolygonF polygon(rects[i]);
        drawPolygon(polygon.constData(), static_cast<int>(polygon.size()) - 1, OddEvenMode);
    }
}

void EmfPaintEngine::drawRects(const QRect* rects, int rectCount) {
    for (int i = 0; i < rectCount; ++i) {
        const QRectF rect(rects[i]);
        drawRects(&rect, 1);
    }
}

void EmfPaintEngine::drawEllipse(const QRectF& rect) {
    UsePen();
    UseBrush(true);
    m_writer->Ellipse(RectOf(m_transform.mapRect(rect)));
}

void EmfPaintEngine::drawPath(const QPainterPath& path) {
    const bool fill = m_brush.style() != Qt::NoBrush;
    for (const QPolygonF& polygon : path.toSubpathPolygons()) {
        drawPolygon(polygon.constData(), static_cast<int>(polygon.size()),
                    fill ? OddEvenMode : PolylineMode);
    }
}

void EmfPaintEngine::drawPoints(const QPointF* points, int pointCount) {
    for (int i = 0; i < pointCount; ++i) {
        const QLineF dot(points[i], points[i] + QPointF(1, 0));
        drawLines(&dot, 1);
    }
}

void EmfPaintEngine::drawTextItem(const QPointF& p, const QTextItem& textItem) {
    const QString text = textItem.text();
    if (text.isEmpty()) {
        return;
    }
    const QFont font = textItem.font();
    UseFont(font, m_transform);
    m_writer->SetTextColour(ColourRef(m_pen.color()));
    const QFontMetricsF metrics(font);
    std::vector<std::int32_t> dx;
    qreal along = 0;
    int placed = 0;
    for (const QChar c : text) {
        along += metrics.horizontalAdvance(c);
        const int next = Rnd(along);
        dx.push_back(next - placed);
        placed = next;
    }
    const QRectF local(p.x(), p.y() - textItem.ascent(), textItem.width(),
                       textItem.ascent() + textItem.descent());
    m_writer->TextOut(Map(p), text.toStdU16String(), dx, RectOf(m_transform.mapRect(local)));
}

void EmfPaintEngine::drawPixmap(const QRectF&, const QPixmap&, const QRectF&) {
    // Graphs paint no images.
}

QPaintEngine::Type EmfPaintEngine::type() const {
    return QPaintEngine::User;
}

} // namespace kvor
