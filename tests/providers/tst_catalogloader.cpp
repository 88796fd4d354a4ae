// The window's catalog load without the window: cache or network, per-list fallback, superseded
// loads, and the playlist by link and by file.
#include "providers/catalogloader.h"

#include "app/clock.h"
#include "loopbackhttpserver.h"
#include "providers/catalogcache.h"
#include "providers/xtreamclient.h"
#include "tempprofile.h"
#include "testhelpers.h"
#include "testmain.h"
#include "ui/catalogconstants.h"
#include "xtreamfixture.h"

#include <QFile>
#include <QHash>
#include <QNetworkAccessManager>

#include <memory>

namespace {
constexpr qint64 kNow = 1'700'000'000;

// What one load handed over.
struct Delivery
{
    QHash<QString, QList<Category>> categories;
    QHash<QString, QList<MediaItem>> items;
    QList<int> fetches; // steps announced
    int stepsDone = 0;
    QStringList failures;

    CatalogLoader::Handlers handlers()
    {
        CatalogLoader::Handlers h;
        h.categories = [this](const QString& s, const QList<Category>& c) { categories[s] = c; };
        h.items = [this](const QString& s, const QList<MediaItem>& i) { items[s] = i; };
        h.fetching = [this](int steps, qint64 now) {
            QCOMPARE(now, kNow);
            fetches << steps;
        };
        h.stepDone = [this] { ++stepsDone; };
        h.failed = [this](const QString& message) {
            QCOMPARE(stepsDone, fetches.value(0)); // the overlay goes before the box comes
            failures << message;
        };
        return h;
    }
};
} // namespace

class TestCatalogLoader : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempProfile> profile;
    QNetworkAccessManager manager;

