// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace quavero {

namespace {
constexpr int kAnswerMs = 5000;    // a running window answers within this
constexpr int kStartingMs = 10000; // how long a window that holds the lock may take to listen
const char kGreeting[] = "quavero-open-1";

QString serverNameFor(const QString &workFolder)
{
    // The runtime folder is the user's; the work folder tells one home (and
    // so one set of scratch files) from another.
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    const QByteArray hash =
        QCryptographicHash::hash(QDir::cleanPath(workFolder).toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return runtime + QStringLiteral("/quavero-") + QString::fromLatin1(hash) + QStringLiteral(".socket");
}
} // namespace

const char *SingleInstance::lockFileName() { return ".quavero-window.lock"; }

SingleInstance::SingleInstance(const QString &workFolder, QObject *parent)
    : QObject(parent), m_workFolder(workFolder), m_serverName(serverNameFor(workFolder))
{
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

bool SingleInstance::handOver(const QStringList &paths)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kAnswerMs))
        return false;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << QByteArray(kGreeting) << paths;
    socket.write(message);
    if (!socket.waitForBytesWritten(kAnswerMs))
        return false;
    // The window answers once it has the paths.
    const QDeadlineTimer deadline(kAnswerMs);
    while (socket.bytesAvailable() < 1 && !deadline.hasExpired())
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            break;
    return socket.read(1) == "1";
}

SingleInstance::Claim SingleInstance::claim(const QStringList &paths)
{
    m_lock = std::make_unique<QLockFile>(m_workFolder + QLatin1Char('/') + QLatin1String(lockFileName()));
    // Held for as long as the window runs: only a lock whose process is gone
    // is stale, never one that is merely old.
    m_lock->setStaleLockTime(0);
    const QDeadlineTimer deadline(kStartingMs);
    do {
        if (m_lock->tryLock(0)) {
            listen();
            return Claim::Claimed;
        }
        // No lock can be made there at all (no folder, or a file in its
        // place): no window keeps its files there either.
        if (m_lock->error() != QLockFile::LockFailedError)
            return Claim::Claimed;
        if (handOver(paths))
            return Claim::HandedOver;
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return Claim::NoAnswer;
}

void SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a window that crashed: this process holds the
    // lock, so no window listens there any more.
    QLocalServer::removeServer(m_serverName);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onConnection);
    m_server->listen(m_serverName);
}

void SingleInstance::onConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            QByteArray greeting;
            QStringList paths;
            in >> greeting >> paths;
            if (!in.commitTransaction())
                return; // the rest is still on its way
            if (greeting != kGreeting) {
                socket->disconnectFromServer();
                return;
            }
            socket->write("1");
            socket->flush();
            emit pathsArrived(paths);
        });
    }
}

} // namespace quavero
