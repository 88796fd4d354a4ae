#include "guardedtcpserver.h"

#include "app/clock.h"

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

QString GuardedTcpServer::clientKey(const QHostAddress& address)
{
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    if (isV4)
        return QHostAddress(v4).toString();
    Q_IPV6ADDR bytes = address.toIPv6Address();
    for (int i = 8; i < 16; ++i)
        bytes[i] = 0;
    return QHostAddress(bytes).toString() + QStringLiteral("/64");
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
    const QString client = clientKey(socket->peerAddress());
    if (openConnections >= limits.maxConnections ||
        openByClient.value(client) >= limits.maxConnectionsPerClient ||
        (admission && !admission(socket->peerAddress()))) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    ++openConnections;
    ++openByClient[client];
    connect(socket, &QObject::destroyed, this, [this, client] {
        --openConnections;
        if (--openByClient[client] <= 0)
            openByClient.remove(client);
    });
    connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    guard(socket);

    if (tls)
        static_cast<QSslSocket*>(socket)->startServerEncryption();
    addPendingConnection(socket);
}

void GuardedTcpServer::guard(QTcpSocket* socket)
{
    const auto drop = [socket] {
        socket->abort();
        socket->deleteLater();
    };
    const auto timer = [socket, drop](int ms) {
        auto* t = new QTimer(socket);
        t->setSingleShot(true);
        t->setInterval(Clock::waitMs(ms));
        QObject::connect(t, &QTimer::timeout, socket, drop);
        return t;
    };
    // Idle runs between requests; the deadline from a request's first byte to its answer, and
    // it does not restart with every byte.
    QTimer* idle = timer(limits.idleTimeoutMs);
    QTimer* deadline = timer(limits.requestDeadlineMs);
    idle->start();

    // Connected before the HTTP server's own handler, so this runs first and can drop an
    // oversized request before it is buffered whole.
    auto received = std::make_shared<qint64>(0);
    const qint64 maxBytes = limits.maxRequestBytes;
    connect(socket, &QIODevice::readyRead, socket,
            [socket, idle, deadline, received, maxBytes, drop] {
                if (!deadline->isActive()) {
                    idle->stop();
                    deadline->start();
                }
                *received += socket->bytesAvailable();
                if (*received > maxBytes)
                    drop();
            });
    connect(socket, &QIODevice::bytesWritten, socket, [received, idle, deadline] {
        *received = 0;
        deadline->stop();
        idle->start();
    });
}
