#include "ui/mainwindow.h"

#include "app/clock.h"
#include "app/messagebox.h"
#include "app/preferencesdialog.h"
#include "catchup/catchupplayback.h"
#include "guide/guidegridtab.h"
#include "guide/guidepanel.h"
#include "library/library.h"
#include "lineup/lineupflow.h"
#include "lineup/lineupwiring.h"
#include "multiview/multiviewcontroller.h"
#include "player/livebuffertuner.h"
#include "player/reconnectschedule.h"
#include "player/streamconnections.h"
#include "player/vlcengine.h"
#include "player/vlcplayer.h"
#include "providers/catalogloader.h"
#include "recording/recording.h"
#include "recording/recordingflow.h"
#include "recording/recordingmanager.h"
#include "recording/recordingsettings.h"
#include "recording/recordingstore.h"
#include "recording/timeshiftflow.h"
#include "sources/serverdata.h"
#include "sources/sourcemanager.h"
#include "ui/aboutdialog.h"
#include "ui/catalogconstants.h"
#include "ui/catalogsession.h"
#include "ui/catalogtab.h"
#include "ui/clicktoseekslider.h"
#include "ui/compactrow.h"
#include "ui/episodespage.h"
#include "ui/fullscreenchrome.h"
#include "ui/guideflow.h"
#include "ui/libraryflow.h"
#include "ui/librarystate.h"
#include "ui/loadingoverlay.h"
#include "ui/playbackcontroller.h"
#include "ui/posterloader.h"
#include "ui/serverselector.h"
#include "ui/splittermodes.h"
#include "ui/trackmenus.h"
#include "ui/videosurface.h"

#include <QNetworkAccessManager>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>
#include <utility>

