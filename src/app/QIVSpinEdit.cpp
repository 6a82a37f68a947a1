#include "app/QIVSpinEdit.h"

#include "app/EditKeyRules.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QTimer>

#include <algorithm>
#include <cstdint>

namespace kvor {

TQIVTimerSpeedButton::TQIVTimerSpeedButton(Direction direction, QWidget* parent)
    : QAbstractButton(parent), m_direction(direction), m_repeatTimer(new QTimer(this)) {
    setFocusPolicy(Qt::NoFocus);
    connect(m_repeatTimer, &QTimer::timeout, this, &TQIVTimerSpeedButton::RepeatTick);
    connect(this, &QAbstractButton::clicked, this, &TQIVTimerSpeedButton::Step);
}

void TQIVTimerSpeedButton::RepeatTick() {
    m_repeatTimer->setInterval(RepeatInterval);
    // isDown() is false while the held mouse is outside the button.
    if (isDown()) {
        emit Step();
    }
}

void TQIVTimerSpeedButton::mousePressEvent(QMouseEvent* event) {
    QAbstractButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && isEnabled()) {
        m_repeatTimer->start(FirstRepeatDelay);
    }
}

void TQIVTimerSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    m_repeatTimer->stop();
    QAbstractButton::mouseReleaseEvent(event);
}

void TQIVTimerSpeedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    const QRect area = rect();
    painter.fillRect(area, colours.color(QPalette::Button));
    painter.setPen(colours.color(isDown() ? QPalette::Dark : QPalette::Light));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(colours.color(isDown() ? QPalette::Light : QPalette::Dark));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());

    // An arrow of 7 by 4 pixels inside the 11 by 6 glyph cell.
    const QColor glyph =
        colours.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    const int shift = isDown() ? 1 : 0;
    const int cx = area.center().x() + shift;
    const int cy = area.center().y() + shift;
    QPolygon arrow;
    if (m_direction == Direction::Up) {
        arrow << QPoint(cx - 3, cy + 2) << QPoint(cx + 3, cy + 2) << QPoint(cx, cy - 1);
    } else {
        arrow << QPoint(cx - 3, cy - 1) << QPoint(cx + 3, cy - 1) << QPoint(cx, cy + 2);
    }
    painter.setPen(glyph);
    painter.setBrush(glyph);
    painter.drawPolygon(arrow);

    const auto* pair = qobject_cast<const TQIVSpinButton*>(parentWidget());
    if (pair != nullptr && pair->hasFocus() && pair->FocusedButton() == this) {
        QPen dotted(colours.color(QPalette::ButtonText));
        dotted.setStyle(Qt::DotLine);
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(3 + shift, 3 + shift, -4 + shift, -4 + shift));
    }
}

TQIVSpinButton::TQIVSpinButton(QWidget* parent)
    : QWidget(parent), m_up(new TQIVTimerSpeedButton(TQIVTimerSpeedButton::Direction::Up, this)),
      m_down(new TQIVTimerSpeedButton(TQIVTimerSpeedButton::Direction::Down, this)) {
    m_focused = m_up;
    setFocusPolicy(Qt::NoFocus);
    setMinimumWidth(15);
    for (TQIVTimerSpeedButton* button : {m_up, m_down}) {
        connect(button, &QAbstractButton::pressed, this,
                [this, button] { SetFocusedButton(button); });
    }
}

void TQIVSpinButton::SetFocusedButton(TQIVTimerSpeedButton* button) {
    m_focused = button;
    m_up->update();
    m_down->update();
}

void TQIVSpinButton::SetTabStop(bool tabStop) {
    setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
}

void TQIVSpinButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
        emit m_focused->Step();
        break;
    case Qt::Key_Up:
        SetFocusedButton(m_up);
        emit m_up->Step();
        break;
    case Qt::Key_Down:
        SetFocusedButton(m_down);
        emit m_down->Step();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TQIVSpinButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    m_up->update();
    m_down->update();
}

void TQIVSpinButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    m_up->update();
    m_down->update();
}

void TQIVSpinButton::resizeEvent(QResizeEvent*) {
    // The up button takes half the height, the down button the rest, overlapping by a pixel.
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half - 1, width(), height() - half + 1);
}

