// Loading a server's catalog (from the cache or the network) into the tabs and the guide, and the
// periodic re-check.
#include "ui/catalogsession.h"

#include "app/clock.h"
#include "app/messagebox.h"
#include "guide/guideservice.h"
#include "lineup/lineupflow.h"
#include "providers/xtreamclient.h"
#include "sources/sourcemanager.h"
#include "ui/catalogconstants.h"
#include "ui/catalogtab.h"
#include "ui/libraryflow.h"
#include "ui/loadingoverlay.h"
#include "ui/serverselector.h"

#include <QTabWidget>

CatalogSession::CatalogSession(SourceManager* sources, CatalogLoader* loader, QObject* parent)
    : QObject(parent)
    , sourceManager(sources)
    , catalogLoader(loader)
{}

void CatalogSession::attach(const Parts& parts)
{
    p = parts;
}

void CatalogSession::loadSource(const SourceConfig& config, bool forceRefresh)
{
    if (config.type == SourceConfig::SubscriptionKey) {
        p.serverSelector->refuseRetired(config.name, activeSource.name);
        return;
    }

    activeSource = config;
    p.lineup->serverLoading(config);
    p.guide->setSource(p.lineup->guideConfig(config));
    p.libraryFlow->serverLoading(config.storageKey());
    sourceManager->setLastActiveSourceName(config.name);
    ++loadGeneration;

    const bool xtream = config.type == SourceConfig::Xtream;
    p.tabs->setTabVisible(*p.liveTabIndex, xtream);
    p.tabs->setTabVisible(*p.movieTabIndex, xtream);
    p.tabs->setTabVisible(*p.seriesTabIndex, xtream);
    p.tabs->setTabVisible(*p.channelTabIndex, !xtream);

    liveItems.clear();
    movieItems.clear();
    seriesItems.clear();
    channelItems.clear();

    for (CatalogTab* tab : {p.liveTab, p.movieTab, p.seriesTab, p.channelTab})
        tab->reset();

    // Nothing of the previous server stays on screen while this one loads.
    liveCategories.clear();
    movieCategories.clear();
    seriesCategories.clear();
    p.liveTab->setCategories(liveCategories);
    p.movieTab->setCategories(movieCategories);
    p.seriesTab->setCategories(seriesCategories);
    p.channelTab->setCategories({});
    p.liveTab->refilter();
    p.movieTab->refilter();
    p.seriesTab->refilter();
    p.channelTab->refilter();

    if (xtream) {
        p.tabs->setCurrentIndex(*p.liveTabIndex);
        loadXtreamSource(config, forceRefresh);
    } else {
        p.tabs->setCurrentIndex(*p.channelTabIndex);
        loadM3uSource(config, forceRefresh);
    }
}

void CatalogSession::loadXtreamSource(const SourceConfig& config, bool forceRefresh)
{
    if (!xtreamClient)
        xtreamClient = new XtreamClient(this);
    xtreamClient->configure(config.url, config.username, config.password);
    catalogFetched = false;
    catalogLoader->load(config, forceRefresh, xtreamClient, catalogHandlers());
}

void CatalogSession::loadM3uSource(const SourceConfig& config, bool forceRefresh)
{
    catalogFetched = false;
    catalogLoader->load(config, forceRefresh, nullptr, catalogHandlers());
}

CatalogLoader::Handlers CatalogSession::catalogHandlers()
{
    CatalogLoader::Handlers handlers;
    handlers.categories = [this](const QString& section, const QList<Category>& provided) {
        const QList<Category> categories = p.lineup->shapeCategories(section, provided);
        if (section == kLiveSection) {
            liveCategories = categories;
            p.liveTab->setCategories(liveCategories);
        } else if (section == kMovieSection) {
            movieCategories = categories;
            p.movieTab->setCategories(movieCategories);
        } else if (section == kSeriesSection) {
            seriesCategories = categories;
            p.seriesTab->setCategories(seriesCategories);
        } else {
            p.channelTab->setCategories(categories);
        }
    };
    handlers.items = [this](const QString& section, const QList<MediaItem>& provided) {
        p.lineup->shapeItems(section, provided, [this, section](const QList<MediaItem>& items) {
            itemsShaped(section, items);
        });
    };
    handlers.guideUrls = [this](const QStringList& urls) {
        const QString offered = urls.join(u',');
        if (offered != activeSource.offeredGuideUrls) {
            activeSource.offeredGuideUrls = offered;
            sourceManager->saveSource(activeSource);
            p.guide->setSource(p.lineup->guideConfig(activeSource));
        }
    };
    handlers.fetching = [this](int steps, qint64 now) {
        catalogFetched = true;
        activeSource.lastUpdated = now;
        sourceManager->saveSource(activeSource);
        p.loadingOverlay->beginSteps(steps);
    };
    handlers.stepDone = [this]() { p.loadingOverlay->stepDone(); };
    handlers.failed = [this](const QString& message) {
        MessageBox::warning(p.window, tr("Load Playlist"), message);
    };
    return handlers;
}

void CatalogSession::itemsShaped(const QString& section, const QList<MediaItem>& items)
{
    if (section == kLiveSection) {
        liveItems = items;
        p.liveTab->refilter();
    } else if (section == kMovieSection) {
        movieItems = items;
        p.movieTab->refilter();
    } else if (section == kSeriesSection) {
        seriesItems = items;
        p.seriesTab->refilter();
    } else {
        channelItems = items;
        p.channelTab->refilter();
    }
    p.libraryFlow->catalogListed(items);
    if (section == kLiveSection || section == kChannelSection)
        guideCatalogLoaded(catalogFetched);
}

void CatalogSession::checkAutoRefresh()
{
    if (!activeSource.name.isEmpty() &&
        Clock::epochSecs() - activeSource.lastUpdated > kCatalogMaxAgeSecs - 1)
        loadSource(activeSource, true);
}

void CatalogSession::refreshActiveSource()
{
    if (!activeSource.name.isEmpty())
        loadSource(activeSource, true);
}

void CatalogSession::guideCatalogLoaded(bool fetched)
{
    p.guide->setChannels(activeSource.type == SourceConfig::Xtream ? liveItems : channelItems);
    p.guide->refresh(fetched);
}
