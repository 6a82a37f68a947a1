#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

namespace kvor {

// The short pause before printing in which the user can still cancel: closes at the 25th tick
// of its 100 ms timer, or at the first tick after PrintState has turned negative.
class TKVORPrnAbort final : public QDialog {
    Q_OBJECT

public:
    TKVORPrnAbort(QWidget* owner, int& printState);

    void CancelButtonClick();
    void PrnAbortTimerTimer();
    int Ticks() const { return m_ticks; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    int& m_printState;
    int m_ticks = 0;
    QLabel* m_label;
    QPushButton* m_cancel;
    QTimer* m_timer;
};

} // namespace kvor
