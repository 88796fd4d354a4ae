#pragma once

#include "pairingstore.h"

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QSslConfiguration>
#include <QString>

#include <memory>

class GuardedTcpServer;
class PairingStorage;
class QHttpServer;
class QHttpServerRequest;
class QHttpServerResponder;
class QHttpServerResponse;
class QTcpSocket;

// The pairing backend's HTTP face: the computer's two requests (start, status), the phone's
// form page and the request the form sends. The logic is in PairingStore, kept by a
// PairingStorage; this layer parses, answers and logs (never a password, a token or a server's
// details).
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
        // Connections from outside the home network (LocalNetwork::isLocalClient) are dropped.
        bool localClientsOnly = false;
        QHostAddress peerForTests; // test seam: judged as if every client came from here
        bool quiet = false;        // no log lines (inside the player)
    };

    static constexpr qint64 kMaxBodyBytes = 16 * 1024;

    // Without a storage the pairings live in this process.
    explicit PairingServer(const Settings& settings, PairingStorage* storage = nullptr,
                           QObject* parent = nullptr);
    ~PairingServer() override;

    bool listen(QString* error);
    // "http://127.0.0.1:8787" or "https://..." with the port actually bound.
    QString listeningUrl() const;
    quint16 port() const;

private:
    // An answer that the storage gives later, for a connection that may be gone by then.
    struct Pending
    {
        explicit Pending(QHttpServerResponder&& responder);
        ~Pending();
        void send(QHttpServerResponse&& response);

        std::unique_ptr<QHttpServerResponder> responder;
        QPointer<QTcpSocket> socket;
    };

    void start(const QHttpServerRequest& request, QHttpServerResponder&& responder);
    void status(const QHttpServerRequest& request, QHttpServerResponder&& responder);
    void submit(const QHttpServerRequest& request, QHttpServerResponder&& responder);
    QString pairPageBase() const;
    void log(const QString& text) const;

    Settings settings;
    PairingStorage* storage = nullptr;
    QHttpServer* http = nullptr;
    GuardedTcpServer* tcp = nullptr;
};
