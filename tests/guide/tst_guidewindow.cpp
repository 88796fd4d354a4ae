// The guide in the real window, fed by the demo server: the "Now" column of the Live TV and
// Channels tables, the programme list of the selected channel, a programme found by search
// everything, and a channel the XMLTV leaves out, whose programmes come from the player API when
// its list is opened and are still known after a restart without the server.
#include "app/clock.h"
#include "demoguide.h"
#include "demoserverprocess.h"
#include "demosource.h"
#include "guide/guidegrid.h"
#include "guide/guidegridtab.h"
#include "guide/guideservice.h"
#include "guide/nowcolumndelegate.h"
#include "mainwindowtestaccess.h"
#include "sources/sourcemanager.h"
#include "tempprofile.h"
#include "testmain.h"
#include "ui/searcheverythingdialog.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTreeWidget>

#include <optional>

namespace {
constexpr int kChannels = 10; // the demo server's --scale 100

// The demo's programme running now on channel `id`.
DemoGuide::Programme running(qint64 id)
{
    QList<qint64> ids;
    for (qint64 i = 1; i <= kChannels; ++i)
        ids.append(i);
    const qint64 now = Clock::epochSecs();
    for (const DemoGuide::Programme& p : DemoGuide(ids, now, 8).programmes(id)) {
        if (p.start <= now && now < p.stop)
            return p;
    }
    return {};
}

// Pixels of the highlight colour in a cell: the progress bar of a programme.
int barPixels(QTableWidget* table, int row)
{
    const QRect cell = table->visualRect(table->model()->index(row, 1));
    const QImage shot = table->viewport()->grab(cell).toImage();
    const QRgb highlight = table->palette().color(QPalette::Highlight).rgb();
    int count = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x)
            count += (shot.pixel(x, y) & 0xffffff) == (highlight & 0xffffff);
    }
    return count;
}

// The demo channel number of a table row.
qint64 demoId(const MediaItem& item)
{
    return item.guideId.mid(2).section(u'.', 0, 0).toLongLong();
}
} // namespace

