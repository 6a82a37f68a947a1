#include "app/KVORMainForm.h"

#include "app/MainTexts.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>

namespace kvor {

TKVORMain::TKVORMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName("KVORMain");
    setWindowTitle(MainTexts::ApplicationTitle);
    // Single border, system menu and minimise box only: no maximise, no resizing.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    m_pageControl = new QTabWidget(this);
    m_pageControl->setObjectName("KVORPageControl");
    m_accuracyTab = new QWidget(m_pageControl);
    m_accuracyTab->setObjectName("AccuracyTabSheet");
    m_powerTab = new QWidget(m_pageControl);
    m_powerTab->setObjectName("PowerTabSheet");
    m_pageControl->addTab(m_accuracyTab, MainTexts::AccuracyTabCaption);
    m_pageControl->addTab(m_powerTab, MainTexts::PowerTabCaption);
    m_pageControl->setCurrentWidget(m_accuracyTab);
    setCentralWidget(m_pageControl);

    setFixedSize(ClientWidth, ClientHeight);
    centreOnScreen();
}

void TKVORMain::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    move(available.center() - rect().center());
}

} // namespace kvor
