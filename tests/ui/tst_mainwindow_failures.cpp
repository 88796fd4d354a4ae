// Playback failures in the main window, with the real player under Xvfb: live channels reconnect
// with growing waits until the stream returns, movies and episodes give up with an error box that
// can start them again, and storms of reports from libVLC's threads stay harmless.

#include "app/clock.h"
#include "app/messagebox.h"
#include "livestreamserver.h"
#include "mediagenerator.h"
#include "modaldriver.h"
#include "player/livebuffertuner.h"
#include "player/vlcplayer.h"
#include "playerwindowharness.h"
#include "silentaudio.h"
#include "stderrcapture.h"
#include "testmain.h"
#include "ui/mainwindow.h"
#include "ui/playbacktext.h"
#include "playbackmessages.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QMutex>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <thread>

using Request = LoopbackHttpServer::Request;
using Response = LoopbackHttpServer::Response;

namespace {
using namespace playbackmessages;
constexpr int kTimeScale = 10; // the window's waits, shortened for the tests that sit them out

QString reconnectNotice(const QString& title, int attempt)
{
    return QStringLiteral("Reconnecting to %1... (attempt %2)").arg(title).arg(attempt);
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// What the window showed for each interruption it handled: read right after its own handler ran
// (the lambda is connected after the window, so its queued call comes second).
struct Reaction
{
    qint64 atMs = 0;
    int attempt = 0;
    int interval = 0;
    bool timerActive = false;
    QString label;
};
} // namespace

class TestMainWindowFailures : public QObject
{
    Q_OBJECT

private:
    MediaGenerator media;
    PlayerWindowHarness harness;
    QMutex movieMutex; // the server answers on its own thread
    LoopbackHttpServer::Handler movieAnswer;

    MainWindowTestAccess& w() { return harness.w(); }
    QString label() { return w().nowPlayingLabel()->text(); }

    void setMovieAnswer(LoopbackHttpServer::Handler handler)
    {
        const QMutexLocker lock(&movieMutex);
        movieAnswer = std::move(handler);
    }

    void recordReactions(QList<Reaction>& into, const QElapsedTimer& clock, QObject* context)
    {
        connect(w().player(), &VlcPlayer::playbackInterrupted, context, [this, &into, &clock] {
            into.append(Reaction{clock.elapsed(), w().reconnectAttempts(),
                                 w().reconnectTimer()->interval(), w().reconnectTimer()->isActive(),
                                 label()});
        });
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(MediaGenerator::ffmpegAvailable(), "ffmpeg is needed to make the test media");
        QVERIFY2(!media.movieMp4(12).isEmpty(), qPrintable(media.lastError()));
        harness.http().route(
            PlayerWindowHarness::moviePath(QStringLiteral("21")), [this](const Request& request) {
                const QMutexLocker lock(&movieMutex);
                return movieAnswer ? movieAnswer(request) : LoopbackHttpServer::stall();
            });
        QVERIFY(harness.startServer());
    }

    void init()
    {
        MessageBox::reset();
        setMovieAnswer({});
        QVERIFY(harness.open());
    }

    void cleanup()
    {
        harness.close();
        MessageBox::reset();
        Clock::setTimeScale(1);
    }

