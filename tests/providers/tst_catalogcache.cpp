#include "app/clock.h"
#include "providers/catalogcache.h"
#include "providers/catalogfile.h"
#include "recorddiff.h"
#include "tempprofile.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRandomGenerator>

#include <cmath>
#include <csignal>
#include <limits>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

namespace {
const QString kSource = QStringLiteral("My Server");

MediaItem item(int type, const QString& id, const QString& name, double rating = 0,
               qint64 addedAt = 0)
{
    MediaItem m;
    m.type = type;
    m.id = id;
    m.name = name;
    m.categoryId = QStringLiteral("c1");
    m.iconUrl = QStringLiteral("http://img.example.invalid/%1.jpg").arg(id);
    m.containerExtension = type == MediaItem::Movie ? QStringLiteral("mkv") : QString();
    m.rating = rating;
    m.addedAt = addedAt;
    return m;
}

CatalogCache::Section section(const QString& tag, int count)
{
    CatalogCache::Section s;
    s.categories = {{QStringLiteral("c1"), tag + QStringLiteral(" one")},
                    {QStringLiteral("c2"), tag + QStringLiteral(" \"two\"\n")}};
    for (int i = 0; i < count; ++i)
        s.items.append(item(MediaItem::Movie, QString::number(i),
                            QStringLiteral("%1 %2 Ünï").arg(tag).arg(i), i * 0.7,
                            1'600'000'000LL + i));
    return s;
}

Episode episode(const QString& id, int season, int number)
{
    return Episode{id,
                   QStringLiteral("Show"),
                   season,
                   number,
                   QStringLiteral("Title %1").arg(id),
                   QStringLiteral("mp4")};
}

// A file as this module writes it, holding `members` (JSON text after the owner).
QByteArray ownedFile(const QString& owner, const QByteArray& members)
{
    return "{\"sourceName\":\"" + owner.toUtf8() + "\"" + (members.isEmpty() ? "" : ",") + members +
           '}';
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QString compareSections(const CatalogCache::Section& a, const CatalogCache::Section& b)
{
    const QString categories = recorddiff::diff(a.categories, b.categories);
    if (!categories.isEmpty())
        return QStringLiteral("categories ") + categories;
    const QString items = recorddiff::diff(a.items, b.items);
    return items.isEmpty() ? QString() : QStringLiteral("items ") + items;
}

// Random text from code units that need care in JSON: quotes, backslashes, control
// characters, non-ASCII, surrogate pairs and (when allowed) lone surrogates.
QString randomText(QRandomGenerator& rng, bool loneSurrogates)
{
    static const QList<char16_t> units = {u'a', u'Z',  u'0',   u' ',   u'"',  u'\\',
                                          u'/', u'\n', u'\t',  0x01,   0x1F,  0x7F,
                                          0xE9, 0x416, 0x2028, 0xFFFE, 0xFF5A};
    QString text;
    const int length = rng.bounded(0, 12);
    for (int i = 0; i < length; ++i) {
        const int pick = rng.bounded(int(units.size()) + 3);
        if (pick < units.size()) {
            text += QChar(units[pick]);
        } else if (pick == units.size()) {
            text += QString::fromUcs4(U"\U0001F600");
        } else if (loneSurrogates) {
            text += QChar(char16_t(pick % 2 ? 0xD83D : 0xDC00));
        } else {
            text += QChar(char16_t(0x4E00 + rng.bounded(100)));
        }
    }
    return text;
}

double randomRating(QRandomGenerator& rng)
{
    static const QList<double> values = {0.0,
                                         -0.0,
                                         8.2,
                                         7.0,
                                         1e15,
                                         1e16,
                                         9007199254740992.0,
                                         9007199254740994.0,
                                         -9007199254740992.0,
                                         1e-7,
                                         0.1 + 0.2,
                                         1e21,
                                         123456.789,
                                         5e-324,
                                         1.7976931348623157e308,
                                         std::numeric_limits<double>::quiet_NaN(),
                                         std::numeric_limits<double>::infinity(),
                                         -std::numeric_limits<double>::infinity()};
    if (rng.bounded(3) == 0) {
        quint64 bits = rng.generate64();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }
    return values.at(rng.bounded(int(values.size())));
}

CatalogCache::Section randomSection(QRandomGenerator& rng, bool loneSurrogates)
{
    CatalogCache::Section s;
    const int categories = rng.bounded(0, 4);
    for (int i = 0; i < categories; ++i)
        s.categories.append({randomText(rng, loneSurrogates), randomText(rng, loneSurrogates)});
    const int items = rng.bounded(0, 6);
    for (int i = 0; i < items; ++i) {
        MediaItem m;
        m.type = rng.bounded(-1, 5);
        m.id = randomText(rng, loneSurrogates);
        m.name = randomText(rng, loneSurrogates);
        m.categoryId = randomText(rng, loneSurrogates);
        m.iconUrl = randomText(rng, loneSurrogates);
        m.containerExtension = randomText(rng, loneSurrogates);
        m.streamUrl = randomText(rng, loneSurrogates);
        if (rng.bounded(3) == 0) {
            m.archiveDays = rng.bounded(-1, 8);
            m.catchupType = randomText(rng, loneSurrogates);
            m.catchupSource = randomText(rng, loneSurrogates);
        }
        m.rating = randomRating(rng);
        static const QList<qint64> stamps = {0,
                                             1,
                                             -1,
                                             1'700'000'000,
                                             std::numeric_limits<qint64>::max(),
                                             std::numeric_limits<qint64>::min()};
        m.addedAt =
            rng.bounded(2) ? stamps.at(rng.bounded(int(stamps.size()))) : qint64(rng.generate64());
        s.items.append(m);
    }
    return s;
}

QList<Episode> randomEpisodes(QRandomGenerator& rng, bool loneSurrogates)
{
    QList<Episode> list;
    const int count = rng.bounded(0, 4);
    for (int i = 0; i < count; ++i)
        list.append(Episode{randomText(rng, loneSurrogates), randomText(rng, loneSurrogates),
                            int(rng.generate()), int(rng.generate()),
                            randomText(rng, loneSurrogates), randomText(rng, loneSurrogates)});
    return list;
}

const QStringList kSections = {QStringLiteral("live"), QStringLiteral("movie"),
                               QStringLiteral("series"), QStringLiteral("channel")};
const QStringList kSeriesIds = {QStringLiteral("1"), QStringLiteral("42"), QStringLiteral("7")};

// What a file holds as Qt's reading sees it: every section and every episode entry.
QString describe(const QByteArray& file, const QString& owner)
{
    QString out;
    for (const QString& name : kSections) {
        CatalogCache::Section s;
        const bool found = CatalogFile::readSection(file, owner, name, s, JsonPath::Reference);
        out += QStringLiteral("%1:%2:%3/%4 ")
                   .arg(name)
                   .arg(found)
                   .arg(s.categories.size())
                   .arg(s.items.size());
        for (const MediaItem& m : std::as_const(s.items))
            out += m.id + m.name + QString::number(m.rating, 'g', 17) + QString::number(m.addedAt) +
                   u'|';
    }
    for (const QString& id : kSeriesIds) {
        QList<Episode> list;
        const bool found = CatalogFile::readEpisodes(file, owner, id, 2'000'000'000, 1'000'000'000,
                                                     list, JsonPath::Reference);
        out += QStringLiteral("ep%1:%2:%3 ").arg(id).arg(found).arg(list.size());
        for (const Episode& e : std::as_const(list))
            out += e.id + e.title + QString::number(e.season) + u'|';
    }
    return out;
}
} // namespace

class TestCatalogCache : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempProfile> profile;

    QString cacheDir() const { return profile->appDataDir() + QStringLiteral("/catalog_cache"); }

private slots:
    void init()
    {
        profile = std::make_unique<TempProfile>();
        Clock::clearFake();
    }
    void cleanup()
    {
        profile.reset();
        Clock::clearFake();
    }

    void roundTrip()
    {
        CatalogCache::Section untouched;
        untouched.items.append(item(MediaItem::Live, QStringLiteral("keep"), QStringLiteral("me")));
        QVERIFY(!CatalogCache::load(kSource, QStringLiteral("live"), untouched));
        QCOMPARE(untouched.items.size(), 1); // left as it was

        CatalogCache::Section live = section(QStringLiteral("Live"), 3);
        live.items[1].type = MediaItem::Live;
        live.items[1].streamUrl = QStringLiteral("http://s.example.invalid/1.ts");
        live.items[1].archiveDays = 3;
        live.items[1].catchupType = QStringLiteral("append");
        live.items[1].catchupSource = QStringLiteral("?utc={utc}&lutc={lutc}");
        const CatalogCache::Section movie = section(QStringLiteral("Movie"), 5);
        CatalogCache::Section big = section(QStringLiteral("Series"), 1);
        big.items[0].addedAt = 9'007'199'254'740'993LL; // 64-bit, not exact as a double
        big.items[0].rating = 8.2;
        QVERIFY(CatalogCache::save(kSource, QStringLiteral("live"), live));
        QVERIFY(CatalogCache::save(kSource, QStringLiteral("movie"), movie));
        QVERIFY(CatalogCache::save(kSource, QStringLiteral("series"), big));
        QVERIFY(CatalogCache::save(kSource, QStringLiteral("channel"), CatalogCache::Section()));

        const QString path = cacheDir() + QStringLiteral("/My_Server.json");
        QCOMPARE(CatalogCache::filePath(kSource), path);
        const QByteArray content = readAll(path);
        QVERIFY(content.startsWith("{\"sourceName\":\"My Server\","));
        QVERIFY(!content.contains('\n')); // compact

        for (const auto& [name, expected] :
             {std::pair{QStringLiteral("live"), live}, std::pair{QStringLiteral("movie"), movie},
              std::pair{QStringLiteral("series"), big}}) {
            CatalogCache::Section loaded;
            QVERIFY(CatalogCache::load(kSource, name, loaded));
            const QString difference = compareSections(loaded, expected);
            QVERIFY2(difference.isEmpty(), qPrintable(name + u' ' + difference));
        }
        CatalogCache::Section empty = section(QStringLiteral("x"), 2);
        QVERIFY(CatalogCache::load(kSource, QStringLiteral("channel"), empty));
        QVERIFY(empty.categories.isEmpty() && empty.items.isEmpty());

        // Saving a section again replaces only that section.
        QVERIFY(CatalogCache::save(kSource, QStringLiteral("movie"),
                                   section(QStringLiteral("New"), 1)));
        CatalogCache::Section loaded;
        QVERIFY(CatalogCache::load(kSource, QStringLiteral("movie"), loaded));
        QCOMPARE(loaded.items.size(), 1);
        QVERIFY(CatalogCache::load(kSource, QStringLiteral("live"), loaded));
        QCOMPARE(loaded.items.size(), 3);

        // The owner and the episode store are no sections.
        QVERIFY(!CatalogCache::save(kSource, QStringLiteral("episodes"), live));
        QVERIFY(!CatalogCache::save(kSource, QStringLiteral("sourceName"), live));
        QVERIFY(!CatalogCache::load(kSource, QStringLiteral("sourceName"), loaded));
        QVERIFY(!CatalogCache::load(QStringLiteral("Another"), QStringLiteral("live"), loaded));
    }

    // Texts that open with a byte-order mark (an invisible character a playlist or a server can
    // put before a name) read back as saved: Qt's parser drops the raw mark there.
    void openingMarksReadBack()
    {
        Clock::setFake(1'700'000'000'000LL);
        const QString mark(QChar(0xFEFF));
        const QString owner = mark + QStringLiteral("My Server");
        CatalogCache::Section live = section(mark + QStringLiteral("Live"), 2);
        live.items[0].iconUrl = mark + QStringLiteral("/i.png");
        live.items[1].name = mark + mark + QStringLiteral("x");
        live.categories[0].id = mark;
        const QList<Episode> list = {
            Episode{mark + QStringLiteral("1"), mark, 1, 1, mark + QStringLiteral("T"), mark}};
        for (const JsonPath path : {JsonPath::Fast, JsonPath::Reference}) {
            const QByteArray file = CatalogFile::withEpisodes(
                CatalogFile::withSection({}, owner, QStringLiteral("live"), live, path), owner,
                QStringLiteral("42"), list, 1'700'000'000, path);
            CatalogCache::Section back;
            QVERIFY(CatalogFile::readSection(file, owner, QStringLiteral("live"), back, path));
            QVERIFY2(compareSections(back, live).isEmpty(),
                     qPrintable(compareSections(back, live)));
            QList<Episode> episodes;
            QVERIFY(CatalogFile::readEpisodes(file, owner, QStringLiteral("42"), 1'700'000'000,
                                              86400, episodes, path));
            QVERIFY2(recorddiff::diff(episodes, list).isEmpty(),
                     qPrintable(recorddiff::diff(episodes, list)));
        }
        QVERIFY(CatalogCache::save(owner, QStringLiteral("live"), live));
        QVERIFY(CatalogCache::saveEpisodes(owner, QStringLiteral("42"), list));
        CatalogCache::Section loaded;
        QVERIFY(CatalogCache::load(owner, QStringLiteral("live"), loaded));
        QVERIFY2(compareSections(loaded, live).isEmpty(),
                 qPrintable(compareSections(loaded, live)));
        QList<Episode> episodes;
        QVERIFY(CatalogCache::loadEpisodes(owner, QStringLiteral("42"), 86400, episodes));
        QVERIFY(recorddiff::diff(episodes, list).isEmpty());
    }

    void episodes()
    {
        Clock::setFake(1'700'000'000'000LL);
        const QList<Episode> first = {episode(QStringLiteral("1"), 1, 1),
                                      episode(QStringLiteral("2"), 1, 2)};
        const QList<Episode> second = {episode(QStringLiteral("9"), 3, 1)};
        QVERIFY(CatalogCache::saveEpisodes(kSource, QStringLiteral("42"), first));
        QVERIFY(CatalogCache::saveEpisodes(kSource, QStringLiteral("7"), second));
        QVERIFY(
            CatalogCache::save(kSource, QStringLiteral("live"), section(QStringLiteral("L"), 2)));

        QList<Episode> loaded = {episode(QStringLiteral("stale"), 0, 0)};
        QVERIFY(CatalogCache::loadEpisodes(kSource, QStringLiteral("42"), 86400, loaded));
        QVERIFY2(recorddiff::diff(loaded, first).isEmpty(),
                 qPrintable(recorddiff::diff(loaded, first)));
        QVERIFY(CatalogCache::loadEpisodes(kSource, QStringLiteral("7"), 86400, loaded));
        QVERIFY(recorddiff::diff(loaded, second).isEmpty());
        QVERIFY(!CatalogCache::loadEpisodes(kSource, QStringLiteral("8"), 86400, loaded));
        QCOMPARE(loaded.size(), 1); // untouched on a miss

        // Saving a series again replaces its list and its time; the others stay.
        Clock::advanceFake(3600 * 1000);
        QVERIFY(CatalogCache::saveEpisodes(kSource, QStringLiteral("42"), second));
        QVERIFY(CatalogCache::loadEpisodes(kSource, QStringLiteral("42"), 86400, loaded));
        QVERIFY(recorddiff::diff(loaded, second).isEmpty());
        Clock::advanceFake((86400 - 3600) * 1000LL);
        QVERIFY(
            !CatalogCache::loadEpisodes(kSource, QStringLiteral("7"), 86400, loaded)); // a day old
        QVERIFY(CatalogCache::loadEpisodes(kSource, QStringLiteral("42"), 86400, loaded));
        CatalogCache::Section live;
        QVERIFY(CatalogCache::load(kSource, QStringLiteral("live"), live));
        QCOMPARE(live.items.size(), 2);
    }

    void episodeAge_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<bool>("fresh");
        const qint64 now = 1'700'000'000;
        auto saved = [](qint64 at) -> QByteArray {
            return QByteArray("{\"savedAt\":") + QByteArray::number(at) + ",\"list\":[]}";
        };
        QTest::newRow("a minute ago") << saved(now - 60) << true;
        QTest::newRow("a second short of a day") << saved(now - 86399) << true;
        QTest::newRow("exactly a day") << saved(now - 86400) << false;
        QTest::newRow("two days") << saved(now - 2 * 86400) << false;
        QTest::newRow("in the future") << saved(now + 1000) << true;
        QTest::newRow("far future") << saved(std::numeric_limits<qint64>::max()) << true;
        QTest::newRow("far past") << saved(std::numeric_limits<qint64>::min()) << false;
        QTest::newRow("no savedAt") << QByteArray("{\"list\":[]}") << false;
        QTest::newRow("savedAt as a digit string")
            << QByteArray("{\"savedAt\":\"") + QByteArray::number(now - 60) + "\",\"list\":[]}"
            << true;
        QTest::newRow("savedAt as a decimal")
            << QByteArray("{\"savedAt\":1699999999.6,\"list\":[]}") << true;
        QTest::newRow("entry not an object") << QByteArray("[1]") << false;
    }
    void episodeAge()
    {
        QFETCH(QByteArray, entry);
        QFETCH(bool, fresh);
        const QByteArray file = ownedFile(kSource, "\"episodes\":{\"5\":" + entry + '}');
        for (const JsonPath path : {JsonPath::Fast, JsonPath::Reference}) {
            QList<Episode> out = {episode(QStringLiteral("x"), 1, 1)};
            QCOMPARE(CatalogFile::readEpisodes(file, kSource, QStringLiteral("5"), 1'700'000'000,
                                               86400, out, path),
                     fresh);
            QCOMPARE(out.size(), fresh ? 0 : 1);
        }
        Clock::setFake(1'700'000'000'000LL);
        QVERIFY(writeAll(cacheDir() + QStringLiteral("/My_Server.json"), file));
        QList<Episode> out;
        QCOMPARE(CatalogCache::loadEpisodes(kSource, QStringLiteral("5"), 86400, out), fresh);
    }

    // Values of the wrong type read as empty text or zero; nothing fails a load but a file
    // that is not a JSON object of this source.
    void readRules_data()
    {
        QTest::addColumn<QByteArray>("members");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("expected"); // "<categories>/<items>: first item's fields"
        QTest::newRow("type as a string") << QByteArray(R"("movie":{"items":[{"type":"1"}]})")
                                          << true << QStringLiteral("0/1:0,,,0,0");
        QTest::newRow("type as a fraction") << QByteArray(R"("movie":{"items":[{"type":1.5}]})")
                                            << true << QStringLiteral("0/1:0,,,0,0");
        QTest::newRow("type as an integral decimal")
            << QByteArray(R"("movie":{"items":[{"type":2.0}]})") << true
            << QStringLiteral("0/1:2,,,0,0");
        QTest::newRow("rating as a string") << QByteArray(R"("movie":{"items":[{"rating":"7.5"}]})")
                                            << true << QStringLiteral("0/1:0,,,0,0");
        QTest::newRow("rating as an integer") << QByteArray(R"("movie":{"items":[{"rating":7}]})")
                                              << true << QStringLiteral("0/1:0,,,7,0");
        QTest::newRow("addedAt as digits") << QByteArray(R"("movie":{"items":[{"addedAt":"123"}]})")
                                           << true << QStringLiteral("0/1:0,,,0,123");
        QTest::newRow("addedAt as a decimal")
            << QByteArray(R"("movie":{"items":[{"addedAt":1.6e9}]})") << true
            << QStringLiteral("0/1:0,,,0,1600000000");
        QTest::newRow("addedAt 64-bit")
            << QByteArray(R"("movie":{"items":[{"addedAt":9223372036854775807}]})") << true
            << QStringLiteral("0/1:0,,,0,9223372036854775807");
        QTest::newRow("addedAt as text") << QByteArray(R"("movie":{"items":[{"addedAt":"abc"}]})")
                                         << true << QStringLiteral("0/1:0,,,0,0");
        QTest::newRow("id as a number") << QByteArray(R"("movie":{"items":[{"id":5,"name":null}]})")
                                        << true << QStringLiteral("0/1:0,,,0,0");
        QTest::newRow("element not an object")
            << QByteArray(R"("movie":{"items":["x",{"id":"b"}]})") << true
            << QStringLiteral("0/2:0,,,0,0");
        QTest::newRow("duplicate keys: the last counts")
            << QByteArray(
                   R"("movie":{"items":[{"id":"a","name":"n","id":"b"}]},"movie":{"items":[{"id":"c"}]})")
            << true << QStringLiteral("0/1:0,c,,0,0");
        QTest::newRow("lists of the wrong type")
            << QByteArray(R"("movie":{"categories":"x","items":{}})") << true
            << QStringLiteral("0/0");
        QTest::newRow("section not an object")
            << QByteArray(R"("movie":5)") << true << QStringLiteral("0/0");
        QTest::newRow("category fields")
            << QByteArray(R"("movie":{"categories":[{"id":1,"name":"N"},7]})") << true
            << QStringLiteral("2/0");
        QTest::newRow("no such section") << QByteArray(R"("live":{})") << false << QString();
        QTest::newRow("escapes in texts")
            << QByteArray(R"("movie":{"items":[{"id":"\/a","name":"\ud83d\ude00"}]})") << true
            << QStringLiteral("0/1:0,/a,\U0001F600,0,0");
        QTest::newRow("another section Qt refuses")
            << QByteArray(R"("movie":{},"live":[1e400])") << false << QString();
        QTest::newRow("another section past simdjson's range")
            << QByteArray(R"("movie":{"items":[{"id":"i"}]},"live":[1.5e3,-0])") << true
            << QStringLiteral("0/1:0,i,,0,0");
        QTest::newRow("owner repeated: the last counts")
            << QByteArray(R"("movie":{},"sourceName":"x")") << false << QString();
        QTest::newRow("escaped section name")
            << QByteArray(R"("m\u006fvie":{"items":[{"id":"e"}]})") << true
            << QStringLiteral("0/1:0,e,,0,0");
        // A byte-order mark opening a string: Qt finds no key "movie" in "\uFEFFmovie", yet drops
        // the mark when a text is read out or written again. Both paths must do the same.
        QTest::newRow("byte-order mark opening a section name")
            << QByteArray("\"\xEF\xBB\xBFmovie\":{\"items\":[{\"id\":\"k\"}]}") << false
            << QString();
        QTest::newRow("byte-order marks in texts")
            << QByteArray("\"movie\":{\"items\":[{\"id\":\"\xEF\xBB\xBFv\",\"name\":\"a\xEF\xBB\xBF"
                          "b\"}]}")
            << true << QStringLiteral("0/1:0,v,a\uFEFFb,0,0");
        QTest::newRow("escaped byte-order mark opening a key")
            << QByteArray(R"("movie":{"items":[{"\ufeffid":"k","name":"\uFEFFn"}]})") << true
            << QStringLiteral("0/1:0,,\uFEFFn,0,0");
        QTest::newRow("byte-order mark opening an episode's key")
            << QByteArray(
                   "\"movie\":{},\"episodes\":{\"42\":{\"list\":[{\"id\":\"1\",\"\xEF\xBB\xBF"
                   "seriesName\":\"Show\"}],\"savedAt\":1}}")
            << true << QStringLiteral("0/0");
    }
    void readRules()
    {
        QFETCH(QByteArray, members);
        QFETCH(bool, found);
        QFETCH(QString, expected);
        const QByteArray file = ownedFile(kSource, members);
        CatalogCache::Section fast;
        CatalogCache::Section reference;
        QCOMPARE(CatalogFile::readSection(file, kSource, QStringLiteral("movie"), fast), found);
        QCOMPARE(CatalogFile::readSection(file, kSource, QStringLiteral("movie"), reference,
                                          JsonPath::Reference),
                 found);
        QVERIFY2(compareSections(fast, reference).isEmpty(),
                 qPrintable(compareSections(fast, reference)));
        if (!found)
            return;
        QString got = QStringLiteral("%1/%2").arg(fast.categories.size()).arg(fast.items.size());
        if (!fast.items.isEmpty()) {
            const MediaItem& m = fast.items.first();
            got += QStringLiteral(":%1,%2,%3,%4,%5")
                       .arg(m.type)
                       .arg(m.id, m.name)
                       .arg(m.rating)
                       .arg(m.addedAt);
        }
        QCOMPARE(got, expected);

        // The episodes and a rewrite of the file come out the same on both paths too.
        QList<Episode> fastEpisodes;
        QList<Episode> referenceEpisodes;
        QCOMPARE(
            CatalogFile::readEpisodes(file, kSource, QStringLiteral("42"), 2, 86400, fastEpisodes),
            CatalogFile::readEpisodes(file, kSource, QStringLiteral("42"), 2, 86400,
                                      referenceEpisodes, JsonPath::Reference));
        QVERIFY2(recorddiff::diff(fastEpisodes, referenceEpisodes).isEmpty(),
                 qPrintable(recorddiff::diff(fastEpisodes, referenceEpisodes)));
        const CatalogCache::Section live = section(QStringLiteral("l"), 1);
        QCOMPARE(QJsonDocument::fromJson(
                     CatalogFile::withSection(file, kSource, QStringLiteral("live"), live)),
                 QJsonDocument::fromJson(CatalogFile::withSection(
                     file, kSource, QStringLiteral("live"), live, JsonPath::Reference)));

        QVERIFY(writeAll(cacheDir() + QStringLiteral("/My_Server.json"), file));
        CatalogCache::Section loaded;
        QVERIFY(CatalogCache::load(kSource, QStringLiteral("movie"), loaded));
        QVERIFY(compareSections(loaded, fast).isEmpty());
    }

    // A key opening with a byte-order mark is one lookups never find, yet Qt writes it without
    // the mark. A rewrite must not let such a key shadow the member of the plain name, at any
    // depth: neither what is saved nor what was there before.
    void markedKeysNeverShadow()
    {
        for (const QByteArray& bom :
             {QByteArray("\xEF\xBB\xBF"), QByteArray("\\ufeff"), QByteArray("\\uFeFF")}) {
            const QByteArray file = ownedFile(
                kSource,
                "\"live\":{\"items\":[{\"id\":\"real\",\"" + bom + "id\":\"shadow\"}]},\"" + bom +
                    "live\":{\"items\":[]},\"" + bom +
                    "movie\":{},\"episodes\":{\"42\":{\"list\":[{\"id\":\"e\"}],\"savedAt\":1},\"" +
                    bom + "42\":{\"list\":[],\"savedAt\":1}}");
            const CatalogCache::Section movie = section(QStringLiteral("m"), 2);
            const QList<Episode> newEpisodes = {episode(QStringLiteral("n"), 1, 1)};
            for (const JsonPath path : {JsonPath::Fast, JsonPath::Reference}) {
                const auto liveId = [path](const QByteArray& f) {
                    CatalogCache::Section live;
                    return CatalogFile::readSection(f, kSource, QStringLiteral("live"), live,
                                                    path) &&
                                   live.items.size() == 1
                               ? live.items.first().id
                               : QString();
                };
                const auto episodeIds = [path](const QByteArray& f) {
                    QList<Episode> list;
                    CatalogFile::readEpisodes(f, kSource, QStringLiteral("42"), 6, 86400, list,
                                              path);
                    QStringList ids;
                    for (const Episode& e : std::as_const(list))
                        ids.append(e.id);
                    return ids;
                };
                QCOMPARE(liveId(file), QStringLiteral("real"));

                const QByteArray withMovie =
                    CatalogFile::withSection(file, kSource, QStringLiteral("movie"), movie, path);
                CatalogCache::Section back;
                QVERIFY(CatalogFile::readSection(withMovie, kSource, QStringLiteral("movie"), back,
                                                 path));
                QVERIFY2(compareSections(back, movie).isEmpty(),
                         qPrintable(compareSections(back, movie)));
                QCOMPARE(liveId(withMovie), QStringLiteral("real"));
                QCOMPARE(episodeIds(withMovie), QStringList{QStringLiteral("e")});

                const QByteArray withEpisodes = CatalogFile::withEpisodes(
                    file, kSource, QStringLiteral("42"), newEpisodes, 5, path);
                QCOMPARE(episodeIds(withEpisodes), QStringList{QStringLiteral("n")});
                QCOMPARE(liveId(withEpisodes), QStringLiteral("real"));
            }
        }
    }

    // A file that is damaged, not an object or written by someone else reads as a miss and is
    // replaced by the next save, which keeps nothing of it.
    void damagedOrForeignFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QByteArray intact = ownedFile(kSource, R"("live":{"items":[{"id":"old"}]})");
        QTest::newRow("JSON array") << QByteArray(R"([{"live":{}}])");
        QTest::newRow("cut short") << intact.left(intact.size() - 3);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("binary junk") << QByteArray("\x00\xFF\xFE junk", 9);
        QTest::newRow("owner damaged after its head") << intact.left(intact.size() / 2) + "xx";
    }
    void damagedOrForeignFiles()
    {
        QFETCH(QByteArray, content);
        const QString path = cacheDir() + QStringLiteral("/My_Server.json");
        QVERIFY(writeAll(path, content));
        CatalogCache::Section out;
        QVERIFY(!CatalogCache::load(kSource, QStringLiteral("live"), out));
        QList<Episode> episodes;
        QVERIFY(!CatalogCache::loadEpisodes(kSource, QStringLiteral("1"), 86400, episodes));

        QVERIFY(
            CatalogCache::save(kSource, QStringLiteral("movie"), section(QStringLiteral("M"), 2)));
        QCOMPARE(CatalogCache::filePath(kSource), path); // the file was replaced, not set aside
        QVERIFY(CatalogCache::load(kSource, QStringLiteral("movie"), out));
        QCOMPARE(out.items.size(), 2);
        QVERIFY(!CatalogCache::load(kSource, QStringLiteral("live"), out));
        QVERIFY(QDir(cacheDir()).entryList(QDir::Files).size() == 1);
    }

    // A file written before owners were recorded belongs to the source whose name maps to it: it
    // loads, and a save keeps the rest of it and records the owner.
    void fileWithoutOwner()
    {
        const QString path = cacheDir() + QStringLiteral("/My_Server.json");
        QVERIFY(writeAll(path, R"({"live":{"items":[{"id":"old"}]},"episodes":{"42":)"
                               R"({"savedAt":1700000000,"list":[{"id":"e1"}]}}})"));
        Clock::setFake(1'700'000'060'000);
        const auto liveId = [] {
            CatalogCache::Section live;
            return CatalogCache::load(kSource, QStringLiteral("live"), live)
                       ? live.items.value(0).id
                       : QString();
        };
        const auto episodeId = [] {
            QList<Episode> list;
            return CatalogCache::loadEpisodes(kSource, QStringLiteral("42"), 86400, list)
                       ? list.value(0).id
                       : QString();
        };
        QCOMPARE(liveId(), QStringLiteral("old"));
        QCOMPARE(episodeId(), QStringLiteral("e1"));

        QVERIFY(
            CatalogCache::save(kSource, QStringLiteral("movie"), section(QStringLiteral("M"), 2)));
        QCOMPARE(CatalogCache::filePath(kSource), path);
        QCOMPARE(CatalogFile::owner(readAll(path)), std::optional<QString>(kSource));
        QCOMPARE(liveId(), QStringLiteral("old"));
        QCOMPARE(episodeId(), QStringLiteral("e1"));
        // Now it is this source's: another name that maps to it no longer reads it.
        CatalogCache::Section other;
        QVERIFY(!CatalogCache::load(QStringLiteral("My.Server"), QStringLiteral("live"), other));
    }

    void atomicWrites()
    {
        const QString path = cacheDir() + QStringLiteral("/My_Server.json");
        QVERIFY(
            CatalogCache::save(kSource, QStringLiteral("live"), section(QStringLiteral("A"), 2)));
        const QByteArray before = readAll(path);

        // A save replaces the file by renaming a complete new one over it: a second name for the
        // old file still shows the old content untouched.
        const QString oldName = cacheDir() + QStringLiteral("/old-link");
        QCOMPARE(
            ::link(QFile::encodeName(path).constData(), QFile::encodeName(oldName).constData()), 0);
        QVERIFY(
            CatalogCache::save(kSource, QStringLiteral("movie"), section(QStringLiteral("B"), 2)));
        QCOMPARE(readAll(oldName), before);
        QVERIFY(readAll(path) != before);
        QFile::remove(oldName);
        const QByteArray current = readAll(path);

        // A write that fails half-way (the file size limit strikes) leaves the file as it was.
        struct rlimit saved;
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        small.rlim_cur = rlim_t(current.size() + 1000);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool written = CatalogCache::save(kSource, QStringLiteral("series"),
                                                section(QStringLiteral("C"), 2000));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!written);
        QCOMPARE(readAll(path), current);
        CatalogCache::Section out;
        QVERIFY(CatalogCache::load(kSource, QStringLiteral("movie"), out));
        QVERIFY(!CatalogCache::load(kSource, QStringLiteral("series"), out));
        QCOMPARE(QDir(cacheDir()).entryList(QDir::Files),
                 QStringList{QStringLiteral("My_Server.json")});
    }

