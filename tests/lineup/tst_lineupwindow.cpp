// The lineup in the real window against a loopback Xtream server: hiding with H, renaming with
// F2, dragging categories into order, all kept across a refresh that renames and moves items and
// in a new window; the parental lock keeping locked content out of lists, search, the guide grid
// and "Recent" until the PIN is given, with the wait after five wrong ones; and the guide
// channel search binding a channel.
#include "app/clock.h"
#include "app/messagebox.h"
#include "guide/guidegrid.h"
#include "guide/guidegriddata.h"
#include "guide/guidegridtab.h"
#include "guide/guideservice.h"
#include "guide/guidestorewriter.h"
#include "guide/guidetext.h"
#include "library/library.h"
#include "lineup/guidechanneldialog.h"
#include "lineup/lineupflow.h"
#include "lineup/managelineupdialog.h"
#include "lineup/parentallock.h"
#include "lineup/parentallockpage.h"
#include "lineup/pindialog.h"
#include "mainwindowtestaccess.h"
#include "modaldriver.h"
#include "multiview/channelmime.h"
#include "player/vlcplayer.h"
#include "sources/sourcemanager.h"
#include "tempprofile.h"
#include "testmain.h"
#include "ui/catalogconstants.h"
#include "ui/librarycategories.h"
#include "xtreamfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

namespace {

MediaItem live(const QString& id, const QString& name, const QString& category)
{
    MediaItem m;
    m.type = MediaItem::Live;
    m.id = id;
    m.name = name;
    m.categoryId = category;
    return m;
}

XtreamFixture::Catalog catalog()
{
    XtreamFixture::Catalog c;
    c.liveCategories = {{"1", "UK News"}, {"2", "DE Sport"}, {"3", "XXX Night"}};
    c.vodCategories = {{"10", "Drama"}};
    c.seriesCategories = {{"20", "Crime"}};
    c.live = {live("101", "BBC One", "1"), live("102", "Sky News", "1"), live("201", "Sport1", "2"),
              live("301", "Night Show", "3")};
    MediaItem movie = live("501", "Alpha", "10");
    movie.type = MediaItem::Movie;
    movie.containerExtension = "mp4";
    c.movies = {movie};
    return c;
}

QStringList texts(QListWidget* list)
{
    QStringList out;
    for (int row = 0; row < list->count(); ++row)
        out << list->item(row)->text();
    return out;
}

QStringList names(const QList<MediaItem>& items)
{
    QStringList out;
    for (const MediaItem& m : items)
        out << m.name;
    return out;
}

QListWidgetItem* named(QListWidget* list, const QString& name)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == name)
            return list->item(row);
    }
    return nullptr;
}

int rowOf(QListWidget* list, const QString& name)
{
    QListWidgetItem* item = named(list, name);
    return item ? list->row(item) : -1;
}
} // namespace

// What the library and the guide keep server "A" under.
static QString serverKey()
{
    return SourceManager().sources().value(0).storageKey();
}

class TestLineupWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProfile> profile;
    XtreamFixture xtream;

    std::unique_ptr<MainWindow> openWindow()
    {
        auto window = std::make_unique<MainWindow>();
        MainWindowTestAccess w(*window);
        QObject::disconnect(w.player(), nullptr, window.get(), nullptr);
        if (!QTest::qWaitFor([&]() { return w.pendingFetchSteps() == 0; }, 10000))
            return nullptr;
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            return nullptr;
        QCoreApplication::processEvents();
        return window;
    }

    // What the TV Guide grid after Live TV lists.
    static QStringList gridNames(MainWindow& window)
    {
        for (GuideGridTab* tab : window.findChildren<GuideGridTab*>()) {
            tab->reload();
            if (!tab->grid()->channels().isEmpty())
                return names(tab->grid()->channels());
        }
        return {};
    }

    static void openCategory(MainWindowTestAccess& w, const QString& name)
    {
        w.tabs()->setCurrentIndex(w.liveTabIndex());
        w.liveStack()->setCurrentIndex(0);
        w.selectLiveCategory(named(w.liveCategoryList(), name));
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

    void hideRenameAndReorder()
    {
        MessageBox::queueAnswer(QMessageBox::No); // no locks for "XXX Night"
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        QListWidget* categories = w.liveCategoryList();
        QTRY_COMPARE(MessageBox::queuedAnswers(), 0);
        QCOMPARE(MessageBox::takeShown().size(), 1);

        // H on a category hides it: gone from the list, the channels and search.
        categories->setFocus();
        categories->setCurrentItem(named(categories, "DE Sport"));
        QTest::keyClick(categories, Qt::Key_H);
        QVERIFY(!named(categories, "DE Sport"));
        QVERIFY(!names(w.liveItems()).contains("Sport1"));
        w.liveSearchAllEdit()->setText("Sport");
        QVERIFY(w.liveShown().isEmpty());
        w.liveSearchAllEdit()->clear();

        // H in the table hides a channel, F2 renames one; its favorite stays.
        openCategory(w, "UK News");
        QTableWidget* table = w.liveTable();
        QCOMPARE(names(w.liveShown()), (QStringList{"BBC One", "Sky News"}));
        table->setFocus();
        table->setCurrentCell(0, 0);
        QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
        table->setCurrentCell(1, 0);
        QTest::keyClick(table, Qt::Key_H);
        QCOMPARE(names(w.liveShown()), (QStringList{"BBC One"}));
        table->setCurrentCell(0, 0);
        ModalDriver<QInputDialog> rename([](QInputDialog* dialog) {
            dialog->setTextValue("My BBC");
            dialog->accept();
        });
        QTest::keyClick(table, Qt::Key_F2);
        QCOMPARE(rename.handled(), 1);
        QCOMPARE(names(w.liveShown()), (QStringList{"My BBC"}));
        QVERIFY(table->item(0, 0)->toolTip().contains("BBC One"));
        QCOMPARE(gridNames(*window), (QStringList{"My BBC"}));

        // Dragging "XXX Night" to the top of the server's categories.
        categories = w.liveCategoryList();
        const int from = rowOf(categories, "XXX Night");
        const int to = rowOf(categories, "UK News");
        QVERIFY(categories->model()->moveRow(QModelIndex(), from, QModelIndex(), to));
        QTRY_COMPARE(w.lineupFlow()
                         ->lineup()
                         .entry(LineupEntry::CategoryEntry, MediaItem::Live, "3")
                         .position,
                     0);
        QVERIFY(rowOf(w.liveCategoryList(), "XXX Night") < rowOf(w.liveCategoryList(), "UK News"));

        // The provider renames BBC One and moves Sky News to the hidden category: every
        // choice holds.
        XtreamFixture::Catalog changed = catalog();
        changed.live[0].name = "BBC One HD";
        changed.live[1].categoryId = "2";
        changed.liveCategories[0].name = "United Kingdom News";
        xtream.setCatalog(changed);
        w.refreshActiveSource();
        QTRY_COMPARE_WITH_TIMEOUT(w.pendingFetchSteps(), 0, 10000);
        QCOMPARE(names(w.liveItems()), (QStringList{"Night Show", "My BBC"}));
        // The library's entries come first, under "All Categories".
        QCOMPARE(texts(w.liveCategoryList()), (QStringList{"All Categories", "Favorites", "Recent",
                                                           "XXX Night", "United Kingdom News"}));

        // A new window reads the same lineup; the renamed channel is still a favorite.
        window.reset();
        window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess again(*window);
        QCOMPARE(names(again.liveItems()), (QStringList{"Night Show", "My BBC"}));
        openCategory(again, "Favorites");
        QCOMPARE(again.liveShown().size(), 1);
        QCOMPARE(again.liveShown().first().id, QStringLiteral("101"));
        QCOMPARE(MessageBox::takeShown().size(), 0);
    }

    void parentalLock()
    {
        QVERIFY(ParentalLock::setPin("1234").isEmpty());
        {
            // Watched before the lock: "Recent" must not show it while locked.
            Library library;
            QVERIFY(library.noteChannelWatched(serverKey(), live("301", "Night Show", "3")));
            QVERIFY(library.noteChannelWatched(serverKey(), live("102", "Sky News", "1")));
        }
        MessageBox::queueAnswer(QMessageBox::Yes); // lock "XXX Night" as offered
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        QTRY_VERIFY(w.lineupFlow()->lineup().isLockedCategory(MediaItem::Live, "3"));
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown.first().text.contains("XXX Night"));

        QVERIFY(!named(w.liveCategoryList(), "XXX Night")->icon().isNull());
        QVERIFY(!names(w.liveItems()).contains("Night Show"));
        w.tabs()->setCurrentIndex(w.liveTabIndex());
        w.liveSearchAllEdit()->setText("Night");
        QVERIFY(w.liveShown().isEmpty());
        w.liveSearchAllEdit()->clear();
        QVERIFY(!gridNames(*window).contains("Night Show"));
        openCategory(w, "Recent");
        QCOMPARE(names(w.liveShown()), (QStringList{"Sky News"}));

        // Opening the category asks; five wrong PINs wait a minute, then the right one opens it.
        QString waitText;
        ModalDriver<PinDialog> pin([&](PinDialog* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>("pinEdit");
            for (int i = 0; i < ParentalLock::kMaxWrongTries; ++i) {
                edit->setText("0000");
                dialog->accept();
            }
            edit->setText("1234");
            dialog->accept(); // not even checked
            waitText = dialog->findChild<QLabel*>("pinMessage")->text();
            Clock::advanceFake(ParentalLock::kWaitMs);
            edit->setText("1234");
            dialog->accept();
        });
        openCategory(w, "XXX Night");
        QTRY_COMPARE(pin.handled(), 1);
        QVERIFY2(waitText.contains("60"), qPrintable(waitText));
        QTRY_COMPARE(names(w.liveShown()), (QStringList{"Night Show"}));
        QCOMPARE(w.liveStack()->currentIndex(), 1);

        // One channel locked by itself: listed in its category with a lock, never in search or
        // the grid, and it asks before playing.
        openCategory(w, "UK News");
        MediaItem bbc = w.liveShown().first();
        w.lineupFlow()->toggleItemLock(bbc);
        w.lineupFlow()->relock();
        openCategory(w, "UK News");
        QCOMPARE(names(w.liveShown()), (QStringList{"Sky News", "BBC One"}));
        QVERIFY(!w.liveTable()->item(1, 0)->icon().isNull());
        QVERIFY(!gridNames(*window).contains("BBC One"));
        w.liveSearchAllEdit()->setText("BBC");
        QVERIFY(w.liveShown().isEmpty());
        w.liveSearchAllEdit()->clear();
        ModalDriver<PinDialog> refuse([](PinDialog* dialog) { dialog->reject(); });
        w.playMediaItem(bbc);
        QCOMPARE(refuse.handled(), 1);
        QVERIFY(w.currentUrl().isEmpty());
        QCOMPARE(MessageBox::takeShown().size(), 0);
    }

    // "Hide everything but UK and DE": filter, Hide All, filter, Show All (twice); hidden
    // channels come back from the list of hidden ones. Nothing changes before OK.
    void manageLineup()
    {
        MessageBox::queueAnswer(QMessageBox::No);
        XtreamFixture::Catalog wide = catalog();
        wide.liveCategories.append({{"4", "FR Cinema"}, {"5", "UK Sport"}});
        wide.live.append(live("401", "Canal", "4"));
        xtream.setCatalog(wide);
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        openCategory(w, "UK News");
        w.lineupFlow()->hideItem(w.liveShown().at(1)); // Sky News

        ModalDriver<ManageLineupDialog> manage([](ManageLineupDialog* dialog) {
            dialog->filterEdit->setText("");
            dialog->hideAllButton->click();
            dialog->filterEdit->setText("uk");
            dialog->showAllButton->click();
            dialog->filterEdit->setText("de ");
            dialog->showAllButton->click();
            dialog->filterEdit->clear();
            dialog->hiddenList->selectAll();
            QCOMPARE(dialog->hiddenList->count(), 1);
            dialog->showAgainButton->click();
            QCOMPARE(dialog->hiddenList->count(), 0);
            dialog->accept();
        });
        w.lineupFlow()->openManageLineup();
        QCOMPARE(manage.handled(), 1);
        QStringList shownCategories;
        for (const Category& c : w.liveCategories())
            shownCategories << c.name;
        QCOMPARE(shownCategories, (QStringList{"UK News", "DE Sport", "UK Sport"}));
        QCOMPARE(names(w.liveItems()), (QStringList{"BBC One", "Sky News", "Sport1"}));

        ModalDriver<ManageLineupDialog> cancel([](ManageLineupDialog* dialog) {
            dialog->showAllButton->click();
            dialog->reject();
        });
        w.lineupFlow()->openManageLineup();
        QCOMPARE(cancel.handled(), 1);
        QCOMPARE(w.liveCategories().size(), 3);
        QCOMPARE(MessageBox::takeShown().size(), 1);
    }

    // In "Favorites" a favorite moves up with Ctrl+Up or by a drag of its row (the drag the
    // table starts for multi-view tiles, dropped on a row or below the last); the order is the
    // library's, for good.
    void favoritesOrder_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Ctrl+Up") << "key";
        QTest::newRow("drag onto the first row") << "onto first";
        QTest::newRow("drag the first below the last") << "below last";
    }
    void favoritesOrder()
    {
        QFETCH(QString, how);
        MessageBox::queueAnswer(QMessageBox::No);
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        openCategory(w, "UK News");
        for (int row : {0, 1}) {
            w.liveTable()->setCurrentCell(row, 0);
            QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
            Clock::advanceFake(1000);
        }
        openCategory(w, "Favorites");
        QCOMPARE(names(w.liveShown()), (QStringList{"Sky News", "BBC One"}));
        QTableWidget* table = w.liveTable();
        table->setFocus();
        if (how == "key") {
            table->setCurrentCell(1, 0);
            QTest::keyClick(table, Qt::Key_Up, Qt::ControlModifier);
            QCOMPARE(names(w.liveShown()), (QStringList{"BBC One", "Sky News"}));
            QCOMPARE(table->currentRow(), 0);
            QTest::keyClick(table, Qt::Key_Up, Qt::ControlModifier); // already first
        } else {
            // What the table's drag carries, entering, moving over and dropped on the rows.
            const bool first = how == "onto first";
            const MediaItem dragged = w.liveShown().at(first ? 1 : 0);
            const std::unique_ptr<QMimeData> data(channelmime::mimeData({"A", dragged}));
            QWidget* viewport = table->viewport();
            const QRect firstRow = table->visualRect(table->model()->index(0, 0));
            const QRect lastRow = table->visualRect(table->model()->index(1, 0));
            const QPoint start = (first ? lastRow : firstRow).center();
            const QPoint end =
                first ? firstRow.center() : QPoint(lastRow.center().x(), lastRow.bottom() + 20);
            QVERIFY(end.y() < viewport->height());
            QDragEnterEvent enter(start, Qt::CopyAction, data.get(), Qt::LeftButton,
                                  Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &enter);
            QVERIFY(enter.isAccepted());
            QDragMoveEvent move(end, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &move);
            QVERIFY(move.isAccepted());
            QDropEvent drop(QPointF(end), Qt::CopyAction, data.get(), Qt::LeftButton,
                            Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &drop);
            QVERIFY(drop.isAccepted());
            QCOMPARE(drop.dropAction(), Qt::CopyAction); // the source keeps its rows
            QCOMPARE(names(w.liveShown()), (QStringList{"BBC One", "Sky News"}));
            // The moved favorite stays current; outside "Favorites" a drop is no move.
            QCOMPARE(table->currentRow(), first ? 0 : 1);
            openCategory(w, "UK News");
            QDropEvent elsewhere(QPointF(end), Qt::CopyAction, data.get(), Qt::LeftButton,
                                 Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &elsewhere);
            QVERIFY(!elsewhere.isAccepted());
            openCategory(w, "Favorites");
        }
        QCOMPARE(names(w.liveShown()), (QStringList{"BBC One", "Sky News"}));

        window.reset();
        window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess again(*window);
        openCategory(again, "Favorites");
        QCOMPARE(names(again.liveShown()), (QStringList{"BBC One", "Sky News"}));
    }

    // "Provider Order" follows the categories as the user dragged them, the provider's order
    // within each; "Name (A-Z)" sorts; a search keeps its relevance first in both.
    void providerOrder_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("sort");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("provider order")
            << "" << 0 << QStringList{"Sport1", "BBC One", "Sky News", "Night Show"};
        QTest::newRow("by name") << "" << 1
                                 << QStringList{"BBC One", "Night Show", "Sky News", "Sport1"};
        QTest::newRow("search, provider order")
            << "s" << 0 << QStringList{"Sport1", "Sky News", "Night Show"};
        QTest::newRow("search, by name")
            << "s" << 1 << QStringList{"Sky News", "Sport1", "Night Show"};
    }
    void providerOrder()
    {
        QFETCH(QString, query);
        QFETCH(int, sort);
        QFETCH(QStringList, expected);
        MessageBox::queueAnswer(QMessageBox::No);
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        QListWidget* categories = w.liveCategoryList();
        QVERIFY(categories->model()->moveRow(QModelIndex(), rowOf(categories, "DE Sport"),
                                             QModelIndex(), rowOf(categories, "UK News")));
        QTRY_COMPARE(w.lineupFlow()
                         ->lineup()
                         .entry(LineupEntry::CategoryEntry, MediaItem::Live, "2")
                         .position,
                     0);
        openCategory(w, "All Categories");
        w.liveSortBox()->setCurrentIndex(sort);
        w.liveSearchEdit()->setText(query);
        QCOMPARE(names(w.liveShown()), expected);
        // The table shows the rows in that order.
        QCOMPARE(w.liveTable()->item(0, 0)->text(), expected.first());
        // A category alone: the provider's order within it.
        w.liveSearchEdit()->clear();
        openCategory(w, "UK News");
        QCOMPARE(names(w.liveShown()), (QStringList{"BBC One", "Sky News"}));
    }

    // The preferences page sets the PIN as a digest, changes it only with the old one (wrong
    // ones count towards the wait) and removes it.
    void pinPreferences()
    {
        ParentalLock lock;
        const auto fill = [](ParentalLockPage& page, const QString& old, const QString& pin,
                             const QString& repeat) {
            page.findChild<QLineEdit*>("oldPin")->setText(old);
            page.findChild<QLineEdit*>("newPin")->setText(pin);
            page.findChild<QLineEdit*>("repeatPin")->setText(repeat);
        };
        {
            ParentalLockPage page(lock);
            fill(page, {}, "12345", "12354");
            QVERIFY(page.apply().contains("differ"));
            fill(page, {}, "12", "12");
            QVERIFY(page.apply().contains("4 to 8 digits"));
            fill(page, {}, "12345", "12345");
            QCOMPARE(page.apply(), QString());
        }
        const QString digest = ParentalLock::storedDigest();
        QVERIFY(ParentalLock::matches("12345", digest));
        QVERIFY(!digest.contains("12345"));
        {
            ParentalLockPage page(lock);
            for (int i = 0; i < ParentalLock::kMaxWrongTries; ++i) {
                fill(page, "99999", "5555", "5555");
                QVERIFY(page.apply().contains("not right"));
            }
            fill(page, "12345", "5555", "5555");
            QVERIFY(page.apply().contains("Try again"));
            Clock::advanceFake(ParentalLock::kWaitMs);
            QCOMPARE(page.apply(), QString());
        }
        QVERIFY(ParentalLock::matches("5555", ParentalLock::storedDigest()));
        {
            ParentalLockPage page(lock);
            fill(page, "5555", {}, {});
            page.findChild<QCheckBox*>("removePin")->setChecked(true);
            QCOMPARE(page.apply(), QString());
        }
        QVERIFY(ParentalLock::storedDigest().isEmpty());
    }

    // A channel's guide shifted in 15-minute steps: the programme list, "Now", the tooltip and
    // the TV Guide grid show the shifted times (the store keeps the guide's own).
    void guideShift_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("running");
        QTest::newRow("none") << 0 << "Evening Headlines";
        QTest::newRow("half an hour later") << 30 << "Before";
        QTest::newRow("an hour earlier") << -60 << "After";
    }
    void guideShift()
    {
        QFETCH(int, minutes);
        QFETCH(QString, running);
        MessageBox::queueAnswer(QMessageBox::No);
        const qint64 now = Clock::epochSecs();
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        // The window's own guide update has ended (the fixture has none) before ours is written.
        QTRY_VERIFY(!w.lineupFlow()->guide()->statusText().isEmpty() &&
                    !w.lineupFlow()->guide()->isImporting());
        const QList<GuideProgramme> programmes{
            {now - 70 * 60, now - 10 * 60, "Before", {}, false},
            {now - 10 * 60, now + 10 * 60, "Evening Headlines", {}, false},
            {now + 10 * 60, now + 70 * 60, "After", {}, false}};
        {
            GuideStoreWriter writer(GuideService::storePath(serverKey()));
            QVERIFY(writer.begin());
            writer.addChannel(1, "skynews.uk", {"Sky News UK"});
            for (const GuideProgramme& p : programmes)
                writer.addProgramme(1, p);
            QVERIFY(writer.commit({{"importedAt", QString::number(now)}}));
        }
        // The load opens the written guide; the server has none to replace it with.
        w.refreshActiveSource();
        QTRY_COMPARE_WITH_TIMEOUT(w.pendingFetchSteps(), 0, 10000);
        QTRY_VERIFY(!w.lineupFlow()->guide()->isImporting());

        openCategory(w, "UK News");
        LineupEntry bind = w.lineupFlow()->itemEntry(w.liveShown().at(1));
        bind.guideId = "skynews.uk";
        bind.shiftMinutes = minutes;
        QVERIFY(w.lineupFlow()->change({bind}));
        const MediaItem sky = w.liveShown().at(1);
        QCOMPARE(sky.guideId, QStringLiteral("skynews.uk"));

        GuideProgramme expected;
        for (const GuideProgramme& p : programmes) {
            if (p.title == running)
                expected = p;
        }
        expected.start += minutes * 60;
        expected.stop += minutes * 60;
        GuideService* guide = w.lineupFlow()->guide();
        QTRY_COMPARE(guide->nowNext(sky).now.title, running);
        QCOMPARE(guide->nowNext(sky).now.start, expected.start);
        QVERIFY(
            GuideText::tooltip(guide->nowAndNext(sky)).contains(GuideText::clock(expected.stop)));

        // The programme list of the chosen channel.
        auto* list = window->findChild<QTreeWidget*>(QStringLiteral("guideProgrammes"));
        QVERIFY(list);
        w.liveTable()->setCurrentCell(1, 0);
        QTRY_VERIFY(list->currentItem() && list->currentItem()->text(1) == running);
        QCOMPARE(list->currentItem()->text(0), GuideText::span(expected));

        // The grid's row of the channel.
        GuideGridTab* gridTab = nullptr;
        for (GuideGridTab* tab : window->findChildren<GuideGridTab*>()) {
            if (w.tabs()->isTabVisible(w.tabs()->indexOf(tab)))
                gridTab = tab;
        }
        QVERIFY(gridTab);
        w.tabs()->setCurrentWidget(gridTab);
        gridTab->reload();
        const int row = int(names(gridTab->grid()->channels()).indexOf("Sky News"));
        QVERIFY(row >= 0);
        gridTab->grid()->showTime(now - 3600);
        QStringList gridShows;
        QTRY_VERIFY([&]() {
            gridShows.clear();
            for (const GuideProgramme& p :
                 gridTab->grid()->data()->programmes(row, now - 1800, now + 1800))
                gridShows << QStringLiteral("%1@%2").arg(p.title).arg((p.start - now) / 60);
            return gridShows.contains(
                QStringLiteral("%1@%2").arg(running).arg((expected.start - now) / 60));
        }());
    }

    // Lists from a size on are shaped on a worker: the window gets what shaping on its own
    // thread gave, a change while one is on its way wins, and a result overtaken by a newer
    // load never arrives.
    void shapingOnWorker()
    {
        MessageBox::queueAnswer(QMessageBox::No);
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        LineupFlow* flow = w.lineupFlow();
        LineupEntry rename = flow->itemEntry(w.liveItems().at(0));
        rename.name = "My BBC";
        QVERIFY(flow->change({rename}));
        flow->hideCategory(MediaItem::Live, "2");
        QVERIFY(flow->orderCategories(MediaItem::Live, {"3", "1"}));
        const auto fields = [](const QList<MediaItem>& items) {
            QStringList out;
            for (const MediaItem& m : items)
                out << QStringList{m.id, m.name, m.categoryId, m.guideId, m.guideName}.join('|');
            return out;
        };
        const QStringList onWindowThread = fields(w.liveItems());
        QCOMPARE(names(w.liveItems()), (QStringList{"Night Show", "My BBC", "Sky News"}));

        flow->setShapeOnWorkerFrom(0);
        w.refreshActiveSource();
        QTRY_COMPARE_WITH_TIMEOUT(w.pendingFetchSteps(), 0, 10000);
        QTRY_VERIFY(!flow->isShaping());
        QCOMPARE(fields(w.liveItems()), onWindowThread);

        // A change on the worker, another before it is back: the second one shows.
        flow->hideCategory(MediaItem::Live, "3");
        flow->hideItem(flow->providerItems(MediaItem::Live).at(1)); // Sky News
        QTRY_VERIFY(!flow->isShaping());
        QCOMPARE(names(w.liveItems()), (QStringList{"My BBC"}));
        QCOMPARE(gridNames(*window), (QStringList{"My BBC"}));

        // Two loads of the section: only the newer one's list arrives.
        const QList<MediaItem> provided = flow->providerItems(MediaItem::Live);
        int older = 0;
        QList<MediaItem> newer;
        flow->shapeItems(kLiveSection, provided, [&](const QList<MediaItem>&) { ++older; });
        flow->shapeItems(kLiveSection, provided.mid(0, 2),
                         [&](const QList<MediaItem>& items) { newer = items; });
        QTRY_VERIFY(!flow->isShaping());
        QCoreApplication::processEvents(); // anything a worker posted is in by now
        QCOMPARE(older, 0);
        QCOMPARE(names(newer), (QStringList{"My BBC"}));
    }

    void guideChannelSearch()
    {
        MessageBox::queueAnswer(QMessageBox::No);
        const qint64 now = Clock::epochSecs();
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        // Written once the window's own guide update has run and ended (the fixture has no guide:
        // its status stays), not merely before it began, so that one cannot replace it.
        QTRY_COMPARE(w.pendingFetchSteps(), 0);
        QTRY_VERIFY(!w.lineupFlow()->guide()->statusText().isEmpty() &&
                    !w.lineupFlow()->guide()->isImporting());
        {
            GuideStoreWriter writer(GuideService::storePath(serverKey()));
            QVERIFY(writer.begin());
            writer.addChannel(1, "bbc1.uk", {"BBC One", "BBC 1"});
            writer.addChannel(2, "skynews.uk", {"Sky News UK"});
            writer.addProgramme(
                2, GuideProgramme{now - 600, now + 600, "Evening Headlines", {}, false});
            QVERIFY(writer.commit({{"importedAt", QString::number(now)}}));
        }

        // Channels without a guide id find none; for "Sky News" Manage Lineup suggests the
        // guide's "Sky News UK", with what runs on it now.
        QStringList without;
        QString suggested;
        ModalDriver<ManageLineupDialog> manage([&](ManageLineupDialog* dialog) {
            for (int row = 0; row < dialog->noGuideList->count(); ++row)
                without << dialog->noGuideList->item(row)->text();
            dialog->noGuideList->setCurrentItem(
                dialog->noGuideList->findItems("Sky News", Qt::MatchExactly).value(0));
            suggested = dialog->suggestionList->currentItem()
                            ? dialog->suggestionList->currentItem()->text()
                            : QString();
            dialog->reject(); // nothing bound
        });
        w.lineupFlow()->openManageLineup();
        QCOMPARE(manage.handled(), 1);
        QVERIFY(without.contains("Sky News"));
        QVERIFY2(suggested.contains("skynews.uk") && suggested.contains("Evening Headlines"),
                 qPrintable(suggested));
        QVERIFY(w.liveItems().at(1).guideId.isEmpty());

        openCategory(w, "UK News");
        const MediaItem sky = w.liveShown().at(1);
        QString nowColumn;
        ModalDriver<GuideChannelDialog> choose([&](GuideChannelDialog* dialog) {
            QTest::keyClicks(dialog->searchEdit, "sky");
            nowColumn =
                dialog->list->currentItem() ? dialog->list->currentItem()->text(2) : QString();
            dialog->findChild<QSpinBox*>("guideShift")->setValue(45);
            dialog->accept();
        });
        w.lineupFlow()->openGuideChannel(sky);
        QCOMPARE(choose.handled(), 1);
        QCOMPARE(nowColumn, QStringLiteral("Evening Headlines"));
        QCOMPARE(w.liveItems().at(1).guideId, QStringLiteral("skynews.uk"));
        const LineupEntry bound =
            w.lineupFlow()->lineup().entry(LineupEntry::ItemEntry, MediaItem::Live, "102");
        QCOMPARE(bound.shiftMinutes, 45);

        // Kept across a refresh that renames the channel.
        XtreamFixture::Catalog changed = catalog();
        changed.live[1].name = "Sky News HD";
        xtream.setCatalog(changed);
        w.refreshActiveSource();
        QTRY_COMPARE_WITH_TIMEOUT(w.pendingFetchSteps(), 0, 10000);
        QCOMPARE(w.liveItems().at(1).guideId, QStringLiteral("skynews.uk"));

        // Guide addresses in the user's order: a local file before the server's own guide.
        const QString file = profile->root() + QStringLiteral("/extra.xml");
        QVERIFY(w.lineupFlow()->setGuideSources({file, QStringLiteral("server:")}));
        const QList<QUrl> urls = w.lineupFlow()->guide()->guideUrls();
        QCOMPARE(urls.size(), 2);
        QCOMPARE(urls[0], QUrl::fromLocalFile(file));
        QVERIFY(urls[1].path().endsWith(QStringLiteral("xmltv.php")));
        window.reset();
        window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess again(*window);
        QCOMPARE(again.lineupFlow()->guide()->guideUrls().value(0), QUrl::fromLocalFile(file));
    }
};

VELMORA_TEST_MAIN(TestLineupWindow)
#include "tst_lineupwindow.moc"
