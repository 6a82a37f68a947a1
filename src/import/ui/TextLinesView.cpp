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

IndexedLines::IndexedLines(TextLines lines) : Lines(std::move(lines)) {
    Starts.reserve(Lines.Count());
    const char* base = Base();
    std::size_t widest = 0;
    for (std::string_view line : Lines) {
        if (line.size() > widest) {
            widest = line.size();
            Widest = Starts.size();
        }
        Starts.push_back(static_cast<std::uint32_t>(line.data() - base));
        LastLength = line.size();
    }
}

const char* IndexedLines::Base() const {
    return Lines.Count() == 0 ? nullptr : (*Lines.begin()).data();
}

void TTextLinesView::SetLines(IndexedLines lines) {
    m_lines = std::move(lines);
    // A short text moves with its characters, so the base is looked up after the move.
    m_base = m_lines.Base();
    m_widest = LineCount() == 0 ? 0 : fontMetrics().horizontalAdvance(LineText(m_lines.Widest));
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    UpdateScrollBars();
    viewport()->update();
}

void TTextLinesView::Clear() {
    SetLines(IndexedLines());
}

std::string_view TTextLinesView::Line(std::size_t index) const {
    const std::vector<std::uint32_t>& starts = m_lines.Starts;
    const std::size_t start = starts[index];
    const std::size_t length =
        index + 1 < starts.size() ? starts[index + 1] - start - 1 : m_lines.LastLength;
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
    const int count = static_cast<int>(std::min<std::size_t>(LineCount(), INT32_MAX));
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
        std::min(LineCount(), first + static_cast<std::size_t>(PageLines()) + 1);
    for (std::size_t i = first; i < last; ++i) {
        const int y = static_cast<int>(i - first) * height + ascent;
        painter.drawText(x, y, LineText(i));
    }
}

} // namespace kvor
