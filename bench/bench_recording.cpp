// What recording costs: CPU and memory of TS recordings from the demo server (a process of its
// own, so this process holds only the recorders), the window thread's share of starting one,
// reading a list of 1,000 recordings with the texts the "Recordings" category shows, and whether
// a channel playing in a real VlcPlayer stays smooth while four recordings run (needs the X
// display: run it under xvfb-run).
#include "app/clock.h"
#include "benchutil.h"
#include "demoserverprocess.h"
#include "player/vlcplayer.h"
#include "recording/recordingmanager.h"
#include "recording/recordingstore.h"
#include "recording/recordingtext.h"
#include "silentaudio.h"
#include "ui/videosurface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <sys/resource.h>

namespace {
double processCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

void recordAtOnce(DemoServerProcess& demo, int count, int seconds)
{
    QTemporaryDir dir;
    RecordingManager manager(dir.filePath(QStringLiteral("recordings.db")), nullptr);
    manager.setFolder(dir.filePath(QStringLiteral("out")));
    manager.setStreamResolver([&demo](const QString&, const QString& channel) {
        return demo.url(QStringLiteral("/live/demo/demo/%1.ts").arg(channel));
    });
    QTest::qWait(200);
    const qint64 rssBefore = bench::currentRssKib();
    QList<qint64> ids;
    double startMs = 0;
    for (int i = 0; i < count; ++i) {
        QString message;
        QElapsedTimer start;
        start.start();
        ids.append(manager.recordNow({QStringLiteral("Demo"), QString::number(i + 1),
                                      QStringLiteral("Channel %1").arg(i + 1)},
                                     {}, &message));
        startMs = qMax(startMs, start.nsecsElapsed() / 1e6);
    }
    // Let every channel start (the demo server runs ffmpeg on demand), then measure.
    QTest::qWait(5000);
    qint64 bytesBefore = 0;
    for (qint64 id : ids)
        bytesBefore += QFileInfo(manager.find(id)->path).size();
    const double cpuBefore = processCpuMs();
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(seconds * 1000);
    const double cpu = processCpuMs() - cpuBefore;
    const double wallMs = double(wall.elapsed());
    qint64 bytes = 0;
    for (qint64 id : ids)
        bytes += QFileInfo(manager.find(id)->path).size();
    const qint64 rss = bench::currentRssKib() - rssBefore;
    const QString name = QStringLiteral("%1 TS recording(s)").arg(count);
    bench::report(QStringLiteral("recording"), name + QStringLiteral(", CPU of one core"),
                  100.0 * cpu / wallMs, QStringLiteral("%"), QStringLiteral("< %1").arg(2 * count));
    bench::report(QStringLiteral("recording"), name + QStringLiteral(", memory added"),
                  rss / 1024.0, QStringLiteral("MB"), QStringLiteral("< %1").arg(16 * count));
    bench::report(QStringLiteral("recording"), name + QStringLiteral(", written"),
                  (bytes - bytesBefore) / 1024.0 / (wallMs / 1000.0), QStringLiteral("KiB/s"));
    bench::report(QStringLiteral("recording"), name + QStringLiteral(", start on window thread"),
                  startMs, QStringLiteral("ms"), QStringLiteral("< 100"));
    for (qint64 id : ids)
        manager.stop(id);
    QTest::qWait(500);
}

// One channel plays in a real player while four others are recorded from the same server.
void playWhileRecording(DemoServerProcess& demo, int seconds)
{
    QTemporaryDir dir;
    RecordingManager manager(dir.filePath(QStringLiteral("recordings.db")), nullptr);
    manager.setFolder(dir.filePath(QStringLiteral("out")));
    manager.setStreamResolver([&demo](const QString&, const QString& channel) {
        return demo.url(QStringLiteral("/live/demo/demo/%1.ts").arg(channel));
    });
    QWidget video;
    video.resize(640, 360);
    video.show();
    VlcPlayer player(videoSurfaceOf(&video));
    int stalls = 0;
    QObject::connect(&player, &VlcPlayer::playbackInterrupted, [&stalls]() { ++stalls; });
    player.play(demo.url(QStringLiteral("/live/demo/demo/5.ts")).toString(), true, 1000);
    if (!QTest::qWaitFor([&player]() { return player.timeMs() > 2000; }, 30000)) {
        std::fprintf(stderr, "the channel did not start playing\n");
        return;
    }
    QList<qint64> ids;
    for (int i = 0; i < 4; ++i) {
        QString message;
        ids.append(manager.recordNow({QStringLiteral("Demo"), QString::number(i + 1),
                                      QStringLiteral("Channel %1").arg(i + 1)},
                                     {}, &message));
    }
    QTest::qWait(5000); // every recording under way
    stalls = 0;
    qint64 bytesBefore = 0;
    for (qint64 id : ids)
        bytesBefore += QFileInfo(manager.find(id)->path).size();
    const qint64 playedBefore = player.timeMs();
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(seconds * 1000);
    const double played = double(player.timeMs() - playedBefore);
    const double wallMs = double(wall.elapsed());
    qint64 bytes = 0;
    for (qint64 id : ids)
        bytes += QFileInfo(manager.find(id)->path).size();
    const QString name = QStringLiteral("1 channel playing, 4 recordings, %1 s").arg(seconds);
    bench::report(QStringLiteral("recording"), name + QStringLiteral(": stalls reported"), stalls,
                  QStringLiteral("count"), QStringLiteral("0"));
    bench::report(QStringLiteral("recording"), name + QStringLiteral(": play time / wall time"),
                  100.0 * played / wallMs, QStringLiteral("%"), QStringLiteral("~ 100"));
    bench::report(QStringLiteral("recording"), name + QStringLiteral(": recorded"),
                  (bytes - bytesBefore) / 1024.0 / (wallMs / 1000.0), QStringLiteral("KiB/s"));
    int running = 0;
    for (qint64 id : ids)
        running += manager.find(id)->state == Recording::Running;
    bench::report(QStringLiteral("recording"), name + QStringLiteral(": recordings still running"),
                  running, QStringLiteral("count"), QStringLiteral("4"));
    for (qint64 id : ids)
        manager.stop(id);
    player.stop();
    QTest::qWait(500);
}

void listThousand()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("recordings.db"));
    {
        RecordingStore store(path);
        const qint64 now = Clock::epochMs();
        for (int i = 0; i < 1000; ++i) {
            Recording r;
            r.server = QStringLiteral("Demo");
            r.channelId = QString::number(i % 50);
            r.channelName = QStringLiteral("Channel %1").arg(i % 50);
            r.title = QStringLiteral("Programme number %1").arg(i);
            r.state = Recording::Done;
            r.startsAt = r.startedAt = now - qint64(i) * 3600000;
            r.endedAt = r.startedAt + 1800000;
            r.bytes = 900'000'000;
            r.path = QStringLiteral("/videos/Programme %1.ts").arg(i);
            store.save(r);
        }
    }
    // Read once when the program starts; the category is then made from memory.
    QList<Recording> list;
    const double readMs = bench::medianMs(5, [&path, &list]() {
        RecordingStore store(path);
        list = store.recordings();
    });
    const double listMs = bench::medianMs(5, [&list]() {
        const qint64 now = Clock::epochMs();
        QStringList texts;
        texts.reserve(list.size());
        for (const Recording& r : std::as_const(list))
            texts.append(recordingtext::summary(r, now));
        Q_ASSERT(texts.size() == 1000);
    });
    bench::report(QStringLiteral("recording"),
                  QStringLiteral("1,000 recordings, store opened and read"), readMs,
                  QStringLiteral("ms"));
    bench::report(QStringLiteral("recording"), QStringLiteral("1,000 recordings, category listed"),
                  listMs, QStringLiteral("ms"), QStringLiteral("< 20"));
}
} // namespace

int main(int argc, char* argv[])
{
    useSilentAudioOutput();
    QApplication app(argc, argv);
    listThousand();
    // Four recordings and the channel watched beside them.
    DemoServerProcess demo({QStringLiteral("--scale"), QStringLiteral("100"),
                            QStringLiteral("--max-live"), QStringLiteral("5")});
    if (!demo.start()) {
        std::fprintf(stderr, "demo server: %s\n", qPrintable(demo.errorText()));
        return 1;
    }
    recordAtOnce(demo, 1, 20);
    recordAtOnce(demo, 4, 20);
    playWhileRecording(demo, 60);
    return 0;
}
