#pragma once

#include <QMainWindow>

class QTabWidget;
class QWidget;

namespace kvor {

// The program's one main window: a page control with the Accuracy and Power tabs.
class TKVORMain : public QMainWindow {
    Q_OBJECT

public:
    explicit TKVORMain(QWidget* parent = nullptr);

    static constexpr int ClientWidth = 1004;
    static constexpr int ClientHeight = 717;

    QTabWidget* pageControl() const { return m_pageControl; }

private:
    void centreOnScreen();

    QTabWidget* m_pageControl = nullptr;
    QWidget* m_accuracyTab = nullptr;
    QWidget* m_powerTab = nullptr;
};

} // namespace kvor
