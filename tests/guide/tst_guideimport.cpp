// The guide from the wire to the store: XMLTV over loopback HTTP (plain, gzip, in pieces, from
// disk), the time forms, channel matching, the readings of the player API's answers, bad input
// that must leave the previous guide alone, and an import killed halfway.
#include "guide/guideimporter.h"
#include "guide/guidematch.h"
#include "guide/guidenowtable.h"
#include "guide/guidestore.h"
#include "guide/gzip.h"
#include "guide/xmltvtime.h"
#include "guide/xtreamepg.h"
#include "guidetestdata.h"
#include "loopbackhttpserver.h"
#include "sources/sourcemanager.h"
#include "tempprofile.h"
#include "testmain.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <optional>

using guidetest::xmltvTime;

namespace {
constexpr qint64 kT0 = 1'767'225'600; // 2026-01-01 00:00 UTC

MediaItem channel(const QString& name, const QString& guideId = {}, const QString& guideName = {})
{
    MediaItem item;
    item.id = QStringLiteral("http://example.invalid/") + name;
    item.name = name;
    item.guideId = guideId;
    item.guideName = guideName;
    return item;
}

// A playlist's channels: one by tvg-id (other case), one by tvg-name (underscores), one by its
// name against a display name, one without any guide.
QList<MediaItem> catalog()
{
    return {channel(QStringLiteral("One HD"), QStringLiteral("ONE.tv")),
            channel(QStringLiteral("Third"), {}, QStringLiteral("second_channel")),
            channel(QStringLiteral("lonely  channel")), channel(QStringLiteral("Nothing"))};
}

QByteArray programme(const QByteArray& channel, qint64 start, std::optional<qint64> stop,
                     const QByteArray& title, const QByteArray& extra = {})
{
    QByteArray out = "<programme start=\"" + xmltvTime(start) + '"';
    if (stop)
        out += " stop=\"" + xmltvTime(*stop) + '"';
    return out + " channel=\"" + channel + "\"><title lang=\"en\">" + title + "</title>" + extra +
           "</programme>\n";
}

QByteArray goodGuide(const QByteArray& filler = {})
{
    const qint64 h = 3600;
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE tv SYSTEM \"xmltv.dtd\">\n<tv>\n"
           "<channel id=\"one.tv\"><display-name>One</display-name></channel>\n"
           "<channel id=\"Two_TV\"><display-name>Other</display-name>"
           "<display-name>Second Channel</display-name></channel>\n"
           "<channel id=\"lonely\"><display-name>Lonely_Channel</display-name></channel>\n"
           "<channel id=\"stranger\"><display-name>Not Ours</display-name></channel>\n" +
           programme("one.tv", kT0, kT0 + h, "Новости",
                     "<desc>Вечерний выпуск" + filler + "</desc>") +
           programme("one.tv", kT0 + h, kT0 + 2 * h, "Film &amp; more") +
           programme("one.tv", kT0 + h, kT0 + 2 * h, "Duplicate start") +
           programme("one.tv", kT0 + 3 * h, kT0 + 2 * h, "Stops before it starts") +
           "<programme start=\"tomorrow\" stop=\"" + xmltvTime(kT0) +
           "\" channel=\"one.tv\">"
           "<title>No start</title></programme>\n" +
           programme("one.tv", kT0 + 2 * h, std::nullopt, "No stop") +
           programme("one.tv", kT0 + 3 * h, kT0 + 4 * h, "Last") +
           programme("one.tv", kT0 - 5 * 86400, kT0 - 5 * 86400 + h, "Too old") +
           programme("one.tv", kT0 + 20 * 86400, kT0 + 20 * 86400 + h, "Too far") +
           programme("Two_TV", kT0, kT0 + 2 * h, "夜のドラマ") +
           programme("lonely", kT0, kT0 + h, "Alone") +
           programme("stranger", kT0, kT0 + h, "Not kept") + "</tv>\n";
}

GuideImporter::Request request(const QString& store, const QList<QUrl>& urls)
{
    GuideImporter::Request r;
    r.storePath = store;
    r.urls = urls;
    r.wanted = GuideMatch::wanted(catalog(), true);
    r.keepFrom = kT0 - 86400;
    r.keepUntil = kT0 + 14 * 86400;
    r.inactivityTimeoutMs = 2000;
    return r;
}

GuideImporter::Result importAndWait(const GuideImporter::Request& r)
{
    GuideImporter importer;
    std::optional<GuideImporter::Result> result;
    importer.start(r, {}, [&](const GuideImporter::Result& done) { result = done; });
    (void)QTest::qWaitFor([&]() { return result.has_value(); }, 30000);
    return result.value_or(GuideImporter::Result{});
}

// "title@start-offset-hours" of each programme of the catalog channel `index`.
QStringList programmesOf(const GuideStore& store, int index)
{
    GuideMatch::Index matcher;
    matcher.build(store.channels());
    const int number = matcher.find(catalog().at(index), true);
    QStringList out;
    if (number < 0)
        return out;
    for (const GuideProgramme& p : store.programmes(number, kT0 - 86400, kT0 + 14 * 86400))
        out.append(QStringLiteral("%1@%2-%3")
                       .arg(p.title)
                       .arg((p.start - kT0) / 3600)
                       .arg((p.stop - kT0) / 3600));
    return out;
}
} // namespace

