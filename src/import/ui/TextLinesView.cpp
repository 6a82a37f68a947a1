#include "import/ui/TextLinesView.h"

#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace kvor {

namespace {
constexpr int Margin = 4;
constexpr int WheelLines = 3;
} // namespace

TTextLinesView::TTextLinesView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setFocusPolicy(Qt::NoFocus);
    }
}

void TTextLinesView::SetLines(TextLines lines) {
    m_lines = std::move(lines);
    m_starts.clear();
    m_starts.reserve(m_lines.Count());
    m_base = nullptr;
    std::string_view widest;
    for (std::string_view line : m_lines) {
        if (m_base == nullptr) {
            m_base = line.data();
        }
        m_starts.push_back(static_cast<std::uint32_t>(line.data() - m_base));
        if (line.size() > widest.size()) {
            widest = line;
        }
        m_lastLength = line.size();
    }
    m_widest = fontMetrics().horizontalAdvance(
        QString::fromUtf8(widest.data(), static_cast<qsizetype>(widest.size())));
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    UpdateScrollBars();
    viewport()->update();
}

void TTextLinesView::Clear() {
    SetLines(TextLines());
}

std::string_view TTextLinesView::Line(std::size_t index) const {
    const std::size_t start = m_starts[index];
    const std::size_t length =
        index + 1 < m_starts.size() ? m_starts[index + 1] - start - 1 : m_lastLength;
    return {m_base + start, length};
}

QString TTextLinesView::LineText(std::size_t index) const {
    const std::string_view line = Line(index);
    return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}

int TTextLinesView::LineHeight() const {
    return fontMetrics().lineSpacing();
}

int TTextLinesView::PageLines() const {
    return std::max(1, viewport()->height() / LineHeight());
}

int TTextLinesView::TopLine() const {
    return verticalScrollBar()->value();
}

void TTextLinesView::ScrollLines(int lines) {
    verticalScrollBar()->setValue(verticalScrollBar()->value() + lines);
}

void TTextLinesView::ScrollToTop() {
    verticalScrollBar()->setValue(0);
}

void TTextLinesView::ScrollToBottom() {
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TTextLinesView::UpdateScrollBars() {
    const int page = PageLines();
    const int count = static_cast<int>(std::min<std::size_t>(m_starts.size(), INT32_MAX));
    verticalScrollBar()->setRange(0, std::max(0, count - page));
    verticalScrollBar()->setPageStep(page);
    verticalScrollBar()->setSingleStep(1);
    const int width = viewport()->width();
    horizontalScrollBar()->setRange(0, std::max(0, m_widest + 2 * Margin - width));
    horizontalScrollBar()->setPageStep(width);
    horizontalScrollBar()->setSingleStep(fontMetrics().averageCharWidth());
}

void TTextLinesView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void TTextLinesView::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0) {
        ScrollLines(-notches * WheelLines);
    }
    event->accept();
}

void TTextLinesView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const int height = LineHeight();
    const int ascent = fontMetrics().ascent();
    const int x = Margin - horizontalScrollBar()->value();
    const std::size_t first = static_cast<std::size_t>(TopLine());
    const std::size_t last =
        std::min(m_starts.size(), first + static_cast<std::size_t>(PageLines()) + 1);
    for (std::size_t i = first; i < last; ++i) {
        const int y = static_cast<int>(i - first) * height + ascent;
        painter.drawText(x, y, LineText(i));
    }
}

} // namespace kvor
