// The demo server's logic without a network: catalog generation, its JSON and playlist, ranges,
// the fault switches, posters and the command line.
#include "catalogrenderer.h"
#include "democatalog.h"
#include "demooptions.h"
#include "faultcontrol.h"
#include "httprange.h"
#include "posterpainter.h"
#include "providers/m3uparser.h"
#include "testmain.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QUrlQuery>

namespace {

using Kind = DemoCatalog::Kind;
const QString kBase = QStringLiteral("http://127.0.0.1:8088");

QJsonArray parseArray(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray())
        qWarning() << "not a JSON array:" << error.errorString() << json.left(200);
    return doc.array();
}

QSet<QChar::Script> scriptsOf(const std::vector<DemoCatalog::Entry>& entries)
{
    QSet<QChar::Script> scripts;
    for (const DemoCatalog::Entry& e : entries) {
        for (QChar c : e.name) {
            if (c.isLetter())
                scripts.insert(c.script());
        }
    }
    return scripts;
}

QString describeState(const FaultControl& f)
{
    return QString::fromUtf8(QJsonDocument(f.describe()).toJson(QJsonDocument::Compact));
}

} // namespace

class TestDemoCatalog : public QObject
{
    Q_OBJECT

private slots:
    void countsFollowScale_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("live");
        QTest::addColumn<int>("movies");
        QTest::addColumn<int>("series");
        QTest::newRow("smallest catalog still has one of each") << 1 << 1 << 1 << 1;
        QTest::newRow("default: hundreds of channels and series") << 3000 << 300 << 3000 << 600;
        QTest::newRow("load test size") << 100000 << 10000 << 100000 << 20000;
    }

    void countsFollowScale()
    {
        QFETCH(int, scale);
        QFETCH(int, live);
        QFETCH(int, movies);
        QFETCH(int, series);
        const DemoCatalog catalog(scale);
        QCOMPARE(int(catalog.entries(Kind::Live).size()), live);
        QCOMPARE(int(catalog.entries(Kind::Movie).size()), movies);
        QCOMPARE(int(catalog.entries(Kind::Series).size()), series);
    }

    void entriesAreWellFormed_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("live") << int(Kind::Live);
        QTest::newRow("movies") << int(Kind::Movie);
        QTest::newRow("series") << int(Kind::Series);
    }

    void entriesAreWellFormed()
    {
        QFETCH(int, kind);
        const Kind k = Kind(kind);
        const DemoCatalog catalog(3000);
        const auto& categories = catalog.categories(k);
        QVERIFY(categories.size() >= 10);
        QSet<QString> categoryIds;
        for (const DemoCatalog::Category& c : categories) {
            QVERIFY(!c.name.isEmpty());
            categoryIds.insert(c.id);
        }
        QCOMPARE(categoryIds.size(), categories.size());

        QSet<qint64> ids;
        QList<int> perCategory(categories.size(), 0);
        for (const DemoCatalog::Entry& e : catalog.entries(k)) {
            QVERIFY(!e.name.trimmed().isEmpty());
            QVERIFY(e.category >= 0 && e.category < categories.size());
            ++perCategory[e.category];
            QVERIFY(!ids.contains(e.id));
            ids.insert(e.id);
            QCOMPARE(catalog.find(k, e.id), &e);
            QVERIFY(e.added > 1'500'000'000 && e.added <= 1'700'000'000);
            if (k == Kind::Movie)
                QVERIFY(e.extension == u"mp4" || e.extension == u"mkv");
        }
        QVERIFY(!catalog.find(k, 0));
        QVERIFY(!catalog.find(k, *std::max_element(ids.begin(), ids.end()) + 1));
        // Every category is used, and sizes differ as on real servers.
        QVERIFY(*std::min_element(perCategory.begin(), perCategory.end()) > 0);
        QVERIFY(*std::max_element(perCategory.begin(), perCategory.end()) >
                2 * *std::min_element(perCategory.begin(), perCategory.end()));
    }

    void namesUseSeveralScripts()
    {
        const DemoCatalog catalog(3000);
        for (Kind k : {Kind::Live, Kind::Movie, Kind::Series}) {
            const QSet<QChar::Script> scripts = scriptsOf(catalog.entries(k));
            for (QChar::Script s :
                 {QChar::Script_Latin, QChar::Script_Cyrillic, QChar::Script_Greek,
                  QChar::Script_Arabic, QChar::Script_Hebrew, QChar::Script_Han})
                QVERIFY2(scripts.contains(s), qPrintable(QString::number(int(k))));
        }
        bool accented = false;
        for (const DemoCatalog::Entry& e : catalog.entries(Kind::Movie))
            accented = accented || e.name.contains(u'ü') || e.name.contains(u'é');
        QVERIFY(accented);
    }

    void generationIsDeterministic()
    {
        const DemoCatalog a(3000);
        const DemoCatalog b(3000);
        const CatalogRenderer ra(a, kBase, QStringLiteral("u"), QStringLiteral("p"));
        const CatalogRenderer rb(b, kBase, QStringLiteral("u"), QStringLiteral("p"));
        for (Kind k : {Kind::Live, Kind::Movie, Kind::Series}) {
            QCOMPARE(ra.streams(k, QString()), rb.streams(k, QString()));
            QCOMPARE(ra.categories(k), rb.categories(k));
        }
        QCOMPARE(ra.seriesInfo(7), rb.seriesInfo(7));
        QCOMPARE(ra.playlist(QStringLiteral("ts")), rb.playlist(QStringLiteral("ts")));

        // A larger catalog keeps every entry of the smaller one as it was.
        const DemoCatalog larger(9000);
        for (Kind k : {Kind::Live, Kind::Movie, Kind::Series}) {
            const auto& small = a.entries(k);
            const auto& big = larger.entries(k);
            for (size_t i = 0; i < small.size(); ++i) {
                QCOMPARE(big[i].id, small[i].id);
                QCOMPARE(big[i].name, small[i].name);
                QCOMPARE(big[i].category, small[i].category);
                QCOMPARE(big[i].added, small[i].added);
            }
        }
    }

    void listJsonHasTheServersShape_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("idKey");
        QTest::addColumn<QString>("iconKey");
        QTest::addColumn<QStringList>("stringKeys");
        QTest::newRow("live: ids, icon and added as strings")
            << int(Kind::Live) << "stream_id"
            << "stream_icon" << QStringList{"name",        "stream_id",      "stream_icon", "added",
                                            "category_id", "epg_channel_id", "stream_type"};
        QTest::newRow("movies: rating and container as strings")
            << int(Kind::Movie) << "stream_id"
            << "stream_icon" << QStringList{"name",  "stream_id",   "stream_icon",        "rating",
                                            "added", "category_id", "container_extension"};
        QTest::newRow("series: cover and last_modified as strings")
            << int(Kind::Series) << "series_id"
            << "cover" << QStringList{"name",          "series_id",   "cover", "rating",
                                      "last_modified", "category_id", "plot",  "genre"};
    }

    void listJsonHasTheServersShape()
    {
        QFETCH(int, kind);
        QFETCH(QString, idKey);
        QFETCH(QString, iconKey);
        QFETCH(QStringList, stringKeys);
        const Kind k = Kind(kind);
        const DemoCatalog catalog(500);
        const CatalogRenderer renderer(catalog, kBase, QStringLiteral("demo"),
                                       QStringLiteral("demo"));
        const QByteArray json = renderer.streams(k, QString());
        // Written as PHP writes it: pure ASCII with escaped slashes.
        for (char c : json)
            QVERIFY(uchar(c) < 0x80);
        QVERIFY(json.contains("http:\\/\\/127.0.0.1:8088\\/posters\\/"));

        const QJsonArray list = parseArray(json);
        QCOMPARE(list.size(), qsizetype(catalog.entries(k).size()));
        QSet<QString> categoryIds;
        for (const DemoCatalog::Category& c : catalog.categories(k))
            categoryIds.insert(c.id);
        for (qsizetype i = 0; i < list.size(); ++i) {
            const QJsonObject o = list[i].toObject();
            const DemoCatalog::Entry& e = catalog.entries(k)[size_t(i)];
            for (const QString& key : stringKeys)
                QVERIFY2(o.value(key).isString(), qPrintable(key));
            QCOMPARE(o.value(QStringLiteral("num")).toInt(), int(i) + 1);
            QCOMPARE(o.value(idKey).toString(), QString::number(e.id));
            QCOMPARE(o.value(QStringLiteral("name")).toString(), e.name);
            QVERIFY(categoryIds.contains(o.value(QStringLiteral("category_id")).toString()));
            QCOMPARE(o.value(iconKey).toString(), QStringLiteral("%1/posters/%2/%3.png")
                                                      .arg(kBase, CatalogRenderer::kindPath(k))
                                                      .arg(e.id));
            if (k != Kind::Live) {
                const QString rating = o.value(QStringLiteral("rating")).toString();
                QVERIFY(rating.isEmpty() ||
                        QRegularExpression(QStringLiteral("^\\d\\.\\d$")).match(rating).hasMatch());
                QVERIFY(o.value(QStringLiteral("rating_5based")).isDouble());
            }
        }
        const QJsonArray categories = parseArray(renderer.categories(k));
        QCOMPARE(categories.size(), catalog.categories(k).size());
        QVERIFY(categories[0].toObject().value(QStringLiteral("category_id")).isString());
        QVERIFY(categories[0].toObject().value(QStringLiteral("category_name")).isString());
    }

    void categoryListsAreTheWholeListFiltered()
    {
        const DemoCatalog catalog(2000);
        const CatalogRenderer renderer(catalog, kBase, QStringLiteral("demo"),
                                       QStringLiteral("demo"));
        for (Kind k : {Kind::Live, Kind::Movie, Kind::Series}) {
            const QJsonArray all = parseArray(renderer.streams(k, QString()));
            qsizetype total = 0;
            for (const DemoCatalog::Category& c : catalog.categories(k)) {
                QJsonArray expected;
                for (const QJsonValue& v : all) {
                    if (v.toObject().value(QStringLiteral("category_id")).toString() == c.id)
                        expected.append(v);
                }
                const QByteArray part = renderer.streams(k, c.id);
                QCOMPARE(parseArray(part), expected);
                QCOMPARE(renderer.streams(k, c.id), part); // the cached copy is the same
                total += expected.size();
            }
            QCOMPARE(total, all.size());
            QCOMPARE(renderer.streams(k, QStringLiteral("999999")), QByteArray("[]"));
        }
    }

    void seriesInfoListsSeasonsAndEpisodes_data()
    {
        QTest::addColumn<qint64>("seriesId");
        QTest::newRow("an ordinary series") << qint64(1);
        QTest::newRow("a long series with season keys from 10 up") << qint64(7);
        QTest::newRow("the last series") << qint64(200);
    }

    void seriesInfoListsSeasonsAndEpisodes()
    {
        QFETCH(qint64, seriesId);
        const DemoCatalog catalog(1000);
        const CatalogRenderer renderer(catalog, kBase, QStringLiteral("demo"),
                                       QStringLiteral("demo"));
        const DemoCatalog::Entry* series = catalog.find(Kind::Series, seriesId);
        QVERIFY(series);
        const QJsonObject info = QJsonDocument::fromJson(renderer.seriesInfo(seriesId)).object();
        QCOMPARE(
            info.value(QStringLiteral("info")).toObject().value(QStringLiteral("name")).toString(),
            series->name);
        const QJsonObject episodes = info.value(QStringLiteral("episodes")).toObject();
        const int seasons = catalog.seasonCount(*series);
        QCOMPARE(episodes.size(), seasons);
        QCOMPARE(info.value(QStringLiteral("seasons")).toArray().size(), seasons);
        if (seriesId == 7)
            QVERIFY(episodes.contains(QStringLiteral("10")));
        QSet<QString> ids;
        for (int season = 1; season <= seasons; ++season) {
            const QJsonArray list = episodes.value(QString::number(season)).toArray();
            QVERIFY(list.size() >= 4);
            for (qsizetype i = 0; i < list.size(); ++i) {
                const QJsonObject e = list[i].toObject();
                // Numbers, not strings: the player reads episode_num as a JSON number.
                QVERIFY(e.value(QStringLiteral("episode_num")).isDouble());
                QCOMPARE(e.value(QStringLiteral("episode_num")).toInt(), int(i) + 1);
                QVERIFY(!e.value(QStringLiteral("title")).toString().isEmpty());
                const QString ext = e.value(QStringLiteral("container_extension")).toString();
                QVERIFY(ext == u"mp4" || ext == u"mkv");
                const QString id = e.value(QStringLiteral("id")).toString();
                QVERIFY(!ids.contains(id));
                ids.insert(id);
                qint64 owner = 0;
                const auto found = catalog.findEpisode(id.toLongLong(), &owner);
                QVERIFY(found);
                QCOMPARE(owner, seriesId);
                QCOMPARE(found->season, season);
                QCOMPARE(found->number, int(i) + 1);
            }
        }
    }

    void unknownSeriesAndEpisodesAreRefused()
    {
        const DemoCatalog catalog(1000);
        const CatalogRenderer renderer(catalog, kBase, QStringLiteral("demo"),
                                       QStringLiteral("demo"));
        const QJsonObject info = QJsonDocument::fromJson(renderer.seriesInfo(999999)).object();
        QVERIFY(info.value(QStringLiteral("episodes")).toArray().isEmpty());
        const DemoCatalog::Entry* series = catalog.find(Kind::Series, 1);
        const int seasons = catalog.seasonCount(*series);
        QVERIFY(!catalog.findEpisode(DemoCatalog::episodeId(1, seasons + 1, 1)));
        QVERIFY(!catalog.findEpisode(DemoCatalog::episodeId(1, 1, 0)));
        QVERIFY(!catalog.findEpisode(DemoCatalog::episodeId(1, 1, 31)));
        QVERIFY(!catalog.findEpisode(DemoCatalog::episodeId(999999, 1, 1)));
        QVERIFY(!catalog.findEpisode(0));
        QVERIFY(!catalog.findEpisode(-5));
    }

    void jsonStringsSurviveEscaping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("quotes and backslashes") << QStringLiteral("say \"hi\" \\ there");
        QTest::newRow("slashes") << QStringLiteral("http://host/a/b");
        QTest::newRow("control characters") << QStringLiteral("a\nb\tc\rd") + QChar(1) + QChar(31);
        QTest::newRow("accents, Arabic and CJK") << QStringLiteral("Café أخبار 東京");
        QTest::newRow("outside the BMP") << QStringLiteral("film 🎬 night");
        QTest::newRow("empty") << QString();
    }

    void jsonStringsSurviveEscaping()
    {
        QFETCH(QString, text);
        QByteArray out = "[";
        CatalogRenderer::appendJsonString(out, text);
        out += ']';
        for (char c : out)
            QVERIFY(uchar(c) >= 0x20 && uchar(c) < 0x80);
        QCOMPARE(parseArray(out).at(0).toString(), text);
    }

    void loginAnswers()
    {
        const DemoCatalog catalog(10);
        const CatalogRenderer renderer(catalog, QStringLiteral("http://127.0.0.1:4567"),
                                       QStringLiteral("demo"), QStringLiteral("pa/ss"));
        const QJsonObject ok =
            QJsonDocument::fromJson(renderer.login(QStringLiteral("Active"), 1'700'000'000))
                .object();
        const QJsonObject user = ok.value(QStringLiteral("user_info")).toObject();
        QCOMPARE(user.value(QStringLiteral("auth")).toInt(), 1);
        QVERIFY(user.value(QStringLiteral("auth")).isDouble());
        QCOMPARE(user.value(QStringLiteral("status")).toString(), QStringLiteral("Active"));
        QCOMPARE(user.value(QStringLiteral("password")).toString(), QStringLiteral("pa/ss"));
        const QJsonObject server = ok.value(QStringLiteral("server_info")).toObject();
        QCOMPARE(server.value(QStringLiteral("port")).toString(), QStringLiteral("4567"));
        QCOMPARE(server.value(QStringLiteral("timestamp_now")).toInteger(), qint64(1'700'000'000));

        const QJsonObject refused =
            QJsonDocument::fromJson(CatalogRenderer::loginRefused()).object();
        const QJsonObject info = refused.value(QStringLiteral("user_info")).toObject();
        QCOMPARE(info.value(QStringLiteral("auth")).toInt(-1), 0);
        QVERIFY(!info.value(QStringLiteral("message")).toString().isEmpty());
    }

    void playlistReadsBackWithTheProjectsParser()
    {
        const DemoCatalog catalog(800);
        const CatalogRenderer renderer(catalog, kBase, QStringLiteral("demo"),
                                       QStringLiteral("demo"));
        for (const QString& ext : {QStringLiteral("ts"), QStringLiteral("m3u8")}) {
            const M3uParser::Result parsed =
                M3uParser::parse(QString::fromUtf8(renderer.playlist(ext)));
            const auto& channels = catalog.entries(Kind::Live);
            QCOMPARE(parsed.items.size(), qsizetype(channels.size()));
            QSet<QString> usedGroups;
            for (size_t i = 0; i < channels.size(); ++i) {
                const MediaItem& item = parsed.items[qsizetype(i)];
                QCOMPARE(item.name, channels[i].name);
                QCOMPARE(item.categoryId, catalog.categoryName(Kind::Live, channels[i]));
                QCOMPARE(item.iconUrl, renderer.posterUrl(Kind::Live, channels[i].id));
                QCOMPARE(item.streamUrl, QStringLiteral("%1/live/demo/demo/%2.%3")
                                             .arg(kBase)
                                             .arg(channels[i].id)
                                             .arg(ext));
                usedGroups.insert(item.categoryId);
            }
            QCOMPARE(parsed.categories.size(), usedGroups.size());
        }
    }

    void rangesAreReadLikeHttpSays_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<int>("kind");
        QTest::addColumn<qint64>("first");
        QTest::addColumn<qint64>("last");
        const int whole = int(HttpRange::Kind::Whole);
        const int partial = int(HttpRange::Kind::Partial);
        const int none = int(HttpRange::Kind::Unsatisfiable);
        QTest::newRow("no header: whole file") << QByteArray() << whole << 0LL << 999LL;
        QTest::newRow("closed range") << QByteArray("bytes=100-199") << partial << 100LL << 199LL;
        QTest::newRow("open end") << QByteArray("bytes=900-") << partial << 900LL << 999LL;
        QTest::newRow("end beyond the file is cut")
            << QByteArray("bytes=990-5000") << partial << 990LL << 999LL;
        QTest::newRow("suffix: last 100 bytes")
            << QByteArray("bytes=-100") << partial << 900LL << 999LL;
        QTest::newRow("suffix longer than the file")
            << QByteArray("bytes=-5000") << partial << 0LL << 999LL;
        QTest::newRow("single last byte")
            << QByteArray("bytes=999-999") << partial << 999LL << 999LL;
        QTest::newRow("spaces around") << QByteArray(" bytes= 5 - 9 ") << partial << 5LL << 9LL;
        QTest::newRow("start at the end") << QByteArray("bytes=1000-") << none << 0LL << -1LL;
        QTest::newRow("zero-length suffix") << QByteArray("bytes=-0") << none << 0LL << -1LL;
        QTest::newRow("several ranges: whole file")
            << QByteArray("bytes=0-1,5-6") << whole << 0LL << 999LL;
        QTest::newRow("another unit: whole file")
            << QByteArray("items=0-5") << whole << 0LL << 999LL;
        QTest::newRow("reversed: whole file") << QByteArray("bytes=50-10") << whole << 0LL << 999LL;
        QTest::newRow("negative start: whole file")
            << QByteArray("bytes=--5") << whole << 0LL << 999LL;
        QTest::newRow("not a number: whole file")
            << QByteArray("bytes=a-b") << whole << 0LL << 999LL;
        QTest::newRow("huge number: whole file")
            << QByteArray("bytes=99999999999999999999-") << whole << 0LL << 999LL;
    }

    void rangesAreReadLikeHttpSays()
    {
        QFETCH(QByteArray, header);
        QFETCH(int, kind);
        QFETCH(qint64, first);
        QFETCH(qint64, last);
        const HttpRange range = HttpRange::parse(header, 1000);
        QCOMPARE(int(range.kind), kind);
        if (range.kind == HttpRange::Kind::Unsatisfiable) {
            QCOMPARE(range.contentRange(1000), QByteArray("bytes */1000"));
            return;
        }
        QCOMPARE(range.first, first);
        QCOMPARE(range.last, last);
        if (range.kind == HttpRange::Kind::Partial)
            QCOMPARE(
                range.contentRange(1000),
                QStringLiteral("bytes %1-%2/1000").arg(range.first).arg(range.last).toLatin1());
    }

    void emptyFileHasNoRange()
    {
        QCOMPARE(int(HttpRange::parse("bytes=0-", 0).kind), int(HttpRange::Kind::Unsatisfiable));
        const HttpRange whole = HttpRange::parse(QByteArray(), 0);
        QCOMPARE(whole.length(), qint64(0));
    }

    void faultSwitches_data()
    {
        QTest::addColumn<QStringList>("actions"); // "action?query" in order
        QTest::addColumn<QString>("state");
        QTest::newRow("starts normal")
            << QStringList{"status"}
            << R"({"account":"Active","api":"normal","dropped":{},"posters":"normal"})";
        QTest::newRow("drop closes by default")
            << QStringList{"drop?channel=5"}
            << R"({"account":"Active","api":"normal","dropped":{"5":"close"},"posters":"normal"})";
        QTest::newRow("stall mode, then restore")
            << QStringList{"drop?channel=5&mode=stall", "drop?channel=6", "restore?channel=5"}
            << R"({"account":"Active","api":"normal","dropped":{"6":"close"},"posters":"normal"})";
        QTest::newRow("garbage replaces stall")
            << QStringList{"stall-api", "garbage-api"}
            << R"({"account":"Active","api":"garbage","dropped":{},"posters":"normal"})";
        QTest::newRow("api restored alone")
            << QStringList{"stall-api", "garbage-posters", "restore-api"}
            << R"({"account":"Active","api":"normal","dropped":{},"posters":"garbage"})";
        QTest::newRow("account status, URL-encoded")
            << QStringList{"account?status=Not%20paid"}
            << R"({"account":"Not paid","api":"normal","dropped":{},"posters":"normal"})";
        QTest::newRow("reset clears everything")
            << QStringList{"drop?channel=1", "stall-api", "garbage-posters",
                           "account?status=Expired", "reset"}
            << R"({"account":"Active","api":"normal","dropped":{},"posters":"normal"})";
        QTest::newRow("wrong requests change nothing")
            << QStringList{"drop?channel=2",
                           "drop",
                           "drop?channel=abc",
                           "drop?channel=-1",
                           "drop?channel=3&mode=explode",
                           "account",
                           "explode"}
            << R"({"account":"Active","api":"normal","dropped":{"2":"close"},"posters":"normal"})";
    }

    void faultSwitches()
    {
        QFETCH(QStringList, actions);
        QFETCH(QString, state);
        FaultControl control;
        for (const QString& step : actions) {
            const qsizetype q = step.indexOf(u'?');
            const QString action = q < 0 ? step : step.left(q);
            const QUrlQuery query(q < 0 ? QString() : step.mid(q + 1));
            QString error;
            const bool ok = control.apply(action, query, &error);
            QCOMPARE(ok, error.isEmpty());
        }
        QCOMPARE(describeState(control), state);
    }

    void postersDifferPerEntryAndRepeatExactly()
    {
        const QByteArray a = PosterPainter::png(QStringLiteral("The Silent Harbor"),
                                                QStringLiteral("Drama · 1999"), 1);
        const QByteArray b = PosterPainter::png(QStringLiteral("The Silent Harbor"),
                                                QStringLiteral("Drama · 1999"), 2);
        const QByteArray c = PosterPainter::png(QStringLiteral("東京の夜"), QString(), 1);
        QCOMPARE(PosterPainter::png(QStringLiteral("The Silent Harbor"),
                                    QStringLiteral("Drama · 1999"), 1),
                 a);
        QVERIFY(a != b);
        QVERIFY(a != c);
        QVERIFY(a.startsWith("\x89PNG\r\n\x1a\n"));
        const QImage poster = QImage::fromData(a, "PNG");
        QCOMPARE(poster.size(), PosterPainter::kPosterSize);
        const QImage logo =
            QImage::fromData(PosterPainter::png(QStringLiteral("UK: Nova News HD"), QString(), 9,
                                                PosterPainter::kLogoSize),
                             "PNG");
        QCOMPARE(logo.size(), PosterPainter::kLogoSize);
        // The title is drawn in: the same colours with another title give another picture.
        QVERIFY(PosterPainter::image(QStringLiteral("Alpha"), QString(), 5,
                                     PosterPainter::kPosterSize) !=
                PosterPainter::image(QStringLiteral("Omega"), QString(), 5,
                                     PosterPainter::kPosterSize));
        const QImage banner = PosterPainter::banner(QStringLiteral("AR: الخليج"), 384);
        QCOMPARE(banner.width(), 384);
        QVERIFY(banner.hasAlphaChannel());
    }

    void listenAddresses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("port");
        QTest::newRow("IPv4 with ephemeral port") << "127.0.0.1:0" << true << "127.0.0.1" << 0;
        QTest::newRow("every interface") << "0.0.0.0:8088" << true << "0.0.0.0" << 8088;
        QTest::newRow("IPv6 in brackets") << "[::1]:9000" << true << "::1" << 9000;
        QTest::newRow("port only") << ":7000" << true << "127.0.0.1" << 7000;
        QTest::newRow("localhost") << "localhost:80" << true << "127.0.0.1" << 80;
        QTest::newRow("no port") << "127.0.0.1" << false << "" << 0;
        QTest::newRow("port too large") << "127.0.0.1:70000" << false << "" << 0;
        QTest::newRow("not an address") << "host.example:80" << false << "" << 0;
    }

    void listenAddresses()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(QString, address);
        QFETCH(int, port);
        QHostAddress parsedAddress;
        quint16 parsedPort = 1;
        QCOMPARE(DemoOptions::parseListen(text, &parsedAddress, &parsedPort), ok);
        if (!ok)
            return;
        QCOMPARE(parsedAddress, QHostAddress(address));
        QCOMPARE(int(parsedPort), port);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("baseUrl"); // for port 1234
        QTest::newRow("defaults") << QStringList{} << true << "http://127.0.0.1:1234";
        QTest::newRow("every interface is reached on loopback")
            << QStringList{"--listen", "0.0.0.0:0"} << true << "http://127.0.0.1:1234";
        QTest::newRow("IPv6") << QStringList{"--listen", "[::1]:0"} << true << "http://[::1]:1234";
        QTest::newRow("public address wins") << QStringList{"--public-url", "http://demo.lan:8088/"}
                                             << true << "http://demo.lan:8088";
        QTest::newRow("scale zero") << QStringList{"--scale", "0"} << false << "";
        QTest::newRow("scale not a number") << QStringList{"--scale", "many"} << false << "";
        QTest::newRow("empty user") << QStringList{"--user", ""} << false << "";
        QTest::newRow("unknown option") << QStringList{"--colour"} << false << "";
        QTest::newRow("stray argument") << QStringList{"extra"} << false << "";
        QTest::newRow("public address without scheme")
            << QStringList{"--public-url", "demo.lan"} << false << "";
        QTest::newRow("zero idle time") << QStringList{"--live-idle-ms", "0"} << false << "";
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, ok);
        QFETCH(QString, baseUrl);
        DemoOptions options;
        QString message;
        bool exitNow = true;
        QCOMPARE(options.parse(QStringList{"velmora-demo-server"} + arguments, &message, &exitNow),
                 ok);
        QVERIFY(!exitNow);
        QCOMPARE(message.isEmpty(), ok);
        if (ok)
            QCOMPARE(options.baseUrl(1234), baseUrl);
    }

    void helpDescribesTheControlEndpoint()
    {
        DemoOptions options;
        QString message;
        bool exitNow = false;
        QVERIFY(options.parse({"velmora-demo-server", "--help"}, &message, &exitNow));
        QVERIFY(exitNow);
        for (const char* word :
             {"--scale", "--listen", "--data-dir", "/control/drop", "/control/stall-api",
              "/control/garbage-api", "/control/reset", "DEMO_SERVER_URL"})
            QVERIFY2(message.contains(QLatin1String(word)), word);
    }
};

VELMORA_TEST_MAIN(TestDemoCatalog)
#include "tst_democatalog.moc"
