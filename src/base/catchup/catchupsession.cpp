#include "catchup/catchupsession.h"

#include <algorithm>

namespace {
constexpr qint64 kMinuteSecs = 60;
// A stream asked for too close to the present has nothing recorded yet to send.
constexpr qint64 kLiveEdgeSecs = 2 * kMinuteSecs;

qint64 floorMinute(qint64 secs)
{
    return secs - ((secs % kMinuteSecs) + kMinuteSecs) % kMinuteSecs;
}
} // namespace

bool CatchupSession::begin(const MediaItem& channel, const QList<GuideProgramme>& programmes,
                           int index, qint64 nowSecs)
{
    end();
    if (index < 0 || index >= programmes.size() || !isPlayable(channel, programmes[index], nowSecs))
        return false;
    playingChannel = channel;
    list = programmes;
    playing = index;
    streamStartSecs = floorMinute(list[playing].start);
    active = true;
    return true;
}

void CatchupSession::end()
{
    active = false;
    playing = -1;
    list.clear();
    playingChannel = MediaItem();
}

QString CatchupSession::title() const
{
    if (!active)
        return QString();
    return QStringLiteral("%1 - %2 (catch-up)").arg(playingChannel.name, programme().title);
}

bool CatchupSession::isPlayable(const MediaItem& channel, const GuideProgramme& p, qint64 nowSecs)
{
    return CatchupAddress::isAvailable(channel, {p.start, p.stop, nowSecs});
}

int CatchupSession::neighbour(int step, qint64 nowSecs) const
{
    if (!active || step == 0)
        return -1;
    const int at = playing + step;
    if (at < 0 || at >= list.size() || !isPlayable(playingChannel, list[at], nowSecs))
        return -1;
    return at;
}

bool CatchupSession::select(int at, qint64 nowSecs)
{
    if (!active || at < 0 || at >= list.size() || !isPlayable(playingChannel, list[at], nowSecs))
        return false;
    playing = at;
    streamStartSecs = floorMinute(list[playing].start);
    return true;
}

CatchupWindow CatchupSession::streamFrom(qint64 offsetMs, qint64 nowSecs)
{
    const GuideProgramme& p = programme();
    const qint64 latest = std::max(p.start, std::min(p.stop, nowSecs - kLiveEdgeSecs) - 1);
    const qint64 wanted = std::clamp(p.start + offsetMs / 1000, p.start, latest);
    streamStartSecs = floorMinute(wanted);
    return currentWindow(nowSecs);
}

CatchupWindow CatchupSession::currentWindow(qint64 nowSecs) const
{
    return {streamStartSecs, programme().stop, nowSecs};
}

qint64 CatchupSession::lengthMs() const
{
    return active ? (programme().stop - programme().start) * 1000 : 0;
}

qint64 CatchupSession::positionMs(qint64 streamMs) const
{
    if (!active)
        return 0;
    const qint64 at = (streamStartSecs - programme().start) * 1000 + std::max<qint64>(streamMs, 0);
    return std::clamp<qint64>(at, 0, lengthMs());
}

qint64 CatchupSession::seekTargetMs(qint64 streamMs, qint64 deltaMs) const
{
    const qint64 startMs = programme().start * 1000;
    const qint64 target = startMs + positionMs(streamMs) + deltaMs;
    const qint64 minuteMs = kMinuteSecs * 1000;
    qint64 boundary = target - ((target % minuteMs) + minuteMs) % minuteMs;
    if (deltaMs > 0 && boundary < target)
        boundary += minuteMs;
    return std::clamp<qint64>(boundary - startMs, 0, lengthMs());
}
