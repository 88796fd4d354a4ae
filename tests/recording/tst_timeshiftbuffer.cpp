// The pause buffer against a real live channel on loopback, its time driven by the clock seam:
// only the newest part is kept and a reader carries on from it, what a crash left behind goes
// at the next start, HLS segments follow one another, and a full disk, a refusing server, a
// web page or an encrypted channel end the buffer with a message about the pause.
#include "app/clock.h"
#include "fastertime.h"
#include "livestreamserver.h"
#include "loopbackhttpserver.h"
#include "mediagenerator.h"
#include "player/growingsource.h"
#include "recording/timeshiftbuffer.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <atomic>

#include <sys/mount.h>
#include <unistd.h>

namespace {
QStringList chunkFiles(const QString& folder)
{
    // Numbered in the order written.
    QStringList names = QDir(folder).entryList({QStringLiteral("*.ts")}, QDir::Files);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QFileInfo(a).baseName().toInt() < QFileInfo(b).baseName().toInt();
    });
    return names;
}
} // namespace

class TestTimeShiftBuffer : public QObject
{
    Q_OBJECT

    QTemporaryDir cache;
    LiveStreamServer live;

private slots:
    void initTestCase()
    {
        if (!MediaGenerator::ffmpegAvailable())
            QSKIP("ffmpeg is needed for the live channel");
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
        QVERIFY(live.start());
    }

    void cleanup() { Clock::clearFake(); }

    void keepsTheNewestPart()
    {
        Clock::setFake(1'700'000'000'000);
        TimeShiftBuffer buffer;
        QString message;
        constexpr qint64 kLimitMs = 60000;
        QVERIFY2(buffer.start(live.url(), kLimitMs, &message), qPrintable(message));
        const QString folder = buffer.folder();
        const std::shared_ptr<GrowingSource> source = buffer.source();
        QTRY_VERIFY(source->endOffset() > 0);
        // Two minutes of buffer time while the channel streams for real.
        for (int step = 0; step < 60; ++step) {
            QTest::qWait(50);
            Clock::advanceFake(2000);
        }
        QTRY_VERIFY(source->fileCount() >= 2);
        const QStringList files = chunkFiles(folder);
        QVERIFY2(files.size() <= 7, qPrintable(files.join(u' ')));
        QCOMPARE(qsizetype(source->fileCount()), files.size());
        QVERIFY(!files.contains(QStringLiteral("0.ts"))); // the oldest went
        QVERIFY(buffer.oldestMs() >= buffer.liveMs() - kLimitMs - kLimitMs / 6 - 2000);
        QVERIFY(source->firstOffset() > 0);

        // A reader left at the start goes on from the oldest part still held.
        QFile oldest(QDir(folder).filePath(files.first()));
        QVERIFY(oldest.open(QIODevice::ReadOnly));
        const QByteArray expected = oldest.read(4096);
        GrowingSource::Reader reader(source, 0);
        std::atomic<bool> cancelled{false};
        QByteArray got(int(expected.size()), '\0');
        QCOMPARE(reader.read(got.data(), got.size(), cancelled), qint64(expected.size()));
        QCOMPARE(got, expected);
        // Later times map to later offsets, on packet boundaries.
        const qint64 at = source->offsetAt(buffer.liveMs() - 5000);
        QVERIFY(at > source->firstOffset());
        QCOMPARE(at % GrowingSource::kPacketBytes, 0);

        buffer.stop();
        QVERIFY(!QFileInfo::exists(folder));
        // A reader waiting for more ends once the buffer has stopped.
        GrowingSource::Reader atEnd(source, source->endOffset());
        QCOMPARE(atEnd.read(got.data(), got.size(), cancelled), qint64(0));
    }

    void leftoversGoAtStart()
    {
        TimeShiftBuffer running;
        QString message;
        QVERIFY2(running.start(live.url(), 60000, &message), qPrintable(message));
        const QString crashed = QDir(TimeShiftBuffer::rootFolder()).filePath(QStringLiteral("x"));
        QVERIFY(QDir().mkpath(crashed));
        QFile chunk(QDir(crashed).filePath(QStringLiteral("0.ts")));
        QVERIFY(chunk.open(QIODevice::WriteOnly) && chunk.write("gone") == 4);
        chunk.close();

        TimeShiftBuffer::removeLeftovers();
        QVERIFY(!QFileInfo::exists(crashed));
        QVERIFY(QFileInfo::exists(running.folder())); // held by a running program: kept
    }

