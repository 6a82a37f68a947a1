#pragma once

#include "app/QIVEdit.h"

#include <QAbstractButton>
#include <QWidget>

class QTimer;

namespace kvor {

// A flat arrow button that repeats while held: first 400 ms after the press, then every 100 ms.
class TQIVTimerSpeedButton : public QAbstractButton {
    Q_OBJECT

public:
    enum class Direction { Up, Down };

    static constexpr int FirstRepeatDelay = 400;
    static constexpr int RepeatInterval = 100;

    TQIVTimerSpeedButton(Direction direction, QWidget* parent);

    const QTimer& RepeatTimer() const { return *m_repeatTimer; }
    // One tick of the repeat timer (public so that a test can drive it without waiting).
    void RepeatTick();

signals:
    // A step: at every repeat tick while held over the button, and at the click.
    void Step();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Direction m_direction;
    QTimer* m_repeatTimer;
};

// The up/down pair at the right edge of a spin edit.
class TQIVSpinButton : public QWidget {
    Q_OBJECT

public:
    explicit TQIVSpinButton(QWidget* parent);

    TQIVTimerSpeedButton* UpButton() const { return m_up; }
    TQIVTimerSpeedButton* DownButton() const { return m_down; }
    // The button most recently pressed; Space clicks it while the spin button has the focus.
    TQIVTimerSpeedButton* FocusedButton() const { return m_focused; }
    void SetFocusedButton(TQIVTimerSpeedButton* button);
    // Whether Tab stops at the spin button itself (not by default).
    void SetTabStop(bool tabStop);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TQIVTimerSpeedButton* m_up;
    TQIVTimerSpeedButton* m_down;
    TQIVTimerSpeedButton* m_focused;
};

// Edit for a whole number between MinValue and MaxValue, with repeating up/down buttons and the
// arrow keys stepping by Increment.
class TQIVSpinEdit : public TQIVEdit {
    Q_OBJECT

public:
    explicit TQIVSpinEdit(QWidget* parent = nullptr);

    int MinValue() const { return m_minValue; }
    int MaxValue() const { return m_maxValue; }
    void SetMinValue(int value) { m_minValue = value; }
    void SetMaxValue(int value) { m_maxValue = value; }
    int Increment() const { return m_increment; }
    void SetIncrement(int increment) { m_increment = increment; }

    int Value() const;
    void SetValue(int value);

    TQIVSpinButton* Button() const { return m_button; }

    // Empty or "-" alone.
    bool IsPartial() const;

    void UpClick();
    void DownClick();
    void DoExit() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool AcceptsCharacter(QChar c) const;
    bool InBounds(int value) const;
    int Clamped(int value) const;
    void StepBy(int delta);
    void TakeFocusFromButton();

    int m_minValue = 0;
    int m_maxValue = 0;
    int m_increment = 1;
    TQIVSpinButton* m_button;
};

} // namespace kvor
