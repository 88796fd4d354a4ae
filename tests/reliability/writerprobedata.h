#pragma once

// What the writer probe writes, shared with the test that checks it: version "0" is what the
// test stores before the first run, "A" and "B" are what the probe alternates between.
#include "model/sourceconfig.h"
#include "providers/catalogcache.h"

#include <QByteArray>
#include <QString>

namespace probe {

inline const QString kServer = QStringLiteral("Crash Test");
inline const QString kPosterUrl = QStringLiteral("http://posters.invalid/p.png");
inline const QString kLearnedKey = QStringLiteral("probe0000000001");

inline CatalogCache::Section movies(const QString& version)
{
    CatalogCache::Section section;
    section.categories.append({QStringLiteral("1"), QStringLiteral("Films ") + version});
    for (int i = 0; i < 20000; ++i) {
        MediaItem item;
        item.type = MediaItem::Movie;
        item.id = QString::number(i);
        item.name = QStringLiteral("Movie %1 version %2").arg(i).arg(version);
        item.categoryId = QStringLiteral("1");
        item.addedAt = 1'700'000'000 + i;
        item.rating = 7.5;
        section.items.append(item);
    }
    return section;
}

inline QList<Episode> episodes(const QString& version)
{
    QList<Episode> list;
    for (int i = 1; i <= 30; ++i) {
        Episode e;
        e.id = QString::number(1000 + i);
        e.seriesName = QStringLiteral("Show ") + version;
        e.season = 1 + i / 10;
        e.episodeNumber = i;
        e.title = QStringLiteral("Episode %1").arg(i);
        list.append(e);
    }
    return list;
}

inline QByteArray poster(const QString& version)
{
    return QByteArray(300 * 1024, version.at(0).toLatin1());
}

inline SourceConfig server(const QString& version)
{
    SourceConfig c;
    c.type = SourceConfig::Xtream;
    c.name = kServer;
    c.url = QStringLiteral("http://127.0.0.1:9/");
    c.username = QStringLiteral("user");
    c.password = QStringLiteral("pw-") + version;
    c.liveExtension = QStringLiteral("ts");
    return c;
}

} // namespace probe
