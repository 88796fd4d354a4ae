// Catch-up through the real window, the demo server and libVLC: a past programme activated in
// the programme list plays from its start, seeks and moves on to the next programme, and the
// running programme plays from its beginning. The picture says which minute the server sends.
#include "app/clock.h"
#include "app/messagebox.h"
#include "archivepicture.h"
#include "demoguide.h"
#include "demoserverprocess.h"
#include "demosource.h"
#include "guide/guidegrid.h"
#include "guide/guidegridtab.h"
#include "guide/guidetext.h"
#include "mainwindowtestaccess.h"
#include "player/vlcplayer.h"
#include "silentaudio.h"
#include "sources/sourcemanager.h"
#include "tempprofile.h"
#include "testmain.h"
#include "ui/clicktoseekslider.h"
#include "ui/playbacktext.h"

#include <QLabel>
#include <QListWidget>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>

namespace {
constexpr qint64 kChannel = 6; // keeps an archive, is in the XMLTV and is catchup="shift"

// The programme's row in the list, when it carries the archive mark.
QTreeWidgetItem* markedRow(QTreeWidget* list, const DemoGuide::Programme& p)
{
    GuideProgramme times;
    times.start = p.start;
    times.stop = p.stop;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = list->topLevelItem(i);
        if (row->text(1) == p.title && row->text(0) == GuideText::span(times) &&
            !row->icon(1).isNull())
            return row;
    }
    return nullptr;
}

// Sets a fault of the demo server.
bool control(const DemoServerProcess& demo, const QString& action)
{
    QNetworkAccessManager manager;
    std::unique_ptr<QNetworkReply> reply(
        manager.get(QNetworkRequest(demo.url(QStringLiteral("/control/") + action))));
    return QTest::qWaitFor([&] { return reply->isFinished(); }, testTimeout(10000)) &&
           reply->error() == QNetworkReply::NoError;
}

// Minutes and seconds of the "mm:ss / h:mm:ss" line before the slash.
qint64 shownMs(const QLabel* time)
{
    const QStringList parts = time->text().section(u'/', 0, 0).trimmed().split(u':');
    qint64 ms = 0;
    for (const QString& part : parts)
        ms = ms * 60 + part.toLongLong();
    return ms * 1000;
}
} // namespace

