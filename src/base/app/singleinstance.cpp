#include "app/singleinstance.h"

#include "app/netlogstream.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

namespace {
const QByteArray kActivate = QByteArrayLiteral("activate\n");
const QByteArray kDone = QByteArrayLiteral("ok\n");
// A player that holds the lock but is still starting gets this long to begin listening, and a
// player that listens this long to answer (it answers once its window is built).
constexpr int kAnswerWaitMs = 20000;
constexpr int kConnectWaitMs = 3000;
constexpr int kReplyWaitMs = 15000;
} // namespace

SingleInstance::SingleInstance(QObject* parent)
    : QObject(parent)
    , name(serverName())
{}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName()
{
    const QByteArray profile =
        QByteArray::number(qulonglong(::getuid())) + '\n' +
        QSettings(QStringLiteral("Velmora"), QStringLiteral("Player")).fileName().toUtf8() + '\n' +
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toUtf8();
    return QStringLiteral("velmora-player-") +
           QString::fromLatin1(
               QCryptographicHash::hash(profile, QCryptographicHash::Sha256).toHex().left(24));
}

bool SingleInstance::claim()
{
    // The lock decides who is first even when two start at the same moment; a lock left by a
    // player that died is stale (its process is gone) and taken over.
    lock = std::make_unique<QLockFile>(QDir::temp().filePath(name + QStringLiteral(".lock")));
    lock->setStaleLockTime(0);
    const QDeadlineTimer deadline(kAnswerWaitMs);
    while (!deadline.hasExpired()) {
        if (lock->tryLock(0)) {
            listen();
            return true;
        }
        if (askRunningInstance())
            return false;
        QThread::msleep(50);
    }
    // The other player neither answers nor ends: better a second window than none.
    qWarning("Another Velmora Player of this profile does not answer; starting anyway.");
    return true;
}

bool SingleInstance::askRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kConnectWaitMs))
        return false;
    socket.write(kActivate);
    if (!socket.waitForBytesWritten(kConnectWaitMs))
        return false;
    QByteArray reply;
    const QDeadlineTimer deadline(kReplyWaitMs);
    while (!reply.endsWith('\n') && socket.waitForReadyRead(int(deadline.remainingTime())))
        reply += socket.readAll();
    if (reply != kDone)
        return false;
    if (netDebugEnabled())
        NetLogStream() << "[Instance] -> the running player shows its window";
    return true;
}

void SingleInstance::listen()
{
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // What is left of a socket is from a player that died: the lock is ours now.
    QLocalServer::removeServer(name);
    if (!server->listen(name)) {
        qWarning("Velmora Player cannot listen on %s: %s", qPrintable(name),
                 qPrintable(server->errorString()));
        return;
    }
    if (netDebugEnabled())
        NetLogStream() << "[Instance] -> listening for later starts";
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            socket->setReadBufferSize(kActivate.size() + 1);
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                if (socket->readLine() != kActivate) {
                    socket->disconnectFromServer();
                    return;
                }
                if (netDebugEnabled())
                    NetLogStream() << "[Instance] <- another start: showing the window";
                emit activationRequested();
                socket->write(kDone);
                socket->disconnectFromServer();
            });
        }
    });
}