    // The waits follow 1, 2, 4, 8, 15, 15, ... s on the timer itself; the attempt number counts up
    // on the title line; progress ends it all, and the next failure starts again at 1 s.
    void reconnectScheduleOnTheTimer()
    {
        MessageBox::queueAnswer(QMessageBox::Close); // tripwire: no box may be asked for
        StderrCapture capture;
        QSignalSpy playing(w().player(), &VlcPlayer::playing);
        w().playMediaItem(harness.live(QStringLiteral("12")));
        QCOMPARE(label(), QStringLiteral("Playing: Quiet Channel"));
        QCOMPARE(playing.count(), 1);

        const QList<int> schedule{1000, 2000, 4000, 8000, 15000, 15000, 15000};
        for (int n = 1; n <= schedule.size(); ++n) {
            emit w().player()->playbackInterrupted(kLiveEnd);
            QCOMPARE(w().reconnectAttempts(), n);
            QVERIFY(w().reconnectTimer()->isActive());
            QVERIFY(w().reconnectTimer()->isSingleShot());
            QCOMPARE(w().reconnectTimer()->interval(), schedule.at(n - 1));
            QCOMPARE(label(), reconnectNotice(QStringLiteral("Quiet Channel"), n));
            QVERIFY(w().hasMedia());
            QVERIFY(w().controlsRow()->isVisible());
        }
        QCOMPARE(playing.count(), 1); // the player is left alone until the timer fires
        QVERIFY2(capture.text().contains(
                     "[VLC] live reconnect attempt 3 - The live stream stopped sending data."),
                 capture.text().constData());

        // progress ends the reconnecting and resets the count
        emit w().player()->playbackProgressing();
        QCOMPARE(w().reconnectAttempts(), 0);
        QVERIFY(!w().reconnectTimer()->isActive());
        emit w().player()->playbackInterrupted(kVlcError);
        QCOMPARE(w().reconnectAttempts(), 1);
        QCOMPARE(w().reconnectTimer()->interval(), 1000);

        // progress without a pending reconnect changes nothing
        emit w().player()->playbackProgressing();
        emit w().player()->playbackProgressing();
        QCOMPARE(w().reconnectAttempts(), 0);

        QCOMPARE(MessageBox::takeShown().size(), 0);
        QCOMPARE(playing.count(), 1);
    }

    // A pending reconnect dies with the channel: playing something else cancels it, and nothing
    // of the old channel is replayed later. A shortfall report only teaches the tuner.
    void playingSomethingElseCancelsThePendingReconnect()
    {
        MessageBox::queueAnswer(QMessageBox::Close); // tripwire
        Clock::setTimeScale(kTimeScale);
        QSignalSpy playing(w().player(), &VlcPlayer::playing);
        w().playMediaItem(harness.live(QStringLiteral("12")));
        const QString quietKey = w().currentChannelKey();

        // shortfalls arrive on libVLC's log thread; they start nothing
        std::thread([player = w().player()] {
            for (int i = 0; i < 20; ++i)
                emit player->liveDelayShortfall(6000);
        }).join();
        QTest::qWait(50);
        QVERIFY(!w().reconnectTimer()->isActive());
        QCOMPARE(w().reconnectAttempts(), 0);
        QCOMPARE(label(), QStringLiteral("Playing: Quiet Channel"));
        QCOMPARE(playing.count(), 1);

        emit w().player()->playbackInterrupted(kLiveEnd);
        emit w().player()->playbackInterrupted(kLiveEnd);
        QCOMPARE(w().reconnectAttempts(), 2);
        QVERIFY(w().reconnectTimer()->isActive());

        w().playMediaItem(harness.live(QStringLiteral("13")));
        QVERIFY(!w().reconnectTimer()->isActive());
        QCOMPARE(w().reconnectAttempts(), 0);
        QCOMPARE(label(), QStringLiteral("Playing: Other Channel"));
        QCOMPARE(playing.count(), 2);
        QTest::qWait(2 * 2000 / kTimeScale + 100); // well past the cancelled wait
        QCOMPARE(playing.count(), 2);
        QVERIFY(w().currentUrl().endsWith(PlayerWindowHarness::livePath(QStringLiteral("13"))));

        // the viewing of the quiet channel ended with the new one and kept its lesson
        QVERIFY2(w().liveBufferTuner()->cachingMsFor(quietKey) > LiveBufferTuner::kDefaultCachingMs,
                 qPrintable(QString::number(w().liveBufferTuner()->cachingMsFor(quietKey))));
        QCOMPARE(MessageBox::takeShown().size(), 0);
    }

