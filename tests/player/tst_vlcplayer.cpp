// The player on real libVLC, drawing into a real X window (Xvfb), with media that ffmpeg makes
// at test time, served over HTTP from 127.0.0.1.

#include "fastertime.h"
#include "player/vlcengine.h"
#include "player/vlcplayer.h"
#include "ui/videosurface.h"

#include "livestreamserver.h"
#include "loopbackhttpserver.h"
#include "mediagenerator.h"
#include "playbackmessages.h"
#include "silentaudio.h"
#include "stderrcapture.h"
#include "testtime.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <memory>

using Request = LoopbackHttpServer::Request;
using Response = LoopbackHttpServer::Response;

namespace {
using namespace playbackmessages;

QString joined(const QSignalSpy& spy)
{
    QStringList out;
    for (const QList<QVariant>& args : spy)
        out.append(args.value(0).toString());
    return out.join(u'|');
}

// Serves an MPEG-TS file as a live channel, at the pace it plays. A hiccuping one holds its data
// back for 1.5 s after every 3 s of stream and then sends what it held: that data comes late.
class PacedTsServer final : public QObject
{
public:
    PacedTsServer(const QString& path, bool hiccups)
        : hiccups(hiccups)
    {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            data = file.readAll();
        connect(&listener, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = listener.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    socket->readAll();
                    if (socket->property("sent").isValid())
                        return;
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: video/mp2t\r\n"
                                  "Connection: close\r\n\r\n");
                    socket->setProperty("sent", qint64(0));
                    clients.append(socket);
                    clock.start();
                });
            }
        });
        connect(&ticker, &QTimer::timeout, this, &PacedTsServer::tick);
        ticker.start(20);
    }

    bool start(int seconds)
    {
        bytesPerSecond = double(data.size()) / seconds;
        return !data.isEmpty() && listener.listen(QHostAddress::LocalHost);
    }
    QString url() const
    {
        return QStringLiteral("http://127.0.0.1:%1/live.ts").arg(listener.serverPort());
    }

private:
    void tick()
    {
        if (!clock.isValid())
            return;
        double streamSecs = clock.elapsed() / 1000.0;
        if (hiccups) {
            // 4.5 s of wall time carry 3 s of stream: 3 s sent as it plays, then 1.5 s held.
            const double cycle = std::fmod(streamSecs, 4.5);
            streamSecs = std::floor(streamSecs / 4.5) * 3.0 + std::min(cycle, 3.0);
        }
        // The steady one keeps two seconds ahead of the player.
        const qint64 due = std::min<qint64>(
            data.size(), qint64((streamSecs + (hiccups ? 0.1 : 2.0)) * bytesPerSecond));
        for (QTcpSocket* socket : std::as_const(clients)) {
            const qint64 sent = socket->property("sent").toLongLong();
            if (due > sent && socket->state() == QAbstractSocket::ConnectedState) {
                socket->write(data.mid(sent, due - sent));
                socket->setProperty("sent", due);
            }
        }
    }

    const bool hiccups;
    QByteArray data;
    double bytesPerSecond = 0;
    QTcpServer listener;
    QTimer ticker;
    QElapsedTimer clock;
    QList<QTcpSocket*> clients;
};

// Share of sampled pixels that are clearly not black.
double litShare(const QImage& image)
{
    int lit = 0;
    int total = 0;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4) {
            ++total;
            if (qGray(image.pixel(x, y)) > 40)
                ++lit;
        }
    }
    return total ? double(lit) / total : 0;
}
} // namespace

class TestVlcPlayer : public QObject
{
    Q_OBJECT

private:
    MediaGenerator media;
    LoopbackHttpServer server;
    std::unique_ptr<QWidget> videoWidget;
    std::unique_ptr<VlcPlayer> player;
    QTimer guiTicker; // keeps counting while libVLC works: the GUI thread is never blocked
    int guiTicks = 0;

