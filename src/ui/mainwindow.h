#pragma once

#include "model/category.h"
#include "model/mediaitem.h"
#include "model/sourceconfig.h"
#include "player/episodesequence.h"
#include "providers/catalogloader.h"
#include "ui/librarycategories.h"

#include <QList>
#include <QMainWindow>
#include <QPixmap>
#include <QString>

class CatalogTab;
class CatchupPlayback;
class ClickToSeekSlider;
class EpisodesPage;
class FullscreenChrome;
class GuidePanel;
struct GuideProgramme;
class GuideService;
class LibraryFlow;
class LiveBufferTuner;
class LoadingOverlay;
class PosterLoader;
class QComboBox;
class QLabel;
class QNetworkAccessManager;
class QPushButton;
class QSlider;
class QTabWidget;
class QTimer;
class QTreeWidgetItem;
class QVBoxLayout;
class ReconnectSchedule;
class ServerSelector;
class SourceManager;
class VlcPlayer;
class XtreamClient;

// The application's only window; it owns every other object for the life of the process.
// One class split over several files by concern:
//   mainwindow.cpp             construction and wiring
//   mainwindow_sources.cpp     loading a server's catalog into the tabs
//   mainwindow_tabs.cpp        the four catalog tabs: their items and what activating one does
//   mainwindow_player.cpp      the player panel and its controls
//   mainwindow_failures.cpp    playback errors and live reconnects
//   mainwindow_guide.cpp       the programme guide's column, list and progress; catch-up
// The library's part (favorites, positions, marks, search, export) is LibraryFlow's.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

private slots:
    // servers and loading
    void addSource();
    void editSource();
    void refreshActiveSource();
    void checkAutoRefresh();

    // catalog tabs
    void filterLive();
    void filterMovies();
    void filterSeries();
    void filterChannels();
    void playLiveRow(int row, int column);
    void playMovieRow(int row, int column);
    void openSeriesRow(int row, int column);
    void playChannelRow(int row, int column);

    // player panel
    void togglePlayPause();
    void onVolumeChanged(int value);
    void onPositionChanged(qint64 currentMs, qint64 totalMs);
    void onSeekSliderPressed();
    void onSeekSliderReleased();

    // failures
    void onPlaybackError(const QString& message);
    void onPlaybackInterrupted(const QString& reason);

    // fullscreen, menus, information
    void toggleFullscreen();
    void loadSubtitleFile();
    void showSubtitleMenu();
    void showAudioMenu();
    void showStreamInfo();

private:
    friend class MainWindowTestAccess; // tests reach the state below through it

    // servers and loading
    void loadSource(const SourceConfig& config, bool forceRefresh);
    void loadXtreamSource(const SourceConfig& config, bool forceRefresh);
    void loadM3uSource(const SourceConfig& config, bool forceRefresh);
    CatalogLoader::Handlers catalogHandlers();
    void stopForNoServer();

    // catalog tabs
    void buildCatalogTabs();
    void playRowOf(const CatalogTab* tab, int row);

    // episodes
    void showEpisodesInline(const QString& seriesId, const QString& seriesName);
    void playEpisodeTreeItem(QTreeWidgetItem* item);
    void playNextEpisode();
    void clearSeriesContext();
    void updateNextEpisodeButton();

    // player panel
    QWidget* buildPlayerPanel();
    void createPanelShortcuts();
    void playMediaItem(const MediaItem& item);
    void replayCurrentStream();
    void playCatchupStream(const QString& url, const QString& title);
    void seekBy(qint64 deltaMs);
    void updatePlayerChrome();
    bool isSeekable() const;

    // failures
    void onPlaybackProgressing();
    void cancelLiveReconnect();
    int currentLiveCachingMs() const;

    // programme guide
    void setUpGuide();
    void guideCatalogLoaded(bool fetched);
    void setUpGuideGrids();
    void setUpCatchup();
    // A programme from the archive chosen in the grid, at the address the resolver gave.
    void playArchive(const MediaItem& channel, const GuideProgramme& programme, const QString& url);
    // library
    void buildLibrary();

    // --- servers and loading ---
    SourceManager* sourceManager = nullptr;
    ServerSelector* serverSelector = nullptr;
    XtreamClient* xtreamClient = nullptr;
    SourceConfig activeSource;
    QNetworkAccessManager* networkManager = nullptr;
    CatalogLoader* catalogLoader = nullptr;
    QTimer* autoRefreshTimer = nullptr;
    QVBoxLayout* centralLayout = nullptr;
    QWidget* serverRow = nullptr;
    QComboBox* sourceCombo = nullptr;
    QTabWidget* tabs = nullptr;
    int liveTabIndex = -1;
    int movieTabIndex = -1;
    int seriesTabIndex = -1;
    int channelTabIndex = -1;
    LoadingOverlay* loadingOverlay = nullptr;
    // Bumped by every load: results of an earlier load are still cached under their own server
    // but no longer shown.
    quint64 loadGeneration = 0;
    QList<Category> liveCategories;
    QList<Category> movieCategories;
    QList<Category> seriesCategories;
    QList<MediaItem> liveItems;
    QList<MediaItem> movieItems;
    QList<MediaItem> seriesItems;
    QList<MediaItem> channelItems;

    // --- catalog tabs ---
    CatalogTab* liveTab = nullptr;
    CatalogTab* movieTab = nullptr;
    CatalogTab* seriesTab = nullptr;
    CatalogTab* channelTab = nullptr;

    // --- posters ---
    QPixmap posterPlaceholder;
    PosterLoader* posterLoader = nullptr;

    // --- episodes ---
    EpisodesPage* episodesPage = nullptr;
    EpisodeSequence episodeSequence; // what "Next Episode" follows
    QString playingSeriesId;         // the series of that sequence, for the library

    // --- player panel ---
    QWidget* playerPanel = nullptr;
    QVBoxLayout* playerPanelLayout = nullptr;
    QWidget* videoWidget = nullptr;
    QLabel* nowPlayingLabel = nullptr;
    QWidget* seekRow = nullptr;
    ClickToSeekSlider* seekSlider = nullptr;
    QLabel* timeLabel = nullptr;
    QWidget* controlsRow = nullptr;
    QPushButton* playPauseButton = nullptr;
    QPushButton* nextEpisodeButton = nullptr;
    QPushButton* subtitleButton = nullptr;
    QPushButton* audioButton = nullptr;
    QSlider* volumeSlider = nullptr;
    FullscreenChrome* fullscreenChrome = nullptr;
    VlcPlayer* player = nullptr;
    LiveBufferTuner* liveBufferTuner = nullptr;
    bool seekDragging = false;
    bool hasMedia = false;
    int currentKind = MediaItem::Live;
    QString currentUrl;
    QString currentTitle;
    QString currentChannelKey;

    // --- programme guide ---
    GuideService* guide = nullptr;
    GuidePanel* guidePanel = nullptr;
    CatchupPlayback* catchup = nullptr; // past programmes from the channel's archive
    bool catalogFetched = false;        // the current load went to the network
    QLabel* guideStatusLabel = nullptr;

    // --- failures ---
    ReconnectSchedule* reconnect = nullptr;
    bool errorDialogOpen = false;

    // --- library ---
    LibraryFlow* libraryFlow = nullptr;
};
