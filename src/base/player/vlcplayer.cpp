#include "player/vlcplayer.h"

#include "app/clock.h"
#include "app/logmasking.h"
#include "app/netlogstream.h"
#include "player/growingfilemedia.h"
#include "player/growingsource.h"
#include "player/mediainfotext.h"
#include "player/vlcengine.h"

#include <QMetaObject>
#include <QTimer>
#include <QUrl>

#include <vlc/vlc.h>

#include <utility>

VlcPlayer::VlcPlayer(VideoWindow videoWindow, QObject* parent)
    : VlcPlayer(VlcEngine::create(), std::move(videoWindow), parent)
{}

VlcPlayer::VlcPlayer(std::shared_ptr<VlcEngine> sharedEngine, VideoWindow videoWindow,
                     QObject* parent)
    : QObject(parent)
    , engine(std::move(sharedEngine))
    , videoWindow(std::move(videoWindow))
{
    if (engine->instance())
        mediaPlayer.reset(libvlc_media_player_new(engine->instance()));
    if (mediaPlayer) {
        libvlc_event_manager_t* events = libvlc_media_player_event_manager(mediaPlayer.get());
        libvlc_event_attach(events, libvlc_MediaPlayerEncounteredError, &VlcPlayer::handleVlcEvent,
                            this);
        libvlc_event_attach(events, libvlc_MediaPlayerEndReached, &VlcPlayer::handleVlcEndReached,
                            this);
        // Clicks and keys on the picture reach the window (focus, double-click), not libVLC.
        libvlc_video_set_mouse_input(mediaPlayer.get(), 0);
        libvlc_video_set_key_input(mediaPlayer.get(), 0);
    }
    attachToWindow();
    connect(engine.get(), &VlcEngine::liveDelayShortfall, this, [this](quint64 of, int neededMs) {
        if (of != 0 && of == engineViewing)
            emit liveDelayShortfall(neededMs);
    });

    progressTimer = new QTimer(this);
    progressTimer->setInterval(Clock::waitMs(StallTracker::kTickMs));
    connect(progressTimer, &QTimer::timeout, this, &VlcPlayer::checkPlaybackProgress);
    progressTimer->start();
}

VlcPlayer::~VlcPlayer()
{
    // Stopping joins libVLC's threads, so no callback runs once the handles are gone.
    cancelGrowing();
    if (mediaPlayer) {
        libvlc_media_player_stop(mediaPlayer.get());
        mediaPlayer.reset();
    }
    growing.reset();
    endEngineViewing();
}

void VlcPlayer::cancelGrowing()
{
    // A read waiting for bytes would hold up the stop that follows.
    if (growing)
        growing->cancel();
}

void VlcPlayer::endEngineViewing()
{
    if (engineViewing != 0)
        engine->viewingEnded(std::exchange(engineViewing, 0));
}

void VlcPlayer::attachToWindow()
{
    if (!mediaPlayer || !videoWindow)
        return;
    const quintptr window = videoWindow();
    if (window == 0)
        return;
#if defined(Q_OS_WIN)
    libvlc_media_player_set_hwnd(mediaPlayer.get(), reinterpret_cast<void*>(window));
#elif defined(Q_OS_MACOS)
    libvlc_media_player_set_nsobject(mediaPlayer.get(), reinterpret_cast<void*>(window));
#else
    libvlc_media_player_set_xwindow(mediaPlayer.get(), uint32_t(window));
#endif
}

void VlcPlayer::reattach()
{
    attachToWindow();
}

void VlcPlayer::play(const QString& url, bool isLive, int cachingMs)
{
    if (!mediaPlayer)
        return;
    if (netDebugEnabled())
        NetLogStream() << "[VLC] play ->" << maskStreamUrl(url);

    VlcMedia media(libvlc_media_new_location(engine->instance(), url.toUtf8().constData()));
    if (!media) {
        emit playbackError(tr("Could not create media for URL: %1").arg(url));
        return;
    }
    libvlc_media_add_option(media.get(), ":http-user-agent=Mozilla/5.0");
    if (cachingMs > 0) {
        const QByteArray caching = ":network-caching=" + QByteArray::number(cachingMs);
        libvlc_media_add_option(media.get(), caching.constData());
    }
    cancelGrowing();
    startMedia(std::move(media), isLive, cachingMs, url);
    growing.reset();
}