class TestGuideWindow : public QObject
{
    Q_OBJECT

private slots:
    void guideInWindow_data()
    {
        QTest::addColumn<bool>("xtream");
        QTest::newRow("Xtream server, Live TV") << true;
        QTest::newRow("playlist with url-tvg, Channels") << false;
    }
    void guideInWindow()
    {
        QFETCH(bool, xtream);
        DemoServerProcess demo({QStringLiteral("--scale"), QStringLiteral("100")});
        QVERIFY2(demo.start(), qPrintable(demo.errorText()));
        TempProfile profile;
        const SourceConfig config = saveDemoSource(demo, xtream);

        MainWindow window;
        window.resize(1200, 800);
        window.show();
        MainWindowTestAccess access(window);
        QTableWidget* table = xtream ? access.liveTable() : access.channelTable();
        QListWidget* categories = xtream ? access.liveCategoryList() : access.channelCategoryList();
        QList<MediaItem>& shown = xtream ? access.liveShown() : access.channelShown();
        QTRY_COMPARE_WITH_TIMEOUT((xtream ? access.liveItems() : access.channelItems()).size(),
                                  kChannels, 30000);
        emit categories->itemClicked(categories->item(0));
        QCOMPARE(shown.size(), kChannels);
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Now"));

        int withGuide = -1, withoutXmltv = -1;
        for (int row = 0; row < shown.size(); ++row)
            (DemoGuide::inXmltv(demoId(shown[row])) ? withGuide : withoutXmltv) = row;
        QVERIFY(withGuide >= 0 && withoutXmltv >= 0);

        // The import runs after the catalog; the column fills when it is in.
        auto* now = static_cast<NowColumnDelegate*>(table->itemDelegateForColumn(1));
        const DemoGuide::Programme expected = running(demoId(shown[withGuide]));
        QTRY_COMPARE_WITH_TIMEOUT(now->guideOf(withGuide).now.title, expected.title, 30000);
        QVERIFY(now->guideOf(withGuide).hasNext);
        QVERIFY(!now->guideOf(withoutXmltv).hasNow);
        QTRY_VERIFY(barPixels(table, withGuide) > 0);
        QCOMPARE(barPixels(table, withoutXmltv), 0);
        QVERIFY(QFile::exists(GuideService::storePath(config.storageKey())));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("guideStatus"))->text(), QString());

        // The "TV Guide" tab right after the table's tab, over the same channels: Home stands on
        // what runs now, read from the same store.
        auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("tabs"));
        auto* gridTab = window.findChild<GuideGridTab*>(xtream ? QStringLiteral("liveGuideTab")
                                                               : QStringLiteral("channelGuideTab"));
        auto* otherGridTab = window.findChild<GuideGridTab*>(
            xtream ? QStringLiteral("channelGuideTab") : QStringLiteral("liveGuideTab"));
        const int gridIndex = tabs->indexOf(gridTab);
        QCOMPARE(tabs->tabText(gridIndex - 1),
                 xtream ? QStringLiteral("Live TV") : QStringLiteral("Channels"));
        QVERIFY(tabs->isTabVisible(gridIndex));
        QVERIFY(!tabs->isTabVisible(tabs->indexOf(otherGridTab)));
        tabs->setCurrentIndex(gridIndex);
        GuideGrid* grid = gridTab->grid();
        QCOMPARE(grid->channels().size(), kChannels);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Home);
        for (int row = 0; row < withGuide; ++row)
            QTest::keyClick(grid, Qt::Key_Down);
        QTRY_COMPARE(grid->selection().programme.title, expected.title);
        tabs->setCurrentIndex(gridIndex - 1);

        // Search everything finds the running programme by its title; choosing it plays its
        // channel.
        for (QShortcut* shortcut : window.findChildren<QShortcut*>()) {
            if (shortcut->key() == QKeySequence(Qt::CTRL | Qt::Key_F))
                emit shortcut->activated();
        }
        auto* search = window.findChild<SearchEverythingDialog*>();
        QVERIFY(search && search->isVisible());
        search->findChild<QLineEdit*>()->setText(expected.title);
        auto* results = search->findChild<QTreeWidget*>();
        const QString label = expected.title + QStringLiteral(" \u2014 ") + shown[withGuide].name +
                              QStringLiteral(", now");
        QTreeWidgetItem* programme = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&]() {
                for (int g = 0; g < results->topLevelItemCount(); ++g) {
                    QTreeWidgetItem* group = results->topLevelItem(g);
                    for (int r = 0; group->text(0).startsWith(QStringLiteral("Programmes")) &&
                                    r < group->childCount();
                         ++r) {
                        if (group->child(r)->text(0).startsWith(label))
                            programme = group->child(r);
                    }
                }
                return programme != nullptr;
            }(),
            30000);
        results->setCurrentItem(programme);
        QTest::keyClick(search->findChild<QLineEdit*>(), Qt::Key_Return);
        QVERIFY(!search->isVisible());
        QTRY_COMPARE(access.currentTitle(), shown[withGuide].name);

        // The programme list of the selected channel: days, the running one current and bold,
        // its description below.
        auto* list = window.findChild<QTreeWidget*>(QStringLiteral("guideProgrammes"));
        auto* description = window.findChild<QTextBrowser*>(QStringLiteral("guideDescription"));
        table->setCurrentCell(withGuide, 0);
        QTRY_VERIFY(list->currentItem() && list->currentItem()->text(1) == expected.title);
        QVERIFY(list->currentItem()->font(1).bold());
        QVERIFY(list->topLevelItemCount() > 48);
        QVERIFY(description->toPlainText().contains(expected.description));

        // A channel the XMLTV leaves out: Xtream asks the player API, a playlist has nothing.
        table->setCurrentCell(withoutXmltv, 0);
        if (xtream) {
            const DemoGuide::Programme fallback = running(demoId(shown[withoutXmltv]));
            QTRY_VERIFY(list->currentItem() && list->currentItem()->text(1) == fallback.title);
            QCOMPARE(now->guideOf(withoutXmltv).now.title, fallback.title);
        } else {
            QTRY_COMPARE(list->topLevelItemCount(), 1);
            QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("No programme information"));
        }
    }

    // The player API's answer for a channel the XMLTV leaves out is kept on disk: a new service
    // on the same profile knows it while the server is gone.
    void fallbackAnswerOutlivesTheServer()
    {
        DemoServerProcess demo({QStringLiteral("--scale"), QStringLiteral("100")});
        QVERIFY2(demo.start(), qPrintable(demo.errorText()));
        TempProfile profile;
        SourceConfig config;
        config.name = QStringLiteral("Demo");
        config.type = SourceConfig::Xtream;
        config.url = demo.baseUrl();
        config.username = QStringLiteral("demo");
        config.password = QStringLiteral("demo");
        constexpr qint64 kLeftOut = 7;
        QVERIFY(!DemoGuide::inXmltv(kLeftOut));
        MediaItem channel;
        channel.id = QString::number(kLeftOut);
        channel.name = QStringLiteral("Left out");
        channel.guideId = DemoGuide::guideId(kLeftOut);
        const DemoGuide::Programme expected = running(kLeftOut);
        auto listOf = [&](GuideService& guide) {
            std::optional<QList<GuideProgramme>> got;
            guide.programmes(channel, &guide, [&](const QList<GuideProgramme>& l) { got = l; });
            (void)QTest::qWaitFor([&]() { return got.has_value(); }, testTimeout(30000));
            return got.value_or(QList<GuideProgramme>());
        };
        {
            GuideService guide;
            guide.setSource(config);
            guide.setChannels({channel});
            QVERIFY(!listOf(guide).isEmpty());
        }
        QVERIFY(demo.stop());

        GuideService again;
        again.setSource(config);
        again.setChannels({channel});
        QVERIFY(again.hasGuide(channel));
        QCOMPARE(again.nowNext(channel).now.title, expected.title);
        QVERIFY(listOf(again).size() > 1);
    }
};

VELMORA_TEST_MAIN(TestGuideWindow)
#include "tst_guidewindow.moc"
