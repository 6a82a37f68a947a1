#pragma once

#include <QObject>

class QKeyEvent;

namespace kvor {

// How a viewer scrolls: by lines and pages, to the top and to the end.
struct ViewerScroller {
    virtual ~ViewerScroller() = default;
    virtual void ScrollLines(int lines) = 0;
    virtual void ScrollPages(int pages) = 0;
    virtual void ScrollToTop() = 0;
    virtual void ScrollToEnd() = 0;
};

// The viewers' key rule: the eight navigation keys scroll with Ctrl and are swallowed without
// it. True when the key was taken.
bool ViewerNavigationKey(const QKeyEvent& key, ViewerScroller& scroller);

// Applies the key rule to the keys of the objects it is installed on.
class TViewerKeyFilter : public QObject {
public:
    TViewerKeyFilter(ViewerScroller& scroller, QObject* parent)
        : QObject(parent), m_scroller(scroller) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ViewerScroller& m_scroller;
};

} // namespace kvor
