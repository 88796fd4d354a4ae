#include "catchup/catchupplayback.h"

#include "app/clock.h"

CatchupPlayback::CatchupPlayback(QNetworkAccessManager* network, QObject* parent)
    : QObject(parent)
    , manager(network)
{}

bool CatchupPlayback::play(const SourceConfig& config, const MediaItem& channel,
                           const QList<GuideProgramme>& programmes, int index)
{
    CatchupSession next;
    if (!next.begin(channel, programmes, index, Clock::epochSecs()))
        return false;
    source = config;
    current = next;
    request(0);
    emit changed();
    return true;
}

bool CatchupPlayback::playNeighbour(int step)
{
    if (!current.select(current.neighbour(step, Clock::epochSecs()), Clock::epochSecs()))
        return false;
    request(0);
    emit changed();
    return true;
}

bool CatchupPlayback::hasNeighbour(int step) const
{
    return current.neighbour(step, Clock::epochSecs()) >= 0;
}

void CatchupPlayback::seekTo(qint64 programmeMs)
{
    if (current.isActive())
        request(programmeMs);
}

void CatchupPlayback::seekBy(qint64 deltaMs, qint64 streamMs)
{
    if (current.isActive())
        request(current.seekTargetMs(streamMs, deltaMs));
}

bool CatchupPlayback::retry()
{
    if (!current.isActive())
        return false;
    request(lastPositionMs);
    return true;
}

void CatchupPlayback::end()
{
    if (!current.isActive())
        return;
    ++asked;
    current.end();
    emit changed();
}

qint64 CatchupPlayback::positionAt(qint64 streamMs)
{
    lastPositionMs = current.positionMs(streamMs);
    return lastPositionMs;
}

bool CatchupPlayback::streamEnded()
{
    // Guide times are rounded and servers cut on whole minutes: a minute short is the end.
    constexpr qint64 kEndSlackMs = 60 * 1000;
    // What the server had recorded when asked, less the margin kept from the present.
    constexpr qint64 kLiveSlackMs = 3 * 60 * 1000;
    if (!current.isActive())
        return false;
    const qint64 now = Clock::epochSecs();
    const GuideProgramme& p = current.programme();
    if (p.stop > now && lastPositionMs >= (now - p.start) * 1000 - kLiveSlackMs) {
        const MediaItem channel = current.channel();
        end();
        emit reachedLive(channel);
        return true;
    }
    if (lastPositionMs < current.lengthMs() - kEndSlackMs)
        return false;
    playNeighbour(1);
    return true;
}

void CatchupPlayback::request(qint64 offsetMs)
{
    const quint64 id = ++asked;
    lastPositionMs = offsetMs;
    const CatchupWindow window = current.streamFrom(offsetMs, Clock::epochSecs());
    resolver.resolve(
        manager, source, current.channel(), window, this, [this, id](const QString& url) {
            if (id != asked || !current.isActive())
                return;
            if (url.isEmpty()) {
                emit failed(tr("\"%1\" cannot be played from the "
                               "archive of %2: the server gives no "
                               "address for it.")
                                .arg(current.programme().title, current.channel().name));
                return;
            }
            emit streamReady(url, current.title());
        });
}
