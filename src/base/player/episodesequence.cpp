#include "player/episodesequence.h"

#include "ui/playbacktext.h"

bool EpisodeSequence::start(const QList<Episode>& list, int at, const QString& series)
{
    if (at < 0 || at >= list.size())
        return false;
    episodes = list;
    index = at;
    seriesName = series;
    return true;
}

bool EpisodeSequence::hasNext() const
{
    return index >= 0 && index + 1 < episodes.size();
}

bool EpisodeSequence::advance()
{
    if (!hasNext())
        return false;
    ++index;
    return true;
}

MediaItem EpisodeSequence::current() const
{
    if (index < 0 || index >= episodes.size())
        return MediaItem();
    return mediaItemFromEpisode(episodes.at(index), seriesName);
}

void EpisodeSequence::clear()
{
    episodes.clear();
    index = -1;
    seriesName.clear();
}
