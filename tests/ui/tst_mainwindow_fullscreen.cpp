// Fullscreen viewing, the track menus and the stream-information windows of the main window, with
// the real player drawing into a real X window (Xvfb). What is on screen is read back from the X
// display itself; a failed check keeps its screenshot under test-artifacts/ in the build tree.

#include "app/filedialog.h"
#include "app/theme.h"
#include "livestreamserver.h"
#include "mediagenerator.h"
#include "player/vlcplayer.h"
#include "playerwindowharness.h"
#include "silentaudio.h"
#include "testhelpers.h"
#include "testmain.h"
#include "ui/mainwindow.h"
#include "widgethelpers.h"
#include "windowmanager.h"

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

using Request = LoopbackHttpServer::Request;

// Checks the screen (retrying while it settles) and keeps the screenshot when it fails.
#define VERIFY_SCREEN(check, what)                                                                 \
    do {                                                                                           \
        const QString screenProblem = screenFailure(check, what);                                  \
        QVERIFY2(screenProblem.isEmpty(), qPrintable(screenProblem));                              \
    } while (false)

namespace {
// Share of the opaque pixels of `reference` that the screen shows nearly unchanged at `topLeft`.
double matchShare(const QImage& screen, const QImage& reference, const QPoint& topLeft)
{
    int same = 0;
    int total = 0;
    for (int y = 0; y < reference.height(); y += 2) {
        for (int x = 0; x < reference.width(); x += 2) {
            const QRgb want = reference.pixel(x, y);
            const QPoint at = topLeft + QPoint(x, y);
            if (qAlpha(want) < 255 || !screen.rect().contains(at))
                continue;
            const QRgb got = screen.pixel(at);
            ++total;
            if (qAbs(qRed(got) - qRed(want)) <= 16 && qAbs(qGreen(got) - qGreen(want)) <= 16 &&
                qAbs(qBlue(got) - qBlue(want)) <= 16)
                ++same;
        }
    }
    return total ? double(same) / total : 0;
}

// Share of the pixels in `area` that are clearly coloured or bright: the test picture, not the
// panel's dark grey or black.
double videoShare(const QImage& screen, const QRect& area)
{
    int lit = 0;
    int total = 0;
    for (int y = area.top(); y <= area.bottom(); y += 3) {
        for (int x = area.left(); x <= area.right(); x += 3) {
            const QColor c = QColor::fromRgb(screen.pixel(x, y));
            ++total;
            if (c.saturation() > 90 || c.value() > 160)
                ++lit;
        }
    }
    return total ? double(lit) / total : 0;
}

// Runs `action` on the next menu that pops up (menus run their own event loop in exec()).
void onNextMenu(std::function<void(QMenu*)> action)
{
    auto* poll = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, waited, action = std::move(action)] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            menu && menu->isVisible()) {
            poll->deleteLater();
            poll->stop();
            action(menu);
            return;
        }
        if ((*waited += 10) > 5000) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(10);
}

struct MenuEntry
{
    QString text;
    bool separator = false;
    bool checkable = false;
    bool checked = false;
    bool enabled = true;
};

QList<MenuEntry> entriesOf(const QMenu* menu)
{
    QList<MenuEntry> out;
    for (const QAction* a : menu->actions())
        out.append({a->text(), a->isSeparator(), a->isCheckable(), a->isChecked(), a->isEnabled()});
    return out;
}

// Clicks the entry like a user; a menu still open afterwards (no such entry, or a disabled one)
// is closed, so the test never waits on it.
void clickAction(QMenu* menu, const QString& text)
{
    for (QAction* a : menu->actions()) {
        if (a->text() == text)
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
    }
    if (menu->isVisible())
        menu->close();
}
} // namespace

// Notes when a real (spontaneous) mouse move to `target` reaches the application.
class PointerWatch final : public QObject
{
public:
    explicit PointerWatch(const QPoint& target)
        : target(target)
    {
        qApp->installEventFilter(this);
    }
    ~PointerWatch() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove && event->spontaneous() &&
            static_cast<QMouseEvent*>(event)->globalPosition().toPoint() == target)
            seen = true;
        return QObject::eventFilter(watched, event);
    }

    const QPoint target;
    bool seen = false;
};

