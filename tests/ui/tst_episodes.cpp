#include "app/clock.h"
#include "mainwindowtestaccess.h"
#include "player/vlcplayer.h"
#include "providers/catalogcache.h"
#include "providers/xtreamclient.h"
#include "sources/sourcemanager.h"
#include "tempprofile.h"
#include "testhelpers.h"
#include "widgethelpers.h"
#include "testmain.h"
#include "xtreamfixture.h"

#include <QLabel>
#include <QListWidget>
#include <QNetworkAccessManager>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTreeWidget>

using Response = LoopbackHttpServer::Response;

namespace {
constexpr qint64 kNow = 1'800'000'000; // seconds

Episode episode(const QString& id, int season, int number, const QString& title)
{
    Episode e;
    e.id = id;
    e.season = season;
    e.episodeNumber = number;
    e.title = title;
    e.containerExtension = QStringLiteral("mkv");
    return e;
}

QStringList treeTexts(QTreeWidget* tree)
{
    QStringList out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* season = tree->topLevelItem(i);
        out << season->text(0);
        for (int j = 0; j < season->childCount(); ++j)
            out << QStringLiteral("  ") + season->child(j)->text(0);
    }
    return out;
}

QTreeWidgetItem* episodeRow(QTreeWidget* tree, int index)
{
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* season = tree->topLevelItem(i);
        for (int j = 0; j < season->childCount(); ++j) {
            if (season->child(j)->data(0, Qt::UserRole).toInt() == index)
                return season->child(j);
        }
    }
    return nullptr;
}

} // namespace

class TestEpisodes : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempProfile> profile;
    XtreamFixture xtream;
    XtreamFixture::Catalog catalog;

    const MediaItem& series(int i) const { return catalog.series.at(i); }

    std::unique_ptr<MainWindow> openWindow()
    {
        SourceManager().saveSource(xtream.server(QStringLiteral("A")));
        auto window = std::make_unique<MainWindow>();
        MainWindowTestAccess w(*window);
        QObject::disconnect(w.player(), nullptr, window.get(), nullptr);
        if (!QTest::qWaitFor([&]() { return w.pendingFetchSteps() == 0; }))
            return nullptr;
        window->show();
        w.tabs()->setCurrentIndex(w.seriesTabIndex());
        w.selectSeriesCategory(w.seriesCategoryList()->item(0));
        xtream.clearRequests();
        return window;
    }

    static void openSeries(MainWindowTestAccess& w, const MediaItem& s)
    {
        w.showEpisodesInline(s.id, s.name);
    }

