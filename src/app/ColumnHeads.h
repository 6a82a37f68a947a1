#pragma once

#include <QFont>
#include <QLabel>

namespace kvor {

// The heads over a detection table ("N", "Detection", "Data sets"), each painted over its own
// column of the table text; the columns move with the width of the N column.
class TColumnHeads : public QLabel {
    Q_OBJECT

public:
    // text is the label's caption; tableFont is the font of the table below.
    TColumnHeads(const QString& text, const QFont& tableFont, QWidget* parent);

    // w: characters in the N column of the lines shown.
    void SetNWidth(int w);
    int NWidth() const { return m_w; }
    // Where each head is painted, in widget coordinates, in the order N, Detection, Data sets.
    QList<QRect> HeadRects() const;
    // Where each column of the table text lies, in the same order.
    QList<QRect> ColumnRects() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the table text reaches after `chars` characters.
    int TextX(int chars) const;

    QFont m_tableFont;
    int m_w = 3;
};

} // namespace kvor