    QString mediaUrl(const QString& path) const
    {
        return server.url(QStringLiteral("/media/") + QFileInfo(path).fileName()).toString();
    }

    bool playUntilProgress(const QString& url, bool isLive = false, int cachingMs = 0)
    {
        QSignalSpy progressing(player.get(), &VlcPlayer::playbackProgressing);
        player->play(url, isLive, cachingMs);
        return progressing.wait(10000);
    }

    // The length the progress check reports, once libVLC knows it.
    qint64 reportedLength()
    {
        QSignalSpy position(player.get(), &VlcPlayer::positionChanged);
        for (int i = 0; i < 20 && position.wait(2000);) {
            const qint64 total = position.last().value(1).toLongLong();
            if (total > 0)
                return total;
        }
        return 0;
    }

    // Seeks (while paused) and returns the time libVLC settles on.
    qint64 settledTimeAfter(const std::function<void()>& seek)
    {
        const qint64 before = player->timeMs();
        seek();
        qint64 last = before;
        int same = 0;
        for (int i = 0; i < 60 && same < 3; ++i) {
            QTest::qWait(50);
            const qint64 now = player->timeMs();
            same = now == last && now != before ? same + 1 : 0;
            last = now;
        }
        return last;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(MediaGenerator::ffmpegAvailable(), "ffmpeg is needed to make the test media");
        for (const QString& made :
             {media.movieMp4(4), media.movieMp4(12), media.multiTrackMkv(4), media.subtitleSrt(4),
              media.movieTs(3), media.videoOnlyTs(3), media.audioOnlyTs(3),
              media.truncatedMp4(8, 40), media.emptyFile()})
            QVERIFY2(!made.isEmpty(), qPrintable(media.lastError()));
        server.serveDirectory(QStringLiteral("/media"), media.folder());
        server.route(QStringLiteral("/page.html"), [](const Request&) {
            return LoopbackHttpServer::text("<!DOCTYPE html><html><head><title>Login</title></head>"
                                            "<body><form>" +
                                                QByteArray(4000, 'x') + "</form></body></html>",
                                            "text/html");
        });
        QVERIFY(server.start(true));
        connect(&guiTicker, &QTimer::timeout, this, [this] { ++guiTicks; });
        guiTicker.start(20);
    }

    void init()
    {
        videoWidget = std::make_unique<QWidget>();
        videoWidget->setStyleSheet(QStringLiteral("background-color: black;"));
        videoWidget->setGeometry(40, 40, 320, 240);
        videoWidget->show();
        QVERIFY(QTest::qWaitForWindowExposed(videoWidget.get()));
        player = std::make_unique<VlcPlayer>(videoSurfaceOf(videoWidget.get()));
        guiTicks = 0;
    }

    void cleanup()
    {
        player.reset();
        videoWidget.reset();
    }

