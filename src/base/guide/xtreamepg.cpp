#include "guide/xtreamepg.h"

#include "providers/jsonreadings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <algorithm>

namespace {
bool isTrue(const QJsonValue& value)
{
    if (value.isBool())
        return value.toBool();
    return JsonReadings::integer(value) != 0;
}

GuideProgramme programmeOf(const QJsonObject& row, bool& usable)
{
    GuideProgramme p;
    p.start = JsonReadings::integer(row.value(QLatin1StringView("start_timestamp")));
    p.stop = JsonReadings::integer(row.value(QLatin1StringView("stop_timestamp")));
    p.title = XtreamEpg::decodedText(JsonReadings::text(row.value(QLatin1StringView("title"))));
    p.description =
        XtreamEpg::decodedText(JsonReadings::text(row.value(QLatin1StringView("description"))));
    p.archived = isTrue(row.value(QLatin1StringView("has_archive")));
    usable = p.start > 0 && p.stop > p.start;
    return p;
}
} // namespace

QString XtreamEpg::decodedText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() % 4 != 0)
        return text;
    const auto decoded = QByteArray::fromBase64Encoding(
        trimmed.toLatin1(), QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || trimmed.toLatin1() != trimmed.toUtf8())
        return text;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString result = utf8.decode(*decoded);
    if (utf8.hasError() || result.contains(QChar(0)))
        return text;
    return result;
}

QList<GuideProgramme> XtreamEpg::parse(const QByteArray& body, bool* ok)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    QJsonArray rows;
    if (document.isArray())
        rows = document.array();
    else if (document.isObject())
        rows = document.object().value(QLatin1StringView("epg_listings")).toArray();
    if (ok)
        *ok = error.error == QJsonParseError::NoError;

    QList<GuideProgramme> list;
    list.reserve(rows.size());
    for (const QJsonValue& value : rows) {
        if (!value.isObject())
            continue;
        bool usable = false;
        GuideProgramme p = programmeOf(value.toObject(), usable);
        if (usable)
            list.append(std::move(p));
    }
    std::stable_sort(
        list.begin(), list.end(),
        [](const GuideProgramme& a, const GuideProgramme& b) { return a.start < b.start; });
    list.erase(std::unique(list.begin(), list.end(),
                           [](const GuideProgramme& a, const GuideProgramme& b) {
                               return a.start == b.start;
                           }),
               list.end());
    return list;
}
