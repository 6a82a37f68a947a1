#include "import/ui/ViewerKeys.h"

#include <QKeyEvent>

namespace kvor {

bool ViewerNavigationKey(const QKeyEvent& key, ViewerScroller& scroller) {
    const bool ctrl = (key.modifiers() & Qt::ControlModifier) != 0;
    switch (key.key()) {
    case Qt::Key_PageUp:
        if (ctrl) {
            scroller.ScrollPages(-1);
        }
        return true;
    case Qt::Key_PageDown:
        if (ctrl) {
            scroller.ScrollPages(1);
        }
        return true;
    case Qt::Key_Home:
        if (ctrl) {
            scroller.ScrollToTop();
        }
        return true;
    case Qt::Key_End:
        if (ctrl) {
            scroller.ScrollToEnd();
        }
        return true;
    case Qt::Key_Up:
    case Qt::Key_Left:
        if (ctrl) {
            scroller.ScrollLines(-1);
        }
        return true;
    case Qt::Key_Down:
    case Qt::Key_Right:
        if (ctrl) {
            scroller.ScrollLines(1);
        }
        return true;
    default:
        return false;
    }
}

bool TViewerKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        ViewerNavigationKey(*static_cast<QKeyEvent*>(event), m_scroller)) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kvor
