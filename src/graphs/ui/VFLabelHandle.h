#pragma once

#include <QWidget>

#include <functional>

namespace kvor {

// The transparent control over a curve label that the mouse drags; it only reports the
// button's press, the moves while pressed and the release, in global coordinates.
class TVFLabelHandle final : public QWidget {
    Q_OBJECT

public:
    TVFLabelHandle(const QString& name, QWidget* parent);

    std::function<void(QPoint)> Pressed;
    std::function<void(QPoint)> Moved;
    std::function<void(QPoint)> Released;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace kvor
