#pragma once

#include <QObject>

#include <functional>
#include <thread>

namespace kvor {

// The worker a study run executes on. The job runs off the window thread; Finished is emitted on
// the window thread once the job has returned and the worker has been joined. Destroying the
// object joins a worker still busy, so whoever owns it must have asked the job to stop first.
class TRunThread : public QObject {
    Q_OBJECT

public:
    explicit TRunThread(QObject* parent = nullptr) : QObject(parent) {}
    ~TRunThread() override { Join(); }
    TRunThread(const TRunThread&) = delete;
    TRunThread& operator=(const TRunThread&) = delete;

    // False, with nothing started, while an earlier job is still under way.
    bool Start(std::function<void()> job);
    bool Running() const { return m_running; }
    // Waits for the worker; its Finished notice is then no longer delivered.
    void Join();

signals:
    void Finished();

private:
    std::thread m_thread;
    bool m_running = false;
};

} // namespace kvor
