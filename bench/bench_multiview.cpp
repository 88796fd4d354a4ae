// Multi-view with four demo channels at once in the real window, on the X display (run it under
// xvfb-run): stalls over a minute, the window thread's longest pause, how long moving the sound
// to another tile takes, the memory four tiles add, and what opening multi-view costs: its time,
// and whether the channel already playing restarts or opens another connection.
#include "benchutil.h"
#include "demoserverprocess.h"
#include "demosource.h"
#include "mainwindowtestaccess.h"
#include "multiview/multiviewarea.h"
#include "multiview/multiviewcontroller.h"
#include "multiview/multiviewtile.h"
#include "multiview/tileviewing.h"
#include "player/streamconnections.h"
#include "player/vlcplayer.h"
#include "silentaudio.h"
#include "tempprofile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QMimeData>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {
constexpr int kRunSecs = 60;

// The longest time between two turns of the event loop while it runs.
class LoopGapMeter final : public QObject
{
public:
    LoopGapMeter()
    {
        timer.setInterval(2);
        connect(&timer, &QTimer::timeout, this, [this]() {
            const qint64 now = clock.nsecsElapsed();
            if (last > 0)
                worstMs = std::max(worstMs, double(now - last) / 1e6 - 2.0);
            last = now;
        });
    }
    void start()
    {
        worstMs = 0;
        last = 0;
        clock.start();
        timer.start();
    }
    double stop()
    {
        timer.stop();
        return worstMs;
    }

private:
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    double worstMs = 0;
};

bool waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

// The demo server's count of open connections to a live channel (-1 when it does not answer).
int liveViewers(const DemoServerProcess& demo, const QString& channel)
{
    QNetworkAccessManager manager;
    std::unique_ptr<QNetworkReply> reply(
        manager.get(QNetworkRequest(demo.url(QStringLiteral("/control/status")))));
    if (!waitFor([&] { return reply->isFinished(); }, 10000))
        return -1;
    const QJsonArray live = QJsonDocument::fromJson(reply->readAll())["live"].toArray();
    for (const QJsonValue& entry : live) {
        if (entry["channel"].toString() == channel)
            return entry["viewers"].toInt();
    }
    return 0;
}
} // namespace

