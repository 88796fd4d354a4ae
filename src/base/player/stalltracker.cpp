#include "player/stalltracker.h"

#include <QCoreApplication>

#include <algorithm>

StallTracker::Outcome StallTracker::tick(bool isPlaying, qint64 timeMs, qint64 lengthMs,
                                         int cachingMs, bool underway)
{
    Outcome out;
    const int thresholdTicks = thresholdMs(cachingMs) / kTickMs;
    auto reportStall = [&] {
        out.stalled = true;
        out.stallMessage = stallMessage(thresholdMs(cachingMs));
    };

    if (!isPlaying) {
        // paused, buffering towards a stop, ended or never started: no frozen time counts
        forgetTime();
    } else {
        out.position = true;
        out.currentMs = timeMs;
        out.totalMs = lengthMs;
        if (timeMs != lastTimeMs) {
            // a jump backwards (seek back) is not progress, but keeps what was seen before
            if (lastTimeMs >= 0 && lastTimeMs < timeMs) {
                sawProgress = true;
                watchingStart = false;
                out.progressing = true;
            }
            lastTimeMs = timeMs;
            stallTicks = 0;
        } else if (sawProgress && ++stallTicks >= thresholdTicks) {
            forgetTime(); // the next report needs fresh forward movement first
            reportStall();
        }
    }

    if (watchingStart && (isPlaying || underway) && ++startTicks >= thresholdTicks) {
        watchingStart = false; // reported once per start; a restart watches again
        reportStall();
    }
    return out;
}

void StallTracker::start(bool live)
{
    reset();
    watchingStart = live;
}

void StallTracker::reset()
{
    forgetTime();
    watchingStart = false;
    startTicks = 0;
}

void StallTracker::forgetTime()
{
    lastTimeMs = -1;
    stallTicks = 0;
    sawProgress = false;
}

int StallTracker::thresholdMs(int cachingMs)
{
    // 64-bit on the way, so an absurd caching value cannot overflow
    const qint64 threshold = std::max<qint64>(qint64(cachingMs) + 10000, 15000);
    return int(std::min<qint64>(threshold, 24LL * 3600 * 1000));
}

QString StallTracker::stallMessage(int thresholdMs)
{
    return QCoreApplication::translate("StallTracker",
                                       "The stream stopped advancing for %1 seconds.")
        .arg(thresholdMs / 1000);
}
