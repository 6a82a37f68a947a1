#include "import/ui/ImportStatus.h"

#include <QLabel>
#include <QTimer>

namespace kvor {

TImportStatus::TImportStatus(QLabel& panel, ImportSource source, QObject* parent)
    : QObject(parent), m_panel(panel), m_source(source), m_timer(new QTimer(this)) {
    m_timer->setObjectName("ImportTimer");
    m_timer->setInterval(TickMs);
    connect(m_timer, &QTimer::timeout, this, &TImportStatus::Tick);
}

void TImportStatus::Start() {
    m_phase = ImportPhase::Reading;
    m_tick = 0;
    m_lines = 0;
    m_readDone = false;
    m_checkFollows = false;
    m_checkDone = false;
    Show();
    m_timer->start();
}

void TImportStatus::ReadDone(std::size_t lines, bool checkFollows) {
    m_lines = lines;
    m_readDone = true;
    m_checkFollows = checkFollows;
}

void TImportStatus::CheckDone() {
    m_checkDone = true;
}

bool TImportStatus::Running() const {
    return m_timer->isActive();
}

void TImportStatus::Tick() {
    if (!Running()) {
        return;
    }
    ++m_tick;
    if (m_tick >= MinimumTicks && m_phase == ImportPhase::Reading && m_readDone) {
        if (!m_checkFollows) {
            Stop();
            emit Done();
            return;
        }
        m_phase = ImportPhase::Checking;
        m_tick = 0;
    } else if (m_tick >= MinimumTicks && m_phase == ImportPhase::Checking && m_checkDone) {
        Stop();
        emit Done();
        return;
    }
    Show();
}

void TImportStatus::Stop() {
    m_timer->stop();
    m_panel.clear();
}

void TImportStatus::Show() {
    m_panel.setText(QString::fromStdString(ImportStatusText(m_source, m_phase, m_tick, m_lines)));
}

} // namespace kvor
