#include "catchup/catchupaddress.h"
#include "catchup/servertimezone.h"
#include "demoserverprocess.h"
#include "player/vlcplayer.h"
#include "providers/xtreamclient.h"
#include "silentaudio.h"
#include "testmain.h"
#include "ui/videosurface.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSignalSpy>
#include <QWidget>

namespace {
// The demo server's archive picture: 384x216 with 32 cells of 12 px across the top, white for 1,
// the start minute's bits, most significant first. The widget shows it at twice that size.
constexpr int kScale = 2;
constexpr int kCells = 32;
constexpr int kCell = 12;

qint64 minuteInPicture(const QImage& shot)
{
    quint32 value = 0;
    for (int bit = 0; bit < kCells; ++bit) {
        const int x = (bit * kCell + kCell / 2) * kScale;
        const int y = kCell / 2 * kScale;
        value = value << 1 | (qGray(shot.pixel(x, y)) > 128 ? 1u : 0u);
    }
    return value;
}
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

        const QPoint origin = video.mapToGlobal(QPoint(0, 0));
        qint64 shown = -1;
        QTRY_COMPARE_WITH_TIMEOUT(
            (shown = minuteInPicture(
                 QGuiApplication::primaryScreen()
                     ->grabWindow(0, origin.x(), origin.y(), video.width(), video.height())
                     .toImage()),
             shown),
            start / 60, 20000);
        QVERIFY(errors.isEmpty());
        player.stop();
    }
};

VELMORA_TEST_MAIN_AFTER(TestCatchupPlayback,
                        (qputenv("TZ", "Asia/Kolkata"), useSilentAudioOutput()))

#include "tst_catchupplayback.moc"
