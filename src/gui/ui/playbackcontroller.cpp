// Starting streams: an item of the catalog, a replay after a failure, a programme from the archive.
#include "ui/playbackcontroller.h"

#include "catchup/catchupplayback.h"
#include "player/livebuffertuner.h"
#include "player/reconnectschedule.h"
#include "player/streamaddress.h"
#include "player/vlcplayer.h"
#include "ui/catalogsession.h"
#include "ui/clicktoseekslider.h"
#include "ui/libraryflow.h"

#include "app/messagebox.h"

#include <QLabel>
#include <QLocale>
#include <QSlider>

#include <utility>

PlaybackController::PlaybackController(QObject* parent)
    : QObject(parent)
{}

void PlaybackController::attach(Parts parts)
{
    p = std::move(parts);
}

bool PlaybackController::isSeekable() const
{
    return currentKind == MediaItem::Movie || currentKind == MediaItem::SeriesEpisode;
}

void PlaybackController::playMediaItem(const MediaItem& item)
{
    const QString url = streamAddress(item, p.session->activeSource, p.session->xtreamClient);
    if (url.isEmpty() || !takeConnection(item.name))
        return;
    if (p.beforeStart)
        p.beforeStart();

    p.reconnect->cancel();
    p.catchup->end();
    p.libraryFlow->libraryBeginPlay(item);
    currentKind = item.type;
    fromArchive = false;
    currentItem = item;
    currentUrl = url;
    currentTitle = item.name;
    if (item.type != MediaItem::Live) {
        currentChannelKey.clear();
        p.liveBufferTuner->endViewing();
    } else {
        currentChannelKey = LiveBufferTuner::channelKey(p.session->activeSource.name,
                                                        item.id.isEmpty() ? url : item.id);
        p.liveBufferTuner->beginViewing(currentChannelKey);
    }

    hasMedia = true;
    p.seekSlider->setRange(0, 0);
    p.timeLabel->setText(QStringLiteral("00:00 / 00:00"));
    p.updatePlayerChrome();
    p.updateNextEpisodeButton();
    p.nowPlayingLabel->setText(tr("Playing: %1").arg(item.name));

    if (item.type == MediaItem::Live || !p.playGrowing || !p.playGrowing(url))
        p.player->play(url, item.type == MediaItem::Live, currentLiveCachingMs());
    p.player->setVolume(p.volumeSlider->value());
    p.playerPanel->setFocus(Qt::OtherFocusReason);
    emit started();
}

void PlaybackController::replayCurrentStream()
{
    if (currentUrl.isEmpty())
        return;
    p.reconnect->stopWaiting();
    if (p.catchup->retry())
        return;
    if (p.beforeStart)
        p.beforeStart();
    p.libraryFlow->libraryReplay();
    hasMedia = true;
    p.updatePlayerChrome();
    p.nowPlayingLabel->setText(tr("Playing: %1").arg(currentTitle));
    const bool live = currentKind == MediaItem::Live;
    if (live || !p.playGrowing || !p.playGrowing(currentUrl))
        p.player->play(currentUrl, live, currentLiveCachingMs());
    p.player->setVolume(p.volumeSlider->value());
}

void PlaybackController::playCatchupStream(const QString& url, const QString& title)
{
    // A programme from the archive plays like a movie: seekable, Retry on failure, no reconnects
    // and no live buffer; its place in the programme is the catch-up's, not the library's.
    if (!takeConnection(title))
        return;
    if (p.beforeStart)
        p.beforeStart();
    p.reconnect->cancel();
    p.libraryFlow->libraryEndViewing();
    if (title != currentTitle) { // another programme, not a seek within this one
        p.seekSlider->setRange(0, 0);
        p.timeLabel->setText(QStringLiteral("00:00 / 00:00"));
    }
    currentKind = MediaItem::Movie;
    fromArchive = true;
    currentUrl = url;
    currentTitle = title;
    currentChannelKey.clear();
    p.liveBufferTuner->endViewing();
    hasMedia = true;
    p.updatePlayerChrome();
    p.updateNextEpisodeButton();
    p.nowPlayingLabel->setText(tr("Playing: %1").arg(title));
    p.player->play(url, false, 0);
    p.player->setVolume(p.volumeSlider->value());
    p.playerPanel->setFocus(Qt::OtherFocusReason);
    emit started();
}

int PlaybackController::currentLiveCachingMs() const
{
    return currentChannelKey.isEmpty() ? 0 : p.liveBufferTuner->cachingMsFor(currentChannelKey);
}

bool PlaybackController::takeConnection(const QString& title)
{
    if (!p.connections)
        return true;
    const QString server = p.session->activeSource.name;
    // The stream playing now gives its connection to the next one of the same server.
    const bool ownsOne = lease.isValid() && leaseServer == server;
    if (!ownsOne && !p.connections->canOpen(server)) {
        const int limit = p.connections->limit(server);
        MessageBox::warning(
            p.playerPanel, tr("Too Many Streams"),
            tr("%1 was not started: this server allows %n stream(s) at once, and all are in use "
               "(%2).",
               nullptr, limit)
                .arg(title, QLocale().createSeparatedList(p.connections->holders(server))));
        return false;
    }
    lease.release();
    lease = p.connections->acquire(server, tr("Playing: %1").arg(title));
    leaseServer = server;
    return true;
}

void PlaybackController::releaseStream()
{
    lease.release();
}
