// Xtream catalog speed and memory: reading a 100k-movie get_vod_streams answer into records
// (fast path and Qt's parser alone), saving and loading a 100k-item cache section, and the six
// cache saves that follow one full catalog fetch of 10k channels, 100k movies and 20k series.
#include "benchutil.h"
#include "catalogdata.h"
#include "providers/catalogcache.h"
#include "providers/xtreamparser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {
QList<Category> categories(int count, const QString& prefix)
{
    QList<Category> list;
    for (int i = 0; i < count; ++i)
        list.append({QString::number(i + 1), prefix + QString::number(i + 1)});
    return list;
}

QList<MediaItem> items(int count, int type, quint32 seed)
{
    QList<MediaItem> list = bench::generateItems(count, seed);
    for (MediaItem& item : list)
        item.type = type;
    return list;
}

double megabytes(qint64 bytes)
{
    return double(bytes) / (1024.0 * 1024.0);
}

struct Measured
{
    double ms = 0;
    double peakMb = 0;
};

Measured measure(int runs, const std::function<void()>& body)
{
    const qint64 before = bench::currentRssKib();
    bench::resetPeakRss();
    Measured m;
    m.ms = bench::medianMs(runs, body);
    m.peakMb = double(bench::peakRssKib() - before) / 1024.0;
    return m;
}
} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir profile;
    qputenv("XDG_DATA_HOME", profile.path().toUtf8());
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Velmora Player"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    const QString name = QStringLiteral("xtream parse");

    // (a) JSON answer to records.
    {
        const QByteArray answer = bench::vodAnswer(100000);
        const QString label =
            QStringLiteral("100k movies, %1 MB").arg(megabytes(answer.size()), 0, 'f', 1);
        for (const auto& [path, pathName, target] :
             {std::tuple{JsonPath::Fast, QStringLiteral("simdjson"), QStringLiteral("< 300 ms")},
              std::tuple{JsonPath::Reference, QStringLiteral("Qt only"), QString()}}) {
            qsizetype parsed = 0;
            const Measured m = measure(
                5, [&] { parsed = XtreamParser::vodStreams(answer, nullptr, path).size(); });
            if (parsed != 100000)
                qFatal("parsed %lld movies", qlonglong(parsed));
            bench::report(name, label + u' ' + pathName, m.ms, QStringLiteral("ms"), target);
            bench::report(name, label + u' ' + pathName, megabytes(answer.size()) / (m.ms / 1000.0),
                          QStringLiteral("MB/s"));
            bench::report(name, label + u' ' + pathName, m.peakMb,
                          QStringLiteral("MB peak above input"));
        }
    }

    // (b) One 100k-item section saved to and loaded from the cache.
    const QString cacheName = QStringLiteral("cache");
    {
        CatalogCache::Section section;
        section.categories = categories(60, QStringLiteral("Movies "));
        section.items = items(100000, MediaItem::Movie, 2);
        const QString source = QStringLiteral("Bench server");
        const Measured save =
            measure(5, [&] { CatalogCache::save(source, QStringLiteral("movie"), section); });
        const qint64 size = QFileInfo(CatalogCache::filePath(source)).size();
        const QString label =
            QStringLiteral("100k-item section, %1 MB").arg(megabytes(size), 0, 'f', 1);
        bench::report(cacheName, label + QStringLiteral(" save"), save.ms, QStringLiteral("ms"),
                      QStringLiteral("< 400 ms"));
        bench::report(cacheName, label + QStringLiteral(" save"),
                      megabytes(size) / (save.ms / 1000.0), QStringLiteral("MB/s"));
        bench::report(cacheName, label + QStringLiteral(" save"), save.peakMb,
                      QStringLiteral("MB peak"));
        CatalogCache::Section loaded;
        const Measured load =
            measure(5, [&] { CatalogCache::load(source, QStringLiteral("movie"), loaded); });
        if (loaded.items.size() != 100000)
            qFatal("loaded %lld items", qlonglong(loaded.items.size()));
        bench::report(cacheName, label + QStringLiteral(" load"), load.ms, QStringLiteral("ms"),
                      QStringLiteral("< 300 ms"));
        bench::report(cacheName, label + QStringLiteral(" load"),
                      megabytes(size) / (load.ms / 1000.0), QStringLiteral("MB/s"));
        bench::report(cacheName, label + QStringLiteral(" load"), load.peakMb,
                      QStringLiteral("MB peak"));
    }

    // (c) The six saves of one catalog fetch (each completion rewrites its section), first into
    // an empty cache, then over yesterday's full file.
    {
        const QList<Category> liveCategories = categories(40, QStringLiteral("Live "));
        const QList<Category> movieCategories = categories(60, QStringLiteral("Movies "));
        const QList<Category> seriesCategories = categories(30, QStringLiteral("Series "));
        const QList<MediaItem> live = items(10000, MediaItem::Live, 3);
        const QList<MediaItem> movies = items(100000, MediaItem::Movie, 4);
        const QList<MediaItem> series = items(20000, MediaItem::Series, 5);
        const QString source = QStringLiteral("Six saves");
        for (const QString& round :
             {QStringLiteral("empty cache"), QStringLiteral("over a full file")}) {
            CatalogCache::Section liveSection;
            CatalogCache::Section movieSection;
            CatalogCache::Section seriesSection;
            double slowest = 0;
            const qint64 before = bench::currentRssKib();
            bench::resetPeakRss();
            auto step = [&](const QString& sectionName, const CatalogCache::Section& section) {
                slowest = std::max(slowest, bench::medianMs(1, [&] {
                                       CatalogCache::save(source, sectionName, section);
                                   }));
            };
            const double total = bench::medianMs(1, [&] {
                liveSection.categories = liveCategories;
                step(QStringLiteral("live"), liveSection);
                liveSection.items = live;
                step(QStringLiteral("live"), liveSection);
                movieSection.categories = movieCategories;
                step(QStringLiteral("movie"), movieSection);
                movieSection.items = movies;
                step(QStringLiteral("movie"), movieSection);
                seriesSection.categories = seriesCategories;
                step(QStringLiteral("series"), seriesSection);
                seriesSection.items = series;
                step(QStringLiteral("series"), seriesSection);
            });
            const double peak = double(bench::peakRssKib() - before) / 1024.0;
            const qint64 size = QFileInfo(CatalogCache::filePath(source)).size();
            const QString label = QStringLiteral("six saves 10k/100k/20k, %1, %2 MB file")
                                      .arg(round)
                                      .arg(megabytes(size), 0, 'f', 1);
            bench::report(cacheName, label, total, QStringLiteral("ms total"));
            bench::report(cacheName, label, slowest, QStringLiteral("ms slowest save"));
            bench::report(cacheName, label, peak, QStringLiteral("MB peak"));
        }
    }
    return 0;
}
