#include "guardedtcpserver.h"

#include <QSslSocket>
#include <QTimer>

#include <memory>

GuardedTcpServer::GuardedTcpServer(const Limits& limits, QObject* parent)
    : QTcpServer(parent)
    , limits(limits)
{
    // Many players opening connections at once must not wait for SYN retries.
    setListenBacklogSize(limits.maxConnections);
}

void GuardedTcpServer::setTls(const QSslConfiguration& configuration)
{
    tls = true;
    tlsConfiguration = configuration;
}

void GuardedTcpServer::setAdmission(std::function<bool(const QHostAddress&)> admits)
{
    admission = std::move(admits);
}

void GuardedTcpServer::incomingConnection(qintptr socketDescriptor)
{
    QTcpSocket* socket = nullptr;
    if (tls) {
        auto* secure = new QSslSocket(this);
        secure->setSslConfiguration(tlsConfiguration);
        socket = secure;
    } else {
        socket = new QTcpSocket(this);
    }
    if (!socket->setSocketDescriptor(socketDescriptor)) {
        delete socket;
        return;
    }
    if (openConnections >= limits.maxConnections ||
        (admission && !admission(socket->peerAddress()))) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    ++openConnections;
    connect(socket, &QObject::destroyed, this, [this] { --openConnections; });
    connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    const auto drop = [socket] {
        socket->abort();
        socket->deleteLater();
    };

    auto* idle = new QTimer(socket);
    idle->setSingleShot(true);
    idle->setInterval(limits.idleTimeoutMs);
    connect(idle, &QTimer::timeout, socket, drop);
    idle->start();

    // Connected before the HTTP server's own handler, so this runs first and can drop an
    // oversized request before it is buffered whole.
    auto received = std::make_shared<qint64>(0);
    const qint64 maxBytes = limits.maxRequestBytes;
    connect(socket, &QIODevice::readyRead, socket, [socket, idle, received, maxBytes, drop] {
        idle->start();
        *received += socket->bytesAvailable();
        if (*received > maxBytes)
            drop();
    });
    connect(socket, &QIODevice::bytesWritten, socket, [received] { *received = 0; });

    if (tls)
        static_cast<QSslSocket*>(socket)->startServerEncryption();
    addPendingConnection(socket);
}
