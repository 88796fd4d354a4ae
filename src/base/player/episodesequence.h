#pragma once

#include "model/episode.h"
#include "model/mediaitem.h"

#include <QList>
#include <QString>

// The episodes "Next Episode" walks through: the season list an episode was started from, and
// where in it playback is. Anything played from elsewhere ends the sequence.
class EpisodeSequence final
{
public:
    // Starts at `index` of `list`; the item to play. An index outside the list starts nothing.
    bool start(const QList<Episode>& list, int index, const QString& series);
    bool hasNext() const;
    // Moves to the next episode; false (and no move) at the end.
    bool advance();
    // The episode at the current place, as an item to play.
    MediaItem current() const;
    void clear();

    // Read by the tests and the window's button.
    QList<Episode> episodes;
    int index = -1;
    QString seriesName;
};
