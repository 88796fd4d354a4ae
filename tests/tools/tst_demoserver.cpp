// The demo server as a running process: the player API, playlists, posters and the failures the
// control endpoint switches on. (Live channels and clips: tst_demomedia.)
#include "demoserverprocess.h"
#include "providers/m3uparser.h"
#include "rawhttp.h"
#include "testmain.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <memory>

namespace {

QJsonDocument json(const RawHttp::Answer& answer)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(answer.body, &error);
    if (error.error != QJsonParseError::NoError)
        qWarning() << "not JSON:" << error.errorString() << answer.body.left(200);
    return doc;
}

} // namespace

class TestDemoServer : public QObject
{
    Q_OBJECT

    std::unique_ptr<DemoServerProcess> server;

    RawHttp::Answer get(const QString& pathAndQuery)
    {
        return RawHttp::fetch(server->url(pathAndQuery));
    }

    QJsonDocument api(const QString& query)
    {
        const RawHttp::Answer answer = get(QStringLiteral("/player_api.php?") + query);
        if (answer.status != 200 || answer.header("Content-Type") != "application/json")
            qWarning() << "unexpected answer" << answer.status << answer.header("Content-Type");
        return json(answer);
    }

    void control(const QString& action)
    {
        const RawHttp::Answer answer =
            RawHttp::fetch(server->url(QStringLiteral("/control/") + action), "POST");
        QCOMPARE(answer.status, 200);
    }

private slots:
    void initTestCase()
    {
        server = std::make_unique<DemoServerProcess>(QStringList{"--scale", "300"});
        QVERIFY2(server->start(), qPrintable(server->errorText()));
    }

    void cleanup() { control(QStringLiteral("reset")); }

    void cleanupTestCase() { QVERIFY(server->stop()); }