    void playsMovieOverHttpIntoTheWidget()
    {
        QSignalSpy playing(player.get(), &VlcPlayer::playing);
        QSignalSpy paused(player.get(), &VlcPlayer::pausedChanged);
        QSignalSpy errors(player.get(), &VlcPlayer::playbackError);
        QSignalSpy interrupted(player.get(), &VlcPlayer::playbackInterrupted);

        QVERIFY(playUntilProgress(mediaUrl(media.movieMp4(12))));
        QCOMPARE(playing.count(), 1);
        QCOMPARE(paused.count(), 1);
        QCOMPARE(paused.first().value(0).toBool(), false);

        const qint64 length = reportedLength();
        QVERIFY2(qAbs(length - 12000) <= 100, qPrintable(QString::number(length)));
        QCOMPARE(player->lengthMs(), length);
        const qint64 t1 = player->timeMs();
        QTRY_VERIFY(player->timeMs() > t1);

        // the picture lands in the widget's own area of the screen
        const QPoint origin = videoWidget->mapToGlobal(QPoint(0, 0));
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT((shot = QGuiApplication::primaryScreen()
                                             ->grabWindow(0, origin.x(), origin.y(), 320, 240)
                                             .toImage(),
                                  litShare(shot) > 0.5),
                                 5000);

        // the toggle reports the state it moves to, not the one libVLC still shows
        paused.clear();
        player->togglePause();
        QCOMPARE(paused.count(), 1);
        QCOMPARE(paused.last().value(0).toBool(), true);
        QTRY_VERIFY(!player->isPlaying());
        player->togglePause();
        QCOMPARE(paused.count(), 2);
        QCOMPARE(paused.last().value(0).toBool(), false);
        QTRY_VERIFY(player->isPlaying());

        // a second play replaces the media without a stop
        QVERIFY(playUntilProgress(mediaUrl(media.movieMp4(4))));
        QCOMPARE(playing.count(), 2);
        QTRY_COMPARE(player->lengthMs(), qint64(4000));

        QVERIFY2(interrupted.isEmpty(), qPrintable(joined(interrupted)));
        QVERIFY(errors.isEmpty());
        QVERIFY(guiTicks > 20);
    }

    void seekRelativeClampsAtBothEnds()
    {
        QVERIFY(playUntilProgress(mediaUrl(media.movieMp4(12))));
        const qint64 length = reportedLength();
        QVERIFY(length > 11000);
        player->pause();
        QTRY_VERIFY(!player->isPlaying());

        QVERIFY(qAbs(settledTimeAfter([&] { player->seek(4000); }) - 4000) < 300);
        const qint64 atStart = settledTimeAfter([&] { player->seekRelative(-10000); });
        QVERIFY2(atStart >= 0 && atStart < 300, qPrintable(QString::number(atStart)));

        QVERIFY(qAbs(settledTimeAfter([&] { player->seek(length - 5000); }) - (length - 5000)) <
                300);
        const qint64 nearEnd = settledTimeAfter([&] { player->seekRelative(10000); });
        QVERIFY2(qAbs(nearEnd - (length - 1000)) < 300, qPrintable(QString::number(nearEnd)));
    }

    void normalEndOfMovieIsSilent()
    {
        QSignalSpy interrupted(player.get(), &VlcPlayer::playbackInterrupted);
        QVERIFY(playUntilProgress(mediaUrl(media.movieMp4(4))));
        QTRY_VERIFY_WITH_TIMEOUT(!player->isPlaying(), 8000);
        QTest::qWait(300); // the end is judged on the GUI thread after libVLC reports it
        QVERIFY2(interrupted.isEmpty(), qPrintable(joined(interrupted)));
    }

    void serverClosingEarlyInterruptsTheMovie()
    {
        // the first answer stops after a third of the file, and the server is gone after that
        const QString path = media.movieMp4(12);
        const qint64 cutAt = QFileInfo(path).size() / 3;
        auto answered = std::make_shared<std::atomic<int>>(0);
        server.route(QStringLiteral("/cut.mp4"), [path, cutAt, answered](const Request&) {
            if (answered->fetch_add(1) > 0) {
                Response gone;
                gone.mode = Response::Mode::Drop;
                return gone;
            }
            Response r = LoopbackHttpServer::file(path, "video/mp4");
            r.mode = Response::Mode::CutShort;
            r.partialBytes = cutAt;
            return r;
        });
        QSignalSpy interrupted(player.get(), &VlcPlayer::playbackInterrupted);
        player->play(server.url(QStringLiteral("/cut.mp4")).toString(), false, 0);
        QVERIFY(interrupted.wait(15000));
        QCOMPARE(joined(interrupted), kEndOfStream);
        QVERIFY(guiTicks > 20);
    }