    // Names that map to the same file name keep separate files; a name alone on its file name
    // keeps exactly that name.
    void sharedFileNames()
    {
        QCOMPARE(QFileInfo(CatalogCache::filePath(QStringLiteral("My IPTV (home)"))).fileName(),
                 QStringLiteral("My_IPTV__home_.json"));
        // One "_" per character, also for one outside the Basic Multilingual Plane.
        QCOMPARE(QFileInfo(CatalogCache::filePath(QStringLiteral("TV \U0001F4FA+"))).fileName(),
                 QStringLiteral("TV___.json"));
        const QString tv = QStringLiteral("My TV");
        const QString dotted = QStringLiteral("My.TV");
        QVERIFY(CatalogCache::save(tv, QStringLiteral("live"), section(QStringLiteral("tv"), 1)));
        QVERIFY(CatalogCache::save(dotted, QStringLiteral("live"),
                                   section(QStringLiteral("dotted"), 2)));
        QVERIFY(CatalogCache::saveEpisodes(tv, QStringLiteral("1"),
                                           {episode(QStringLiteral("t"), 1, 1)}));
        QVERIFY(CatalogCache::saveEpisodes(dotted, QStringLiteral("1"),
                                           {episode(QStringLiteral("d"), 1, 1)}));
        QCOMPARE(QFileInfo(CatalogCache::filePath(tv)).fileName(), QStringLiteral("My_TV.json"));
        QCOMPARE(QFileInfo(CatalogCache::filePath(dotted)).fileName(),
                 QStringLiteral("My_TV.2.json"));

        const QByteArray dottedFile = readAll(CatalogCache::filePath(dotted));
        QVERIFY(CatalogCache::save(tv, QStringLiteral("live"), section(QStringLiteral("tv2"), 3)));
        QCOMPARE(readAll(CatalogCache::filePath(dotted)), dottedFile); // never touched

        CatalogCache::Section out;
        QVERIFY(CatalogCache::load(tv, QStringLiteral("live"), out));
        QCOMPARE(out.items.size(), 3);
        QVERIFY(CatalogCache::load(dotted, QStringLiteral("live"), out));
        QCOMPARE(out.items.size(), 2);
        QList<Episode> episodes;
        QVERIFY(CatalogCache::loadEpisodes(dotted, QStringLiteral("1"), 86400, episodes));
        QCOMPARE(episodes.value(0).id, QStringLiteral("d"));
        QVERIFY(!CatalogCache::load(QStringLiteral("My_TV"), QStringLiteral("live"), out));

        // The first slot freed: the next name to save takes it; the other keeps its own file.
        QVERIFY(QFile::remove(CatalogCache::filePath(tv)));
        QVERIFY(!CatalogCache::load(tv, QStringLiteral("live"), out));
        QVERIFY(CatalogCache::load(dotted, QStringLiteral("live"), out));
        QVERIFY(CatalogCache::save(QStringLiteral("My/TV"), QStringLiteral("live"),
                                   section(QStringLiteral("s"), 4)));
        QCOMPARE(QFileInfo(CatalogCache::filePath(QStringLiteral("My/TV"))).fileName(),
                 QStringLiteral("My_TV.json"));
        QVERIFY(CatalogCache::save(tv, QStringLiteral("live"), section(QStringLiteral("tv"), 5)));
        QCOMPARE(QFileInfo(CatalogCache::filePath(tv)).fileName(), QStringLiteral("My_TV.3.json"));
        QVERIFY(CatalogCache::load(dotted, QStringLiteral("live"), out));
        QCOMPARE(out.items.size(), 2);

        // A file that names another owner is never replaced, whatever that owner's name.
        const QString odd = QStringLiteral("Odd One");
        const QByteArray foreign =
            ownedFile(QStringLiteral("Somebody with a far longer name"), R"("live":{})");
        QVERIFY(writeAll(cacheDir() + QStringLiteral("/Odd_One.json"), foreign));
        QVERIFY(!CatalogCache::load(odd, QStringLiteral("live"), out));
        QVERIFY(CatalogCache::save(odd, QStringLiteral("live"), section(QStringLiteral("o"), 1)));
        QCOMPARE(QFileInfo(CatalogCache::filePath(odd)).fileName(),
                 QStringLiteral("Odd_One.2.json"));
        QCOMPARE(readAll(cacheDir() + QStringLiteral("/Odd_One.json")), foreign);

        // Letter case makes another file name where the file system tells case apart.
        QVERIFY(CatalogCache::save(QStringLiteral("my tv"), QStringLiteral("live"),
                                   section(QStringLiteral("l"), 1)));
        QCOMPARE(QFileInfo(CatalogCache::filePath(QStringLiteral("my tv"))).fileName(),
                 QStringLiteral("my_tv.json"));
    }

