// Servers: the selector, loading a server's catalog (from the cache or the network), adding,
// editing and deleting servers, retired servers and the periodic re-check.
#include "ui/mainwindow.h"

#include "app/clock.h"
#include "app/messagebox.h"
#include "guide/guideservice.h"
#include "pairing/pairdialog.h"
#include "player/livebuffertuner.h"
#include "player/vlcplayer.h"
#include "providers/xtreamclient.h"
#include "sources/sourcedialog.h"
#include "sources/sourcemanager.h"
#include "sources/sourcenames.h"
#include "ui/catalogconstants.h"
#include "ui/catalogtabs.h"
#include "ui/librarystate.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSet>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>

namespace {
const SourceConfig* findSource(const QList<SourceConfig>& sources, const QString& name)
{
    for (const SourceConfig& source : sources) {
        if (source.name == name)
            return &source;
    }
    return nullptr;
}
} // namespace

void MainWindow::fillSourceSelector()
{
    const QList<SourceConfig> sources = sourceManager->sources();
    QSet<QString> retiredNames;
    int firstSupported = -1;
    {
        const QSignalBlocker blocker(sourceCombo);
        for (const SourceConfig& source : sources) {
            const bool retired = source.type == SourceConfig::SubscriptionKey;
            sourceCombo->addItem(retired ? source.name + QStringLiteral(" (no longer supported)")
                                         : source.name,
                                 source.name);
            if (retired)
                retiredNames.insert(source.name);
            else if (firstSupported < 0)
                firstSupported = sourceCombo->count() - 1;
        }
    }

    if (sourceCombo->count() == 0) {
        QTimer::singleShot(0, this, &MainWindow::addSource);
        return;
    }
    if (firstSupported < 0) {
        QTimer::singleShot(0, this, [this]() {
            MessageBox::information(this, QStringLiteral("Add your server again"),
                                    kRetiredSourceMessage);
            addSource();
        });
        return;
    }

    int target = firstSupported;
    const QString lastActive = sourceManager->lastActiveSourceName();
    const int lastIndex = sourceCombo->findData(lastActive);
    if (lastIndex >= 0 && !retiredNames.contains(lastActive))
        target = lastIndex;
    if (sourceCombo->currentIndex() == target)
        onSourceSelected(target);
    else
        sourceCombo->setCurrentIndex(target);
}

void MainWindow::onSourceSelected(int index)
{
    if (index < 0)
        return;
    const QString name = sourceCombo->itemData(index).toString();
    const QList<SourceConfig> sources = sourceManager->sources();
    if (const SourceConfig* source = findSource(sources, name))
        loadSource(*source, false);
}

void MainWindow::loadSource(const SourceConfig& config, bool forceRefresh)
{
    if (config.type == SourceConfig::SubscriptionKey) {
        const int index = sourceCombo->findData(config.name);
        {
            const QSignalBlocker blocker(sourceCombo);
            sourceCombo->setCurrentIndex(sourceCombo->findData(activeSource.name));
        }
        if (index >= 0)
            promptRemoveRetiredSource(index);
        return;
    }

    activeSource = config;
    guide->setSource(config);
    lib->library->preload(config.name);
    sourceManager->setLastActiveSourceName(config.name);
    ++loadGeneration;

    const bool xtream = config.type == SourceConfig::Xtream;
    tabs->setTabVisible(liveTabIndex, xtream);
    tabs->setTabVisible(movieTabIndex, xtream);
    tabs->setTabVisible(seriesTabIndex, xtream);
    tabs->setTabVisible(channelTabIndex, !xtream);

    liveStack->setCurrentIndex(0);
    movieStack->setCurrentIndex(0);
    seriesStack->setCurrentIndex(0);
    channelStack->setCurrentIndex(0);

    liveItems.clear();
    movieItems.clear();
    seriesItems.clear();
    channelItems.clear();

    resetTabFilterState(liveCategoryId, liveCategoryList, liveTitleLabel, liveSearchAllEdit,
                        liveSearchEdit);
    resetTabFilterState(movieCategoryId, movieCategoryList, movieTitleLabel, movieSearchAllEdit,
                        movieSearchEdit);
    resetTabFilterState(seriesCategoryId, seriesCategoryList, seriesTitleLabel, seriesSearchAllEdit,
                        seriesSearchEdit);
    resetTabFilterState(channelCategoryId, channelCategoryList, channelTitleLabel,
                        channelSearchAllEdit, channelSearchEdit);

    // Nothing of the previous server stays on screen while this one loads.
    liveCategories.clear();
    movieCategories.clear();
    seriesCategories.clear();
    populateCategoryList(liveCategoryList, liveCategories);
    populateCategoryList(movieCategoryList, movieCategories);
    populateCategoryList(seriesCategoryList, seriesCategories);
    populateCategoryList(channelCategoryList, {});
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
            populateCategoryList(liveCategoryList, liveCategories);
        } else if (section == kMovieSection) {
            movieCategories = categories;
            populateCategoryList(movieCategoryList, movieCategories);
        } else if (section == kSeriesSection) {
            seriesCategories = categories;
            populateCategoryList(seriesCategoryList, seriesCategories);
        } else {
            populateCategoryList(channelCategoryList, categories);
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
        lib->indexes.prepare(items);
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
        beginCatalogFetch(steps);
    };
    handlers.stepDone = [this]() { catalogFetchStepDone(); };
    handlers.failed = [this](const QString& message) {
        MessageBox::warning(this, QStringLiteral("Load Playlist"), message);
    };
    return handlers;
}