    void liveStreamThatEndsIsReported()
    {
        LiveStreamServer live;
        QVERIFY(live.start());
        QSignalSpy interrupted(player.get(), &VlcPlayer::playbackInterrupted);
        QSignalSpy position(player.get(), &VlcPlayer::positionChanged);
        QVERIFY(playUntilProgress(live.url().toString(), true, 0));
        QTRY_VERIFY(!position.isEmpty());
        QVERIFY(position.last().value(1).toLongLong() <= 0); // no length for live
        live.dropClients();
        QVERIFY(interrupted.wait(10000));
        QCOMPARE(joined(interrupted), kLiveEnd);

        // the server goes away: starting again fails; once it is back, the same address plays
        const QString url = live.url().toString();
        live.stop();
        interrupted.clear();
        player->play(url, true, 0);
        QVERIFY(interrupted.wait(10000));
        QCOMPARE(joined(interrupted), kVlcError);
        QVERIFY(live.start());
        QCOMPARE(live.url().toString(), url);
        QVERIFY(playUntilProgress(url, true, 500));
    }

    void liveStreamThatFallsSilentStalls()
    {
        LiveStreamServer live;
        QVERIFY(live.start());
        // the stall rule counts ticks; faster ticks stand in for 15 s of frozen time
        const FasterTime faster(10);
        QSignalSpy interrupted(player.get(), &VlcPlayer::playbackInterrupted);
        QVERIFY(playUntilProgress(live.url().toString(), true, 0));
        live.setSending(false);
        QVERIFY(interrupted.wait(15000));
        QCOMPARE(joined(interrupted), kStalled15);
        QVERIFY(guiTicks > 20);
    }