private slots:
    void initTestCase()
    {
        catalog = XtreamFixture::generate(0, 2, 3, 1, 2, 3);
        for (QList<MediaItem>* list : {&catalog.movies, &catalog.series}) {
            for (MediaItem& m : *list)
                m.iconUrl.clear();
        }
        xtream.setCatalog(catalog);
        QVERIFY(xtream.start());
    }

    void init()
    {
        profile = std::make_unique<TempProfile>();
        Clock::setFake(kNow * 1000);
        xtream.clearAnswer(QStringLiteral("get_series_info"));
    }

    void cleanup()
    {
        Clock::clearFake();
        profile.reset();
    }

    // Cached less than a day ago: the page is filled from the cache without a request, seasons
    // in order of first appearance; a day or older: fetched, shown and cached again.
    void cacheOrFetch_data()
    {
        QTest::addColumn<qint64>("age");
        QTest::addColumn<bool>("fetched");
        QTest::newRow("cached a second short of a day") << qint64(86399) << false;
        QTest::newRow("cached a day ago") << qint64(86400) << true;
        QTest::newRow("never cached") << qint64(-1) << true;
    }
    void cacheOrFetch()
    {
        QFETCH(qint64, age);
        QFETCH(bool, fetched);
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        const QList<Episode> cached = {episode("51", 2, 1, "Second a"),
                                       episode("52", 1, 7, "Pilot"), episode("53", 2, 112, "Long")};
        if (age >= 0) {
            Clock::setFake((kNow - age) * 1000);
            QVERIFY(CatalogCache::saveEpisodes(QStringLiteral("A"), series(0).id, cached));
            Clock::setFake(kNow * 1000);
        }

        openSeries(w, series(0));
        QCOMPARE(w.seriesStack()->currentIndex(), 2);
        QCOMPARE(w.episodeSeriesLabel()->text(), series(0).name);
        QCOMPARE(w.episodeSeriesLabel()->font().weight(), QFont::Bold);
        QTreeWidget* tree = w.episodeTree();
        QVERIFY(tree->isHeaderHidden());
        if (!fetched) {
            QCOMPARE(xtream.requestCount(QStringLiteral("get_series_info")), 0);
            QCOMPARE(treeTexts(tree), QStringList({"Season 2", "  E01 - Second a", "  E112 - Long",
                                                   "Season 1", "  E07 - Pilot"}));
            QCOMPARE(episodeRow(tree, 1)->text(0), QStringLiteral("E07 - Pilot"));
            QCOMPARE(episodeRow(tree, 2)->parent(), tree->topLevelItem(0));
        } else {
            QCOMPARE(tree->topLevelItemCount(), 0); // shown at once, empty, while fetching
            QTRY_COMPARE(w.shownEpisodes().size(), 6);
            QCOMPARE(xtream.requestCount(QStringLiteral("get_series_info")), 1);
            QCOMPARE(tree->topLevelItemCount(), 2);
            QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Season 1"));
            QCOMPARE(
                tree->topLevelItem(0)->child(0)->text(0),
                QStringLiteral("E01 - %1").arg(catalog.episodes.value(series(0).id).at(0).title));
            QList<Episode> stored;
            QVERIFY(CatalogCache::loadEpisodes(QStringLiteral("A"), series(0).id, 10, stored));
            QCOMPARE(stored.size(), 6);
        }
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem* season = tree->topLevelItem(i);
            QCOMPARE(season->flags(), Qt::ItemFlags(Qt::ItemIsEnabled));
            QCOMPARE(season->font(0).weight(), QFont::Bold);
            QVERIFY(!season->data(0, Qt::UserRole).isValid());
            QVERIFY(season->isExpanded());
        }

        // A season row plays nothing; "< Back to Shows" returns to the grid.
        w.playEpisodeTreeItem(tree->topLevelItem(0));
        QVERIFY(!w.hasMedia());
        buttonWithText(w.seriesStack()->widget(2), QStringLiteral("< Back to Shows"))->click();
        QCOMPARE(w.seriesStack()->currentIndex(), 1);
    }

    // A fetch that fails says so and is never cached: opening the series again asks again.
    void failedFetch_data()
    {
        QTest::addColumn<int>("status"); // -1: the connection drops
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("HTTP error") << 500 << QByteArray(R"({"episodes":{}})");
        QTest::newRow("invalid JSON") << 200 << QByteArray(R"({"episodes":)");
        QTest::newRow("network error") << -1 << QByteArray();
    }
    void failedFetch()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        Response failure = LoopbackHttpServer::json(body, std::max(status, 200));
        if (status < 0)
            failure.mode = Response::Mode::Drop;
        xtream.setAnswer(QStringLiteral("get_series_info"), failure);
        openSeries(w, series(0));
        QTRY_COMPARE(treeTexts(w.episodeTree()),
                     QStringList{QStringLiteral("The episodes could not be loaded. Go back and "
                                                "open the series again to retry.")});
        QList<Episode> stored;
        QVERIFY(!CatalogCache::loadEpisodes(QStringLiteral("A"), series(0).id, 86400, stored));

        xtream.clearAnswer(QStringLiteral("get_series_info"));
        const int failedRequests = xtream.requestCount(QStringLiteral("get_series_info"));
        buttonWithText(w.seriesStack()->widget(2), QStringLiteral("< Back to Shows"))->click();
        openSeries(w, series(0));
        QTRY_COMPARE(w.shownEpisodes().size(), 6);
        QCOMPARE(xtream.requestCount(QStringLiteral("get_series_info")), failedRequests + 1);
        QCOMPARE(w.episodeTree()->topLevelItemCount(), 2);
    }

    // "Next Episode": shown for episodes, enabled while the sequence has a next entry (across
    // seasons), disabled at the last one; a movie hides it and ends the sequence.
    void nextEpisode()
    {
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        const QList<Episode> episodes = catalog.episodes.value(series(1).id);
        QCOMPARE(episodes.size(), 6);
        openSeries(w, series(1));
        QTRY_COMPARE(w.shownEpisodes().size(), 6);
        QTreeWidget* tree = w.episodeTree();
        QPushButton* next = w.nextEpisodeButton();

        // A click on the last episode: visible but disabled.
        QTreeWidgetItem* last = episodeRow(tree, 5);
        tree->scrollToItem(last);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(last).center());
        QCOMPARE(w.currentKind(), int(MediaItem::SeriesEpisode));
        QCOMPARE(w.currentUrl(), w.xtreamClient()->episodeStreamUrl(
                                     episodes.at(5).id, episodes.at(5).containerExtension));
        QCOMPARE(
            w.nowPlayingLabel()->text(),
            QStringLiteral("Playing: %1 - S02E03 - %2").arg(series(1).name, episodes.at(5).title));
        QVERIFY(!next->isHidden());
        QVERIFY(!next->isEnabled());

        // The one before: enabled; pressing it plays the last and disables it.
        w.playEpisodeTreeItem(episodeRow(tree, 4));
        QVERIFY(next->isEnabled());
        tree->setCurrentItem(episodeRow(tree, 4));
        next->click();
        QCOMPARE(w.playingEpisodeIndex(), 5);
        QCOMPARE(w.currentTitle(),
                 QStringLiteral("%1 - S02E03 - %2").arg(series(1).name, episodes.at(5).title));
        QVERIFY(!next->isEnabled());
        QCOMPARE(tree->currentItem(), episodeRow(tree, 4)); // the tree is not followed
        next->click();                                      // nothing after the last
        QCOMPARE(w.playingEpisodeIndex(), 5);

        // From the end of season 1 to the start of season 2.
        w.playEpisodeTreeItem(episodeRow(tree, 2));
        next->click();
        QCOMPARE(w.currentTitle(),
                 QStringLiteral("%1 - S02E01 - %2").arg(series(1).name, episodes.at(3).title));
        QVERIFY(next->isEnabled());

        // A movie played from its tab hides the button and ends the sequence.
        w.selectMovieCategory(w.movieCategoryList()->item(0));
        w.playMovieRow(0);
        QCOMPARE(w.currentKind(), int(MediaItem::Movie));
        QVERIFY(next->isHidden());
        QCOMPARE(w.playingEpisodeIndex(), -1);
        QVERIFY(w.playingEpisodes().isEmpty());
        next->click();
        QCOMPARE(w.currentKind(), int(MediaItem::Movie));
    }

    // Opening series B while an episode of A plays: "Next Episode" keeps following A.
    void browsingAnotherSeries()
    {
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        openSeries(w, series(0));
        QTRY_COMPARE(w.shownEpisodes().size(), 6);
        QTreeWidget* tree = w.episodeTree();
        tree->setFocus();
        QTRY_VERIFY(tree->hasFocus());
        // Return on a season row plays nothing; Enter on an episode row plays it.
        tree->setCurrentItem(tree->topLevelItem(0));
        QTest::keyClick(tree, Qt::Key_Return);
        QVERIFY(!w.hasMedia());
        tree->setCurrentItem(episodeRow(tree, 0));
        QTest::keyClick(tree, Qt::Key_Enter);
        QCOMPARE(w.playingEpisodeIndex(), 0);
        QCOMPARE(w.playingSeriesName(), series(0).name);

        openSeries(w, series(2));
        QTRY_COMPARE(w.shownSeriesName(), series(2).name);
        QTRY_COMPARE(w.shownEpisodes().size(), 6);
        QCOMPARE(w.shownEpisodes().at(0).id, catalog.episodes.value(series(2).id).at(0).id);
        QVERIFY(w.nextEpisodeButton()->isEnabled());
        w.nextEpisodeButton()->click();
        const Episode second = catalog.episodes.value(series(0).id).at(1);
        QCOMPARE(w.currentTitle(),
                 QStringLiteral("%1 - S01E02 - %2").arg(series(0).name, second.title));
        QCOMPARE(w.currentUrl(),
                 w.xtreamClient()->episodeStreamUrl(second.id, second.containerExtension));
        QCOMPARE(w.playingSeriesName(), series(0).name);
    }

    // A reply that arrives after the page was left is dropped: not shown, not cached.
    void lateReplyAfterGoingBack()
    {
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        Response slow = LoopbackHttpServer::json(
            XtreamFixture::seriesInfoJson(series(0).name, catalog.episodes.value(series(0).id)));
        slow.mode = Response::Mode::Trickle;
        slow.chunkBytes = 64;
        slow.chunkDelayMs = 20;
        xtream.setAnswer(QStringLiteral("get_series_info"), slow);
        QSignalSpy replies(w.xtreamClient()->findChild<QNetworkAccessManager*>(),
                           &QNetworkAccessManager::finished);

        openSeries(w, series(0));
        QTRY_COMPARE(xtream.requestCount(QStringLiteral("get_series_info")), 1);
        buttonWithText(w.seriesStack()->widget(2), QStringLiteral("< Back to Shows"))->click();
        QTRY_COMPARE(replies.count(), 1);
        QVERIFY(w.shownEpisodes().isEmpty());
        QCOMPARE(w.episodeTree()->topLevelItemCount(), 0);
        QCOMPARE(w.seriesStack()->currentIndex(), 1);
        QList<Episode> stored;
        QVERIFY(!CatalogCache::loadEpisodes(QStringLiteral("A"), series(0).id, 86400, stored));
    }

    // A reply for series A arriving after series B was opened is cached under A but leaves B's
    // page alone.
    void lateReplyForAnotherSeries()
    {
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        const QList<Episode> episodesA = catalog.episodes.value(series(0).id);
        Response slow =
            LoopbackHttpServer::json(XtreamFixture::seriesInfoJson(series(0).name, episodesA));
        slow.mode = Response::Mode::Trickle;
        slow.chunkBytes = 64;
        slow.chunkDelayMs = 20;
        xtream.setAnswer(QStringLiteral("get_series_info"), slow);
        openSeries(w, series(0));
        QTRY_COMPARE(xtream.requestCount(QStringLiteral("get_series_info")), 1);
        xtream.clearAnswer(QStringLiteral("get_series_info"));

        openSeries(w, series(1));
        QTRY_COMPARE(w.shownEpisodes().size(), 6);
        const QStringList pageB = treeTexts(w.episodeTree());
        QCOMPARE(w.shownEpisodes().at(0).id, catalog.episodes.value(series(1).id).at(0).id);

        QList<Episode> stored;
        QTRY_VERIFY(CatalogCache::loadEpisodes(QStringLiteral("A"), series(0).id, 86400, stored));
        QCOMPARE(stored.size(), episodesA.size());
        QCOMPARE(stored.at(0).id, episodesA.at(0).id);
        QCOMPARE(w.episodeSeriesLabel()->text(), series(1).name);
        QCOMPARE(w.shownSeriesName(), series(1).name);
        QCOMPARE(w.shownEpisodes().at(0).id, catalog.episodes.value(series(1).id).at(0).id);
        QCOMPARE(treeTexts(w.episodeTree()), pageB);

        // Episode rows still play B's episodes.
        w.playEpisodeTreeItem(episodeRow(w.episodeTree(), 0));
        QCOMPARE(w.playingSeriesName(), series(1).name);
    }
};

VELMORA_TEST_MAIN(TestEpisodes)
#include "tst_episodes.moc"
