#pragma once

#include "import/TextLines.h"

#include <QAbstractScrollArea>

#include <cstdint>
#include <string_view>
#include <vector>

namespace kvor {

// A read-only view of a list of text lines that paints only the lines in sight, so a file of
// any size shows at once. No word wrap; both scroll bars; it never takes the focus.
class TTextLinesView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TTextLinesView(QWidget* parent);

    void SetLines(TextLines lines);
    void Clear();
    std::size_t LineCount() const { return m_starts.size(); }
    QString LineText(std::size_t index) const;

    // The first line in sight and how many full lines fit.
    int TopLine() const;
    int PageLines() const;
    // Scrolling by lines; never beyond the last full page.
    void ScrollLines(int lines);
    void ScrollToTop();
    void ScrollToBottom();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    std::string_view Line(std::size_t index) const;
    int LineHeight() const;
    void UpdateScrollBars();

    TextLines m_lines;
    const char* m_base = nullptr;
    std::vector<std::uint32_t> m_starts; // offset of each line from m_base
    std::size_t m_lastLength = 0;
    int m_widest = 0; // pixels
};

} // namespace kvor
