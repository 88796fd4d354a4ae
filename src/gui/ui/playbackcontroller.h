#pragma once

#include "model/mediaitem.h"
#include "player/streamconnections.h"

#include <QObject>
#include <QString>

#include <functional>

class CatalogSession;
class CatchupPlayback;
class ClickToSeekSlider;
class LibraryFlow;
class LiveBufferTuner;
class QLabel;
class QSlider;
class QWidget;
class ReconnectSchedule;
class VlcPlayer;

// Starting a stream in the player panel: an item of the catalog, the same stream again after a
// failure, or a programme from the archive; and what is playing now.
class PlaybackController final : public QObject
{
    Q_OBJECT

public:
    // What starting a stream touches; set once the window has built them.
    struct Parts
    {
        const CatalogSession* session = nullptr;
        VlcPlayer* player = nullptr;
        LiveBufferTuner* liveBufferTuner = nullptr;
        CatchupPlayback* catchup = nullptr;
        LibraryFlow* libraryFlow = nullptr;
        ReconnectSchedule* reconnect = nullptr;
        QWidget* playerPanel = nullptr;
        QLabel* nowPlayingLabel = nullptr;
        ClickToSeekSlider* seekSlider = nullptr;
        QLabel* timeLabel = nullptr;
        QSlider* volumeSlider = nullptr;
        StreamConnections* connections = nullptr; // the player's stream counts against the limit
        std::function<void()> updatePlayerChrome;
        std::function<void()> updateNextEpisodeButton;
        // Whatever played before lets go: called once a new stream has its connection.
        std::function<void()> beforeStart;
        // Plays a file still being written on as it grows; false when `url` is no such file.
        std::function<bool(const QString& url)> playGrowing;
    };

    explicit PlaybackController(QObject* parent);
    void attach(Parts parts);

    void playMediaItem(const MediaItem& item);
    void replayCurrentStream();
    void playCatchupStream(const QString& url, const QString& title);
    bool isSeekable() const;
    int currentLiveCachingMs() const;
    // Nothing plays any more: the stream stops counting against the server's limit.
    void releaseStream();

    // Whether a live channel or a programme from the archive plays: what the guide is about.
    bool playsFromGuide() const { return currentKind == MediaItem::Live || fromArchive; }

    bool hasMedia = false;
    bool fromArchive = false; // a programme from the archive (it plays as a movie)
    int currentKind = MediaItem::Live;
    QString currentUrl;
    QString currentTitle;
    QString currentChannelKey;
    MediaItem
        currentItem; // the catalog's item chosen last (a catch-up programme keeps its channel)

signals:
    // Another stream began: an item, or a programme from the archive.
    void started();

private:
    // The connection for a new stream of `title`; false (and the user told) when the server
    // has no more to give. Whatever plays now goes on then.
    bool takeConnection(const QString& title);

    Parts p;
    StreamConnections::Lease lease;
    QString leaseServer;
};
