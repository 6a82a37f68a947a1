#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

// Real key and mouse events delivered through the application's event dispatch, character by
// character, as QTest::keyClicks and QTest::mousePress would (QtTest is not linked here).
namespace KeyInput {

inline Qt::Key KeyFor(QChar c) {
    if (c.isDigit()) {
        return static_cast<Qt::Key>(Qt::Key_0 + c.digitValue());
    }
    if (c.isLetter()) {
        return static_cast<Qt::Key>(Qt::Key_A + (c.toUpper().unicode() - 'A'));
    }
    switch (c.unicode()) {
    case '-':
        return Qt::Key_Minus;
    case '.':
        return Qt::Key_Period;
    case ',':
        return Qt::Key_Comma;
    case ' ':
        return Qt::Key_Space;
    default:
        return Qt::Key_unknown;
    }
}

inline void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

inline void Clicks(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        Key(target, KeyFor(c), Qt::NoModifier, QString(c));
    }
}

inline void Mouse(QWidget* target, QEvent::Type type, QPoint at = QPoint(-1, -1)) {
    const QPoint local = at.x() < 0 ? target->rect().center() : at;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, QPointF(local), QPointF(target->mapToGlobal(local)), Qt::LeftButton,
                      held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace KeyInput
