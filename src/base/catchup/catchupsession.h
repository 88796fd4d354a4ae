#pragma once

#include "catchup/catchupaddress.h"
#include "guide/guideprogramme.h"
#include "model/mediaitem.h"

#include <QList>
#include <QString>
#include <QtGlobal>

// One viewing of a channel's archive: the channel, its programme list, the programme playing and
// where in it the current stream begins. Archive addresses name whole minutes, so every seek is a
// new stream from a minute boundary; positions shown to the user count from the programme's own
// start and run to its length, whatever the stream reports. Widget-free, no network.
class CatchupSession final
{
public:
    // Starts on `programmes[index]` from its beginning; false (and inactive) when that programme
    // cannot be asked of the channel's archive at `nowSecs`.
    bool begin(const MediaItem& channel, const QList<GuideProgramme>& programmes, int index,
               qint64 nowSecs);
    void end();
    bool isActive() const { return active; }

    const MediaItem& channel() const { return playingChannel; }
    const GuideProgramme& programme() const { return list[playing]; }
    int index() const { return playing; }
    // "Channel - Programme (catch-up)"
    QString title() const;

    // Whether `p` of `channel` can be played from the archive at `nowSecs`.
    static bool isPlayable(const MediaItem& channel, const GuideProgramme& p, qint64 nowSecs);

    // The programme `step` places after (or before, negative) the playing one, skipping none;
    // -1 when there is none or it cannot be played (not begun yet, older than the archive).
    int neighbour(int step, qint64 nowSecs) const;
    // Switches to another programme of the list, from its start; false when it cannot be played.
    bool select(int index, qint64 nowSecs);

    // The archive window for a stream from `offsetMs` into the programme, kept within the part
    // that exists at `nowSecs`, from the minute boundary at or before it. That boundary becomes
    // the stream's start for the positions below.
    CatchupWindow streamFrom(qint64 offsetMs, qint64 nowSecs);
    // The window of the stream now playing.
    CatchupWindow currentWindow(qint64 nowSecs) const;

    // The position within the programme while the stream has played `streamMs`.
    qint64 positionMs(qint64 streamMs) const;
    qint64 lengthMs() const;
    // Where a seek by `deltaMs` from `streamMs` of the stream lands within the programme: on the
    // next minute boundary forward or the previous one back, so that short steps still move.
    qint64 seekTargetMs(qint64 streamMs, qint64 deltaMs) const;

private:
    MediaItem playingChannel;
    QList<GuideProgramme> list;
    int playing = -1;
    qint64 streamStartSecs = 0; // the minute the current stream begins at, Unix seconds
    bool active = false;
};