class TestGuideImport : public QObject
{
    Q_OBJECT

private slots:
    void readsTimes_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<qint64>("expected"); // -1: unreadable
        QTest::newRow("offset +0000") << QByteArray("20260101000000 +0000") << kT0;
        QTest::newRow("offset +0130") << QByteArray("20260101013000 +0130") << kT0;
        QTest::newRow("offset -05:00") << QByteArray("20251231190000 -05:00") << kT0;
        QTest::newRow("no offset is UTC") << QByteArray("20260101000000") << kT0;
        QTest::newRow("no seconds") << QByteArray("202601010000 +0000") << kT0;
        QTest::newRow("Z, no space") << QByteArray("20260101000000Z") << kT0;
        QTest::newRow("leap day") << QByteArray("20240229120000 +0000") << qint64(1'709'208'000);
        QTest::newRow("not a leap day") << QByteArray("20250229120000 +0000") << qint64(-1);
        QTest::newRow("month 13") << QByteArray("20261301000000 +0000") << qint64(-1);
        QTest::newRow("short") << QByteArray("2026010100") << qint64(-1);
        QTest::newRow("bad offset") << QByteArray("20260101000000 +1") << qint64(-1);
        QTest::newRow("words") << QByteArray("tomorrow") << qint64(-1);
    }
    void readsTimes()
    {
        QFETCH(QByteArray, text);
        QFETCH(qint64, expected);
        QCOMPARE(XmltvTime::parse(text).value_or(-1), expected);
    }

