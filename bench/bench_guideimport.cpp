// The programme guide: importing the demo server's large guide (2,000 channels x 10 days, about
// 500k programmes and 200 MB) over loopback HTTP, plain and gzip, with the window thread's
// longest event-loop gap meanwhile; then "Now" for 10,000 channels (straight from the file, and as
// the window does it: the next hours read in the background, every row from memory) and one
// channel's list.
#include "app/clock.h"
#include "benchutil.h"
#include "demoguide.h"
#include "guide/guideimporter.h"
#include "guide/guidematch.h"
#include "guide/guidenowtable.h"
#include "guide/guideservice.h"
#include "guide/guidestore.h"
#include "guide/guidestorewriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <optional>

#include <sys/resource.h>

namespace {
const QString kName = QStringLiteral("guide import");

double processCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

struct Run
{
    double wallMs = -1;
    double cpuMs = -1;
    double rssGrowthMb = -1;
    double longestGapMs = -1;
    qint64 programmes = 0;
};

// One import on the importer's thread while this thread's event loop ticks every millisecond.
Run importOnce(const QString& url, const QString& store, bool gzip,
               const GuideMatch::Wanted& wanted)
{
    GuideImporter::Request request;
    request.storePath = store;
    request.urls = {QUrl(url)};
    request.wanted = wanted;
    request.acceptGzip = gzip;
    const qint64 now = Clock::epochSecs();
    request.keepFrom = now - 3 * 86400;
    request.keepUntil = now + 14 * 86400;

    QFile::remove(store);
    bench::resetPeakRss();
    const qint64 rssBefore = bench::currentRssKib();
    GuideImporter importer;
    std::optional<GuideImporter::Result> result;
    QElapsedTimer wall, gap;
    double longest = 0;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&]() {
        longest = std::max(longest, double(gap.nsecsElapsed()) / 1e6);
        gap.restart();
    });
    const double cpuBefore = processCpuMs();
    wall.start();
    gap.start();
    ticker.start();
    importer.start(request, {}, [&](const GuideImporter::Result& r) { result = r; });
    while (!result)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Run run;
    run.wallMs = double(wall.nsecsElapsed()) / 1e6;
    run.cpuMs = processCpuMs() - cpuBefore;
    run.longestGapMs = longest;
    run.rssGrowthMb = double(bench::peakRssKib() - rssBefore) / 1024.0;
    run.programmes = result->ok ? result->programmes : -1;
    if (!result->ok)
        std::fprintf(stderr, "import failed: %s\n", qPrintable(result->message));
    return run;
}

void importCases(const QString& base, const QString& folder)
{
    GuideMatch::Wanted wanted;
    for (qint64 id = 1; id <= 2000; ++id)
        wanted.ids.insert(GuideMatch::key(DemoGuide::guideId(id)));
    const QString url = base + QStringLiteral("/xmltv.php?username=demo&password=demo");
    const QString store = folder + QStringLiteral("/guide.sqlite");
    for (const bool gzip : {false, true}) {
        std::vector<Run> runs;
        for (int i = 0; i < 3; ++i)
            runs.push_back(importOnce(url, store, gzip, wanted));
        auto median = [&](double Run::*field) {
            std::vector<double> values;
            for (const Run& r : runs)
                values.push_back(r.*field);
            std::sort(values.begin(), values.end());
            return values[values.size() / 2];
        };
        const QString what = gzip ? QStringLiteral("gzip") : QStringLiteral("plain");
        bench::report(
            kName,
            what + QStringLiteral(" 200 MB, %1 programmes, wall").arg(runs.front().programmes),
            median(&Run::wallMs), QStringLiteral("ms"), QStringLiteral("< 5000 ms"));
        bench::report(kName, what + QStringLiteral(" CPU (all threads; wall on an idle machine)"),
                      median(&Run::cpuMs), QStringLiteral("ms"), QStringLiteral("< 5000 ms"));
        double rss = 0;
        for (const Run& r : runs)
            rss = std::max(rss, r.rssGrowthMb);
        bench::report(kName, what + QStringLiteral(" peak RSS growth (largest of 3)"), rss,
                      QStringLiteral("MB"), QStringLiteral("< 64 MB"));
        bench::report(kName, what + QStringLiteral(" longest GUI event-loop gap"),
                      median(&Run::longestGapMs), QStringLiteral("ms"), QStringLiteral("< 50 ms"));
    }
}