void VlcPlayer::playGrowing(std::shared_ptr<GrowingSource> source, qint64 fromOffset)
{
    if (!mediaPlayer || !source)
        return;
    auto next =
        std::make_unique<GrowingFileMedia>(engine->instance(), std::move(source), fromOffset);
    if (!next->get()) {
        emit playbackError(tr("Could not create media for a file being written."));
        return;
    }
    libvlc_media_retain(next->get()); // one reference for the player, one for `next`
    VlcMedia media(next->get());
    cancelGrowing();
    startMedia(std::move(media), false, 0, QString());
    // The previous growing media is no longer read once libVLC has the new one.
    growing = std::move(next);
}

void VlcPlayer::startMedia(VlcMedia media, bool isLive, int cachingMs, const QString& label)
{
    live.store(isLive);
    liveCachingMs.store(cachingMs);
    stallTracking.start(isLive);

    for (const QByteArray& option : std::as_const(extraOptions))
        libvlc_media_add_option(media.get(), option.constData());
    // Setting the media ends the previous stream's input and waits for its callbacks, so every
    // report about it is already tagged with the previous viewing.
    libvlc_media_player_set_media(mediaPlayer.get(), media.get());
    media.reset(); // the player holds its own reference
    ++viewing;
    endEngineViewing();
    engineViewing = engine->newViewing();
    engine->viewingStarted(engineViewing, isLive, cachingMs);

    attachToWindow(); // the native window may have been recreated since
    // The stall rule counts ticks, so a shortened tick shortens the stall limit with it.
    if (progressTimer->interval() != Clock::waitMs(StallTracker::kTickMs))
        progressTimer->setInterval(Clock::waitMs(StallTracker::kTickMs));
    // The input libVLC creates in this call is noted, so its log lines are this player's.
    engine->startCallBegins();
    const int started = libvlc_media_player_play(mediaPlayer.get());
    engine->startCallEnded(engineViewing);
    if (started == 0) {
        libvlc_audio_set_mute(mediaPlayer.get(), muted ? 1 : 0);
        emit playing();
        emit pausedChanged(false);
    } else {
        emit playbackError(label.isEmpty() ? tr("Playback failed to start.")
                                           : tr("Playback failed to start for: %1").arg(label));
    }
}

void VlcPlayer::stop()
{
    if (!mediaPlayer)
        return;
    resetStallTracking();
    cancelGrowing();
    libvlc_media_player_stop(mediaPlayer.get());
    ++viewing;
    endEngineViewing();
    emit stopped();
}

void VlcPlayer::pause()
{
    if (!mediaPlayer)
        return;
    libvlc_media_player_set_pause(mediaPlayer.get(), 1);
    emit pausedChanged(true);
}

void VlcPlayer::togglePause()
{
    if (!mediaPlayer)
        return;
    // libVLC pauses when it reports playing and resumes otherwise; its state follows later,
    // on its own thread, so the new state is the opposite of the one the toggle acted on.
    const bool wasPlaying = isPlaying();
    libvlc_media_player_pause(mediaPlayer.get());
    emit pausedChanged(wasPlaying);
}

bool VlcPlayer::isPlaying() const
{
    return mediaPlayer && libvlc_media_player_is_playing(mediaPlayer.get()) != 0;
}

void VlcPlayer::setVolume(int volume)
{
    if (mediaPlayer)
        libvlc_audio_set_volume(mediaPlayer.get(), volume);
}

int VlcPlayer::volume() const
{
    return mediaPlayer ? libvlc_audio_get_volume(mediaPlayer.get()) : 0;
}

void VlcPlayer::setMuted(bool on)
{
    muted = on;
    if (mediaPlayer)
        libvlc_audio_set_mute(mediaPlayer.get(), on ? 1 : 0);
}

bool VlcPlayer::isMuted() const
{
    // libVLC answers -1 while no audio output exists; the wish is what the next output gets.
    const int state = mediaPlayer ? libvlc_audio_get_mute(mediaPlayer.get()) : -1;
    return state < 0 ? muted : state != 0;
}

void VlcPlayer::setExtraMediaOptions(const QList<QByteArray>& options)
{
    extraOptions = options;
}

qint64 VlcPlayer::lengthMs() const
{
    return mediaPlayer ? libvlc_media_player_get_length(mediaPlayer.get()) : 0;
}

qint64 VlcPlayer::timeMs() const
{
    return mediaPlayer ? libvlc_media_player_get_time(mediaPlayer.get()) : 0;
}

void VlcPlayer::seek(qint64 ms)
{
    if (mediaPlayer)
        libvlc_media_player_set_time(mediaPlayer.get(), ms);
}

