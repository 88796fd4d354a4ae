// Servers: the selector, loading a server's catalog (from the cache or the network), adding,
// editing and deleting servers, retired servers and the periodic re-check.
#include "ui/mainwindow.h"

#include "app/clock.h"
#include "app/httprequests.h"
#include "app/logmasking.h"
#include "app/messagebox.h"
#include "app/netlogstream.h"
#include "pairing/pairdialog.h"
#include "player/livebuffertuner.h"
#include "player/vlcplayer.h"
#include "providers/catalogcache.h"
#include "providers/m3uparser.h"
#include "providers/xtreamclient.h"
#include "sources/sourcedialog.h"
#include "sources/sourcemanager.h"
#include "sources/sourcenames.h"
#include "ui/catalogconstants.h"
#include "ui/catalogtabs.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QNetworkReply>
#include <QSet>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>

#include <memory>

namespace {
// Playlist downloads and list requests give up after this long without a byte.
constexpr int kInactivityTimeoutMs = XtreamClient::kDefaultInactivityTimeoutMs;
// Refuse playlists larger than this rather than let one fill the memory.
constexpr qint64 kMaxPlaylistBytes = 1024LL * 1024 * 1024;

const SourceConfig* findSource(const QList<SourceConfig>& sources, const QString& name)
{
    for (const SourceConfig& source : sources) {
        if (source.name == name)
            return &source;
    }
    return nullptr;
}

bool isFresh(qint64 lastUpdated, qint64 now)
{
    return now - lastUpdated < kCatalogMaxAgeSecs;
}

// One Xtream load: what its six requests delivered, kept apart from the window so results of a
// load the user has moved on from are still cached under their own server.
struct XtreamLoad
{
    struct Section
    {
        explicit Section(const QString& name)
            : name(name)
        {
        }

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
    resetTabFilterState(seriesCategoryId, seriesCategoryList, seriesTitleLabel,
                        seriesSearchAllEdit, seriesSearchEdit);
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

    const qint64 now = Clock::epochSecs();
    if (!forceRefresh && isFresh(config.lastUpdated, now)) {
        CatalogCache::Section live, movie, series;
        if (CatalogCache::load(config.name, kLiveSection, live)
            && CatalogCache::load(config.name, kMovieSection, movie)
            && CatalogCache::load(config.name, kSeriesSection, series)) {
            liveCategories = live.categories;
            liveItems = live.items;
            populateCategoryList(liveCategoryList, liveCategories);
            filterLive();
            movieCategories = movie.categories;
            movieItems = movie.items;
            populateCategoryList(movieCategoryList, movieCategories);
            filterMovies();
            seriesCategories = series.categories;
            seriesItems = series.items;
            populateCategoryList(seriesCategoryList, seriesCategories);
            filterSeries();
            return;
        }
    }

    activeSource.lastUpdated = now;
    sourceManager->saveSource(activeSource);
    beginCatalogFetch(6);

    auto load = std::make_shared<XtreamLoad>();
    load->sourceName = config.name;
    load->generation = loadGeneration;

    // Each completion keeps its list with the load, shows it when the load is still current, and
    // writes the section once both of its lists are in.
    auto categoriesDone = [this, load](XtreamLoad::Section XtreamLoad::*which,
                                       QList<Category> MainWindow::*categories,
                                       QListWidget* MainWindow::*list) {
        return [this, load, which, categories, list](const QList<Category>& delivered, bool ok) {
            XtreamLoad::Section& section = (*load).*which;
            const CatalogCache::Section* cached = ok ? nullptr : load->fallback(section);
            section.data.categories = cached ? cached->categories : delivered;
            section.categoriesDone = true;
            section.anyOk = section.anyOk || ok;
            if (load->generation == loadGeneration) {
                this->*categories = section.data.categories;
                populateCategoryList(this->*list, this->*categories);
            }
            load->saveIfComplete(section);
            catalogFetchStepDone();
        };
    };
    auto itemsDone = [this, load](XtreamLoad::Section XtreamLoad::*which,
                                  QList<MediaItem> MainWindow::*items, void (MainWindow::*refilter)()) {
        return [this, load, which, items, refilter](const QList<MediaItem>& delivered, bool ok) {
            XtreamLoad::Section& section = (*load).*which;
            const CatalogCache::Section* cached = ok ? nullptr : load->fallback(section);
            section.data.items = cached ? cached->items : delivered;
            section.itemsDone = true;
            section.anyOk = section.anyOk || ok;
            if (load->generation == loadGeneration) {
                this->*items = section.data.items;
                (this->*refilter)();
            }
            load->saveIfComplete(section);
            catalogFetchStepDone();
        };
    };