TQIVSpinEdit::TQIVSpinEdit(QWidget* parent) : TQIVEdit(parent), m_button(new TQIVSpinButton(this)) {
    connect(m_button->UpButton(), &QAbstractButton::pressed, this,
            &TQIVSpinEdit::TakeFocusFromButton);
    connect(m_button->DownButton(), &QAbstractButton::pressed, this,
            &TQIVSpinEdit::TakeFocusFromButton);
    connect(m_button->UpButton(), &TQIVTimerSpeedButton::Step, this, &TQIVSpinEdit::UpClick);
    connect(m_button->DownButton(), &TQIVTimerSpeedButton::Step, this, &TQIVSpinEdit::DownClick);
}

void TQIVSpinEdit::TakeFocusFromButton() {
    if (isEnabled() && focusPolicy() != Qt::NoFocus) {
        setFocus(Qt::MouseFocusReason);
    } else if ((m_button->focusPolicy() & Qt::TabFocus) != 0) {
        m_button->setFocus(Qt::MouseFocusReason);
    }
}

bool TQIVSpinEdit::IsPartial() const {
    const QString t = text();
    return t.isEmpty() || t == QLatin1String("-");
}

int TQIVSpinEdit::Value() const {
    bool ok = false;
    const int v = text().trimmed().toInt(&ok, 10);
    return ok ? v : m_minValue;
}

bool TQIVSpinEdit::InBounds(int value) const {
    return m_minValue == m_maxValue || (value >= m_minValue && value <= m_maxValue);
}

int TQIVSpinEdit::Clamped(int value) const {
    // A limit below the lower bound (few imported pairs) leaves the lower bound.
    return m_minValue == m_maxValue ? value : std::max(m_minValue, std::min(value, m_maxValue));
}

void TQIVSpinEdit::SetValue(int value) {
    setText(QString::number(Clamped(value)));
}

void TQIVSpinEdit::StepBy(int delta) {
    if (IsPartial()) {
        SetValue(m_minValue > 0 ? m_minValue : 0);
    } else {
        const int v = Value();
        if (InBounds(v)) {
            const std::int64_t next = static_cast<std::int64_t>(v) + delta;
            const bool bounded = m_minValue != m_maxValue;
            if ((bounded && (next > m_maxValue || next < m_minValue)) || next > INT32_MAX ||
                next < INT32_MIN) {
                Beep();
            } else {
                SetValue(static_cast<int>(next));
            }
        } else {
            SetValue(v);
        }
    }
    setCursorPosition(static_cast<int>(text().size()));
}

void TQIVSpinEdit::UpClick() {
    StepBy(m_increment);
}

void TQIVSpinEdit::DownClick() {
    StepBy(-m_increment);
}

void TQIVSpinEdit::DoExit() {
    if (IsPartial()) {
        SetValue(m_minValue > 0 ? m_minValue : 0);
    }
    SetValue(Value());
    emit Exit();
}

bool TQIVSpinEdit::AcceptsCharacter(QChar c) const {
    return AcceptsSignOrDigit(c, m_minValue < 0);
}

void TQIVSpinEdit::keyPressEvent(QKeyEvent* event) {
    if (SwallowKey(*event)) {
        return;
    }
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        event->key() == Qt::Key_Up ? UpClick() : DownClick();
        event->accept();
        return;
    }
    if (IsEditingKey(*event)) {
        if (EditorEnabled() || event->key() != Qt::Key_Backspace) {
            TQIVEdit::keyPressEvent(event);
        }
        return;
    }
    event->accept();
    if (event->text().size() != 1 || !AcceptsCharacter(event->text().front())) {
        Beep();
        return;
    }
    if (EditorEnabled()) {
        TQIVEdit::keyPressEvent(event);
    }
}

void TQIVSpinEdit::resizeEvent(QResizeEvent* event) {
    TQIVEdit::resizeEvent(event);
    const int buttonWidth = 15;
    m_button->setGeometry(width() - buttonWidth - 1, 1, buttonWidth, height() - 2);
    setTextMargins(0, 0, buttonWidth, 0);
}

void TQIVSpinEdit::changeEvent(QEvent* event) {
    TQIVEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        m_button->setEnabled(isEnabled());
    }
}

} // namespace kvor
