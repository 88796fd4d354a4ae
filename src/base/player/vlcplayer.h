#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include "player/stalltracker.h"
#include "player/vlchandles.h"

#include <atomic>
#include <functional>
#include <memory>

class GrowingFileMedia;
class GrowingSource;
class QTimer;
class VlcEngine;
struct libvlc_event_t;

// The one object through which the program plays a stream: a media player on the shared libVLC
// instance (VlcEngine) drawing into a native window, its events and log turned into Qt signals.
// It knows no widget: the window comes from a callback (see ui/videosurface.h).
//
// Threads: libVLC calls the event and log callbacks on its own threads. Those only read the
// atomics (`live`, `liveCachingMs`, `viewing`) and post what they saw to the GUI thread, tagged
// with the viewing it belongs to; there a report about a stream since replaced or stopped is
// dropped, so it cannot be taken for the new one. Every signal is emitted on the GUI thread. The
// callbacks never call back into libVLC (that can deadlock against a stop), so the end of a
// movie, which needs its time and length, is judged on the GUI thread too.
class VlcPlayer final : public QObject
{
    Q_OBJECT

public:
    // The native window id to draw into, asked for at each (re)attach; 0 draws nowhere.
    using VideoWindow = std::function<quintptr()>;

    explicit VlcPlayer(VideoWindow videoWindow, QObject* parent = nullptr);
    VlcPlayer(std::shared_ptr<VlcEngine> engine, VideoWindow videoWindow,
              QObject* parent = nullptr);
    ~VlcPlayer() override;

    void reattach();

    void play(const QString& url, bool isLive, int cachingMs);
    // Plays bytes still being written (a running recording, the pause buffer) from `fromOffset`;
    // it plays on as they grow. Its time counts from that offset.
    void playGrowing(std::shared_ptr<GrowingSource> source, qint64 fromOffset);
    void stop();
    void pause();
    void togglePause();
    bool isPlaying() const;

    void setVolume(int volume);
    int volume() const;
    // Sound off without touching the volume; kept across streams.
    void setMuted(bool muted);
    bool isMuted() const;
    // Options added to every stream started from now on (e.g. a lighter decode).
    void setExtraMediaOptions(const QList<QByteArray>& options);
    qint64 lengthMs() const;
    qint64 timeMs() const;
    void seek(qint64 ms);
    void seekRelative(qint64 deltaMs);

    bool hasSubtitles() const;
    bool subtitlesEnabled() const;
    void setSubtitlesEnabled(bool on);
    int currentSubtitleTrack() const;
    void setSubtitleTrack(int id);
    int currentAudioTrack() const;
    void setAudioTrack(int id);
    QList<QPair<int, QString>> audioTracks() const;
    QList<QPair<int, QString>> subtitleTracks() const;
    void loadSubtitleFile(const QString& path);
    QString mediaInfoText() const;

    void resetStallTracking();

signals:
    void playbackError(const QString& message);
    void playbackInterrupted(const QString& reason);
    void playbackProgressing();
    void liveDelayShortfall(int neededMs);
    void playing();
    void stopped();
    void pausedChanged(bool paused);
    void positionChanged(qint64 currentMs, qint64 totalMs);
    // A movie or other finite stream played to its end.
    void ended();

private:
    void attachToWindow();
    // Hands `media` to libVLC and starts it; `label` names it in messages.
    void startMedia(VlcMedia media, bool isLive, int cachingMs, const QString& label);
    void cancelGrowing();
    void checkPlaybackProgress();
    void checkMovieEnd();
    // From libVLC's threads: runs `report` on the GUI thread unless the viewing has changed.
    template <typename Report>
    void postForThisViewing(Report report, const char* what);
    QList<QPair<int, QString>> tracksOf(libvlc_track_description_t* list) const;

    void endEngineViewing();
    static void handleVlcEvent(const libvlc_event_t* event, void* data);
    static void handleVlcEndReached(const libvlc_event_t* event, void* data);

    std::shared_ptr<VlcEngine> engine;
    VlcMediaPlayer mediaPlayer;
    std::unique_ptr<GrowingFileMedia> growing; // what libVLC reads while a growing media plays
    VideoWindow videoWindow;
    QTimer* progressTimer = nullptr;
    int lastSubtitleTrack = -1;
    std::atomic<bool> live{false};
    std::atomic<int> liveCachingMs{0};
    // Counts the streams started and stopped: the one libVLC's callbacks are reporting about.
    std::atomic<quint64> viewing{0};
    quint64 engineViewing = 0; // this player's stream as the engine counts it
    bool muted = false;
    QList<QByteArray> extraOptions;
    StallTracker stallTracking; // lastTimeMs, stallTicks, sawProgress
};
