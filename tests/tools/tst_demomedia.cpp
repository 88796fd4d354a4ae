// The demo server's media as a running process: live channels made by ffmpeg (MPEG-TS and HLS),
// dropping and restoring them, idle stops and the process limit, and clips served with ranges.
#include "demoserverprocess.h"
#include "rawhttp.h"
#include "testmain.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

namespace {

// "codec_type,codec_name" per stream, as ffprobe sees the file.
QStringList probe(const QString& path)
{
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"),
                  {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                   QStringLiteral("stream=codec_type,codec_name"), QStringLiteral("-of"),
                   QStringLiteral("csv=p=0"), path});
    if (!ffprobe.waitForFinished(10000))
        return {};
    QStringList streams =
        QString::fromUtf8(ffprobe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    for (QString& s : streams)
        s = s.trimmed();
    return streams;
}

double probeDuration(const QString& path)
{
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"),
                  {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                   QStringLiteral("format=duration"), QStringLiteral("-of"),
                   QStringLiteral("csv=p=0"), path});
    ffprobe.waitForFinished(10000);
    return ffprobe.readAllStandardOutput().trimmed().toDouble();
}

// Every 188th byte starts a transport packet.
bool looksLikeTransportStream(const QByteArray& bytes)
{
    if (bytes.size() < 188 * 10)
        return false;
    for (qsizetype i = 0; i + 188 <= bytes.size(); i += 188) {
        if (bytes[i] != 0x47)
            return false;
    }
    return true;
}

} // namespace

class TestDemoMedia : public QObject
{
    Q_OBJECT

    std::unique_ptr<DemoServerProcess> server;
    QTemporaryDir scratch;

    QUrl live(int id, const QString& extension = QStringLiteral("ts")) const
    {
        return server->url(QStringLiteral("/live/demo/demo/%1.%2").arg(id).arg(extension));
    }

    QJsonObject status()
    {
        return QJsonDocument::fromJson(
                   RawHttp::fetch(server->url(QStringLiteral("/control/status"))).body)
            .object();
    }

    QStringList runningChannels()
    {
        QStringList ids;
        for (const QJsonValue& v : status().value(QStringLiteral("live")).toArray())
            ids << v.toObject().value(QStringLiteral("channel")).toString();
        return ids;
    }

    void control(const QString& action)
    {
        QCOMPARE(RawHttp::fetch(server->url(QStringLiteral("/control/") + action)).status, 200);
    }