private slots:
    void init()
    {
        profile = std::make_unique<TempProfile>();
        Clock::setFake(kNow * 1000);
    }

    void cleanup()
    {
        Clock::clearFake();
        profile.reset();
    }

    // A stale catalog is fetched and cached; a failed list then stands in with its cached copy
    // while the others are fresh; a fresh catalog comes from the cache without a request.
    void xtreamFetchFallbackAndCache()
    {
        XtreamFixture xtream;
        xtream.setCatalog(XtreamFixture::generate(4, 6, 3));
        QVERIFY(xtream.start());
        const XtreamFixture::Catalog first = xtream.catalog();
        SourceConfig config = xtream.server(QStringLiteral("Net"));
        XtreamClient client;
        client.configure(config.url, config.username, config.password);
        CatalogLoader loader(&manager);

        Delivery fetched;
        loader.load(config, false, &client, fetched.handlers());
        QTRY_COMPARE(fetched.stepsDone, 6);
        QCOMPARE(fetched.fetches, QList<int>{6});
        QCOMPARE(itemNames(fetched.items.value(kMovieSection)), itemNames(first.movies));
        QCOMPARE(fetched.categories.value(kSeriesSection).size(), first.seriesCategories.size());

        xtream.setCatalog(XtreamFixture::generate(5, 2, 1, 5, 2, 3, 7));
        xtream.setAnswer(QStringLiteral("get_vod_streams"), LoopbackHttpServer::status(500));
        Delivery partly;
        loader.load(config, true, &client, partly.handlers());
        QTRY_COMPARE(partly.stepsDone, 6);
        QCOMPARE(itemNames(partly.items.value(kMovieSection)), itemNames(first.movies));
        QCOMPARE(itemNames(partly.items.value(kLiveSection)), itemNames(xtream.catalog().live));

        xtream.clearRequests();
        config.lastUpdated = kNow - 60;
        Delivery cached;
        loader.load(config, false, &client, cached.handlers());
        QVERIFY(cached.fetches.isEmpty());
        QCOMPARE(itemNames(cached.items.value(kMovieSection)), itemNames(first.movies));
        QCOMPARE(itemNames(cached.items.value(kSeriesSection)), itemNames(xtream.catalog().series));
        QCOMPARE(xtream.requests().size(), 0);
    }

    // The user moved on: the first server's lists still reach its cache, not the screen.
    void supersededLoadIsCachedNotDelivered()
    {
        XtreamFixture xtream;
        xtream.setCatalog(XtreamFixture::generate(3, 3, 3));
        QVERIFY(xtream.start());
        const SourceConfig config = xtream.server(QStringLiteral("First"));
        XtreamClient client;
        client.configure(config.url, config.username, config.password);
        CatalogLoader loader(&manager);

        Delivery first;
        loader.load(config, true, &client, first.handlers());
        Delivery second;
        SourceConfig file;
        file.type = SourceConfig::M3u;
        file.name = QStringLiteral("Second");
        file.url = profile->root() + QStringLiteral("/absent.m3u");
        loader.load(file, true, nullptr, second.handlers());

        QTRY_COMPARE(first.stepsDone, 6);
        QVERIFY(first.items.isEmpty() && first.categories.isEmpty());
        CatalogCache::Section movies;
        QVERIFY(CatalogCache::load(config.name, kMovieSection, movies));
        QCOMPARE(itemNames(movies.items), itemNames(xtream.catalog().movies));
    }

    void playlist_data()
    {
        QTest::addColumn<QString>("where"); // "link", "file"
        QTest::addColumn<int>("httpStatus");
        QTest::addColumn<QStringList>("channels");
        QTest::addColumn<QString>("failure"); // a prefix

        const QStringList two{QStringLiteral("One"), QStringLiteral("Two")};
        QTest::newRow("link") << "link" << 200 << two << QString();
        QTest::newRow("link fails")
            << "link" << 404 << QStringList() << QStringLiteral("Failed to download playlist: ");
        QTest::newRow("file") << "file" << 0 << two << QString();
        QTest::newRow("file missing")
            << "file" << -1 << QStringList() << QStringLiteral("Failed to open file: ");
    }

    void playlist()
    {
        QFETCH(QString, where);
        QFETCH(int, httpStatus);
        QFETCH(QStringList, channels);
        QFETCH(QString, failure);

        const QByteArray text = "#EXTM3U\n#EXTINF:-1 group-title=\"G\",One\nhttp://one\n"
                                "#EXTINF:-1 group-title=\"G\",Two\nhttp://two\n";
        LoopbackHttpServer http;
        http.route(QStringLiteral("/list.m3u"), [&](const LoopbackHttpServer::Request&) {
            return httpStatus == 200 ? LoopbackHttpServer::text(text, "audio/x-mpegurl")
                                     : LoopbackHttpServer::status(httpStatus);
        });
        QVERIFY(http.start());
        SourceConfig config;
        config.type = SourceConfig::M3u;
        config.name = QStringLiteral("List");
        config.url = where == QLatin1String("link")
                         ? http.url(QStringLiteral("/list.m3u")).toString()
                         : profile->root() + QStringLiteral("/list.m3u");
        if (httpStatus == 0) {
            QFile file(config.url);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        }

        CatalogLoader loader(&manager);
        Delivery delivered;
        loader.load(config, false, nullptr, delivered.handlers());
        QTRY_COMPARE(delivered.stepsDone, 1);
        QCOMPARE(delivered.fetches, QList<int>{1});
        QCOMPARE(itemNames(delivered.items.value(kChannelSection)), channels);
        QCOMPARE(delivered.failures.size(), failure.isEmpty() ? 0 : 1);
        if (!failure.isEmpty())
            QVERIFY2(delivered.failures.at(0).startsWith(failure),
                     qPrintable(delivered.failures.at(0)));
        CatalogCache::Section cached;
        QCOMPARE(CatalogCache::load(config.name, kChannelSection, cached), failure.isEmpty());
        if (failure.isEmpty())
            QCOMPARE(cached.categories.size(), 1);
    }
};

VELMORA_TEST_MAIN(TestCatalogLoader)
#include "tst_catalogloader.moc"