class TestMainWindowFullscreen : public QObject
{
    Q_OBJECT

private:
    MediaGenerator media;
    PlayerWindowHarness harness;
    WindowManager windowManager;
    QTemporaryDir shots;
    int shotCount = 0;
    QImage lastShot;
    QList<QPair<QImage, QPoint>> buttonLooks;

    MainWindowTestAccess& w() { return harness.w(); }

    // The whole X display, read with ImageMagick's `import`.
    QImage screenshot()
    {
        const QString path = shots.filePath(QStringLiteral("shot-%1.png").arg(++shotCount));
        QProcess import;
        import.start(QStringLiteral("import"),
                     {QStringLiteral("-window"), QStringLiteral("root"), path});
        if (!import.waitForFinished(10000) || import.exitCode() != 0)
            return {};
        lastShot = QImage(path).convertToFormat(QImage::Format_RGB32);
        return lastShot;
    }

    // Keeps the last screenshot for a failed check and says where it is.
    QString keepShot(const QString& what)
    {
        const QString dir = QStringLiteral(VELMORA_TEST_ARTIFACTS);
        QDir().mkpath(dir);
        QString name = QString::fromLatin1(QTest::currentTestFunction()) + u'-' + what;
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_"));
        const QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
        lastShot.save(path);
        qWarning().noquote() << "screenshot kept:" << path;
        return path;
    }

    // Screenshots until `check` holds for one, for up to `timeoutMs`.
    bool screenShows(const std::function<bool(const QImage&)>& check, int timeoutMs = 4000)
    {
        QElapsedTimer clock;
        clock.start();
        do {
            const QImage shot = screenshot();
            if (!shot.isNull() && check(shot))
                return true;
            QTest::qWait(50);
        } while (clock.elapsed() < timeoutMs);
        return false;
    }

    // Empty when the screen comes to pass `check`, else the failure with the kept screenshot.
    QString screenFailure(const std::function<bool(const QImage&)>& check, const char* what)
    {
        if (screenShows(check))
            return {};
        return QStringLiteral("the screen never showed it; kept ") +
               keepShot(QString::fromLatin1(what));
    }

    // How much of the buttons of the controls row, as Qt paints them at their places, the screen
    // shows. While the row is hidden, the buttons as they were painted when last shown.
    double stripShare(const QImage& shot)
    {
        if (w().controlsRow()->isVisible()) {
            buttonLooks.clear();
            for (QPushButton* b : w().controlsRow()->findChildren<QPushButton*>()) {
                if (b->isVisible())
                    buttonLooks.append({b->grab().toImage(), b->mapToGlobal(QPoint(0, 0))});
            }
        }
        if (buttonLooks.isEmpty())
            return 0;
        double sum = 0;
        for (const auto& [look, at] : std::as_const(buttonLooks))
            sum += matchShare(shot, look, at);
        return sum / buttonLooks.size();
    }

    // Moves the real pointer and waits until the window has seen the movement, so it never
    // arrives late, after the step the test takes next.
    void movePointer(const QPoint& global)
    {
        PointerWatch watch(global);
        QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("mousemove"), QString::number(global.x()),
                           QString::number(global.y())});
        QVERIFY2(
            QTest::qWaitFor([&] { return watch.seen; }, 3000),
            qPrintable(
                QStringLiteral("no movement to %1,%2 arrived").arg(global.x()).arg(global.y())));
    }

    // A real double click of the first button, through the X server.
    void doubleClickAt(const QPoint& global)
    {
        movePointer(global);
        QTest::qWait(50);
        QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
                           QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1")});
    }

    bool playAndWait(const MediaItem& item)
    {
        QSignalSpy progressing(w().player(), &VlcPlayer::playbackProgressing);
        w().playMediaItem(item);
        return progressing.wait(10000);
    }

