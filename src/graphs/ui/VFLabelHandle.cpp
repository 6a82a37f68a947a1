#include "graphs/ui/VFLabelHandle.h"

#include <QMouseEvent>

namespace kvor {

TVFLabelHandle::TVFLabelHandle(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::OpenHandCursor);
    hide();
}

void TVFLabelHandle::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    if (Pressed) {
        Pressed(event->globalPosition().toPoint());
    }
}

void TVFLabelHandle::mouseMoveEvent(QMouseEvent* event) {
    if (m_pressed && Moved) {
        Moved(event->globalPosition().toPoint());
    }
}

void TVFLabelHandle::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    if (Released) {
        Released(event->globalPosition().toPoint());
    }
}

} // namespace kvor