    // The fast writer gives byte for byte what Qt's JSON writer gives, for awkward texts and
    // numbers, on an empty file and on top of a file it wrote.
    void writerMatchesQt()
    {
        QRandomGenerator rng(99);
        for (int round = 0; round < 400; ++round) {
            const bool lone = round % 4 == 0;
            const QString owner = round % 10 == 0 ? randomText(rng, lone) : kSource;
            const QString first = kSections.at(rng.bounded(int(kSections.size())));
            const QString second = kSections.at(rng.bounded(int(kSections.size())));
            const CatalogCache::Section a = randomSection(rng, lone);
            const CatalogCache::Section b = randomSection(rng, lone);
            const QList<Episode> list = randomEpisodes(rng, lone);
            const QString seriesId = kSeriesIds.at(rng.bounded(int(kSeriesIds.size())));

            const QByteArray fast1 = CatalogFile::withSection({}, owner, first, a);
            QCOMPARE(fast1, CatalogFile::withSection({}, owner, first, a, JsonPath::Reference));

            // On top of a file, the fast path keeps the other members' text as it was, while Qt
            // writes what it parsed: the same except that Qt turns an integral number beyond
            // 2^53 it read (1e+16) into digits. Such files must read the same on both paths.
            auto reread = [](const CatalogCache::Section& s) {
                return std::all_of(s.items.begin(), s.items.end(), [](const MediaItem& m) {
                    return !std::isfinite(m.rating) || std::trunc(m.rating) != m.rating ||
                           std::fabs(m.rating) <= 9007199254740992.0;
                });
            };
            const bool sameText = reread(a) && reread(b);
            auto check = [&](const QByteArray& fast, const QByteArray& reference) {
                if (sameText)
                    QCOMPARE(fast, reference);
                QCOMPARE(describe(fast, owner), describe(reference, owner));
            };
            const QByteArray fast2 =
                CatalogFile::withEpisodes(fast1, owner, seriesId, list, 1'700'000'000);
            check(fast2, CatalogFile::withEpisodes(fast1, owner, seriesId, list, 1'700'000'000,
                                                   JsonPath::Reference));
            const QByteArray fast3 = CatalogFile::withSection(fast2, owner, second, b);
            check(fast3, CatalogFile::withSection(fast2, owner, second, b, JsonPath::Reference));
            const QByteArray fast4 =
                CatalogFile::withEpisodes(fast3, owner, QStringLiteral("99"), list, 5);
            check(fast4, CatalogFile::withEpisodes(fast3, owner, QStringLiteral("99"), list, 5,
                                                   JsonPath::Reference));

            // And it reads back what was saved, on both paths.
            for (const JsonPath path : {JsonPath::Fast, JsonPath::Reference}) {
                CatalogCache::Section back;
                QVERIFY(CatalogFile::readSection(fast4, owner, second, back, path));
                CatalogCache::Section expected = b;
                for (MediaItem& m : expected.items) {
                    if (!std::isfinite(m.rating))
                        m.rating = 0; // written as null, read back as 0
                }
                QVERIFY2(compareSections(back, expected).isEmpty(),
                         qPrintable(compareSections(back, expected)));
            }
        }
    }

    // Random files, intact or damaged, with values of every type in every place: both paths
    // read the same, and rewrites on both paths leave files that read the same.
    void randomFiles()
    {
        QRandomGenerator rng(4242);
        const QList<QByteArray> values = {"0",
                                          "-0",
                                          "1",
                                          "2.0",
                                          "1.5",
                                          "-7",
                                          "1e3",
                                          "9223372036854775807",
                                          "18446744073709551615",
                                          "1.7976931348623157e308",
                                          "\"\"",
                                          "\"12\"",
                                          "\"0042\"",
                                          "\" 3\"",
                                          "\"1e3\"",
                                          "\"x\\u00e9\"",
                                          "\"\\ud83d\\ude00\"",
                                          "true",
                                          "false",
                                          "null",
                                          "[]",
                                          "{}",
                                          "[1]",
                                          "{\"a\":[{}]}",
                                          "\"\\ud800\"",
                                          "1."};
        const QList<QByteArray> itemKeys = {
            "type",      "id",     "name",    "categoryId", "iconUrl", "containerExtension",
            "streamUrl", "rating", "addedAt", "other",      "i\\u0064"};
        auto value = [&]() -> QByteArray { return values.at(rng.bounded(int(values.size()))); };
        auto object = [&](const QList<QByteArray>& keys) -> QByteArray {
            QByteArray o = "{";
            const int n = rng.bounded(0, 7);
            for (int i = 0; i < n; ++i)
                o += QByteArray(i ? "," : "") + '"' + keys.at(rng.bounded(int(keys.size()))) +
                     "\":" + value();
            return o + '}';
        };
        auto list = [&](const QList<QByteArray>& keys) -> QByteArray {
            if (rng.bounded(10) == 0)
                return value();
            QByteArray a = "[";
            const int n = rng.bounded(0, 4);
            for (int i = 0; i < n; ++i)
                a += QByteArray(i ? "," : "") + (rng.bounded(8) ? object(keys) : value());
            return a + ']';
        };
        auto sectionText = [&]() -> QByteArray {
            if (rng.bounded(10) == 0)
                return value();
            return "{\"categories\":" + list({"id", "name", "x"}) + ",\"items\":" + list(itemKeys) +
                   '}';
        };
        const QList<QByteArray> memberNames = {"live",        "movie",    "series",
                                               "channel",     "episodes", "sourceName",
                                               "mo\\u0076ie", "zzz",      "\xC3\xA9"};
        const QList<QByteArray> owners = {"\"My Server\"", "\"Other\"", "5", "\"My\\u0020Server\""};

        int readable = 0;
        for (int round = 0; round < 1500; ++round) {
            QByteArray file = "{\"sourceName\":" + owners.at(rng.bounded(int(owners.size())));
            const int members = rng.bounded(0, 6);
            for (int i = 0; i < members; ++i) {
                const QByteArray name = memberNames.at(rng.bounded(int(memberNames.size())));
                QByteArray content;
                if (name == "episodes") {
                    content = "{";
                    const int entries = rng.bounded(0, 4);
                    for (int e = 0; e < entries; ++e)
                        content +=
                            QByteArray(e ? "," : "") + '"' +
                            kSeriesIds.at(rng.bounded(3)).toUtf8() + "\":{\"savedAt\":" +
                            (rng.bounded(2) ? QByteArray("1500000000") : value()) + ",\"list\":" +
                            list({"id", "season", "episodeNumber", "title", "seriesName"}) + '}';
                    content += '}';
                } else if (name == "sourceName") {
                    content = owners.at(rng.bounded(int(owners.size())));
                } else {
                    content = sectionText();
                }
                file += ",\"" + name + "\":" + content;
            }
            file += '}';
            const int damage = rng.bounded(30);
            if (damage == 0)
                file[rng.bounded(int(file.size()))] = char(rng.bounded(256));
            else if (damage == 1)
                file.truncate(rng.bounded(int(file.size())));
            else if (damage == 2)
                file.prepend("\xEF\xBB\xBF");

            for (const QString& name :
                 kSections + QStringList{QStringLiteral("zzz"), QStringLiteral("é")}) {
                CatalogCache::Section fast;
                CatalogCache::Section reference;
                const bool fastFound = CatalogFile::readSection(file, kSource, name, fast);
                const bool referenceFound =
                    CatalogFile::readSection(file, kSource, name, reference, JsonPath::Reference);
                readable += fastFound;
                if (fastFound != referenceFound || !compareSections(fast, reference).isEmpty())
                    QFAIL(qPrintable(
                        QStringLiteral("section %1: %2 %3 %4\n%5")
                            .arg(name)
                            .arg(fastFound)
                            .arg(referenceFound)
                            .arg(compareSections(fast, reference), QString::fromUtf8(file))));
            }
            for (const QString& id : kSeriesIds) {
                QList<Episode> fast;
                QList<Episode> reference;
                const bool fastFound = CatalogFile::readEpisodes(file, kSource, id, 1'600'000'000,
                                                                 86400 * 5000LL, fast);
                const bool referenceFound =
                    CatalogFile::readEpisodes(file, kSource, id, 1'600'000'000, 86400 * 5000LL,
                                              reference, JsonPath::Reference);
                if (fastFound != referenceFound || !recorddiff::diff(fast, reference).isEmpty())
                    QFAIL(qPrintable(
                        QStringLiteral("episodes %1\n%2").arg(id, QString::fromUtf8(file))));
            }

            const CatalogCache::Section data = randomSection(rng, false);
            const QString target = kSections.at(rng.bounded(int(kSections.size())));
            const QByteArray fastSaved = CatalogFile::withSection(file, kSource, target, data);
            const QByteArray referenceSaved =
                CatalogFile::withSection(file, kSource, target, data, JsonPath::Reference);
            QCOMPARE(describe(fastSaved, kSource), describe(referenceSaved, kSource));
            const QList<Episode> episodes = randomEpisodes(rng, false);
            const QByteArray fastEpisodes =
                CatalogFile::withEpisodes(file, kSource, QStringLiteral("42"), episodes, 7);
            const QByteArray referenceEpisodes = CatalogFile::withEpisodes(
                file, kSource, QStringLiteral("42"), episodes, 7, JsonPath::Reference);
            QCOMPARE(describe(fastEpisodes, kSource), describe(referenceEpisodes, kSource));
        }
        QVERIFY(readable > 300);
    }
};

VELMORA_TEST_MAIN(TestCatalogCache)
#include "tst_catalogcache.moc"
