#pragma once

#include "import/TextLines.h"

#include <QAbstractScrollArea>

#include <cstdint>
#include <string_view>
#include <vector>

namespace kvor {

// Lines with the offset of each, ready for a view; building it may take a while for a large
// text, so it can be done away from the user-interface thread.
struct IndexedLines {
    explicit IndexedLines(TextLines lines = TextLines());

    // The first character of the text; valid as long as Lines is not moved.
    const char* Base() const;

    TextLines Lines;
    std::vector<std::uint32_t> Starts; // offset of each line from Base()
    std::size_t LastLength = 0;
    std::size_t Widest = 0; // index of the longest line
};

// A read-only view of a list of text lines that paints only the lines in sight, so a file of
// any size shows at once. No word wrap; both scroll bars; it never takes the focus.
class TTextLinesView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TTextLinesView(QWidget* parent);

    void SetLines(IndexedLines lines);
    void Clear();
    std::size_t LineCount() const { return m_lines.Starts.size(); }
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

    IndexedLines m_lines;
    const char* m_base = nullptr;
    int m_widest = 0; // pixels
};

} // namespace kvor