    // Two live channels on one libVLC instance, whose log both share: the one whose data comes
    // late is told (and would learn a larger buffer), the other is not.
    void lateDataIsToldToItsOwnPlayer()
    {
        PacedTsServer late(media.movieTs(30), true);
        PacedTsServer steady(media.movieTs(30), false);
        QVERIFY(late.start(30));
        QVERIFY(steady.start(30));
        QWidget otherWidget;
        otherWidget.setGeometry(400, 40, 320, 240);
        otherWidget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&otherWidget));
        const std::shared_ptr<VlcEngine> engine = VlcEngine::create();
        VlcPlayer latePlayer(engine, videoSurfaceOf(videoWidget.get()));
        VlcPlayer steadyPlayer(engine, videoSurfaceOf(&otherWidget));
        QSignalSpy lateShort(&latePlayer, &VlcPlayer::liveDelayShortfall);
        QSignalSpy steadyShort(&steadyPlayer, &VlcPlayer::liveDelayShortfall);
        steadyPlayer.play(steady.url(), true, 3000);
        latePlayer.play(late.url(), true, 300);
        QCOMPARE(engine->liveViewings(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(!lateShort.isEmpty(), 25000);
        QVERIFY(lateShort.first().value(0).toInt() > 0);
        QCOMPARE(steadyShort.count(), 0);
        QTRY_VERIFY(steadyPlayer.timeMs() > 0);
    }

    void audioAndSubtitleTracks()
    {
        QVERIFY(playUntilProgress(mediaUrl(media.multiTrackMkv(4))));
        QList<QPair<int, QString>> audio;
        QTRY_COMPARE((audio = player->audioTracks()).size(), 2);
        QVERIFY(audio.at(0).first != -1 && audio.at(1).first != -1);
        QVERIFY2(audio.at(0).second.contains(QStringLiteral("English")),
                 qPrintable(audio.at(0).second));
        QVERIFY2(audio.at(1).second.contains(QStringLiteral("Deutsch")),
                 qPrintable(audio.at(1).second));
        player->setAudioTrack(audio.at(1).first);
        QTRY_COMPARE(player->currentAudioTrack(), audio.at(1).first);

        const QList<QPair<int, QString>> subtitles = player->subtitleTracks();
        QCOMPARE(subtitles.size(), 1);
        QVERIFY(subtitles.at(0).second.contains(QStringLiteral("Embedded")));
        QVERIFY(player->hasSubtitles());
        player->setSubtitleTrack(subtitles.at(0).first);
        QTRY_COMPARE(player->currentSubtitleTrack(), subtitles.at(0).first);
        QVERIFY(player->subtitlesEnabled());
        player->setSubtitlesEnabled(false);
        QTRY_VERIFY(!player->subtitlesEnabled());
        player->setSubtitlesEnabled(true);
        QTRY_COMPARE(player->currentSubtitleTrack(), subtitles.at(0).first);

        const QString info = player->mediaInfoText();
        QVERIFY2(info.startsWith(QStringLiteral(
                     "Video codec: h264\nResolution: 320x240\nFrame rate: 25.00 fps\n\n")),
                 qPrintable(info));
        QVERIFY2(
            info.contains(QStringLiteral("Audio codec: mp4a\nSample rate: 48000 Hz\nChannels: ")),
            qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("Audio tracks:\n  [ ] Disable\n  [ ] ") +
                               audio.at(0).second + QStringLiteral("\n  [*] ") +
                               audio.at(1).second + QStringLiteral("\n\n")),
                 qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("Subtitle tracks:\n  [ ] Disable\n  [*] ") +
                               subtitles.at(0).second + QStringLiteral("\n\n")),
                 qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("\nInput bitrate: ")) && info.endsWith(u'\n'),
                 qPrintable(info));

        // switching audio off shows libVLC's own entry as the current one
        player->setAudioTrack(-1);
        QTRY_COMPARE(player->currentAudioTrack(), -1);
        QVERIFY(player->mediaInfoText().contains(QStringLiteral("Audio tracks:\n  [*] Disable\n")));
        QCOMPARE(player->audioTracks().size(), 2);
    }

    void sideLoadedSubtitleIsSelected()
    {
        QVERIFY(playUntilProgress(mediaUrl(media.movieMp4(4))));
        QVERIFY(player->subtitleTracks().isEmpty());
        QVERIFY(!player->hasSubtitles());
        player->loadSubtitleFile(media.subtitleSrt(4));
        QTRY_COMPARE(player->subtitleTracks().size(), 1);
        QTRY_COMPARE(player->currentSubtitleTrack(), player->subtitleTracks().at(0).first);
    }

    void withoutMediaTheAnswersAreNeutral()
    {
        QCOMPARE(player->mediaInfoText(), QStringLiteral("No media loaded."));
        QVERIFY(player->audioTracks().isEmpty());
        QVERIFY(player->subtitleTracks().isEmpty());
        QVERIFY(!player->isPlaying());
        QVERIFY(!player->subtitlesEnabled());
        QCOMPARE(player->currentSubtitleTrack(), -1);
        QSignalSpy positions(player.get(), &VlcPlayer::positionChanged);
        QSignalSpy stopped(player.get(), &VlcPlayer::stopped);
        player->seekRelative(-10000);
        player->setSubtitlesEnabled(true);
        player->stop();
        QCOMPARE(stopped.count(), 1);
        QTest::qWait(600);
        QVERIFY(positions.isEmpty()); // nothing playing: the progress check stays quiet
    }

    void badInput_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("isLive");
        QTest::addColumn<QStringList>("accepted"); // reasons accepted; empty: ends without one
        QTest::addColumn<bool>("mustAdvance");
        QTest::newRow("nothing listens: error")
            << "refused" << false << QStringList{kVlcError} << false;
        QTest::newRow("not found: error") << "404" << false << QStringList{kVlcError} << false;
        QTest::newRow("empty file: error") << "empty" << false << QStringList{kVlcError} << false;
        QTest::newRow("truncated movie: early end")
            << "truncated" << false << QStringList{kEndOfStream, kVlcError} << false;
        QTest::newRow("HTML page as movie: end of unknown length, silent")
            << "html" << false << QStringList{} << false;
        QTest::newRow("HTML page as live channel: live end")
            << "html" << true << QStringList{kLiveEnd, kVlcError} << false;
        QTest::newRow("MPEG-TS movie plays to its end") << "ts" << false << QStringList{} << true;
        QTest::newRow("video without audio plays") << "videoonly" << false << QStringList{} << true;
        QTest::newRow("audio without video plays") << "audioonly" << false << QStringList{} << true;
    }
    void badInput()
    {
        QFETCH(QString, what);
        QFETCH(bool, isLive);
        QFETCH(QStringList, accepted);
        QFETCH(bool, mustAdvance);
        const QHash<QString, QString> urls{
            {QStringLiteral("refused"), QStringLiteral("http://127.0.0.1:1/nothing.ts")},
            {QStringLiteral("404"), server.url(QStringLiteral("/media/missing.ts")).toString()},
            {QStringLiteral("empty"), mediaUrl(media.emptyFile())},
            {QStringLiteral("truncated"), mediaUrl(media.truncatedMp4(8, 40))},
            {QStringLiteral("html"), server.url(QStringLiteral("/page.html")).toString()},
            {QStringLiteral("ts"), mediaUrl(media.movieTs(3))},
            {QStringLiteral("videoonly"), mediaUrl(media.videoOnlyTs(3))},
            {QStringLiteral("audioonly"), mediaUrl(media.audioOnlyTs(3))}};

        QSignalSpy interrupted(player.get(), &VlcPlayer::playbackInterrupted);
        QSignalSpy errors(player.get(), &VlcPlayer::playbackError);
        QSignalSpy progressing(player.get(), &VlcPlayer::playbackProgressing);
        QSignalSpy playing(player.get(), &VlcPlayer::playing);
        player->play(urls.value(what), isLive, 0);
        QCOMPARE(playing.count(), 1); // libVLC accepts every address; trouble comes later

        if (accepted.isEmpty()) {
            if (mustAdvance)
                QVERIFY(progressing.wait(10000));
            QTRY_VERIFY_WITH_TIMEOUT(!player->isPlaying(), 10000);
            QTest::qWait(300);
            QVERIFY2(interrupted.isEmpty(), qPrintable(joined(interrupted)));
        } else {
            QVERIFY(interrupted.wait(15000));
            QVERIFY2(accepted.contains(interrupted.first().value(0).toString()),
                     qPrintable(joined(interrupted)));
        }
        QVERIFY(errors.isEmpty());

        // and the player is still good for the next stream
        QVERIFY(playUntilProgress(mediaUrl(media.movieMp4(4))));
    }

    void playLineMasksThePasswordButPlaysTheRealAddress()
    {
        const QString path = media.movieMp4(4);
        server.route(QStringLiteral("/live/alice/s3cret/123.ts"), [path](const Request&) {
            return LoopbackHttpServer::file(path, "video/mp4");
        });
        server.clearRequests();
        StderrCapture capture;
        QVERIFY(
            playUntilProgress(server.url(QStringLiteral("/live/alice/s3cret/123.ts")).toString()));
        const QByteArray log = capture.text();
        const QByteArray line =
            QByteArray("[VLC] play -> ") + server.baseUrl().toUtf8() + "/live/alice/***/123.ts";
        QVERIFY2(log.contains(line), log.constData());
        QVERIFY(!log.contains("s3cret"));
        QVERIFY(!server.requestsTo(QStringLiteral("/live/alice/s3cret/123.ts")).isEmpty());
        QCOMPARE(server.requestsTo(QStringLiteral("/live/alice/s3cret/123.ts"))
                     .first()
                     .headers.value("user-agent"),
                 QByteArray("Mozilla/5.0"));
    }
};

int main(int argc, char* argv[])
{
    qputenv("VELMORA_NET_DEBUG", "1"); // read once, before anything asks
    useSilentAudioOutput();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora Player"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    TestVlcPlayer tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_vlcplayer.moc"
