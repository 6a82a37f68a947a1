#pragma once

#include "import/ImportStatusText.h"
#include "import/ImportTypes.h"

#include <QObject>

#include <cstddef>

class QLabel;
class QTimer;

namespace kvor {

// The blinking status panel of an import dialog. The read phase blinks until the lines are
// read, the checking phase until the check is done; each lasts at least three ticks, so a
// quick import still shows its status for a while.
class TImportStatus : public QObject {
    Q_OBJECT

public:
    static constexpr int TickMs = 600;
    static constexpr int MinimumTicks = 3;

    TImportStatus(QLabel& panel, ImportSource source, QObject* parent);

    // A new import: the read phase starts and the timer runs.
    void Start();
    // The lines are read; a refused read has no checking phase.
    void ReadDone(std::size_t lines, bool checkFollows);
    void CheckDone();
    // One timer tick (the timer calls it; tests may drive it).
    void Tick();
    // Timer off and the panel emptied.
    void Stop();

    bool Running() const;
    bool ReadFinished() const { return m_readDone; }
    bool CheckFinished() const { return m_checkDone; }
    ImportPhase Phase() const { return m_phase; }
    QTimer& Timer() const { return *m_timer; }

signals:
    // Both phases were shown long enough and the import has its outcome.
    void Done();

private:
    void Show();

    QLabel& m_panel;
    ImportSource m_source;
    QTimer* m_timer;
    ImportPhase m_phase = ImportPhase::Reading;
    int m_tick = 0;
    std::size_t m_lines = 0;
    bool m_readDone = false;
    bool m_checkFollows = false;
    bool m_checkDone = false;
};

} // namespace kvor