    xtreamClient->fetchLiveCategories(
        categoriesDone(&XtreamLoad::live, &MainWindow::liveCategories, &MainWindow::liveCategoryList));
    xtreamClient->fetchLiveStreams(
        QString(), itemsDone(&XtreamLoad::live, &MainWindow::liveItems, &MainWindow::filterLive));
    xtreamClient->fetchVodCategories(categoriesDone(
        &XtreamLoad::movie, &MainWindow::movieCategories, &MainWindow::movieCategoryList));
    xtreamClient->fetchVodStreams(
        QString(), itemsDone(&XtreamLoad::movie, &MainWindow::movieItems, &MainWindow::filterMovies));
    xtreamClient->fetchSeriesCategories(categoriesDone(
        &XtreamLoad::series, &MainWindow::seriesCategories, &MainWindow::seriesCategoryList));
    xtreamClient->fetchSeries(
        QString(), itemsDone(&XtreamLoad::series, &MainWindow::seriesItems, &MainWindow::filterSeries));
}

void MainWindow::loadM3uSource(const SourceConfig& config, bool forceRefresh)
{
    const qint64 now = Clock::epochSecs();
    if (!forceRefresh && isFresh(config.lastUpdated, now)) {
        CatalogCache::Section channel;
        if (CatalogCache::load(config.name, kChannelSection, channel)) {
            channelItems = channel.items;
            populateCategoryList(channelCategoryList, channel.categories);
            filterChannels();
            return;
        }
    }

    activeSource.lastUpdated = now;
    sourceManager->saveSource(activeSource);
    beginCatalogFetch(1);
    const quint64 generation = loadGeneration;

    if (config.url.startsWith(QStringLiteral("http://"))
        || config.url.startsWith(QStringLiteral("https://"))) {
        if (netDebugEnabled())
            NetLogStream() << "[M3U] ->" << maskStreamUrl(config.url);
        HttpRequests::Options options;
        options.inactivityTimeoutMs = kInactivityTimeoutMs;
        options.maxBodyBytes = kMaxPlaylistBytes;
        HttpRequests::get(
            networkManager, QUrl(config.url, QUrl::TolerantMode), options, this,
            [this, config, generation](QNetworkReply* reply) {
                if (reply->error() != QNetworkReply::NoError) {
                    const QString error = HttpRequests::bodyLimitExceeded(reply)
                        ? QStringLiteral("the playlist is larger than 1 GB")
                        : reply->errorString();
                    if (netDebugEnabled())
                        NetLogStream() << "[M3U] <- error:" << error;
                    catalogFetchStepDone();
                    MessageBox::warning(this, QStringLiteral("Load Playlist"),
                                        QStringLiteral("Failed to download playlist: ") + error);
                    return;
                }
                const QByteArray body = reply->readAll();
                if (netDebugEnabled())
                    NetLogStream() << "[M3U] <-" << body.size() << "bytes";
                applyPlaylistText(config, generation, QString::fromUtf8(body));
            });
        return;
    }

    QFile file(config.url);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        catalogFetchStepDone();
        MessageBox::warning(this, QStringLiteral("Load Playlist"),
                            QStringLiteral("Failed to open file: ") + config.url);
        return;
    }
    applyPlaylistText(config, generation, QString::fromUtf8(file.readAll()));
}

void MainWindow::applyPlaylistText(const SourceConfig& config, quint64 generation,
                                   const QString& text)
{
    const M3uParser::Result parsed = M3uParser::parse(text);
    if (generation == loadGeneration) {
        channelItems = parsed.items;
        populateCategoryList(channelCategoryList, parsed.categories);
        filterChannels();
    }
    CatalogCache::save(config.name, kChannelSection, {parsed.categories, parsed.items});
    catalogFetchStepDone();
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
    if (!activeSource.name.isEmpty() && Clock::epochSecs() - activeSource.lastUpdated > kCatalogMaxAgeSecs - 1)
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
        QStringLiteral("\"%1\" was added with a Quorbin subscription key.\n\n%2\n\nDelete \"%1\" now?")
            .arg(name, kRetiredSourceMessage);
    const auto answer =
        MessageBox::question(this, QStringLiteral("Server no longer supported"), text,
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        removeSourceAt(index);
}
