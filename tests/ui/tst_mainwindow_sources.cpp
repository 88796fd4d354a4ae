#include "app/clock.h"
#include "app/httprequests.h"
#include "app/messagebox.h"
#include "loopbackhttpserver.h"
#include "mainwindowtestaccess.h"
#include "modaldriver.h"
#include "providers/catalogcache.h"
#include "sourcedialogtestaccess.h"
#include "sources/sourcemanager.h"
#include "tempprofile.h"
#include "testhelpers.h"
#include "widgethelpers.h"
#include "testmain.h"
#include "ui/catalogconstants.h"

#include <algorithm>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

using Response = LoopbackHttpServer::Response;

namespace {
constexpr qint64 kNow = 1'800'000'000; // seconds; the fake clock starts here

// A tiny Xtream catalog: every list names its server so tests can tell catalogs apart.
QByteArray xtreamAnswer(const QString& action, const QString& tag)
{
    const QByteArray t = tag.toUtf8();
    if (action == u"get_live_categories" || action == u"get_vod_categories"
        || action == u"get_series_categories")
        return R"([{"category_id":"1","category_name":")" + t + R"( Cat"}])";
    if (action == u"get_live_streams")
        return R"([{"stream_id":"11","name":")" + t + R"( Live","category_id":"1"}])";
    if (action == u"get_vod_streams")
        return R"([{"stream_id":"21","name":")" + t + R"( Movie","category_id":"1","rating":"7"}])";
    if (action == u"get_series")
        return R"([{"series_id":"31","name":")" + t + R"( Show","category_id":"1"}])";
    return R"({"user_info":{"auth":1,"status":"Active"}})";
}


} // namespace

