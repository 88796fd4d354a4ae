#pragma once

#include "pairingstore.h"

#include <QHostAddress>
#include <QObject>
#include <QSslConfiguration>
#include <QString>

class GuardedTcpServer;
class QHttpServer;
class QHttpServerRequest;
class QHttpServerResponse;

// The pairing backend's HTTP face: the computer's two requests (start, status), the phone's
// form page and the request the form sends. The logic is in PairingStore; this layer parses,
// answers and logs (never a password, a token or a server's details).
class PairingServer final : public QObject
{
    Q_OBJECT

public:
    struct Settings
    {
        QHostAddress address = QHostAddress::LocalHost;
        quint16 port = 8787;
        QString publicUrl; // origin written into pair_url; empty: the listening address
        int pollIntervalSecs = 3;
        PairingStore::Limits limits;
        bool tls = false;
        QSslConfiguration tlsConfiguration;
    };

    static constexpr qint64 kMaxBodyBytes = 16 * 1024;

    explicit PairingServer(const Settings& settings, QObject* parent = nullptr);
    ~PairingServer() override;

    bool listen(QString* error);
    // "http://127.0.0.1:8787" or "https://..." with the port actually bound.
    QString listeningUrl() const;

private:
    QHttpServerResponse start(const QHttpServerRequest& request);
    QHttpServerResponse status(const QHttpServerRequest& request);
    QHttpServerResponse submit(const QHttpServerRequest& request);
    QString pairPageBase() const;

    Settings settings;
    PairingStore store;
    QHttpServer* http = nullptr;
    GuardedTcpServer* tcp = nullptr;
};
