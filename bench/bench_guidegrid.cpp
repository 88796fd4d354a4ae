// The TV guide grid over 10,000 channels x 7 days (about 1.7M programmes in a store file made
// here): opening the tab until its first complete frame, the paint time of every frame of a
// scripted scroll (down through the channels, across the days, both at once, paging), and the
// memory the view holds meanwhile.
#include "app/clock.h"
#include "benchutil.h"
#include "benchwindow.h"
#include "guide/guidegrid.h"
#include "guide/guidegriddata.h"
#include "guide/guidegridtab.h"
#include "guide/guideservice.h"
#include "guide/guidestorewriter.h"
#include "tempprofile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>

#include <algorithm>
#include <vector>

namespace {
const QString kName = QStringLiteral("guide grid");
constexpr int kChannels = 10000;
constexpr qint64 kDay = 86400;

// Lengths vary by channel so boundaries differ from row to row: 1.7M programmes in 7 days.
qint64 writeStore(const QString& path, qint64 now)
{
    GuideStoreWriter writer(path);
    if (!writer.begin())
        return -1;
    static const int lengths[] = {35, 50, 45, 60, 90, 45, 50, 75, 40, 120, 35, 55};
    const qint64 from = now - kDay;
    const qint64 to = now + 6 * kDay;
    for (int c = 0; c < kChannels; ++c) {
        writer.addChannel(c, QStringLiteral("ch%1").arg(c), {QStringLiteral("Channel %1").arg(c)});
        qint64 t = from - (c * 7 % 60) * 60;
        for (int i = 0; t < to; ++i) {
            GuideProgramme p;
            p.start = t;
            p.stop = t + lengths[(c + i * 5) % 12] * 60;
            p.title = QStringLiteral("Programme %1 of channel %2").arg(i).arg(c);
            p.description = QStringLiteral("What happens in programme %1.").arg(i);
            writer.addProgramme(c, p);
            t = p.stop;
        }
    }
    if (!writer.commit({{QStringLiteral("importedAt"), QString::number(now)}}))
        return -1;
    return writer.programmeCount();
}

void waitIdle(GuideGrid* grid)
{
    while (!grid->data()->isIdle())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QCoreApplication::processEvents();
}

double percentile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(q * double(v.size() - 1) + 0.5))];
}
} // namespace

int main(int argc, char* argv[])
{
    bench::useOffscreenPlatform();
    QApplication app(argc, argv);
    bench::nameApplication();
    TempProfile profile;

    QFile loadavg(QStringLiteral("/proc/loadavg"));
    if (loadavg.open(QIODevice::ReadOnly))
        bench::report(kName, QStringLiteral("machine load (1 min) at start"),
                      loadavg.readAll().split(' ').value(0).toDouble(), QStringLiteral("load"));

    const qint64 now = Clock::epochSecs();
    SourceConfig config;
    config.type = SourceConfig::Xtream;
    config.name = QStringLiteral("Bench");
    const qint64 programmes = writeStore(GuideService::storePath(config.name), now);
    if (programmes <= 0) {
        bench::report(kName, QStringLiteral("store written"), 0, QStringLiteral("FAILED"));
        return 1;
    }
    bench::report(kName, QStringLiteral("programmes in the store"), double(programmes),
                  QStringLiteral("count"));

    QList<MediaItem> channels;
    for (int c = 0; c < kChannels; ++c) {
        MediaItem item;
        item.id = QString::number(c);
        item.name = QStringLiteral("Channel %1").arg(c);
        item.guideId = QStringLiteral("ch%1").arg(c);
        item.archiveDays = c % 3 == 0 ? 1 : 0;
        channels.append(item);
    }
    GuideService guide;
    guide.setSource(config);
    guide.setChannels(channels);
    bench::settle();

    bench::resetPeakRss();
    const qint64 rssBefore = bench::currentRssKib();

    // Open: build the tab, map 10k channels, show, until a frame with every visible window.
    QElapsedTimer open;
    open.start();
    GuideGridTab tab(
        &guide, nullptr, true, [&channels]() { return channels; },
        []() { return QStringLiteral("All channels"); });
    tab.resize(1600, 900);
    tab.show();
    GuideGrid* grid = tab.grid();
    grid->viewport()->repaint();
    waitIdle(grid);
    grid->viewport()->repaint();
    bench::report(kName, QStringLiteral("open the view, first complete frame"),
                  double(open.nsecsElapsed()) / 1e6, QStringLiteral("ms"), QStringLiteral("< 200"));

    // Scripted scroll at a 60 Hz pace: each frame moves, paints (timed), then lets the reader
    // deliver until the frame's 16 ms are up.
    QScrollBar* h = grid->horizontalScrollBar();
    QScrollBar* v = grid->verticalScrollBar();
    const int row = grid->gridLayout().rowHeight();
    struct Step
    {
        int frames;
        int dx;
        int dy;
    };
    const Step script[] = {
        {600, 0, row * 3},      // fling down through 1,800 channels
        {400, 40, 0},           // across the days
        {400, 25, row},         // both at once
        {60, 0, v->pageStep()}, // Page Down
        {300, -60, -row * 2},   // back up and into the past
    };
    std::vector<double> frames;
    std::vector<double> cpu; // the same frames in CPU time of this thread, for a busy machine
    int incomplete = 0;
    for (const Step& step : script) {
        for (int i = 0; i < step.frames; ++i) {
            QElapsedTimer frame;
            frame.start();
            h->setValue(h->value() + step.dx);
            v->setValue(v->value() + step.dy);
            QElapsedTimer paint;
            const double cpuBefore = bench::threadCpuMs();
            paint.start();
            grid->viewport()->repaint();
            frames.push_back(double(paint.nsecsElapsed()) / 1e6);
            cpu.push_back(bench::threadCpuMs() - cpuBefore);
            if (!grid->data()->isIdle())
                ++incomplete;
            while (frame.elapsed() < 16)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents,
                                                int(16 - frame.elapsed()));
        }
    }
    bench::report(kName, QStringLiteral("paint per frame while scrolling, p50"),
                  percentile(frames, 0.5), QStringLiteral("ms"), QStringLiteral("< 16"));
    bench::report(kName, QStringLiteral("paint per frame while scrolling, p99"),
                  percentile(frames, 0.99), QStringLiteral("ms"), QStringLiteral("< 16"));
    bench::report(kName, QStringLiteral("paint per frame while scrolling, max"),
                  *std::max_element(frames.begin(), frames.end()), QStringLiteral("ms"),
                  QStringLiteral("< 16"));
    bench::report(kName, QStringLiteral("paint CPU time per frame, p50"), percentile(cpu, 0.5),
                  QStringLiteral("ms"));
    bench::report(kName, QStringLiteral("paint CPU time per frame, p99"), percentile(cpu, 0.99),
                  QStringLiteral("ms"));
    bench::report(kName, QStringLiteral("paint CPU time per frame, max"),
                  *std::max_element(cpu.begin(), cpu.end()), QStringLiteral("ms"));
    bench::report(kName, QStringLiteral("frames painted with windows still loading"),
                  100.0 * incomplete / double(frames.size()), QStringLiteral("%"));
    waitIdle(grid);
    bench::report(kName, QStringLiteral("memory growth of the view (peak RSS)"),
                  double(bench::peakRssKib() - rssBefore) / 1024.0, QStringLiteral("MB"),
                  QStringLiteral("< 50"));
    if (loadavg.seek(0))
        bench::report(kName, QStringLiteral("machine load (1 min) at end"),
                      loadavg.readAll().split(' ').value(0).toDouble(), QStringLiteral("load"));
    return 0;
}
