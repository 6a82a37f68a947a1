#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

// Real key and mouse events through QTest, with the typed text given where a key alone would not
// say which character it makes (a keypad separator, a comma).
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
    if (text.isEmpty()) {
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    } else {
        QTest::sendKeyEvent(QTest::Press, target, static_cast<Qt::Key>(key), text, modifiers);
        QTest::sendKeyEvent(QTest::Release, target, static_cast<Qt::Key>(key), text, modifiers);
    }
}

inline void Clicks(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        Key(target, KeyFor(c), Qt::NoModifier, QString(c));
    }
}

inline void Mouse(QWidget* target, QEvent::Type type, QPoint at = QPoint(-1, -1)) {
    const QPoint local = at.x() < 0 ? target->rect().center() : at;
    if (type == QEvent::MouseButtonRelease) {
        QTest::mouseRelease(target, Qt::LeftButton, {}, local);
    } else {
        QTest::mousePress(target, Qt::LeftButton, {}, local);
    }
}

} // namespace KeyInput