// A store of 10,000 channels with a day and a half of half-hour programmes each.
void lookupCases(const QString& folder)
{
    const QString path = folder + QStringLiteral("/lookups.sqlite");
    const qint64 now = Clock::epochSecs();
    const qint64 from = now - now % 1800 - 86400;
    constexpr int kChannels = 10000;
    {
        GuideStoreWriter writer(path);
        if (!writer.begin())
            return;
        for (int c = 1; c <= kChannels; ++c) {
            writer.addChannel(c, QStringLiteral("c%1").arg(c), {QStringLiteral("C%1").arg(c)});
            for (int i = 0; i < 72; ++i) {
                GuideProgramme p;
                p.start = from + i * 1800;
                p.stop = p.start + 1800;
                p.title = QStringLiteral("Programme %1 of channel %2").arg(i).arg(c);
                writer.addProgramme(c, p);
            }
        }
        if (!writer.commit({{QStringLiteral("importedAt"), QString::number(now)}}))
            return;
    }
    GuideStore store;
    store.open(path);
    QList<MediaItem> items;
    for (int c = 1; c <= kChannels; ++c) {
        MediaItem item;
        item.id = QString::number(c);
        item.guideId = QStringLiteral("c%1").arg(c);
        items.append(item);
    }
    GuideMatch::Index index;
    index.build(store.channels());
    int filled = 0;
    double cpu = 0;
    const double fill = bench::medianMs(5, [&]() {
        const double before = bench::threadCpuMs();
        const QHash<int, GuideNowNext> nowNext = store.nowNext(now);
        filled = 0;
        for (const MediaItem& item : items)
            filled += nowNext.value(index.find(item, false)).hasNow;
        cpu = bench::threadCpuMs() - before;
    });
    bench::report(kName,
                  QStringLiteral("Now of %1 channels (%2 filled), straight from the file")
                      .arg(kChannels)
                      .arg(filled),
                  fill, QStringLiteral("ms"));
    bench::report(kName, QStringLiteral("Now of %1 channels from the file, CPU").arg(kChannels),
                  cpu, QStringLiteral("ms"));

    // What the window does: the next hours read off its thread, then every row from memory.
    std::shared_ptr<const GuideNowTable> table;
    const double read = bench::medianMs(
        5, [&]() { table = GuideNowTable::read(path, now, now + GuideService::kNowWindowSecs); });
    bench::report(kName,
                  QStringLiteral("Now: reading the next 6 hours of %1 channels (background, "
                                 "every 3 hours)")
                      .arg(kChannels),
                  read, QStringLiteral("ms"));
    QHash<QString, int> channelById; // built once per catalog, as the service does
    for (const MediaItem& item : items)
        channelById.insert(item.id, index.find(item, false));
    const double memory = bench::medianMs(5, [&]() {
        const double before = bench::threadCpuMs();
        filled = 0;
        for (const MediaItem& item : items)
            filled += table->at(channelById.value(item.id, -1), now).hasNow;
        cpu = bench::threadCpuMs() - before;
    });
    bench::report(
        kName,
        QStringLiteral("Now of %1 channels (%2 filled), window thread").arg(kChannels).arg(filled),
        memory, QStringLiteral("ms"), QStringLiteral("< 30 ms"));
    bench::report(kName, QStringLiteral("Now of %1 channels, window thread CPU").arg(kChannels),
                  cpu, QStringLiteral("ms"), QStringLiteral("< 30 ms"));
    int count = 0;
    const double list = bench::medianMs(51, [&]() {
        count = int(store.programmes(1 + count % kChannels, now - 86400, now + 7 * 86400).size());
    });
    bench::report(kName, QStringLiteral("one channel's programme list (%1)").arg(count), list,
                  QStringLiteral("ms"), QStringLiteral("< 10 ms"));
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (app.arguments().contains(QStringLiteral("--lookups"))) {
        lookupCases(dir.path());
        return 0;
    }
    QProcess server;
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start(QStringLiteral(VELMORA_DEMO_SERVER),
                 {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"),
                  QStringLiteral("--scale"), QStringLiteral("10"), QStringLiteral("--large-guide"),
                  QStringLiteral("--data-dir"), dir.path()});
    QString base;
    while (base.isEmpty() && server.waitForReadyRead(60000)) {
        while (server.canReadLine()) {
            const QByteArray line = server.readLine().trimmed();
            if (line.startsWith("DEMO_SERVER_URL="))
                base = QString::fromUtf8(line.mid(16));
        }
    }
    if (base.isEmpty()) {
        bench::report(kName, QStringLiteral("demo server"), -1, QStringLiteral("FAILED"));
        return 1;
    }
    importCases(base, dir.path());
    lookupCases(dir.path());
    server.terminate();
    server.waitForFinished(10000);
    return 0;
}
