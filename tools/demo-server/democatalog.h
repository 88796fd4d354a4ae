#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

// A made-up catalog of live channels, movies and series with names in several scripts.
// Every entry follows from its kind and its position alone, so two catalogs of the same scale are
// identical, and an entry stays the same when the scale grows.
class DemoCatalog final
{
public:
    enum class Kind
    {
        Live,
        Movie,
        Series
    };

    struct Category
    {
        QString id; // decimal text, as servers send it
        QString name;
    };

    struct Entry
    {
        qint64 id = 0;
        QString name;
        int category = 0;      // index into categories(kind)
        qint64 added = 0;      // Unix seconds
        int ratingTenths = -1; // 74 for 7.4; -1 when unrated (live channels are never rated)
        int year = 0;          // movies and series
        QString extension;     // movies: "mp4" or "mkv"
    };

    struct Episode
    {
        qint64 id = 0;
        int season = 0;
        int number = 0;
        QString title;
        QString extension;
        int durationSecs = 0;
        qint64 added = 0;
    };

    // Text that only the detailed answers carry; made on demand, never stored.
    struct Details
    {
        QString plot;
        QString cast;
        QString director;
        QString genre;
        QString releaseDate; // YYYY-MM-DD
        int runtimeMinutes = 0;
    };

    static constexpr int kDefaultScale = 3000;
    static constexpr int kMaxSeasons = 15;
    static constexpr int kMaxEpisodesPerSeason = 31;

    // `scale` is the number of movies; there are a fifth as many series and a tenth as many
    // live channels (at least one of each).
    explicit DemoCatalog(int scale = kDefaultScale);

    static int countFor(Kind kind, int scale);

    int scale() const { return scaleValue; }
    const QList<Category>& categories(Kind kind) const;
    const std::vector<Entry>& entries(Kind kind) const;
    const Entry* find(Kind kind, qint64 id) const;

    Details details(Kind kind, const Entry& entry) const;
    QString categoryName(Kind kind, const Entry& entry) const;

    // Episodes of a series ordered by season and number; seasons are numbered from 1 without gaps.
    QList<Episode> episodes(const Entry& series) const;
    int seasonCount(const Entry& series) const;
    // The episode with this id and the series it belongs to, if the catalog has it.
    std::optional<Episode> findEpisode(qint64 episodeId, qint64* seriesId = nullptr) const;

    static qint64 episodeId(qint64 seriesId, int season, int number);
    // A well-mixed number per entry, for anything that should look different per entry.
    static quint64 seedOf(Kind kind, qint64 id);
    // Days of past programmes a live channel keeps: every third channel keeps three, the rest none.
    static int archiveDays(qint64 liveId) { return liveId % 3 == 0 ? 3 : 0; }

private:
    int episodeCount(const Entry& series, int season) const;
    Episode makeEpisode(const Entry& series, int season, int number) const;

    int scaleValue = 0;
    QList<Category> liveCategories;
    QList<Category> movieCategories;
    QList<Category> seriesCategories;
    std::vector<Entry> liveEntries;
    std::vector<Entry> movieEntries;
    std::vector<Entry> seriesEntries;
};