void MainWindow::beginCatalogFetch(int steps)
{
    pendingFetchSteps += steps;
    if (pendingFetchSteps > 0) {
        loadingOverlay->setGeometry(tabs->rect());
        loadingOverlay->raise();
        loadingOverlay->show();
    }
}

void MainWindow::catalogFetchStepDone()
{
    --pendingFetchSteps;
    if (pendingFetchSteps <= 0) {
        pendingFetchSteps = 0;
        loadingOverlay->hide();
    }
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

void MainWindow::addSource()
{
    SourceDialog dialog(this, nullptr, sourceNamesExcept(sourceManager->sources(), QString()));
    dialog.setSubscriptionPrompt(&PairDialog::askForServer);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const SourceConfig config = dialog.config();
    if (config.url.isEmpty()) {
        MessageBox::warning(this, QStringLiteral("Add Server"),
                            QStringLiteral("Please provide a valid URL/path."));
        return;
    }
    sourceManager->saveSource(config);
    sourceCombo->addItem(config.name, config.name);
    sourceCombo->setCurrentIndex(sourceCombo->count() - 1);
}

void MainWindow::editSource()
{
    const int index = sourceCombo->currentIndex();
    if (index < 0)
        return;
    const QString oldName = sourceCombo->itemData(index).toString();
    const QList<SourceConfig> sources = sourceManager->sources();
    const SourceConfig* stored = findSource(sources, oldName);
    if (!stored)
        return;
    if (stored->type == SourceConfig::SubscriptionKey) {
        promptRemoveRetiredSource(index);
        return;
    }

    SourceDialog dialog(this, stored, sourceNamesExcept(sources, oldName));
    if (dialog.exec() == QDialog::Accepted) {
        const SourceConfig config = dialog.config();
        if (config.url.isEmpty()) {
            MessageBox::warning(this, QStringLiteral("Edit Server"),
                                QStringLiteral("Please provide a valid URL/path."));
            return;
        }
        if (config.name != oldName)
            sourceManager->removeSource(oldName);
        sourceManager->saveSource(config);
        sourceCombo->setItemText(index, config.name);
        sourceCombo->setItemData(index, config.name);
        if (sourceCombo->currentIndex() == index)
            loadSource(config, true);
        return;
    }
    if (dialog.deleteRequested)
        removeSourceAt(index);
}

void MainWindow::removeSourceAt(int index)
{
    const QString name = sourceCombo->itemData(index).toString();
    sourceManager->removeSource(name);
    {
        // The selector's own change signal would load a server too; load exactly once, below.
        const QSignalBlocker blocker(sourceCombo);
        sourceCombo->removeItem(index);
    }
    if (sourceCombo->count() > 0) {
        onSourceSelected(sourceCombo->currentIndex());
        return;
    }

    activeSource = SourceConfig();
    cancelLiveReconnect();
    currentUrl.clear();
    currentChannelKey.clear();
    liveBufferTuner->endViewing();
    player->stop();
    hasMedia = false;
    nowPlayingLabel->setText(QStringLiteral("Nothing playing"));
    updatePlayerChrome();
    QTimer::singleShot(0, this, &MainWindow::addSource);
}

void MainWindow::promptRemoveRetiredSource(int index)
{
    const QString name = sourceCombo->itemData(index).toString();
    const QString text =
        QStringLiteral(
            "\"%1\" was added with a Quorbin subscription key.\n\n%2\n\nDelete \"%1\" now?")
            .arg(name, kRetiredSourceMessage);
    const auto answer =
        MessageBox::question(this, QStringLiteral("Server no longer supported"), text,
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        removeSourceAt(index);
}
