// Loading a server's catalog (from the cache or the network) into the tabs and the guide, and the
// periodic re-check.
#include "ui/mainwindow.h"

#include "app/clock.h"
#include "app/messagebox.h"
#include "guide/guideservice.h"
#include "providers/xtreamclient.h"
#include "sources/sourcemanager.h"
#include "ui/catalogconstants.h"
#include "ui/catalogtab.h"
#include "ui/libraryflow.h"
#include "ui/loadingoverlay.h"
#include "ui/serverselector.h"

#include <QTabWidget>

void MainWindow::loadSource(const SourceConfig& config, bool forceRefresh)
{
    if (config.type == SourceConfig::SubscriptionKey) {
        serverSelector->refuseRetired(config.name, activeSource.name);
        return;
    }

    activeSource = config;
    guide->setSource(config);
    libraryFlow->serverLoading(config.name);
    sourceManager->setLastActiveSourceName(config.name);
    ++loadGeneration;

    const bool xtream = config.type == SourceConfig::Xtream;
    tabs->setTabVisible(liveTabIndex, xtream);
    tabs->setTabVisible(movieTabIndex, xtream);
    tabs->setTabVisible(seriesTabIndex, xtream);
    tabs->setTabVisible(channelTabIndex, !xtream);

    liveItems.clear();
    movieItems.clear();
    seriesItems.clear();
    channelItems.clear();

    for (CatalogTab* tab : {liveTab, movieTab, seriesTab, channelTab})
        tab->reset();

    // Nothing of the previous server stays on screen while this one loads.
    liveCategories.clear();
    movieCategories.clear();
    seriesCategories.clear();
    liveTab->setCategories(liveCategories);
    movieTab->setCategories(movieCategories);
    seriesTab->setCategories(seriesCategories);
    channelTab->setCategories({});
    filterLive();
    filterMovies();
    filterSeries();
    filterChannels();

    if (xtream) {
        tabs->setCurrentIndex(liveTabIndex);
        loadXtreamSource(config, forceRefresh);
    } else {
        tabs->setCurrentIndex(channelTabIndex);
        loadM3uSource(config, forceRefresh);
    }
}

void MainWindow::loadXtreamSource(const SourceConfig& config, bool forceRefresh)
{
    if (!xtreamClient)
        xtreamClient = new XtreamClient(this);
    xtreamClient->configure(config.url, config.username, config.password);
    catalogFetched = false;
    catalogLoader->load(config, forceRefresh, xtreamClient, catalogHandlers());
}

void MainWindow::loadM3uSource(const SourceConfig& config, bool forceRefresh)
{
    catalogFetched = false;
    catalogLoader->load(config, forceRefresh, nullptr, catalogHandlers());
}

CatalogLoader::Handlers MainWindow::catalogHandlers()
{
    CatalogLoader::Handlers handlers;
    handlers.categories = [this](const QString& section, const QList<Category>& categories) {
        if (section == kLiveSection) {
            liveCategories = categories;
            liveTab->setCategories(liveCategories);
        } else if (section == kMovieSection) {
            movieCategories = categories;
            movieTab->setCategories(movieCategories);
        } else if (section == kSeriesSection) {
            seriesCategories = categories;
            seriesTab->setCategories(seriesCategories);
        } else {
            channelTab->setCategories(categories);
        }
    };
    handlers.items = [this](const QString& section, const QList<MediaItem>& items) {
        if (section == kLiveSection) {
            liveItems = items;
            filterLive();
        } else if (section == kMovieSection) {
            movieItems = items;
            filterMovies();
        } else if (section == kSeriesSection) {
            seriesItems = items;
            filterSeries();
        } else {
            channelItems = items;
            filterChannels();
        }
        libraryFlow->catalogListed(items);
        // The guide follows the channels: a fetched catalog refreshes it, a cached one only when
        // it is old.
        if (section == kLiveSection || section == kChannelSection)
            guideCatalogLoaded(catalogFetched);
    };
    handlers.guideUrls = [this](const QStringList& urls) {
        const QString offered = urls.join(u',');
        if (offered != activeSource.offeredGuideUrls) {
            activeSource.offeredGuideUrls = offered;
            sourceManager->saveSource(activeSource);
            guide->setSource(activeSource);
        }
    };
    handlers.fetching = [this](int steps, qint64 now) {
        catalogFetched = true;
        activeSource.lastUpdated = now;
        sourceManager->saveSource(activeSource);
        loadingOverlay->beginSteps(steps);
    };
    handlers.stepDone = [this]() { loadingOverlay->stepDone(); };
    handlers.failed = [this](const QString& message) {
        MessageBox::warning(this, QStringLiteral("Load Playlist"), message);
    };
    return handlers;
}

void MainWindow::checkAutoRefresh()
{
    if (!activeSource.name.isEmpty() &&
        Clock::epochSecs() - activeSource.lastUpdated > kCatalogMaxAgeSecs - 1)
        loadSource(activeSource, true);
}

void MainWindow::refreshActiveSource()
{
    if (!activeSource.name.isEmpty())
        loadSource(activeSource, true);
}