namespace {
// Least width of the catalog tabs: their search fields and lists stay usable.
constexpr int kCatalogMinWidth = 260;

// Once a run, however many writes fail. Queued, so the box never opens inside a save, and never
// for a window already being destroyed.
void reportUnsavedSettings(QWidget* window, SourceManager* sources, LiveBufferTuner* tuner,
                           SplitterModes* layouts)
{
    auto report = [window, told = std::make_shared<bool>(false)](const QString& settingsFile) {
        if (std::exchange(*told, true))
            return;
        MessageBox::warning(
            window, MainWindow::tr("Settings Not Saved"),
            MainWindow::tr("Your servers and settings could not be saved to %1.\n\nChanges made "
                           "now will be lost when the player closes. Check that this file and "
                           "its folder can be written.")
                .arg(settingsFile));
    };
    QObject::connect(sources, &SourceManager::saveFailed, window, report, Qt::QueuedConnection);
    QObject::connect(tuner, &LiveBufferTuner::saveFailed, window, report, Qt::QueuedConnection);
    QObject::connect(layouts, &SplitterModes::saveFailed, window, report, Qt::QueuedConnection);
}
} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    sourceManager = new SourceManager(this);
    networkManager = new QNetworkAccessManager(this);
    catalogSession =
        new CatalogSession(sourceManager, new CatalogLoader(networkManager, this), this);
    setWindowTitle(tr("Quorbin"));
    resize(1200, 750);

    playback = new PlaybackController(this);

    posterPlaceholder = QPixmap(kPosterTileSize);
    posterPlaceholder.fill(QColor(45, 45, 48));
    PosterLoader::Settings posterSettings;
    posterSettings.fitSize = kPosterTileSize; // kept at the size the grid draws them
    posterSettings.pixelRatio = screen() ? screen()->devicePixelRatio() : devicePixelRatioF();
    posterLoader = new PosterLoader(networkManager, posterSettings, this);

    // Server row above the splitter.
    auto* central = new QWidget(this);
    centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(6, 6, 6, 6);

    serverSelector = new ServerSelector(sourceManager, this);
    serverRow = serverSelector->row();
    sourceCombo = serverSelector->combo();
    serverRow->setParent(central);
    centralLayout->addWidget(serverRow);
    connect(serverSelector, &ServerSelector::loadRequested, catalogSession,
            &CatalogSession::loadSource);
    connect(serverSelector, &ServerSelector::refreshRequested, catalogSession,
            &CatalogSession::refreshActiveSource);
    connect(serverSelector, &ServerSelector::allRemoved, this, &MainWindow::stopForNoServer);

    autoRefreshTimer = new QTimer(this);
    autoRefreshTimer->setInterval(Clock::waitMs(kAutoRefreshIntervalMs));
    connect(autoRefreshTimer, &QTimer::timeout, catalogSession, &CatalogSession::checkAutoRefresh);
    autoRefreshTimer->start();

    setAttribute(Qt::WA_MouseTracking);

    // Catalog tabs on the left, the player on the right.
    auto* splitter = new QSplitter(Qt::Horizontal, central);
    tabs = new QTabWidget(splitter);
    tabs->setObjectName(QStringLiteral("tabs"));
    // Every tab's name whole, however long in the user's language: the pane grows instead.
    tabs->setUsesScrollButtons(false);
    buildCatalogTabs();
    liveTabIndex = tabs->addTab(liveTab->page(), tr("Live TV"));
    movieTabIndex = tabs->addTab(movieTab->page(), tr("Movies"));
    seriesTabIndex = tabs->addTab(seriesTab->page(), tr("TV Shows"));
    channelTabIndex = tabs->addTab(channelTab->page(), tr("Channels"));
    splitter->addWidget(tabs);
    splitter->addWidget(buildPlayerPanel());
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 2);
    centralLayout->addWidget(splitter, 1);
    setCentralWidget(central);

    guideFlow =
        new GuideFlow({.window = this,
                       .serverRow = serverRow,
                       .tabs = tabs,
                       .liveTab = liveTab,
                       .channelTab = channelTab,
                       .liveTabIndex = &liveTabIndex,
                       .movieTabIndex = &movieTabIndex,
                       .seriesTabIndex = &seriesTabIndex,
                       .channelTabIndex = &channelTabIndex,
                       .networkManager = networkManager,
                       .posterLoader = posterLoader,
                       .playerPanel = playerPanel,
                       .controlsRow = controlsRow,
                       .nextEpisodeButton = nextEpisodeButton,
                       .session = catalogSession,
                       .playback = playback,
                       .playMediaItem = [this](const MediaItem& item) { playMediaItem(item); },
                       .clearSeriesContext = [this]() { clearSeriesContext(); },
                       .gridChannels =
                           [this](const QList<MediaItem>& shown) {
                               return lineupFlow ? lineupFlow->screenGrid(shown) : shown;
                           }},
                      this);
    FullscreenChrome::Parts chromeParts;
    chromeParts.window = this;
    chromeParts.centralLayout = centralLayout;
    chromeParts.hiddenWhenFullscreen = {serverRow, tabs, guideFlow->guidePanel};
    chromeParts.playerPanel = playerPanel;
    chromeParts.playerPanelLayout = playerPanelLayout;
    chromeParts.videoWidget = videoWidget;
    chromeParts.nowPlayingLabel = nowPlayingLabel;
    chromeParts.seekRow = seekRow;
    chromeParts.controlsRow = controlsRow;
    fullscreenChrome = new FullscreenChrome(chromeParts, this);
    connect(fullscreenChrome, &FullscreenChrome::changed, this, &MainWindow::updatePlayerChrome);
    // The catalog side keeps its width whatever its pages show; the player side has its own.
    tabs->setMinimumWidth(kCatalogMinWidth);
    splitterModes = new SplitterModes(
        {.splitter = splitter,
         .tabs = tabs,
         .playerPanel = playerPanel,
         .guidePanel = guideFlow->guidePanel,
         .isGuidePage = [](const QWidget* page) { return qobject_cast<const GuideGridTab*>(page); },
         .fullscreen = [this]() { return fullscreenChrome->fullscreen; }},
        this);
    connect(fullscreenChrome, &FullscreenChrome::changed, splitterModes,
            &SplitterModes::restoreChrome);

    loadingOverlay = new LoadingOverlay(tabs);

    // Playback engine.
    vlcEngine = VlcEngine::create();
    streamConnections = new StreamConnections(this);
    player = new VlcPlayer(vlcEngine, videoSurfaceOf(videoWidget), this);
    liveBufferTuner = new LiveBufferTuner(this);
    connect(player, &VlcPlayer::playbackError, this, &MainWindow::onPlaybackError);
    connect(player, &VlcPlayer::playbackInterrupted, this, &MainWindow::onPlaybackInterrupted);
    connect(player, &VlcPlayer::liveDelayShortfall, liveBufferTuner,
            &LiveBufferTuner::recordShortfall);
    reportUnsavedSettings(this, sourceManager, liveBufferTuner, splitterModes);
    reconnect = new ReconnectSchedule(this);
    connect(reconnect, &ReconnectSchedule::due, this, &MainWindow::replayCurrentStream);
    connect(player, &VlcPlayer::playbackProgressing, this, &MainWindow::onPlaybackProgressing);
    connect(player, &VlcPlayer::positionChanged, this, &MainWindow::onPositionChanged);
    connect(player, &VlcPlayer::ended, this, [this]() {
        if (guideFlow->catchup->isActive() && !guideFlow->catchup->streamEnded())
            onPlaybackInterrupted(tr("The archive stream ended before the programme."));
    });
    connect(player, &VlcPlayer::pausedChanged, this, [this](bool paused) {
        playPauseButton->setText(paused ? tr("Play") : tr("Pause"));
        CompactRow::setCompactIcon(
            playPauseButton,
            style()->standardIcon(paused ? QStyle::SP_MediaPlay : QStyle::SP_MediaPause));
    });
    connect(player, &VlcPlayer::pausedChanged, this,
            [this](bool paused) { playPauseButton->setText(paused ? tr("Play") : tr("Pause")); });

    playerPanel->setFocusPolicy(Qt::StrongFocus);
    createPanelShortcuts();
    AboutDialog::attachTo(this);
    PreferencesDialog::attachTo(this,
                                [this](PreferencesDialog& dialog) { addPreferencePages(dialog); });

    buildLibrary();
    buildRecording();
    buildMultiView();
    serverSelector->fillSourceSelector();
}

