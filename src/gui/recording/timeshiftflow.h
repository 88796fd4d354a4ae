#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class ClickToSeekSlider;
class GrowingSource;
class PlaybackController;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;
class ReconnectSchedule;
class TimeShiftBuffer;
class VlcPlayer;

// Pausing live TV and playing what is still being written. Space on a live channel keeps its
// picture, stops the player's connection and lets the channel arrive into a TimeShiftBuffer on
// the same connection slot; Space again plays the buffer from where it paused. While behind
// live the seek bar spans the buffer, Left/Right step through it, "Live" (L, End) returns to the
// present and drops the buffer. A recording that still runs plays the same way, on as it grows.
class TimeShiftFlow final : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        QWidget* window = nullptr;
        QWidget* playerPanel = nullptr;
        QWidget* videoWidget = nullptr;
        QWidget* controlsRow = nullptr;
        ClickToSeekSlider* seekSlider = nullptr;
        QLabel* timeLabel = nullptr;
        VlcPlayer* player = nullptr;
        PlaybackController* playback = nullptr;
        ReconnectSchedule* reconnect = nullptr;
        std::function<void()> updatePlayerChrome;
        // Whether `path` is a recording still running, and since when (epoch ms).
        std::function<bool(const QString& path, qint64* startedAtMs)> runningRecording;
        std::function<qint64()> bufferLimitMs;
    };

    TimeShiftFlow(Parts parts, QObject* parent);
    ~TimeShiftFlow() override;

    // Behind a live channel, or playing a growing recording: seeking is this flow's.
    bool isActive() const { return mode != Mode::Off; }
    bool isBehindLive() const { return mode == Mode::Paused || mode == Mode::Shifted; }

    // Space. False when it is not this flow's to handle (the player toggles as always).
    bool togglePause();
    void seekBy(qint64 deltaMs);
    void seekTo(qint64 sliderValue);
    void goLive();
    // The buffer or the growing file is left: another stream starts, or nothing plays.
    void drop();
    // Plays `url` on as it grows when it is a running recording; false otherwise.
    bool playGrowingRecording(const QString& url);
    // The time-shifted picture failed: the channel plays live again.
    void playbackFailed();

    QString bufferFolder() const;

signals:
    void changed();

private:
    enum class Mode
    {
        Off,
        Paused,    // the buffer fills, the player shows the still
        Shifted,   // the buffer plays, behind live
        Recording, // a running recording plays
    };

    void pauseLive();
    void playFrom(qint64 ms);
    qint64 positionMs() const;
    qint64 startMs() const;
    qint64 endMs() const;
    void tick();
    void showStill(bool on);
    void enter(Mode next);
    bool eventFilter(QObject* watched, QEvent* event) override;

    Parts p;
    Mode mode = Mode::Off;
    TimeShiftBuffer* buffer = nullptr;
    std::shared_ptr<GrowingSource> source;
    QPushButton* liveButton = nullptr;
    QLabel* still = nullptr;
    QTimer* ticker = nullptr;
    qint64 baseMs = 0; // where the media now playing starts on the time line
    // A running recording: its file, its bytes known, when it started on the monotonic clock.
    QString recordingPath;
    qint64 recordingKnown = 0;
    qint64 recordingStartMs = 0;
};
