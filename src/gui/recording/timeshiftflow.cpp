#include "recording/timeshiftflow.h"

#include "app/clock.h"
#include "app/messagebox.h"
#include "player/growingsource.h"
#include "player/reconnectschedule.h"
#include "player/vlcplayer.h"
#include "recording/timeshiftbuffer.h"
#include "ui/clicktoseekslider.h"
#include "ui/compactrow.h"
#include "ui/playbackcontroller.h"
#include "ui/playbacktext.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QUrl>

namespace {
constexpr qint64 kStepMs = 10000;
// Closer to the present than this is live: the buffer cannot play what has not arrived.
constexpr qint64 kLiveMarginMs = 3000;
constexpr int kTickMs = 250;
} // namespace

TimeShiftFlow::TimeShiftFlow(Parts parts, QObject* parent)
    : QObject(parent)
    , p(std::move(parts))
{
    TimeShiftBuffer::removeLeftovers();
    buffer = new TimeShiftBuffer(this);
    connect(buffer, &TimeShiftBuffer::failed, this, [this](const QString& message) {
        if (!isBehindLive())
            return;
        goLive();
        MessageBox::warning(p.window, tr("Pause Ended"), message);
    });

    liveButton = new QPushButton(tr("Live"), p.controlsRow);
    liveButton->setObjectName(QStringLiteral("liveButton"));
    liveButton->setToolTip(tr("Back to the live picture (L)"));
    CompactRow::setCompactIcon(liveButton,
                               p.controlsRow->style()->standardIcon(QStyle::SP_MediaSkipForward));
    liveButton->hide();
    if (auto* row = qobject_cast<QHBoxLayout*>(p.controlsRow->layout()))
        row->insertWidget(1, liveButton);
    connect(liveButton, &QPushButton::clicked, this, &TimeShiftFlow::goLive);

    // Over the player's own window, so it covers the picture while the player is stopped.
    still = new QLabel(p.videoWidget);
    still->setObjectName(QStringLiteral("pausedStill"));
    still->setAttribute(Qt::WA_NativeWindow);
    still->setAlignment(Qt::AlignCenter);
    still->hide();

    ticker = new QTimer(this);
    ticker->setInterval(kTickMs);
    connect(ticker, &QTimer::timeout, this, &TimeShiftFlow::tick);

    // L and End in the player (seen in eventFilter) while behind live.
    p.playerPanel->installEventFilter(this);
}

bool TimeShiftFlow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == p.playerPanel && event->type() == QEvent::KeyPress && isBehindLive()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_L || key->key() == Qt::Key_End) &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            goLive();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

TimeShiftFlow::~TimeShiftFlow() = default;

QString TimeShiftFlow::bufferFolder() const
{
    return buffer->folder();
}

bool TimeShiftFlow::togglePause()
{
    switch (mode) {
    case Mode::Off: {
        const PlaybackController* playing = p.playback;
        // A channel still connecting or reconnecting has no picture to keep: Space is the
        // player's then.
        if (!playing->hasMedia || playing->currentKind != MediaItem::Live || playing->fromArchive ||
            playing->currentUrl.isEmpty() || !p.player->isPlaying())
            return false;
        pauseLive();
        return true;
    }
    case Mode::Paused:
        playFrom(baseMs);
        return true;
    case Mode::Shifted:
        p.player->togglePause();
        return true;
    case Mode::Recording:
        return false;
    }
    return false;
}

void TimeShiftFlow::pauseLive()
{
    const qint64 limitMs = p.bufferLimitMs ? p.bufferLimitMs() : 30 * 60000;
    QString message;
    // What the player shows stays while its connection goes over to the buffer.
    if (QScreen* screen = p.videoWidget->screen()) {
        still->setPixmap(screen->grabWindow(p.videoWidget->winId()));
        still->setGeometry(p.videoWidget->rect());
    }
    p.reconnect->cancel();
    p.player->pause();
    showStill(true);
    p.player->stop();
    if (!buffer->start(QUrl(p.playback->currentUrl), limitMs, &message)) {
        showStill(false);
        p.playback->replayCurrentStream();
        MessageBox::warning(p.window, tr("Pause Ended"), message);
        return;
    }
    source = buffer->source();
    baseMs = 0;
    enter(Mode::Paused);
}

