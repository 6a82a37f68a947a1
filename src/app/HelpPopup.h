#pragma once

#include <QLabel>

namespace kvor {

// The short help text of a control, shown as a tooltip is: it takes neither the keyboard nor
// the mouse from the window, and it closes on the next click anywhere, on a key, and when the
// program loses the focus.
class THelpPopup : public QLabel {
    Q_OBJECT

public:
    THelpPopup();

    // Shows text with its top centre at `at`, kept on the screen of `near`.
    void ShowText(const QString& text, QPoint at, const QWidget& near);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

} // namespace kvor
