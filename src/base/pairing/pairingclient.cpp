#include "pairing/pairingclient.h"

#include "app/httprequests.h"
#include "app/netlogstream.h"
#include "pairing/pairingresponses.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSysInfo>

namespace {
// No backend of ours is deployed: without VELMORA_BACKEND_URL the pair dialog runs one itself.
// A bare client falls back to a name under the reserved .invalid domain, which never reaches
// someone else's server.
constexpr auto kDefaultBackendUrl = "https://pair.velmora.invalid/";

// Pairing answers are a few hundred bytes; anything far larger is not our backend.
constexpr qint64 kMaxAnswerBytes = 1024 * 1024;

HttpRequests::Options requestOptions()
{
    HttpRequests::Options options;
    options.inactivityTimeoutMs = PairingClient::kDefaultInactivityLimitMs;
    options.maxBodyBytes = kMaxAnswerBytes;
    return options;
}

struct Backend
{
    QString base;
    bool configured = false;
};

const Backend& backend()
{
    static const Backend chosen = [] {
        Backend b;
        b.configured = qEnvironmentVariableIsSet("VELMORA_BACKEND_URL");
        b.base = b.configured ? qEnvironmentVariable("VELMORA_BACKEND_URL")
                              : QString::fromLatin1(kDefaultBackendUrl);
        if (!b.base.endsWith(QLatin1Char('/')))
            b.base += QLatin1Char('/');
        return b;
    }();
    return chosen;
}
} // namespace

QString backendBaseUrl()
{
    return backend().base;
}

bool backendUrlConfigured()
{
    return backend().configured;
}

QUrl PairingClient::requestUrl(const QString& path) const
{
    return QUrl((baseUrl.isEmpty() ? backendBaseUrl() : baseUrl) + path, QUrl::TolerantMode);
}

void PairingClient::setBaseUrl(const QString& base)
{
    baseUrl = base;
}

PairingClient::PairingClient(QObject* parent)
    : QObject(parent)
    , networkManager(new QNetworkAccessManager(this))
{}

QString PairingClient::deviceLabel()
{
    return QSysInfo::machineHostName();
}

void PairingClient::start(StartCallback callback)
{
    const QUrl url = requestUrl(QStringLiteral("api/v1/pair/start"));
    if (netDebugEnabled())
        NetLogStream() << "[Pairing] ->" << url.toString();

    QJsonObject device;
    device.insert(QStringLiteral("name"), QSysInfo::machineHostName());
    device.insert(QStringLiteral("os"), QSysInfo::prettyProductName());
    QJsonObject root;
    root.insert(QStringLiteral("device"), device);
    const QByteArray body = QJsonDocument(root).toJson(QJsonDocument::Compact);

    HttpRequests::Options options = requestOptions();
    options.contentType = "application/json";
    HttpRequests::post(
        networkManager, url, body, options, this,
        [callback = std::move(callback)](QNetworkReply* reply) {
            if (reply->error() != QNetworkReply::NoError) {
                const QString error = reply->errorString();
                if (netDebugEnabled())
                    NetLogStream() << "[Pairing] <- error:" << error;
                callback(false, Started(), tr("Could not reach the server: %1").arg(error));
                return;
            }
            const Started started = PairingResponses::started(reply->readAll());
            if (netDebugEnabled())
                NetLogStream() << "[Pairing] <- code" << started.code;
            if (!PairingResponses::isUsable(started)) {
                callback(false, Started(), tr("Invalid response from the server"));
                return;
            }
            callback(true, started, QString());
        });
}

void PairingClient::status(const QString& deviceToken, StatusCallback callback)
{
    HttpRequests::Options options = requestOptions();
    options.rawHeaders.append({"Authorization", "Bearer " + deviceToken.toUtf8()});
    const auto done = [callback = std::move(callback)](QNetworkReply* reply) {
        const int httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (netDebugEnabled())
            NetLogStream() << "[Pairing] <- status" << httpStatus;
        const bool failed = reply->error() != QNetworkReply::NoError;
        const PairingResponses::Poll poll =
            PairingResponses::poll(httpStatus, failed, failed ? QByteArray() : reply->readAll());
        callback(poll.status, poll.config);
    };
    HttpRequests::get(networkManager, requestUrl(QStringLiteral("api/v1/pair/status")), options,
                      this, done);
}