class TestMainWindowSources : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempProfile> profile;
    LoopbackHttpServer server;
    QString tag = QStringLiteral("A");
    QHash<QString, Response> overrides; // action -> misbehaviour

    SourceConfig xtream(const QString& name, qint64 lastUpdated = 0, const QString& path = QString())
    {
        SourceConfig c;
        c.type = SourceConfig::Xtream;
        c.name = name;
        c.url = server.baseUrl() + path;
        c.username = QStringLiteral("user");
        c.password = QStringLiteral("pass");
        c.lastUpdated = lastUpdated;
        return c;
    }

    void store(const QList<SourceConfig>& servers, const QString& lastActive = QString())
    {
        SourceManager manager;
        for (const SourceConfig& s : servers)
            manager.saveSource(s);
        if (!lastActive.isEmpty())
            manager.setLastActiveSourceName(lastActive);
    }

    // Catalog requests: the login the window sends for the account's connection limit is not one.
    int apiRequests() const
    {
        const auto requests = server.requestsTo(QStringLiteral("/player_api.php"));
        return int(std::count_if(requests.cbegin(), requests.cend(), [](const auto& r) {
            return !r.queryValue(QStringLiteral("action")).isEmpty();
        }));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(server.start());
        auto handler = [this](const LoopbackHttpServer::Request& r) {
            const QString action = r.queryValue(QStringLiteral("action"));
            if (overrides.contains(action))
                return overrides.value(action);
            return LoopbackHttpServer::json(xtreamAnswer(action, tag));
        };
        server.route(QStringLiteral("/player_api.php"), handler);
        server.route(QStringLiteral("/b/player_api.php"), [](const LoopbackHttpServer::Request& r) {
            return LoopbackHttpServer::json(xtreamAnswer(r.queryValue(QStringLiteral("action")), QStringLiteral("B")));
        });
        server.route(QStringLiteral("/list.m3u"), [](const auto&) {
            return LoopbackHttpServer::text("#EXTM3U\n#EXTINF:-1 group-title=\"G\",One\nhttp://one\n",
                                            "audio/x-mpegurl");
        });
        Clock::setTimeScale(40); // a silent server fails after 0.75 s, not 30
    }

    void init()
    {
        profile = std::make_unique<TempProfile>();
        Clock::setFake(kNow * 1000);
        MessageBox::reset();
        server.clearRequests();
        overrides.clear();
        tag = QStringLiteral("A");
    }

    void cleanup()
    {
        Clock::clearFake();
        profile.reset();
    }

    void firstStartOpensAddDialog()
    {
        int seen = 0;
        ModalDriver<SourceDialog> driver([&](SourceDialog* d) {
            ++seen;
            QCOMPARE(d->windowTitle(), QStringLiteral("Add Server"));
            d->reject();
        });
        MainWindow window;
        MainWindowTestAccess w(window);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorbin"));
        QCOMPARE(window.size(), QSize(1200, 750));
        QTRY_COMPARE(seen, 1);
        QVERIFY(w.activeSource().name.isEmpty());
        for (int i = 0; i < 4; ++i)
            QVERIFY(w.tabs()->isTabVisible(i));
        QCOMPARE(w.liveTable()->rowCount(), 0);
    }

    void retiredServers()
    {
        SourceConfig retired;
        retired.type = SourceConfig::SubscriptionKey;
        retired.name = QStringLiteral("Old");
        store({retired});
        MessageBox::queueAnswer(QMessageBox::Ok);
        int dialogs = 0;
        ModalDriver<SourceDialog> driver([&](SourceDialog* d) {
            ++dialogs;
            d->reject();
        });
        MainWindow window;
        MainWindowTestAccess w(window);
        QCOMPARE(w.sourceCombo()->itemText(0), QStringLiteral("Old (no longer supported)"));
        QTRY_COMPARE(dialogs, 1);
        const auto shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Add your server again"));
        QCOMPARE(shown[0].text, retiredSourceMessage());
        QVERIFY(w.activeSource().name.isEmpty());
    }

    // The last active name pointing at a retired server loads the first supported one; choosing
    // a retired server jumps back and asks, and No changes nothing.
    void retiredNeverLoads()
    {
        SourceConfig retired;
        retired.type = SourceConfig::SubscriptionKey;
        retired.name = QStringLiteral("Old");
        store({retired, xtream(QStringLiteral("A"))}, QStringLiteral("Old"));
        MainWindow window;
        MainWindowTestAccess w(window);
        QCOMPARE(w.activeSource().name, QStringLiteral("A"));
        QCOMPARE(w.sourceCombo()->currentIndex(), 1);

        MessageBox::queueAnswer(QMessageBox::No);
        w.sourceCombo()->setCurrentIndex(0);
        QCOMPARE(w.sourceCombo()->currentIndex(), 1);
        const auto shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Server no longer supported"));
        QCOMPARE(
            shown[0].text,
            QStringLiteral(
                "\"Old\" was added with a Quorbin subscription key.\n\n%1\n\nDelete \"Old\" now?")
                .arg(retiredSourceMessage()));
        QCOMPARE(shown[0].defaultButton, QStringLiteral("&Yes"));
        QCOMPARE(w.activeSource().name, QStringLiteral("A"));
        QCOMPARE(SourceManager().sources().size(), 2);

        // Yes removes it from the selector and the store; A stays active.
        MessageBox::queueAnswer(QMessageBox::Yes);
        w.sourceCombo()->setCurrentIndex(0);
        QCOMPARE(w.sourceCombo()->count(), 1);
        QCOMPARE(SourceManager().sources().size(), 1);
        QCOMPARE(w.activeSource().name, QStringLiteral("A"));
    }

    void catalogAge_data()
    {
        QTest::addColumn<qint64>("age");
        QTest::addColumn<int>("requests");
        QTest::newRow("a second short of a day: cache") << qint64(86399) << 0;
        QTest::newRow("a full day: fetched again") << qint64(86400) << 6;
        QTest::newRow("stamp in the future counts as fresh") << qint64(-500) << 0;
    }
    void catalogAge()
    {
        QFETCH(qint64, age);
        QFETCH(int, requests);
        store({xtream(QStringLiteral("A"))});
        {
            MainWindow first; // fetches and fills the cache
            MainWindowTestAccess w(first);
            QTRY_COMPARE(w.pendingFetchSteps(), 0);
            QCOMPARE(itemNames(w.movieItems()), QStringList{QStringLiteral("A Movie")});
            QCOMPARE(SourceManager().sources()[0].lastUpdated, kNow);
        }
        server.clearRequests();
        Clock::setFake((kNow + age) * 1000);
        MainWindow window;
        MainWindowTestAccess w(window);
        QTRY_COMPARE(w.pendingFetchSteps(), 0);
        QCOMPARE(apiRequests(), requests);
        QCOMPARE(itemNames(w.liveItems()), QStringList{QStringLiteral("A Live")});
        QCOMPARE(w.liveTable()->rowCount(), 1);

        if (requests == 0 && age > 0) {
            // The half-hourly check refetches at its next tick after the day is over.
            w.checkAutoRefresh();
            QCOMPARE(apiRequests(), 0);
            Clock::advanceFake(1000);
            w.checkAutoRefresh();
            QTRY_COMPARE(apiRequests(), 6);
        }
    }

    void overlayCountsOverlappingLoads()
    {
        for (const QString& action : {QStringLiteral("get_live_streams"), QStringLiteral("get_vod_streams")}) {
            Response slow = LoopbackHttpServer::json(xtreamAnswer(action, tag));
            slow.mode = Response::Mode::Trickle;
            slow.chunkBytes = 8;
            slow.chunkDelayMs = 40;
            overrides.insert(action, slow);
        }
        store({xtream(QStringLiteral("A"))});
        MainWindow window;
        MainWindowTestAccess w(window);
        window.show();
        QCOMPARE(w.pendingFetchSteps(), 6);
        QVERIFY(w.loadingOverlay()->isVisible());
        QCOMPARE(w.loadingOverlay()->geometry(), w.tabs()->rect());
        w.refreshActiveSource();
        QCOMPARE(w.pendingFetchSteps(), 12);
        // The quick lists are in, the slow ones not yet: still loading.
        QTRY_VERIFY(w.pendingFetchSteps() <= 4);
        QVERIFY(w.loadingOverlay()->isVisible());
        QTRY_COMPARE(w.pendingFetchSteps(), 0);
        QVERIFY(!w.loadingOverlay()->isVisible());
        // A refresh clears searches and category choices.
        w.liveSearchEdit()->setText(QStringLiteral("zzz"));
        QCOMPARE(w.liveTable()->rowCount(), 0);
        w.refreshActiveSource();
        QVERIFY(w.liveSearchEdit()->text().isEmpty());
        QTRY_COMPARE(w.liveTable()->rowCount(), 1);
    }

    void addServer()
    {
        store({xtream(QStringLiteral("A"))});
        MainWindow window;
        MainWindowTestAccess w(window);
        QTRY_COMPARE(w.pendingFetchSteps(), 0);

        // No URL: warning, nothing saved.
        {
            ModalDriver<SourceDialog> driver([](SourceDialog* d) {
                SourceDialogTestAccess(*d).nameEdit()->setText(QStringLiteral("Nameless"));
                d->accept();
            });
            MessageBox::queueAnswer(QMessageBox::Ok);
            w.addSource();
            const auto shown = MessageBox::takeShown();
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown[0].title, QStringLiteral("Add Server"));
            QCOMPARE(shown[0].text, QStringLiteral("Please provide a valid URL/path."));
            QCOMPARE(SourceManager().sources().size(), 1);
        }
        // A playlist server is saved, listed and selected at once.
        ModalDriver<SourceDialog> driver([this](SourceDialog* d) {
            SourceDialogTestAccess a(*d);
            a.typeCombo()->setCurrentIndex(0);
            a.m3uNameEdit()->setText(QStringLiteral("P"));
            a.m3uUrlEdit()->setText(server.baseUrl() + QStringLiteral("/list.m3u"));
            d->accept();
        });
        w.addSource();
        QCOMPARE(w.sourceCombo()->count(), 2);
        QCOMPARE(w.sourceCombo()->currentIndex(), 1);
        QCOMPARE(w.activeSource().name, QStringLiteral("P"));
        QVERIFY(!w.tabs()->isTabVisible(w.liveTabIndex()));
        QVERIFY(w.tabs()->isTabVisible(w.channelTabIndex()));
        QCOMPARE(w.tabs()->currentIndex(), w.channelTabIndex());
        QTRY_COMPARE(itemNames(w.channelItems()), QStringList{QStringLiteral("One")});
        QCOMPARE(SourceManager().lastActiveSourceName(), QStringLiteral("P"));
    }

    void editAndRename()
    {
        store({xtream(QStringLiteral("A")), xtream(QStringLiteral("B"), 0, QStringLiteral("/b"))});
        MainWindow window;
        MainWindowTestAccess w(window);
        QTRY_COMPARE(w.pendingFetchSteps(), 0);
        server.clearRequests();

        // Only the password: saved in place and refetched.
        {
            ModalDriver<SourceDialog> driver([](SourceDialog* d) {
                SourceDialogTestAccess(*d).passwordEdit()->setText(QStringLiteral("new pass"));
                d->accept();
            });
            w.editSource();
        }
        QCOMPARE(SourceManager().sources()[0].name, QStringLiteral("A"));
        QCOMPARE(SourceManager().sources()[0].password, QStringLiteral("new pass"));
        QTRY_COMPARE(apiRequests(), 6);
        QCOMPARE(server.requests().last().queryValue(QStringLiteral("password")), QStringLiteral("new pass"));
        QTRY_COMPARE(w.pendingFetchSteps(), 0);

        // A new name moves it to the end of the store; the selector item keeps its place.
        {
            ModalDriver<SourceDialog> driver([](SourceDialog* d) {
                SourceDialogTestAccess(*d).nameEdit()->setText(QStringLiteral("Renamed"));
                d->accept();
            });
            w.editSource();
        }
        const QList<SourceConfig> stored = SourceManager().sources();
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored[0].name, QStringLiteral("B"));
        QCOMPARE(stored[1].name, QStringLiteral("Renamed"));
        QCOMPARE(w.sourceCombo()->itemText(0), QStringLiteral("Renamed"));
        QCOMPARE(w.activeSource().name, QStringLiteral("Renamed"));

        // Emptying the URL warns and stores nothing.
        {
            ModalDriver<SourceDialog> driver([](SourceDialog* d) {
                SourceDialogTestAccess(*d).urlEdit()->clear();
                d->accept();
            });
            MessageBox::queueAnswer(QMessageBox::Ok);
            w.editSource();
        }
        QCOMPARE(MessageBox::takeShown().value(0).title, QStringLiteral("Edit Server"));
        QCOMPARE(SourceManager().sources()[1].url, server.baseUrl());
    }

    void deleteServers()
    {
        store({xtream(QStringLiteral("A")), xtream(QStringLiteral("B"), 0, QStringLiteral("/b"))});
        MainWindow window;
        MainWindowTestAccess w(window);
        QTRY_COMPARE(w.pendingFetchSteps(), 0);
        auto deleteCurrent = [&]() {
            ModalDriver<SourceDialog> driver(
                [](SourceDialog* d) {
                    MessageBox::queueAnswer(QMessageBox::Yes);
                    buttonWithText(d, QStringLiteral("Delete Server"))->click();
                },
                QStringLiteral("Edit Server"));
            w.editSource();
        };
        deleteCurrent();
        QCOMPARE(w.sourceCombo()->count(), 1);
        QCOMPARE(w.activeSource().name, QStringLiteral("B"));
        QTRY_COMPARE(itemNames(w.liveItems()), QStringList{QStringLiteral("B Live")});

        // Deleting the only server stops playback and asks for a new one.
        w.currentUrl() = QStringLiteral("http://x/1.ts");
        w.hasMedia() = true;
        int addDialogs = 0;
        ModalDriver<SourceDialog> addDriver(
            [&](SourceDialog* d) {
                ++addDialogs;
                d->reject();
            },
            QStringLiteral("Add Server"));
        deleteCurrent();
        QCOMPARE(w.sourceCombo()->count(), 0);
        QVERIFY(SourceManager().sources().isEmpty());
        QVERIFY(w.activeSource().name.isEmpty());
        QVERIFY(!w.hasMedia());
        QVERIFY(w.currentUrl().isEmpty());
        QCOMPARE(w.nowPlayingLabel()->text(), QStringLiteral("Nothing playing"));
        QTRY_COMPARE(addDialogs, 1);
    }

    void playlistFailures_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("message");
        QTest::newRow("capital scheme is tried as a file")
            << "HTTP://127.0.0.1/list.m3u" << "Failed to open file: HTTP://127.0.0.1/list.m3u";
        QTest::newRow("missing file") << "/nonexistent/velmora/list.m3u"
                                      << "Failed to open file: /nonexistent/velmora/list.m3u";
        QTest::newRow("download fails") << "%1/missing.m3u" << "Failed to download playlist: ";
    }
    void playlistFailures()
    {
        QFETCH(QString, url);
        QFETCH(QString, message);
        SourceConfig playlist;
        playlist.name = QStringLiteral("P");
        playlist.url = url.contains(QStringLiteral("%1")) ? url.arg(server.baseUrl()) : url;
        store({playlist});
        MessageBox::queueAnswer(QMessageBox::Ok);
        MainWindow window;
        MainWindowTestAccess w(window);
        QList<MessageBox::Shown> shown;
        QTRY_VERIFY((shown += MessageBox::takeShown(), !shown.isEmpty()));
        QCOMPARE(shown[0].title, QStringLiteral("Load Playlist"));
        QCOMPARE(shown[0].text.left(message.size()), message);
        QCOMPARE(w.pendingFetchSteps(), 0);
        QVERIFY(!w.loadingOverlay()->isVisible());
        QCOMPARE(SourceManager().sources().size(), 1);
        QCOMPARE(SourceManager().sources()[0].url, playlist.url);
        QCOMPARE(SourceManager().sources()[0].lastUpdated, kNow); // stamped when the fetch started
    }

    // A server answering garbage or nothing gives empty tabs; the overlay always goes away and
    // the stored server is only re-stamped.
    void xtreamFailures_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("HTML with status 200") << 0;
        QTest::newRow("silent server, inactivity limit") << 1;
        QTest::newRow("HTTP 500") << 2;
    }
    void xtreamFailures()
    {
        QFETCH(int, mode);
        const Response bad = mode == 0 ? LoopbackHttpServer::text("<html>oops</html>", "text/html")
            : mode == 1                ? LoopbackHttpServer::stall()
                                       : LoopbackHttpServer::status(500);
        for (const QString& action : {QStringLiteral("get_live_categories"), QStringLiteral("get_live_streams"),
                                      QStringLiteral("get_vod_categories"), QStringLiteral("get_vod_streams"),
                                      QStringLiteral("get_series_categories"), QStringLiteral("get_series")})
            overrides.insert(action, bad);
        store({xtream(QStringLiteral("A"))});
        MainWindow window;
        MainWindowTestAccess w(window);
        QTRY_COMPARE_WITH_TIMEOUT(w.pendingFetchSteps(), 0, 10000);
        QVERIFY(!w.loadingOverlay()->isVisible());
        QVERIFY(w.liveItems().isEmpty());
        QCOMPARE(w.liveTable()->rowCount(), 0);
        QVERIFY(MessageBox::takeShown().isEmpty()); // list failures show no box
        QCOMPARE(SourceManager().sources()[0].password, QStringLiteral("pass"));
        // Nothing was cached from the failure.
        CatalogCache::Section section;
        QVERIFY(!CatalogCache::load(QStringLiteral("A"), kLiveSection, section));
    }

    // A refresh whose movie list fails keeps the movies the cache had.
    void failedListKeepsCachedData()
    {
        store({xtream(QStringLiteral("A"))});
        MainWindow window;
        MainWindowTestAccess w(window);
        QTRY_COMPARE(w.pendingFetchSteps(), 0);
        tag = QStringLiteral("A2");
        overrides.insert(QStringLiteral("get_vod_streams"), LoopbackHttpServer::status(500));
        w.refreshActiveSource();
        QTRY_COMPARE(w.pendingFetchSteps(), 0);
        QCOMPARE(itemNames(w.liveItems()), QStringList{QStringLiteral("A2 Live")});
        QCOMPARE(itemNames(w.movieItems()), QStringList{QStringLiteral("A Movie")});
        CatalogCache::Section movie;
        QVERIFY(CatalogCache::load(QStringLiteral("A"), kMovieSection, movie));
        QCOMPARE(itemNames(movie.items), QStringList{QStringLiteral("A Movie")});
        QCOMPARE(movie.categories.value(0).name, QStringLiteral("A2 Cat"));
    }

    // Results of server A that arrive after switching to B are cached under A and never shown.
    void lateResultsStayWithTheirServer()
    {
        for (const QString& action : {QStringLiteral("get_live_streams"), QStringLiteral("get_live_categories")}) {
            Response slow = LoopbackHttpServer::json(xtreamAnswer(action, QStringLiteral("A")));
            slow.mode = Response::Mode::Trickle;
            slow.chunkBytes = 4;
            slow.chunkDelayMs = 30;
            overrides.insert(action, slow);
        }
        store({xtream(QStringLiteral("A")), xtream(QStringLiteral("B"), 0, QStringLiteral("/b"))});
        MainWindow window;
        MainWindowTestAccess w(window);
        QCOMPARE(w.activeSource().name, QStringLiteral("A"));
        w.sourceCombo()->setCurrentIndex(1);
        QCOMPARE(w.activeSource().name, QStringLiteral("B"));
        QTRY_COMPARE_WITH_TIMEOUT(w.pendingFetchSteps(), 0, 10000);
        QCOMPARE(itemNames(w.liveItems()), QStringList{QStringLiteral("B Live")});
        QCOMPARE(w.liveCategoryList()->item(3)->text(), QStringLiteral("B Cat"));
        CatalogCache::Section a, b;
        QVERIFY(CatalogCache::load(QStringLiteral("A"), kLiveSection, a));
        QVERIFY(CatalogCache::load(QStringLiteral("B"), kLiveSection, b));
        QCOMPARE(itemNames(a.items), QStringList{QStringLiteral("A Live")});
        QCOMPARE(itemNames(b.items), QStringList{QStringLiteral("B Live")});
    }
};

VELMORA_TEST_MAIN(TestMainWindowSources)
#include "tst_mainwindow_sources.moc"
