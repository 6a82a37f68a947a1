#include "app/ColumnHeads.h"

#include "studies/DetectionDisplay.h"

#include <QPainter>
#include <QRegularExpression>
#include <QStyle>

#include <algorithm>

namespace kvor {

namespace {

// The caption holds the three heads apart by runs of blanks.
QStringList HeadWords(const QString& caption) {
    static const QRegularExpression gap(QStringLiteral("\\s{2,}"));
    QStringList words = caption.split(gap, Qt::SkipEmptyParts);
    while (words.size() < 3) {
        words << QString();
    }
    return words;
}

} // namespace

TColumnHeads::TColumnHeads(const QString& text, const QFont& tableFont, QWidget* parent)
    : QLabel(text, parent), m_tableFont(tableFont) {
    // A narrow face, so that each head fits over its column for every N width.
    setFont(QFont(QStringLiteral("Arial"), 9));
}

void TColumnHeads::SetNWidth(int w) {
    if (w != m_w) {
        m_w = w;
        update();
    }
}

int TColumnHeads::TextX(int chars) const {
    // Advances can be fractional: measure the run of characters, not one times the count.
    return QFontMetrics(m_tableFont).horizontalAdvance(QString(chars, QLatin1Char('8')));
}

QList<QRect> TColumnHeads::ColumnRects() const {
    const DetectionColumnSpans spans = DetectionColumns(m_w);
    QList<QRect> rects;
    for (const CharColumns& span : {spans.N, spans.Detection, spans.Sets}) {
        rects << QRect(TextX(span.First), 0, TextX(span.Last) - TextX(span.First), height());
    }
    return rects;
}

QList<QRect> TColumnHeads::HeadRects() const {
    const QFontMetrics metrics(font());
    const QList<QRect> columns = ColumnRects();
    const QStringList words = HeadWords(text());
    QList<QRect> heads;
    for (int i = 0; i < 3; ++i) {
        const int width = metrics.horizontalAdvance(words[i]);
        // N stands over the right end of its column, as the numbers do; the others centred.
        const int left =
            i == 0 ? columns[i].right() + 1 - width : columns[i].center().x() + 1 - width / 2;
        heads << QRect(std::max(left, 0), 0, width, height());
    }
    return heads;
}

QSize TColumnHeads::sizeHint() const {
    return {TextX(DetectionLineLength), QFontMetrics(font()).height()};
}

QSize TColumnHeads::minimumSizeHint() const {
    return sizeHint();
}

void TColumnHeads::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    const QList<QRect> heads = HeadRects();
    const QStringList words = HeadWords(text());
    for (int i = 0; i < 3; ++i) {
        style()->drawItemText(&painter, heads[i], Qt::AlignLeft | Qt::AlignVCenter, palette(),
                              isEnabled(), words[i], QPalette::WindowText);
    }
}

} // namespace kvor
