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
    p.title = JsonReadings::text(row.value(QLatin1StringView("title")));
    p.description = JsonReadings::text(row.value(QLatin1StringView("description")));
    p.archived = isTrue(row.value(QLatin1StringView("has_archive")));
    usable = p.start > 0 && p.stop > p.start;
    return p;
}

// Decodes every text of the answer when each one is base64, else leaves them all alone: a plain
// word such as "Film" is base64 by chance, a whole answer of them is not.
void decodeWhenAllEncoded(QList<GuideProgramme>& list)
{
    QList<QString> decoded;
    decoded.reserve(list.size() * 2);
    for (const GuideProgramme& p : std::as_const(list)) {
        for (const QString* text : {&p.title, &p.description}) {
            if (text->trimmed().isEmpty()) {
                decoded.append(QString());
                continue;
            }
            std::optional<QString> plain = XtreamEpg::base64Text(*text);
            if (!plain)
                return;
            decoded.append(std::move(*plain));
        }
    }
    for (qsizetype i = 0; i < list.size(); ++i) {
        list[i].title = decoded.at(2 * i);
        list[i].description = decoded.at(2 * i + 1);
    }
}
} // namespace

std::optional<QString> XtreamEpg::base64Text(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() % 4 != 0)
        return std::nullopt;
    const QByteArray latin1 = trimmed.toLatin1();
    const auto decoded = QByteArray::fromBase64Encoding(
        latin1, QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || latin1 != trimmed.toUtf8())
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString result = utf8.decode(*decoded);
    if (utf8.hasError() || result.isEmpty())
        return std::nullopt;
    for (const QChar c : std::as_const(result)) {
        if (c.category() == QChar::Other_Control && c != u'\t' && c != u'\n' && c != u'\r')
            return std::nullopt;
    }
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
    decodeWhenAllEncoded(list);
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