    QString save(const QByteArray& bytes, const QString& name)
    {
        QFile file(scratch.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(bytes);
        return file.fileName();
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("ffprobe")).isEmpty())
            QSKIP("ffmpeg and ffprobe are needed (scripts/install-deps.sh installs them)");
        // Short idle time and clips, two live slots: every rule shows within seconds.
        server = std::make_unique<DemoServerProcess>(QStringList{
            "--scale", "100", "--clip-seconds", "2", "--live-idle-ms", "500", "--max-live", "2"});
        QVERIFY2(server->start(), qPrintable(server->errorText()));
    }

    void cleanup()
    {
        if (!server)
            return;
        control(QStringLiteral("reset"));
        // Each case starts with no channel running.
        QTRY_VERIFY_WITH_TIMEOUT(runningChannels().isEmpty(), 5000);
    }

    void liveChannelIsARealTransportStream()
    {
        RawHttp viewer(live(3));
        const RawHttp::Answer& answer = viewer.read(10000, 120 * 1024);
        QCOMPARE(answer.status, 200);
        QCOMPARE(answer.header("Content-Type"), QByteArray("video/mp2t"));
        QVERIFY(answer.header("Content-Length").isEmpty()); // it never ends
        QVERIFY2(answer.body.size() >= 120 * 1024, qPrintable(QString::number(answer.body.size())));
        QVERIFY(looksLikeTransportStream(answer.body.left(answer.body.size() / 188 * 188)));
        QVERIFY(viewer.isOpen());
        QCOMPARE(runningChannels(), QStringList{"3"});

        const QStringList streams = probe(save(answer.body, QStringLiteral("live.ts")));
        QVERIFY2(streams.join(u' ').contains(u"h264"), qPrintable(streams.join(u' ')));
        QVERIFY2(streams.join(u' ').contains(u"aac"), qPrintable(streams.join(u' ')));

        // A second viewer joins the same process and starts on a packet boundary.
        RawHttp second(live(3));
        second.read(5000, 64 * 1024);
        QVERIFY(looksLikeTransportStream(second.answer().body.left(64 * 1024)));
        QCOMPARE(runningChannels(), QStringList{"3"});
    }

    void droppedChannelClosesAndRestores()
    {
        RawHttp viewer(live(4));
        QVERIFY(viewer.read(10000, 20000).body.size() >= 20000);

        control(QStringLiteral("drop?channel=4"));
        viewer.readFor(200);
        QVERIFY(viewer.answer().closed);

        const RawHttp::Answer refused = RawHttp::fetch(live(4), "GET", {}, 3000);
        QVERIFY(!refused.answered);
        QVERIFY(refused.closed);
        // Other channels are not affected.
        RawHttp other(live(5));
        QVERIFY(other.read(10000, 10000).body.size() >= 10000);
        other.close();

        control(QStringLiteral("restore?channel=4"));
        RawHttp again(live(4));
        QVERIFY(again.read(10000, 20000).body.size() >= 20000);
    }

    void stalledChannelKeepsTheConnectionSilent()
    {
        RawHttp viewer(live(6));
        QVERIFY(viewer.read(10000, 20000).body.size() >= 20000);

        control(QStringLiteral("drop?channel=6&mode=stall"));
        viewer.readFor(300); // what was in flight
        QCOMPARE(viewer.readFor(700), qint64(0));
        QVERIFY(viewer.isOpen());

        control(QStringLiteral("restore?channel=6"));
        const qsizetype silentSize = viewer.answer().body.size();
        QVERIFY(viewer.read(5000, silentSize + 1).body.size() > silentSize);
        QVERIFY(viewer.isOpen());
    }

    void idleChannelsStopAndSlotsAreLimited()
    {
        auto first = std::make_unique<RawHttp>(live(7));
        auto second = std::make_unique<RawHttp>(live(8));
        QVERIFY(first->read(10000, 1000).body.size() >= 1000);
        QVERIFY(second->read(10000, 1000).body.size() >= 1000);

        // Both slots are watched: a third channel is refused.
        const RawHttp::Answer busy = RawHttp::fetch(live(9));
        QCOMPARE(busy.status, 503);

        // Once nobody has watched channel 7 for the idle time, its slot is free again.
        first.reset();
        QTRY_COMPARE_WITH_TIMEOUT(runningChannels(), QStringList{"8"}, 5000);
        RawHttp third(live(9));
        QVERIFY(third.read(10000, 1000).body.size() >= 1000);

        second.reset();
        third.close();
        QTRY_VERIFY_WITH_TIMEOUT(runningChannels().isEmpty(), 5000);
        QVERIFY(QDirIterator(server->dataDir(), {QStringLiteral("*.m3u8")}, QDir::Files,
                             QDirIterator::Subdirectories)
                    .hasNext() == false);
    }

    void hlsPlaylistAndSegments()
    {
        const RawHttp::Answer playlist = RawHttp::fetch(live(10, QStringLiteral("m3u8")));
        QCOMPARE(playlist.status, 200);
        QCOMPARE(playlist.header("Content-Type"), QByteArray("application/vnd.apple.mpegurl"));
        QVERIFY(playlist.body.startsWith("#EXTM3U"));
        QString segment;
        for (const QByteArray& line : playlist.body.split('\n')) {
            if (line.startsWith("/hls/10/"))
                segment = QString::fromUtf8(line.trimmed());
        }
        QVERIFY2(!segment.isEmpty(), playlist.body.constData());

        const RawHttp::Answer piece = RawHttp::fetch(server->url(segment));
        QCOMPARE(piece.status, 200);
        QCOMPARE(piece.header("Content-Type"), QByteArray("video/mp2t"));
        QVERIFY(looksLikeTransportStream(piece.body));
        QVERIFY(probe(save(piece.body, QStringLiteral("segment.ts"))).join(u' ').contains(u"h264"));

        // A dropped channel's playlist requests are closed unanswered too.
        control(QStringLiteral("drop?channel=10"));
        const RawHttp::Answer dropped =
            RawHttp::fetch(live(10, QStringLiteral("m3u8")), "GET", {}, 3000);
        QVERIFY(!dropped.answered);
        QVERIFY(dropped.closed);
    }

    void movieClipServesRanges()
    {
        const QUrl movie = server->url(QStringLiteral("/movie/demo/demo/1000001.mp4"));
        const RawHttp::Answer whole = RawHttp::fetch(movie, "GET", {}, 30000);
        QCOMPARE(whole.status, 200);
        QCOMPARE(whole.header("Content-Type"), QByteArray("video/mp4"));
        QCOMPARE(whole.header("Accept-Ranges"), QByteArray("bytes"));
        const qint64 size = whole.body.size();
        QCOMPARE(whole.header("Content-Length").toLongLong(), size);
        const QString file = save(whole.body, QStringLiteral("movie.mp4"));
        const QStringList streams = probe(file);
        QCOMPARE(streams.filter(u"audio").size(), 2);
        QCOMPARE(streams.filter(u"subtitle").size(), 1);
        QVERIFY(qAbs(probeDuration(file) - 2.0) < 0.5);

        struct Case
        {
            QByteArray range;
            int status;
            qint64 first;
            qint64 length;
        };
        const QList<Case> cases = {
            {"bytes=100-199", 206, 100, 100},
            {"bytes=" + QByteArray::number(size - 10) + '-', 206, size - 10, 10},
            {"bytes=-50", 206, size - 50, 50},
            {"bytes=0-", 206, 0, size},
        };
        for (const Case& c : cases) {
            const RawHttp::Answer part = RawHttp::fetch(movie, "GET", {{"Range", c.range}});
            QCOMPARE(part.status, c.status);
            QCOMPARE(part.body, whole.body.mid(c.first, c.length));
            QCOMPARE(part.header("Content-Range"), QByteArray("bytes ") +
                                                       QByteArray::number(c.first) + '-' +
                                                       QByteArray::number(c.first + c.length - 1) +
                                                       '/' + QByteArray::number(size));
        }
        const RawHttp::Answer beyond =
            RawHttp::fetch(movie, "GET", {{"Range", "bytes=" + QByteArray::number(size) + '-'}});
        QCOMPARE(beyond.status, 416);
        QCOMPARE(beyond.header("Content-Range"), "bytes */" + QByteArray::number(size));

        const RawHttp::Answer head = RawHttp::fetch(movie, "HEAD");
        QCOMPARE(head.status, 200);
        QCOMPARE(head.header("Content-Length").toLongLong(), size);
        QVERIFY(head.body.isEmpty());
    }

    void episodeClipInMatroska()
    {
        const QJsonObject info =
            QJsonDocument::fromJson(RawHttp::fetch(server->url(QStringLiteral(
                                                       "/player_api.php?username=demo&password="
                                                       "demo&action=get_series_info&series_id=2")))
                                        .body)
                .object();
        const QString id = info.value(QStringLiteral("episodes"))
                               .toObject()
                               .value(QStringLiteral("1"))
                               .toArray()
                               .at(0)
                               .toObject()
                               .value(QStringLiteral("id"))
                               .toString();
        QVERIFY(!id.isEmpty());
        const RawHttp::Answer clip = RawHttp::fetch(
            server->url(QStringLiteral("/series/demo/demo/%1.mkv").arg(id)), "GET", {}, 30000);
        QCOMPARE(clip.status, 200);
        QCOMPARE(clip.header("Content-Type"), QByteArray("video/x-matroska"));
        const QStringList streams = probe(save(clip.body, QStringLiteral("episode.mkv")));
        QVERIFY2(streams.join(u' ').contains(u"h264"), qPrintable(streams.join(u' ')));
        QCOMPARE(streams.filter(u"subtitle").size(), 1);
    }

    void ffmpegEndsWithTheServer()
    {
        RawHttp viewer(live(1));
        QVERIFY(viewer.read(10000, 1000).body.size() >= 1000);
        const QString dataDir = server->dataDir();
        QVERIFY(server->stop());
        viewer.readFor(500);
        QVERIFY(viewer.answer().closed);
        // No process is left that works in the server's folder.
        bool leftover = false;
        for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
            if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(dataDir.toUtf8()))
                leftover = true;
        }
        QVERIFY(!leftover);
        server.reset();
    }
};

VELMORA_TEST_MAIN(TestDemoMedia)
#include "tst_demomedia.moc"
