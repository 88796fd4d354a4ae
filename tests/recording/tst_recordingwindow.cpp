// Recording through the real window under Xvfb, with the real player: R on a live channel
// records it while it plays, the controls show it, R stops it, and the file plays from the
// "Recordings" category of the movies tab like a movie.
#include "app/messagebox.h"
#include "livestreamserver.h"
#include "mediaprobe.h"
#include "player/vlcplayer.h"
#include "playerwindowharness.h"
#include "recording/recordingflow.h"
#include "recording/recordingmanager.h"
#include "recording/recordingpreferencespage.h"
#include "recording/recordingsettings.h"
#include "testmain.h"
#include "ui/mainwindow.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

class TestRecordingWindow : public QObject
{
    Q_OBJECT

    PlayerWindowHarness harness;
    LiveStreamServer live;
    QTemporaryDir folder;

    MainWindowTestAccess& w() { return harness.w(); }
    RecordingManager* manager() { return w().recordingFlow()->manager(); }
    QPushButton* recordButton()
    {
        return w().controlsRow()->findChild<QPushButton*>(QStringLiteral("recordButton"));
    }
    QLabel* mark()
    {
        return w().controlsRow()->findChild<QLabel*>(QStringLiteral("recordingMark"));
    }

private slots:
    void initTestCase()
    {
        if (!MediaProbe::available())
            QSKIP("ffmpeg and ffprobe are needed");
        QVERIFY(live.start());
        QVERIFY(harness.startServer());
        const QUrl stream = live.url();
        harness.http().route(
            PlayerWindowHarness::livePath(QStringLiteral("11")),
            [stream](const auto&) { return LoopbackHttpServer::redirect(stream); });
        QVERIFY(harness.open());
        manager()->setFolder(folder.path());
    }

    void cleanupTestCase()
    {
        MessageBox::reset();
        harness.close();
    }

    void recordKeyRecordsThePlayingChannel()
    {
        QSignalSpy playing(w().player(), &VlcPlayer::playing);
        w().playMediaItem(harness.live(QStringLiteral("11")));
        QTRY_VERIFY(recordButton()->isVisible());
        QCOMPARE(recordButton()->text(), QStringLiteral("Record"));
        QTRY_VERIFY_WITH_TIMEOUT(playing.count() > 0, 20000);

        QTest::keyClick(w().playerPanel(), Qt::Key_R);
        const QString server = w().activeSource().name;
        QTRY_VERIFY2(
            manager()->runningOn(server, QStringLiteral("11")), qPrintable([this]() {
                QStringList seen;
                for (const Recording& r : manager()->recordings())
                    seen.append(
                        QStringLiteral("%1 %2 %3").arg(r.title).arg(r.state).arg(r.message));
                for (const auto& box : MessageBox::takeShown())
                    seen.append(box.text);
                return seen.join(QStringLiteral(" | "));
            }()));
        QTRY_COMPARE(recordButton()->text(), QStringLiteral("Stop Recording"));
        QTRY_VERIFY(mark()->isVisible());
        QVERIFY(mark()->text().startsWith(QStringLiteral("\u25CF")));
        const qint64 id = manager()->runningOn(server, QStringLiteral("11"))->id;
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(manager()->find(id)->path).size() > 150000, 20000);
        QVERIFY(w().hasMedia()); // watching went on meanwhile

        // Closing the window now asks first; without a tray it says recordings need it open.
        MessageBox::reset();
        MessageBox::queueAnswer(QMessageBox::Cancel);
        QVERIFY(!harness.window().close());
        QVERIFY(harness.window().isVisible());
        const auto shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().text.contains(QStringLiteral("recording")),
                 qPrintable(shown.first().text));

        QTest::keyClick(w().playerPanel(), Qt::Key_R);
        QTRY_COMPARE(manager()->find(id)->state, int(Recording::Done));
        QTRY_COMPARE(recordButton()->text(), QStringLiteral("Record"));
        QVERIFY(!mark()->isVisible());
        const QString path = manager()->find(id)->path;
        QVERIFY(path.startsWith(folder.path()));
        QVERIFY(MediaProbe::of(path).seconds > 1.0);

        // The recording is the first entry of "Recordings", after "Continue Watching".
        QListWidget* categories = w().movieTab()->categoryList;
        int at = -1;
        for (int row = 0; row < categories->count(); ++row)
            if (categories->item(row)->data(Qt::UserRole) == RecordingFlow::kRecordingsCategoryId)
                at = row;
        QVERIFY(at > 0);
        QCOMPARE(categories->item(at - 1)->text(), QStringLiteral("Continue Watching"));
        w().movieTab()->selectCategory(categories->item(at));
        QCOMPARE(w().movieTab()->shown.size(), 1);
        const MediaItem item = w().movieTab()->shown.first();
        QVERIFY(item.name.contains(harness.live(QStringLiteral("11")).name));

        // It plays like a movie, from its file, seekable.
        playing.clear();
        w().playMediaItem(item);
        QCOMPARE(w().currentKind(), int(MediaItem::Movie));
        QCOMPARE(QUrl(w().currentUrl()).toLocalFile(), path);
        QTRY_VERIFY_WITH_TIMEOUT(playing.count() > 0, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(w().seekRow()->isVisible(), 10000);
        w().player()->stop();

        QString message;
        QVERIFY2(manager()->remove(id, &message), qPrintable(message));
        QVERIFY(!QFileInfo::exists(path));
        w().movieTab()->refilter();
        QCOMPARE(w().movieTab()->shown.size(), 0);
    }

    void preferencesChooseTheFolder()
    {
        RecordingPreferencesPage page(manager());
        QTemporaryDir other;
        page.findChild<QLineEdit*>(QStringLiteral("recordingFolder"))->setText(other.path());
        auto* pauseBuffer = page.findChild<QSpinBox*>(QStringLiteral("pauseBuffer"));
        QCOMPARE(pauseBuffer->value(), 30); // minutes of a paused live channel kept
        pauseBuffer->setValue(45);
        QCOMPARE(page.apply(), QString());
        QCOMPARE(manager()->folder(), other.path());
        QCOMPARE(recordingsettings::pauseBufferMinutes(), 45);
        RecordingPreferencesPage again(manager());
        QCOMPARE(again.findChild<QLineEdit*>(QStringLiteral("recordingFolder"))->text(),
                 QDir::toNativeSeparators(other.path()));
        QCOMPARE(again.findChild<QSpinBox*>(QStringLiteral("pauseBuffer"))->value(), 45);
        manager()->setFolder(folder.path());
    }
};

VELMORA_TEST_MAIN(TestRecordingWindow)
#include "tst_recordingwindow.moc"
