// Recording through the real window under Xvfb, with the real player: R on a live channel
// records it while it plays, the controls show it, R stops it, and the file plays from the
// "Recordings" category of the movies tab like a movie. In the TV Guide grid a past programme of
// the archive is downloaded from the context menu (and a refused one says so), and a planned
// programme carries the recording's mark, in either direction of the layout.
#include "app/clock.h"
#include "app/messagebox.h"
#include "catchup/catchupaddress.h"
#include "guide/guidegrid.h"
#include "guide/guidegriddata.h"
#include "guide/guidegridtab.h"
#include "livestreamserver.h"
#include "mediagenerator.h"
#include "mediaprobe.h"
#include "player/vlcplayer.h"
#include "playerwindowharness.h"
#include "recording/recordingflow.h"
#include "recording/recordingmanager.h"
#include "recording/recordingpreferencespage.h"
#include "recording/recordingsettings.h"
#include "testmain.h"
#include "testtime.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
const QString kArchiveChannel = QStringLiteral("13");

QByteArray xmltvTime(qint64 secs)
{
    return QDateTime::fromSecsSinceEpoch(secs, Qt::UTC)
               .toString(QStringLiteral("yyyyMMddHHmmss"))
               .toLatin1() +
           " +0000";
}

GuideProgramme programme(const QString& title, qint64 start, qint64 minutes)
{
    GuideProgramme p;
    p.title = title;
    p.start = start;
    p.stop = start + minutes * 60;
    return p;
}

// Pixels of the recording mark's red in `area` of the grid's picture.
int markPixels(const QImage& shot, const QRect& area)
{
    int count = 0;
    const QRect inside = area.intersected(shot.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            count += c.red() > 170 && c.green() < 100 && c.blue() < 100;
        }
    return count;
}
} // namespace

class TestRecordingWindow : public QObject
{
    Q_OBJECT

    PlayerWindowHarness harness;
    LiveStreamServer live;
    QTemporaryDir folder;
    MediaGenerator media;
    QString clip;
    // The guide of the archive channel, on whole minutes around the start of the test.
    QList<GuideProgramme> programmes;

    const GuideProgramme& find(const QString& title) const
    {
        for (const GuideProgramme& p : programmes)
            if (p.title == title)
                return p;
        return programmes.first();
    }

    GuideGrid* showGrid()
    {
        auto* tab = harness.window().findChild<GuideGridTab*>(QStringLiteral("liveGuideTab"));
        if (!tab)
            return nullptr;
        QListWidget* categories = w().liveCategoryList();
        if (w().liveTab()->categoryId.isEmpty())
            emit categories->itemClicked(categories->item(0));
        w().tabs()->setCurrentWidget(tab);
        return QTest::qWaitFor([&]() { return archiveRow(tab->grid()) >= 0; }, 10000) ? tab->grid()
                                                                                      : nullptr;
    }

    int archiveRow(GuideGrid* grid) const
    {
        for (int row = 0; row < grid->channels().size(); ++row)
            if (grid->channels().at(row).id == kArchiveChannel)
                return row;
        return -1;
    }

    // The grid has read `p` from the guide (it reads around what it paints).
    bool guideRead(GuideGrid* grid, const GuideProgramme& p)
    {
        grid->showTime(p.start - 600);
        return QTest::qWaitFor(
            [&]() {
                grid->viewport()->update();
                const auto known = grid->data()->programmes(archiveRow(grid), p.start, p.stop);
                return !known.isEmpty() && known.first().title == p.title;
            },
            testTimeout(20000));
    }

    // Where a programme's block is on the grid's viewport, as painted.
    QRect blockOn(GuideGrid* grid, const GuideProgramme& p) const
    {
        const QRect logical = grid->gridLayout().blockRect(archiveRow(grid), p.start, p.stop);
        const QRect shown(grid->toViewport(logical.left(), logical.top()), logical.size());
        return QStyle::visualRect(grid->layoutDirection(), grid->viewport()->rect(), shown);
    }