    // A live channel whose server takes the connection and then sends nothing: the first start
    // and every reconnect that does not get going within the stall threshold is interrupted and
    // retried, instead of showing "Playing" for ever.
    void liveChannelThatNeverStartsIsRetried()
    {
        MessageBox::queueAnswer(QMessageBox::Close); // tripwire
        // the stall rule counts progress ticks: 15 s of waiting take 0.6 s, the reconnect waits
        // 40 and 80 ms
        Clock::setTimeScale(25);
        QList<Reaction> reactions;
        QElapsedTimer clock;
        clock.start();
        QObject context;
        recordReactions(reactions, clock, &context);

        w().playMediaItem(harness.live(QStringLiteral("12"))); // answered by a silent server
        QCOMPARE(label(), QStringLiteral("Playing: Quiet Channel"));
        QTRY_VERIFY_WITH_TIMEOUT(reactions.size() >= 2, 20000);
        QCOMPARE(reactions.at(0).label, reconnectNotice(QStringLiteral("Quiet Channel"), 1));
        QCOMPARE(reactions.at(1).label, reconnectNotice(QStringLiteral("Quiet Channel"), 2));
        QVERIFY(
            harness.http().requestsTo(PlayerWindowHarness::livePath(QStringLiteral("12"))).size() >=
            2);
        QCOMPARE(MessageBox::takeShown().size(), 0);
    }

    // libVLC fails a movie while the GUI thread is busy, and a live channel is started before the
    // failure is delivered: the late report belongs to the movie and is dropped, so the channel
    // neither reconnects nor brings up a box. (Waits grow until libVLC was seen to fail in time.)
    void lateReportOfThePreviousStreamIsDropped()
    {
        MessageBox::queueAnswer(QMessageBox::Close); // tripwire
        setMovieAnswer([](const Request&) { return LoopbackHttpServer::status(404); });
        StderrCapture capture;
        const QByteArray dropped = "[VLC] dropped a late report about the previous stream: error";
        for (int busyMs = 100; busyMs <= 3200 && !capture.text().contains(dropped); busyMs *= 2) {
            w().playMediaItem(harness.movie(QStringLiteral("21")));
            QThread::msleep(busyMs);
            w().playMediaItem(harness.live(QStringLiteral("12")));
            QTest::qWait(200);
            QCOMPARE(w().reconnectAttempts(), 0);
            QCOMPARE(label(), QStringLiteral("Playing: Quiet Channel"));
            QVERIFY(w().hasMedia());
        }
        QVERIFY2(capture.text().contains(dropped), capture.text().constData());
        QCOMPARE(MessageBox::takeShown().size(), 0);
    }

