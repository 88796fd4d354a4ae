#include "mainwindowtestaccess.h"
#include "player/vlcplayer.h"
#include "sources/sourcemanager.h"
#include "tempprofile.h"
#include "testhelpers.h"
#include "testmain.h"
#include "ui/catalogconstants.h"
#include "ui/catalogfilter.h"
#include "ui/catalogtab.h"
#include "ui/catalogtabs.h"
#include "widgethelpers.h"
#include "xtreamfixture.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {
MediaItem item(int type, const QString& id, const QString& name, const QString& categoryId,
               qint64 addedAt = 0, double rating = 0)
{
    MediaItem m;
    m.type = type;
    m.id = id;
    m.name = name;
    m.categoryId = categoryId;
    m.addedAt = addedAt;
    m.rating = rating;
    m.containerExtension = QStringLiteral("mp4");
    return m;
}

// Names chosen so that relevance tiers and the sort keys give different orders.
XtreamFixture::Catalog tabsCatalog()
{
    XtreamFixture::Catalog c;
    c.liveCategories = {{QStringLiteral("1"), QStringLiteral("News")},
                        {QStringLiteral("2"), QStringLiteral("Sport")}};
    c.vodCategories = {{QStringLiteral("10"), QStringLiteral("Drama")},
                       {QStringLiteral("11"), QStringLiteral("Comedy")}};
    c.seriesCategories = {{QStringLiteral("20"), QStringLiteral("Crime")}};
    const int live = MediaItem::Live;
    c.live = {item(live, "101", "BBC News", "1"),  item(live, "102", "Newsmax", "1"),
              item(live, "103", "News", "2"),      item(live, "104", "Channelnews HD", "2"),
              item(live, "105", "Sport One", "2"), item(live, "106", "Weather", "1")};
    const int movie = MediaItem::Movie;
    c.movies = {item(movie, "201", "Zeta News", "10", 300, 5.0),
                item(movie, "202", "news b", "10", 350, 9.0),
                item(movie, "203", "News a", "11", 200, 6.0),
                item(movie, "204", "Channelnews", "11", 400, 8.0),
                item(movie, "205", "News", "10", 50, 1.0),
                item(movie, "206", "Alpha", "10", 500, 7.0),
                item(movie, "207", "beta", "11", 10, 7.5)};
    c.series = {item(MediaItem::Series, "301", "Show A", "20"),
                item(MediaItem::Series, "302", "Show B", "20")};
    return c;
}

QStringList tableTexts(QTableWidget* table)
{
    QStringList out;
    for (int row = 0; row < table->rowCount(); ++row)
        out << (table->item(row, 0) ? table->item(row, 0)->text() : QStringLiteral("<null>"));
    return out;
}

QStringList gridTexts(QListWidget* grid)
{
    QStringList out;
    for (int row = 0; row < grid->count(); ++row)
        out << grid->item(row)->text();
    return out;
}

// Counts the wheel events that reach a widget, after the application's filters.
class WheelCounter final : public QObject
{
public:
    explicit WheelCounter(QObject* target) { target->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Wheel)
            ++count;
        return false;
    }
};

bool sendWheel(QWidget* target, int deltaY)
{
    QWheelEvent wheel(QPointF(20, 20), target->mapToGlobal(QPointF(20, 20)), QPoint(),
                      QPoint(0, deltaY), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    return QApplication::sendEvent(target, &wheel);
}

struct Skeleton
{
    QStackedWidget* stack = nullptr;
    QListWidget* categoryList = nullptr;
    QLineEdit* searchAllEdit = nullptr;
    QLabel* titleLabel = nullptr;
    QLineEdit* searchEdit = nullptr;
    QTableWidget* table = nullptr;
    QComboBox* sortBox = nullptr;
    QListWidget* grid = nullptr;
    QWidget* results() const { return table ? static_cast<QWidget*>(table) : grid; }
};
} // namespace

