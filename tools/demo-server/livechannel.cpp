#include "livechannel.h"

#include "app/clock.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>

#include <utility>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace {

constexpr int kPacket = 188;
constexpr qint64 kBacklogMs = 1500;                  // more than one GOP (one second)
constexpr qint64 kSlowViewerBytes = 8 * 1024 * 1024; // a viewer this far behind is cut off
constexpr int kPollMs = 100;

} // namespace

LiveChannel::LiveChannel(qint64 id, const Settings& settings, QObject* parent)
    : QObject(parent)
    , channelId(id)
    , settings(settings)
{
    idleTimer.setSingleShot(true);
    connect(&idleTimer, &QTimer::timeout, this, &LiveChannel::checkIdle);
}

LiveChannel::~LiveChannel()
{
    stop();
}

QStringList LiveChannel::arguments(bool withText) const
{
    const QString size =
        QStringLiteral("%1x%2").arg(settings.size.width()).arg(settings.size.height());
    const QString pattern =
        channelId % 2 ? QStringLiteral("testsrc2") : QStringLiteral("smptebars");
    const int tone = 220 + int(channelId % 12) * 40;
    QStringList args = {QStringLiteral("-hide_banner"),
                        QStringLiteral("-loglevel"),
                        QStringLiteral("error"),
                        QStringLiteral("-nostdin"),
                        QStringLiteral("-re"),
                        QStringLiteral("-f"),
                        QStringLiteral("lavfi"),
                        QStringLiteral("-i"),
                        QStringLiteral("%1=size=%2:rate=25").arg(pattern, size),
                        QStringLiteral("-re"),
                        QStringLiteral("-f"),
                        QStringLiteral("lavfi"),
                        QStringLiteral("-i"),
                        QStringLiteral("sine=frequency=%1:sample_rate=48000").arg(tone)};
    QString graph = QStringLiteral("[0:v]");
    if (QFileInfo::exists(settings.bannerPath)) {
        args << QStringLiteral("-i") << settings.bannerPath;
        graph +=
            QStringLiteral("[2:v]overlay=0:main_h-overlay_h-%1").arg(settings.size.height() / 12);
    } else {
        graph += QStringLiteral("null");
    }
    if (withText) {
        // The wall clock, so a frozen picture is told apart from a running one.
        graph += QStringLiteral(",drawtext=text='%{localtime\\:%T}':x=w-tw-8:y=8:fontsize=%1:"
                                "fontcolor=white:box=1:boxcolor=black@0.5")
                     .arg(qMax(12, settings.size.height() / 12));
    }
    graph += QStringLiteral("[v]");
    args << QStringLiteral("-filter_complex") << graph << QStringLiteral("-map")
         << QStringLiteral("[v]") << QStringLiteral("-map") << QStringLiteral("1:a")
         << QStringLiteral("-c:v") << QStringLiteral("libx264") << QStringLiteral("-preset")
         << QStringLiteral("ultrafast") << QStringLiteral("-tune") << QStringLiteral("zerolatency")
         << QStringLiteral("-g") << QStringLiteral("25") << QStringLiteral("-keyint_min")
         << QStringLiteral("25") << QStringLiteral("-sc_threshold") << QStringLiteral("0")
         << QStringLiteral("-pix_fmt") << QStringLiteral("yuv420p") << QStringLiteral("-crf")
         << QStringLiteral("30") << QStringLiteral("-c:a") << QStringLiteral("aac")
         << QStringLiteral("-b:a") << QStringLiteral("64k") << QStringLiteral("-ac")
         << QStringLiteral("2") << QStringLiteral("-f")
         << QStringLiteral("tee")
         // Relative names (ffmpeg runs in the HLS folder): no folder name needs tee's escaping.
         << QStringLiteral("[f=mpegts:flush_packets=1]pipe:1|"
                           "[f=hls:hls_time=1:hls_list_size=6:"
                           "hls_flags=delete_segments+temp_file+omit_endlist:"
                           "hls_segment_filename=seg_%05d.ts:hls_base_url=/hls/%1/]index.m3u8")
                .arg(channelId);
    return args;
}

void LiveChannel::start()
{
    if (process)
        return;
    stopping = false;
    QDir(settings.directory).removeRecursively();
    QDir().mkpath(settings.directory);
    partial.clear();
    backlog.clear();
    bytesOut = 0;
    lastActivityMs = Clock::monotonicMs();

    process = new QProcess(this);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setWorkingDirectory(settings.directory);
    connect(process, &QProcess::readyReadStandardOutput, this, &LiveChannel::onOutput);
    connect(process, &QProcess::finished, this, &LiveChannel::onFinished);
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            onFinished();
    });
#ifdef Q_OS_LINUX
    // ffmpeg goes with us, even when we are killed outright.
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
#endif
    process->start(settings.ffmpeg, arguments(textEnabled));
    idleTimer.start(settings.idleMs);
}

void LiveChannel::stop()
{
    stopping = true;
    idleTimer.stop();
    closeViewers();
    if (process) {
        process->disconnect(this);
        process->kill();
        process->waitForFinished(2000);
        delete process;
        process = nullptr;
    }
    QDir(settings.directory).removeRecursively();
}