    // End to end: a real live channel over HTTP stops; the window keeps reconnecting with rising
    // attempt numbers and growing waits and never shows a box; the channel comes back, playback
    // resumes and the count returns to 0.
    void liveChannelReconnectsUntilTheStreamReturns()
    {
        LiveStreamServer live;
        QVERIFY(live.start());
        const QUrl target = live.url();
        harness.http().route(
            PlayerWindowHarness::livePath(QStringLiteral("11")),
            [target](const Request&) { return LoopbackHttpServer::redirect(target); });
        MessageBox::queueAnswer(QMessageBox::Close); // tripwire
        // Milder than the other tests: the stall limit shrinks with the waits, and a real stream
        // needs time to start on a busy machine.
        constexpr int kScale = 4;
        Clock::setTimeScale(kScale);

        QSignalSpy progressing(w().player(), &VlcPlayer::playbackProgressing);
        w().playMediaItem(harness.live(QStringLiteral("11")));
        QVERIFY(progressing.wait(10000));
        QCOMPARE(label(), QStringLiteral("Playing: Test Channel"));

        QElapsedTimer clock;
        clock.start();
        QList<Reaction> reactions;
        QObject context;
        recordReactions(reactions, clock, &context);
        QSignalSpy playing(w().player(), &VlcPlayer::playing);

        live.stop();
        QTRY_VERIFY_WITH_TIMEOUT(w().reconnectAttempts() >= 4, 15000);
        QVERIFY(live.start());
        QTRY_COMPARE_WITH_TIMEOUT(w().reconnectAttempts(), 0, 15000);
        QVERIFY(!w().reconnectTimer()->isActive());
        QCOMPARE(label(), QStringLiteral("Playing: Test Channel"));
        const int replays = int(playing.count());
        QVERIFY(progressing.wait(5000)); // and it goes on playing
        QCOMPARE(playing.count(), replays);
        QVERIFY(w().hasMedia());

        QVERIFY(!reactions.isEmpty());
        QStringList trace;
        for (const Reaction& r : reactions)
            trace << QStringLiteral("%1ms #%2 %3ms").arg(r.atMs).arg(r.attempt).arg(r.interval);
        qInfo().noquote() << "reconnects:" << trace.join(QStringLiteral(", "));
        int previous = 0;
        for (const Reaction& r : reactions) {
            QVERIFY2(r.attempt == previous + 1, qPrintable(trace.join(u',')));
            QCOMPARE(r.interval, reconnectDelayMs(r.attempt) / kScale);
            QVERIFY(r.timerActive);
            QCOMPARE(r.label, reconnectNotice(QStringLiteral("Test Channel"), r.attempt));
            previous = r.attempt;
        }
        QVERIFY(replays >= 4); // one per wait, the last one the recovery
        QCOMPARE(MessageBox::takeShown().size(), 0);
    }

    // End to end: the server cuts a movie off early. The controls go, the box says why and offers
    // "Retry", which starts the movie again from its beginning.
    void movieCutShortOffersRetryFromTheStart()
    {
        const QString path = media.movieMp4(12);
        const qint64 cutAt = QFileInfo(path).size() / 3;
        auto answered = std::make_shared<std::atomic<int>>(0);
        auto whole = std::make_shared<std::atomic<bool>>(false);
        setMovieAnswer([=](const Request&) {
            if (*whole)
                return LoopbackHttpServer::file(path, "video/mp4");
            Response r = LoopbackHttpServer::file(path, "video/mp4");
            if (answered->fetch_add(1) == 0) {
                r.mode = Response::Mode::CutShort; // the first answer stops a third of the way
                r.partialBytes = cutAt;
            } else {
                r.mode = Response::Mode::Drop; // and the server is gone afterwards
            }
            return r;
        });

        struct Seen
        {
            QString title, text;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            QStringList buttons;
            bool hasMedia = true, controlsVisible = true, labelVisible = true;
        } seen;
        ModalDriver<QMessageBox> driver(
            [&](QMessageBox* box) {
                seen.title = box->windowTitle();
                seen.text = box->text();
                seen.icon = box->icon();
                for (QAbstractButton* b : box->buttons())
                    seen.buttons << b->text();
                seen.hasMedia = w().hasMedia();
                seen.controlsVisible = w().controlsRow()->isVisible();
                seen.labelVisible = w().nowPlayingLabel()->isVisible();
                *whole = true;
                harness.http().clearRequests();
                for (QAbstractButton* b : box->buttons()) {
                    if (b->text() == u"Retry")
                        b->click();
                }
            },
            QStringLiteral("Playback Error"), 30000);

        QSignalSpy progressing(w().player(), &VlcPlayer::playbackProgressing);
        w().playMediaItem(harness.movie(QStringLiteral("21")));
        QVERIFY(w().seekRow()->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(driver.handled(), 1, 20000);

        QCOMPARE(seen.title, QStringLiteral("Playback Error"));
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.text, QStringLiteral("Playback stopped: ") + kEndOfStream);
        QCOMPARE(sorted(seen.buttons),
                 QStringList({QStringLiteral("Close"), QStringLiteral("Retry")}));
        QVERIFY(!seen.hasMedia);
        QVERIFY(!seen.controlsVisible);
        QVERIFY(!seen.labelVisible);

        // Retry: the same address again, from the first byte, with the controls back
        progressing.clear();
        QVERIFY(progressing.wait(10000));
        QVERIFY(w().hasMedia());
        QVERIFY(w().controlsRow()->isVisible());
        QVERIFY(w().seekRow()->isVisible());
        QCOMPARE(label(), QStringLiteral("Playing: Test Movie"));
        const QList<Request> again =
            harness.http().requestsTo(PlayerWindowHarness::moviePath(QStringLiteral("21")));
        QVERIFY(!again.isEmpty());
        const QByteArray range = again.first().headers.value("range");
        QVERIFY2(range.isEmpty() || range == "bytes=0-", range.constData());
        const qint64 at = w().player()->timeMs();
        QVERIFY2(at >= 0 && at < 3000, qPrintable(QString::number(at)));
        QCOMPARE(w().reconnectAttempts(), 0);
    }

