#include "player/reconnectschedule.h"

#include "app/clock.h"
#include "ui/playbacktext.h"

#include <QTimer>

ReconnectSchedule::ReconnectSchedule(QObject* parent)
    : QObject(parent)
    , waitTimer(new QTimer(this))
{
    waitTimer->setSingleShot(true);
    connect(waitTimer, &QTimer::timeout, this, &ReconnectSchedule::due);
}

int ReconnectSchedule::interrupted()
{
    ++attemptCount;
    waitTimer->start(Clock::waitMs(reconnectDelayMs(attemptCount)));
    return attemptCount;
}

void ReconnectSchedule::progressing()
{
    if (attemptCount > 0) {
        waitTimer->stop();
        attemptCount = 0;
    }
}

void ReconnectSchedule::cancel()
{
    waitTimer->stop();
    attemptCount = 0;
}

void ReconnectSchedule::stopWaiting()
{
    waitTimer->stop();
}
