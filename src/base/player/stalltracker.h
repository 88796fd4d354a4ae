#pragma once

#include <QString>
#include <QtGlobal>

// The rule behind the player's progress check, free of libVLC so it can be driven tick by tick.
// Fed every tick with what libVLC reports; answers what the player should emit. A stream counts
// as stalled after its time has moved forward at least once and then stayed put, while libVLC
// still calls it playing, for the caching value plus 10 s (at least 15 s). A live stream also
// counts as stalled when it has not moved forward that long after it was started, for as long
// as libVLC is still working on it (opening, buffering, playing): a server that accepts the
// connection and then sends nothing would otherwise keep the channel "playing" for ever.
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

    // `underway`: libVLC is opening, buffering or playing the stream (not paused, stopped,
    // ended or failed).
    Outcome tick(bool isPlaying, qint64 timeMs, qint64 lengthMs, int cachingMs,
                 bool underway = false);
    // A stream was (re)started; only a live one is watched for never getting going.
    void start(bool live);
    void reset();

    // Milliseconds of frozen time that count as a stall for a stream started with `cachingMs`.
    static int thresholdMs(int cachingMs);
    static QString stallMessage(int thresholdMs);

    qint64 lastTime() const { return lastTimeMs; }
    int frozenTicks() const { return stallTicks; }
    bool hasSeenProgress() const { return sawProgress; }

private:
    void forgetTime();

    qint64 lastTimeMs = -1;
    int stallTicks = 0;
    bool sawProgress = false;
    bool watchingStart = false; // a live start that has not advanced yet
    int startTicks = 0;
};
