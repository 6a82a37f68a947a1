#include "app/HelpPopup.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QScreen>

#include <algorithm>

namespace kvor {

THelpPopup::THelpPopup() : QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint) {
    setObjectName("KVORHelpPopup");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWordWrap(true);
    setMargin(6);
    setFrameShape(QFrame::Box);
    setFont(QFont(QStringLiteral("Arial"), 9));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 255, 234));
    colours.setColor(QPalette::WindowText, QColor(Qt::black));
    setPalette(colours);
    setMaximumWidth(360);
}

void THelpPopup::ShowText(const QString& text, QPoint at, const QWidget& near) {
    setText(text);
    adjustSize();
    QPoint topLeft(at.x() - width() / 2, at.y());
    if (const QScreen* screen = near.screen()) {
        const QRect bounds = screen->availableGeometry();
        topLeft.setX(std::clamp(topLeft.x(), bounds.left(),
                                std::max(bounds.left(), bounds.right() - width())));
        topLeft.setY(std::clamp(topLeft.y(), bounds.top(),
                                std::max(bounds.top(), bounds.bottom() - height())));
    }
    move(topLeft);
    show();
    raise();
}

void THelpPopup::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    qApp->installEventFilter(this);
}

void THelpPopup::hideEvent(QHideEvent* event) {
    qApp->removeEventFilter(this);
    QLabel::hideEvent(event);
}

bool THelpPopup::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
        // A click on the popup only closes it; a click elsewhere also does its usual work, so
        // the popup goes only once that click has been delivered.
        if (watched == this) {
            hide();
            return true;
        }
        QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
        return false;
    case QEvent::KeyPress:
        hide();
        // Escape only closes the popup; any other key goes on to the control that has focus.
        return static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    case QEvent::ApplicationDeactivate:
    case QEvent::WindowDeactivate:
        hide();
        return false;
    default:
        return false;
    }
}

} // namespace kvor
