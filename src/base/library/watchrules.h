#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QtGlobal>

// Where a movie or episode was left, as the library keeps it.
struct WatchState
{
    qint64 positionMs = 0; // 0 once watched to the end
    qint64 durationMs = 0;
    bool watched = false; // reached the end at least once
    qint64 updatedAt = 0; // epoch ms of the last save; 0 = never played
};

namespace watchrules {

constexpr qint64 kResumeAfterMs = 30000; // earlier stops start from the beginning again
constexpr double kWatchedShare = 0.95;   // from here on it counts as watched
constexpr int kSaveIntervalMs = 10000;   // positions are saved this often while playing
constexpr int kRecentChannels = 20;      // recent channels kept per server

bool reachesEnd(qint64 positionMs, qint64 durationMs);
// Where to start playing again; 0 = from the beginning.
qint64 resumePositionMs(const WatchState& state);
// 0 to 100 for a poster's progress bar; 0 when there is nothing to resume.
int progressPercent(const WatchState& state);

// Which episode "Continue Watching" plays, given the series' episodes in playing order: the one
// watched last when it was left unfinished, else the first unwatched one after it (else the
// first unwatched one at all, else the first).
int nextEpisodeIndex(const QStringList& episodeIds, const QHash<QString, WatchState>& states);

// The channel Backspace goes back to: index into `recentIds` (most recent first), -1 for none.
int previousChannelIndex(const QStringList& recentIds, const QString& currentId);

} // namespace watchrules