void MainWindow::buildLibrary()
{
    LibraryFlow::Window view{
        .window = this,
        .activeSource = catalogSession->activeSource,
        .liveItems = catalogSession->liveItems,
        .movieItems = catalogSession->movieItems,
        .seriesItems = catalogSession->seriesItems,
        .channelItems = catalogSession->channelItems,
        .tabs = tabs,
        .liveTab = liveTab,
        .movieTab = movieTab,
        .seriesTab = seriesTab,
        .channelTab = channelTab,
        .liveTabIndex = liveTabIndex,
        .movieTabIndex = movieTabIndex,
        .seriesTabIndex = seriesTabIndex,
        .channelTabIndex = channelTabIndex,
        .playerPanel = playerPanel,
        .playerPanelLayout = playerPanelLayout,
        .nowPlayingLabel = nowPlayingLabel,
        .controlsRow = controlsRow,
        .serverRow = serverRow,
        .player = player,
        .guide = guideFlow->guide,
        .episodeTree = episodesPage->episodeTree,
        .shownEpisodes = episodesPage->shownEpisodes,
        .shownSeriesId = episodesPage->shownSeriesId,
        .episodeSequence = episodeSequence,
        .playingSeriesId = playingSeriesId,
        .playMediaItem = [this](const MediaItem& item) { playMediaItem(item); },
        .clearSeriesContext = [this]() { clearSeriesContext(); },
        .showEpisodesInline = [this](const QString& id,
                                     const QString& name) { showEpisodesInline(id, name); },
        .playEpisodeTreeItem = [this](QTreeWidgetItem* item) { playEpisodeTreeItem(item); },
        .serverNames =
            [this] {
                QHash<QString, QString> names;
                for (const SourceConfig& source : sourceManager->sources())
                    names.insert(source.storageKey(), source.name);
                return names;
            },
    };
    libraryFlow = new LibraryFlow(view, Library::defaultPath(), this);
    Library* library = libraryFlow->state().library;
    ServerData::adoptNameKeys(*sourceManager, *library);
    connect(sourceManager, &SourceManager::removed, this, [this, library](const QString& key) {
        // Once the window has moved on to another server and closed this one's guide.
        QTimer::singleShot(0, this, [library, key] { ServerData::forget(*library, key); });
    });
    lineupFlow = new LineupFlow({.window = this,
                                 .library = library,
                                 .session = catalogSession,
                                 .guide = guideFlow->guide,
                                 .liveTab = liveTab,
                                 .movieTab = movieTab,
                                 .seriesTab = seriesTab,
                                 .channelTab = channelTab},
                                this);
    attachLineup(*lineupFlow, *libraryFlow);
    catalogSession->attach({.window = this,
                            .serverSelector = serverSelector,
                            .tabs = tabs,
                            .liveTab = liveTab,
                            .movieTab = movieTab,
                            .seriesTab = seriesTab,
                            .channelTab = channelTab,
                            .liveTabIndex = &liveTabIndex,
                            .movieTabIndex = &movieTabIndex,
                            .seriesTabIndex = &seriesTabIndex,
                            .channelTabIndex = &channelTabIndex,
                            .loadingOverlay = loadingOverlay,
                            .guide = guideFlow->guide,
                            .libraryFlow = libraryFlow,
                            .lineup = lineupFlow});
    playback->attach({.session = catalogSession,
                      .player = player,
                      .liveBufferTuner = liveBufferTuner,
                      .catchup = guideFlow->catchup,
                      .libraryFlow = libraryFlow,
                      .reconnect = reconnect,
                      .playerPanel = playerPanel,
                      .nowPlayingLabel = nowPlayingLabel,
                      .seekSlider = seekSlider,
                      .timeLabel = timeLabel,
                      .volumeSlider = volumeSlider,
                      .connections = streamConnections,
                      .updatePlayerChrome = [this]() { updatePlayerChrome(); },
                      .updateNextEpisodeButton = [this]() { updateNextEpisodeButton(); },
                      .beforeStart =
                          [this]() {
                              if (timeShift)
                                  timeShift->drop();
                          },
                      .playGrowing =
                          [this](const QString& url) {
                              return timeShift && timeShift->playGrowingRecording(url);
                          }});
    connect(episodesPage, &EpisodesPage::listed, libraryFlow, &LibraryFlow::markEpisodeTree);
}

