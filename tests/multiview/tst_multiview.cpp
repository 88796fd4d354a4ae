// Multi-view through the real window, the demo server and libVLC: four tiles show four
// channels, only the focused one is heard, a dropped stream reconnects in its tile while the
// others go on, the server's connection limit refuses a stream in its tile, and closing keeps
// the focused channel in the normal player; Ctrl+M brings the layout and channels back.
#include "demoserverprocess.h"
#include "demosource.h"
#include "mainwindowtestaccess.h"
#include "multiview/channelmime.h"
#include "multiview/multiviewarea.h"
#include "multiview/multiviewcontroller.h"
#include "multiview/multiviewtile.h"
#include "multiview/tileviewing.h"
#include "player/streamconnections.h"
#include "player/vlcplayer.h"
#include "silentaudio.h"
#include "tempprofile.h"
#include "testmain.h"
#include "ui/searcheverythingdialog.h"
#include "widgethelpers.h"
#include "windowmanager.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalSpy>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <memory>

namespace {
bool control(const DemoServerProcess& demo, const QString& action)
{
    QNetworkAccessManager manager;
    std::unique_ptr<QNetworkReply> reply(
        manager.get(QNetworkRequest(demo.url(QStringLiteral("/control/") + action))));
    return QTest::qWaitFor([&] { return reply->isFinished(); }, 10000) &&
           reply->error() == QNetworkReply::NoError;
}

QImage grab(const QWidget* widget)
{
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, origin.x(), origin.y(), widget->width(), widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// A picture, not a black or flat window: bright enough and with contrast.
bool showsPicture(const QImage& image)
{
    if (image.isNull())
        return false;
    double sum = 0, squares = 0;
    int n = 0;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4) {
            const int g = qGray(image.pixel(x, y));
            sum += g;
            squares += double(g) * g;
            ++n;
        }
    }
    const double mean = sum / n;
    return mean > 30 && squares / n - mean * mean > 400;
}

// Share of pixels that differ clearly between two pictures of the same size.
double differingShare(const QImage& a, const QImage& b)
{
    const int w = qMin(a.width(), b.width()), h = qMin(a.height(), b.height());
    int differing = 0, n = 0;
    for (int y = 0; y < h; y += 2) {
        for (int x = 0; x < w; x += 2) {
            differing += qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 48 ? 1 : 0;
            ++n;
        }
    }
    return n ? double(differing) / n : 0;
}

void dropChannel(MultiViewTile* tile, const QString& server, const MediaItem& item)
{
    std::unique_ptr<QMimeData> data(channelmime::mimeData({server, item}));
    const QPoint at = tile->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tile, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tile, &drop);
}

// A drag as a user makes it: the X pointer pressed at `from`, moved in steps and let go at `to`.
bool dragWithPointer(const QPoint& from, const QPoint& to)
{
    const auto at = [](const QPoint& p) {
        return QStringList{QStringLiteral("mousemove"), QString::number(p.x()),
                           QString::number(p.y()), QStringLiteral("sleep"), QStringLiteral("0.15")};
    };
    QStringList steps = at(from);
    steps << QStringLiteral("mousedown") << QStringLiteral("1");
    for (int i = 1; i <= 4; ++i)
        steps << at(from + (to - from) * i / 4 + QPoint(i == 1 ? 12 : 0, 0));
    steps << at(to + QPoint(3, 3)) << QStringLiteral("mouseup") << QStringLiteral("1");
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), steps);
    // The drag runs its own event loop inside this wait.
    return QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 20000) &&
           xdotool.exitCode() == 0;
}

QTreeWidgetItem* resultFor(SearchEverythingDialog* search, const MediaItem& channel)
{
    QTreeWidget* results = search->resultsView();
    for (QTreeWidgetItemIterator it(results); *it; ++it) {
        const QRect row = results->visualItemRect(*it);
        const std::optional<MediaItem> item = search->itemAt(row.center());
        if (item && item->type == MediaItem::Live && item->id == channel.id)
            return *it;
    }
    return nullptr;
}

QImage save(const QImage& image, const QString& name)
{
    QDir().mkpath(QStringLiteral(VELMORA_TEST_ARTIFACTS));
    image.save(QStringLiteral(VELMORA_TEST_ARTIFACTS "/") + name);
    return image;
}

// The window at 1600x1000 with the demo catalog loaded and its first category shown.
bool openOnFirstCategory(MainWindow& window, MainWindowTestAccess& access)
{
    window.resize(1600, 1000);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window) ||
        !QTest::qWaitFor([&] { return access.liveItems().size() == 10; }, testTimeout(30000)))
        return false;
    emit access.liveCategoryList()->itemClicked(access.liveCategoryList()->item(0));
    return QTest::qWaitFor([&] { return access.liveShown().size() >= 4; }, testTimeout(5000));
}

