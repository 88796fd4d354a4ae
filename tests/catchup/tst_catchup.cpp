#include "catchup/catchupaddress.h"
#include "catchup/catchupresolver.h"
#include "catchup/servertimezone.h"
#include "demoserverprocess.h"
#include "model/sourceconfig.h"
#include "model/xtreamserverinfo.h"
#include "providers/m3uparser.h"
#include "providers/xtreamclient.h"
#include "testmain.h"

#include <QDateTime>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QScopeGuard>

#include <ctime>

Q_DECLARE_METATYPE(MediaItem)

namespace {
// 2026-03-08 06:30 UTC: half an hour before New York moves its clocks forward.
constexpr qint64 kBeforeUsChange = 1772951400;
const XtreamAccount kAccount{QStringLiteral("http://srv:8080"), QStringLiteral("u"),
                             QStringLiteral("p&w")};

CatchupWindow window(qint64 start, qint64 length = 3600)
{
    return {start, start + length, start + 2 * length};
}

MediaItem channel(const QString& url, const QString& type, const QString& source, int days = 3)
{
    MediaItem item;
    item.streamUrl = url;
    item.catchupType = type;
    item.catchupSource = source;
    item.archiveDays = days;
    return item;
}

// The start the demo server understood from an archive address (from its answer's head), or
// -1 with the HTTP status in `status` when it refused it.
qint64 servedStart(const QString& url, int* status)
{
    QNetworkAccessManager manager;
    QNetworkReply* reply = manager.get(QNetworkRequest(QUrl(url)));
    qint64 start = -1;
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
        *status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->hasRawHeader("X-Archive-Start"))
            start = reply->rawHeader("X-Archive-Start").toLongLong();
        if (*status == 200)
            reply->abort(); // the stream itself never matters here
    });
    const bool finished =
        QTest::qWaitFor([reply] { return reply->isFinished(); }, testTimeout(15000));
    delete reply;
    if (!finished)
        *status = -1;
    return start;
}
} // namespace

