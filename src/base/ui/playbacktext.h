#pragma once

#include "model/episode.h"
#include "model/mediaitem.h"

#include <QString>

// Texts and values the player panel derives from playback state. Widget-free, for tests.

// "mm:ss" below an hour, "h:mm:ss" from an hour on; negative counts as 0.
QString formatMs(qint64 ms);

// Delay before reconnect attempt `attempt` (counted from 1): 1, 2, 4, 8 s, then 15 s for good.
int reconnectDelayMs(int attempt);

// "E07 - Pilot": the episode's row in the season tree.
QString episodeRowText(const Episode& episode);

// The playable item of an episode, named "Series - S01E05 - Title".
MediaItem mediaItemFromEpisode(const Episode& episode, const QString& seriesName);