private slots:
    void initTestCase()
    {
        Theme::apply(*qApp);
        QVERIFY2(MediaGenerator::ffmpegAvailable(), "ffmpeg is needed to make the test media");
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("import")).isEmpty(),
                 "ImageMagick's import reads the screen");
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(),
                 "xdotool moves the real pointer");
        const QHash<QString, QString> movies{{QStringLiteral("21"), media.movieMp4(12)},
                                             {QStringLiteral("23"), media.multiTrackMkv(12)},
                                             {QStringLiteral("24"), media.videoOnlyTs(12)}};
        for (auto it = movies.cbegin(); it != movies.cend(); ++it) {
            QVERIFY2(!it.value().isEmpty(), qPrintable(media.lastError()));
            const QString path = it.value();
            harness.http().route(PlayerWindowHarness::moviePath(it.key()), [path](const Request&) {
                return LoopbackHttpServer::file(path, "video/mp4");
            });
        }
        QVERIFY(!media.subtitleSrt(12).isEmpty());
        QVERIFY(harness.startServer());
        QVERIFY2(windowManager.start(),
                 "openbox (scripts/install-deps.sh) makes windows fullscreen");
    }

    void cleanupTestCase() { windowManager.stop(); }

    void init()
    {
        FileDialog::reset();
        QVERIFY(harness.open());
        QTRY_VERIFY(WindowManager::manages(harness.window()));
        harness.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&harness.window()));
    }

    void cleanup() { harness.close(); }

    // Fullscreen on a live channel: the strip over the bottom of the video appears with the
    // pointer's movement and is gone 3 s after the last one, stays at the bottom when the window
    // changes size, and Escape brings the window back as it was.
    void controlStripOverTheVideo()
    {
        LiveStreamServer live;
        QVERIFY(live.start());
        const QUrl target = live.url();
        harness.http().route(
            PlayerWindowHarness::livePath(QStringLiteral("11")),
            [target](const Request&) { return LoopbackHttpServer::redirect(target); });
        QVERIFY(playAndWait(harness.live(QStringLiteral("11"))));
        QWidget* overlay = w().fullscreenOverlay();
        QVERIFY(overlay->testAttribute(Qt::WA_NativeWindow));
        QVERIFY(!overlay->isVisible());
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        movePointer(w().videoWidget()->mapToGlobal(QPoint(100, 100)));

        // windowed, Escape does nothing
        QTest::keyClick(&harness.window(), Qt::Key_Escape);
        QVERIFY(!w().fullscreen());

        QPushButton* button = buttonWithText(w().controlsRow(), QStringLiteral("Fullscreen"));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(w().fullscreen());
        QTRY_COMPARE(harness.window().geometry(), screen);
        QTRY_COMPARE(w().playerPanel()->size(), screen.size());
        QVERIFY(!w().serverRow()->isVisible());
        QVERIFY(!w().tabs()->isVisible());
        QCOMPARE(w().centralLayout()->contentsMargins(), QMargins(0, 0, 0, 0));
        QCOMPARE(w().playerPanelLayout()->contentsMargins(), QMargins(0, 0, 0, 0));
        QCOMPARE(w().fullscreenOverlayLayout()->indexOf(w().nowPlayingLabel()), 0);
        QCOMPARE(w().fullscreenOverlayLayout()->indexOf(w().seekRow()), 1);
        QCOMPARE(w().fullscreenOverlayLayout()->indexOf(w().controlsRow()), 2);
        // measured with all three rows, the seek row included, which a live channel keeps hidden
        const QList<QWidget*> rows{w().nowPlayingLabel(), w().seekRow(), w().controlsRow()};
        for (QWidget* row : rows) {
            QVERIFY(row->isHidden()); // until the pointer moves
            row->show();
        }
        const int withSeekRow = overlay->sizeHint().height();
        for (QWidget* row : rows)
            row->hide();
        QCOMPARE(w().overlayHeight(), withSeekRow);

        // no movement: the controls stay away and the picture fills the screen
        QTest::qWait(200);
        QVERIFY(!w().fullscreenControlsVisible());
        QVERIFY(!overlay->isVisible());
        const QRect stripMiddle(screen.width() / 3, screen.height() - withSeekRow / 2,
                                screen.width() / 3, withSeekRow / 2);
        VERIFY_SCREEN(
            [&](const QImage& shot) {
                return stripShare(shot) < 0.3 && videoShare(shot, stripMiddle) > 0.3;
            },
            "hidden-at-start");

        // the pointer moves: the strip is drawn over the video at the bottom
        QCOMPARE(w().controlsHideTimer()->interval(), 3000);
        QVERIFY(w().controlsHideTimer()->isSingleShot());
        w().controlsHideTimer()->setInterval(60000); // long enough to look at them
        movePointer(w().videoWidget()->mapToGlobal(QPoint(300, 200)));
        QTRY_VERIFY(w().fullscreenControlsVisible());
        QVERIFY(overlay->isVisible());
        QVERIFY(!w().seekRow()->isVisible());
        QCOMPARE(overlay->geometry(),
                 QRect(0, screen.height() - withSeekRow, screen.width(), withSeekRow));
        QVERIFY(!w().videoWidget()->testAttribute(Qt::WA_SetCursor));
        VERIFY_SCREEN([&](const QImage& shot) { return stripShare(shot) > 0.85; },
                      "shown-after-move");

        // moving on keeps them; 1 s (here; 3 s in use) after the last movement they go, and so
        // does the cursor
        w().controlsHideTimer()->setInterval(1000);
        QElapsedTimer sinceLastMove;
        for (int i = 0; i < 4; ++i) {
            movePointer(w().videoWidget()->mapToGlobal(QPoint(320 + 20 * i, 200)));
            sinceLastMove.start();
            QTest::qWait(250);
            QVERIFY(w().fullscreenControlsVisible());
        }
        QTRY_VERIFY(!w().fullscreenControlsVisible());
        QVERIFY2(sinceLastMove.elapsed() >= 900,
                 qPrintable(QString::number(sinceLastMove.elapsed())));
        QVERIFY(!overlay->isVisible());
        QCOMPARE(w().videoWidget()->cursor().shape(), Qt::BlankCursor);
        VERIFY_SCREEN(
            [&](const QImage& shot) {
                return stripShare(shot) < 0.3 && videoShare(shot, stripMiddle) > 0.3;
            },
            "hidden-after-timeout");

        // another channel while the controls are hidden keeps them hidden
        w().playMediaItem(harness.live(QStringLiteral("12")));
        QVERIFY(!w().fullscreenControlsVisible());
        QVERIFY(!overlay->isVisible());
        w().playMediaItem(harness.live(QStringLiteral("11")));

        // the window changes size while in fullscreen (here: without its window manager for a
        // moment, and back to the whole screen when the manager returns): the strip follows the
        // bottom edge of the panel
        w().controlsHideTimer()->setInterval(60000);
        movePointer(w().videoWidget()->mapToGlobal(QPoint(200, 150)));
        QTRY_VERIFY(w().fullscreenControlsVisible());
        windowManager.stop();
        const QSize smaller(1280, 720);
        harness.window().resize(smaller);
        QTRY_COMPARE(w().playerPanel()->size(), smaller);
        QVERIFY(w().fullscreen());
        QVERIFY(w().fullscreenControlsVisible());
        QCOMPARE(overlay->geometry(),
                 QRect(0, smaller.height() - withSeekRow, smaller.width(), withSeekRow));
        QCOMPARE(
            w().controlsRow()->mapTo(w().playerPanel(), QPoint(0, w().controlsRow()->height())).y(),
            smaller.height());
        VERIFY_SCREEN([&](const QImage& shot) { return stripShare(shot) > 0.85; },
                      "shown-after-resize");
        QVERIFY(windowManager.start());
        QTRY_COMPARE(w().playerPanel()->size(), screen.size());
        QCOMPARE(overlay->geometry(),
                 QRect(0, screen.height() - withSeekRow, screen.width(), withSeekRow));
        harness.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&harness.window()));
        VERIFY_SCREEN([&](const QImage& shot) { return stripShare(shot) > 0.85; },
                      "shown-after-second-resize");

        // Escape: windowed again, the rows back under the video, the strip gone
        QTest::keyClick(&harness.window(), Qt::Key_Escape);
        QVERIFY(!w().fullscreen());
        QVERIFY(!w().fullscreenControlsVisible());
        QVERIFY(!w().controlsHideTimer()->isActive());
        QTRY_VERIFY(!harness.window().isFullScreen());
        QVERIFY(!overlay->isVisible());
        QVERIFY(w().serverRow()->isVisible());
        QVERIFY(w().tabs()->isVisible());
        QCOMPARE(w().centralLayout()->contentsMargins(), QMargins(6, 6, 6, 6));
        QCOMPARE(w().playerPanelLayout()->contentsMargins(), QMargins(4, 4, 4, 4));
        QCOMPARE(w().playerPanelLayout()->indexOf(w().videoWidget()), 0);
        QCOMPARE(w().playerPanelLayout()->indexOf(w().nowPlayingLabel()), 1);
        const int panelRows = w().playerPanelLayout()->count();
        QCOMPARE(w().playerPanelLayout()->indexOf(w().seekRow()), panelRows - 2);
        QCOMPARE(w().playerPanelLayout()->indexOf(w().controlsRow()), panelRows - 1);
        QCOMPARE(w().fullscreenOverlayLayout()->count(), 0);
        QVERIFY(w().controlsRow()->isVisible());
        QVERIFY(w().nowPlayingLabel()->isVisible());
        QVERIFY(!w().seekRow()->isVisible());
        QVERIFY(!w().videoWidget()->testAttribute(Qt::WA_SetCursor));
        VERIFY_SCREEN([&](const QImage& shot) { return stripShare(shot) > 0.85; },
                      "windowed-again");
    }

    // The other ways in and out: F on the panel, F11, a double click on the video; a movie's strip
    // holds its seek row.
    void keyAndDoubleClickToggle()
    {
        QVERIFY(playAndWait(harness.movie(QStringLiteral("21"))));
        const QRect normal = harness.window().geometry();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(w().playerPanel()->hasFocus());
        QTest::keyClick(w().playerPanel(), Qt::Key_F);
        QVERIFY(w().fullscreen());
        QTRY_COMPARE(harness.window().geometry(), screen);
        w().controlsHideTimer()->setInterval(60000);
        movePointer(w().videoWidget()->mapToGlobal(QPoint(50, 50)));
        QTRY_VERIFY(w().fullscreenControlsVisible());
        QVERIFY(w().seekRow()->isVisible());
        QVERIFY(w().overlayHeight() > w().controlsRow()->height() + w().seekRow()->height());
        doubleClickAt(w().videoWidget()->mapToGlobal(QPoint(60, 60)));
        QTRY_VERIFY(!w().fullscreen());
        QTRY_COMPARE(harness.window().geometry(), normal);
        QVERIFY(w().seekRow()->isVisible());
        doubleClickAt(w().videoWidget()->mapToGlobal(QPoint(80, 80)));
        QTRY_VERIFY(w().fullscreen());
        QTRY_COMPARE(harness.window().geometry(), screen);
        QTest::keyClick(w().playerPanel(), Qt::Key_F);
        QVERIFY(!w().fullscreen());
        QTRY_COMPARE(harness.window().geometry(), normal);
        // a double click beside the video is no toggle
        doubleClickAt(w().playerPanel()->mapToGlobal(QPoint(1, 1)));
        QTest::qWait(300);
        QVERIFY(!w().fullscreen());
        // F11 from anywhere in the window, as elsewhere on the desktop
        w().tabs()->setFocus();
        QTest::keyClick(w().tabs(), Qt::Key_F11);
        QTRY_COMPARE(harness.window().geometry(), screen);
        QTest::keyClick(&harness.window(), Qt::Key_F11);
        QTRY_COMPARE(harness.window().geometry(), normal);
    }

    // The subtitle menu: "Disable", the tracks, "Load Subtitle File..."; it opens upward from
    // its button, and a chosen file becomes the shown subtitle.
    void subtitleMenu()
    {
        QVERIFY(playAndWait(harness.movie(QStringLiteral("21"))));
        w().player()->pause();
        QTRY_VERIFY(!w().player()->isPlaying());
        QList<MenuEntry> entries;
        QRect menuRect;
        onNextMenu([&](QMenu* menu) {
            entries = entriesOf(menu);
            menuRect = menu->geometry();
            menu->close();
        });
        QTest::mouseClick(w().subtitleButton(), Qt::LeftButton);
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[0].text, QStringLiteral("Disable"));
        QVERIFY(entries[0].checkable && entries[0].checked);
        QVERIFY(entries[1].separator);
        QCOMPARE(entries[2].text, QStringLiteral("Load Subtitle File..."));
        QVERIFY(!entries[2].checkable && entries[2].enabled);
        const QPoint buttonTop = w().subtitleButton()->mapToGlobal(QPoint(0, 0));
        QCOMPARE(menuRect.left(), buttonTop.x());
        QCOMPARE(menuRect.bottom() + 1, buttonTop.y());

        // a cancelled file dialog changes nothing
        FileDialog::queueAnswer(QString());
        onNextMenu([](QMenu* menu) { clickAction(menu, QStringLiteral("Load Subtitle File...")); });
        QTest::mouseClick(w().subtitleButton(), Qt::LeftButton);
        const auto asked = FileDialog::takeAsked();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].caption, QStringLiteral("Load Subtitle File"));
        QCOMPARE(asked[0].dir, QString());
        QCOMPARE(asked[0].filter,
                 QStringLiteral("Subtitles (*.srt *.ass *.ssa *.sub *.vtt);;All Files (*)"));
        QTest::qWait(200);
        QVERIFY(w().player()->subtitleTracks().isEmpty());

        // a chosen file is loaded and shown, and the menu lists it as the checked track
        FileDialog::queueAnswer(media.subtitleSrt(12));
        onNextMenu([](QMenu* menu) { clickAction(menu, QStringLiteral("Load Subtitle File...")); });
        QTest::mouseClick(w().subtitleButton(), Qt::LeftButton);
        QTRY_COMPARE(w().player()->subtitleTracks().size(), 1);
        const int loaded = w().player()->subtitleTracks().at(0).first;
        QTRY_COMPARE(w().player()->currentSubtitleTrack(), loaded);
        const QString name = w().player()->subtitleTracks().at(0).second;
        onNextMenu([&](QMenu* menu) {
            entries = entriesOf(menu);
            clickAction(menu, QStringLiteral("Disable"));
        });
        QTest::mouseClick(w().subtitleButton(), Qt::LeftButton);
        QCOMPARE(entries.size(), 5);
        QVERIFY(!entries[0].checked);
        QVERIFY(entries[1].separator);
        QCOMPARE(entries[2].text, name);
        QVERIFY(entries[2].checkable && entries[2].checked);
        QVERIFY(entries[3].separator);
        QCOMPARE(entries[4].text, QStringLiteral("Load Subtitle File..."));
        QTRY_COMPARE(w().player()->currentSubtitleTrack(), -1);

        // and back on through the menu
        onNextMenu([&](QMenu* menu) { clickAction(menu, name); });
        QTest::mouseClick(w().subtitleButton(), Qt::LeftButton);
        QTRY_COMPARE(w().player()->currentSubtitleTrack(), loaded);
    }

    // The audio menu: both tracks of a two-track file, the current one checked, choosing the other
    // switches the player; a stream without sound offers only the disabled "No audio tracks".
    void audioMenu()
    {
        QVERIFY(playAndWait(harness.movie(QStringLiteral("23"))));
        QTRY_COMPARE(w().player()->audioTracks().size(), 2);
        w().player()->pause();
        const QList<QPair<int, QString>> tracks = w().player()->audioTracks();
        QTRY_VERIFY(w().player()->currentAudioTrack() == tracks.at(0).first);

        QList<MenuEntry> entries;
        QRect menuRect;
        onNextMenu([&](QMenu* menu) {
            entries = entriesOf(menu);
            menuRect = menu->geometry();
            clickAction(menu, tracks.at(1).second);
        });
        QTest::mouseClick(w().audioButton(), Qt::LeftButton);
        QCOMPARE(entries.size(), 2);
        QVERIFY2(entries[0].text.contains(QStringLiteral("English")), qPrintable(entries[0].text));
        QVERIFY2(entries[1].text.contains(QStringLiteral("Deutsch")), qPrintable(entries[1].text));
        QVERIFY(entries[0].checkable && entries[0].checked);
        QVERIFY(entries[1].checkable && !entries[1].checked);
        const QPoint buttonTop = w().audioButton()->mapToGlobal(QPoint(0, 0));
        QCOMPARE(menuRect.left(), buttonTop.x());
        QCOMPARE(menuRect.bottom() + 1, buttonTop.y());
        QTRY_COMPARE(w().player()->currentAudioTrack(), tracks.at(1).first);

        onNextMenu([&](QMenu* menu) {
            entries = entriesOf(menu);
            menu->close();
        });
        QTest::mouseClick(w().audioButton(), Qt::LeftButton);
        QVERIFY(!entries[0].checked);
        QVERIFY(entries[1].checked);

        // a picture without sound
        QVERIFY(playAndWait(harness.movie(QStringLiteral("24"))));
        onNextMenu([&](QMenu* menu) {
            entries = entriesOf(menu);
            clickAction(menu, QStringLiteral("No audio tracks")); // disabled: stays open
        });
        QTest::mouseClick(w().audioButton(), Qt::LeftButton);
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].text, QStringLiteral("No audio tracks"));
        QVERIFY(!entries[0].enabled);
        QVERIFY(!entries[0].checkable);
    }

    // Two clicks on "Info": two windows, neither modal; "Refresh" in one leaves the other as it
    // was; each goes away when closed.
    void streamInfoWindows()
    {
        QVERIFY(playAndWait(harness.movie(QStringLiteral("21"))));
        QPushButton* info = buttonWithText(w().controlsRow(), QStringLiteral("Info"));
        QVERIFY(info);
        const QList<QDialog*> before = harness.window().findChildren<QDialog*>();
        QTest::mouseClick(info, Qt::LeftButton);
        QTest::mouseClick(info, Qt::LeftButton);
        QList<QPointer<QDialog>> opened;
        for (QDialog* d : harness.window().findChildren<QDialog*>()) {
            if (!before.contains(d))
                opened.append(d);
        }
        QCOMPARE(opened.size(), 2);
        QVERIFY(opened[0] != opened[1]);
        QVERIFY(!QApplication::activeModalWidget());
        QList<QPlainTextEdit*> texts;
        for (QDialog* d : std::as_const(opened)) {
            QVERIFY(d->isVisible());
            QVERIFY(!d->isModal());
            QCOMPARE(d->windowTitle(), QStringLiteral("Stream Info"));
            QCOMPARE(d->minimumSize(), QSize(440, 340));
            QVERIFY(d->testAttribute(Qt::WA_DeleteOnClose));
            auto* text = d->findChild<QPlainTextEdit*>();
            QVERIFY(text && text->isReadOnly());
            QVERIFY2(text->toPlainText().startsWith(QStringLiteral("Video codec: h264\n")),
                     qPrintable(text->toPlainText()));
            texts.append(text);
        }

        // the counts move on while the movie plays; only the refreshed window shows it
        const QString first = texts[0]->toPlainText();
        QTest::qWait(1000);
        QPushButton* refresh = buttonWithText(opened[1], QStringLiteral("Refresh"));
        QVERIFY(refresh);
        QTest::mouseClick(refresh, Qt::LeftButton);
        QVERIFY(texts[1]->toPlainText() != first);
        QCOMPARE(texts[0]->toPlainText(), first);

        opened[0]->close();
        QTRY_VERIFY(opened[0].isNull());
        QVERIFY(!opened[1].isNull());
        QCOMPARE(texts[1]->parentWidget(), opened[1].data());
        opened[1]->close();
        QTRY_VERIFY(opened[1].isNull());
    }
};

VELMORA_TEST_MAIN_AFTER(TestMainWindowFullscreen, useSilentAudioOutput())

#include "tst_mainwindow_fullscreen.moc"
