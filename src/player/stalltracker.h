#pragma once

#include <QString>
#include <QtGlobal>

// The rule behind the player's progress check, free of libVLC so it can be driven tick by tick.
// Fed every tick with what libVLC reports; answers what the player should emit. A stream counts
// as stalled only after its time has moved forward at least once and then stayed put, while
// libVLC still calls it playing, for the caching value plus 10 s (at least 15 s).
class StallTracker final
{
public:
    static constexpr int kTickMs = 500;

    struct Outcome
    {
        bool position = false; // emit positionChanged(currentMs, totalMs)
        qint64 currentMs = 0;
        qint64 totalMs = 0;
        bool progressing = false; // emit playbackProgressing()
        bool stalled = false;     // emit playbackInterrupted(stallMessage)
        QString stallMessage;
    };

    Outcome tick(bool isPlaying, qint64 timeMs, qint64 lengthMs, int cachingMs);
    void reset();

    // Milliseconds of frozen time that count as a stall for a stream started with `cachingMs`.
    static int thresholdMs(int cachingMs);
    static QString stallMessage(int thresholdMs);

    qint64 lastTime() const { return lastTimeMs; }
    int frozenTicks() const { return stallTicks; }
    bool hasSeenProgress() const { return sawProgress; }

private:
    qint64 lastTimeMs = -1;
    int stallTicks = 0;
    bool sawProgress = false;
};
