#pragma once

#include <QSslConfiguration>
#include <QTcpServer>

#include <functional>

class QHostAddress;

// Accepts the HTTP server's connections with limits the HTTP layer itself does not have: a
// request may not grow beyond a size (the connection is dropped before it fills memory), an
// idle connection is closed, and only so many connections are open at once. With a TLS
// configuration every connection is encrypted. An admission check may turn clients away by
// their address before they send anything.
class GuardedTcpServer final : public QTcpServer
{
    Q_OBJECT

public:
    struct Limits
    {
        qint64 maxRequestBytes = 64 * 1024; // bytes received since the last answer
        int idleTimeoutMs = 30000;
        int maxConnections = 256;
    };

    explicit GuardedTcpServer(const Limits& limits, QObject* parent = nullptr);

    void setTls(const QSslConfiguration& configuration);
    bool usesTls() const { return tls; }
    void setAdmission(std::function<bool(const QHostAddress& peer)> admits);

protected:
    void incomingConnection(qintptr socketDescriptor) override;

private:
    Limits limits;
    bool tls = false;
    QSslConfiguration tlsConfiguration;
    std::function<bool(const QHostAddress&)> admission;
    int openConnections = 0;
};
