#include "ui/playbacktext.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
QString twoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}
} // namespace

QString formatMs(qint64 ms)
{
    ms = std::max<qint64>(ms, 0);
    const qint64 minutes = ms / 60000 % 60;
    const qint64 seconds = ms / 1000 % 60;
    if (ms < 3600000)
        return twoDigits(minutes) + u':' + twoDigits(seconds);
    return QString::number(ms / 3600000) + u':' + twoDigits(minutes) + u':' + twoDigits(seconds);
}

int reconnectDelayMs(int attempt)
{
    if (attempt < 1)
        attempt = 1;
    if (attempt >= 5)
        return 15000; // 2^4 s would already exceed the cap
    return std::min(1000 << (attempt - 1), 15000);
}

QString episodeRowText(const Episode& episode)
{
    //: An episode row: its number in the season and its title.
    return QCoreApplication::translate("EpisodesPage", "E%1 - %2")
        .arg(twoDigits(episode.episodeNumber), episode.title);
}

MediaItem mediaItemFromEpisode(const Episode& episode, const QString& seriesName)
{
    MediaItem item;
    item.type = MediaItem::SeriesEpisode;
    item.id = episode.id;
    item.containerExtension = episode.containerExtension;
    // One pass, so a "%2" inside the series name stays text instead of taking the season.
    item.name = QStringLiteral("%1 - S%2E%3 - %4")
                    .arg(seriesName, twoDigits(episode.season), twoDigits(episode.episodeNumber),
                         episode.title);
    return item;
}