void LiveChannel::onFinished()
{
    if (!process || stopping)
        return;
    process->disconnect(this);
    process->deleteLater();
    process = nullptr;
    if (bytesOut == 0 && textEnabled) {
        // An ffmpeg without text drawing fails at once; run it without the clock.
        textEnabled = false;
        start();
        return;
    }
    if (bytesOut == 0)
        qWarning().noquote() << "live channel" << channelId << "did not start:" << settings.ffmpeg
                             << "failed";
    stop();
    emit ended();
}

void LiveChannel::write(QTcpSocket* socket, const QByteArray& data)
{
    if (socket->bytesToWrite() > kSlowViewerBytes) {
        socket->abort();
        return;
    }
    socket->write(data);
}

void LiveChannel::pruneViewers()
{
    const qsizetype before = viewers.size();
    viewers.removeIf([](const QPointer<QTcpSocket>& s) {
        return !s || s->state() != QAbstractSocket::ConnectedState;
    });
    if (viewers.isEmpty() && before > 0) {
        lastActivityMs = Clock::monotonicMs();
        idleTimer.start(settings.idleMs);
    }
}

void LiveChannel::onOutput()
{
    partial += process->readAllStandardOutput();
    const qsizetype whole = partial.size() / kPacket * kPacket;
    if (whole == 0)
        return;
    Chunk chunk{Clock::monotonicMs(), partial.first(whole)};
    partial.remove(0, whole);
    bytesOut += whole;

    backlog.append(chunk);
    while (backlog.size() > 1 && chunk.atMs - backlog.first().atMs > kBacklogMs)
        backlog.removeFirst();

    if (fault == FaultControl::ChannelFault::None) {
        const QList<QPointer<QTcpSocket>> current = viewers; // writing may drop a viewer
        for (const QPointer<QTcpSocket>& viewer : current) {
            if (viewer && viewer->state() == QAbstractSocket::ConnectedState)
                write(viewer, chunk.data);
        }
    }
    pruneViewers();
}

void LiveChannel::addViewer(QTcpSocket* socket)
{
    viewers.append(socket);
    idleTimer.stop();
    lastActivityMs = Clock::monotonicMs();
    connect(socket, &QTcpSocket::disconnected, this, &LiveChannel::pruneViewers);
    connect(socket, &QObject::destroyed, this, &LiveChannel::pruneViewers, Qt::QueuedConnection);
    if (fault == FaultControl::ChannelFault::None) {
        for (const Chunk& chunk : std::as_const(backlog))
            write(socket, chunk.data);
    }
}

int LiveChannel::viewerCount() const
{
    int n = 0;
    for (const QPointer<QTcpSocket>& viewer : viewers)
        n += viewer && viewer->state() == QAbstractSocket::ConnectedState ? 1 : 0;
    return n;
}

void LiveChannel::touch()
{
    lastActivityMs = Clock::monotonicMs();
    if (viewers.isEmpty())
        idleTimer.start(settings.idleMs);
}

bool LiveChannel::inUse() const
{
    return viewerCount() > 0 || Clock::monotonicMs() - lastActivityMs < settings.idleMs;
}

void LiveChannel::checkIdle()
{
    pruneViewers();
    if (!viewers.isEmpty())
        return;
    const qint64 quiet = Clock::monotonicMs() - lastActivityMs;
    if (quiet < settings.idleMs) {
        idleTimer.start(int(settings.idleMs - quiet));
        return;
    }
    emit idle();
}

void LiveChannel::setFault(FaultControl::ChannelFault newFault)
{
    fault = newFault;
    if (fault == FaultControl::ChannelFault::Close) {
        closeViewers();
        lastActivityMs = Clock::monotonicMs();
        idleTimer.start(settings.idleMs);
    }
}

void LiveChannel::closeViewers()
{
    // Aborting emits disconnected() at once, which prunes the list: work on a copy.
    const QList<QPointer<QTcpSocket>> current = std::exchange(viewers, {});
    for (const QPointer<QTcpSocket>& viewer : current) {
        if (viewer)
            viewer->abort();
    }
}

QString LiveChannel::playlistPath() const
{
    return settings.directory + QStringLiteral("/index.m3u8");
}

QString LiveChannel::segmentPath(const QString& name) const
{
    static const QRegularExpression segment(QStringLiteral("^seg_\\d{5,}\\.ts$"));
    if (!segment.match(name).hasMatch())
        return QString();
    return settings.directory + u'/' + name;
}

void LiveChannel::whenPlaylistReady(QObject* context, int timeoutMs,
                                    std::function<void(const QByteArray&)> ready)
{
    auto* poll = new QTimer(context);
    const qint64 deadline = Clock::monotonicMs() + timeoutMs;
    QPointer<LiveChannel> self(this);
    connect(poll, &QTimer::timeout, context, [=] {
        QByteArray text;
        if (self) {
            self->touch(); // a client waiting for the first playlist is watching
            QFile file(self->playlistPath());
            if (file.open(QIODevice::ReadOnly))
                text = file.readAll();
        }
        const bool listed = text.contains("#EXTINF");
        if (listed || !self || Clock::monotonicMs() >= deadline) {
            poll->stop();
            poll->deleteLater();
            ready(listed ? text : QByteArray());
            return;
        }
        poll->setInterval(kPollMs);
    });
    poll->start(0); // a running channel answers at once
}
