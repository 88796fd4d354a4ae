// Start-up of the whole program against a large catalog, as a user sees it: velmora-player is
// started as a process with the demo server at 100k movies, 20k series and 10k channels, and
// the clock runs until the display shows the result. Nothing inside the player is timed; its
// window is watched from outside through screenshots of the display.
//
// first start: a fresh profile holding only the server; the six lists are fetched, and the
//   start ends when the "Loading..." overlay has left the catalog tabs (its dark veil is gone).
// cached start: the same profile again, so the catalog comes from the cache; the start ends
//   when the window shows the first tab ("Live TV") with its categories.
// Also: when the last list had arrived (from the player's diagnostic lines), the CPU time the
// player used until the end point (what it costs independent of other load on the machine), and
// its peak resident memory (VmHWM) a moment after the end point.

#include "benchutil.h"

#include "demoserverprocess.h"
#include "playerprocess.h"
#include "xwindowdriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int kScale = 100000;
constexpr int kRuns = 3;
constexpr qint64 kGiveUpMs = 120000;

void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The catalog tabs' part of a window screenshot: left of the video area, which is the pure black
// rectangle (nothing else in the theme is pure black). Empty while the window is unpainted.
QRect tabsArea(const QImage& shot)
{
    QRect video;
    for (int y = 0; y < shot.height(); y += 4) {
        for (int x = 0; x < shot.width(); x += 4) {
            if ((shot.pixel(x, y) & 0xffffff) == 0)
                video |= QRect(x, y, 1, 1);
        }
    }
    // The programme guide may share the width right of the video, and the tabs are narrow.
    if (video.left() < shot.width() / 8 || video.width() < shot.width() / 3 ||
        video.height() < shot.height() / 2)
        return QRect();
    return QRect(QPoint(8, video.top()), QPoint(video.left() - 8, video.bottom()));
}

struct TabsLook
{
    int medianGray = 0; // the background: about 32 to 40 bare, under 20 behind the overlay
    int textPixels = 0; // light pixels: category names (or the overlay's "Loading...")
};

TabsLook look(const QImage& shot, const QRect& area)
{
    std::vector<int> grays;
    TabsLook result;
    for (int y = area.top(); y <= area.bottom(); y += 2) {
        for (int x = area.left(); x <= area.right(); x += 2) {
            const int gray = qGray(shot.pixel(x, y));
            grays.push_back(gray);
            if (gray > 150)
                ++result.textPixels;
        }
    }
    if (grays.empty())
        return result;
    std::nth_element(grays.begin(), grays.begin() + grays.size() / 2, grays.end());
    result.medianGray = grays[grays.size() / 2];
    return result;
}

struct Run
{
    double windowShownS = -1;
    double listsReceivedS = -1; // first start: the sixth "[Xtream] <-" line
    double doneS = -1;
    double cpuS = -1;
    double peakMb = -1;
};

// Starts the player on `profile` and watches its window until the tabs show the catalog.
// `fetching`: the lists come from the network, so the overlay must be seen and then gone.
Run startAndWatch(const QString& profile, bool fetching)
{
    Run run;
    PlayerProcess player(QStringLiteral(VELMORA_PLAYER), profile);
    player.setVariable(QStringLiteral("VELMORA_NET_DEBUG"), QStringLiteral("1"));
    player.setVariable(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QElapsedTimer clock;
    clock.start();
    if (!player.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(player.errorText()));
        return run;
    }
    XWindowDriver window;
    if (!window.find(player.pid(), QStringLiteral("Quorbin"), int(kGiveUpMs))) {
        std::fprintf(stderr, "%s\n", qPrintable(window.errorText()));
        return run;
    }
    run.windowShownS = clock.elapsed() / 1000.0;

    static const QRegularExpression received(QStringLiteral("^\\[Xtream\\] <- "));
    bool overlaySeen = false;
    while (clock.elapsed() < kGiveUpMs && player.isRunning()) {
        if (fetching && run.listsReceivedS < 0 && player.countLines(received) >= 6)
            run.listsReceivedS = clock.elapsed() / 1000.0;
        const QImage shot = window.grab();
        const QRect area = tabsArea(shot);
        if (!area.isEmpty()) {
            const TabsLook tabs = look(shot, area);
            if (tabs.medianGray > 8 && tabs.medianGray < 22)
                overlaySeen = true;
            const bool bare = tabs.medianGray >= 26;
            if (bare && (!fetching || overlaySeen) && tabs.textPixels > 100) {
                run.doneS = clock.elapsed() / 1000.0;
                run.cpuS = player.cpuSeconds();
                break;
            }
        }
        pause(10);
    }
    if (run.doneS < 0) {
        std::fprintf(stderr, "the tabs never showed the catalog%s\n%s\n",
                     fetching && !overlaySeen ? " (no overlay seen)" : "",
                     player.standardError().right(2000).constData());
        return run;
    }
    pause(500);
    run.peakMb = player.peakRssKib() / 1024.0;
    if (fetching && player.countLines(received) != 6)
        std::fprintf(stderr, "expected six lists, the player logged %d\n",
                     player.countLines(received));
    player.stop();
    return run;
}

