#include "library/watchrules.h"

#include <algorithm>

namespace watchrules {

bool reachesEnd(qint64 positionMs, qint64 durationMs)
{
    return durationMs > 0 && double(positionMs) >= double(durationMs) * kWatchedShare;
}

qint64 resumePositionMs(const WatchState& state)
{
    if (state.positionMs <= kResumeAfterMs || reachesEnd(state.positionMs, state.durationMs))
        return 0;
    return state.positionMs;
}

int progressPercent(const WatchState& state)
{
    if (state.durationMs <= 0 || resumePositionMs(state) == 0)
        return 0;
    return int(std::clamp<qint64>(state.positionMs * 100 / state.durationMs, 1, 99));
}

int nextEpisodeIndex(const QStringList& episodeIds, const QHash<QString, WatchState>& states)
{
    int latest = -1;
    qint64 latestAt = 0;
    for (int i = 0; i < episodeIds.size(); ++i) {
        const auto it = states.constFind(episodeIds[i]);
        if (it != states.cend() && it->updatedAt > latestAt) {
            latest = i;
            latestAt = it->updatedAt;
        }
    }
    if (latest < 0)
        return episodeIds.isEmpty() ? -1 : 0;
    const WatchState& last = states[episodeIds[latest]];
    if (resumePositionMs(last) > 0 || !last.watched)
        return latest;
    const auto unwatched = [&](int i) { return !states.value(episodeIds[i]).watched; };
    for (int i = latest + 1; i < episodeIds.size(); ++i) {
        if (unwatched(i))
            return i;
    }
    for (int i = 0; i < latest; ++i) {
        if (unwatched(i))
            return i;
    }
    return 0;
}

int previousChannelIndex(const QStringList& recentIds, const QString& currentId)
{
    if (recentIds.isEmpty())
        return -1;
    if (recentIds.first() != currentId)
        return 0;
    return recentIds.size() > 1 ? 1 : -1;
}

} // namespace watchrules
