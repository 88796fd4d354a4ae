#pragma once

#include "guide/guideprogramme.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One server's programme guide on disk, an SQLite file, read on the thread that opened it.
// Channels are numbered by the import; programmes are keyed by (channel, start). A missing or
// unreadable file reads as an empty guide. GuideStoreWriter builds a new file beside it and
// swaps it in, so an open store keeps reading the guide it opened until reopened.
class GuideStore final
{
public:
    struct Channel
    {
        int number = 0;
        QString id;
        QStringList names;
    };

    GuideStore();
    ~GuideStore();
    GuideStore(const GuideStore&) = delete;
    GuideStore& operator=(const GuideStore&) = delete;

    // `mapped`: reads through a memory map (fast lookups all over the file, but the pages
    // touched count as the process's memory).
    bool open(const QString& path, bool mapped = true);
    void close();
    bool isOpen() const;

    // Seconds since the epoch of the import that wrote the file; 0 when none.
    qint64 importedAt() const;
    QString metaValue(const QString& key) const;
    QList<Channel> channels() const;
    // The programme running at `now` per channel that has one: of those running, the one that
    // began last (`next` is left empty: the column paints only the running one; nextAfter()
    // gives the next on demand).
    QHash<int, GuideNowNext> nowNext(qint64 now) const;
    std::optional<GuideProgramme> nextAfter(int channel, qint64 time) const;
    // Programmes of `channel` overlapping [from, to), by start.
    QList<GuideProgramme> programmes(int channel, qint64 from, qint64 to) const;
    // Programmes of several channels overlapping [from, to), by channel then start.
    QHash<int, QList<GuideProgramme>> programmes(const QList<int>& channels, qint64 from,
                                                 qint64 to) const;
    // Per channel of `channels`, in that order (-1: none), its programmes overlapping
    // [from, to) by start: two key seeks and the rows between, for windows of the grid.
    QList<QList<GuideProgramme>> window(const QList<int>& channels, qint64 from, qint64 to) const;
    qint64 programmeCount() const;

    static QString schemaVersion();
    // Meta key: the length of the longest programme that holds another one whole (0: none), so
    // "now" looks back that far for a programme still running around one that has ended.
    static constexpr QLatin1StringView kNestedSecsKey{"nestedSecs"};

private:
    QString connection;
};
