// Start-up of a live channel: the time from play to the first advancing playback time, for
// VlcPlayer and for a bare libVLC player started with the same arguments and media options,
// on the same local live MPEG-TS stream over HTTP. The player must add no delay of its own.

#include "benchutil.h"

#include "app/platformselection.h"
#include "livestreamserver.h"
#include "player/vlcplayer.h"
#include "silentaudio.h"
#include "ui/videosurface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>

#include <vlc/vlc.h>

#include <unistd.h>

#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int kRuns = 7;
constexpr qint64 kGiveUpMs = 20000;

// Runs the event loop (the player's timer keeps ticking, as in the program) until libVLC
// reports a playback time above zero; the milliseconds since `started`, or -1.
double waitForAdvance(const QElapsedTimer& started, const std::function<qint64()>& time)
{
    while (started.elapsed() < kGiveUpMs) {
        if (time() > 0)
            return double(started.nsecsElapsed()) / 1e6;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QThread::usleep(500);
    }
    return -1;
}

// The same calls the player makes, without the player.
class BarePlayer final
{
public:
    explicit BarePlayer(QWidget* widget)
    {
        const char* const args[] = {"--no-video-title-show", "--quiet"};
        instance = libvlc_new(2, args);
        player = libvlc_media_player_new(instance);
        libvlc_media_player_set_xwindow(player, uint32_t(widget->winId()));
    }
    ~BarePlayer()
    {
        libvlc_media_player_stop(player);
        libvlc_media_player_release(player);
        libvlc_release(instance);
    }

    void play(const QByteArray& url, int cachingMs)
    {
        libvlc_media_t* media = libvlc_media_new_location(instance, url.constData());
        libvlc_media_add_option(media, ":http-user-agent=Mozilla/5.0");
        if (cachingMs > 0) {
            const QByteArray caching = ":network-caching=" + QByteArray::number(cachingMs);
            libvlc_media_add_option(media, caching.constData());
        }
        libvlc_media_player_set_media(player, media);
        libvlc_media_release(media);
        libvlc_media_player_play(player);
    }
    void stop() { libvlc_media_player_stop(player); }
    qint64 timeMs() const { return libvlc_media_player_get_time(player); }

private:
    libvlc_instance_t* instance = nullptr;
    libvlc_media_player_t* player = nullptr;
};

QWidget* videoWidget(int x)
{
    auto* widget = new QWidget;
    widget->setAttribute(Qt::WA_DontCreateNativeAncestors);
    widget->setAttribute(Qt::WA_NativeWindow);
    widget->setGeometry(x, 40, 320, 240);
    widget->show();
    return widget;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

// Video needs an X display; without one, start again under a virtual one.
void ensureDisplay(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        qEnvironmentVariableIsSet("VELMORA_BENCH_NO_XVFB"))
        return;
    qputenv("VELMORA_BENCH_NO_XVFB", "1");
    std::vector<char*> args{const_cast<char*>("xvfb-run"), const_cast<char*>("-a"),
                            const_cast<char*>("-s"), const_cast<char*>("-screen 0 1280x720x24")};
    for (int i = 0; i < argc; ++i)
        args.push_back(argv[i]);
    args.push_back(nullptr);
    ::execvp("xvfb-run", args.data());
    std::fprintf(stderr, "no X display and no xvfb-run: playing without video windows\n");
    qputenv("QT_QPA_PLATFORM", "offscreen");
}
} // namespace

int main(int argc, char* argv[])
{
    ensureDisplay(argc, argv);
    selectVideoCapablePlatform();
    useSilentAudioOutput();
    QApplication app(argc, argv);

    LiveStreamServer live;
    if (!live.start()) {
        std::fprintf(stderr, "could not start the live stream (is ffmpeg installed?)\n");
        return 1;
    }
    const QString url = live.url().toString();

    QWidget* playerWidget = videoWidget(40);
    QWidget* bareWidget = videoWidget(400);
    VlcPlayer player(videoSurfaceOf(playerWidget));
    BarePlayer bare(bareWidget);

    for (int cachingMs : {0, 3000}) {
        std::vector<double> ours;
        std::vector<double> theirs;
        for (int run = 0; run < kRuns; ++run) {
            // alternate who goes first, so drift in the stream favours neither
            for (int turn = 0; turn < 2; ++turn) {
                const bool playerTurn = (run + turn) % 2 == 0;
                QElapsedTimer started;
                started.start();
                if (playerTurn) {
                    player.play(url, true, cachingMs);
                    ours.push_back(waitForAdvance(started, [&] { return player.timeMs(); }));
                    player.stop();
                } else {
                    bare.play(url.toUtf8(), cachingMs);
                    theirs.push_back(waitForAdvance(started, [&] { return bare.timeMs(); }));
                    bare.stop();
                }
                QElapsedTimer pause;
                pause.start();
                while (pause.elapsed() < 200)
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            }
        }
        const double playerMs = median(ours);
        const double bareMs = median(theirs);
        const QString caching = QStringLiteral("caching %1 ms").arg(cachingMs);
        bench::report(QStringLiteral("player_start"), QStringLiteral("VlcPlayer, ") + caching,
                      playerMs, QStringLiteral("ms"));
        bench::report(QStringLiteral("player_start"), QStringLiteral("bare libVLC, ") + caching,
                      bareMs, QStringLiteral("ms"));
        bench::report(QStringLiteral("player_start"), QStringLiteral("ratio, ") + caching,
                      bareMs > 0 ? playerMs / bareMs : -1, QStringLiteral("x"),
                      QStringLiteral("<= 1.05"));
    }
    delete playerWidget;
    delete bareWidget;
    return 0;
}
