#include "multiview/tileviewing.h"

#include "player/livebuffertuner.h"
#include "player/reconnectschedule.h"
#include "player/vlcengine.h"

#include <QLocale>

#include <utility>

namespace {
// Tiles are small: the deblocking filter's work would not show, and four decoders share two
// cores. Hardware decoding stays libVLC's choice.
const QList<QByteArray> kLighterDecode = {QByteArrayLiteral(":avcodec-skiploopfilter=4")};
} // namespace

TileViewing::TileViewing(std::shared_ptr<VlcEngine> engine, VlcPlayer::VideoWindow window,
                         StreamConnections* connections, QObject* parent)
    : QObject(parent)
    , connections(connections)
{
    vlc = new VlcPlayer(std::move(engine), std::move(window), this);
    vlc->setExtraMediaOptions(kLighterDecode);
    vlc->setMuted(true);
    reconnect = new ReconnectSchedule(this);
    tuner = new LiveBufferTuner(this);
    connect(reconnect, &ReconnectSchedule::due, this, &TileViewing::replay);
    connect(vlc, &VlcPlayer::playbackInterrupted, this, &TileViewing::onInterrupted);
    connect(vlc, &VlcPlayer::playbackError, this, &TileViewing::onInterrupted);
    connect(vlc, &VlcPlayer::playbackProgressing, this, &TileViewing::onProgressing);
    connect(vlc, &VlcPlayer::liveDelayShortfall, tuner, &LiveBufferTuner::recordShortfall);
}

TileViewing::~TileViewing()
{
    reconnect->cancel();
    tuner->endViewing();
    // The player goes with this object; its stop joins libVLC's threads before the lease ends.
    delete vlc;
    vlc = nullptr;
}

bool TileViewing::start(const channelmime::Channel& channel, const QString& address)
{
    stop();
    current = channel;
    url = address;
    lease = connections ? connections->acquire(channel.server, holderName())
                        : StreamConnections::Lease();
    if (connections && !lease.isValid()) {
        const int limit = connections->limit(channel.server);
        const QString open = QLocale().createSeparatedList(connections->holders(channel.server));
        setState(State::Refused,
                 tr("Not started: this server allows %n stream(s) at once, and all are in use "
                    "(%1). Close one of them to watch this channel here.",
                    nullptr, limit)
                     .arg(open));
        return false;
    }
    channelKey = LiveBufferTuner::channelKey(channel.server,
                                             channel.item.id.isEmpty() ? url : channel.item.id);
    tuner->beginViewing(channelKey);
    setState(State::Starting, tr("Connecting to %1…").arg(channel.item.name));
    vlc->play(url, true, tuner->cachingMsFor(channelKey));
    return true;
}

void TileViewing::stop()
{
    reconnect->cancel();
    if (currentState != State::Empty && currentState != State::Refused)
        vlc->stop();
    tuner->endViewing();
    lease.release();
    current.reset();
    url.clear();
    setState(State::Empty, QString());
}

void TileViewing::setAudible(bool audible, int volume)
{
    if (audible)
        vlc->setVolume(volume);
    vlc->setMuted(!audible);
}

int TileViewing::reconnectAttempts() const
{
    return reconnect->attempts();
}

void TileViewing::replay()
{
    if (!current || url.isEmpty())
        return;
    reconnect->stopWaiting();
    vlc->play(url, true, tuner->cachingMsFor(channelKey));
}

void TileViewing::onInterrupted()
{
    if (!current || currentState == State::Refused || currentState == State::Empty)
        return;
    const int attempt = reconnect->interrupted();
    setState(State::Reconnecting, tr("Reconnecting to %1… (attempt %2)")
                                      .arg(current->item.name, QLocale().toString(attempt)));
}

void TileViewing::onProgressing()
{
    reconnect->progressing();
    if (current && currentState != State::Playing)
        setState(State::Playing, QString());
}

void TileViewing::setState(State state, const QString& text)
{
    if (state == currentState && text == status)
        return;
    currentState = state;
    status = text;
    emit changed();
}

QString TileViewing::holderName() const
{
    return tr("Multi-view: %1").arg(current ? current->item.name : QString());
}