class TestCatchupWindow : public QObject
{
    Q_OBJECT

private slots:
    void pastAndRunningProgrammes_data()
    {
        QTest::addColumn<bool>("xtream");
        QTest::newRow("Xtream server, Live TV") << true;
        QTest::newRow("playlist with catchup attributes, Channels") << false;
    }
    void pastAndRunningProgrammes()
    {
        QFETCH(bool, xtream);
        DemoServerProcess demo({"--scale", "100", "--timezone", "America/New_York"});
        QVERIFY2(demo.start(), qPrintable(demo.errorText()));
        TempProfile profile;
        saveDemoSource(demo, xtream);

        MainWindow window;
        window.resize(1400, 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        MainWindowTestAccess access(window);
        QTableWidget* table = xtream ? access.liveTable() : access.channelTable();
        QListWidget* categories = xtream ? access.liveCategoryList() : access.channelCategoryList();
        const QList<MediaItem>& shown = xtream ? access.liveShown() : access.channelShown();
        QTRY_COMPARE_WITH_TIMEOUT((xtream ? access.liveItems() : access.channelItems()).size(), 10,
                                  30000);
        emit categories->itemClicked(categories->item(0));
        int row = -1;
        for (int i = 0; i < shown.size(); ++i)
            row = shown[i].guideId == DemoGuide::guideId(kChannel) ? i : row;
        QVERIFY(row >= 0);
        const MediaItem channel = shown[row];

        // A past programme of at least 20 minutes whose successor is also over.
        const qint64 now = Clock::epochSecs();
        const QList<DemoGuide::Programme> programmes =
            DemoGuide({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, now, 8).programmes(kChannel);
        int past = -1, running = -1;
        for (int i = 0; i + 1 < programmes.size(); ++i) {
            const DemoGuide::Programme& p = programmes[i];
            if (p.start <= now && now < p.stop)
                running = i;
            if (p.stop - p.start >= 20 * 60 && programmes[i + 1].stop < now - 600 &&
                now - p.start < 2 * 86400)
                past = i;
        }
        QVERIFY(past >= 0 && running >= 0);

        // The panel starts folded; opened, the programme list shows the archive marks.
        auto* header = window.findChild<QToolButton*>(QStringLiteral("guidePanelHeader"));
        auto* list = window.findChild<QTreeWidget*>(QStringLiteral("guideProgrammes"));
        QVERIFY(!list->isVisible());
        table->setCurrentCell(row, 0);
        header->click();
        QTRY_VERIFY(list->isVisible());
        QTRY_VERIFY(markedRow(list, programmes[past]));
        QVERIFY(!markedRow(list, programmes[running + 1])); // still to come
        list->setCurrentItem(markedRow(list, programmes[past]));
        QTest::keyClick(list, Qt::Key_Return);

        // Which minute the server sends, what the title line and the time say.
        QLabel* time = access.timeLabel();
        QString length;
        auto plays = [&](const DemoGuide::Programme& p, qint64 fromSecs) {
            length = QStringLiteral(" / ") + formatMs((p.stop - p.start) * 1000);
            return QTest::qWaitFor(
                       [&] { return archiveMinuteOn(access.videoWidget()) == fromSecs / 60; },
                       testTimeout(30000)) &&
                   access.nowPlayingLabel()->text() ==
                       QStringLiteral("Playing: %1 - %2 (catch-up)").arg(channel.name, p.title) &&
                   QTest::qWaitFor([&] { return time->text().endsWith(length); },
                                   testTimeout(5000));
        };
        const DemoGuide::Programme& p = programmes[past];
        QVERIFY(plays(p, p.start));
        QTRY_VERIFY(shownMs(time) > 0);
        QVERIFY(shownMs(time) < 60000);
        QVERIFY(access.seekRow()->isVisible());
        QCOMPARE(access.currentChannelKey(), QString()); // no live buffer learning

        // A click halfway along the bar: the stream restarts at that minute of the programme.
        ClickToSeekSlider* slider = access.seekSlider();
        QTest::mouseClick(slider, Qt::LeftButton, {},
                          QPoint(slider->width() / 2, slider->height() / 2));
        const qint64 target = p.start + slider->value() / 1000;
        QVERIFY(target - p.start > 5 * 60);
        QVERIFY(plays(p, target));
        QTRY_VERIFY(shownMs(time) >= (target / 60 * 60 - p.start) * 1000 &&
                    shownMs(time) < (target - p.start + 60) * 1000);

        // The next programme from the player's controls.
        const DemoGuide::Programme& following = programmes[past + 1];
        auto* next = window.findChild<QPushButton*>(QStringLiteral("catchupNext"));
        QVERIFY(next->isVisible() && next->isEnabled());
        next->click();
        QVERIFY(plays(following, following.start));

        // The archive breaks off: the movie rules, a box with Retry and no live reconnects;
        // Retry asks the archive again.
        MessageBox::reset();
        MessageBox::queueAnswer(QStringLiteral("Retry"));
        QVERIFY(control(demo, QStringLiteral("drop?channel=%1").arg(kChannel)));
        QVERIFY(control(demo, QStringLiteral("restore?channel=%1").arg(kChannel)));
        QTRY_COMPARE_WITH_TIMEOUT(MessageBox::queuedAnswers(), 0, 30000);
        const QList<MessageBox::Shown> boxes = MessageBox::takeShown();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, QStringLiteral("Playback Error"));
        QVERIFY(boxes[0].buttons.contains(QStringLiteral("Retry")));
        QCOMPARE(access.reconnectAttempts(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(access.hasMedia() && access.player()->isPlaying(), 30000);
        QVERIFY(plays(following, following.start));

        // The running programme from its beginning.
        const DemoGuide::Programme& live = programmes[running];
        auto* fromStart = window.findChild<QPushButton*>(QStringLiteral("guideFromStart"));
        QVERIFY(fromStart->isVisible());
        fromStart->click();
        QVERIFY(plays(live, live.start));
        QVERIFY(!next->isEnabled()); // the next one has not begun

        // The programme before it, from the "TV Guide" tab: the same catch-up viewing.
        auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("tabs"));
        auto* gridTab = window.findChild<GuideGridTab*>(xtream ? QStringLiteral("liveGuideTab")
                                                               : QStringLiteral("channelGuideTab"));
        tabs->setCurrentWidget(gridTab);
        GuideGrid* grid = gridTab->grid();
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Home);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(grid, Qt::Key_Down);
        QTRY_COMPARE(grid->selection().programme.start, live.start);
        QTest::keyClick(grid, Qt::Key_Left);
        const DemoGuide::Programme& before = programmes[running - 1];
        QCOMPARE(grid->selection().programme.start, before.start);
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(plays(before, before.start));
        QTRY_VERIFY(next->isVisible() && next->isEnabled());

        // Back to live: the archive controls go.
        access.playMediaItem(channel);
        QVERIFY(!next->isVisible());
        QVERIFY(!access.nowPlayingLabel()->text().contains(QStringLiteral("catch-up")));
    }
};

VELMORA_TEST_MAIN_AFTER(TestCatchupWindow, (qputenv("TZ", "Asia/Kolkata"), useSilentAudioOutput()))

#include "tst_catchupwindow.moc"
