// The lineup on real SQLite files: choices kept by the provider's ids across a refresh that
// renames and moves items, the library's export and import with checks that reject a bad file
// whole, and the parental lock's PIN, waits and unlock times on the clock.
#include "app/clock.h"
#include "guide/guideservice.h"
#include "library/library.h"
#include "lineup/guidechannels.h"
#include "lineup/guidesources.h"
#include "lineup/lineup.h"
#include "lineup/lineupstore.h"
#include "lineup/parentallock.h"
#include "loopbackhttpserver.h"
#include "tempprofile.h"
#include "testmain.h"
#include "testtime.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTimeZone>

namespace {

const QString kServer = QStringLiteral("Home");

MediaItem channel(const QString& id, const QString& name, const QString& category,
                  const QString& guideId = QString())
{
    MediaItem m;
    m.type = MediaItem::Live;
    m.id = id;
    m.name = name;
    m.categoryId = category;
    m.guideId = guideId;
    return m;
}

QStringList names(const QList<MediaItem>& items)
{
    QStringList out;
    for (const MediaItem& m : items)
        out << m.name;
    return out;
}

QStringList names(const QList<Category>& categories)
{
    QStringList out;
    for (const Category& c : categories)
        out << c.name;
    return out;
}

LineupEntry entry(int what, const QString& id)
{
    LineupEntry e;
    e.what = what;
    e.kind = MediaItem::Live;
    e.id = id;
    return e;
}

QList<Category> categories()
{
    return {{"1", "UK News"}, {"2", "DE Sport"}, {"3", "FR Kids"}, {"4", "XXX Adult"}};
}

QList<MediaItem> channels()
{
    return {channel("101", "BBC One", "1", "bbc1.uk"), channel("102", "Sky News", "1"),
            channel("201", "Sport1", "2"), channel("301", "Gulli", "3"),
            channel("401", "Night", "4")};
}

// An XMLTV document: channels as (id, display name), and programmes as
// (channel, start, stop, title).
QByteArray xmltv(const QList<std::pair<QString, QString>>& channels,
                 const QList<std::tuple<QString, qint64, qint64, QString>>& programmes)
{
    const auto time = [](qint64 secs) -> QByteArray {
        return QDateTime::fromSecsSinceEpoch(secs, QTimeZone::utc())
                   .toString(QStringLiteral("yyyyMMddHHmmss"))
                   .toUtf8() +
               " +0000";
    };
    QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tv>\n";
    for (const auto& [id, name] : channels)
        out += "<channel id=\"" + id.toUtf8() + "\"><display-name>" + name.toUtf8() +
               "</display-name></channel>\n";
    for (const auto& [id, start, stop, title] : programmes)
        out += "<programme start=\"" + time(start) + "\" stop=\"" + time(stop) + "\" channel=\"" +
               id.toUtf8() + "\"><title>" + title.toUtf8() + "</title></programme>\n";
    return out + "</tv>\n";
}

QByteArray withLineup(const QByteArray& exported, const QJsonValue& lineup)
{
    QJsonObject root = QJsonDocument::fromJson(exported).object();
    root.insert(QStringLiteral("lineup"), lineup);
    return QJsonDocument(root).toJson();
}
} // namespace

class TestLineup : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProfile> profile;