int main(int argc, char* argv[])
{
    useSilentAudioOutput();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora Player"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    const QString name = QStringLiteral("multiview");

    DemoServerProcess demo({"--scale", "100", "--max-live", "5"});
    if (!demo.start()) {
        std::fprintf(stderr, "demo server: %s\n", qPrintable(demo.errorText()));
        return 1;
    }
    TempProfile profile;
    const SourceConfig source = saveDemoSource(demo, true);
    auto window = std::make_unique<MainWindow>();
    window->resize(1600, 1000);
    window->show();
    MainWindowTestAccess access(*window);
    if (!waitFor([&] { return access.liveItems().size() >= 4; }, 60000)) {
        std::fprintf(stderr, "the demo catalog did not load\n");
        return 1;
    }
    emit access.liveCategoryList()->itemClicked(access.liveCategoryList()->item(0));
    waitFor([&] { return access.liveShown().size() >= 4; }, 10000);
    const QList<MediaItem> channels = access.liveShown().mid(0, 4);

    VlcPlayer* mainPlayer = access.player();
    access.playMediaItem(channels[0]);
    waitFor([&] { return mainPlayer->timeMs() > 2000; }, 30000);
    QTest::qWait(3000);
    const qint64 rssBefore = bench::currentRssKib();

    // Opening: the channel playing must go on, with no new start and no second connection.
    int restarts = 0;
    QObject::connect(mainPlayer, &VlcPlayer::playing, [&restarts]() { ++restarts; });
    QObject::connect(mainPlayer, &VlcPlayer::stopped, [&restarts]() { ++restarts; });
    StreamConnections* connections = access.streamConnections();
    const int connectionsBefore = connections->openCount(source.name);
    const int viewersBefore = liveViewers(demo, channels[0].id);
    LoopGapMeter meter;
    meter.start();
    MultiViewController* multiView = access.multiView();
    QElapsedTimer opening;
    opening.start();
    multiView->openView(MultiViewLayout::Four);
    const double openCallMs = double(opening.nsecsElapsed()) / 1e6;
    // Laid out and painted: the grid is on screen with the channel playing in its first tile.
    QCoreApplication::processEvents();
    const double openMs = double(opening.nsecsElapsed()) / 1e6;
    const qint64 timeAtOpen = mainPlayer->timeMs();
    QTest::qWait(3000);
    const double advancedSecs = double(mainPlayer->timeMs() - timeAtOpen) / 1000.0;
    const int newConnections = connections->openCount(source.name) - connectionsBefore;
    const int newViewers = liveViewers(demo, channels[0].id) - viewersBefore;
    bench::report(name, QStringLiteral("opening: the call that opens it"), openCallMs,
                  QStringLiteral("ms"));
    bench::report(name, QStringLiteral("opening: time until the grid is shown"), openMs,
                  QStringLiteral("ms"));
    bench::report(name, QStringLiteral("opening: new connections for the channel playing"),
                  newConnections, QStringLiteral("count"), QStringLiteral("0"));
    bench::report(name, QStringLiteral("opening: new server viewers of the channel playing"),
                  newViewers, QStringLiteral("count"), QStringLiteral("0"));
    bench::report(name, QStringLiteral("opening: play time of that channel in the next 3 s"),
                  advancedSecs, QStringLiteral("s"), QStringLiteral("~ 3"));

    // One after another, as the user drops them or Ctrl+M restores them: a turn of the event
    // loop between two.
    for (int i = 1; i < 4; ++i) {
        multiView->fillTile(i, {source.name, channels[i]});
        QCoreApplication::processEvents();
    }
    const bool allPlaying = waitFor(
        [&] {
            for (int i = 1; i < 4; ++i) {
                if (multiView->viewing(i)->state() != TileViewing::State::Playing)
                    return false;
            }
            return true;
        },
        60000);
    const double startGapMs = meter.stop();
    bench::report(name, QStringLiteral("opening: restarts or stops of the channel playing"),
                  restarts, QStringLiteral("count"), QStringLiteral("0"));
    bench::report(name, QStringLiteral("opening + 3 tiles starting one by one: longest loop gap"),
                  startGapMs, QStringLiteral("ms"), QStringLiteral("< 50"));
    if (!allPlaying)
        std::fprintf(stderr, "not every tile started playing\n");

    // A minute of four channels.
    int stalls = 0;
    QList<VlcPlayer*> players{mainPlayer};
    for (int i = 1; i < 4; ++i)
        players.append(multiView->viewing(i)->player());
    for (VlcPlayer* player : players)
        QObject::connect(player, &VlcPlayer::playbackInterrupted, [&stalls]() { ++stalls; });
    QList<qint64> startTimes;
    for (VlcPlayer* player : players)
        startTimes.append(player->timeMs());
    meter.start();
    QTest::qWait(kRunSecs * 1000);
    const double runGapMs = meter.stop();
    double slowest = 1e9;
    for (int i = 0; i < players.size(); ++i)
        slowest = std::min(slowest, double(players[i]->timeMs() - startTimes[i]) / 1000.0);
    bench::report(name, QStringLiteral("4 channels, 60 s: stalls reported"), stalls,
                  QStringLiteral("count"), QStringLiteral("0"));
    bench::report(name, QStringLiteral("4 channels, 60 s: longest loop gap"), runGapMs,
                  QStringLiteral("ms"), QStringLiteral("< 50"));
    bench::report(name, QStringLiteral("4 channels, 60 s: least play time of a tile"), slowest,
                  QStringLiteral("s"), QStringLiteral("~ 60"));
    const qint64 rssAfter = bench::currentRssKib();
    bench::report(name, QStringLiteral("memory added by 3 more tiles (4 playing)"),
                  double(rssAfter - rssBefore) / 1024.0, QStringLiteral("MB"),
                  QStringLiteral("< 150"));

    // Moving the sound: the focus call mutes one player and unmutes another.
    std::vector<double> times;
    for (int round = 0; round < 40; ++round) {
        QElapsedTimer timer;
        timer.start();
        multiView->focusTile(round % 4);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        QTest::qWait(50);
    }
    std::sort(times.begin(), times.end());
    bench::report(name, QStringLiteral("focus switch (sound follows): median"),
                  times[times.size() / 2], QStringLiteral("ms"), QStringLiteral("< 50"));
    bench::report(name, QStringLiteral("focus switch (sound follows): slowest"), times.back(),
                  QStringLiteral("ms"), QStringLiteral("< 50"));

    meter.start();
    multiView->closeView();
    QTest::qWait(2000);
    bench::report(name, QStringLiteral("closing: longest loop gap"), meter.stop(),
                  QStringLiteral("ms"), QStringLiteral("< 50"));
    window.reset();
    return 0;
}