    // Right-clicks the programme and picks `action` from the menu; false when it has none.
    bool chooseFromMenu(GuideGrid* grid, const GuideProgramme& p, const QString& action)
    {
        grid->showTime(p.start - 600);
        QApplication::processEvents();
        const QPoint at = blockOn(grid, p).center();
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, at);
        bool found = false;
        QTimer picker;
        picker.setInterval(20);
        QObject::connect(&picker, &QTimer::timeout, [&]() {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            picker.stop();
            for (QAction* item : menu->actions())
                if (item->text() == action) {
                    found = true;
                    menu->close();
                    item->trigger();
                    return;
                }
            menu->close();
        });
        picker.start();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &event);
        return found;
    }

    const Recording* recordingTitled(const QString& title)
    {
        for (const Recording& r : manager()->recordings())
            if (r.title == title)
                return &r;
        return nullptr;
    }

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
        clip = media.movieTs(6);
        QVERIFY2(!clip.isEmpty(), qPrintable(media.lastError()));
        QVERIFY(live.start());

        // One channel keeps an archive and has a guide: two past programmes, one running and
        // two to come.
        XtreamFixture::Catalog catalog = harness.fixture().catalog();
        for (MediaItem& item : catalog.live)
            if (item.id == kArchiveChannel) {
                item.archiveDays = 3;
                item.guideId = QStringLiteral("other.test");
            }
        harness.fixture().setCatalog(catalog);
        const qint64 base = Clock::epochSecs() / 60 * 60;
        programmes = {programme(QStringLiteral("Gone Show"), base - 75 * 60, 25),
                      programme(QStringLiteral("Old Show"), base - 50 * 60, 30),
                      programme(QStringLiteral("Now Show"), base - 20 * 60, 50),
                      programme(QStringLiteral("Later Show"), base + 30 * 60, 30),
                      programme(QStringLiteral("Much Later"), base + 60 * 60, 60)};
        QByteArray guide = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tv>\n<channel "
                           "id=\"other.test\"><display-name>Other</display-name></channel>\n";
        for (const GuideProgramme& p : std::as_const(programmes))
            guide += "<programme start=\"" + xmltvTime(p.start) + "\" stop=\"" + xmltvTime(p.stop) +
                     "\" channel=\"other.test\"><title>" + p.title.toUtf8() +
                     "</title></programme>\n";
        guide += "</tv>\n";
        harness.http().route(QStringLiteral("/xmltv.php"), [guide](const auto&) {
            return LoopbackHttpServer::text(guide, "application/xml");
        });
        // The archive sends the clip, except for "Gone Show", which it no longer keeps.
        const GuideProgramme gone = programmes.first();
        const QString goneMinutes = QString::number(
            CatchupAddress::durationMinutes({gone.start, gone.stop, Clock::epochSecs()}));
        const QString file = clip;
        harness.http().setFallback([file, goneMinutes](const LoopbackHttpServer::Request& r) {
            if (!r.path.startsWith(QStringLiteral("/timeshift/")))
                return LoopbackHttpServer::stall();
            if (r.path.section(u'/', 4, 4) == goneMinutes)
                return LoopbackHttpServer::status(404);
            return LoopbackHttpServer::file(file, "video/mp2t");
        });
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
        const QString server = w().activeSource().storageKey();
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

    void downloadFromTheGuideGrid()
    {
        MessageBox::reset();
        GuideGrid* grid = showGrid();
        QVERIFY(grid);
        const GuideProgramme old = find(QStringLiteral("Old Show"));
        QVERIFY(guideRead(grid, old));

        // A past programme offers "Download"; it runs as an entry of "Recordings" and ends as
        // the server's bytes.
        QVERIFY(chooseFromMenu(grid, old, QStringLiteral("Download")));
        QTRY_VERIFY_WITH_TIMEOUT(recordingTitled(old.title), 20000);
        QCOMPARE(recordingTitled(old.title)->kind, int(Recording::Archive));
        QTRY_COMPARE_WITH_TIMEOUT(recordingTitled(old.title)->state, int(Recording::Done), 20000);
        const QString path = recordingTitled(old.title)->path;
        QVERIFY(path.startsWith(folder.path()));
        QFile source(clip);
        QFile saved(path);
        QVERIFY(source.open(QIODevice::ReadOnly) && saved.open(QIODevice::ReadOnly));
        QVERIFY(source.readAll() == saved.readAll());
        QVERIFY(MediaProbe::of(path).hasVideo);
        QVERIFY(MessageBox::takeShown().isEmpty());

        QListWidget* movieCategories = w().movieTab()->categoryList;
        for (int row = 0; row < movieCategories->count(); ++row)
            if (movieCategories->item(row)->data(Qt::UserRole) ==
                RecordingFlow::kRecordingsCategoryId)
                w().movieTab()->selectCategory(movieCategories->item(row));
        QCOMPARE(w().movieTab()->categoryId, RecordingFlow::kRecordingsCategoryId);
        bool listed = false;
        for (const MediaItem& item : std::as_const(w().movieTab()->shown))
            listed = listed || (item.name.startsWith(old.title) &&
                                QUrl(item.streamUrl).toLocalFile() == path);
        QVERIFY(listed);

        // A programme the archive no longer keeps ends with the server's refusal.
        const GuideProgramme gone = find(QStringLiteral("Gone Show"));
        grid = showGrid();
        MessageBox::queueAnswer(QMessageBox::Ok);
        QVERIFY(chooseFromMenu(grid, gone, QStringLiteral("Download")));
        QTRY_VERIFY_WITH_TIMEOUT(recordingTitled(gone.title) &&
                                     recordingTitled(gone.title)->state == Recording::Failed,
                                 20000);
        QVERIFY2(recordingTitled(gone.title)->message.contains(QStringLiteral("404")),
                 qPrintable(recordingTitled(gone.title)->message));
        QList<MessageBox::Shown> boxes;
        QTRY_VERIFY((boxes += MessageBox::takeShown(), !boxes.isEmpty()));
        QCOMPARE(boxes.first().title, QStringLiteral("Download Failed"));
        QVERIFY(boxes.first().text.contains(gone.title));

        // What is still to come offers no download.
        QVERIFY(
            !chooseFromMenu(grid, find(QStringLiteral("Later Show")), QStringLiteral("Download")));
    }

    void gridMarksPlannedRecordings_data()
    {
        QTest::addColumn<bool>("rightToLeft");
        QTest::newRow("left to right") << false;
        QTest::newRow("right to left") << true;
    }
    void gridMarksPlannedRecordings()
    {
        QFETCH(bool, rightToLeft);
        GuideGrid* grid = showGrid();
        QVERIFY(grid);
        grid->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        const GuideProgramme later = find(QStringLiteral("Later Show"));
        const GuideProgramme other = find(QStringLiteral("Much Later"));
        QVERIFY(guideRead(grid, later));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, blockOn(grid, later).center());
        QCOMPARE(grid->selection().start, later.start);
        MessageBox::reset();
        MessageBox::queueAnswer(QMessageBox::Ok); // a refusal would say why, below
        QTest::keyClick(grid, Qt::Key_R);
        const QString server = w().activeSource().storageKey();
        QTRY_VERIFY2(manager()->plannedAt(server, kArchiveChannel, later.start * 1000),
                     qPrintable([]() {
                         QStringList texts;
                         for (const auto& box : MessageBox::takeShown())
                             texts.append(box.text);
                         return texts.join(u'|');
                     }()));
        MessageBox::reset();

        // The mark sits in the corner where the programme ends: right, or left when mirrored.
        const auto endCorner = [&](const QRect& block) {
            return rightToLeft ? QRect(block.left(), block.top(), 20, 20)
                               : QRect(block.right() - 19, block.top(), 20, 20);
        };
        QImage shot;
        QTRY_VERIFY([&]() {
            shot = grid->viewport()->grab().toImage();
            return markPixels(shot, endCorner(blockOn(grid, later))) > 12;
        }());
        QCOMPARE(markPixels(shot, endCorner(blockOn(grid, other))), 0);
        QCOMPARE(markPixels(shot, blockOn(grid, later).adjusted(0, 20, 0, 0)), 0);

        if (const QString dir = qEnvironmentVariable("VELMORA_SHOT_DIR"); !dir.isEmpty()) {
            for (const QSize size : {QSize(1600, 1000), QSize(1024, 768)}) {
                harness.window().resize(size);
                QTest::qWait(300);
                harness.window().grab().save(
                    QStringLiteral("%1/grid-marks-%2x%3-%4.png")
                        .arg(dir)
                        .arg(size.width())
                        .arg(size.height())
                        .arg(rightToLeft ? QStringLiteral("rtl") : QStringLiteral("ltr")));
            }
        }

        // R again takes the plan back, and the mark goes.
        QVERIFY(guideRead(grid, later));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, blockOn(grid, later).center());
        QCOMPARE(grid->selection().start, later.start);
        QTest::keyClick(grid, Qt::Key_R);
        QTRY_VERIFY(!manager()->plannedAt(server, kArchiveChannel, later.start * 1000));
        QTRY_COMPARE(
            markPixels(grid->viewport()->grab().toImage(), endCorner(blockOn(grid, later))), 0);
        grid->setLayoutDirection(Qt::LeftToRight);
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
