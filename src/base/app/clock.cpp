#include "app/clock.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <algorithm>
#include <atomic>

namespace {
std::atomic<bool> fakeActive{false};
std::atomic<qint64> fakeEpochMs{0};
std::atomic<qint64> fakeMonotonicMs{0};
std::atomic<int> waitDivisor{1};

const QElapsedTimer& processTimer()
{
    static const QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}
} // namespace

qint64 Clock::epochMs()
{
    if (fakeActive.load())
        return fakeEpochMs.load();
    return QDateTime::currentMSecsSinceEpoch();
}

qint64 Clock::epochSecs()
{
    if (fakeActive.load())
        return fakeEpochMs.load() / 1000;
    return QDateTime::currentSecsSinceEpoch();
}

qint64 Clock::monotonicMs()
{
    if (fakeActive.load())
        return fakeMonotonicMs.load();
    return processTimer().elapsed();
}

void Clock::setFake(qint64 epochMs)
{
    fakeEpochMs = epochMs;
    fakeMonotonicMs = 1'000'000;
    fakeActive = true;
}

void Clock::advanceFake(qint64 ms)
{
    fakeEpochMs += ms;
    fakeMonotonicMs += ms;
}

void Clock::clearFake()
{
    fakeActive = false;
}

bool Clock::isFake()
{
    return fakeActive.load();
}

int Clock::waitMs(int ms)
{
    if (ms <= 0)
        return ms;
    return std::max(1, ms / waitDivisor.load());
}

void Clock::setTimeScale(int factor)
{
    waitDivisor = std::max(1, factor);
}

int Clock::timeScale()
{
    return waitDivisor.load();
}