    // Closing the window while a movie starts, at a few moments of its start: libVLC is stopped
    // and released before the native window it draws into is destroyed.
    void closingWhileAStreamStartsReleasesThePlayerFirst()
    {
        const QString path = media.movieMp4(12);
        setMovieAnswer(
            [path](const Request&) { return LoopbackHttpServer::file(path, "video/mp4"); });
        for (const int afterMs : {0, 50, 300}) {
            if (afterMs > 0)
                QVERIFY(harness.open());
            QPointer<VlcPlayer> player(w().player());
            bool playerGoneFirst = false;
            connect(w().videoWidget(), &QObject::destroyed, w().videoWidget(),
                    [&] { playerGoneFirst = player.isNull(); });
            w().playMediaItem(harness.movie(QStringLiteral("21")));
            QTest::qWait(afterMs);
            harness.close();
            QVERIFY2(playerGoneFirst, qPrintable(QString::number(afterMs)));
        }
    }

    // Which reports give up playback, which box they show, and when "Retry" is offered.
    void errorBoxes_data()
    {
        QTest::addColumn<QString>("playing"); // "", "movie", "episode", "live"
        QTest::addColumn<bool>("interrupt");  // playbackInterrupted, else playbackError
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("boxText"); // empty: no box
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<bool>("hasMediaAfter");
        QTest::addColumn<int>("replays");

        const QStringList closeOnly{QStringLiteral("Close")};
        const QStringList withRetry{QStringLiteral("Close"), QStringLiteral("Retry")};
        QTest::newRow("nothing played: a failure to start has nothing to retry")
            << "" << false << "Could not create media for URL: x"
            << "Close"
            << "Could not create media for URL: x" << closeOnly << false << 0;
        QTest::newRow("failure to start a movie: Retry offered, controls stay")
            << "movie" << false << "Playback failed to start for: u"
            << "Close"
            << "Playback failed to start for: u" << withRetry << true << 0;
        QTest::newRow("the address in the box hides the account password")
            << "movie" << false
            << "Playback failed to start for: http://127.0.0.1:8080/movie/alice/s3cret/22.mp4"
            << "Close"
            << "Playback failed to start for: http://127.0.0.1:8080/movie/alice/***/22.mp4"
            << withRetry << true << 0;
        QTest::newRow("libVLC error in a movie gives up")
            << "movie" << true << kVlcError << "Close"
            << "Playback stopped: " + kVlcError << withRetry << false << 0;
        QTest::newRow("stalled movie gives up")
            << "movie" << true << kStalled15 << "Close"
            << "Playback stopped: " + kStalled15 << withRetry << false << 0;
        QTest::newRow("early end of an episode gives up")
            << "episode" << true << kEndOfStream << "Close"
            << "Playback stopped: " + kEndOfStream << withRetry << false << 0;
        QTest::newRow("Retry after giving up plays the movie again")
            << "movie" << true << kVlcError << "Retry"
            << "Playback stopped: " + kVlcError << withRetry << true << 1;
        QTest::newRow("failure to start a live channel: box, the count is kept")
            << "live" << false << "Playback failed to start for: u"
            << "Close"
            << "Playback failed to start for: u" << withRetry << true << 0;
        QTest::newRow("live end reconnects without a box") << "live" << true << kLiveEnd << "Close"
                                                           << "" << QStringList() << true << 0;
    }
    void errorBoxes()
    {
        QFETCH(QString, playing);
        QFETCH(bool, interrupt);
        QFETCH(QString, message);
        QFETCH(QString, answer);
        QFETCH(QString, boxText);
        QFETCH(QStringList, buttons);
        QFETCH(bool, hasMediaAfter);
        QFETCH(int, replays);

        if (playing == u"movie")
            w().playMediaItem(harness.movie(QStringLiteral("22")));
        else if (playing == u"episode")
            w().playMediaItem(PlayerWindowHarness::episode(
                QStringLiteral("31"), QStringLiteral("Show - S01E01 - Pilot")));
        else if (playing == u"live")
            w().playMediaItem(harness.live(QStringLiteral("12")));
        QCOMPARE(w().hasMedia(), !playing.isEmpty());
        if (playing == u"live")
            emit w().player()->playbackInterrupted(kLiveEnd); // a reconnect is pending
        const int attemptsBefore = w().reconnectAttempts();

        QSignalSpy played(w().player(), &VlcPlayer::playing);
        MessageBox::queueAnswer(answer);
        if (interrupt)
            emit w().player()->playbackInterrupted(message);
        else
            emit w().player()->playbackError(message);

        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        if (boxText.isEmpty()) {
            QCOMPARE(shown.size(), 0);
            QVERIFY(w().reconnectTimer()->isActive());
            QCOMPARE(w().reconnectAttempts(), attemptsBefore + 1);
        } else {
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown[0].title, QStringLiteral("Playback Error"));
            QCOMPARE(shown[0].icon, QMessageBox::Warning);
            QCOMPARE(shown[0].text, boxText);
            QCOMPARE(sorted(shown[0].buttons), buttons);
            if (playing == u"live")
                QCOMPARE(w().reconnectAttempts(), attemptsBefore);
        }
        QCOMPARE(w().hasMedia(), hasMediaAfter);
        QCOMPARE(w().controlsRow()->isVisible(), hasMediaAfter);
        QCOMPARE(w().nowPlayingLabel()->isVisible(), hasMediaAfter);
        QCOMPARE(int(played.count()), replays);
        QVERIFY(!w().errorDialogOpen());
    }

