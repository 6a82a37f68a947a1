#include "app/RunThread.h"

namespace kvor {

bool TRunThread::Start(std::function<void()> job) {
    if (m_running) {
        return false;
    }
    Join();
    m_running = true;
    m_thread = std::thread([this, job = std::move(job)] {
        job();
        // Queued to this object: dropped by Qt when the object is gone before it is delivered.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!m_running) {
                    return;
                }
                Join();
                emit Finished();
            },
            Qt::QueuedConnection);
    });
    return true;
}

void TRunThread::Join() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
    m_running = false;
}

} // namespace kvor
