#pragma once

#include <QString>
#include <QtGlobal>

// One channel, movie, series or playable episode, as every part of the program passes it around.
// The field names are also the keys of the catalog cache.
struct MediaItem
{
    // Stored and compared as integers; the numbers must not change.
    enum Type : int
    {
        Live = 0,
        Movie = 1,
        Series = 2,       // opened, never played
        SeriesEpisode = 3 // built from an Episode when it is played
    };

    int type = Live;
    QString id; // server's id; for playlist entries the entry's URL
    QString name;
    QString categoryId;
    QString iconUrl;
    QString containerExtension; // movies and episodes, e.g. "mp4"
    QString streamUrl;          // playlist entries only; Xtream addresses are built at play time
    double rating = 0.0;
    qint64 addedAt = 0; // "added" of a movie or "last_modified" of a series
    QString guideId;    // the channel's programme-guide id: epg_channel_id or tvg-id
    QString guideName;  // playlists' tvg-name, the second way to find a guide channel
    // Channels that keep past programmes: how many days back, 0 for none. Playlist entries also
    // say how the archive address is formed (CatchupAddress kinds) and may give a template.
    int archiveDays = 0;
    QString catchupType;
    QString catchupSource;
};

// Only Qt value types inside: lists may move it with memcpy when they grow.
Q_DECLARE_TYPEINFO(MediaItem, Q_RELOCATABLE_TYPE);