void TimeShiftFlow::playFrom(qint64 ms)
{
    if (!source)
        return;
    baseMs = qBound(startMs(), ms, qMax(startMs(), endMs() - kLiveMarginMs));
    p.player->playGrowing(source, source->offsetAt(baseMs));
    if (mode == Mode::Paused)
        enter(Mode::Shifted);
    tick();
}

void TimeShiftFlow::seekBy(qint64 deltaMs)
{
    if (!isActive())
        return;
    const qint64 target = positionMs() + deltaMs;
    if (isBehindLive() && deltaMs > 0 && target >= endMs() - kLiveMarginMs) {
        goLive(); // stepping past the present is the present
        return;
    }
    playFrom(target);
}

void TimeShiftFlow::seekTo(qint64 sliderValue)
{
    if (isActive())
        playFrom(startMs() + sliderValue);
}

void TimeShiftFlow::goLive()
{
    if (!isBehindLive())
        return;
    drop();
    p.playback->replayCurrentStream();
}

void TimeShiftFlow::drop()
{
    if (mode == Mode::Off)
        return;
    // Whatever plays the buffer lets go of it before its files go.
    if (mode != Mode::Paused)
        p.player->stop();
    buffer->stop();
    source.reset();
    recordingPath.clear();
    enter(Mode::Off);
}

void TimeShiftFlow::playbackFailed()
{
    if (isBehindLive())
        goLive();
}

bool TimeShiftFlow::playGrowingRecording(const QString& url)
{
    const QString path = QUrl(url).isLocalFile() ? QUrl(url).toLocalFile() : url;
    qint64 startedAt = 0;
    if (!p.runningRecording || !p.runningRecording(path, &startedAt))
        return false;
    drop();
    const qint64 elapsed = qMax<qint64>(1, Clock::epochMs() - startedAt);
    recordingPath = path;
    recordingKnown = QFileInfo(path).size();
    recordingStartMs = Clock::monotonicMs() - elapsed;
    source = GrowingSource::forFile(path, recordingKnown, elapsed, true);
    baseMs = 0;
    enter(Mode::Recording);
    p.player->playGrowing(source, 0);
    return true;
}

qint64 TimeShiftFlow::startMs() const
{
    return source ? source->firstMs() : 0;
}

qint64 TimeShiftFlow::endMs() const
{
    if (mode == Mode::Recording)
        return Clock::monotonicMs() - recordingStartMs;
    return buffer->liveMs();
}

qint64 TimeShiftFlow::positionMs() const
{
    const qint64 played = mode == Mode::Paused ? 0 : qMax<qint64>(0, p.player->timeMs());
    return qBound(startMs(), baseMs + played, qMax(startMs(), endMs()));
}

void TimeShiftFlow::tick()
{
    if (mode == Mode::Off)
        return;
    if (mode == Mode::Recording && source) {
        const qint64 size = QFileInfo(recordingPath).size();
        if (size > recordingKnown) {
            source->grew(size - recordingKnown, endMs());
            recordingKnown = size;
        }
        if (source->isWriting() && !p.runningRecording(recordingPath, nullptr))
            source->setWriting(false);
    }
    if (mode == Mode::Shifted && still->isVisible() && p.player->timeMs() > 0)
        showStill(false); // the buffer's own picture is there
    else if (still->isVisible())
        still->setGeometry(p.videoWidget->rect()); // the panel may have been resized
    const qint64 first = startMs();
    const qint64 total = qMax<qint64>(0, endMs() - first);
    const qint64 at = positionMs() - first;
    if (!p.seekSlider->isSliderDown()) {
        const QSignalBlocker blocker(p.seekSlider);
        p.seekSlider->setRange(0, int(total));
        p.seekSlider->setValue(int(at));
    }
    if (mode == Mode::Recording)
        p.timeLabel->setText(formatMs(at) + QStringLiteral(" / ") + formatMs(total));
    else
        p.timeLabel->setText(
            tr("-%1", "how far the picture is behind live").arg(formatMs(total - at)));
}

void TimeShiftFlow::showStill(bool on)
{
    if (on) {
        still->setGeometry(p.videoWidget->rect());
        still->show();
        still->raise();
    } else {
        still->hide();
        still->clear();
    }
}

void TimeShiftFlow::enter(Mode next)
{
    mode = next;
    liveButton->setVisible(isBehindLive());
    if (mode == Mode::Off) {
        showStill(false);
        ticker->stop();
    } else {
        ticker->start();
    }
    if (p.updatePlayerChrome)
        p.updatePlayerChrome();
    if (mode != Mode::Off)
        tick();
    emit changed();
}