double medianOf(std::vector<Run>& runs, double Run::*field)
{
    std::vector<double> values;
    for (const Run& run : runs)
        values.push_back(run.*field);
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

double maxOf(std::vector<Run>& runs, double Run::*field)
{
    double most = -1;
    for (const Run& run : runs)
        most = std::max(most, run.*field);
    return most;
}

// The window needs an X display; without one, start again under a virtual one.
void ensureDisplay(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsEmpty("DISPLAY") ||
        qEnvironmentVariableIsSet("VELMORA_BENCH_NO_XVFB"))
        return;
    qputenv("VELMORA_BENCH_NO_XVFB", "1");
    std::vector<char*> args{const_cast<char*>("xvfb-run"), const_cast<char*>("-a"),
                            const_cast<char*>("-s"), const_cast<char*>("-screen 0 1920x1080x24")};
    for (int i = 0; i < argc; ++i)
        args.push_back(argv[i]);
    args.push_back(nullptr);
    ::execvp("xvfb-run", args.data());
    std::fprintf(stderr, "no X display and no xvfb-run\n");
    std::exit(1);
}
} // namespace

int main(int argc, char* argv[])
{
    ensureDisplay(argc, argv);
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QString why;
    if (!XWindowDriver::available(&why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }

    DemoServerProcess demo({QStringLiteral("--scale"), QString::number(kScale)});
    if (!demo.start(60000)) {
        std::fprintf(stderr, "%s\n", qPrintable(demo.errorText()));
        return 1;
    }

    std::vector<Run> first;
    std::vector<Run> cached;
    for (int i = 0; i < kRuns; ++i) {
        QTemporaryDir profile;
        PlayerProcess setup(QStringLiteral(VELMORA_PLAYER), profile.path());
        if (!setup.addDemoServer(QStringLiteral(VELMORA_DEMO_PROFILE), demo.baseUrl())) {
            std::fprintf(stderr, "%s\n", qPrintable(setup.errorText()));
            return 1;
        }
        first.push_back(startAndWatch(profile.path(), true));
        cached.push_back(startAndWatch(profile.path(), false));
    }

    const QString name = QStringLiteral("whole_start");
    const QString s = QStringLiteral("s");
    bench::report(name, QStringLiteral("first start: window shown"),
                  medianOf(first, &Run::windowShownS), s);
    bench::report(name, QStringLiteral("first start: six lists received"),
                  medianOf(first, &Run::listsReceivedS), s);
    bench::report(name, QStringLiteral("first start: overlay gone"), medianOf(first, &Run::doneS),
                  s, QStringLiteral("< 4"));
    bench::report(name, QStringLiteral("first start: player CPU"), medianOf(first, &Run::cpuS), s);
    bench::report(name, QStringLiteral("first start: peak memory"), maxOf(first, &Run::peakMb),
                  QStringLiteral("MB"), QStringLiteral("< 500"));
    bench::report(name, QStringLiteral("cached start: first tab shown"),
                  medianOf(cached, &Run::doneS), s, QStringLiteral("< 1.5"));
    bench::report(name, QStringLiteral("cached start: player CPU"), medianOf(cached, &Run::cpuS),
                  s);
    bench::report(name, QStringLiteral("cached start: peak memory"), maxOf(cached, &Run::peakMb),
                  QStringLiteral("MB"), QStringLiteral("< 250"));
    return 0;
}
