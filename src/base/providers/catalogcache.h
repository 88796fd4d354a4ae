#pragma once

#include "model/category.h"
#include "model/episode.h"
#include "model/mediaitem.h"

#include <QList>
#include <QString>

// Fetched catalogs on disk, one JSON file per server under <app data>/catalog_cache, so a server
// opens at once on the next start. Sections ("live", "movie", "series", "channel") and episode
// lists per series id. No state in memory; every call reads (and a save rewrites) the file.
// Writes are atomic: an interrupted save leaves the previous file intact.
//
// The file is named after the source (characters other than A-Z, a-z, 0-9, "_" and "-" become
// "_") and records the source it belongs to. A second source whose name gives the same file name
// gets "<name>.2.json" (then .3 and so on), so neither ever reads or replaces the other's catalog.
// A file that records no owner (as written before owners were recorded) is read by the source
// whose name maps to it, and its first save keeps its content and adds the owner.
// "episodes" and "sourceName" are not section names: load and save refuse them.
class CatalogCache final
{
public:
    struct Section
    {
        QList<Category> categories;
        QList<MediaItem> items;
    };

    // True when the section was found and read; `out` is untouched otherwise.
    static bool load(const QString& sourceName, const QString& section, Section& out);
    // True when the file was written.
    static bool save(const QString& sourceName, const QString& section, const Section& data);

    // True when an entry younger than `maxAgeSecs` was found; `out` is untouched otherwise.
    static bool loadEpisodes(const QString& sourceName, const QString& seriesId, qint64 maxAgeSecs,
                             QList<Episode>& out);
    static bool saveEpisodes(const QString& sourceName, const QString& seriesId,
                             const QList<Episode>& episodes);

    // The file that holds, or would hold, the catalog of `sourceName`.
    static QString filePath(const QString& sourceName);
    // The folder of all catalog files.
    static QString directory();
};
