#pragma once

#include <QList>
#include <QWidget>

#include <initializer_list>

namespace kvor {

inline void SetEnabled(std::initializer_list<QWidget*> widgets, bool enabled) {
    for (QWidget* w : widgets) {
        w->setEnabled(enabled);
    }
}

inline void SetVisible(std::initializer_list<QWidget*> widgets, bool visible) {
    for (QWidget* w : widgets) {
        w->setVisible(visible);
    }
}

// Screen updates off while a handler rearranges many controls, back as they were afterwards.
class UpdatesSuspended {
public:
    explicit UpdatesSuspended(QWidget& widget) : m_widget(widget), m_was(widget.updatesEnabled()) {
        widget.setUpdatesEnabled(false);
    }
    ~UpdatesSuspended() { m_widget.setUpdatesEnabled(m_was); }
    UpdatesSuspended(const UpdatesSuspended&) = delete;
    UpdatesSuspended& operator=(const UpdatesSuspended&) = delete;

private:
    QWidget& m_widget;
    bool m_was;
};

} // namespace kvor
