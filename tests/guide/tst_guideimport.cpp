// The guide from the wire to the store: XMLTV over loopback HTTP (plain, gzip, in pieces, from
// disk), the time forms, channel matching, the readings of the player API's answers, bad input
// that must leave the previous guide alone, and an import killed halfway.
#include "guide/guideimporter.h"
#include "guide/guidematch.h"
#include "guide/guidenowtable.h"
#include "guide/guideservice.h"
#include "guide/guidestore.h"
#include "guide/gzip.h"
#include "guide/xmltvtime.h"
#include "guide/xtreamepg.h"
#include "guidetestdata.h"
#include "loopbackhttpserver.h"
#include "sources/sourcemanager.h"
#include "tempprofile.h"
#include "testmain.h"
#include "xtreamfixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <atomic>
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
    (void)QTest::qWaitFor([&]() { return result.has_value(); }, testTimeout(30000));
    return result.value_or(GuideImporter::Result{});
}

// Files of imports left beside the store.
QStringList leftovers(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList({QStringLiteral("guide.sqlite.importing*")}, QDir::Files);
}

QByteArray channelTag(const QByteArray& id, const QByteArray& name)
{
    return "<channel id=\"" + id + "\"><display-name>" + name + "</display-name></channel>\n";
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

    // Guides real providers send that read awkwardly: each must give these programmes to the
    // catalog channel `index`, and "now" at `nowAt` (seconds from kT0) must be `nowTitle`.
    void importsAwkwardGuides_data()
    {
        QTest::addColumn<QList<QByteArray>>("documents"); // one address each
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<qint64>("nowAt");
        QTest::addColumn<QString>("nowTitle");
        const qint64 h = 3600;
        const qint64 kNoNow = -1;
        auto tv = [](const QByteArray& body, const QByteArray& encoding = "UTF-8") -> QByteArray {
            return "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>\n<tv>\n" + body +
                   "</tv>\n";
        };
        const QByteArray one = channelTag("one.tv", "One");
        QTest::newRow("no stop on the last programme")
            << QList<QByteArray>{tv(one + programme("one.tv", kT0, kT0 + h, "A") +
                                    programme("one.tv", kT0 + 2 * h, std::nullopt, "B"))}
            << 0 << QStringList{"A@0-1", "B@2-3"} << 2 * h + 60 << "B";
        QTest::newRow("no stop anywhere")
            << QList<QByteArray>{tv(one + programme("one.tv", kT0 + 3 * h, std::nullopt, "C") +
                                    programme("one.tv", kT0, std::nullopt, "A") +
                                    programme("one.tv", kT0 + h, std::nullopt, "B"))}
            << 0 << QStringList{"A@0-1", "B@1-3", "C@3-4"} << kNoNow << "";
        const QByteArray alone = programme("lonely", kT0, kT0 + h, "Alone");
        QTest::newRow("a channel declared twice")
            << QList<QByteArray>{tv(channelTag("lonely", "Lonely_Channel") + alone +
                                    channelTag("lonely", "Solitary"))}
            << 2 << QStringList{"Alone@0-1"} << kNoNow << "";
        // The first address with programmes for a channel gives all of them.
        QTest::newRow("a channel declared by two addresses")
            << QList<QByteArray>{tv(channelTag("lonely", "Lonely_Channel") + alone),
                                 tv(channelTag("lonely", "Solitary") +
                                    programme("lonely", kT0 + h, kT0 + 2 * h, "Later"))}
            << 2 << QStringList{"Alone@0-1"} << kNoNow << "";
        QTest::newRow("a channel without programmes in the first address")
            << QList<QByteArray>{tv(channelTag("lonely", "Lonely_Channel")),
                                 tv(channelTag("lonely", "Solitary") +
                                    programme("lonely", kT0 + h, kT0 + 2 * h, "Later"))}
            << 2 << QStringList{"Later@1-2"} << kNoNow << "";
        const QList<std::tuple<const char*, QByteArray, QString>> sets{
            {"windows-1251", "\xCD\xEE\xE2\xEE\xF1\xF2\xE8", QStringLiteral("Новости")},
            {"windows-1252",
             "Caf\xE9 \x80"
             "5",
             QStringLiteral("Café €5")},
            {"KOI8-R", "\xF0\xCF\xC7\xCF\xC4\xC1", QStringLiteral("Погода")},
            {"ISO-8859-7", "\xC5\xE9\xE4\xDE\xF3\xE5\xE9\xF2", QStringLiteral("Ειδήσεις")}};
        for (const auto& [name, bytes, text] : sets) {
            QTest::addRow("encoding=\"%s\"", name)
                << QList<QByteArray>{tv(channelTag("lonely", "Lonely_Channel") +
                                            programme("lonely", kT0, kT0 + h, bytes),
                                        name)}
                << 2 << QStringList{text + QStringLiteral("@0-1")} << qint64(1800) << text;
        }
        QTest::newRow("a long programme around a short one")
            << QList<QByteArray>{tv(one + programme("one.tv", kT0, kT0 + 3 * h, "Long") +
                                    programme("one.tv", kT0 + h, kT0 + 2 * h, "Short") +
                                    programme("one.tv", kT0 + 4 * h, kT0 + 5 * h, "After"))}
            << 0 << QStringList{"Long@0-3", "Short@1-2", "After@4-5"} << 2 * h + 1800 << "Long";
    }
    void importsAwkwardGuides()
    {
        QFETCH(QList<QByteArray>, documents);
        QFETCH(int, index);
        QFETCH(QStringList, expected);
        QFETCH(qint64, nowAt);
        QFETCH(QString, nowTitle);
        QTemporaryDir dir;
        LoopbackHttpServer server;
        QVERIFY(server.start(true));
        QList<QUrl> urls;
        for (qsizetype i = 0; i < documents.size(); ++i) {
            const QString path = QStringLiteral("/guide%1.xml").arg(i);
            server.route(path, [body = documents[i]](const LoopbackHttpServer::Request&) {
                return LoopbackHttpServer::text(body, "application/xml");
            });
            urls.append(server.url(path));
        }
        const QString path = dir.filePath(QStringLiteral("guide.sqlite"));
        const GuideImporter::Result result = importAndWait(request(path, urls));
        QVERIFY2(result.ok && result.message.isEmpty(), qPrintable(result.message));
        GuideStore store;
        QVERIFY(store.open(path));
        QCOMPARE(programmesOf(store, index), expected);
        if (nowAt < 0)
            return;
        GuideMatch::Index matcher;
        matcher.build(store.channels());
        const int number = matcher.find(catalog().at(index), true);
        const qint64 t = kT0 + nowAt;
        QCOMPARE(store.nowNext(t).value(number).now.title, nowTitle);
        // From memory too, for a window opening before everything and one inside the last
        // programme begun.
        for (const qint64 from : {kT0 - 3600, t - 1800}) {
            const auto table = GuideNowTable::read(path, from, from + 6 * 3600);
            QVERIFY(table);
            QCOMPARE(table->at(number, t).now.title, nowTitle);
        }
    }

    // Two imports of one store at once (a restarted import, a second player): each writes its
    // own file, both succeed, and the one that began later is the guide that stays, whichever
    // ends first.
    void overlappingImportsOfOneStore_data()
    {
        QTest::addColumn<int>("olderDelayMs"); // per 100 bytes of the guide
        QTest::addColumn<int>("newerDelayMs");
        QTest::newRow("the older ends first") << 5 << 40;
        QTest::newRow("the older ends last") << 60 << 0;
    }
    void overlappingImportsOfOneStore()
    {
        QFETCH(int, olderDelayMs);
        QFETCH(int, newerDelayMs);
        QTemporaryDir dir;
        LoopbackHttpServer server;
        QVERIFY(server.start(true));
        auto serve = [&](const QString& path, const QByteArray& body, int delayMs) {
            server.route(path, [body, delayMs](const LoopbackHttpServer::Request&) {
                auto response = LoopbackHttpServer::text(body, "application/xml");
                response.mode = LoopbackHttpServer::Response::Mode::Trickle;
                response.chunkBytes = 100;
                response.chunkDelayMs = delayMs;
                return response;
            });
        };
        serve(QStringLiteral("/older.xml"), goodGuide(), olderDelayMs);
        serve(QStringLiteral("/newer.xml"), goodGuide().replace(">Last<", ">Latest<"),
              newerDelayMs);
        const QString path = dir.filePath(QStringLiteral("guide.sqlite"));
        GuideImporter older, newer;
        std::optional<GuideImporter::Result> olderResult, newerResult;
        older.start(request(path, {server.url(QStringLiteral("/older.xml"))}), {},
                    [&](const GuideImporter::Result& r) { olderResult = r; });
        QTRY_VERIFY(!server.requestsTo(QStringLiteral("/older.xml")).isEmpty());
        newer.start(request(path, {server.url(QStringLiteral("/newer.xml"))}), {},
                    [&](const GuideImporter::Result& r) { newerResult = r; });
        QTRY_VERIFY_WITH_TIMEOUT(olderResult && newerResult, 30000);
        QVERIFY2(olderResult->ok, qPrintable(olderResult->message));
        QVERIFY2(newerResult->ok, qPrintable(newerResult->message));
        GuideStore store;
        QVERIFY(store.open(path));
        QCOMPARE(programmesOf(store, 0).value(3), QStringLiteral("Latest@3-4"));
        QCOMPARE(leftovers(dir), QStringList());
    }

    // An Xtream server through the window's guide: a failed download says why without the
    // password, and a channel its XMLTV declares but leaves empty gets the player API's
    // programmes.
    void xtreamGuideOfTheWindow()
    {
        TempProfile profile;
        XtreamFixture xtream(true);
        xtream.setCredentials(QStringLiteral("viewer"), QStringLiteral("s3cret-word"));
        QVERIFY(xtream.start());
        const QByteArray guide = "<tv>" + channelTag("empty.tv", "Empty") +
                                 channelTag("full.tv", "Full") +
                                 programme("full.tv", kT0, kT0 + 3600, "Something") + "</tv>";
        std::atomic<bool> down = true; // the server answers on its own thread
        xtream.server().route(QStringLiteral("/xmltv.php"),
                              [&](const LoopbackHttpServer::Request&) {
                                  return down ? LoopbackHttpServer::text({}, "text/plain", 404)
                                              : LoopbackHttpServer::text(guide, "application/xml");
                              });
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        xtream.setAnswer(
            QStringLiteral("get_simple_data_table"),
            LoopbackHttpServer::json(
                QStringLiteral("{\"epg_listings\":[{\"start_timestamp\":%1,\"stop_timestamp\":%2,"
                               "\"title\":\"RnJvbSB0aGUgc2VydmVy\",\"description\":\"\"}]}")
                    .arg(now - 600)
                    .arg(now + 600)
                    .toUtf8()));
        MediaItem channel;
        channel.id = QStringLiteral("11");
        channel.name = QStringLiteral("Empty");
        channel.type = MediaItem::Live;
        channel.guideId = QStringLiteral("empty.tv");

        GuideService service;
        service.setSource(xtream.server(QStringLiteral("Guide test")));
        service.setChannels({channel});
        service.refresh(true);
        QTRY_VERIFY(!service.isImporting());
        const QString failed = service.statusText();
        QVERIFY2(failed.contains(QStringLiteral("password=***")), qPrintable(failed));
        QVERIFY(!failed.contains(QStringLiteral("s3cret-word")));

        down = false;
        service.refresh(true);
        QTRY_VERIFY(!service.isImporting());
        QCOMPARE(service.statusText(), QString());
        std::optional<QList<GuideProgramme>> got;
        service.programmes(channel, &service, [&](const QList<GuideProgramme>& l) { got = l; });
        QTRY_VERIFY_WITH_TIMEOUT(got.has_value(), 30000);
        QCOMPARE(got->value(0).title, QStringLiteral("From the server"));
        QCOMPARE(service.nowNext(channel).now.title, QStringLiteral("From the server"));
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
        QTest::newRow("a character set nobody knows")
            << QByteArray("<?xml version=\"1.0\" encoding=\"x-nowhere-9\"?><tv></tv>")
            << int(Mode::Normal) << 200 << "character set \"x-nowhere-9\" cannot be read";
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
        QCOMPARE(leftovers(dir), QStringList());
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
        QVERIFY(probe.waitForFinished(testTimeout(30000)) && probe.exitCode() == 0);

        probe.start(QStringLiteral(GUIDE_PROBE), {path, big});
        QVERIFY(probe.waitForStarted());
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += probe.readAllStandardOutput(),
                                  out.split('\n').size() > 3 && out.contains("\n3")),
                                 30000);
        ::kill(pid_t(probe.processId()), SIGKILL);
        QVERIFY(probe.waitForFinished(testTimeout(10000)));
        QCOMPARE(probe.exitStatus(), QProcess::CrashExit);
        QCOMPARE(leftovers(dir).size(), 1);

        GuideStore store;
        QVERIFY(store.open(path));
        QCOMPARE(store.programmeCount(), 12);
        store.close();

        probe.start(QStringLiteral(GUIDE_PROBE), {path, big});
        QVERIFY(probe.waitForFinished(testTimeout(60000)) && probe.exitCode() == 0);
        QVERIFY(store.open(path));
        QCOMPARE(store.programmeCount(), 400 * 400);
        QCOMPARE(leftovers(dir), QStringList()); // the killed import's file is gone too
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
        QTest::newRow("plain words that happen to be base64")
            << QByteArray("[{\"start_timestamp\":100,\"stop_timestamp\":200,\"title\":\"Film\","
                          "\"description\":\"\"},{\"start_timestamp\":200,\"stop_timestamp\":300,"
                          "\"title\":\"News\",\"description\":\"Late edition\"}]")
            << QStringList{QStringLiteral("100-200 Film |  | 0"),
                           QStringLiteral("200-300 News | Late edition | 0")};
        QTest::newRow("one plain text: every text as sent")
            << "[{\"start_timestamp\":100,\"stop_timestamp\":200,\"title\":\"" + about +
                   "\",\"description\":\"Plain!\"}]"
            << QStringList{"100-200 " + QString::fromLatin1(about) + " | Plain! | 0"};
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
