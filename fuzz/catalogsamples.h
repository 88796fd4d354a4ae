#pragma once

#include "providers/catalogcache.h"
#include "recorddiff.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the catalog targets save on top of a fuzzed file, and how they compare what they read.
namespace catalogsamples {

inline const QStringList kSections = {QStringLiteral("live"), QStringLiteral("movie"),
                                      QStringLiteral("series"), QStringLiteral("channel")};
inline const QStringList kSeriesIds = {QStringLiteral("1"), QStringLiteral("42")};

// Texts a writer has to escape, numbers at the edges of what the file keeps.
inline CatalogCache::Section section(const QString& tag)
{
    CatalogCache::Section s;
    s.categories = {{QStringLiteral("c1"), tag}, {QStringLiteral("q\"\\/\n\t\x01"), QString()}};
    MediaItem item;
    item.type = MediaItem::Movie;
    item.id = QStringLiteral("1") + tag;
    item.name = QStringLiteral("N\u00e4me \U0001F600 \u2028") + tag;
    item.categoryId = QStringLiteral("c1");
    item.iconUrl = QStringLiteral("http://img.invalid/a.png?x=\"1\"");
    item.containerExtension = QStringLiteral("mkv");
    item.streamUrl = QStringLiteral("http://s.invalid/1.ts");
    item.rating = 7.1;
    item.addedAt = 9'007'199'254'740'993LL; // 2^53 + 1: a double would lose it
    s.items = {item, MediaItem()};
    s.items[1].rating = -0.5e-300;
    s.items[1].addedAt = -1;
    return s;
}

inline QList<Episode> episodes(const QString& tag)
{
    return {Episode{QStringLiteral("e1"), tag, 1, 2, QStringLiteral("T\u00eftle\r\n"),
                    QStringLiteral("mp4")},
            Episode{QString(), QString(), -2147483647 - 1, 2147483647, QString(), QString()}};
}

// Empty when equal (numbers as values: NaN equals NaN, 0 equals -0).
inline QString diff(const CatalogCache::Section& a, const CatalogCache::Section& b)
{
    const QString categories = recorddiff::diff(a.categories, b.categories);
    if (!categories.isEmpty())
        return QStringLiteral("categories ") + categories;
    const QString items = recorddiff::diff(a.items, b.items);
    return items.isEmpty() ? QString() : QStringLiteral("items ") + items;
}

// A section no reader produces, to tell an untouched `out` from a filled one.
inline CatalogCache::Section untouched()
{
    CatalogCache::Section s;
    s.categories = {{QStringLiteral("untouched"), QStringLiteral("untouched")}};
    return s;
}

inline QList<Episode> untouchedEpisodes()
{
    return {Episode{QStringLiteral("untouched"), QString(), 0, 0, QString(), QString()}};
}

} // namespace catalogsamples
