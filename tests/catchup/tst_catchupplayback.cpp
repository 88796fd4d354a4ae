#include "archivepicture.h"
#include "catchup/catchupaddress.h"
#include "catchup/servertimezone.h"
#include "demoserverprocess.h"
#include "player/vlcplayer.h"
#include "providers/xtreamclient.h"
#include "silentaudio.h"
#include "testmain.h"
#include "ui/videosurface.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QWidget>

namespace {
// The widget shows the archive picture at twice its size.
constexpr int kScale = 2;
} // namespace

// A past programme played through libVLC: the picture must show the moment asked for, although
// the server keeps New York time and this process Indian time.
class TestCatchupPlayback : public QObject
{
    Q_OBJECT

private slots:
    void playsTheRequestedStart()
    {
        DemoServerProcess demo({"--scale", "30", "--timezone", "America/New_York"});
        QVERIFY2(demo.start(), qPrintable(demo.errorText()));
        XtreamClient client;
        client.configure(demo.baseUrl(), QStringLiteral("demo"), QStringLiteral("demo"));
        XtreamServerInfo info;
        bool done = false;
        client.fetchServerInfo([&](const XtreamServerInfo& i, bool) { info = i, done = true; });
        QTRY_VERIFY(done);

        const qint64 now = QDateTime::currentSecsSinceEpoch();
        const qint64 start = now - 26 * 3600 - now % 60; // yesterday, on the minute
        const QString url = CatchupAddress::xtream(
            CatchupAddress::XtreamForm::Path,
            {demo.baseUrl(), QStringLiteral("demo"), QStringLiteral("demo")}, QStringLiteral("3"),
            ServerTimeZone::fromServerInfo(info), {start, start + 1800, now});

        QWidget video;
        video.setStyleSheet(QStringLiteral("background-color: black;"));
        video.setGeometry(40, 40, 384 * kScale, 216 * kScale);
        video.show();
        QVERIFY(QTest::qWaitForWindowExposed(&video));
        VlcPlayer player(videoSurfaceOf(&video));
        QSignalSpy errors(&player, &VlcPlayer::playbackError);
        player.play(url, false, 1000);

        QTRY_COMPARE_WITH_TIMEOUT(archiveMinuteOn(&video), start / 60, 20000);
        QVERIFY(errors.isEmpty());
        player.stop();
    }
};

VELMORA_TEST_MAIN_AFTER(TestCatchupPlayback,
                        (qputenv("TZ", "Asia/Kolkata"), useSilentAudioOutput()))

#include "tst_catchupplayback.moc"
