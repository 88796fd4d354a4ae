#pragma once

#include <QHash>
#include <QSslConfiguration>
#include <QString>
#include <QTcpServer>

#include <functional>

class QHostAddress;

// Accepts the HTTP server's connections with limits the HTTP layer itself does not have: a
// request may not grow beyond a size (the connection is dropped before it fills memory), must
// arrive and be answered within a deadline counted from its first byte (a client trickling a
// byte now and then cannot keep a connection for ever), an idle connection is closed, and only
// so many connections are open at once, in all and from one client. With a TLS configuration
// every connection is encrypted. An admission check may turn clients away by their address
// before they send anything.
class GuardedTcpServer final : public QTcpServer
{
    Q_OBJECT

public:
    struct Limits
    {
        qint64 maxRequestBytes = 64 * 1024; // bytes received since the last answer
        int idleTimeoutMs = 30000;          // between requests
        int requestDeadlineMs = 30000;      // from a request's first byte to its answer
        int maxConnections = 256;
        int maxConnectionsPerClient = 16;
    };

    explicit GuardedTcpServer(const Limits& limits, QObject* parent = nullptr);

    void setTls(const QSslConfiguration& configuration);
    bool usesTls() const { return tls; }
    void setAdmission(std::function<bool(const QHostAddress& peer)> admits);

    // Who counts as one client: an IPv4 address, or an IPv6 /64 (one machine usually has a whole
    // /64 to pick addresses from).
    static QString clientKey(const QHostAddress& address);

protected:
    void incomingConnection(qintptr socketDescriptor) override;

private:
    void guard(QTcpSocket* socket);

    Limits limits;
    bool tls = false;
    QSslConfiguration tlsConfiguration;
    std::function<bool(const QHostAddress&)> admission;
    int openConnections = 0;
    QHash<QString, int> openByClient;
};