    void printsItsEphemeralAddress()
    {
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("^http://127\\.0\\.0\\.1:(\\d+)$"))
                .match(server->baseUrl());
        QVERIFY2(m.hasMatch(), qPrintable(server->baseUrl()));
        QVERIFY(m.captured(1).toInt() > 0);
        const RawHttp::Answer index = get(QStringLiteral("/"));
        QCOMPARE(index.status, 200);
        QVERIFY(index.body.contains("/control/drop"));
    }

    void loginVerdicts_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("auth");
        QTest::addColumn<QString>("status");
        QTest::newRow("demo credentials are an active account")
            << "username=demo&password=demo" << 1 << "Active";
        QTest::newRow("percent-encoded credentials are decoded")
            << "username=%64emo&password=de%6Do" << 1 << "Active";
        QTest::newRow("wrong password") << "username=demo&password=demO" << 0 << "";
        QTest::newRow("wrong user") << "username=guest&password=demo" << 0 << "";
        QTest::newRow("no credentials") << "" << 0 << "";
        QTest::newRow("wrong credentials with an action")
            << "username=demo&password=x&action=get_live_streams" << 0 << "";
    }

    void loginVerdicts()
    {
        QFETCH(QString, query);
        QFETCH(int, auth);
        QFETCH(QString, status);
        const QJsonObject info = api(query).object().value(QStringLiteral("user_info")).toObject();
        // A JSON number, as the player reads it (a string "1" would not count).
        QVERIFY(info.value(QStringLiteral("auth")).isDouble());
        QCOMPARE(info.value(QStringLiteral("auth")).toInt(), auth);
        if (auth == 1)
            QCOMPARE(info.value(QStringLiteral("status")).toString(), status);
        else
            QVERIFY(!info.value(QStringLiteral("message")).toString().isEmpty());
    }

    void accountStatusCanBeChanged()
    {
        control(QStringLiteral("account?status=Expired"));
        QJsonObject info = api(QStringLiteral("username=demo&password=demo"))
                               .object()
                               .value(QStringLiteral("user_info"))
                               .toObject();
        QCOMPARE(info.value(QStringLiteral("auth")).toInt(), 1);
        QCOMPARE(info.value(QStringLiteral("status")).toString(), QStringLiteral("Expired"));
        control(QStringLiteral("reset"));
        info = api(QStringLiteral("username=demo&password=demo"))
                   .object()
                   .value(QStringLiteral("user_info"))
                   .toObject();
        QCOMPARE(info.value(QStringLiteral("status")).toString(), QStringLiteral("Active"));
    }

    void everyActionAnswersItsShape_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("keys"); // string-valued keys of every element
        QTest::addColumn<int>("count");        // elements for --scale 300
        QTest::newRow("live categories")
            << "get_live_categories" << QStringList{"category_id", "category_name"} << -1;
        QTest::newRow("movie categories")
            << "get_vod_categories" << QStringList{"category_id", "category_name"} << -1;
        QTest::newRow("series categories")
            << "get_series_categories" << QStringList{"category_id", "category_name"} << -1;
        QTest::newRow("live streams")
            << "get_live_streams"
            << QStringList{"stream_id", "name", "stream_icon", "category_id", "added"} << 30;
        QTest::newRow("movies") << "get_vod_streams"
                                << QStringList{"stream_id",          "name",   "stream_icon",
                                               "category_id",        "rating", "added",
                                               "container_extension"}
                                << 300;
        QTest::newRow("series") << "get_series"
                                << QStringList{"series_id",   "name",   "cover",
                                               "category_id", "rating", "last_modified"}
                                << 60;
        QTest::newRow("an action the server lacks") << "get_catchup_grid" << QStringList{} << 0;
    }

    void everyActionAnswersItsShape()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, keys);
        QFETCH(int, count);
        const QJsonDocument doc =
            api(QStringLiteral("username=demo&password=demo&action=") + action);
        QVERIFY(doc.isArray());
        const QJsonArray list = doc.array();
        if (count >= 0)
            QCOMPARE(list.size(), count);
        else
            QVERIFY(list.size() >= 10);
        for (const QJsonValue& v : list) {
            const QJsonObject o = v.toObject();
            for (const QString& key : keys)
                QVERIFY2(o.value(key).isString(), qPrintable(key));
            const QString icon = o.value(QStringLiteral("stream_icon"))
                                     .toString(o.value(QStringLiteral("cover")).toString());
            if (!icon.isEmpty())
                QVERIFY(icon.startsWith(server->baseUrl() + QStringLiteral("/posters/")));
        }
    }

    void seriesInfoHasSeveralSeasons()
    {
        const QJsonObject series = api(QStringLiteral("username=demo&password=demo&action="
                                                      "get_series_info&series_id=7"))
                                       .object();
        QVERIFY(!series.value(QStringLiteral("info"))
                     .toObject()
                     .value(QStringLiteral("name"))
                     .toString()
                     .isEmpty());
        const QJsonObject episodes = series.value(QStringLiteral("episodes")).toObject();
        QVERIFY(episodes.size() >= 10);
        const QJsonObject first = episodes.value(QStringLiteral("1")).toArray().at(0).toObject();
        QVERIFY(first.value(QStringLiteral("id")).isString());
        QCOMPARE(first.value(QStringLiteral("episode_num")).toInt(), 1);

        const QJsonObject missing = api(QStringLiteral("username=demo&password=demo&action="
                                                       "get_series_info&series_id=123456"))
                                        .object();
        QVERIFY(missing.value(QStringLiteral("episodes")).toArray().isEmpty());
    }

    void categoryIdNarrowsEachList_data()
    {
        QTest::addColumn<QString>("categories");
        QTest::addColumn<QString>("streams");
        QTest::newRow("live") << "get_live_categories"
                              << "get_live_streams";
        QTest::newRow("movies") << "get_vod_categories"
                                << "get_vod_streams";
        QTest::newRow("series") << "get_series_categories"
                                << "get_series";
    }

    void categoryIdNarrowsEachList()
    {
        QFETCH(QString, categories);
        QFETCH(QString, streams);
        const QString login = QStringLiteral("username=demo&password=demo&action=");
        const qsizetype total = api(login + streams).array().size();
        qsizetype sum = 0;
        for (const QJsonValue& c : api(login + categories).array()) {
            const QString id = c.toObject().value(QStringLiteral("category_id")).toString();
            const QJsonArray part =
                api(login + streams + QStringLiteral("&category_id=") + id).array();
            for (const QJsonValue& v : part)
                QCOMPARE(v.toObject().value(QStringLiteral("category_id")).toString(), id);
            sum += part.size();
        }
        QCOMPARE(sum, total);
        QVERIFY(api(login + streams + QStringLiteral("&category_id=999999")).array().isEmpty());
    }

    void playlists_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("extension");
        QTest::newRow("plain playlist") << "/playlist.m3u" << 200 << "ts";
        QTest::newRow("plain playlist of HLS addresses")
            << "/playlist.m3u?output=m3u8" << 200 << "m3u8";
        QTest::newRow("get.php with the account")
            << "/get.php?username=demo&password=demo&type=m3u_plus&output=ts" << 200 << "ts";
        QTest::newRow("get.php, wrong password")
            << "/get.php?username=demo&password=nope&type=m3u_plus" << 401 << "";
        QTest::newRow("unknown output format") << "/playlist.m3u?output=flv" << 400 << "";
    }

    void playlists()
    {
        QFETCH(QString, path);
        QFETCH(int, status);
        QFETCH(QString, extension);
        const RawHttp::Answer answer = get(path);
        QCOMPARE(answer.status, status);
        if (status != 200)
            return;
        QVERIFY(answer.header("Content-Type").startsWith("audio/x-mpegurl"));
        const M3uParser::Result parsed = M3uParser::parse(QString::fromUtf8(answer.body));
        QCOMPARE(parsed.items.size(), 30);
        QVERIFY(parsed.categories.size() >= 10);
        for (const MediaItem& item : parsed.items) {
            QVERIFY(
                item.streamUrl.startsWith(server->baseUrl() + QStringLiteral("/live/demo/demo/")));
            QVERIFY(item.streamUrl.endsWith(u'.' + extension));
            QVERIFY(item.iconUrl.startsWith(server->baseUrl() + QStringLiteral("/posters/live/")));
        }
    }

    void postersArePngPerEntry_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("other");
        QTest::addColumn<QSize>("size");
        QTest::newRow("channel logo") << "/posters/live/1.png"
                                      << "/posters/live/2.png" << QSize(160, 160);
        QTest::newRow("movie poster") << "/posters/movie/1000001.png"
                                      << "/posters/movie/1000002.png" << QSize(200, 300);
        QTest::newRow("series cover") << "/posters/series/1.png"
                                      << "/posters/series/2.png" << QSize(200, 300);
    }

    void postersArePngPerEntry()
    {
        QFETCH(QString, path);
        QFETCH(QString, other);
        QFETCH(QSize, size);
        const RawHttp::Answer poster = get(path);
        QCOMPARE(poster.status, 200);
        QCOMPARE(poster.header("Content-Type"), QByteArray("image/png"));
        QCOMPARE(QImage::fromData(poster.body, "PNG").size(), size);
        QCOMPARE(get(path).body, poster.body); // the cached copy
        QVERIFY(get(other).body != poster.body);

        const RawHttp::Answer head = RawHttp::fetch(server->url(path), "HEAD");
        QCOMPARE(head.status, 200);
        QCOMPARE(head.header("Content-Length").toLongLong(), poster.body.size());
        QVERIFY(head.body.isEmpty());
    }

    void wrongAddressesAreRefused_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        QTest::newRow("poster of an unknown movie") << "/posters/movie/999.png" << 404;
        QTest::newRow("poster of an unknown kind") << "/posters/radio/1.png" << 404;
        QTest::newRow("poster in another format") << "/posters/live/1.jpg" << 404;
        QTest::newRow("movie with a wrong password") << "/movie/demo/nope/1000001.mp4" << 401;
        QTest::newRow("live with a wrong user") << "/live/guest/demo/1.ts" << 401;
        QTest::newRow("unknown movie") << "/movie/demo/demo/42.mp4" << 404;
        QTest::newRow("unknown channel") << "/live/demo/demo/9999.ts" << 404;
        QTest::newRow("live in a format not offered") << "/live/demo/demo/1.flv" << 404;
        QTest::newRow("movie in a format not offered") << "/movie/demo/demo/1000001.avi" << 404;
        QTest::newRow("episode that does not exist") << "/series/demo/demo/17.mp4" << 404;
        QTest::newRow("stream id that is not a number") << "/live/demo/demo/abc.ts" << 404;
        QTest::newRow("segment of a channel not running") << "/hls/1/seg_00001.ts" << 404;
        QTest::newRow("unknown path") << "/epg.xml" << 404;
    }

    void wrongAddressesAreRefused()
    {
        QFETCH(QString, path);
        QFETCH(int, status);
        QCOMPARE(get(path).status, status);
    }

    void onlyReadingMethodsOutsideControl()
    {
        const RawHttp::Answer post = RawHttp::fetch(
            server->url(QStringLiteral("/player_api.php?username=demo&password=demo")), "POST");
        QCOMPARE(post.status, 405);
    }

    void garbageApiAnswersHtml()
    {
        control(QStringLiteral("garbage-api"));
        for (const QString& path : {QStringLiteral("/player_api.php?username=demo&password=demo"),
                                    QStringLiteral("/player_api.php?username=demo&password=demo&"
                                                   "action=get_vod_streams"),
                                    QStringLiteral("/playlist.m3u")}) {
            const RawHttp::Answer answer = get(path);
            QCOMPARE(answer.status, 200);
            QVERIFY(answer.header("Content-Type").startsWith("text/html"));
            QVERIFY(answer.body.contains("<html>"));
            QVERIFY(QJsonDocument::fromJson(answer.body).isNull());
        }
        control(QStringLiteral("restore-api"));
        QVERIFY(api(QStringLiteral("username=demo&password=demo")).isObject());
    }

    void stalledApiNeverAnswersUntilReset()
    {
        control(QStringLiteral("stall-api"));
        RawHttp stalled(server->url(QStringLiteral("/player_api.php?username=demo&password=demo")));
        stalled.read(400);
        QVERIFY(!stalled.answer().answered);
        QVERIFY(stalled.isOpen());
        // Other parts keep working meanwhile.
        QCOMPARE(get(QStringLiteral("/posters/live/3.png")).status, 200);

        control(QStringLiteral("reset"));
        stalled.read(3000);
        QVERIFY(!stalled.answer().answered);
        QVERIFY(stalled.answer().closed);
        QVERIFY(api(QStringLiteral("username=demo&password=demo")).isObject());
    }

    void garbagePostersAreHtml()
    {
        control(QStringLiteral("garbage-posters"));
        const RawHttp::Answer answer = get(QStringLiteral("/posters/movie/1000003.png"));
        QCOMPARE(answer.status, 200);
        QVERIFY(answer.header("Content-Type").startsWith("text/html"));
        QVERIFY(QImage::fromData(answer.body).isNull());
    }

    void controlRefusesWrongRequests_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("unknown action") << "explode";
        QTest::newRow("drop without a channel") << "drop";
        QTest::newRow("drop with an unknown mode") << "drop?channel=1&mode=melt";
        QTest::newRow("account without a status") << "account";
    }

    void controlRefusesWrongRequests()
    {
        QFETCH(QString, action);
        const RawHttp::Answer answer = get(QStringLiteral("/control/") + action);
        QCOMPARE(answer.status, 400);
        const QJsonObject error = json(answer).object();
        QVERIFY(!error.value(QStringLiteral("error")).toString().isEmpty());
        QVERIFY(error.value(QStringLiteral("usage")).toString().contains(u"/control/reset"));
    }

    void stopsCleanlyOnSigterm()
    {
        DemoServerProcess other({"--scale", "10"});
        QVERIFY2(other.start(), qPrintable(other.errorText()));
        const QString runDir = other.dataDir() + QStringLiteral("/live-%1").arg(other.pid());
        QVERIFY(QFileInfo::exists(runDir));
        QVERIFY(other.stop());
        QVERIFY(!QFileInfo::exists(runDir));
    }
};

VELMORA_TEST_MAIN(TestDemoServer)
#include "tst_demoserver.moc"