class TestCatalogTabs : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempProfile> profile;
    XtreamFixture xtream;

    // Posters of generated catalogs point at the fixture (which has none), never off the machine.
    XtreamFixture::Catalog localPosters(XtreamFixture::Catalog c)
    {
        for (QList<MediaItem>* list : {&c.live, &c.movies, &c.series}) {
            for (MediaItem& m : *list)
                m.iconUrl =
                    xtream.baseUrl() + QStringLiteral("/poster/") + m.id + QStringLiteral(".png");
        }
        return c;
    }

    void storeServer() { SourceManager().saveSource(xtream.server(QStringLiteral("A"))); }

    // A loaded window whose player reports nothing back: these tests start streams but never
    // wait for them.
    std::unique_ptr<MainWindow> openWindow()
    {
        storeServer();
        auto window = std::make_unique<MainWindow>();
        MainWindowTestAccess w(*window);
        QObject::disconnect(w.player(), nullptr, window.get(), nullptr);
        if (!QTest::qWaitFor([&]() { return w.pendingFetchSteps() == 0; }))
            return nullptr;
        return window;
    }

    Skeleton skeleton(QWidget* parent, bool poster)
    {
        Skeleton s;
        if (poster)
            buildPosterTabSkeleton(parent, &s.stack, &s.categoryList, &s.searchAllEdit,
                                   &s.titleLabel, &s.searchEdit, &s.sortBox, &s.grid,
                                   QStringLiteral("Movie"));
        else
            buildTabSkeleton(parent, &s.stack, &s.categoryList, &s.searchAllEdit, &s.titleLabel,
                             &s.searchEdit, &s.sortBox, &s.table, QStringLiteral("Channel"));
        return s;
    }

