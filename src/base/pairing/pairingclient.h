#pragma once

#include "model/sourceconfig.h"

#include <QObject>
#include <QString>

#include <functional>

class QNetworkAccessManager;
class QUrl;

// The computer's side of phone pairing: opens a pairing at the backend and polls its status
// until the server details typed on the phone arrive. No user interface, no state between
// requests. Callbacks run exactly once, later, on the GUI thread (never if the client is gone).
class PairingClient final : public QObject
{
    Q_OBJECT

public:
    struct Started
    {
        QString code;
        QString deviceToken;
        QString pairUrl;
        int expiresIn = 0;    // seconds
        int pollInterval = 3; // seconds, 1..30
    };

    enum Status : int
    {
        Pending = 0,
        Ready = 1,
        Expired = 2,
        Failed = 3,
        Lost = 4 // the backend does not know the pairing (it lost its state, e.g. a restart)
    };

    using StartCallback =
        std::function<void(bool ok, const Started& started, const QString& error)>;
    using StatusCallback = std::function<void(Status status, const SourceConfig& config)>;

    explicit PairingClient(QObject* parent = nullptr);

    void start(StartCallback callback);
    void status(const QString& deviceToken, StatusCallback callback);

    static QString deviceLabel();

    // Talks to this backend (ending in "/") instead of backendBaseUrl().
    void setBaseUrl(const QString& base);

    // Requests fail when the backend sends nothing for this long, so a hung poll cannot stop
    // the caller's polling for good.
    static constexpr int kDefaultInactivityLimitMs = 30000;

private:
    QUrl requestUrl(const QString& path) const;

    QNetworkAccessManager* networkManager = nullptr;
    QString baseUrl;
};

// VELMORA_BACKEND_URL or the built-in origin, always ending in "/"; read once per process.
QString backendBaseUrl();
// Whether VELMORA_BACKEND_URL was set when it was first read.
bool backendUrlConfigured();
