#include "pairing/pairingclient.h"

#include "app/httprequests.h"
#include "app/netlogstream.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSysInfo>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {
// No backend of ours is deployed yet; a name under the reserved .invalid domain never reaches
// someone else's server.
constexpr auto kDefaultBackendUrl = "https://pair.velmora.invalid/";

// Pairing answers are a few hundred bytes; anything far larger is not our backend.
constexpr qint64 kMaxAnswerBytes = 1024 * 1024;

int inactivityLimitMs = PairingClient::kDefaultInactivityLimitMs;

HttpRequests::Options requestOptions()
{
    HttpRequests::Options options;
    options.inactivityTimeoutMs = inactivityLimitMs;
    options.maxBodyBytes = kMaxAnswerBytes;
    return options;
}

QUrl requestUrl(const QString& path)
{
    return QUrl(backendBaseUrl() + path, QUrl::TolerantMode);
}

QJsonObject topLevelObject(const QByteArray& body)
{
    return QJsonDocument::fromJson(body).object();
}

// A JSON number without a fractional part, as an int (saturated at the int range).
std::optional<int> integralNumber(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::trunc(number) != number)
        return std::nullopt;
    if (number >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (number <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(number);
}

QString stringValue(const QJsonObject& object, const QString& key)
{
    return object.value(key).toString();
}

SourceConfig configFrom(const QJsonObject& playlist)
{
    SourceConfig config;
    config.type = stringValue(playlist, QStringLiteral("type")) == QLatin1String("m3u")
                      ? SourceConfig::M3u
                      : SourceConfig::Xtream;
    config.name = stringValue(playlist, QStringLiteral("name"));
    config.url = stringValue(playlist, QStringLiteral("url"));
    config.username = stringValue(playlist, QStringLiteral("username"));
    config.password = stringValue(playlist, QStringLiteral("password"));
    const QJsonValue extension = playlist.value(QStringLiteral("live_extension"));
    config.liveExtension = extension.isString() ? extension.toString() : QStringLiteral("ts");
    config.lastUpdated = 0;
    return config;
}
} // namespace

QString backendBaseUrl()
{
    static const QString base = [] {
        QString value = qEnvironmentVariableIsSet("VELMORA_BACKEND_URL")
                            ? qEnvironmentVariable("VELMORA_BACKEND_URL")
                            : QString::fromLatin1(kDefaultBackendUrl);
        if (!value.endsWith(QLatin1Char('/')))
            value += QLatin1Char('/');
        return value;
    }();
    return base;
}

PairingClient::PairingClient(QObject* parent)
    : QObject(parent)
    , networkManager(new QNetworkAccessManager(this))
{}

void PairingClient::setInactivityLimitMs(int ms)
{
    inactivityLimitMs = ms;
}

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
                callback(false, Started(), QStringLiteral("Could not reach the server: ") + error);
                return;
            }
            const QJsonObject answer = topLevelObject(reply->readAll());
            Started started;
            started.code = stringValue(answer, QStringLiteral("code"));
            started.deviceToken = stringValue(answer, QStringLiteral("device_token"));
            started.pairUrl = stringValue(answer, QStringLiteral("pair_url"));
            started.expiresIn =
                integralNumber(answer.value(QStringLiteral("expires_in"))).value_or(0);
            started.pollInterval = std::clamp(
                integralNumber(answer.value(QStringLiteral("poll_interval"))).value_or(3), 1, 30);
            if (netDebugEnabled())
                NetLogStream() << "[Pairing] <- code" << started.code;
            if (started.code.isEmpty() || started.deviceToken.isEmpty()) {
                callback(false, Started(), QStringLiteral("Invalid response from the server"));
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
        if (httpStatus == 410) {
            callback(Expired, SourceConfig());
            return;
        }
        if (reply->error() != QNetworkReply::NoError) {
            callback(Failed, SourceConfig());
            return;
        }
        const QJsonObject answer = topLevelObject(reply->readAll());
        if (stringValue(answer, QStringLiteral("status")) != QLatin1String("ready")) {
            callback(Pending, SourceConfig());
            return;
        }
        const SourceConfig config = configFrom(answer.value(QStringLiteral("playlist")).toObject());
        callback(config.url.isEmpty() ? Failed : Ready, config);
    };
    HttpRequests::get(networkManager, requestUrl(QStringLiteral("api/v1/pair/status")), options,
                      this, done);
}
