// The library as the window shows it: starring with Ctrl+D, "Favorites" across catalog refreshes,
// positions saved on the clock and resumed in a new window, the previous channel, search over
// everything, and a damaged library reported once.
#include "app/clock.h"
#include "app/messagebox.h"
#include "guide/guideservice.h"
#include "library/library.h"
#include "mainwindowtestaccess.h"
#include "modaldriver.h"
#include "player/vlcplayer.h"
#include "sourcedialogtestaccess.h"
#include "sources/sourcemanager.h"
#include "tempprofile.h"
#include "testmain.h"
#include "ui/librarystate.h"
#include "ui/postermarkdelegate.h"
#include "widgethelpers.h"
#include "xtreamfixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

namespace {

MediaItem item(int type, const QString& id, const QString& name)
{
    MediaItem m;
    m.type = type;
    m.id = id;
    m.name = name;
    m.categoryId = type == MediaItem::Live ? QStringLiteral("1") : QStringLiteral("10");
    m.containerExtension = QStringLiteral("mp4");
    return m;
}

XtreamFixture::Catalog catalog()
{
    XtreamFixture::Catalog c;
    c.liveCategories = {{QStringLiteral("1"), QStringLiteral("News")}};
    c.vodCategories = {{QStringLiteral("10"), QStringLiteral("Drama")}};
    c.seriesCategories = {{QStringLiteral("20"), QStringLiteral("Crime")}};
    c.live = {item(MediaItem::Live, "101", "BBC News"), item(MediaItem::Live, "102", "Newsmax"),
              item(MediaItem::Live, "103", "News"), item(MediaItem::Live, "104", "Weather")};
    c.movies = {item(MediaItem::Movie, "201", "Alpha"), item(MediaItem::Movie, "202", "Beta"),
                item(MediaItem::Movie, "203", "Gamma news")};
    c.series = {item(MediaItem::Series, "301", "Show A")};
    for (int n = 1; n <= 3; ++n) {
        Episode e;
        e.id = QString::number(310 + n);
        e.seriesName = QStringLiteral("Show A");
        e.season = 1;
        e.episodeNumber = n;
        e.title = QStringLiteral("Part %1").arg(n);
        e.containerExtension = QStringLiteral("mp4");
        c.episodes[QStringLiteral("301")].append(e);
    }
    return c;
}

QStringList gridTexts(QListWidget* grid)
{
    QStringList out;
    for (int row = 0; row < grid->count(); ++row)
        out << grid->item(row)->text();
    return out;
}

QListWidgetItem* categoryNamed(QListWidget* list, const QString& name)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == name)
            return list->item(row);
    }
    return nullptr;
}
} // namespace

class TestLibraryWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProfile> profile;
    XtreamFixture xtream;

    // What the library keeps server "A"'s data under.
    static QString serverKey() { return SourceManager().sources().value(0).storageKey(); }

    // A loaded window whose player reports nothing back: positions come from the test.
    std::unique_ptr<MainWindow> openWindow()
    {
        auto window = std::make_unique<MainWindow>();
        MainWindowTestAccess w(*window);
        QObject::disconnect(w.player(), nullptr, window.get(), nullptr);
        if (!QTest::qWaitFor([&]() { return w.pendingFetchSteps() == 0; }))
            return nullptr;
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            return nullptr;
        return window;
    }

