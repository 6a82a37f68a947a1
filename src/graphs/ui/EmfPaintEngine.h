#pragma once

#include "graphs/EmfWriter.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QPaintEngine>
#include <QPen>
#include <QTransform>

#include <optional>

namespace kvor {

// Turns the painter's calls into EMF records: pens, brushes and fonts as objects, polylines,
// polygons, ellipses, text with the font's advances, and clipping to rectangles.
class EmfPaintEngine final : public QPaintEngine {
public:
    EmfPaintEngine(int width, int height, int pixelsPerInch);

    bool begin(QPaintDevice* device) override;
    bool end() override;
    void updateState(const QPaintEngineState& state) override;
    void drawLines(const QLineF* lines, int lineCount) override;
    void drawLines(const QLine* lines, int lineCount) override;
    void drawPolygon(const QPointF* points, int pointCount, PolygonDrawMode mode) override;
    void drawPolygon(const QPoint* points, int pointCount, PolygonDrawMode mode) override;
    void drawRects(const QRectF* rects, int rectCount) override;
    void drawRects(const QRect* rects, int rectCount) override;
    void drawEllipse(const QRectF& rect) override;
    void drawPath(const QPainterPath& path) override;
    void drawPoints(const QPointF* points, int pointCount) override;
    void drawTextItem(const QPointF& p, const QTextItem& textItem) override;
    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override;
    Type type() const override;

    const QByteArray& Bytes() const { return m_bytes; }

private:
    EmfWriter::Point Map(const QPointF& p) const;
    void DrawPolyline(const QPointF* points, int pointCount);
    void UsePen();
    void UseBrush(bool fill);
    void UseFont(const QFont& font, const QTransform& transform);

    int m_width;
    int m_height;
    int m_ppi;
    std::optional<EmfWriter> m_writer;
    QByteArray m_bytes;
    QTransform m_transform;
    QPen m_pen;
    QBrush m_brush;
    bool m_penDirty = true;
    bool m_brushDirty = true;
    std::optional<bool> m_brushFilled;
    QString m_fontKey;
};

} // namespace kvor
