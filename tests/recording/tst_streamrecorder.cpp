// StreamRecorder against real streams on loopback: the file it writes is read back by ffprobe.
#include "fastertime.h"
#include "livestreamserver.h"
#include "loopbackhttpserver.h"
#include "mediagenerator.h"
#include "mediaprobe.h"
#include "recording/streamrecorder.h"
#include "testmain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/mount.h>
#include <unistd.h>

namespace {
// The test program run again as a recorder of its own, to be killed halfway.
int recordInChild(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    StreamRecorder recorder;
    recorder.start(QUrl(QString::fromLocal8Bit(argv[2])), QString::fromLocal8Bit(argv[3]));
    return app.exec();
}

qint64 fileSize(const QString& path)
{
    return QFileInfo(path).size();
}

using Outcome = StreamRecorder::Outcome;
} // namespace

Q_DECLARE_METATYPE(StreamRecorder::Outcome)

class TestStreamRecorder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<StreamRecorder::Outcome>();
        if (!MediaGenerator::ffmpegAvailable() || !MediaProbe::available())
            QSKIP("ffmpeg and ffprobe are needed to make and read streams");
    }

    void tsLengthMatchesTimeRecorded()
    {
        LiveStreamServer server;
        QVERIFY(server.start());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sub/live.ts"));
        StreamRecorder recorder;
        QSignalSpy receiving(&recorder, &StreamRecorder::receiving);
        QSignalSpy finished(&recorder, &StreamRecorder::finished);
        recorder.start(server.url(), path);
        QVERIFY(receiving.wait(15000));
        QElapsedTimer recorded;
        recorded.start();
        QTest::qWait(12000);
        recorder.stop();
        const double seconds = recorded.elapsed() / 1000.0;
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).value<Outcome>(), Outcome::Stopped);
        QCOMPARE(fileSize(path), recorder.bytesWritten());

        const MediaProbe probe = MediaProbe::of(path);
        QVERIFY(probe.hasVideo);
        QVERIFY2(
            qAbs(probe.seconds - seconds) <= seconds * 0.05,
            qPrintable(QStringLiteral("file %1 s, recorded %2 s").arg(probe.seconds).arg(seconds)));
    }

    void droppedConnectionGoesOnInTheSameFile()
    {
        FasterTime faster(10); // the first reconnect waits 100 ms
        LiveStreamServer server;
        QVERIFY(server.start());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("drop.ts"));
        StreamRecorder recorder;
        QSignalSpy receiving(&recorder, &StreamRecorder::receiving);
        QSignalSpy reconnecting(&recorder, &StreamRecorder::reconnecting);
        QSignalSpy gaps(&recorder, &StreamRecorder::gapNoted);
        recorder.start(server.url(), path);
        QVERIFY(receiving.wait(15000));
        QTRY_VERIFY_WITH_TIMEOUT(recorder.bytesWritten() > 150000, 15000);
        const qint64 before = recorder.bytesWritten();

        // The server cuts the connection and answers the next one: its encoder ran on, so the
        // file goes on where the new connection joins.
        server.dropClients();
        QVERIFY(reconnecting.wait(15000));
        QVERIFY(gaps.count() == 1 || gaps.wait(20000));
        QVERIFY(recorder.isRunning());
        QTRY_VERIFY_WITH_TIMEOUT(recorder.bytesWritten() > before + 150000, 15000);
        recorder.stop();

        QVERIFY(server.requestCount() >= 2);
        QCOMPARE(recorder.gaps().size(), 1);
        QVERIFY(recorder.gaps().first().lengthMs > 0);
        const MediaProbe probe = MediaProbe::of(path);
        QVERIFY(probe.hasVideo);
        QVERIFY2(probe.seconds > 2.0, qPrintable(QString::number(probe.seconds)));
    }

    void killedHalfwayStillPlays()
    {
        LiveStreamServer server;
        QVERIFY(server.start());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("killed.ts"));
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--record-child"), server.url().toString(), path});
        QVERIFY(child.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(fileSize(path) > 150000, 30000);
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        const MediaProbe probe = MediaProbe::of(path);
        QVERIFY(probe.hasVideo);
        QVERIFY2(probe.seconds > 1.0, qPrintable(QString::number(probe.seconds)));
    }

    void diskFullEndsAndKeepsTheFile()
    {
        if (::geteuid() != 0)
            QSKIP("making a small file system for the full disk needs root (mount -t tmpfs)");
        QTemporaryDir dir;
        const QByteArray mountPoint = QFile::encodeName(dir.path());
        if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=256k") != 0)
            QSKIP("this machine does not let the test mount a tmpfs");
        struct Unmount
        {
            QByteArray at;
            ~Unmount() { ::umount2(at.constData(), MNT_DETACH); }
        } unmount{mountPoint};

        LiveStreamServer::Options big;
        big.width = 640;
        big.height = 480;
        LiveStreamServer server(big);
        QVERIFY(server.start());
        const QString path = dir.filePath(QStringLiteral("full.ts"));
        StreamRecorder recorder;
        QSignalSpy finished(&recorder, &StreamRecorder::finished);
        recorder.start(server.url(), path);
        QVERIFY(finished.wait(60000));
        QCOMPARE(finished.at(0).at(0).value<Outcome>(), Outcome::Failed);
        const QString message = finished.at(0).at(1).toString();
        QVERIFY2(message.contains(QStringLiteral("disk is full")), qPrintable(message));
        QVERIFY(message.contains(path));
        QVERIFY(fileSize(path) > 100000);
        QVERIFY(MediaProbe::of(path).hasVideo);
    }

    void endsWithAMessage_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("expected");
        QTest::newRow("web page") << "page"
                                  << "web page";
        QTest::newRow("no more connections (403)") << "403"
                                                   << "HTTP status 403";
        QTest::newRow("busy (503)") << "503"
                                    << "HTTP status 503";
        QTest::newRow("playlist of web pages") << "hls-page"
                                               << "web page";
        QTest::newRow("encrypted HLS") << "hls-key"
                                       << "encrypted";
        QTest::newRow("folder is a file") << "unwritable"
                                          << "cannot be written";
    }

    void endsWithAMessage()
    {
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        LoopbackHttpServer http;
        http.route(QStringLiteral("/page"), [](const auto&) {
            return LoopbackHttpServer::text("<!DOCTYPE html><html><body>Suspended</body></html>",
                                            "text/html");
        });
        http.route(QStringLiteral("/403"),
                   [](const auto&) { return LoopbackHttpServer::status(403); });
        http.route(QStringLiteral("/503"),
                   [](const auto&) { return LoopbackHttpServer::status(503); });
        http.route(QStringLiteral("/hls-page"), [](const auto&) {
            return LoopbackHttpServer::text("#EXTM3U\n#EXT-X-TARGETDURATION:2\n#EXTINF:2,\n/page\n",
                                            "application/x-mpegurl");
        });
        http.route(QStringLiteral("/hls-key"), [](const auto&) {
            return LoopbackHttpServer::text("#EXTM3U\n#EXT-X-TARGETDURATION:2\n#EXT-X-KEY:METHOD="
                                            "AES-128,URI=\"k\"\n#EXTINF:2,\n/s.ts\n",
                                            "application/x-mpegurl");
        });
        QVERIFY(http.start());
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("out.ts"));
        if (answer == QStringLiteral("unwritable")) {
            QFile blocker(dir.filePath(QStringLiteral("plain")));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            path = dir.filePath(QStringLiteral("plain/below/out.ts"));
        }
        StreamRecorder recorder;
        QSignalSpy finished(&recorder, &StreamRecorder::finished);
        recorder.start(http.url(QLatin1Char('/') + answer), path);
        QVERIFY(finished.count() == 1 || finished.wait(10000));
        QCOMPARE(finished.at(0).at(0).value<Outcome>(), Outcome::Failed);
        const QString message = finished.at(0).at(1).toString();
        QVERIFY2(message.contains(expected), qPrintable(message));
        QCOMPARE(recorder.bytesWritten(), 0);
        QVERIFY(!recorder.isRunning());
    }

    void hlsSegmentsAreAppended()
    {
        MediaGenerator media;
        QTemporaryDir hls;
        QVERIFY2(media.runFfmpeg({QStringLiteral("-f"),
                                  QStringLiteral("lavfi"),
                                  QStringLiteral("-i"),
                                  QStringLiteral("testsrc2=size=320x240:rate=25"),
                                  QStringLiteral("-t"),
                                  QStringLiteral("6"),
                                  QStringLiteral("-c:v"),
                                  QStringLiteral("libx264"),
                                  QStringLiteral("-preset"),
                                  QStringLiteral("ultrafast"),
                                  QStringLiteral("-g"),
                                  QStringLiteral("25"),
                                  QStringLiteral("-f"),
                                  QStringLiteral("hls"),
                                  QStringLiteral("-hls_time"),
                                  QStringLiteral("1"),
                                  QStringLiteral("-hls_list_size"),
                                  QStringLiteral("0"),
                                  QStringLiteral("-hls_playlist_type"),
                                  QStringLiteral("vod"),
                                  hls.filePath(QStringLiteral("media.m3u8"))}),
                 qPrintable(media.lastError()));
        LoopbackHttpServer http;
        http.serveDirectory(QStringLiteral("/hls"), hls.path());
        http.route(QStringLiteral("/master.m3u8"), [](const auto&) {
            return LoopbackHttpServer::text("#EXTM3U\n#EXT-X-STREAM-INF:BANDWIDTH=100000\nnone."
                                            "m3u8\n#EXT-X-STREAM-INF:BANDWIDTH=900000\nhls/"
                                            "media.m3u8\n",
                                            "application/vnd.apple.mpegurl");
        });
        QVERIFY(http.start());

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("hls.ts"));
        StreamRecorder recorder;
        QSignalSpy finished(&recorder, &StreamRecorder::finished);
        recorder.start(http.url(QStringLiteral("/master.m3u8")), path,
                       StreamRecorder::Source::Finite);
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.at(0).at(0).value<Outcome>(), Outcome::Completed);
        QVERIFY(recorder.isHls());
        QVERIFY(http.requestsTo(QStringLiteral("/none.m3u8")).isEmpty());
        const MediaProbe probe = MediaProbe::of(path);
        QVERIFY(probe.hasVideo);
        QVERIFY2(qAbs(probe.seconds - 6.0) < 0.5, qPrintable(QString::number(probe.seconds)));
    }
};

VELMORA_TEST_MAIN_AFTER(TestStreamRecorder,
                        if (argc == 4 && qstrcmp(argv[1], "--record-child") ==
                                             0) return recordInChild(argc, argv))
#include "tst_streamrecorder.moc"
