// Pausing live TV through the real window under Xvfb, with the real player on a live channel of
// 127.0.0.1: Space keeps the channel arriving into a buffer on disk on the one connection, plays
// it on from there behind live, Left steps back, "Live" returns to the present and the buffer
// goes, as it does when the channel changes. A recording still running plays past the length it
// had when it was opened.
#include "app/messagebox.h"
#include "livestreamserver.h"
#include "mediaprobe.h"
#include "player/streamconnections.h"
#include "player/vlcplayer.h"
#include "playerwindowharness.h"
#include "recording/recordingflow.h"
#include "recording/recordingmanager.h"
#include "recording/timeshiftbuffer.h"
#include "recording/timeshiftflow.h"
#include "testmain.h"
#include "ui/clicktoseekslider.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
qint64 bytesUnder(const QString& folder)
{
    qint64 total = 0;
    QDirIterator it(folder, {QStringLiteral("*.ts")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        total += QFileInfo(it.next()).size();
    return total;
}

bool emptyFolder(const QString& path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty();
}
} // namespace

class TestTimeShiftWindow : public QObject
{
    Q_OBJECT

    PlayerWindowHarness harness;
    LiveStreamServer live;
    QTemporaryDir folder;

    MainWindowTestAccess& w() { return harness.w(); }
    TimeShiftFlow* timeShift() { return w().timeShift(); }
    QPushButton* liveButton()
    {
        return w().controlsRow()->findChild<QPushButton*>(QStringLiteral("liveButton"));
    }
    qint64 behindMs() { return w().seekSlider()->maximum() - w().seekSlider()->value(); }
    void press(Qt::Key key) { QTest::keyClick(w().playerPanel(), key); }
    bool liveProgresses() { return w().player()->isPlaying() && w().player()->timeMs() > 0; }

private slots:
    void initTestCase()
    {
        if (!MediaProbe::available())
            QSKIP("ffmpeg and ffprobe are needed");
        QVERIFY(live.start());
        QVERIFY(harness.startServer());
        const QUrl stream = live.url();
        for (const QString& id : {QStringLiteral("11"), QStringLiteral("12")})
            harness.http().route(PlayerWindowHarness::livePath(id), [stream](const auto&) {
                return LoopbackHttpServer::redirect(stream);
            });
        QVERIFY(harness.open());
        harness.window().activateWindow();
        QApplication::setActiveWindow(&harness.window());
        QVERIFY(QTest::qWaitForWindowActive(&harness.window()));
        w().recordingFlow()->manager()->setFolder(folder.path());
    }

    void cleanupTestCase()
    {
        MessageBox::reset();
        harness.close();
        // Nothing is left in the cache once the window has gone.
        QVERIFY(emptyFolder(TimeShiftBuffer::rootFolder()));
    }

    void pauseRewindAndGoLive()
    {
        const MediaItem channel = harness.live(QStringLiteral("11"));
        w().playMediaItem(channel);
        QTRY_VERIFY_WITH_TIMEOUT(liveProgresses(), 20000);
        QVERIFY(!liveButton()->isVisible());
        // A server that allows one stream: pausing must not need a second.
        const QString server = w().activeSource().name;
        w().streamConnections()->setLimit(server, 1);

        // Space: the picture stays, the channel goes on arriving into the buffer.
        QElapsedTimer windowThread; // what pausing and resuming cost the window: a figure only
        windowThread.start();
        press(Qt::Key_Space);
        const qint64 pauseCostMs = windowThread.elapsed();
        QVERIFY(timeShift()->isBehindLive());
        QVERIFY(liveButton()->isVisible());
        const QString buffer = timeShift()->bufferFolder();
        QVERIFY(buffer.startsWith(TimeShiftBuffer::rootFolder()));
        QTRY_VERIFY_WITH_TIMEOUT(bytesUnder(buffer) > 0, 10000);
        const qint64 early = bytesUnder(buffer);
        QTRY_VERIFY_WITH_TIMEOUT(bytesUnder(buffer) > early + 100000, 20000);
        // One stream from the server, counted once: the buffer took the player's connection.
        QCOMPARE(live.clientCount(), 1);
        QCOMPARE(w().streamConnections()->openCount(server), 1);
        QVERIFY(!w().player()->isPlaying());
        QVERIFY(w().seekRow()->isVisible());
        QTRY_VERIFY(behindMs() >= 3000);

        // Space again: the buffer plays from where it paused, behind live.
        windowThread.start();
        press(Qt::Key_Space);
        qInfo("window thread: pause %lld ms, resume %lld ms", pauseCostMs, windowThread.elapsed());
        QTRY_VERIFY_WITH_TIMEOUT(w().player()->isPlaying() && w().player()->timeMs() >= 1500,
                                 20000);
        QVERIFY(timeShift()->isBehindLive());
        QVERIFY2(behindMs() >= 2500, qPrintable(QString::number(behindMs())));
        QVERIFY(w().timeLabel()->text().startsWith(u'-'));
        QCOMPARE(live.clientCount(), 1);

        // Left steps back through the buffer (to its start here): further behind live.
        const int before = w().seekSlider()->value();
        const qint64 behindBefore = behindMs();
        press(Qt::Key_Left);
        QTRY_VERIFY(w().seekSlider()->value() < before);
        QVERIFY(behindMs() > behindBefore + 1000);
        QTRY_VERIFY_WITH_TIMEOUT(w().player()->isPlaying() && w().player()->timeMs() > 0, 20000);

        // "Live": the channel plays live again and the buffer is gone.
        QSignalSpy playing(w().player(), &VlcPlayer::playing);
        liveButton()->click();
        QVERIFY(!timeShift()->isActive());
        QVERIFY(!QFileInfo::exists(buffer));
        QVERIFY(!liveButton()->isVisible());
        QVERIFY(playing.count() > 0);
        QTRY_VERIFY_WITH_TIMEOUT(liveProgresses(), 20000);

        // L is "Live" too.
        press(Qt::Key_Space);
        QVERIFY(timeShift()->isBehindLive());
        press(Qt::Key_L);
        QVERIFY(!timeShift()->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(liveProgresses(), 20000);

        // Paused again, then another channel: that buffer goes too.
        press(Qt::Key_Space);
        const QString second = timeShift()->bufferFolder();
        QTRY_VERIFY_WITH_TIMEOUT(bytesUnder(second) > 0, 10000);
        w().playMediaItem(harness.live(QStringLiteral("12")));
        QVERIFY(!timeShift()->isActive());
        QVERIFY(!QFileInfo::exists(second));
        QVERIFY(emptyFolder(TimeShiftBuffer::rootFolder()));
        QTRY_VERIFY_WITH_TIMEOUT(liveProgresses(), 20000);
        QCOMPARE(w().streamConnections()->openCount(server), 1);
        QVERIFY(MessageBox::takeShown().isEmpty());
        w().streamConnections()->setLimit(server, 0);
    }

    void unwritableCacheKeepsPlayingLive()
    {
        w().playMediaItem(harness.live(QStringLiteral("11")));
        QTRY_VERIFY_WITH_TIMEOUT(liveProgresses(), 20000);
        // A file where the buffers' folder belongs: nothing can be made there, not even by root.
        const QString root = TimeShiftBuffer::rootFolder();
        QDir().rmdir(root);
        QFile blocker(root);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        MessageBox::reset();
        MessageBox::queueAnswer(QMessageBox::Ok);
        press(Qt::Key_Space);
        QVERIFY(!timeShift()->isActive());
        const auto shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().text.contains(QDir::toNativeSeparators(root)),
                 qPrintable(shown.first().text));
        QVERIFY(w().hasMedia());
        QTRY_VERIFY_WITH_TIMEOUT(liveProgresses(), 20000);
        QVERIFY(QFile::remove(root));
        QVERIFY(QDir().mkpath(root));
    }

    void runningRecordingPlaysAsItGrows()
    {
        RecordingManager* manager = w().recordingFlow()->manager();
        w().playMediaItem(harness.live(QStringLiteral("11")));
        QTRY_VERIFY_WITH_TIMEOUT(liveProgresses(), 20000);
        press(Qt::Key_R);
        const QString server = w().activeSource().storageKey();
        QTRY_VERIFY(manager->runningOn(server, QStringLiteral("11")));
        const qint64 id = manager->runningOn(server, QStringLiteral("11"))->id;
        const QString path = manager->find(id)->path;
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(path).size() > 100000, 20000);

        // Opened while it runs: it plays past the length it had then.
        const double openedSeconds = MediaProbe::of(path).seconds;
        QVERIFY(openedSeconds > 0);
        QListWidget* categories = w().movieTab()->categoryList;
        for (int row = 0; row < categories->count(); ++row)
            if (categories->item(row)->data(Qt::UserRole) == RecordingFlow::kRecordingsCategoryId)
                w().movieTab()->selectCategory(categories->item(row));
        QVERIFY(!w().movieTab()->shown.isEmpty());
        const MediaItem item = w().movieTab()->shown.first();
        w().playMediaItem(item);
        QVERIFY(timeShift()->isActive());
        QVERIFY(!timeShift()->isBehindLive());
        const qint64 past = qint64(openedSeconds * 1000) + 2500;
        QTRY_VERIFY_WITH_TIMEOUT(w().player()->timeMs() > past, 30000);
        QVERIFY(w().player()->isPlaying());
        QVERIFY(w().seekRow()->isVisible());

        manager->stop(id);
        QTRY_COMPARE(manager->find(id)->state, int(Recording::Done));
        w().player()->stop();
    }
};

VELMORA_TEST_MAIN(TestTimeShiftWindow)
#include "tst_timeshiftwindow.moc"
