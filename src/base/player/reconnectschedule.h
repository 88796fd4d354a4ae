#pragma once

#include <QObject>

class QTimer;

// When a live channel that stopped is tried again: after 1, 2, 4, 8 and then every 15 seconds,
// counting attempts until playback moves again. Waits go through the clock's time scale.
class ReconnectSchedule final : public QObject
{
    Q_OBJECT

public:
    explicit ReconnectSchedule(QObject* parent = nullptr);

    // Counts one more attempt and starts waiting for it; returns the attempt's number.
    int interrupted();
    // Playback moves again: a pending attempt is dropped and the count returns to 0.
    void progressing();
    // Something else plays, or the channel is tried now: nothing stays pending.
    void cancel();
    void stopWaiting();

    int attempts() const { return attemptCount; }
    QTimer* timer() const { return waitTimer; }

signals:
    void due();

private:
    QTimer* waitTimer = nullptr;
    int attemptCount = 0;
};