private slots:
    void init() { profile = std::make_unique<TempProfile>(); }
    void cleanup()
    {
        Clock::clearFake();
        profile.reset();
    }

    // Choices made on one catalog hold on the next, where the provider renamed BBC One, moved
    // Sky News to another category and dropped Sport1; the dropped one's choice stays stored.
    void refreshKeepsEveryChoice()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("library.db"));
        {
            Library library(file);
            LineupStore store(library.database());
            QVERIFY(store.isReady());
            LineupEntry hideSport = entry(LineupEntry::ItemEntry, "201");
            hideSport.hidden = true;
            hideSport.providerName = "Sport1";
            LineupEntry rename = entry(LineupEntry::ItemEntry, "101");
            rename.name = "My BBC";
            rename.providerName = "BBC One";
            LineupEntry bind = entry(LineupEntry::ItemEntry, "102");
            bind.guideId = "skynews.uk";
            bind.shiftMinutes = -30;
            LineupEntry hideKids = entry(LineupEntry::CategoryEntry, "3");
            hideKids.hidden = true;
            LineupEntry first = entry(LineupEntry::CategoryEntry, "2");
            first.position = 0;
            LineupEntry second = entry(LineupEntry::CategoryEntry, "1");
            second.position = 1;
            LineupEntry lockAdult = entry(LineupEntry::CategoryEntry, "4");
            lockAdult.locked = true;
            QVERIFY(store.saveAll(kServer,
                                  {hideSport, rename, bind, hideKids, first, second, lockAdult}));
            // Another server's lineup is its own.
            QVERIFY(store.save(QStringLiteral("Other"), hideKids));
        }

        // A new run reads the file afresh.
        Library library(file);
        LineupStore store(library.database());
        const Lineup lineup = store.load(kServer);
        QCOMPARE(lineup.all().size(), 7);
        QVERIFY(store.load(QStringLiteral("Other")).isHiddenCategory(MediaItem::Live, "3"));

        QList<MediaItem> refreshed = channels();
        refreshed[0].name = "BBC One HD"; // renamed by the provider
        refreshed[1].categoryId = "2";    // moved
        refreshed.removeAt(2);            // Sport1 gone
        refreshed.append(channel("501", "New", "9"));

        const QList<MediaItem> shown = lineup.apply(MediaItem::Live, refreshed, false);
        // DE Sport first (Sky News moved there), UK News next, the new category last; Kids
        // hidden, the adult category locked.
        QCOMPARE(names(shown), (QStringList{"Sky News", "My BBC", "New"}));
        QCOMPARE(shown[0].guideId, QStringLiteral("skynews.uk"));
        QCOMPARE(shown[1].guideId, QStringLiteral("bbc1.uk"));
        // The guide still finds a renamed channel by the provider's name.
        QCOMPARE(shown[1].guideName, QStringLiteral("BBC One HD"));
        QCOMPARE(names(lineup.apply(MediaItem::Live, refreshed, true)),
                 (QStringList{"Sky News", "My BBC", "Night", "New"}));
        QCOMPARE(names(lineup.applyToCategories(MediaItem::Live, categories())),
                 (QStringList{"DE Sport", "UK News", "XXX Adult"}));
        QCOMPARE(lineup.entry(LineupEntry::ItemEntry, MediaItem::Live, "201").providerName,
                 QStringLiteral("Sport1"));

        // Without choices the list is handed back, not copied.
        const QList<MediaItem> plain = channels();
        QVERIFY(Lineup().apply(MediaItem::Live, plain, false).isSharedWith(plain));

        // Removing the choice of a gone item forgets it.
        QVERIFY(store.remove(kServer, LineupEntry::ItemEntry, MediaItem::Live, "201"));
        QCOMPARE(store.load(kServer).all().size(), 6);
    }

    // The library's export carries the lineup and the guide addresses but never the PIN; an
    // import on a second computer brings the same lineup.
    void exportAndImport()
    {
        QVERIFY(ParentalLock::setPin(QStringLiteral("4321")).isEmpty());
        const QString digest = ParentalLock::storedDigest();
        QVERIFY(!digest.isEmpty());
        QVERIFY(!digest.contains(QStringLiteral("4321")));

        QTemporaryDir dir;
        QByteArray exported;
        {
            Library library(dir.filePath(QStringLiteral("a.db")));
            LineupStore store(library.database());
            LineupEntry e = entry(LineupEntry::ItemEntry, "101");
            e.locked = true;
            e.name = "Mine";
            QVERIFY(store.save(kServer, e));
            QVERIFY(store.setGuideSources(kServer, {"server:", "http://127.0.0.1:1/epg.xml"}));
            exported = library.exportJson();
        }
        QVERIFY(!exported.contains(digest.section(u'$', 3).toLatin1()));
        QVERIFY(!exported.contains("pbkdf2"));
        QVERIFY(!exported.contains("4321"));

        Library second(dir.filePath(QStringLiteral("b.db")));
        QString summary;
        QVERIFY2(second.importJson(exported, &summary), qPrintable(summary));
        LineupStore store(second.database());
        const Lineup lineup = store.load(kServer);
        QCOMPARE(lineup.all().size(), 1);
        QVERIFY(lineup.entry(LineupEntry::ItemEntry, MediaItem::Live, "101").locked);
        QCOMPARE(lineup.entry(LineupEntry::ItemEntry, MediaItem::Live, "101").name,
                 QStringLiteral("Mine"));
        QCOMPARE(store.guideSources(kServer),
                 (QStringList{"server:", "http://127.0.0.1:1/epg.xml"}));
    }

    void badImportChangesNothing_data()
    {
        QTest::addColumn<QJsonValue>("lineup");
        QTest::addColumn<QString>("reason");
        const auto server = [](const QJsonArray& entries) {
            return QJsonArray{QJsonObject{{"server", kServer}, {"entries", entries}}};
        };
        const QJsonObject good{{"what", "item"}, {"kind", 0}, {"id", "101"}, {"hidden", true}};
        QTest::newRow("not a list")
            << QJsonValue(QJsonObject()) << QStringLiteral("not a list of servers");
        QTest::newRow("unknown type")
            << QJsonValue(server({QJsonObject{{"what", "folder"}, {"kind", 0}, {"id", "1"}}}))
            << QStringLiteral("unknown type");
        QTest::newRow("unknown kind")
            << QJsonValue(server({QJsonObject{{"what", "item"}, {"kind", 7}, {"id", "1"}}}))
            << QStringLiteral("unknown kind");
        QTest::newRow("wrong type of flag")
            << QJsonValue(server(
                   {QJsonObject{{"what", "item"}, {"kind", 0}, {"id", "1"}, {"hidden", "yes"}}}))
            << QStringLiteral("is not true or false");
        QTest::newRow("odd shift")
            << QJsonValue(server(
                   {QJsonObject{{"what", "item"}, {"kind", 0}, {"id", "1"}, {"shiftMinutes", 20}}}))
            << QStringLiteral("quarters of an hour");
        QTest::newRow("duplicate")
            << QJsonValue(server({good, good})) << QStringLiteral("listed twice");
        QTest::newRow("unknown id")
            << QJsonValue(server({QJsonObject{{"what", "item"}, {"kind", 0}, {"id", "999"}}}))
            << QStringLiteral("has no item with the id \"999\"");
        QJsonArray many;
        for (int i = 1; i <= 200001; ++i)
            many.append(QJsonObject{{"what", "item"}, {"kind", 0}, {"id", QString::number(i)}});
        QTest::newRow("too many") << QJsonValue(server(many)) << QStringLiteral("more than");
        QTest::newRow("server twice") << QJsonValue(QJsonArray{QJsonObject{{"server", kServer}},
                                                               QJsonObject{{"server", kServer}}})
                                      << QStringLiteral("listed twice");
    }

    // One bad entry rejects the file: neither the lineup nor the favorites in the same file
    // are written, and the message says what is wrong.
    void badImportChangesNothing()
    {
        QFETCH(QJsonValue, lineup);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        Library source(dir.filePath(QStringLiteral("a.db")));
        MediaItem star = channel("101", "BBC One", "1");
        QVERIFY(source.setFavorite(kServer, star, true));
        const QByteArray file = withLineup(source.exportJson(), lineup);

        Library target(dir.filePath(QStringLiteral("b.db")));
        LineupStore store(target.database());
        LineupEntry before = entry(LineupEntry::CategoryEntry, "1");
        before.hidden = true;
        QVERIFY(store.save(kServer, before));
        // Only 101 and 102 are known for this server.
        target.setLineupIdCheck([](const QString&, int, int, const QString& id) {
            return id == QStringLiteral("101") || id == QStringLiteral("102") || id.toInt() > 0;
        });
        if (QString(QTest::currentDataTag()) == QStringLiteral("unknown id")) {
            target.setLineupIdCheck([](const QString&, int, int, const QString& id) {
                return id == QStringLiteral("101");
            });
        }
        QString summary;
        QVERIFY(!target.importJson(file, &summary));
        QVERIFY2(summary.contains(reason), qPrintable(summary));
        QVERIFY(summary.contains(QStringLiteral("Nothing was changed")));
        QCOMPARE(target.favorites(kServer, MediaItem::Live).size(), 0);
        const Lineup after = store.load(kServer);
        QCOMPARE(after.all().size(), 1);
        QVERIFY(after.isHiddenCategory(MediaItem::Live, "1"));
    }

    // Five wrong PINs make the next try wait a minute on the clock; a right PIN for an hour
    // ends after the hour, one without it lasts the run.
    void pinWaitsAndUnlocks()
    {
        Clock::setFake(1'700'000'000'000);
        ParentalLock lock;
        const QString digest = ParentalLock::digestOf(QStringLiteral("2468"));
        QVERIFY(digest != ParentalLock::digestOf(QStringLiteral("2468"))); // salted
        lock.setDigest(digest);
        QVERIFY(lock.hasPin());
        QVERIFY(!lock.isUnlocked());
        for (int i = 0; i < ParentalLock::kMaxWrongTries; ++i)
            QCOMPARE(lock.tryPin(QStringLiteral("1111"), false), ParentalLock::Answer::Wrong);
        // Even the right PIN is not looked at while waiting.
        QCOMPARE(lock.tryPin(QStringLiteral("2468"), false), ParentalLock::Answer::Waiting);
        Clock::advanceFake(ParentalLock::kWaitMs - 1000);
        QCOMPARE(lock.tryPin(QStringLiteral("2468"), false), ParentalLock::Answer::Waiting);
        Clock::advanceFake(1000);
        QCOMPARE(lock.tryPin(QStringLiteral("2468"), true), ParentalLock::Answer::Right);
        QVERIFY(lock.isUnlocked());
        Clock::advanceFake(ParentalLock::kHourMs - 1);
        QVERIFY(lock.isUnlocked());
        Clock::advanceFake(1);
        QVERIFY(!lock.isUnlocked());
        QCOMPARE(lock.tryPin(QStringLiteral("2468"), false), ParentalLock::Answer::Right);
        Clock::advanceFake(10 * ParentalLock::kHourMs);
        QVERIFY(lock.isUnlocked());
        lock.lock();
        QVERIFY(!lock.isUnlocked());
        QVERIFY(!ParentalLock::matches(QStringLiteral("2468"), QStringLiteral("plain")));
    }

    void adultNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("adult");
        QTest::newRow("xxx") << QStringLiteral("XXX | Premium") << true;
        QTest::newRow("18+") << QStringLiteral("DE: 18+ Channels") << true;
        QTest::newRow("adult word") << QStringLiteral("For Adults Only") << true;
        QTest::newRow("inside a word") << QStringLiteral("Essex Local") << false;
        QTest::newRow("news") << QStringLiteral("UK News") << false;
    }

    void adultNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, adult);
        QCOMPARE(ParentalLock::soundsAdult(name, ParentalLock::defaultWords()), adult);
    }

    void guideSuggestions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("best");
        QTest::newRow("quality and country marks")
            << QStringLiteral("UK: BBC One HD") << QStringLiteral("bbc1.uk");
        QTest::newRow("words run together")
            << QStringLiteral("|DE| ZDFneo") << QStringLiteral("zdfneo.de");
        QTest::newRow("partial") << QStringLiteral("Sky Sports Main Event")
                                 << QStringLiteral("skysports.uk");
    }

    void guideSuggestions()
    {
        QFETCH(QString, name);
        QFETCH(QString, best);
        const QList<GuideChannelChoice> guide = {
            {"bbc2.uk", {"BBC Two"}, {}, 0},
            {"bbc1.uk", {"BBC One", "BBC 1"}, {}, 0},
            {"zdfneo.de", {"ZDF neo"}, {}, 0},
            {"skysports.uk", {"Sky Sports Main Event HD"}, {}, 0},
            {"sky.news", {"Sky News"}, {}, 0},
        };
        const QList<GuideChannelChoice> found = guidechannels::suggest(guide, name, 3);
        QVERIFY(!found.isEmpty());
        QCOMPARE(found.first().id, best);
        QVERIFY(found.first().score > 50);
        QCOMPARE(guidechannels::filter(guide, "bbc 1").size(), 1);
    }

    // Two guide addresses in the user's order that both carry "news.uk" with other programmes:
    // the channel's whole schedule comes from the first; a channel only the second has comes
    // from the second. The order of the addresses decides, in both directions.
    void firstGuideSourceWins_data()
    {
        QTest::addColumn<bool>("secondFirst");
        QTest::newRow("A before B") << false;
        QTest::newRow("B before A") << true;
    }
    void firstGuideSourceWins()
    {
        QFETCH(bool, secondFirst);
        Clock::setFake(1'700'000'000'000);
        const qint64 now = Clock::epochSecs();
        const qint64 h = 3600;
        LoopbackHttpServer server;
        QVERIFY(server.start(true));
        const QByteArray a =
            xmltv({{"news.uk", "News"}}, {{"news.uk", now - h, now + h, "A Morning"},
                                          {"news.uk", now + h, now + 2 * h, "A Noon"}});
        // B's schedule of news.uk is cut differently: mixed in, it would overlap A's.
        const QByteArray b = xmltv({{"news.uk", "News"}, {"only.b", "Alone"}},
                                   {{"news.uk", now - 30 * 60, now + 30 * 60, "B Brief"},
                                    {"news.uk", now + 30 * 60, now + 3 * h, "B Long"},
                                    {"only.b", now - h, now + h, "B Alone"}});
        for (const auto& [path, body] :
             {std::pair{QStringLiteral("/a.xml"), a}, std::pair{QStringLiteral("/b.xml"), b}}) {
            server.route(path, [body](const LoopbackHttpServer::Request&) {
                return LoopbackHttpServer::text(body, "application/xml");
            });
        }
        QStringList order{server.url("/a.xml").toString(), guidesources::kServerGuide,
                          server.url("/b.xml").toString()};
        if (secondFirst)
            std::swap(order[0], order[2]);

        SourceConfig config;
        config.type = SourceConfig::M3u; // no guide of its own: the server's entry adds nothing
        config.name = QStringLiteral("Guides");
        config.url = QStringLiteral("http://127.0.0.1:1/list.m3u");
        config.guideUrl = guidesources::joined(config, order);
        QCOMPARE(config.guideUrl.count(u','), 1);
        const QList<MediaItem> channels{channel("1", "News", "1", "news.uk"),
                                        channel("2", "Alone", "1", "only.b")};
        GuideService guide;
        guide.setSource(config);
        guide.setChannels(channels);
        guide.refresh(true);
        QTRY_VERIFY_WITH_TIMEOUT(!guide.isImporting() && guide.hasGuide(channels[0]), 20000);
        QVERIFY2(guide.statusText().isEmpty(), qPrintable(guide.statusText()));

        const auto titles = [&](const MediaItem& item) {
            std::optional<QStringList> got;
            guide.programmes(item, &guide, [&](const QList<GuideProgramme>& list) {
                QStringList out;
                for (const GuideProgramme& p : list)
                    out << p.title;
                got = out;
            });
            (void)QTest::qWaitFor([&]() { return got.has_value(); }, testTimeout(5000));
            return got.value_or(QStringList{"(no answer)"});
        };
        QCOMPARE(titles(channels[0]), secondFirst ? (QStringList{"B Brief", "B Long"})
                                                  : (QStringList{"A Morning", "A Noon"}));
        QCOMPARE(titles(channels[1]), QStringList{"B Alone"});
    }
};

VELMORA_TEST_MAIN(TestLineup)
#include "tst_lineup.moc"
