#pragma once

#include "providers/catalogcache.h"
#include "providers/jsonreadings.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>

#include <optional>

// The content of one catalog cache file, read and rewritten in memory; CatalogCache puts it on
// disk. The file is one compact JSON object: a member per section, "episodes" with an entry per
// series id, and first of all "sourceName", the source the file belongs to, so that two sources
// whose names map to the same file name never read or replace each other's catalog.
//
// Readers follow Qt's JSON rules whatever path reads them: values of the wrong type read as
// empty text or zero, the last of duplicate keys counts, and a text Qt's parser rejects is a
// miss. Writers escape a byte-order mark that opens a string (\ufeff), which Qt's parser would
// drop if written as it is. A file without an owner (the format before owners were recorded)
// belongs to any owner that reads it. A rewrite keeps every other member of an intact file of
// the same owner unchanged, adding the owner, and starts from an empty object otherwise.
class CatalogFile final
{
public:
    static constexpr QLatin1StringView kOwnerKey{"sourceName"};
    static constexpr QLatin1StringView kEpisodesKey{"episodes"};

    // Names that are not sections: the owner and the episode store.
    static bool isReservedName(const QString& section);

    // How many bytes of a file's head owner() needs to tell whether `name` owns the file.
    static qsizetype headSize(const QString& name);
    // Whether a file begins with an owner (written here), and which: nullopt when the head does
    // not hold a complete one.
    static bool recordsOwner(const QByteArray& head);
    static std::optional<QString> owner(const QByteArray& head);

    // False when the file is not valid JSON, not an object, not `owner`'s, or has no member
    // named `section`; `out` is untouched then.
    static bool readSection(const QByteArray& file, const QString& owner, const QString& section,
                            CatalogCache::Section& out, JsonPath path = JsonPath::Fast);
    // True when the entry of `seriesId` was saved less than `maxAgeSecs` before `nowSecs`
    // (an entry from the future counts as fresh); `out` is untouched otherwise.
    static bool readEpisodes(const QByteArray& file, const QString& owner, const QString& seriesId,
                             qint64 nowSecs, qint64 maxAgeSecs, QList<Episode>& out,
                             JsonPath path = JsonPath::Fast);

    // The file with `section` set to `data`.
    static QByteArray withSection(const QByteArray& file, const QString& owner,
                                  const QString& section, const CatalogCache::Section& data,
                                  JsonPath path = JsonPath::Fast);
    // The file with the entry of `seriesId` set to `episodes`, saved at `savedAt`.
    static QByteArray withEpisodes(const QByteArray& file, const QString& owner,
                                   const QString& seriesId, const QList<Episode>& episodes,
                                   qint64 savedAt, JsonPath path = JsonPath::Fast);
};