bool advancing(VlcPlayer* player)
{
    const qint64 before = player->timeMs();
    return QTest::qWaitFor([&] { return player->timeMs() > before + 500; }, 15000);
}
} // namespace

class TestMultiView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        useSilentAudioOutput();
        // Five channels may run at once, and the login says so.
        demo = std::make_unique<DemoServerProcess>(
            QStringList{"--scale", "100", "--max-live", "5", "--live-idle-ms", "3000"});
        QVERIFY2(demo->start(), qPrintable(demo->errorText()));
    }
    void cleanupTestCase() { demo.reset(); }

    void fourChannelsSoundFocusReconnectAndClose()
    {
        TempProfile profile;
        const SourceConfig source = saveDemoSource(*demo, true);
        MainWindow window;
        MainWindowTestAccess access(window);
        QVERIFY(openOnFirstCategory(window, access));
        QTRY_COMPARE_WITH_TIMEOUT(access.streamConnections()->limit(source.name), 5, 30000);
        const QList<MediaItem> channels = access.liveShown().mid(0, 4);

        // The normal player plays the first channel; multi-view takes it over as it is.
        VlcPlayer* mainPlayer = access.player();
        access.playMediaItem(channels[0]);
        QTRY_VERIFY_WITH_TIMEOUT(mainPlayer->timeMs() > 1000, 30000);
        QSignalSpy restarted(mainPlayer, &VlcPlayer::playing);
        QSignalSpy stopped(mainPlayer, &VlcPlayer::stopped);
        QTest::keyClick(&window, Qt::Key_M, Qt::ControlModifier);
        MultiViewController* multiView = access.multiView();
        QVERIFY(multiView->isOpen());
        MultiViewArea* area = multiView->area();
        QCOMPARE(area->tileCount(), 4);
        QCOMPARE(area->tile(0)->surface(), access.videoWidget());
        QVERIFY(advancing(mainPlayer));
        QCOMPARE(restarted.count(), 0);
        QCOMPARE(stopped.count(), 0);
        QCOMPARE(access.streamConnections()->openCount(source.name), 1);

        // An empty tile says how to fill it.
        QVERIFY(area->tile(1)->messageText().contains(QStringLiteral("Drag a channel")));

        // Tile 2 by dropping, tile 3 by Return in the table with the tile focused, tile 4 by
        // dropping again.
        dropChannel(area->tile(1), source.name, channels[1]);
        QTest::keyClick(area, Qt::Key_3);
        QCOMPARE(multiView->focusedTile(), 2);
        QTableWidget* table = access.liveTable();
        table->setCurrentCell(2, 0);
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Return);
        dropChannel(area->tile(3), source.name, channels[3]);
        for (int i = 1; i < 4; ++i) {
            QVERIFY(multiView->viewing(i)->channel());
            QCOMPARE(multiView->viewing(i)->channel()->item.id, channels[i].id);
            QTRY_VERIFY_WITH_TIMEOUT(multiView->viewing(i)->state() == TileViewing::State::Playing,
                                     30000);
        }
        QCOMPARE(access.streamConnections()->openCount(source.name), 4);
        QVERIFY(area->tile(1)->captionText().contains(channels[1].name));

        // Four different pictures.
        QTest::qWait(1500);
        const QImage whole = grab(area);
        QDir().mkpath(QStringLiteral(VELMORA_TEST_ARTIFACTS));
        whole.save(QStringLiteral(VELMORA_TEST_ARTIFACTS "/multiview-4-tiles.png"));
        QList<QImage> pictures;
        for (int i = 0; i < 4; ++i) {
            pictures.append(grab(area->tile(i)->surface()));
            QVERIFY2(showsPicture(pictures[i]), qPrintable(QStringLiteral("tile %1").arg(i + 1)));
        }
        for (int i = 0; i < 4; ++i) {
            for (int j = i + 1; j < 4; ++j)
                QVERIFY2(differingShare(pictures[i], pictures[j]) > 0.01,
                         qPrintable(QStringLiteral("tiles %1 and %2").arg(i + 1).arg(j + 1)));
        }

        // Sound follows focus: keys 1-4 and a click.
        for (int focus : {0, 3, 1, 2}) {
            QTest::keyClick(area, Qt::Key(Qt::Key_1 + focus));
            QCOMPARE(multiView->focusedTile(), focus);
            QTRY_COMPARE(mainPlayer->isMuted(), focus != 0);
            for (int i = 1; i < 4; ++i)
                QTRY_COMPARE(multiView->viewing(i)->player()->isMuted(), i != focus);
        }
        QTest::mouseClick(area->tile(3), Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(multiView->focusedTile(), 3);
        QTRY_VERIFY(!multiView->viewing(3)->player()->isMuted());

        // F fills the area with the focused tile, and back.
        QTest::keyClick(area, Qt::Key_F);
        QCOMPARE(area->zoomedTile(), 3);
        QVERIFY(!area->tile(0)->isVisible());
        QCOMPARE(area->tile(3)->size(), area->size());
        QTest::keyClick(area, Qt::Key_F);
        QCOMPARE(area->zoomedTile(), -1);
        QVERIFY(area->tile(0)->isVisible());

        // Tile 2's stream drops: it reconnects in its tile, the others keep playing.
        QVERIFY(control(*demo, QStringLiteral("drop?channel=") + channels[1].id));
        TileViewing* dropped = multiView->viewing(1);
        QTRY_VERIFY_WITH_TIMEOUT(dropped->state() == TileViewing::State::Reconnecting, 30000);
        QVERIFY(area->tile(1)->statusText().contains(QStringLiteral("Reconnecting")));
        QVERIFY(advancing(mainPlayer));
        QVERIFY(advancing(multiView->viewing(2)->player()));
        QVERIFY(advancing(multiView->viewing(3)->player()));
        QVERIFY(control(*demo, QStringLiteral("restore?channel=") + channels[1].id));
        QTRY_VERIFY_WITH_TIMEOUT(dropped->state() == TileViewing::State::Playing, 60000);
        QVERIFY(dropped->reconnectAttempts() == 0);
        QVERIFY(area->tile(1)->statusText().isEmpty());

        // Closing with tile 3 in focus: its channel goes on in the normal player.
        QTest::keyClick(area, Qt::Key_3);
        QTest::keyClick(area, Qt::Key_Escape);
        QVERIFY(!multiView->isOpen());
        QVERIFY(!area->isVisible());
        QCOMPARE(access.currentTitle(), channels[2].name);
        QVERIFY(access.playerPanelLayout()->indexOf(access.videoWidget()) >= 0);
        // Its stream may start again in the normal player; it is heard once it does.
        QTRY_VERIFY(!mainPlayer->isMuted());
        QTRY_VERIFY_WITH_TIMEOUT(mainPlayer->timeMs() > 1000, 30000);
        QCOMPARE(access.streamConnections()->openCount(source.name), 1);

        // Ctrl+M brings back the layout and the other tiles' channels.
        QTest::keyClick(&window, Qt::Key_M, Qt::ControlModifier);
        QVERIFY(multiView->isOpen());
        QCOMPARE(area->tileCount(), 4);
        QTRY_VERIFY(multiView->viewing(1)->channel() && multiView->viewing(3)->channel());
        QCOMPARE(multiView->viewing(1)->channel()->item.id, channels[1].id);
        QCOMPARE(multiView->viewing(3)->channel()->item.id, channels[3].id);
        QTest::keyClick(area, Qt::Key_Escape);
        QVERIFY(!multiView->isOpen());
    }

    void connectionLimitRefusesInTheTile()
    {
        TempProfile profile;
        const SourceConfig source = saveDemoSource(*demo, true);
        MainWindow window;
        MainWindowTestAccess access(window);
        QVERIFY(openOnFirstCategory(window, access));
        StreamConnections* connections = access.streamConnections();
        QTRY_COMPARE_WITH_TIMEOUT(connections->limit(source.name), 5, 30000);
        QTRY_VERIFY(access.liveShown().size() >= 5);
        const QList<MediaItem> channels = access.liveShown().mid(4, 4);

        // Four streams allowed; a recording holds one, the player, tiles 2 and 3 the others.
        connections->setLimit(source.name, 4);
        StreamConnections::Lease recording =
            connections->acquire(source.name, QStringLiteral("Recording: Evening News"));
        QVERIFY(recording.isValid());
        access.playMediaItem(channels[0]);
        QTest::keyClick(&window, Qt::Key_M, Qt::ControlModifier);
        MultiViewController* multiView = access.multiView();
        QVERIFY(multiView->isOpen());
        MultiViewArea* area = multiView->area();
        QCOMPARE(area->tileCount(), 4);
        for (int i = 1; i < 3; ++i)
            dropChannel(area->tile(i), source.name, channels[i]);
        QTRY_VERIFY_WITH_TIMEOUT(multiView->viewing(2)->state() == TileViewing::State::Playing,
                                 30000);

        // The fifth stream is refused in its tile; nothing else stops.
        dropChannel(area->tile(3), source.name, channels[3]);
        QCOMPARE(multiView->viewing(3)->state(), TileViewing::State::Refused);
        const QString message = area->tile(3)->messageText();
        QVERIFY2(message.contains(QStringLiteral("4 stream")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("Recording: Evening News")), qPrintable(message));
        QCOMPARE(connections->openCount(source.name), 4);
        QVERIFY(advancing(multiView->viewing(2)->player()));
        QVERIFY(advancing(access.player()));

        // Once the recording ends, the same tile starts.
        recording.release();
        dropChannel(area->tile(3), source.name, channels[3]);
        QTRY_VERIFY_WITH_TIMEOUT(multiView->viewing(3)->state() == TileViewing::State::Playing,
                                 30000);
    }

    // Search results fill tiles: one dragged with the real pointer from the search, which stays
    // open over the window, one chosen with Return into the focused tile. Then fullscreen: the
    // grid fills the screen with the controls strip over it, the keys work, Escape leaves
    // fullscreen first and multi-view on the next press.
    void searchResultsAndFullscreen()
    {
        WindowManager manager;
        QVERIFY2(manager.start(), "openbox makes windows fullscreen on the test display");
        TempProfile profile;
        const SourceConfig source = saveDemoSource(*demo, true);
        MainWindow window;
        MainWindowTestAccess access(window);
        QVERIFY(openOnFirstCategory(window, access));
        const QList<MediaItem> channels = access.liveShown().mid(0, 4);
        access.playMediaItem(channels[0]);
        QTest::keyClick(&window, Qt::Key_M, Qt::ControlModifier);
        MultiViewController* multiView = access.multiView();
        MultiViewArea* area = multiView->area();
        QVERIFY(multiView->isOpen());

        // Dragged out of the search onto the second tile.
        for (QShortcut* shortcut : window.findChildren<QShortcut*>()) {
            if (shortcut->key() == QKeySequence(Qt::CTRL | Qt::Key_F))
                emit shortcut->activated();
        }
        auto* search = window.findChild<SearchEverythingDialog*>();
        QVERIFY(search && search->isVisible());
        // Over the tables, clear of the tiles.
        search->move(window.geometry().topLeft() + QPoint(30, 90));
        QTRY_VERIFY(!search->frameGeometry().intersects(
            QRect(area->tile(1)->mapToGlobal(QPoint(0, 0)), area->tile(1)->size())));
        auto* edit = search->findChild<QLineEdit*>();
        edit->setText(channels[1].name);
        QTreeWidgetItem* dragged = resultFor(search, channels[1]);
        QVERIFY(dragged);
        QTreeWidget* results = search->resultsView();
        const QPoint from = results->viewport()->mapToGlobal(
            results->visualItemRect(dragged).topLeft() + QPoint(30, 6));
        QVERIFY(dragWithPointer(from, area->tile(1)->mapToGlobal(area->tile(1)->rect().center())));
        QTRY_VERIFY(multiView->viewing(1) && multiView->viewing(1)->channel());
        QCOMPARE(multiView->viewing(1)->channel()->item.id, channels[1].id);
        QCOMPARE(multiView->focusedTile(), 1);
        QVERIFY(search->isVisible());

        // Return in the search plays into the focused tile and the search stays for the next.
        QTest::keyClick(area, Qt::Key_3);
        search->activateWindow();
        edit->setText(channels[2].name);
        QTreeWidgetItem* chosen = resultFor(search, channels[2]);
        QVERIFY(chosen);
        results->setCurrentItem(chosen);
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(search->isVisible());
        QVERIFY(multiView->viewing(2)->channel());
        QCOMPARE(multiView->viewing(2)->channel()->item.id, channels[2].id);
        QCOMPARE(access.currentTitle(), channels[0].name);
        dropChannel(area->tile(3), source.name, channels[3]);
        for (int i = 1; i < 4; ++i)
            QTRY_VERIFY_WITH_TIMEOUT(multiView->viewing(i)->state() == TileViewing::State::Playing,
                                     30000);
        QTest::qWait(1000);
        save(grab(&window), QStringLiteral("multiview-search-1600x1000.png"));
        QTest::keyClick(edit, Qt::Key_Escape);
        QVERIFY(!search->isVisible());
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        // The grid in a smaller window, and a double click on the first tile zooms it without
        // going fullscreen.
        window.resize(1024, 768);
        QTRY_COMPARE(window.size(), QSize(1024, 768));
        QTest::qWait(500);
        save(grab(&window), QStringLiteral("multiview-1024x768.png"));
        for (int i = 0; i < 4; ++i)
            QVERIFY(area->tile(i)->isVisible() && area->tile(i)->width() > 150);
        QTest::mouseDClick(access.videoWidget(), Qt::LeftButton);
        QCOMPARE(area->zoomedTile(), 0);
        QVERIFY(!access.fullscreen());
        QTest::keyClick(area, Qt::Key_F);
        QCOMPARE(area->zoomedTile(), -1);
        const QSize windowed = area->size();

        // Fullscreen from the controls: the four tiles fill the screen.
        QPushButton* fullscreen =
            buttonWithText(access.controlsRow(), QStringLiteral("Fullscreen"));
        QVERIFY(fullscreen);
        QTest::mouseClick(fullscreen, Qt::LeftButton);
        const QSize screen = window.screen()->geometry().size();
        QTRY_VERIFY_WITH_TIMEOUT(window.isFullScreen() && area->size() == screen, 10000);
        QCOMPARE(QApplication::focusWidget(), area);
        QTest::qWait(1000);
        const QImage shot = save(grab(area), QStringLiteral("multiview-fullscreen.png"));
        QCOMPARE(shot.size(), screen);
        QList<QImage> pictures;
        for (int i = 0; i < 4; ++i) {
            pictures.append(grab(area->tile(i)->surface()));
            QVERIFY2(showsPicture(pictures[i]), qPrintable(QStringLiteral("tile %1").arg(i + 1)));
            QVERIFY(area->tile(i)->width() > screen.width() / 2 - 20);
        }
        QVERIFY(differingShare(pictures[0], pictures[3]) > 0.01);

        // Moving the mouse brings the controls over the tiles (drawn above their video).
        QTest::mouseMove(area->tile(3), area->tile(3)->rect().center());
        QWidget* overlay = access.fullscreenOverlay();
        QTRY_VERIFY(overlay->isVisible());
        QVERIFY(multiView->button()->isVisible());
        QTest::qWait(300);
        const QImage strip = save(grab(overlay), QStringLiteral("multiview-fullscreen-strip.png"));
        const QImage drawn = save(overlay->grab().toImage().convertToFormat(QImage::Format_RGB32),
                                  QStringLiteral("multiview-fullscreen-strip-drawn.png"));
        QVERIFY(differingShare(strip, drawn) < 0.1);

        // The keys: 2 moves focus, sound and the strip's title, F zooms and back.
        QLabel* title = access.nowPlayingLabel();
        const QString mainTitle = title->text();
        QVERIFY(mainTitle.contains(channels[0].name));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_2);
        QCOMPARE(multiView->focusedTile(), 1);
        QVERIFY2(title->text().contains(channels[1].name), qPrintable(title->text()));
        QTRY_VERIFY(!multiView->viewing(1)->player()->isMuted());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F);
        QCOMPARE(area->tile(1)->size(), screen);
        QVERIFY(window.isFullScreen());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F);
        QCOMPARE(area->zoomedTile(), -1);
        // A click focuses too; the first tile brings the normal player's title back.
        QTest::mouseClick(area->tile(2), Qt::LeftButton);
        QVERIFY2(title->text().contains(channels[2].name), qPrintable(title->text()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);
        QCOMPARE(title->text(), mainTitle);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_2);

        // Escape leaves fullscreen, with the grid back as it was; the next one leaves multi-view.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!window.isFullScreen() && area->size() == windowed, 10000);
        QVERIFY(multiView->isOpen());
        QVERIFY(access.tabs()->isVisible());
        QCOMPARE(access.playerPanelLayout()->indexOf(access.nowPlayingLabel()),
                 access.playerPanelLayout()->indexOf(area) + 1);
        QTest::qWait(500);
        save(grab(&window), QStringLiteral("multiview-after-fullscreen.png"));
        // F is the tiles' there: F11 is the key in and out.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
        QTRY_VERIFY_WITH_TIMEOUT(window.isFullScreen() && area->size() == screen, 10000);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
        QTRY_VERIFY_WITH_TIMEOUT(!window.isFullScreen() && area->size() == windowed, 10000);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!multiView->isOpen());
        QCOMPARE(access.currentTitle(), channels[1].name);
    }

private:
    std::unique_ptr<DemoServerProcess> demo;
};

VELMORA_TEST_MAIN(TestMultiView)
#include "tst_multiview.moc"
