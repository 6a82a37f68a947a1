#include "graphs/ui/KVORPrnAbort.h"

#include "graphs/PrintStateText.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace kvor {

namespace {
constexpr int TickMilliseconds = 100;
constexpr int ClosingTick = 25;
} // namespace

TKVORPrnAbort::TKVORPrnAbort(QWidget* owner, int& printState)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowStaysOnTopHint),
      m_printState(printState) {
    setObjectName("TKVORPrnAbort");
    setWindowTitle(" Print");
    setModal(true);
    auto* panel = new QFrame(this);
    panel->setObjectName("TitlePanel");
    panel->setFrameShape(QFrame::StyledPanel);
    m_label = new QLabel(QString::fromStdString(PrintStateText(printState)), panel);
    m_label->setObjectName("PrnLabel");
    QFont bold = m_label->font();
    bold.setBold(true);
    m_label->setFont(bold);
    m_label->setForegroundRole(QPalette::ButtonText);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(m_label, 0, Qt::AlignHCenter);
    m_cancel = new QPushButton("&Cancel", this);
    m_cancel->setObjectName("CancelButton");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
    connect(m_cancel, &QPushButton::clicked, this, &TKVORPrnAbort::CancelButtonClick);
    m_timer = new QTimer(this);
    m_timer->setObjectName("PrnAbortTimer");
    m_timer->setInterval(TickMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &TKVORPrnAbort::PrnAbortTimerTimer);
    m_timer->start();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    m_cancel->setFocus();
}

void TKVORPrnAbort::CancelButtonClick() {
    m_printState = -1;
}

void TKVORPrnAbort::PrnAbortTimerTimer() {
    ++m_ticks;
    if (m_ticks >= ClosingTick || m_printState < 0) {
        m_timer->stop();
        accept();
    }
}

void TKVORPrnAbort::showEvent(QShowEvent* event) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
    QDialog::showEvent(event);
}

void TKVORPrnAbort::hideEvent(QHideEvent* event) {
    QApplication::restoreOverrideCursor();
    QDialog::hideEvent(event);
}

} // namespace kvor