private slots:
    void initTestCase() { QVERIFY(xtream.start()); }

    void init()
    {
        profile = std::make_unique<TempProfile>();
        xtream.setCatalog(catalog());
        SourceManager().saveSource(xtream.server(QStringLiteral("A")));
        MessageBox::reset();
        Clock::setFake(1'700'000'000'000);
    }

    void cleanup()
    {
        Clock::clearFake();
        profile.reset();
    }

    void favoritesAcrossRefresh()
    {
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        w.tabs()->setCurrentIndex(w.movieTabIndex());
        w.selectMovieCategory(w.movieCategoryList()->item(0));
        const auto star = [&](int row) {
            w.movieGrid()->setCurrentRow(row);
            QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
            Clock::advanceFake(1000);
        };
        star(0); // Alpha
        star(1); // Beta
        w.selectMovieCategory(categoryNamed(w.movieCategoryList(), QStringLiteral("Favorites")));
        QCOMPARE(gridTexts(w.movieGrid()), (QStringList{"Beta", "Alpha"}));

        // The server drops Alpha: still listed, greyed, with the reason.
        XtreamFixture::Catalog dropped = catalog();
        dropped.movies.removeFirst();
        xtream.setCatalog(dropped);
        w.refreshActiveSource();
        QTRY_COMPARE_WITH_TIMEOUT(w.pendingFetchSteps(), 0, 10000);
        w.tabs()->setCurrentIndex(w.movieTabIndex());
        w.selectMovieCategory(categoryNamed(w.movieCategoryList(), QStringLiteral("Favorites")));
        QCOMPARE(gridTexts(w.movieGrid()), (QStringList{"Beta", "Alpha"}));
        QCOMPARE(w.movieGrid()->item(1)->toolTip(),
                 QStringLiteral("No longer offered by this server"));
        QVERIFY(w.movieGrid()->item(0)->toolTip().isEmpty());

        // Back on the server: an ordinary favorite again. Ctrl+D in the view removes one.
        xtream.setCatalog(catalog());
        w.refreshActiveSource();
        QTRY_COMPARE_WITH_TIMEOUT(w.pendingFetchSteps(), 0, 10000);
        w.tabs()->setCurrentIndex(w.movieTabIndex());
        w.selectMovieCategory(categoryNamed(w.movieCategoryList(), QStringLiteral("Favorites")));
        QVERIFY(w.movieGrid()->item(1)->toolTip().isEmpty());
        star(0);
        QCOMPARE(gridTexts(w.movieGrid()), (QStringList{"Alpha"}));
        QCOMPARE(MessageBox::takeShown().size(), 0);
    }

    // A profile of the version that kept the library and the guide under the server's name:
    // they move to the server's id at the first start, stay with it when it is renamed and
    // go when it is deleted; the old name keeps nothing a new server could inherit.
    void serverDataFollowsTheServer()
    {
        QSettings(QStringLiteral("Velmora"), QStringLiteral("Player"))
            .remove(QStringLiteral("sources/1/id"));
        const QString libraryFile = profile->appDataDir() + QStringLiteral("/library.db");
        const MediaItem alpha = item(MediaItem::Movie, "201", "Alpha");
        {
            Library old(libraryFile);
            QVERIFY(old.setFavorite(QStringLiteral("A"), alpha, true));
        }
        const QString oldGuide = GuideService::storePath(QStringLiteral("A"));
        QFile guide(oldGuide);
        QVERIFY(guide.open(QIODevice::WriteOnly));
        guide.close();

        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        const QString id = SourceManager().sources().value(0).id;
        QVERIFY(!id.isEmpty() && id != u"A");
        QVERIFY(QFile::exists(GuideService::storePath(id)));
        QVERIFY(!QFile::exists(oldGuide));
        const auto favorites = [&] {
            w.tabs()->setCurrentIndex(w.movieTabIndex());
            w.selectMovieCategory(
                categoryNamed(w.movieCategoryList(), QStringLiteral("Favorites")));
            return gridTexts(w.movieGrid());
        };
        QCOMPARE(favorites(), QStringList{QStringLiteral("Alpha")});

        {
            ModalDriver<SourceDialog> driver([](SourceDialog* d) {
                SourceDialogTestAccess(*d).nameEdit()->setText(QStringLiteral("Renamed"));
                d->accept();
            });
            w.editSource();
        }
        QTRY_COMPARE_WITH_TIMEOUT(w.pendingFetchSteps(), 0, 10000);
        QCOMPARE(SourceManager().sources().value(0).name, QStringLiteral("Renamed"));
        QCOMPARE(SourceManager().sources().value(0).id, id);
        QCOMPARE(favorites(), QStringList{QStringLiteral("Alpha")});
        QVERIFY(w.lib()->library->favorites(QStringLiteral("A"), MediaItem::Movie).isEmpty());

        int addDialogs = 0;
        ModalDriver<SourceDialog> addDriver(
            [&](SourceDialog* d) {
                ++addDialogs;
                d->reject();
            },
            QStringLiteral("Add Server"));
        {
            ModalDriver<SourceDialog> driver(
                [](SourceDialog* d) {
                    MessageBox::queueAnswer(QMessageBox::Yes);
                    buttonWithText(d, QStringLiteral("Delete Server"))->click();
                },
                QStringLiteral("Edit Server"));
            w.editSource();
        }
        QTRY_VERIFY(w.lib()->library->favorites(id, MediaItem::Movie).isEmpty());
        QTRY_VERIFY(!QFile::exists(GuideService::storePath(id)));
        QTRY_COMPARE(addDialogs, 1);
    }

    void positionSavedAndResumed()
    {
        const MediaItem movie = catalog().movies.at(1);
        {
            auto window = openWindow();
            QVERIFY(window);
            MainWindowTestAccess w(*window);
            w.playMediaItem(movie);
            w.onPositionChanged(95000, 600000);
            // Not yet ten seconds: nothing written.
            QCOMPARE(Library(Library::defaultPath()).watchState(serverKey(), movie).positionMs,
                     qint64(0));
            Clock::advanceFake(10000);
            w.onPositionChanged(105000, 600000);
            QCOMPARE(Library(Library::defaultPath()).watchState(serverKey(), movie).positionMs,
                     qint64(105000));
            Clock::advanceFake(4000);
            w.onPositionChanged(109000, 600000);
            // Closing the window keeps the last position.
        }
        QCOMPARE(Library(Library::defaultPath()).watchState(serverKey(), movie).positionMs,
                 qint64(109000));

        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        w.tabs()->setCurrentIndex(w.movieTabIndex());
        w.selectMovieCategory(
            categoryNamed(w.movieCategoryList(), QStringLiteral("Continue Watching")));
        QCOMPARE(gridTexts(w.movieGrid()), (QStringList{"Beta"}));
        w.selectMovieCategory(w.movieCategoryList()->item(0));
        QCOMPARE(w.movieGrid()->item(1)->data(PosterMarkDelegate::kProgressRole).toInt(), 18);

        w.playMovieRow(1);
        QVERIFY(w.lib()->resumeNotice->isHidden());
        w.onPositionChanged(0, 600000); // the length is known: the player seeks
        QVERIFY(!w.lib()->resumeNotice->isHidden());
        QCOMPARE(w.lib()->resumeLabel->text(), QStringLiteral("Resumed at 01:49"));
        // A report from before the seek landed is not the user's position.
        w.libraryEndViewing();
        QCOMPARE(Library(Library::defaultPath()).watchState(serverKey(), movie).positionMs,
                 qint64(109000));

        // Watched to the end: off "Continue Watching", with a check mark.
        w.playMovieRow(1);
        w.onPositionChanged(0, 600000);
        Clock::advanceFake(5000);
        w.onPositionChanged(590000, 600000);
        w.libraryEndViewing();
        QCOMPARE(w.movieGrid()->item(1)->data(PosterMarkDelegate::kWatchedRole).toBool(), true);
        QCOMPARE(w.movieGrid()->item(1)->data(PosterMarkDelegate::kProgressRole).toInt(), 0);
        w.selectMovieCategory(
            categoryNamed(w.movieCategoryList(), QStringLiteral("Continue Watching")));
        QCOMPARE(gridTexts(w.movieGrid()), QStringList());
    }

    void seriesGoesOnWithTheNextEpisode()
    {
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        w.tabs()->setCurrentIndex(w.seriesTabIndex());
        w.selectSeriesCategory(w.seriesCategoryList()->item(0));
        w.openSeriesRow(0);
        QTRY_VERIFY(w.episodeTree()->topLevelItemCount() == 1);
        w.playEpisodeTreeItem(w.episodeTree()->topLevelItem(0)->child(0));
        w.onPositionChanged(0, 600000);
        Clock::advanceFake(5000);
        w.onPositionChanged(599000, 600000); // the end of part 1
        w.libraryEndViewing();

        w.seriesStack()->setCurrentIndex(1);
        w.selectSeriesCategory(
            categoryNamed(w.seriesCategoryList(), QStringLiteral("Continue Watching")));
        QCOMPARE(gridTexts(w.seriesGrid()), QStringList{"Show A"});
        QVERIFY(w.seriesGrid()->item(0)->data(PosterMarkDelegate::kStartedRole).toBool());
        QVERIFY(!w.seriesGrid()->item(0)->data(PosterMarkDelegate::kWatchedRole).toBool());
        w.openSeriesRow(0);
        QTRY_COMPARE(w.currentTitle(), QStringLiteral("Show A - S01E02 - Part 2"));
        QTreeWidgetItem* season = w.episodeTree()->topLevelItem(0);
        QVERIFY(season->child(0)->text(0).startsWith(QStringLiteral("\u2713 ")));
        QCOMPARE(season->child(0)->toolTip(0), QStringLiteral("Watched"));
        QVERIFY(!season->child(1)->text(0).startsWith(QStringLiteral("\u2713")));
    }

    void previousChannelAndRecent()
    {
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        w.playLiveRow(0); // BBC News
        w.playLiveRow(3); // Weather
        QTest::keyClick(w.playerPanel(), Qt::Key_Backspace);
        QCOMPARE(w.currentTitle(), QStringLiteral("BBC News"));
        QTest::keyClick(w.playerPanel(), Qt::Key_Backspace);
        QCOMPARE(w.currentTitle(), QStringLiteral("Weather"));
        w.selectLiveCategory(categoryNamed(w.liveCategoryList(), QStringLiteral("Recent")));
        QCOMPARE(w.liveTable()->rowCount(), 2);
        QCOMPARE(w.liveTable()->item(0, 0)->text(), QStringLiteral("Weather"));
    }

    void searchEverything()
    {
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        auto* dialog = window->findChild<QDialog*>(QStringLiteral("searchEverythingDialog"));
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isVisible());
        auto* edit = dialog->findChild<QLineEdit*>();
        auto* results = dialog->findChild<QTreeWidget*>();
        QTest::keyClicks(edit, QStringLiteral("news"));
        // Grouped by kind, each in the tabs' relevance order.
        QCOMPARE(results->topLevelItemCount(), 2);
        QCOMPARE(results->topLevelItem(0)->text(0), QStringLiteral("Channels (3)"));
        QCOMPARE(results->topLevelItem(0)->child(0)->text(0), QStringLiteral("News"));
        QCOMPARE(results->topLevelItem(0)->child(2)->text(0), QStringLiteral("BBC News"));
        QCOMPARE(results->topLevelItem(1)->text(0), QStringLiteral("Movies (1)"));
        // Down past the group header to the movie, then Return plays it.
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(edit, Qt::Key_Down);
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(w.currentTitle(), QStringLiteral("Gamma news"));
    }

    void damagedLibraryReportedOnce()
    {
        QDir().mkpath(profile->appDataDir());
        QFile file(profile->appDataDir() + QStringLiteral("/library.db"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("no database here\n").repeated(100));
        file.close();
        MessageBox::queueAnswer(QMessageBox::Ok);
        {
            auto window = openWindow();
            QVERIFY(window);
            QTest::qWait(100);
            const QList<MessageBox::Shown> shown = MessageBox::takeShown();
            QCOMPARE(shown.size(), 1);
            QVERIFY(shown[0].text.startsWith(QStringLiteral("Your library")));
        }
        MessageBox::queueAnswer(QMessageBox::Ok);
        auto window = openWindow();
        QVERIFY(window);
        QTest::qWait(50);
        QCOMPARE(MessageBox::takeShown().size(), 0);
        QCOMPARE(
            QDir(profile->appDataDir()).entryList({QStringLiteral("library.db.damaged-*")}).size(),
            1);
    }
};

VELMORA_TEST_MAIN(TestLibraryWindow)
#include "tst_librarywindow.moc"