    void hlsSegmentsFollowInOrder()
    {
        // A live HLS channel whose playlist gains a segment at every reading, three at a time;
        // each segment's packets carry its number.
        FasterTime faster(4);
        LoopbackHttpServer server;
        QVERIFY(server.start(true));
        constexpr int kPackets = 40;
        std::atomic<int> newest{1};
        server.route(QStringLiteral("/live/1.m3u8"), [&newest](const LoopbackHttpServer::Request&) {
            const int last = newest++;
            const int first = qMax(0, last - 2);
            QByteArray text = "#EXTM3U\n#EXT-X-VERSION:3\n#EXT-X-TARGETDURATION:1\n"
                              "#EXT-X-MEDIA-SEQUENCE:" +
                              QByteArray::number(first) + '\n';
            for (int n = first; n <= last; ++n)
                text += "#EXTINF:1.0,\nseg" + QByteArray::number(n) + ".ts\n";
            return LoopbackHttpServer::text(text, "application/vnd.apple.mpegurl");
        });
        server.setFallback([](const LoopbackHttpServer::Request& request) {
            const int number = request.path.section(u'/', -1).mid(3).chopped(3).toInt();
            QByteArray packet(GrowingSource::kPacketBytes, char(number));
            packet[0] = 0x47;
            return LoopbackHttpServer::text(packet.repeated(kPackets), "video/mp2t");
        });

        // Paused: nobody reads while the segments come in.
        TimeShiftBuffer buffer;
        QString message;
        QVERIFY2(buffer.start(server.url(QStringLiteral("/live/1.m3u8")), 60000, &message),
                 qPrintable(message));
        const std::shared_ptr<GrowingSource> source = buffer.source();
        constexpr qint64 kSegmentBytes = kPackets * GrowingSource::kPacketBytes;
        QTRY_VERIFY_WITH_TIMEOUT(source->endOffset() >= 5 * kSegmentBytes, 20000);

        // Read back, every segment whole and each the one after the last.
        GrowingSource::Reader reader(source, source->firstOffset());
        std::atomic<bool> cancelled{false};
        QByteArray got(int(5 * kSegmentBytes), '\0');
        for (qint64 done = 0; done < got.size();) {
            const qint64 n = reader.read(got.data() + done, got.size() - done, cancelled);
            QVERIFY(n > 0);
            done += n;
        }
        buffer.stop();
        const int first = got.at(1);
        for (qint64 at = 0; at < got.size(); at += GrowingSource::kPacketBytes) {
            const int expected = first + int(at / kSegmentBytes);
            QVERIFY2(got.at(at) == 0x47 && got.at(at + 1) == char(expected),
                     qPrintable(QStringLiteral("packet %1").arg(at / GrowingSource::kPacketBytes)));
        }
    }

    void troubleEndsWithAMessage_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("told");
        QTest::newRow("disk full") << QString() << QStringLiteral("full");
        QTest::newRow("refused") << QStringLiteral("403") << QStringLiteral("403");
        QTest::newRow("web page") << QStringLiteral("html") << QStringLiteral("web page");
        QTest::newRow("encrypted") << QStringLiteral("key") << QStringLiteral("kept on disk");
    }

    void troubleEndsWithAMessage()
    {
        QFETCH(QString, trouble);
        QFETCH(QString, told);
        QTemporaryDir small;
        struct Unmount
        {
            QByteArray at;
            ~Unmount()
            {
                if (!at.isEmpty())
                    ::umount2(at.constData(), MNT_DETACH);
            }
        } unmount;
        LoopbackHttpServer server;
        QVERIFY(server.start());
        server.setFallback([trouble](const LoopbackHttpServer::Request&) {
            if (trouble == QLatin1String("403"))
                return LoopbackHttpServer::text("Forbidden", "text/plain", 403);
            if (trouble == QLatin1String("key"))
                return LoopbackHttpServer::text(
                    "#EXTM3U\n#EXT-X-TARGETDURATION:6\n#EXT-X-KEY:METHOD=AES-128,URI=\"k\"\n"
                    "#EXTINF:6.0,\n0.ts\n",
                    "application/vnd.apple.mpegurl");
            return LoopbackHttpServer::text(
                "<!DOCTYPE html><html><body>Your subscription has expired.</body></html>",
                "text/html");
        });
        QUrl url = server.url(QStringLiteral("/live/1.ts"));
        const QByteArray before = qgetenv("XDG_CACHE_HOME");
        if (trouble.isEmpty()) {
            if (::geteuid() != 0)
                QSKIP("making a small file system for the full disk needs root (mount -t tmpfs)");
            const QByteArray mountPoint = QFile::encodeName(small.path());
            if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=256k") != 0)
                QSKIP("this machine does not let the test mount a tmpfs");
            unmount.at = mountPoint;
            qputenv("XDG_CACHE_HOME", mountPoint);
            url = live.url();
        }

        TimeShiftBuffer buffer;
        QSignalSpy failed(&buffer, &TimeShiftBuffer::failed);
        QString message;
        QVERIFY2(buffer.start(url, 60000, &message), qPrintable(message));
        QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 20000);
        qputenv("XDG_CACHE_HOME", before);
        // It names what went wrong and the pause, never a recording.
        const QString text = failed.first().first().toString();
        QVERIFY2(text.contains(told), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("paused")), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("record"), Qt::CaseInsensitive), qPrintable(text));
        QVERIFY(!buffer.isRunning());
    }
};

VELMORA_TEST_MAIN(TestTimeShiftBuffer)
#include "tst_timeshiftbuffer.moc"