    void importsGuide_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("plain") << "plain";
        QTest::newRow("gzip") << "gzip";
        QTest::newRow("gzip trickled in 7-byte pieces") << "trickle";
        QTest::newRow("from a file") << "file";
        QTest::newRow("a 1.5 MB line") << "long line";
        QTest::newRow("two addresses, one dead") << "two";
    }
    void importsGuide()
    {
        QFETCH(QString, how);
        QTemporaryDir dir;
        LoopbackHttpServer server;
        QVERIFY(server.start(true));
        QByteArray body =
            goodGuide(how == u"long line" ? QByteArray(1'500'000, 'x') : QByteArray());
        if (how == u"long line")
            body.replace('\n', ' ');
        server.route(QStringLiteral("/guide.xml"), [&](const LoopbackHttpServer::Request& r) {
            const bool zip = how != u"plain" && r.headers.value("accept-encoding").contains("gzip");
            auto response =
                LoopbackHttpServer::text(zip ? Gzip::compress(body) : body, "application/xml");
            if (how == u"trickle") {
                response.mode = LoopbackHttpServer::Response::Mode::Trickle;
                response.chunkBytes = 7;
                response.chunkDelayMs = 0;
            }
            return response;
        });
        QList<QUrl> urls{server.url(QStringLiteral("/guide.xml"))};
        if (how == u"file") {
            QFile file(dir.filePath(QStringLiteral("guide.xml.gz")));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Gzip::compress(body)) > 0);
            file.close();
            urls = {QUrl::fromLocalFile(file.fileName())};
        } else if (how == u"two") {
            urls.prepend(server.url(QStringLiteral("/missing.xml")));
        }

        const QString path = dir.filePath(QStringLiteral("guide.sqlite"));
        const GuideImporter::Result result = importAndWait(request(path, urls));
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.message.isEmpty(), how != u"two");

        GuideStore store;
        QVERIFY(store.open(path));
        QCOMPARE(programmesOf(store, 0),
                 QStringList({QStringLiteral("Новости@0-1"), QStringLiteral("Film & more@1-2"),
                              QStringLiteral("No stop@2-3"), QStringLiteral("Last@3-4")}));
        QCOMPARE(programmesOf(store, 1), QStringList{QStringLiteral("夜のドラマ@0-2")});
        QCOMPARE(programmesOf(store, 2), QStringList{QStringLiteral("Alone@0-1")});
        QCOMPARE(programmesOf(store, 3), QStringList());
        QCOMPARE(store.channels().size(), 3); // "stranger" is in no catalog

        const QHash<int, GuideNowNext> now = store.nowNext(kT0 + 1800);
        GuideMatch::Index matcher;
        matcher.build(store.channels());
        const GuideNowNext one = now.value(matcher.find(catalog().at(0), true));
        QCOMPARE(one.now.title, QStringLiteral("Новости"));
        QCOMPARE(store.nextAfter(matcher.find(catalog().at(0), true), kT0 + 1800)->title,
                 QStringLiteral("Film & more"));
        QVERIFY(now.value(matcher.find(catalog().at(1), true)).hasNow);
        QVERIFY(!now.contains(matcher.find(catalog().at(0), true) + 100));
        // "Now" from memory answers as the file does, for windows opening at a programme's
        // start and in its middle, before, between and after programmes.
        for (const qint64 from : {kT0 - 3600, kT0 + 1800}) {
            const auto table = GuideNowTable::read(path, from, from + 6 * 3600);
            QVERIFY(table);
            for (qint64 t = from; t < from + 6 * 3600; t += 900) {
                const QHash<int, GuideNowNext> fromFile = store.nowNext(t);
                for (const GuideStore::Channel& channel : store.channels()) {
                    const GuideNowNext memory = table->at(channel.number, t);
                    const GuideNowNext file = fromFile.value(channel.number);
                    const auto next =
                        store.nextAfter(channel.number, file.hasNow ? file.now.start : t);
                    QCOMPARE(memory.hasNow, file.hasNow);
                    QCOMPARE(memory.now.title, file.now.title);
                    QCOMPARE(memory.now.stop, file.now.stop);
                    QCOMPARE(memory.hasNext, next.has_value());
                    QCOMPARE(memory.next.start, next ? next->start : 0);
                }
            }
        }
        if (how == u"long line")
            QVERIFY(store.programmes(matcher.find(catalog().at(0), true), kT0, kT0 + 1)
                        .value(0)
                        .description.size() <= 16 * 1024);
    }

    // Whatever goes wrong, the import says so and the guide from before stays readable.
    void badInputKeepsPreviousGuide_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        using Mode = LoopbackHttpServer::Response::Mode;
        const QByteArray good = goodGuide();
        QTest::newRow("unclosed tag")
            << QByteArray(
                   "<tv><programme start=\"20260101000000\" channel=\"one.tv\"><title>x</tv>")
            << int(Mode::Normal) << 200 << "not valid XMLTV";
        QTest::newRow("unknown entity")
            << QByteArray("<tv><channel id=\"one.tv\"><display-name>&bogus;</display-name>"
                          "</channel></tv>")
            << int(Mode::Normal) << 200 << "not valid XMLTV";
        QTest::newRow("junk after the root")
            << QByteArray("<tv></tv><more/>") << int(Mode::Normal) << 200 << "not valid XMLTV";
        QTest::newRow("truncated gzip")
            << Gzip::compress(good).left(300) << int(Mode::Normal) << 200 << "cut short";
        QTest::newRow("damaged gzip") << Gzip::compress(good).replace(40, 40, QByteArray(40, 'z'))
                                      << int(Mode::Normal) << 200 << "damaged";
        QTest::newRow("HTML error page with status 200")
            << QByteArray("<!DOCTYPE html><html><body>Service unavailable</body></html>")
            << int(Mode::Normal) << 200 << "no XMLTV guide";
        QTest::newRow("status 500") << good << int(Mode::Normal) << 500 << "HTTP 500";
        QTest::newRow("empty body") << QByteArray() << int(Mode::Normal) << 200 << "empty";
        QTest::newRow("server stalls")
            << good << int(Mode::HeadersThenStall) << 200 << "stopped sending";
        QTest::newRow("body never ends")
            << QByteArray(" ") << int(Mode::Endless) << 200 << "larger than 2 MB";
    }
    void badInputKeepsPreviousGuide()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, mode);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir dir;
        LoopbackHttpServer server;
        QVERIFY(server.start(true));
        server.route(QStringLiteral("/good.xml"), [](const LoopbackHttpServer::Request&) {
            return LoopbackHttpServer::text(goodGuide(), "application/xml");
        });
        server.route(QStringLiteral("/bad.xml"), [&](const LoopbackHttpServer::Request&) {
            auto response = LoopbackHttpServer::text(body, "text/html", status);
            response.mode = LoopbackHttpServer::Response::Mode(mode);
            response.partialBytes = 100;
            response.chunkBytes = 64 * 1024;
            response.chunkDelayMs = 2;
            return response;
        });
        const QString path = dir.filePath(QStringLiteral("guide.sqlite"));
        QVERIFY(importAndWait(request(path, {server.url(QStringLiteral("/good.xml"))})).ok);

        GuideImporter::Request bad = request(path, {server.url(QStringLiteral("/bad.xml"))});
        bad.maxBytes = 2 * 1024 * 1024;
        bad.inactivityTimeoutMs = 300;
        const GuideImporter::Result result = importAndWait(bad);
        QVERIFY(!result.ok);
        QVERIFY2(result.message.contains(message), qPrintable(result.message));

        GuideStore store;
        QVERIFY(store.open(path));
        QCOMPARE(programmesOf(store, 0).size(), 4);
        QVERIFY(!QFile::exists(path + QStringLiteral(".importing")));
    }

    void cancelledImportKeepsPreviousGuide()
    {
        QTemporaryDir dir;
        LoopbackHttpServer server;
        QVERIFY(server.start(true));
        server.route(QStringLiteral("/good.xml"), [](const LoopbackHttpServer::Request&) {
            return LoopbackHttpServer::text(goodGuide(), "application/xml");
        });
        server.route(QStringLiteral("/slow.xml"), [](const LoopbackHttpServer::Request&) {
            auto response = LoopbackHttpServer::text(goodGuide(), "application/xml");
            response.mode = LoopbackHttpServer::Response::Mode::HeadersThenStall;
            response.partialBytes = 200;
            return response;
        });
        const QString path = dir.filePath(QStringLiteral("guide.sqlite"));
        QVERIFY(importAndWait(request(path, {server.url(QStringLiteral("/good.xml"))})).ok);

        GuideImporter importer;
        std::optional<GuideImporter::Result> result;
        importer.start(request(path, {server.url(QStringLiteral("/slow.xml"))}), {},
                       [&](const GuideImporter::Result& done) { result = done; });
        QTRY_VERIFY(!server.requestsTo(QStringLiteral("/slow.xml")).isEmpty());
        importer.cancel();
        QTRY_VERIFY(result.has_value());
        QVERIFY(result->cancelled && !result->ok);
        GuideStore store;
        QVERIFY(store.open(path));
        QCOMPARE(programmesOf(store, 0).size(), 4);
    }

    // SIGKILL in the middle of writing the new store: the old one is what opens.
    void killedImportKeepsPreviousGuide()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("guide.sqlite"));
        const QString small = dir.filePath(QStringLiteral("small.xml"));
        const QString big = dir.filePath(QStringLiteral("big.xml"));
        for (const auto& [file, channels, each] :
             {std::tuple(small, 3, 4), std::tuple(big, 400, 400)}) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(guidetest::bigGuide(channels, each, kT0));
        }
        QProcess probe;
        probe.start(QStringLiteral(GUIDE_PROBE), {path, small});
        QVERIFY(probe.waitForFinished(30000) && probe.exitCode() == 0);

        probe.start(QStringLiteral(GUIDE_PROBE), {path, big});
        QVERIFY(probe.waitForStarted());
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += probe.readAllStandardOutput(),
                                  out.split('\n').size() > 3 && out.contains("\n3")),
                                 30000);
        ::kill(pid_t(probe.processId()), SIGKILL);
        QVERIFY(probe.waitForFinished(10000));
        QCOMPARE(probe.exitStatus(), QProcess::CrashExit);
        QVERIFY(QFile::exists(path + QStringLiteral(".importing")));

        GuideStore store;
        QVERIFY(store.open(path));
        QCOMPARE(store.programmeCount(), 12);
        store.close();

        probe.start(QStringLiteral(GUIDE_PROBE), {path, big});
        QVERIFY(probe.waitForFinished(60000) && probe.exitCode() == 0);
        QVERIFY(store.open(path));
        QCOMPARE(store.programmeCount(), 400 * 400);
    }

    void readsPlayerApiAnswers_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QStringList>("expected"); // "start-stop title | description | archived"
        const QByteArray news = QStringLiteral("Новости").toUtf8().toBase64();
        const QByteArray about = QByteArray("About it").toBase64();
        QTest::newRow("numbers, base64")
            << "{\"epg_listings\":[{\"start_timestamp\":100,\"stop_timestamp\":200,\"title\":\"" +
                   news + "\",\"description\":\"" + about + "\",\"has_archive\":1}]}"
            << QStringList{QStringLiteral("100-200 Новости | About it | 1")};
        QTest::newRow("strings, plain text")
            << QByteArray("{\"epg_listings\":[{\"start_timestamp\":\"100\",\"stop_timestamp\":"
                          "\"200\",\"title\":\"Plain title!\",\"description\":\"Word\","
                          "\"has_archive\":\"0\",\"now_playing\":\"1\"}]}")
            << QStringList{QStringLiteral("100-200 Plain title! | Word | 0")};
        QTest::newRow("bad rows among good ones, out of order")
            << "[{\"start_timestamp\":\"soon\",\"stop_timestamp\":5},42,{\"start_timestamp\":300,"
               "\"stop_timestamp\":400,\"title\":\"" +
                   about +
                   "\"},{\"start_timestamp\":9,"
                   "\"stop_timestamp\":3},{\"start_timestamp\":100,\"stop_timestamp\":200,"
                   "\"has_archive\":true},{\"start_timestamp\":100,\"stop_timestamp\":250}]"
            << QStringList{QStringLiteral("100-200  |  | 1"),
                           QStringLiteral("300-400 About it |  | 0")};
        QTest::newRow("not JSON") << QByteArray("<html>") << QStringList();
    }
    void readsPlayerApiAnswers()
    {
        QFETCH(QByteArray, body);
        QFETCH(QStringList, expected);
        QStringList got;
        for (const GuideProgramme& p : XtreamEpg::parse(body))
            got.append(QStringLiteral("%1-%2 %3 | %4 | %5")
                           .arg(p.start)
                           .arg(p.stop)
                           .arg(p.title, p.description)
                           .arg(int(p.archived)));
        QCOMPARE(got, expected);
    }

    // Servers saved before the guide fields existed load with an empty guide address and no
    // offset; the fields round-trip.
    void serversKeepGuideSettings()
    {
        TempProfile profile;
        {
            QSettings settings(QStringLiteral("Velmora"), QStringLiteral("Player"));
            settings.beginWriteArray(QStringLiteral("sources"));
            settings.setArrayIndex(0);
            settings.setValue(QStringLiteral("type"), 1);
            settings.setValue(QStringLiteral("name"), QStringLiteral("Old"));
            settings.setValue(QStringLiteral("url"), QStringLiteral("http://old.invalid"));
            settings.endArray();
        }
        SourceManager before;
        QCOMPARE(before.sources().size(), 1);
        SourceConfig old = before.sources().first();
        QCOMPARE(old.guideUrl, QString());
        QCOMPARE(old.guideOffsetHours, 0);
        old.guideUrl = QStringLiteral("http://guide.invalid/a.xml.gz");
        old.guideOffsetHours = -3;
        before.saveSource(old);
        SourceManager after;
        QCOMPARE(after.sources().first().guideUrl, old.guideUrl);
        QCOMPARE(after.sources().first().guideOffsetHours, -3);
        QCOMPARE(after.sources().first().url, QStringLiteral("http://old.invalid"));
    }
};

VELMORA_TEST_MAIN(TestGuideImport)
#include "tst_guideimport.moc"
