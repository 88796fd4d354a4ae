#pragma once

// Generated catalogs of a realistic shape for the benchmarks: UTF-8 names from several scripts,
// categories, logos, and the attributes real playlists carry.

#include "model/mediaitem.h"

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>
#include <QString>

namespace bench {

inline QString randomTitle(QRandomGenerator& rng)
{
    static const QStringList words = {
        QStringLiteral("News"),     QStringLiteral("Sport"),   QStringLiteral("Movie"),
        QStringLiteral("Cinéma"),   QStringLiteral("Música"),  QStringLiteral("Kids"),
        QStringLiteral("Документ"), QStringLiteral("Ελλάδα"),  QStringLiteral("Türk"),
        QStringLiteral("العربية"),  QStringLiteral("日本"),    QStringLiteral("Live"),
        QStringLiteral("World"),    QStringLiteral("Premium"), QStringLiteral("Classic"),
        QStringLiteral("Action"),   QStringLiteral("Drama"),   QStringLiteral("Comedy"),
        QStringLiteral("Nature"),   QStringLiteral("Science"), QStringLiteral("History"),
        QStringLiteral("Food"),     QStringLiteral("Travel"),  QStringLiteral("Music")};
    QString title;
    const int n = rng.bounded(2, 5);
    for (int i = 0; i < n; ++i) {
        if (i)
            title += u' ';
        title += words.at(rng.bounded(int(words.size())));
    }
    if (rng.bounded(3) == 0)
        title += QStringLiteral(" HD");
    if (rng.bounded(4) == 0)
        title += QStringLiteral(" %1").arg(rng.bounded(1, 300));
    return title;
}

inline QString randomGroup(QRandomGenerator& rng)
{
    static const QStringList countries = {
        QStringLiteral("UK"), QStringLiteral("US"), QStringLiteral("FR"), QStringLiteral("DE"),
        QStringLiteral("TR"), QStringLiteral("AR"), QStringLiteral("ES"), QStringLiteral("GR"),
        QStringLiteral("RU"), QStringLiteral("JP")};
    static const QStringList kinds = {
        QStringLiteral("News"),          QStringLiteral("Sports"),   QStringLiteral("Movies"),
        QStringLiteral("Kids"),          QStringLiteral("Music"),    QStringLiteral("Documentary"),
        QStringLiteral("Entertainment"), QStringLiteral("VIP"),      QStringLiteral("4K"),
        QStringLiteral("Religious"),     QStringLiteral("Regional"), QStringLiteral("PPV")};
    return countries.at(rng.bounded(int(countries.size()))) + QStringLiteral(" | ") +
           kinds.at(rng.bounded(int(kinds.size())));
}

// An extended M3U playlist of `entries` channels.
inline QString generatePlaylist(int entries, quint32 seed = 1)
{
    QRandomGenerator rng(seed);
    QString text = QStringLiteral("#EXTM3U url-tvg=\"http://epg.example.invalid/guide.xml.gz\"\n");
    text.reserve(qsizetype(entries) * 260);
    for (int i = 0; i < entries; ++i) {
        const QString name = randomTitle(rng);
        const QString group = randomGroup(rng);
        text +=
            QStringLiteral(
                "#EXTINF:-1 tvg-id=\"ch%1.example\" tvg-name=\"%2\" "
                "tvg-logo=\"http://logos.example.invalid/"
                "images/%1.png\" tvg-country=\"XX\" tvg-language=\"Multi\" group-title=\"%3\",%2\n")
                .arg(i)
                .arg(name, group);
        if (rng.bounded(10) == 0)
            text += QStringLiteral("#EXTVLCOPT:http-user-agent=Mozilla/5.0\n");
        text += QStringLiteral("http://stream.example.invalid:8080/live/user/pass/%1.ts\n")
                    .arg(100000 + i);
    }
    return text;
}

inline QList<MediaItem> generateItems(int count, quint32 seed = 2)
{
    QRandomGenerator rng(seed);
    QList<MediaItem> items;
    items.reserve(count);
    for (int i = 0; i < count; ++i) {
        MediaItem m;
        m.type = MediaItem::Movie;
        m.id = QString::number(i + 1);
        m.name = randomTitle(rng);
        m.categoryId = QString::number(rng.bounded(1, 60));
        m.iconUrl = QStringLiteral("http://img.example.invalid/p/%1.jpg").arg(i);
        m.containerExtension = QStringLiteral("mp4");
        m.rating = rng.bounded(100) / 10.0;
        m.addedAt = 1'500'000'000 + rng.bounded(200'000'000);
        items.append(m);
    }
    return items;
}

// A JSON string as PHP's json_encode writes it: "/" and every non-ASCII unit escaped.
inline void appendPhpString(QByteArray& out, const QString& text)
{
    out += '"';
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\' || u == u'/') {
            out += '\\';
            out += char(u);
        } else if (u >= 0x20 && u < 0x80) {
            out += char(u);
        } else {
            out += "\\u" + QByteArray::number(u, 16).rightJustified(4, '0');
        }
    }
    out += '"';
}

// A get_vod_streams answer written the way PHP writes it: ids, ratings and time stamps as
// strings, slashes and non-ASCII names escaped.
inline QByteArray vodAnswer(int count, quint32 seed = 5)
{
    QRandomGenerator rng(seed);
    QByteArray out;
    out.reserve(qsizetype(count) * 300);
    out += '[';
    for (int i = 0; i < count; ++i) {
        if (i)
            out += ',';
        const int rating = rng.bounded(101);
        out += "{\"num\":" + QByteArray::number(i + 1) + ",\"name\":";
        appendPhpString(out, randomTitle(rng));
        out += ",\"stream_type\":\"movie\",\"stream_id\":\"" + QByteArray::number(100000 + i) +
               "\",\"stream_icon\":\"http:\\/\\/img.example.invalid\\/posters\\/" +
               QByteArray::number(i) + ".jpg\",\"rating\":\"" + QByteArray::number(rating / 10.0) +
               "\",\"rating_5based\":" + QByteArray::number(rating / 20.0) + ",\"added\":\"" +
               QByteArray::number(1'500'000'000 + rng.bounded(200'000'000)) +
               "\",\"is_adult\":\"0\",\"category_id\":\"" + QByteArray::number(rng.bounded(1, 60)) +
               "\",\"category_ids\":[" + QByteArray::number(rng.bounded(1, 60)) +
               "],\"custom_sid\":\"\",\"container_extension\":\"" + (i % 3 ? "mp4" : "mkv") +
               "\",\"direct_source\":\"\"}";
    }
    out += ']';
    return out;
}

} // namespace bench
