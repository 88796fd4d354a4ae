#pragma once

#include "catchup/catchupresolver.h"
#include "catchup/catchupsession.h"
#include "model/sourceconfig.h"

#include <QObject>

class QNetworkAccessManager;

// Plays programmes from a channel's archive: finds each stream's address and hands it to the
// player side, which plays it like a movie. Seeks and the neighbouring programmes are new
// addresses of the same archive.
class CatchupPlayback final : public QObject
{
    Q_OBJECT

public:
    CatchupPlayback(QNetworkAccessManager* manager, QObject* parent);

    // Starts `programmes[index]` of `channel` from its beginning. False when the channel's
    // archive does not hold it (then nothing changes).
    bool play(const SourceConfig& source, const MediaItem& channel,
              const QList<GuideProgramme>& programmes, int index);
    // The programme after (1) or before (-1) the playing one.
    bool playNeighbour(int step);
    bool hasNeighbour(int step) const;
    void seekTo(qint64 programmeMs);
    // A step from where the stream is (`streamMs` as the player reports it).
    void seekBy(qint64 deltaMs, qint64 streamMs);
    // After a failure: the playing programme again, from where it broke off. False when no
    // archive programme is playing.
    bool retry();
    // Another viewing replaced this one.
    void end();
    // The position within the programme while the stream has played `streamMs`, as the player
    // reports it; kept for the end of the stream.
    qint64 positionAt(qint64 streamMs);
    // The stream ended: the next programme follows when this one was seen to its end, and the
    // channel itself when the running programme caught up with the present. False when the
    // stream broke off before, which is a failure to tell the user about.
    bool streamEnded();

    bool isActive() const { return current.isActive(); }
    const CatchupSession& session() const { return current; }

signals:
    // The address to play now, with the title line to show.
    void streamReady(const QString& url, const QString& title);
    void failed(const QString& message);
    // The archive has nothing more to send: the channel is to be watched live.
    void reachedLive(const MediaItem& channel);
    // Started, switched programme or ended: what the controls offer may have changed.
    void changed();

private:
    void request(qint64 offsetMs);

    QNetworkAccessManager* manager = nullptr;
    CatchupResolver resolver;
    CatchupSession current;
    SourceConfig source;
    quint64 asked = 0; // only the newest request's address is played
    qint64 lastPositionMs = 0;
};
