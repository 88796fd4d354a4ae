#include "providers/catalogloader.h"

#include "app/clock.h"
#include "providers/catalogcache.h"
#include "providers/m3uparser.h"
#include "providers/playlistdownload.h"
#include "providers/xtreamclient.h"
#include "ui/catalogconstants.h"

#include <QFile>

#include <memory>

namespace {
bool isFresh(qint64 lastUpdated, qint64 now)
{
    return now - lastUpdated < kCatalogMaxAgeSecs;
}

bool isRemote(const QString& address)
{
    return address.startsWith(QStringLiteral("http://")) ||
           address.startsWith(QStringLiteral("https://"));
}

// One Xtream load: what its six requests delivered, kept apart from the loader so results of a
// load the user has moved on from are still cached under their own server.
struct XtreamLoad
{
    struct Section
    {
        explicit Section(const QString& name)
            : name(name)
        {}

        QString name;
        CatalogCache::Section data;
        bool categoriesDone = false;
        bool itemsDone = false;
        bool anyOk = false;
        bool cacheRead = false;
        CatalogCache::Section cached; // fallback for a request that failed
        bool hasCached = false;
    };

    QString sourceName;
    quint64 generation = 0;
    Section live = Section(kLiveSection);
    Section movie = Section(kMovieSection);
    Section series = Section(kSeriesSection);

    // The cached section, read at most once, stands in for a list whose request failed.
    const CatalogCache::Section* fallback(Section& section) const
    {
        if (!section.cacheRead) {
            section.cacheRead = true;
            section.hasCached = CatalogCache::load(sourceName, section.name, section.cached);
        }
        return section.hasCached ? &section.cached : nullptr;
    }

    // Both halves of a section arrived: write it, unless both requests failed (the cache then
    // keeps what it had).
    void saveIfComplete(const Section& section) const
    {
        if (section.categoriesDone && section.itemsDone && section.anyOk)
            CatalogCache::save(sourceName, section.name, section.data);
    }
};
} // namespace

CatalogLoader::CatalogLoader(QNetworkAccessManager* manager, QObject* parent)
    : QObject(parent)
    , manager(manager)
{}

void CatalogLoader::load(const SourceConfig& config, bool forceRefresh, XtreamClient* xtream,
                         const Handlers& handlers)
{
    ++generation;
    if (config.type == SourceConfig::Xtream)
        loadXtream(config, forceRefresh, xtream, handlers);
    else
        loadPlaylist(config, forceRefresh, handlers);
}

void CatalogLoader::loadXtream(const SourceConfig& config, bool forceRefresh, XtreamClient* xtream,
                               const Handlers& handlers)
{
    const qint64 now = Clock::epochSecs();
    if (!forceRefresh && isFresh(config.lastUpdated, now)) {
        CatalogCache::Section live, movie, series;
        if (CatalogCache::load(config.name, kLiveSection, live) &&
            CatalogCache::load(config.name, kMovieSection, movie) &&
            CatalogCache::load(config.name, kSeriesSection, series)) {
            for (const auto& [name, section] :
                 {std::pair{kLiveSection, &live}, std::pair{kMovieSection, &movie},
                  std::pair{kSeriesSection, &series}}) {
                handlers.categories(name, section->categories);
                handlers.items(name, section->items);
            }
            return;
        }
    }

    handlers.fetching(6, now);
    auto load = std::make_shared<XtreamLoad>();
    load->sourceName = config.name;
    load->generation = generation;

    // Each completion keeps its list with the load, delivers it while the load is current, and
    // writes the section once both of its lists are in.
    auto categoriesDone = [this, load, handlers](XtreamLoad::Section XtreamLoad::*which) {
        return [this, load, handlers, which](const QList<Category>& delivered, bool ok) {
            XtreamLoad::Section& section = (*load).*which;
            const CatalogCache::Section* cached = ok ? nullptr : load->fallback(section);
            section.data.categories = cached ? cached->categories : delivered;
            section.categoriesDone = true;
            section.anyOk = section.anyOk || ok;
            if (load->generation == generation)
                handlers.categories(section.name, section.data.categories);
            load->saveIfComplete(section);
            handlers.stepDone();
        };
    };
    auto itemsDone = [this, load, handlers](XtreamLoad::Section XtreamLoad::*which) {
        return [this, load, handlers, which](const QList<MediaItem>& delivered, bool ok) {
            XtreamLoad::Section& section = (*load).*which;
            const CatalogCache::Section* cached = ok ? nullptr : load->fallback(section);
            section.data.items = cached ? cached->items : delivered;
            section.itemsDone = true;
            section.anyOk = section.anyOk || ok;
            if (load->generation == generation)
                handlers.items(section.name, section.data.items);
            load->saveIfComplete(section);
            handlers.stepDone();
        };
    };

    xtream->fetchLiveCategories(categoriesDone(&XtreamLoad::live));
    xtream->fetchLiveStreams(QString(), itemsDone(&XtreamLoad::live));
    xtream->fetchVodCategories(categoriesDone(&XtreamLoad::movie));
    xtream->fetchVodStreams(QString(), itemsDone(&XtreamLoad::movie));
    xtream->fetchSeriesCategories(categoriesDone(&XtreamLoad::series));
    xtream->fetchSeries(QString(), itemsDone(&XtreamLoad::series));
}

void CatalogLoader::loadPlaylist(const SourceConfig& config, bool forceRefresh,
                                 const Handlers& handlers)
{
    const qint64 now = Clock::epochSecs();
    if (!forceRefresh && isFresh(config.lastUpdated, now)) {
        CatalogCache::Section channel;
        if (CatalogCache::load(config.name, kChannelSection, channel)) {
            handlers.categories(kChannelSection, channel.categories);
            handlers.items(kChannelSection, channel.items);
            return;
        }
    }

    handlers.fetching(1, now);
    const quint64 requested = generation;
    if (isRemote(config.url)) {
        PlaylistDownload::get(manager, config.url, this,
                              [this, name = config.name, requested,
                               handlers](const QByteArray& body, const QString& error) {
                                  if (!error.isEmpty()) {
                                      handlers.stepDone();
                                      handlers.failed(
                                          tr("Failed to download playlist: %1").arg(error));
                                      return;
                                  }
                                  applyPlaylist(name, requested, body, handlers);
                              });
        return;
    }

    QFile file(config.url);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        handlers.stepDone();
        handlers.failed(tr("Failed to open file: %1").arg(config.url));
        return;
    }
    applyPlaylist(config.name, requested, file.readAll(), handlers);
}

void CatalogLoader::applyPlaylist(const QString& sourceName, quint64 load, const QByteArray& utf8,
                                  const Handlers& handlers)
{
    const M3uParser::Result parsed = M3uParser::parseUtf8(utf8);
    if (load == generation) {
        if (handlers.guideUrls)
            handlers.guideUrls(parsed.guideUrls);
        handlers.categories(kChannelSection, parsed.categories);
        handlers.items(kChannelSection, parsed.items);
    }
    CatalogCache::save(sourceName, kChannelSection, {parsed.categories, parsed.items});
    handlers.stepDone();
}