class TestCatchup : public QObject
{
    Q_OBJECT

private slots:
    void xtreamAddresses_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<qint64>("start");
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("expected");
        const int path = int(CatchupAddress::XtreamForm::Path);
        const int query = int(CatchupAddress::XtreamForm::Query);
        QTest::newRow("path, New York winter time")
            << "America/New_York" << kBeforeUsChange << path
            << "http://srv:8080/timeshift/u/p&w/62/2026-03-08:01-30/42.ts";
        QTest::newRow("path, New York an hour later: summer time")
            << "America/New_York" << kBeforeUsChange + 3600 << path
            << "http://srv:8080/timeshift/u/p&w/62/2026-03-08:03-30/42.ts";
        QTest::newRow("path, Amsterdam before clocks go back")
            << "Europe/Amsterdam" << qint64(1792888200) << path
            << "http://srv:8080/timeshift/u/p&w/62/2026-10-25:02-30/42.ts";
        QTest::newRow("path, Amsterdam an hour later: the same wall clock")
            << "Europe/Amsterdam" << qint64(1792891800) << path
            << "http://srv:8080/timeshift/u/p&w/62/2026-10-25:02-30/42.ts";
        QTest::newRow("path, a zone 5:45 ahead")
            << "Asia/Kathmandu" << kBeforeUsChange << path
            << "http://srv:8080/timeshift/u/p&w/62/2026-03-08:12-15/42.ts";
        QTest::newRow("path, seconds into the minute ask a minute more")
            << "UTC" << kBeforeUsChange + 40 << path
            << "http://srv:8080/timeshift/u/p&w/63/2026-03-08:06-30/42.ts";
        QTest::newRow("query, encoded")
            << "America/New_York" << kBeforeUsChange << query
            << "http://srv:8080/streaming/timeshift.php?username=u&password=p%26w&stream=42"
               "&start=2026-03-08%3A01-30&duration=62";
    }

    void xtreamAddresses()
    {
        QFETCH(QString, zone);
        QFETCH(qint64, start);
        QFETCH(int, form);
        QFETCH(QString, expected);
        const ServerTimeZone server{QTimeZone(zone.toUtf8())};
        QCOMPARE(CatchupAddress::xtream(CatchupAddress::XtreamForm(form), kAccount,
                                        QStringLiteral("42"), server,
                                        {start, start + 3600, start + 7200}),
                 expected);
    }

    void playlistAddresses_data()
    {
        QTest::addColumn<MediaItem>("item");
        QTest::addColumn<QString>("expected");
        const QString live = QStringLiteral("http://h/ch/5.ts");
        // start 1772951400, stop +3600, now +7200
        QTest::newRow("shift keeps the query")
            << channel("http://h/ch/5.ts?token=t", "shift", {})
            << "http://h/ch/5.ts?token=t&utc=1772951400&lutc=1772958600";
        QTest::newRow("default, every placeholder")
            << channel(live, "default",
                       "http://a/{Y}/{m}/{d}/{H}{M}{S}?s={utc}&e={end}&n={lutc}&d={duration}"
                       "&m={duration:60}&o={offset:60}&b=${start}&c=${end}&t=${timestamp}")
            << "http://a/2026/03/08/063000?s=1772951400&e=1772955000&n=1772958600&d=3600"
               "&m=60&o=120&b=1772951400&c=1772955000&t=1772958600";
        QTest::newRow("default without a template shifts")
            << channel(live, "default", {}) << "http://h/ch/5.ts?utc=1772951400&lutc=1772958600";
        QTest::newRow("unknown placeholders stay")
            << channel(live, "default", "http://a/{start}/{channel}")
            << "http://a/1772951400/{channel}";
        QTest::newRow("append") << channel(live, "append", "?utc={utc}&lutc={lutc}")
                                << "http://h/ch/5.ts?utc=1772951400&lutc=1772958600";
        QTest::newRow("append to an address with a query")
            << channel("http://h/ch/5.ts?tok=1", "append", "?utc={utc}&lutc={lutc}")
            << "http://h/ch/5.ts?tok=1&utc=1772951400&lutc=1772958600";
        QTest::newRow("flussonic hls")
            << channel("http://f/news/index.m3u8?token=x", "flussonic", {})
            << "http://f/news/index-1772951400-3600.m3u8?token=x";
        QTest::newRow("flussonic mpegts") << channel("http://f/news/mpegts", "flussonic-ts", {})
                                          << "http://f/news/timeshift_abs-1772951400.ts";
        QTest::newRow("xc from a live address")
            << channel("http://x:81/live/u/pw/9.m3u8", "xc", {})
            << "http://x:81/timeshift/u/pw/62/2026-03-08:06-30/9.m3u8";
        QTest::newRow("xc from the short form")
            << channel("http://x/u/pw/9", "xc", {})
            << "http://x/timeshift/u/pw/62/2026-03-08:06-30/9.ts";
        QTest::newRow("no archive") << channel(live, "shift", {}, 0) << QString();
        QTest::newRow("xc, not an Xtream address") << channel(live, "xc", {}) << QString();
    }

    void playlistAddresses()
    {
        QFETCH(MediaItem, item);
        QFETCH(QString, expected);
        QCOMPARE(CatchupAddress::playlist(item, window(kBeforeUsChange)), expected);
    }

    void serverZone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("timestampNow");
        QTest::addColumn<QString>("timeNow");
        QTest::addColumn<int>("offsetAtStart");      // at kBeforeUsChange
        QTest::addColumn<QByteArray>("machineZone"); // empty: the test's own
        QTest::newRow("a known name wins over the clock")
            << "America/New_York" << kBeforeUsChange << "2026-03-08 12:00:00" << -5 * 3600
            << QByteArray();
        QTest::newRow("unknown name: the clock, rounded to 15 minutes")
            << "GMT+5:45 Nepal" << kBeforeUsChange << "2026-03-08 12:15:07" << 20700
            << QByteArray();
        QTest::newRow("no name, clock behind UTC")
            << "" << kBeforeUsChange << "2026-03-08 03:29:52" << -3 * 3600 << QByteArray();
        QTest::newRow("no timestamp: UTC")
            << "Nowhere/Special" << qint64(0) << "2026-03-08 12:15:00" << 0 << QByteArray();
        QTest::newRow("absurd offset: UTC")
            << "Nowhere/Special" << kBeforeUsChange << "2026-03-10 12:15:00" << 0 << QByteArray();
        // 02:30 on 29 March 2026 does not exist in Amsterdam; on a server two hours ahead of UTC
        // it does, and the machine's zone has no say in it.
        QTest::newRow("no name, the clock in the machine's daylight-saving gap")
            << "" << qint64(1774744200) << "2026-03-29 02:30:00" << 2 * 3600
            << QByteArray("Europe/Amsterdam");
    }

    void serverZone()
    {
        QFETCH(QString, name);
        QFETCH(QString, timeNow);
        QFETCH(qint64, timestampNow);
        QFETCH(int, offsetAtStart);
        QFETCH(QByteArray, machineZone);
        const QByteArray ownZone = qgetenv("TZ");
        if (!machineZone.isEmpty()) {
            qputenv("TZ", machineZone);
            tzset();
        }
        const auto restoreZone = qScopeGuard([&] {
            qputenv("TZ", ownZone);
            tzset();
        });
        const ServerTimeZone zone =
            ServerTimeZone::fromServerInfo(XtreamServerInfo{name, timeNow, timestampNow});
        QCOMPARE(zone.offsetAt(kBeforeUsChange), offsetAtStart);
    }

    // The whole way against the demo server in New York while this process lives in India:
    // catalog, playlist and login readings, then each address form and template, checked by the
    // start the server says it plays.
    void againstDemoServer_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("channel");
        QTest::addColumn<bool>("toTheMinute"); // the address holds no seconds
        QTest::newRow("xtream path, number flag") << "path" << 6 << true;
        QTest::newRow("xtream query, text flag") << "query" << 3 << true;
        QTest::newRow("playlist catchup=shift") << "playlist" << 6 << false;
        QTest::newRow("playlist timeshift=days") << "playlist" << 3 << false;
        QTest::newRow("template {utc}") << "{utc}" << 3 << false;
        QTest::newRow("template ${start}") << "${start}" << 6 << false;
        QTest::newRow("append") << "append" << 3 << false;
    }

    void againstDemoServer()
    {
        QFETCH(QString, form);
        QFETCH(int, channel);
        QFETCH(bool, toTheMinute);
        QVERIFY2(QDateTime::currentDateTime().offsetFromUtc() == 5 * 3600 + 1800,
                 "the test must run in Asia/Kolkata");

        if (!demo) {
            demo = std::make_unique<DemoServerProcess>(
                QStringList{"--scale", "60", "--timezone", "America/New_York"});
            QVERIFY2(demo->start(), qPrintable(demo->errorText()));
        }
        const XtreamAccount account{demo->baseUrl(), QStringLiteral("demo"),
                                    QStringLiteral("demo")};
        XtreamClient client;
        client.configure(account.baseUrl, account.username, account.password);

        // Two hours back, 17 s into a minute.
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        const qint64 start = now - 7200 - (now % 60) + 17;
        const CatchupWindow programme{start, start + 1800, now};

        QString url;
        if (form == u"path" || form == u"query") {
            XtreamServerInfo info;
            QList<MediaItem> streams;
            bool done = false;
            client.fetchServerInfo([&](const XtreamServerInfo& i, bool) { info = i, done = true; });
            QTRY_VERIFY(done);
            done = false;
            client.fetchLiveStreams(
                {}, [&](const QList<MediaItem>& s, bool) { streams = s, done = true; });
            QTRY_VERIFY(done);
            QCOMPARE(streams.size(), 6);
            for (const MediaItem& s : streams)
                QCOMPARE(s.archiveDays, s.id.toInt() % 3 == 0 ? 3 : 0);
            const ServerTimeZone zone = ServerTimeZone::fromServerInfo(info);
            QCOMPARE(zone.describe(), QStringLiteral("America/New_York"));
            url = CatchupAddress::xtream(form == u"path" ? CatchupAddress::XtreamForm::Path
                                                         : CatchupAddress::XtreamForm::Query,
                                         account, QString::number(channel), zone, programme);
        } else {
            QNetworkAccessManager manager;
            QNetworkReply* reply = manager.get(QNetworkRequest(demo->url("/playlist.m3u")));
            QTRY_VERIFY(reply->isFinished());
            const auto parsed = M3uParser::parse(QString::fromUtf8(reply->readAll()));
            delete reply;
            QCOMPARE(parsed.items.size(), 6);
            MediaItem item = parsed.items.at(channel - 1);
            QCOMPARE(item.archiveDays, 3);
            QCOMPARE(item.catchupType, QStringLiteral("shift"));
            QVERIFY(!CatchupAddress::hasArchive(parsed.items.at(0)));
            if (form == u"{utc}" || form == u"${start}") {
                item.catchupType = CatchupAddress::kDefault;
                item.catchupSource = item.streamUrl + QStringLiteral("?utc=%1").arg(form);
            } else if (form == u"append") {
                item.catchupType = CatchupAddress::kAppend;
                item.catchupSource = QStringLiteral("?utc={start}&lutc={lutc}");
            }
            QVERIFY(CatchupAddress::isAvailable(item, programme));
            url = CatchupAddress::playlist(item, programme);
        }
        int status = 0;
        const qint64 served = servedStart(url, &status);
        QCOMPARE(status, 200);
        QCOMPARE(served, toTheMinute ? start - 17 : start);
    }

    // A server that answers the path form with 404 gets the query form, and keeps it; either
    // way the start is written on the server's clock as its login tells it.
    void formFallback_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("addressPart");
        QTest::newRow("path served") << QStringList() << "/timeshift/demo/demo/";
        QTest::newRow("path refused")
            << QStringList{"--no-timeshift-path"} << "/streaming/timeshift.php?";
    }

    void formFallback()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, addressPart);
        DemoServerProcess server(arguments << QStringLiteral("--scale") << QStringLiteral("30"));
        QVERIFY2(server.start(), qPrintable(server.errorText()));
        SourceConfig source;
        source.type = SourceConfig::Xtream;
        source.url = server.baseUrl() + u'/';
        source.username = source.password = QStringLiteral("demo");
        MediaItem channel;
        channel.id = QStringLiteral("3");
        channel.archiveDays = 3;
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        const CatchupWindow programme{now - 3600, now - 1800, now};

        QNetworkAccessManager manager;
        CatchupResolver resolver;
        for (int round = 0; round < 2; ++round) {
            QString url;
            int calls = 0;
            resolver.resolve(&manager, source, channel, programme, &manager,
                             [&](const QString& u) { url = u, ++calls; });
            QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 15000);
            QVERIFY2(url.contains(addressPart), qPrintable(url));
            QCOMPARE(resolver.zoneOf(server.baseUrl()).describe(),
                     QStringLiteral("Europe/Amsterdam"));
            int status = 0;
            QCOMPARE(servedStart(url, &status), programme.startSecs - programme.startSecs % 60);
        }
    }

    void cleanupTestCase() { demo.reset(); }

private:
    std::unique_ptr<DemoServerProcess> demo;
};

// India's clock is neither UTC nor the demo server's New York, and is off by half an hour.
VELMORA_TEST_MAIN_AFTER(TestCatchup, qputenv("TZ", "Asia/Kolkata"))

#include "tst_catchup.moc"
