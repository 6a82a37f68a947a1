#include "app/KVORPageControl.h"

#include <QEvent>
#include <QKeyEvent>
#include <QTabBar>

namespace kvor {

namespace {

class GuardedTabBar : public QTabBar {
public:
    GuardedTabBar(const TKVORPageControl& pages, QWidget* parent)
        : QTabBar(parent), m_pages(pages) {}

protected:
    bool event(QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::Shortcut:
        case QEvent::KeyPress:
            if (!m_pages.MayChange()) {
                event->accept();
                return true;
            }
            break;
        default:
            break;
        }
        return QTabBar::event(event);
    }

private:
    const TKVORPageControl& m_pages;
};

} // namespace

TKVORPageControl::TKVORPageControl(QWidget* parent) : QTabWidget(parent) {
    setObjectName("KVORPageControl");
    setTabBar(new GuardedTabBar(*this, this));
}

void TKVORPageControl::SetChangeGuard(std::function<bool()> mayChange) {
    m_mayChange = std::move(mayChange);
}

void TKVORPageControl::keyPressEvent(QKeyEvent* event) {
    const bool switching = (event->modifiers() & Qt::ControlModifier) != 0 &&
                           (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab ||
                            event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown);
    if (switching && !MayChange()) {
        event->accept();
        return;
    }
    QTabWidget::keyPressEvent(event);
}

} // namespace kvor