private slots:
    void initTestCase()
    {
        xtream.setCatalog(tabsCatalog());
        QVERIFY(xtream.start());
    }

    void init() { profile = std::make_unique<TempProfile>(); }
    void cleanup() { profile.reset(); }

    // "Channels" (a playlist server): the only visible tab, filled and filtered like "Live TV",
    // playing each entry's own address.
    void channelsTab()
    {
        QTemporaryDir dir;
        QFile playlist(dir.filePath(QStringLiteral("list.m3u")));
        QVERIFY(playlist.open(QIODevice::WriteOnly));
        playlist.write("#EXTM3U\n"
                       "#EXTINF:-1 group-title=\"News\",BBC News\nhttp://127.0.0.1:9/bbc.ts\n"
                       "#EXTINF:-1 group-title=\"Sport\",Sky Sport\nhttp://127.0.0.1:9/sky.ts\n"
                       "#EXTINF:-1 group-title=\"News\",CNN\nhttp://127.0.0.1:9/cnn.ts\n");
        playlist.close();
        SourceConfig c;
        c.type = SourceConfig::M3u;
        c.name = QStringLiteral("List");
        c.url = playlist.fileName();
        SourceManager().saveSource(c);
        MainWindow window;
        MainWindowTestAccess w(window);
        QObject::disconnect(w.player(), nullptr, &window, nullptr);
        window.show();
        QCOMPARE(w.tabs()->currentIndex(), w.channelTabIndex());
        for (int i = 0; i < 3; ++i)
            QVERIFY(!w.tabs()->isTabVisible(i));
        QCOMPARE(tableTexts(w.channelTable()), QStringList({"BBC News", "Sky Sport", "CNN"}));
        QCOMPARE(w.channelCategoryList()->count(), 5);
        QCOMPARE(w.channelCategoryList()->item(3)->text(), QStringLiteral("News"));

        w.channelSearchAllEdit()->setText(QStringLiteral("s"));
        QCOMPARE(w.channelTitleLabel()->text(), QStringLiteral("Search: \"s\""));
        QCOMPARE(tableTexts(w.channelTable()), QStringList({"Sky Sport", "BBC News"}));
        QCOMPARE(w.channelTable()->parentWidget(), w.channelStack()->widget(0));
        w.channelSearchAllEdit()->clear();

        w.selectChannelCategory(w.channelCategoryList()->item(3));
        QCOMPARE(w.channelStack()->currentIndex(), 1);
        QCOMPARE(tableTexts(w.channelTable()), QStringList({"BBC News", "CNN"}));
        w.channelSearchEdit()->setText(QStringLiteral("cnn"));
        QCOMPARE(tableTexts(w.channelTable()), QStringList({"CNN"}));
        w.playChannelRow(0);
        QCOMPARE(w.currentUrl(), QStringLiteral("http://127.0.0.1:9/cnn.ts"));
        QCOMPARE(w.currentTitle(), QStringLiteral("CNN"));
        w.playChannelRow(1);
        QCOMPARE(w.currentTitle(), QStringLiteral("CNN"));
    }

    // Every widget setting of both skeletons.
    void skeletons_data()
    {
        QTest::addColumn<bool>("poster");
        QTest::newRow("table skeleton") << false;
        QTest::newRow("poster skeleton") << true;
    }
    void skeletons()
    {
        QFETCH(bool, poster);
        QWidget parent;
        Skeleton s = skeleton(&parent, poster);
        QWidget* tab = s.stack->parentWidget();
        QCOMPARE(tab->parentWidget(), &parent);
        auto* tabLayout = qobject_cast<QVBoxLayout*>(tab->layout());
        QVERIFY(tabLayout);
        QCOMPARE(tabLayout->contentsMargins(), QMargins(0, 0, 0, 0));
        QCOMPARE(tabLayout->count(), 1);
        QCOMPARE(tabLayout->itemAt(0)->widget(), s.stack);
        QCOMPARE(s.stack->count(), 2);

        // Page 0: search-all field, label, category list (stretch 1).
        auto* page0 = qobject_cast<QVBoxLayout*>(s.stack->widget(0)->layout());
        QVERIFY(page0);
        QCOMPARE(page0->count(), 3);
        QCOMPARE(page0->itemAt(0)->widget(), s.searchAllEdit);
        QCOMPARE(s.searchAllEdit->placeholderText(),
                 poster ? QStringLiteral("Search all movies...")
                        : QStringLiteral("Search all channels..."));
        auto* select = qobject_cast<QLabel*>(page0->itemAt(1)->widget());
        QVERIFY(select);
        QCOMPARE(select->text(), QStringLiteral("Select a category:"));
        QCOMPARE(page0->itemAt(2)->widget(), s.categoryList);
        QCOMPARE(page0->stretch(2), 1);

        // Page 1: back button and bold title, search (and sort box), results view (stretch 1).
        auto* page1 = qobject_cast<QVBoxLayout*>(s.stack->widget(1)->layout());
        QVERIFY(page1);
        auto* header = qobject_cast<QHBoxLayout*>(page1->itemAt(0)->layout());
        QVERIFY(header);
        auto* back = qobject_cast<QPushButton*>(header->itemAt(0)->widget());
        QVERIFY(back);
        QCOMPARE(back->text(), QStringLiteral("< Back to Categories"));
        QCOMPARE(header->itemAt(1)->widget(), s.titleLabel);
        QCOMPARE(header->stretch(1), 1);
        QCOMPARE(s.titleLabel->font().weight(), QFont::Bold);
        QCOMPARE(s.searchEdit->placeholderText(), QStringLiteral("Search..."));
        QCOMPARE(page1->count(), 3);
        QCOMPARE(page1->itemAt(2)->widget(), s.results());
        QCOMPARE(page1->stretch(2), 1);

        auto* searchRow = qobject_cast<QHBoxLayout*>(page1->itemAt(1)->layout());
        QVERIFY(searchRow);
        QCOMPARE(searchRow->itemAt(0)->widget(), s.searchEdit);
        QCOMPARE(searchRow->stretch(0), 1);
        QCOMPARE(searchRow->itemAt(1)->widget(), s.sortBox);
        if (!poster) {
            // The provider's order first, as the table always showed; then by name.
            QCOMPARE(s.sortBox->count(), 2);
            QCOMPARE(s.sortBox->itemText(0), QStringLiteral("Provider Order"));
            QCOMPARE(s.sortBox->itemData(0).toString(), QStringLiteral("provider"));
            QCOMPARE(s.sortBox->itemText(1), QStringLiteral("Name (A-Z)"));
            QCOMPARE(s.sortBox->itemData(1).toString(), QStringLiteral("name"));
            QCOMPARE(s.sortBox->currentIndex(), 0);
            QCOMPARE(s.table->columnCount(), 1);
            QCOMPARE(s.table->horizontalHeaderItem(0)->text(), QStringLiteral("Channel"));
            QVERIFY(s.table->horizontalHeader()->stretchLastSection());
            QCOMPARE(s.table->editTriggers(), QAbstractItemView::NoEditTriggers);
            QCOMPARE(s.table->selectionBehavior(), QAbstractItemView::SelectRows);
            QVERIFY(s.table->verticalHeader()->isHidden());
            return;
        }
        QCOMPARE(s.sortBox->count(), 3);
        const QStringList texts = {QStringLiteral("Name (A-Z)"), QStringLiteral("Recently Added"),
                                   QStringLiteral("Rating")};
        const QStringList keys = {QStringLiteral("name"), QStringLiteral("added"),
                                  QStringLiteral("rating")};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(s.sortBox->itemText(i), texts[i]);
            QCOMPARE(s.sortBox->itemData(i).toString(), keys[i]);
        }
        QCOMPARE(s.sortBox->currentIndex(), 0);
        QListWidget* g = s.grid;
        QCOMPARE(g->viewMode(), QListView::IconMode);
        QCOMPARE(g->resizeMode(), QListView::Adjust);
        QCOMPARE(g->movement(), QListView::Static);
        QVERIFY(g->isWrapping());
        QVERIFY(g->uniformItemSizes());
        QCOMPARE(g->iconSize(), QSize(140, 210));
        QCOMPARE(g->spacing(), 10);
        QCOMPARE(g->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(g->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(g->frameShape(), QFrame::NoFrame);
        QVERIFY(g->wordWrap());
        QCOMPARE(g->verticalScrollMode(), QAbstractItemView::ScrollPerPixel);
        QCOMPARE(g->horizontalScrollMode(), QAbstractItemView::ScrollPerPixel);
        QVERIFY(!g->gridSize().isValid());
    }

    // The search-all field of a bare skeleton: visibility rule first, then the category-search
    // rule, which refilters exactly once and mirrors the text without the page-1 handler.
    void searchAllRules_data() { skeletons_data(); }
    void searchAllRules()
    {
        QFETCH(bool, poster);
        QWidget parent;
        Skeleton s = skeleton(&parent, poster);
        QString categoryId = QStringLiteral("7");
        int refilters = 0;
        bool resultsOnPage0AtRefilter = false;
        wireCategorySearch(
            s.searchAllEdit, &categoryId, s.titleLabel, s.searchEdit, s.stack, [&]() {
                ++refilters;
                resultsOnPage0AtRefilter = s.results()->parentWidget() == s.stack->widget(0);
            });
        QSignalSpy pageOneEdits(s.searchEdit, &QLineEdit::textChanged);
        parent.show();

        s.searchAllEdit->setText(QStringLiteral("abc"));
        QCOMPARE(refilters, 1);
        QVERIFY(resultsOnPage0AtRefilter); // the skeleton's rule ran first
        QCOMPARE(categoryId, QString());
        QCOMPARE(s.titleLabel->text(), QStringLiteral("Search: \"abc\""));
        QCOMPARE(s.searchEdit->text(), QStringLiteral("abc"));
        QCOMPARE(pageOneEdits.count(), 0);
        QVERIFY(s.categoryList->isHidden());
        QVERIFY(!s.results()->isHidden());
        QCOMPARE(s.stack->currentIndex(), 0);
        auto* page0 = static_cast<QVBoxLayout*>(s.stack->widget(0)->layout());
        QCOMPARE(page0->indexOf(s.results()), 3);
        QCOMPARE(page0->stretch(3), 1);

        // More typing keeps the view where it is.
        s.searchAllEdit->setText(QStringLiteral("abcd"));
        QCOMPARE(refilters, 2);
        QCOMPARE(page0->indexOf(s.results()), 3);

        s.searchAllEdit->clear();
        QCOMPARE(refilters, 3);
        QCOMPARE(s.titleLabel->text(), QStringLiteral("All Categories"));
        QCOMPARE(s.searchEdit->text(), QString());
        QVERIFY(!s.categoryList->isHidden());
        QVERIFY(s.results()->isHidden());

        // Page 1 takes the view back; page 0 again leaves it there.
        s.searchAllEdit->setText(QStringLiteral("x"));
        s.stack->setCurrentIndex(1);
        auto* page1 = static_cast<QVBoxLayout*>(s.stack->widget(1)->layout());
        QCOMPARE(page1->indexOf(s.results()), 2);
        QCOMPARE(page1->stretch(2), 1);
        QVERIFY(!s.results()->isHidden());
        s.stack->setCurrentIndex(0);
        QCOMPARE(s.results()->parentWidget(), s.stack->widget(1));

        // "< Back to Categories" shows page 0.
        s.stack->setCurrentIndex(1);
        buttonWithText(s.stack->widget(1), QStringLiteral("< Back to Categories"))->click();
        QCOMPARE(s.stack->currentIndex(), 0);
    }

    // resetTabFilterState in its order: the search-all handler runs only if the field held text.
    void resetFilterState_data()
    {
        QTest::addColumn<QString>("searchAll");
        QTest::addColumn<QString>("search");
        QTest::addColumn<int>("refilters");
        QTest::addColumn<QString>("title");
        QTest::newRow("both empty: no handler runs") << ""
                                                     << "" << 0 << "";
        QTest::newRow("page-1 search only: one refilter") << ""
                                                          << "abc" << 1 << "";
        QTest::newRow("search-all text: its rule runs and titles All Categories")
            << "abc"
            << "abc" << 1 << "All Categories";
    }
    void resetFilterState()
    {
        QFETCH(QString, searchAll);
        QFETCH(QString, search);
        QFETCH(int, refilters);
        QFETCH(QString, title);
        QWidget parent;
        Skeleton s = skeleton(&parent, false);
        QString categoryId;
        int count = 0;
        wireCategorySearch(s.searchAllEdit, &categoryId, s.titleLabel, s.searchEdit, s.stack,
                           [&]() { ++count; });
        QObject::connect(s.searchEdit, &QLineEdit::textChanged, &parent, [&]() { ++count; });
        s.categoryList->addItems({QStringLiteral("All Categories"), QStringLiteral("One")});
        s.searchAllEdit->setText(searchAll);
        {
            const QSignalBlocker blocker(s.searchEdit);
            s.searchEdit->setText(search);
        }
        s.categoryList->setCurrentRow(1);
        categoryId = QStringLiteral("5");
        s.titleLabel->setText(QStringLiteral("One"));
        count = 0;

        resetTabFilterState(categoryId, s.categoryList, s.titleLabel, s.searchAllEdit,
                            s.searchEdit);
        QCOMPARE(categoryId, QString());
        QVERIFY(s.categoryList->selectedItems().isEmpty());
        QCOMPARE(s.titleLabel->text(), title);
        QCOMPARE(s.searchAllEdit->text(), QString());
        QCOMPARE(s.searchEdit->text(), QString());
        QCOMPARE(count, refilters);
    }

    // Category lists and the search-all round trip on a loaded window, for a table tab and a
    // poster tab: one refill per keystroke, the view on page 0 while searching all, back on page 1
    // when a category is chosen.
    void searchAllRoundTrip_data() { skeletons_data(); }
    void searchAllRoundTrip()
    {
        QFETCH(bool, poster);
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        window->show();
        QListWidget* list = poster ? w.movieCategoryList() : w.liveCategoryList();
        QLineEdit* searchAll = poster ? w.movieSearchAllEdit() : w.liveSearchAllEdit();
        QLineEdit* search = poster ? w.movieSearchEdit() : w.liveSearchEdit();
        QLabel* title = poster ? w.movieTitleLabel() : w.liveTitleLabel();
        QStackedWidget* stack = poster ? w.movieStack() : w.liveStack();
        QAbstractItemView* view = poster ? static_cast<QAbstractItemView*>(w.movieGrid())
                                         : static_cast<QAbstractItemView*>(w.liveTable());
        auto shownTexts = [&]() {
            return poster ? gridTexts(w.movieGrid()) : tableTexts(w.liveTable());
        };
        w.tabs()->setCurrentIndex(poster ? w.movieTabIndex() : w.liveTabIndex());

        // populateCategoryList: "All Categories" first, the library's two views (and the
        // movies' "Recordings"), then the server's order, ids as data.
        const int first = poster ? 4 : 3;
        QCOMPARE(list->count(), first + 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("All Categories"));
        QCOMPARE(list->item(0)->data(Qt::UserRole).toString(), QString());
        QCOMPARE(list->item(1)->text(), QStringLiteral("Favorites"));
        QCOMPARE(list->item(2)->text(),
                 poster ? QStringLiteral("Continue Watching") : QStringLiteral("Recent"));
        if (poster)
            QCOMPARE(list->item(3)->text(), QStringLiteral("Recordings"));
        QCOMPARE(list->item(first)->text(),
                 poster ? QStringLiteral("Drama") : QStringLiteral("News"));
        QCOMPARE(list->item(first)->data(Qt::UserRole).toString(),
                 poster ? QStringLiteral("10") : QStringLiteral("1"));
        QCOMPARE(list->item(first + 1)->data(Qt::UserRole).toString(),
                 poster ? QStringLiteral("11") : QStringLiteral("2"));

        QSignalSpy refills(view->model(), &QAbstractItemModel::modelReset);
        QSignalSpy pageOneEdits(search, &QLineEdit::textChanged);
        QTest::keyClicks(searchAll, QStringLiteral("new"));
        QCOMPARE(refills.count(), 3); // one per keystroke
        QCOMPARE(pageOneEdits.count(), 0);
        QCOMPARE(search->text(), QStringLiteral("new"));
        QCOMPARE(title->text(), QStringLiteral("Search: \"new\""));
        QCOMPARE(stack->currentIndex(), 0);
        QCOMPARE(view->parentWidget(), stack->widget(0));
        QVERIFY(view->isVisible());
        QVERIFY(!list->isVisible());
        const QStringList expected =
            poster ? QStringList{"News", "News a", "news b", "Zeta News", "Channelnews"}
                   : QStringList{"Newsmax", "News", "BBC News", "Channelnews HD"};
        QCOMPARE(shownTexts(), expected);
        QCOMPARE(itemNames(poster ? w.movieShown() : w.liveShown()), expected);

        // Choosing a category moves the view back to page 1; the page-1 text stays.
        QListWidgetItem* second = list->item(first);
        if (poster)
            w.selectMovieCategory(second);
        else
            w.selectLiveCategory(second);
        QCOMPARE(stack->currentIndex(), 1);
        QCOMPARE(view->parentWidget(), stack->widget(1));
        QVERIFY(view->isVisible());
        QCOMPARE(title->text(), second->text());
        QCOMPARE(poster ? w.movieCategoryId() : w.liveCategoryId(),
                 second->data(Qt::UserRole).toString());
        QCOMPARE(search->text(), QStringLiteral("new"));
        QCOMPARE(shownTexts(), poster ? QStringList({"News", "news b", "Zeta News"})
                                      : QStringList({"Newsmax", "BBC News"}));

        // A null item changes nothing.
        if (poster)
            w.selectMovieCategory(nullptr);
        else
            w.selectLiveCategory(nullptr);
        QCOMPARE(title->text(), second->text());

        // Back on page 0 and clearing the search-all field: list again, all categories, empty
        // page-1 search, every item in the (hidden) view.
        buttonWithText(stack->widget(1), QStringLiteral("< Back to Categories"))->click();
        QCOMPARE(stack->currentIndex(), 0);
        QCOMPARE(searchAll->text(), QStringLiteral("new"));
        searchAll->clear();
        QVERIFY(list->isVisible());
        QCOMPARE(title->text(), QStringLiteral("All Categories"));
        QCOMPARE(search->text(), QString());
        QCOMPARE(shownTexts().size(), poster ? 7 : 6);
        if (!poster) // a table tab keeps the stored order
            QCOMPARE(shownTexts(), itemNames(w.liveItems()));
    }

    // Return and Enter on the category list, the table and the grid, with and without a current
    // item.
    void activationKeys_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("currentRow");
        for (const QString& widget :
             {QStringLiteral("category list"), QStringLiteral("table"),
              QStringLiteral("movie grid"), QStringLiteral("series grid")}) {
            for (const int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
                const QString keyName =
                    key == Qt::Key_Return ? QStringLiteral("Return") : QStringLiteral("Enter");
                // The category list's first server category follows the library's two views.
                const int row = widget == u"category list" ? 3 : 1;
                QTest::addRow("%s, %s on row %d", qPrintable(widget), qPrintable(keyName), row)
                    << widget << key << row;
                QTest::addRow("%s, %s without a current item", qPrintable(widget),
                              qPrintable(keyName))
                    << widget << key << -1;
            }
        }
    }
    void activationKeys()
    {
        QFETCH(QString, widget);
        QFETCH(int, key);
        QFETCH(int, currentRow);
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));

        QAbstractItemView* view = nullptr;
        if (widget == u"category list") {
            w.tabs()->setCurrentIndex(w.liveTabIndex());
            view = w.liveCategoryList();
        } else if (widget == u"table") {
            w.tabs()->setCurrentIndex(w.liveTabIndex());
            w.selectLiveCategory(w.liveCategoryList()->item(0));
            view = w.liveTable();
        } else if (widget == u"movie grid") {
            w.tabs()->setCurrentIndex(w.movieTabIndex());
            w.selectMovieCategory(w.movieCategoryList()->item(0));
            view = w.movieGrid();
        } else {
            w.tabs()->setCurrentIndex(w.seriesTabIndex());
            w.selectSeriesCategory(w.seriesCategoryList()->item(0));
            view = w.seriesGrid();
        }
        view->setFocus();
        QVERIFY(QTest::qWaitFor([&]() { return view->hasFocus(); }));
        view->setCurrentIndex(currentRow < 0 ? QModelIndex() : view->model()->index(currentRow, 0));
        // An episode sequence in progress: a channel or movie played from a tab ends it.
        w.playingEpisodes() = {Episode(), Episode()};
        w.playingEpisodeIndex() = 0;

        QTest::keyClick(view, Qt::Key(key));

        const bool acted = currentRow >= 0;
        if (widget == u"category list") {
            QCOMPARE(w.liveStack()->currentIndex(), acted ? 1 : 0);
            if (acted)
                QCOMPARE(w.liveTitleLabel()->text(), QStringLiteral("News"));
        } else if (widget == u"series grid") {
            QCOMPARE(w.seriesStack()->currentIndex(), acted ? 2 : 1);
            QCOMPARE(w.shownSeriesName(), acted ? QStringLiteral("Show B") : QString());
            QCOMPARE(w.playingEpisodeIndex(), 0); // opening a series keeps the sequence
        } else {
            const QList<MediaItem>& shown = widget == u"table" ? w.liveShown() : w.movieShown();
            QCOMPARE(w.hasMedia(), acted);
            QCOMPARE(w.currentTitle(), acted ? shown.at(1).name : QString());
            QCOMPARE(w.playingEpisodeIndex(), acted ? -1 : 0);
            QCOMPARE(w.playingEpisodes().isEmpty(), acted);
        }
    }

    // Typing in the search field keeps the chosen channel current wherever it moves, so Return
    // activates it; once it is filtered out the top match is current. A tab of its own, fed by
    // the catalog's channels.
    void searchKeepsTheCurrentChannel()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        CatalogTab tab(CatalogTab::Look::Table, QStringLiteral("Channel"),
                       QStringLiteral("liveTable"), &window);
        layout->addWidget(tab.page());
        const QList<MediaItem> channels = tabsCatalog().live;
        tab.setItemSource([&channels](const QString& categoryId, const QString& query, QObject*) {
            return applyFilter(channels, categoryId, query);
        });
        QString activated;
        connect(&tab, &CatalogTab::activated, &window,
                [&](int row) { activated = tab.shown.value(row).name; });
        tab.setCategories({});
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        tab.selectCategory(tab.categoryList->item(0));
        QCOMPARE(tab.stack->currentIndex(), 1);
        QTableWidget* table = tab.table;
        table->setCurrentCell(0, 0);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("BBC News"));

        QTest::keyClicks(tab.searchEdit, QStringLiteral("news"));
        QCOMPARE(tableTexts(table).first(), QStringLiteral("News"));
        QCOMPARE(table->currentRow(), int(tableTexts(table).indexOf(QStringLiteral("BBC News"))));
        QVERIFY(table->item(table->currentRow(), 0)->isSelected());
        table->setFocus();
        QVERIFY(QTest::qWaitFor([&]() { return table->hasFocus(); }));
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(activated, QStringLiteral("BBC News"));

        QTest::keyClicks(tab.searchEdit, QStringLiteral("max"));
        QCOMPARE(tableTexts(table), QStringList{QStringLiteral("Newsmax")});
        QCOMPARE(table->currentRow(), 0);
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(activated, QStringLiteral("Newsmax"));
    }

    // Rows out of range are ignored; a click plays the clicked row of the shown items.
    void activationRows()
    {
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        window->show();
        w.selectLiveCategory(
            w.liveCategoryList()->item(4)); // Sport: News, Channelnews HD, Sport One
        for (const int row : {-1, 3})
            w.playLiveRow(row);
        w.playMovieRow(int(w.movieShown().size()));
        w.openSeriesRow(-1);
        QVERIFY(!w.hasMedia());
        QCOMPARE(w.seriesStack()->currentIndex(), 0);

        const QRect rect = w.liveTable()->visualRect(w.liveTable()->model()->index(2, 0));
        QTest::mouseClick(w.liveTable()->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(w.currentTitle(), QStringLiteral("Sport One"));

        w.tabs()->setCurrentIndex(w.movieTabIndex());
        w.selectMovieCategory(w.movieCategoryList()->item(0));
        QListWidget* grid = w.movieGrid();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(3)).center());
        QCOMPARE(w.currentTitle(), w.movieShown().at(3).name);

        w.tabs()->setCurrentIndex(w.seriesTabIndex());
        w.selectSeriesCategory(w.seriesCategoryList()->item(0));
        grid = w.seriesGrid();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(0)).center());
        QCOMPARE(w.seriesStack()->currentIndex(), 2);
        QCOMPARE(w.shownSeriesName(), QStringLiteral("Show A"));
    }

    // Poster tabs: relevance first, then the sort box, then the stored order; the choice survives
    // loading the server again while everything else is reset.
    void relevanceThenSort_data()
    {
        QTest::addColumn<int>("sortIndex");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("name, no query")
            << 0 << ""
            << QStringList{"Alpha", "beta", "Channelnews", "News", "News a", "news b", "Zeta News"};
        QTest::newRow("added, no query")
            << 1 << ""
            << QStringList{"Alpha", "Channelnews", "news b", "Zeta News", "News a", "News", "beta"};
        QTest::newRow("rating, no query")
            << 2 << ""
            << QStringList{"news b", "Channelnews", "beta", "Alpha", "News a", "Zeta News", "News"};
        QTest::newRow("name within tiers")
            << 0 << "news" << QStringList{"News", "News a", "news b", "Zeta News", "Channelnews"};
        QTest::newRow("added within tiers")
            << 1 << "NEWS" << QStringList{"News", "news b", "News a", "Zeta News", "Channelnews"};
        QTest::newRow("rating within tiers")
            << 2 << "news" << QStringList{"News", "news b", "News a", "Zeta News", "Channelnews"};
    }
    void relevanceThenSort()
    {
        QFETCH(int, sortIndex);
        QFETCH(QString, query);
        QFETCH(QStringList, order);
        auto window = openWindow();
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        w.selectMovieCategory(w.movieCategoryList()->item(0));
        w.movieSortBox()->setCurrentIndex(sortIndex); // refilters
        w.movieSearchEdit()->setText(query);
        QCOMPARE(gridTexts(w.movieGrid()), order);
        QCOMPARE(itemNames(w.movieShown()), order);

        // Loading the server again resets the tab but not the sort choice.
        w.refreshActiveSource();
        QTRY_COMPARE(w.pendingFetchSteps(), 0);
        QCOMPARE(w.movieStack()->currentIndex(), 0);
        QCOMPARE(w.movieSearchEdit()->text(), QString());
        QCOMPARE(w.movieSortBox()->currentIndex(), sortIndex);
        w.selectMovieCategory(w.movieCategoryList()->item(0));
        w.movieSearchEdit()->setText(query);
        QCOMPARE(gridTexts(w.movieGrid()), order);
    }

    // What a refill puts into the views: text only in the table; name, placeholder, alignment and
    // poster URL in the grid, with no requested flag on tiles far from view.
    void viewContents()
    {
        const XtreamFixture::Catalog big = localPosters(XtreamFixture::generate(3, 300, 0, 1));
        xtream.setCatalog(big);
        auto window = openWindow();
        xtream.setCatalog(tabsCatalog());
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        window->show();
        QCOMPARE(w.liveTable()->rowCount(), 3);
        QTableWidgetItem* cell = w.liveTable()->item(0, 0);
        QCOMPARE(cell->text(), big.live.at(0).name);
        QVERIFY(!cell->data(Qt::DecorationRole).isValid());
        QVERIFY(!cell->data(Qt::UserRole).isValid());

        w.tabs()->setCurrentIndex(w.movieTabIndex());
        w.selectMovieCategory(w.movieCategoryList()->item(0));
        QListWidget* grid = w.movieGrid();
        QCOMPARE(grid->count(), 300);
        QListWidgetItem* last = grid->item(299);
        QCOMPARE(last->text(), w.movieShown().at(299).name);
        QCOMPARE(last->data(Qt::UserRole + 1).toString(), w.movieShown().at(299).iconUrl);
        QCOMPARE(last->data(Qt::TextAlignmentRole).toInt(), 36);
        const QImage icon = last->icon().pixmap(kPosterTileSize).toImage();
        QCOMPARE(icon.size(), kPosterTileSize);
        QCOMPARE(icon.pixelColor(70, 105), QColor(45, 45, 48));
        QTRY_VERIFY(grid->item(0)->data(Qt::UserRole + 2).toBool()); // near the top: requested
        QVERIFY(!last->data(Qt::UserRole + 2).isValid());
    }

    // The application-wide filter turns wheel events on either grid's viewport into 0.35 of the
    // delta, truncated, and consumes them; other widgets keep their own wheel handling.
    void wheelOnPosterGrids()
    {
        xtream.setCatalog(localPosters(XtreamFixture::generate(3, 200, 200, 1)));
        auto window = openWindow();
        xtream.setCatalog(tabsCatalog());
        QVERIFY(window);
        MainWindowTestAccess w(*window);
        window->show();
        for (QListWidget* grid : {w.movieGrid(), w.seriesGrid()}) {
            if (grid == w.movieGrid()) {
                w.tabs()->setCurrentIndex(w.movieTabIndex());
                w.selectMovieCategory(w.movieCategoryList()->item(0));
            } else {
                w.tabs()->setCurrentIndex(w.seriesTabIndex());
                w.selectSeriesCategory(w.seriesCategoryList()->item(0));
            }
            QScrollBar* bar = grid->verticalScrollBar();
            QTRY_VERIFY(bar->maximum() > 1000);
            bar->setValue(500);
            const QList<std::pair<int, int>> steps = {
                {2, 500}, {-2, 500}, {-120, 542}, {120, 500}, {-240, 584}, {119, 543}, {-1, 543}};
            for (const auto& [delta, value] : steps) {
                QVERIFY(sendWheel(grid->viewport(), delta));
                QCOMPARE(bar->value(), value);
            }
        }
        // Consumed on the grid's viewport, passed on elsewhere.
        WheelCounter onViewport(w.seriesGrid()->viewport());
        WheelCounter onList(w.seriesCategoryList()->viewport());
        sendWheel(w.seriesGrid()->viewport(), -120);
        sendWheel(w.seriesCategoryList()->viewport(), -120);
        QCOMPARE(onViewport.count, 0);
        QCOMPARE(onList.count, 1);
        QCOMPARE(w.seriesGrid()->verticalScrollBar()->value(), 585);
    }
};

VELMORA_TEST_MAIN(TestCatalogTabs)
#include "tst_catalogtabs.moc"