void VlcPlayer::seekRelative(qint64 deltaMs)
{
    if (!mediaPlayer)
        return;
    const qint64 t = timeMs();
    const qint64 length = lengthMs();
    qint64 target = std::max<qint64>(t + deltaMs, 0);
    if (length > 0) {
        target = std::min(target, length - 1000);
        target = std::max<qint64>(target, 0);
    }
    libvlc_media_player_set_time(mediaPlayer.get(), target);
}

bool VlcPlayer::hasSubtitles() const
{
    return mediaPlayer && libvlc_video_get_spu_count(mediaPlayer.get()) > 0;
}

bool VlcPlayer::subtitlesEnabled() const
{
    return mediaPlayer && libvlc_video_get_spu(mediaPlayer.get()) != -1;
}

void VlcPlayer::setSubtitlesEnabled(bool on)
{
    if (!mediaPlayer)
        return;
    if (!on) {
        lastSubtitleTrack = libvlc_video_get_spu(mediaPlayer.get());
        libvlc_video_set_spu(mediaPlayer.get(), -1);
        return;
    }
    if (lastSubtitleTrack >= 0) {
        libvlc_video_set_spu(mediaPlayer.get(), lastSubtitleTrack);
        return;
    }
    const VlcTrackDescriptions list(libvlc_video_get_spu_description(mediaPlayer.get()));
    if (list && list->i_id >= 0)
        libvlc_video_set_spu(mediaPlayer.get(), list->i_id);
}

int VlcPlayer::currentSubtitleTrack() const
{
    return mediaPlayer ? libvlc_video_get_spu(mediaPlayer.get()) : -1;
}

void VlcPlayer::setSubtitleTrack(int id)
{
    if (!mediaPlayer)
        return;
    libvlc_video_set_spu(mediaPlayer.get(), id);
    lastSubtitleTrack = id;
}

int VlcPlayer::currentAudioTrack() const
{
    return mediaPlayer ? libvlc_audio_get_track(mediaPlayer.get()) : -1;
}

void VlcPlayer::setAudioTrack(int id)
{
    if (mediaPlayer)
        libvlc_audio_set_track(mediaPlayer.get(), id);
}

QList<QPair<int, QString>> VlcPlayer::tracksOf(libvlc_track_description_t* list) const
{
    const VlcTrackDescriptions owned(list);
    QList<QPair<int, QString>> tracks;
    for (const libvlc_track_description_t* entry = list; entry; entry = entry->p_next) {
        if (entry->i_id == -1)
            continue; // libVLC's own "switch off" entry
        const QString name = entry->psz_name ? QString::fromUtf8(entry->psz_name) : QString();
        tracks.append({entry->i_id, name.isEmpty() ? tr("Track %1").arg(entry->i_id) : name});
    }
    return tracks;
}

QList<QPair<int, QString>> VlcPlayer::audioTracks() const
{
    if (!mediaPlayer)
        return {};
    return tracksOf(libvlc_audio_get_track_description(mediaPlayer.get()));
}

QList<QPair<int, QString>> VlcPlayer::subtitleTracks() const
{
    if (!mediaPlayer)
        return {};
    return tracksOf(libvlc_video_get_spu_description(mediaPlayer.get()));
}

void VlcPlayer::loadSubtitleFile(const QString& path)
{
    if (!mediaPlayer)
        return;
    const QByteArray uri = QUrl::fromLocalFile(path).toEncoded(QUrl::FullyEncoded);
    libvlc_media_player_add_slave(mediaPlayer.get(), libvlc_media_slave_type_subtitle,
                                  uri.constData(), true);
    lastSubtitleTrack = libvlc_video_get_spu(mediaPlayer.get());
}

namespace {
std::optional<QList<MediaInfo::Track>> trackDescriptions(libvlc_track_description_t* list)
{
    if (!list)
        return std::nullopt;
    const VlcTrackDescriptions owned(list);
    QList<MediaInfo::Track> tracks;
    for (const libvlc_track_description_t* entry = list; entry; entry = entry->p_next)
        tracks.append(
            {entry->i_id, entry->psz_name ? QString::fromUtf8(entry->psz_name) : QString()});
    return tracks;
}
} // namespace

