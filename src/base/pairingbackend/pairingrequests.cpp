#include "pairingrequests.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrlQuery>

namespace {
// Tokens are 43 characters; a header far longer is not worth reading.
constexpr qsizetype kMaxAuthorizationSize = 256;
} // namespace

QString PairingRequests::bearerToken(const QByteArray& authorization)
{
    const QByteArray value = authorization.trimmed();
    if (value.size() > kMaxAuthorizationSize || !value.toLower().startsWith("bearer "))
        return QString();
    return QString::fromLatin1(value.mid(7).trimmed());
}

bool PairingRequests::isJson(const QByteArray& contentType)
{
    return contentType.trimmed().toLower().startsWith("application/json");
}

PairingRequests::Device PairingRequests::device(const QByteArray& body)
{
    const QJsonObject device =
        QJsonDocument::fromJson(body).object().value(QStringLiteral("device")).toObject();
    return {device.value(QStringLiteral("name")).toString(),
            device.value(QStringLiteral("os")).toString()};
}

PairingPages::Form PairingRequests::pageForm(const QUrlQuery& query)
{
    PairingPages::Form form;
    form.code = query.queryItemValue(QStringLiteral("code"), QUrl::FullyDecoded).left(12);
    return form;
}

PairingPages::Form PairingRequests::submission(const QByteArray& body, bool json)
{
    if (!json)
        return PairingPages::parseForm(body);
    const QJsonObject o = QJsonDocument::fromJson(body).object();
    const auto field = [&o](const char* key) {
        return o.value(QString::fromLatin1(key)).toString();
    };
    PairingPages::Form form;
    form.code = field("code");
    form.details = {field("type"),     field("name"),     field("url"),
                    field("username"), field("password"), field("live_extension")};
    return form;
}
