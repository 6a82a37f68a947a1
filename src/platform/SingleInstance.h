#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

namespace kvor {

// One running window per user. A start-up lock (held from the start until the window shows)
// serialises simultaneous starts; a local socket lets a later start ask the running window to
// come forward, after which the later start ends.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class StartResult { First, AlreadyRunning, TimedOut };

    // caption: this program's window caption, "<name> <version>". The lock and the socket are
    // those of the user running the process, or of userId.
    explicit SingleInstance(const QString& caption, QObject* parent = nullptr);
    SingleInstance(const QString& caption, unsigned userId, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the start-up lock (waiting at most timeoutMs) and asks a running window to come
    // forward. First means: go on starting, still holding the lock.
    StartResult Start(int timeoutMs = 10000);
    // Answers later starts from now on.
    bool Listen();
    void ReleaseLock();

    // Where the lock and the socket live (below the system's temporary folder).
    QString LockPath() const;
    QString ServerName() const;

signals:
    void ActivationRequested();

private:
    bool AskRunningWindow();
    void Answer();

    QString m_caption;
    QString m_key;
    QLockFile m_lock;
    QLocalServer* m_server = nullptr;
};

// The name shared by the lock and the socket of one user. It follows the numeric user id, not
// $USER, which may be missing or inherited from another user (su, sudo -E).
QString SingleInstanceKey(unsigned userId);

// True when a window caption belongs to this program in any version: the captions agree,
// without regard to case, up to and including the blank before the version number.
bool SameProgramCaption(const QString& own, const QString& other);

} // namespace kvor