QString VlcPlayer::mediaInfoText() const
{
    if (!mediaPlayer)
        return tr("No player.");
    const VlcMedia media(libvlc_media_player_get_media(mediaPlayer.get()));
    if (!media)
        return tr("No media loaded.");

    MediaInfo info;
    const VlcMediaTracks tracks(media.get());
    for (unsigned i = 0; i < tracks.count(); ++i) {
        const libvlc_media_track_t* track = tracks.at(i);
        MediaInfo::Stream stream;
        stream.codec = track->i_codec;
        if (track->i_type == libvlc_track_video && track->video) {
            stream.kind = MediaInfo::Stream::Kind::Video;
            stream.width = track->video->i_width;
            stream.height = track->video->i_height;
            stream.frameRateNum = track->video->i_frame_rate_num;
            stream.frameRateDen = track->video->i_frame_rate_den;
        } else if (track->i_type == libvlc_track_audio && track->audio) {
            stream.kind = MediaInfo::Stream::Kind::Audio;
            stream.rate = track->audio->i_rate;
            stream.channels = track->audio->i_channels;
        }
        info.streams.append(stream);
    }
    info.audioTracks = trackDescriptions(libvlc_audio_get_track_description(mediaPlayer.get()));
    info.currentAudioTrack = libvlc_audio_get_track(mediaPlayer.get());
    info.subtitleTracks = trackDescriptions(libvlc_video_get_spu_description(mediaPlayer.get()));
    info.currentSubtitleTrack = libvlc_video_get_spu(mediaPlayer.get());

    libvlc_media_stats_t stats{};
    if (libvlc_media_get_stats(media.get(), &stats)) {
        info.stats = MediaInfo::Stats{stats.f_input_bitrate,      stats.f_demux_bitrate,
                                      stats.i_decoded_video,      stats.i_decoded_audio,
                                      stats.i_displayed_pictures, stats.i_lost_pictures};
    }
    return ::mediaInfoText(info);
}

void VlcPlayer::resetStallTracking()
{
    stallTracking.reset();
}

void VlcPlayer::checkPlaybackProgress()
{
    if (!mediaPlayer)
        return;
    const libvlc_state_t state = libvlc_media_player_get_state(mediaPlayer.get());
    const bool underway = state == libvlc_NothingSpecial || state == libvlc_Opening ||
                          state == libvlc_Buffering || state == libvlc_Playing;
    const bool playingNow = isPlaying();
    const StallTracker::Outcome outcome =
        stallTracking.tick(playingNow, playingNow ? timeMs() : 0, playingNow ? lengthMs() : 0,
                           liveCachingMs.load(), underway);
    if (outcome.position)
        emit positionChanged(outcome.currentMs, outcome.totalMs);
    if (outcome.progressing)
        emit playbackProgressing();
    if (outcome.stalled)
        emit playbackInterrupted(outcome.stallMessage);
}

void VlcPlayer::checkMovieEnd()
{
    if (!mediaPlayer)
        return;
    // Another stream may have been started, or this one stopped, since libVLC reported the end.
    if (libvlc_media_player_get_state(mediaPlayer.get()) != libvlc_Ended)
        return;
    const qint64 length = lengthMs();
    const qint64 t = timeMs();
    if (length > 0 && t < length - 2000) {
        emit playbackInterrupted(
            tr("Reached the end of the stream (this can also happen if a seek landed somewhere "
               "the stream couldn't resume from)."));
    } else {
        emit ended();
    }
}

template <typename Report>
void VlcPlayer::postForThisViewing(Report report, const char* what)
{
    const quint64 of = viewing.load();
    QMetaObject::invokeMethod(
        this,
        [this, of, what, report = std::move(report)]() {
            if (of == viewing.load()) {
                report();
            } else if (netDebugEnabled()) {
                NetLogStream() << "[VLC] dropped a late report about the previous stream:" << what;
            }
        },
        Qt::QueuedConnection);
}

void VlcPlayer::handleVlcEvent(const libvlc_event_t* event, void* data)
{
    Q_UNUSED(event);
    auto* self = static_cast<VlcPlayer*>(data);
    self->postForThisViewing(
        [self] {
            emit self->playbackInterrupted(tr("libVLC encountered an error while streaming."));
        },
        "error");
}

void VlcPlayer::handleVlcEndReached(const libvlc_event_t* event, void* data)
{
    Q_UNUSED(event);
    auto* self = static_cast<VlcPlayer*>(data);
    if (self->live.load()) {
        self->postForThisViewing(
            [self] { emit self->playbackInterrupted(tr("The live stream stopped sending data.")); },
            "end of stream");
        return;
    }
    // Asking libVLC for time and length from inside its own event callback can deadlock with a
    // stop on the GUI thread (stop waits for the callback, the callback for the player's lock),
    // so a movie's end is judged on the GUI thread.
    self->postForThisViewing([self] { self->checkMovieEnd(); }, "end of stream");
}
