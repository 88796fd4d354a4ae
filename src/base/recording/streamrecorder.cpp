#include "recording/streamrecorder.h"

#include "app/clock.h"
#include "app/httprequests.h"
#include "player/reconnectschedule.h"
#include "recording/hlsplaylist.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStorageInfo>
#include <QTimer>

namespace {
// A live stream that sends nothing this long counts as dropped.
constexpr int kSilenceMs = 10000;
// Enough to tell a stream from a playlist or a web page.
constexpr qsizetype kSniffBytes = 16;
// Where a live playlist is joined: this many segments back from its newest.
constexpr int kJoinSegments = 1;

int statusOf(const QNetworkReply* reply)
{
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

bool looksLikeWebPage(const QByteArray& start, const QNetworkReply* reply)
{
    const QByteArray type =
        reply->header(QNetworkRequest::ContentTypeHeader).toByteArray().toLower();
    if (type.startsWith("text/html"))
        return true;
    const QByteArray text = start.trimmed().toLower();
    return text.startsWith("<!doctype") || text.startsWith("<html") || text.startsWith("<?xml") ||
           text.startsWith("<head") || text.startsWith("<body");
}

QString recordingWebPageMessage()
{
    return StreamRecorder::tr("The server sent a web page instead of the channel's stream; "
                              "nothing could be recorded. The account or the channel may no "
                              "longer be active.");
}

HttpRequests::Options streamOptions()
{
    HttpRequests::Options options;
    options.inactivityTimeoutMs = kSilenceMs;
    options.followAllRedirects = true;
    return options;
}
} // namespace

StreamRecorder::StreamRecorder(QObject* parent)
    : QObject(parent)
{}

StreamRecorder::~StreamRecorder()
{
    if (running) {
        running = false;
        abortTransfers();
        file.close();
    }
}

QString StreamRecorder::writeFailure(const QString& path, int error, qint64 written)
{
    const QString size = QLocale().formattedDataSize(written);
    // Qt reports a full disk as a short write or a plain write error: ask the file system.
    QStorageInfo storage(QFileInfo(path).absolutePath());
    storage.refresh();
    constexpr qint64 kNearlyFull = 256 * 1024;
    if (error == QFileDevice::ResourceError ||
        (storage.isValid() && storage.bytesAvailable() < kNearlyFull))
        return tr("The disk is full: the recording stopped after %1. What was recorded is kept in "
                  "%2.")
            .arg(size, QDir::toNativeSeparators(path));
    return tr("The recording could not be written to %1 and stopped after %2. What was recorded "
              "is kept.")
        .arg(QDir::toNativeSeparators(path), size);
}

void StreamRecorder::begin(const QUrl& url, Source kind)
{
    sourceUrl = url;
    source = kind;
    running = true;
    startMs = Clock::monotonicMs();
    lastDataMs = startMs;
    if (!network) {
        network = new QNetworkAccessManager(this);
        schedule = new ReconnectSchedule(this);
        connect(schedule, &ReconnectSchedule::due, this, &StreamRecorder::connectSource);
        playlistTimer = new QTimer(this);
        playlistTimer->setSingleShot(true);
        connect(playlistTimer, &QTimer::timeout, this, &StreamRecorder::fetchPlaylist);
    }
}

void StreamRecorder::start(const QUrl& url, Sink into, Source kind)
{
    begin(url, kind);
    sink = std::move(into);
    written = 0;
    connectSource();
}

void StreamRecorder::start(const QUrl& url, const QString& filePath, Source kind)
{
    begin(url, kind);
    const QFileInfo info(filePath);
    file.setFileName(filePath);
    if (!QDir().mkpath(info.absolutePath()) ||
        !file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        finish(Outcome::Failed,
               tr("The folder %1 cannot be written, so nothing was recorded. Choose another "
                  "folder for recordings in the preferences.")
                   .arg(QDir::toNativeSeparators(info.absolutePath())));
        return;
    }
    written = file.size();
    connectSource();
}

void StreamRecorder::stop()
{
    finish(Outcome::Stopped);
}

void StreamRecorder::connectSource()
{
    if (!running)
        return;
    if (mode == Mode::Hls)
        fetchPlaylist();
    else
        openStream();
}

void StreamRecorder::openStream()
{
    sniffed.clear();
    QNetworkReply* reply = HttpRequests::get(network, sourceUrl, streamOptions(), this,
                                             [this](QNetworkReply* r) { onStreamEnd(r); });
    streamReply = reply;
    connect(reply, &QNetworkReply::readyRead, this, [this, reply]() { onStreamData(reply); });
}

bool StreamRecorder::refused(QNetworkReply* reply, QString* message) const
{
    const int status = statusOf(reply);
    if (status < 400)
        return false;
    if (wording.refused) {
        *message = wording.refused(status);
        return true;
    }
    *message = source == Source::Finite
                   ? tr("The server refused the download (HTTP status %1). It may no longer keep "
                        "this programme, or allow no more streams at once for this account.")
                         .arg(status)
                   : tr("The server refused the connection for the recording (HTTP status %1). "
                        "It may allow no more streams at once for this account, or no longer "
                        "offer the channel.")
                         .arg(status);
    return true;
}

QString StreamRecorder::webPageMessage() const
{
    return wording.webPage ? wording.webPage() : recordingWebPageMessage();
}

void StreamRecorder::onStreamData(QNetworkReply* reply)
{
    if (!running || reply != streamReply || statusOf(reply) >= 400)
        return;
    if (mode == Mode::Ts) {
        append(reply->readAll());
        return;
    }
    sniffed += reply->readAll();
    if (sniffed.size() < kSniffBytes)
        return;
    if (HlsPlaylist::looksLikePlaylist(sniffed)) {
        mode = Mode::Hls;
        playlistText = std::exchange(sniffed, {});
        return;
    }
    if (mode == Mode::Hls) { // the rest of the first playlist
        playlistText += std::exchange(sniffed, {});
        return;
    }
    if (looksLikeWebPage(sniffed, reply)) {
        finish(Outcome::Failed, webPageMessage());
        return;
    }
    mode = Mode::Ts;
    if (source == Source::Finite) {
        const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        expectedBytes = length > 0 ? written + length : 0;
    }
    append(std::exchange(sniffed, {}));
}

void StreamRecorder::onStreamEnd(QNetworkReply* reply)
{
    if (!running || reply != streamReply)
        return;
    streamReply.clear();
    QString message;
    if (written == 0 && gapList.isEmpty() && refused(reply, &message)) {
        finish(Outcome::Failed, message);
        return;
    }
    if (mode == Mode::Hls || (mode == Mode::Sniffing && HlsPlaylist::looksLikePlaylist(sniffed))) {
        // The address answered with a playlist: follow it from here on.
        mode = Mode::Hls;
        playlistText += std::exchange(sniffed, {});
        playlistUrl = reply->url();
        if (reply->error() != QNetworkReply::NoError) {
            playlistText.clear();
            dropped();
            return;
        }
        onPlaylist();
        return;
    }
    if (mode == Mode::Sniffing && !sniffed.isEmpty()) {
        if (looksLikeWebPage(sniffed, reply)) {
            finish(Outcome::Failed, webPageMessage());
            return;
        }
        mode = Mode::Ts;
        if (!append(std::exchange(sniffed, {})))
            return;
    }
    if (source == Source::Finite && reply->error() == QNetworkReply::NoError && written > 0) {
        finish(Outcome::Completed);
        return;
    }
    if (source == Source::Finite && mode == Mode::Ts) {
        // Asked again, the archive would send the programme from its start once more.
        finish(Outcome::Failed,
               tr("The server broke off the download after %1; what arrived is kept.")
                   .arg(QLocale().formattedDataSize(written)));
        return;
    }
    dropped();
}

void StreamRecorder::fetchPlaylist()
{
    if (!running)
        return;
    if (playlistUrl.isEmpty())
        playlistUrl = sourceUrl;
    playlistReply =
        HttpRequests::get(network, playlistUrl, streamOptions(), this, [this](QNetworkReply* r) {
            if (!running || r != playlistReply)
                return;
            playlistReply.clear();
            QString message;
            if (written == 0 && gapList.isEmpty() && refused(r, &message)) {
                finish(Outcome::Failed, message);
                return;
            }
            if (r->error() != QNetworkReply::NoError) {
                dropped();
                return;
            }
            playlistUrl = r->url();
            playlistText = r->readAll();
            if (!HlsPlaylist::looksLikePlaylist(playlistText) &&
                looksLikeWebPage(playlistText.left(64), r)) {
                finish(Outcome::Failed, webPageMessage());
                return;
            }
            onPlaylist();
        });
}

void StreamRecorder::onPlaylist()
{
    const HlsPlaylist playlist = HlsPlaylist::parse(std::exchange(playlistText, {}), playlistUrl);
    if (!playlist.valid) {
        dropped();
        return;
    }
    if (!playlist.unsupported.isEmpty()) {
        finish(Outcome::Failed, wording.unsupported ? wording.unsupported() : playlist.unsupported);
        return;
    }
    if (playlist.isMaster()) {
        playlistUrl = playlist.bestVariant();
        fetchPlaylist();
        return;
    }
    if (playlist.targetSeconds > 0)
        targetSeconds = playlist.targetSeconds;
    if (source == Source::Finite && playlist.ended && segmentsTotal == 0)
        segmentsTotal = int(playlist.segments.size());
    playlistEnded = playlist.ended;
    const auto& segments = playlist.segments;
    if (nextSequence < 0 && !segments.isEmpty()) {
        const bool fromStart = playlist.ended || source == Source::Finite;
        nextSequence =
            fromStart ? segments.first().sequence
                      : segments.at(qMax<qsizetype>(0, segments.size() - kJoinSegments)).sequence;
    }
    bool added = false;
    for (const HlsPlaylist::Segment& segment : segments) {
        if (segment.sequence < nextSequence)
            continue;
        if (segment.sequence > nextSequence && written > 0) {
            // Segments left the playlist before they could be fetched.
            gapOpen = true;
        }
        segmentQueue.append(segment.url);
        nextSequence = segment.sequence + 1;
        added = true;
    }
    if (!segmentReply)
        downloadNextSegment();
    if (playlistEnded) {
        if (segmentQueue.isEmpty() && !segmentReply)
            finish(Outcome::Completed);
        return;
    }
    // A live playlist is read again after a segment's length, sooner while it brings nothing new.
    const double wait = added ? targetSeconds : targetSeconds / 2;
    playlistTimer->start(Clock::waitMs(int(qMax(0.5, wait) * 1000)));
}

void StreamRecorder::downloadNextSegment()
{
    if (!running)
        return;
    if (segmentQueue.isEmpty()) {
        if (playlistEnded && !playlistReply)
            finish(Outcome::Completed);
        return;
    }
    segmentChecked = false;
    QNetworkReply* reply = HttpRequests::get(network, segmentQueue.takeFirst(), streamOptions(),
                                             this, [this](QNetworkReply* r) { onSegmentEnd(r); });
    segmentReply = reply;
    connect(reply, &QNetworkReply::readyRead, this, [this, reply]() { onSegmentData(reply); });
}

void StreamRecorder::onSegmentData(QNetworkReply* reply)
{
    if (!running || reply != segmentReply || statusOf(reply) >= 400)
        return;
    if (!segmentChecked) {
        if (reply->bytesAvailable() < kSniffBytes && !reply->isFinished())
            return;
        segmentChecked = true;
        if (looksLikeWebPage(reply->peek(64), reply)) {
            finish(Outcome::Failed, webPageMessage());
            return;
        }
    }
    append(reply->readAll());
}

void StreamRecorder::onSegmentEnd(QNetworkReply* reply)
{
    if (!running || reply != segmentReply)
        return;
    onSegmentData(reply);
    if (!running)
        return;
    segmentReply.clear();
    if (reply->error() != QNetworkReply::NoError)
        gapOpen = true; // the next segment goes on; what is missing is noted
    if (segmentsTotal > 0)
        emit fractionDone(int(qMin<qint64>(1000, 1000LL * ++segmentsDone / segmentsTotal)));
    downloadNextSegment();
}

bool StreamRecorder::append(const QByteArray& data)
{
    if (data.isEmpty() || !running)
        return running;
    qint64 done = data.size();
    if (sink) {
        QString failure;
        if (!sink(data, &failure)) {
            finish(Outcome::Failed, failure);
            return false;
        }
        written += done;
    } else {
        done = file.write(data);
        if (done > 0)
            written += done;
        if (done != data.size()) {
            finish(Outcome::Failed, writeFailure(file.fileName(), file.error(), written));
            return false;
        }
    }
    const qint64 now = Clock::monotonicMs();
    if (gapOpen) {
        gapOpen = false;
        const Gap gap{lastDataMs - startMs, now - lastDataMs};
        gapList.append(gap);
        emit gapNoted(gap.atMs, gap.lengthMs);
        emit receiving();
    } else if (written == done) {
        emit receiving();
    }
    lastDataMs = now;
    schedule->progressing();
    // Reports are paced by real time, whatever the clock of the tests says.
    if (!progressTimer.isValid() || progressTimer.elapsed() >= 1000) {
        progressTimer.start();
        emit progressed(written);
        if (expectedBytes > 0)
            emit fractionDone(int(qMin<qint64>(1000, 1000 * written / expectedBytes)));
    }
    return true;
}

void StreamRecorder::dropped()
{
    if (!running)
        return;
    gapOpen = true;
    abortTransfers();
    playlistTimer->stop();
    if (mode == Mode::Hls)
        segmentQueue.clear();
    emit reconnecting(schedule->interrupted());
}

void StreamRecorder::abortTransfers()
{
    for (QNetworkReply* reply : {streamReply.data(), playlistReply.data(), segmentReply.data()}) {
        if (!reply)
            continue;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    streamReply.clear();
    playlistReply.clear();
    segmentReply.clear();
}

void StreamRecorder::finish(Outcome outcome, const QString& message)
{
    if (!running)
        return;
    running = false;
    if (schedule)
        schedule->cancel();
    if (playlistTimer)
        playlistTimer->stop();
    abortTransfers();
    file.close();
    emit progressed(written);
    emit finished(outcome, message);
}
