#include "pairing/pairingresponses.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {
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

PairingClient::Started PairingResponses::started(const QByteArray& body)
{
    const QJsonObject answer = topLevelObject(body);
    PairingClient::Started started;
    started.code = stringValue(answer, QStringLiteral("code"));
    started.deviceToken = stringValue(answer, QStringLiteral("device_token"));
    started.pairUrl = stringValue(answer, QStringLiteral("pair_url"));
    started.expiresIn = integralNumber(answer.value(QStringLiteral("expires_in"))).value_or(0);
    started.pollInterval = std::clamp(
        integralNumber(answer.value(QStringLiteral("poll_interval"))).value_or(3), 1, 30);
    return started;
}

bool PairingResponses::isUsable(const PairingClient::Started& started)
{
    return !started.code.isEmpty() && !started.deviceToken.isEmpty();
}

PairingResponses::Poll PairingResponses::poll(int httpStatus, bool failed, const QByteArray& body)
{
    Poll poll;
    if (httpStatus == 410) {
        poll.status = PairingClient::Expired;
        return poll;
    }
    // Our backend's answer for a token it does not know: polling on cannot succeed.
    if (httpStatus == 401) {
        poll.status = PairingClient::Lost;
        return poll;
    }
    if (failed) {
        poll.status = PairingClient::Failed;
        return poll;
    }
    const QJsonObject answer = topLevelObject(body);
    if (stringValue(answer, QStringLiteral("status")) != QLatin1String("ready")) {
        poll.status = PairingClient::Pending;
        return poll;
    }
    poll.config = configFrom(answer.value(QStringLiteral("playlist")).toObject());
    poll.status = poll.config.url.isEmpty() ? PairingClient::Failed : PairingClient::Ready;
    return poll;
}