    // A broken movie stream floods the window from libVLC's threads: one box at a time, the GUI
    // thread keeps running, and reports after the box are about a stream already given up.
    void errorStormShowsOneBoxAndKeepsTheGuiRunning()
    {
        w().playMediaItem(harness.movie(QStringLiteral("22")));
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, &ticker, [&] { ++ticks; });
        ticker.start(10);

        QSet<QMessageBox*> boxes;
        int mostAtOnce = 0;
        QTimer census; // every box that ever shows, and how many show together
        connect(&census, &QTimer::timeout, &census, [&] {
            int visible = 0;
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible()) {
                    boxes.insert(box);
                    ++visible;
                }
            }
            mostAtOnce = std::max(mostAtOnce, visible);
        });
        census.start(5);

        std::atomic<bool> stormDone{false};
        int ticksWhileOpen = -1;
        ModalDriver<QMessageBox> driver(
            [&](QMessageBox* box) {
                // keep it open until the whole storm has arrived, counting GUI ticks meanwhile
                const int before = ticks;
                QTRY_VERIFY_WITH_TIMEOUT(stormDone.load(), 5000);
                QTest::qWait(500);
                ticksWhileOpen = ticks - before;
                box->button(QMessageBox::Close)->click();
            },
            QStringLiteral("Playback Error"));

        QElapsedTimer emitting;
        qint64 emitMs = 0;
        std::thread storm([&, player = w().player()] {
            emitting.start();
            for (int i = 0; i < 60; ++i) {
                emit player->playbackInterrupted(i % 2 ? kVlcError : kEndOfStream);
                if (i % 10 == 0)
                    emit player->playbackError(QStringLiteral("Playback failed to start for: x"));
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            emitMs = emitting.elapsed();
            stormDone = true;
        });
        QTRY_COMPARE_WITH_TIMEOUT(driver.handled(), 1, 10000);
        storm.join();
        QTest::qWait(300); // anything still queued arrives now
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(mostAtOnce, 1);
        QVERIFY(!w().errorDialogOpen());
        QVERIFY(!w().hasMedia());
        QVERIFY2(emitMs < 2000, qPrintable(QString::number(emitMs))); // emitting never waits
        QVERIFY2(ticksWhileOpen >= 10, qPrintable(QString::number(ticksWhileOpen)));

        // a late report about the movie already given up shows nothing more
        MessageBox::queueAnswer(QMessageBox::Close); // tripwire
        std::thread([player = w().player()] {
            emit player->playbackInterrupted(kVlcError);
        }).join();
        QTest::qWait(100);
        QCOMPARE(MessageBox::takeShown().size(), 0);
        QCOMPARE(boxes.size(), 1);
    }

    // The same storm on a live channel: no box, and the reconnect timer is never faster than the
    // schedule for the attempt it is waiting for.
    void errorStormOnALiveChannelKeepsTheSchedule()
    {
        MessageBox::queueAnswer(QMessageBox::Close); // tripwire
        Clock::setTimeScale(kTimeScale);
        w().playMediaItem(harness.live(QStringLiteral("12")));

        QElapsedTimer clock;
        clock.start();
        QList<Reaction> reactions;
        QObject context;
        recordReactions(reactions, clock, &context);
        QList<qint64> replays;
        connect(w().player(), &VlcPlayer::playing, &context,
                [&] { replays.append(clock.elapsed()); });
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, &ticker, [&] { ++ticks; });
        ticker.start(10);

        std::atomic<bool> stormDone{false};
        std::thread storm([&, player = w().player()] {
            for (int i = 0; i < 40; ++i) {
                emit player->playbackInterrupted(i % 2 ? kVlcError : kLiveEnd);
                emit player->liveDelayShortfall(4000);
                std::this_thread::sleep_for(std::chrono::milliseconds(25));
            }
            stormDone = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(stormDone.load(), 5000);
        storm.join();
        const int last = w().reconnectAttempts();
        QTRY_VERIFY_WITH_TIMEOUT(!replays.isEmpty() && replays.last() > reactions.last().atMs,
                                 reconnectDelayMs(last) / kTimeScale + 2000);
        QTest::qWait(200);

        QVERIFY(!reactions.isEmpty());
        QVERIFY(ticks >= 40);
        for (qint64 replay : replays) {
            // the interruption the timer was last started for
            const Reaction* started = nullptr;
            for (const Reaction& r : reactions) {
                if (r.atMs <= replay)
                    started = &r;
            }
            QVERIFY(started);
            const qint64 waited = replay - started->atMs;
            QVERIFY2(waited * 100 >= qint64(started->interval) * 95,
                     qPrintable(QStringLiteral("replay at %1 ms, %2 ms after attempt %3 (wait %4)")
                                    .arg(replay)
                                    .arg(waited)
                                    .arg(started->attempt)
                                    .arg(started->interval)));
            QCOMPARE(started->interval, reconnectDelayMs(started->attempt) / kTimeScale);
        }
        QCOMPARE(MessageBox::takeShown().size(), 0);
        QVERIFY(w().hasMedia());
    }
};

VELMORA_TEST_MAIN_AFTER(TestMainWindowFailures,
                        (qputenv("VELMORA_NET_DEBUG", "1"), useSilentAudioOutput()))

#include "tst_mainwindow_failures.moc"