void MainWindow::buildRecording()
{
    recordingFlow = new RecordingFlow({.window = this,
                                       .playerPanel = playerPanel,
                                       .controlsRow = controlsRow,
                                       .playback = playback,
                                       .session = catalogSession,
                                       .sources = sourceManager,
                                       .guide = guideFlow->guide,
                                       .liveTab = liveTab,
                                       .channelTab = channelTab,
                                       .movieTab = movieTab,
                                       .libraryFlow = libraryFlow,
                                       .connections = streamConnections,
                                       .storePath = RecordingStore::defaultPath()},
                                      this);
    timeShift = new TimeShiftFlow(
        {.window = this,
         .playerPanel = playerPanel,
         .videoWidget = videoWidget,
         .controlsRow = controlsRow,
         .seekSlider = seekSlider,
         .timeLabel = timeLabel,
         .player = player,
         .playback = playback,
         .reconnect = reconnect,
         .updatePlayerChrome = [this]() { updatePlayerChrome(); },
         .runningRecording =
             [this](const QString& path, qint64* startedAtMs) {
                 const Recording* running = recordingFlow->manager()->runningInto(path);
                 if (running && startedAtMs)
                     *startedAtMs = running->startedAt;
                 return running != nullptr;
             },
         .bufferLimitMs = []() { return qint64(recordingsettings::pauseBufferMinutes()) * 60000; }},
        this);
}

MainWindow::~MainWindow()
{
    // Its sizes are saved now, and it must not follow the tabs as they are torn down.
    delete splitterModes;
    splitterModes = nullptr;
    libraryFlow->libraryEndViewing();
    // libVLC draws into the video widget's native window from its own threads: stop it and let
    // it go before the children, that window among them, are destroyed.
    reconnect->stopWaiting();
    delete multiView;
    multiView = nullptr;
    // Running recordings hold leases of streamConnections, which goes before them as a child.
    delete recordingFlow;
    recordingFlow = nullptr;
    delete player;
    player = nullptr;
}

void MainWindow::toggleFullscreen()
{
    fullscreenChrome->toggleFullscreen();
}

void MainWindow::loadSubtitleFile()
{
    trackmenus::loadSubtitleFile(player, this);
}

void MainWindow::showSubtitleMenu()
{
    trackmenus::showSubtitleMenu(player, subtitleButton);
}

void MainWindow::showAudioMenu()
{
    trackmenus::showAudioMenu(player, audioButton);
}

void MainWindow::showStreamInfo()
{
    trackmenus::showStreamInfo(player, this);
}

void MainWindow::addSource()
{
    serverSelector->addSource();
}

void MainWindow::editSource()
{
    serverSelector->editSource();
}

void MainWindow::stopForNoServer()
{
    catalogSession->activeSource = SourceConfig();
    cancelLiveReconnect();
    timeShift->drop();
    playback->currentUrl.clear();
    playback->currentChannelKey.clear();
    liveBufferTuner->endViewing();
    player->stop();
    playback->releaseStream();
    playback->hasMedia = false;
    nowPlayingLabel->setText(tr("Nothing playing"));
    updatePlayerChrome();
}
