#include "platform/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace kvor {

namespace {

constexpr int ConnectTimeoutMs = 2000;
const QByteArray ActivateRequest = "activate\n";
const QByteArray Acknowledged = "ok\n";

} // namespace

QString SingleInstanceKey(unsigned userId) {
    return QStringLiteral("SingleInstanceProgramMutex-") + QString::number(userId);
}

bool SameProgramCaption(const QString& own, const QString& other) {
    const auto blank = own.lastIndexOf(QLatin1Char(' '));
    const QString prefix = blank < 0 ? own : own.left(blank + 1);
    return other.startsWith(prefix, Qt::CaseInsensitive);
}

SingleInstance::SingleInstance(const QString& caption, QObject* parent)
    : SingleInstance(caption, ::getuid(), parent) {}

SingleInstance::SingleInstance(const QString& caption, unsigned userId, QObject* parent)
    : QObject(parent), m_caption(caption), m_key(SingleInstanceKey(userId)), m_lock(LockPath()) {
    m_lock.setStaleLockTime(0); // a lock is stale only when its process is gone
}

SingleInstance::~SingleInstance() {
    ReleaseLock();
}

QString SingleInstance::LockPath() const {
    return QDir::temp().filePath(m_key + QStringLiteral(".lock"));
}

QString SingleInstance::ServerName() const {
    return QDir::temp().filePath(m_key + QStringLiteral(".socket"));
}

SingleInstance::StartResult SingleInstance::Start(int timeoutMs) {
    if (!m_lock.tryLock(timeoutMs)) {
        return StartResult::TimedOut;
    }
    if (AskRunningWindow()) {
        ReleaseLock();
        return StartResult::AlreadyRunning;
    }
    return StartResult::First;
}

bool SingleInstance::AskRunningWindow() {
    QLocalSocket socket;
    socket.connectToServer(ServerName());
    if (!socket.waitForConnected(ConnectTimeoutMs)) {
        return false;
    }
    // The running window introduces itself with its caption.
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(ConnectTimeoutMs)) {
            return false;
        }
    }
    const QString caption = QString::fromUtf8(socket.readLine()).trimmed();
    if (!SameProgramCaption(m_caption, caption)) {
        return false;
    }
    socket.write(ActivateRequest);
    socket.waitForBytesWritten(ConnectTimeoutMs);
    while (!socket.canReadLine() && socket.waitForReadyRead(ConnectTimeoutMs)) {
    }
    return true;
}

bool SingleInstance::Listen() {
    if (m_server != nullptr) {
        return true;
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the start-up lock and nobody answered: a socket left behind is stale.
    QLocalServer::removeServer(ServerName());
    if (!m_server->listen(ServerName())) {
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::Answer);
    return true;
}

void SingleInstance::Answer() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine() == ActivateRequest) {
                    emit ActivationRequested();
                    socket->write(Acknowledged);
                    socket->flush();
                }
            }
        });
        socket->write(m_caption.toUtf8() + '\n');
        socket->flush();
    }
}

void SingleInstance::ReleaseLock() {
    if (m_lock.isLocked()) {
        m_lock.unlock();
    }
}

} // namespace kvor
