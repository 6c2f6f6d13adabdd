#include "instance_guard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

#include <unistd.h>

namespace {

const QByteArray Request("front\n");
const QByteArray Reply("ok\n");
constexpr int AnswerMsecs = 5000;

// One name a folder and user: the socket lives in a directory every user shares.
QString serverNameFor(const QString &folder)
{
    const QByteArray key =
        QDir(folder).canonicalPath().toUtf8() + '\0' + QByteArray::number(getuid());
    return QStringLiteral("velmora-") +
           QString::fromLatin1(
               QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24));
}

} // namespace

InstanceGuard::InstanceGuard(const QString &folder, QObject *parent)
    : QObject(parent), m_folder(folder), m_serverName(serverNameFor(folder)),
      m_lock(QDir(folder).filePath(QStringLiteral(".velmora.lock")))
{
    // Only a lock whose program no longer runs is stale, however old it is.
    m_lock.setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, &InstanceGuard::answer);
}

InstanceGuard::Outcome InstanceGuard::claim()
{
    if (m_lock.tryLock()) {
        // A crashed run may have left its socket behind.
        QLocalServer::removeServer(m_serverName);
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        if (!m_server.listen(m_serverName))
            qWarning("velmora: later starts cannot reach this one: %s",
                     qPrintable(m_server.errorString()));
        return Outcome::First;
    }
    if (m_lock.error() == QLockFile::LockFailedError && askTheRunningOne())
        return Outcome::HandedOver;
    m_why = m_lock.error() == QLockFile::LockFailedError
                ? QStringLiteral("Velmora already runs on the data folder %1 and does not answer.")
                      .arg(QDir::toNativeSeparators(m_folder))
                : QStringLiteral("Velmora cannot lock its data folder %1.")
                      .arg(QDir::toNativeSeparators(m_folder));
    return Outcome::Failed;
}

bool InstanceGuard::askTheRunningOne()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(AnswerMsecs))
        return false;
    socket.write(Request);
    if (!socket.waitForBytesWritten(AnswerMsecs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(AnswerMsecs))
            return false;
    }
    return socket.readLine() == Reply;
}

void InstanceGuard::answer()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() == Request) {
                emit frontRequested();
                socket->write(Reply);
                socket->flush();
            }
            socket->disconnectFromServer();
        });
    }
}
