#pragma once

#include "model/category.h"
#include "model/episode.h"
#include "model/mediaitem.h"
#include "model/sourceconfig.h"
#include "player/episodesequence.h"
#include "providers/catalogloader.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPixmap>
#include <QSet>
#include <QString>

#include <memory>

// True for the library's own entries of a category list ("Favorites", "Recent", "Continue
// Watching").
bool isLibraryCategory(const QString& categoryId);
bool isContinueWatchingCategory(const QString& categoryId);

class CatchupPlayback;
class ClickToSeekSlider;
class GuidePanel;
struct GuideProgramme;
class GuideService;
class LiveBufferTuner;
class PosterLoader;
class QAbstractItemView;
class QPoint;
struct LibraryState;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QNetworkAccessManager;
class QPushButton;
class QSlider;
class QStackedWidget;
class QTabWidget;
class QTableWidget;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;
class ReconnectSchedule;
class SourceManager;
class VlcPlayer;
class XtreamClient;

// The application's only window; it owns every other object for the life of the process.
// One class split over several files by concern:
//   mainwindow.cpp             construction, wiring, the application-wide event filter
//   mainwindow_sources.cpp     server selector, loading catalogs, add/edit/delete servers
//   mainwindow_tabs.cpp        the four catalog tabs, search and sorting
//   mainwindow_thumbnails.cpp  poster images of the grids
//   mainwindow_episodes.cpp    seasons and episodes of a series
//   mainwindow_player.cpp      the player panel and its controls
//   mainwindow_failures.cpp    playback errors and live reconnects
//   mainwindow_fullscreen.cpp  fullscreen, track menus, stream information
//   mainwindow_guide.cpp       the programme guide's column, list and progress; catch-up
//   mainwindow_library.cpp     the library's category entries, favorites, poster marks
//   mainwindow_watching.cpp    saving and resuming positions, previous channel, episode marks
//   mainwindow_search.cpp      search over everything, library export and import
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    // servers and loading
    void addSource();
    void editSource();
    void refreshActiveSource();
    void checkAutoRefresh();
    void onSourceSelected(int index);

    // catalog tabs
    void filterLive();
    void filterMovies();
    void filterSeries();
    void filterChannels();
    void selectLiveCategory(QListWidgetItem* item);
    void selectMovieCategory(QListWidgetItem* item);
    void selectSeriesCategory(QListWidgetItem* item);
    void selectChannelCategory(QListWidgetItem* item);
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
    void fillSourceSelector();
    void loadSource(const SourceConfig& config, bool forceRefresh);
    void loadXtreamSource(const SourceConfig& config, bool forceRefresh);
    void loadM3uSource(const SourceConfig& config, bool forceRefresh);
    CatalogLoader::Handlers catalogHandlers();
    void beginCatalogFetch(int steps);
    void catalogFetchStepDone();
    void removeSourceAt(int index);
    void promptRemoveRetiredSource(int index);

    // catalog tabs
    QWidget* buildLiveTab();
    QWidget* buildMoviesTab();
    QWidget* buildSeriesTab();
    QWidget* buildChannelsTab();
    void populateCategoryList(QListWidget* list, const QList<Category>& categories);
    void populateTable(QTableWidget* table, const QList<MediaItem>& items);
    void populatePosterGrid(QListWidget* grid, const QList<MediaItem>& items);

    // posters
    void loadVisibleThumbnails(QListWidget* grid);
    void requestThumbnail(QListWidget* grid, QListWidgetItem* item, const QString& url);
    void forgetPosterTiles(QListWidget* grid);
    int posterGroup(const QListWidget* grid) const;
    QSet<int>& postersShownIn(const QListWidget* grid);

    // episodes
    QWidget* buildEpisodesPage();
    void showEpisodesInline(const QString& seriesId, const QString& seriesName);
    void fillEpisodes(const QList<Episode>& episodes);
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
    void playArchive(const MediaItem& channel, const GuideProgramme& programme,
                     const QString& url);
    // library
    void buildLibrary();
    void addLibraryCategories(QListWidget* list);
    const QHash<QString, qsizetype>& catalogIndex(const QList<MediaItem>& items);
    QList<MediaItem> filteredTabItems(const QList<MediaItem>& items, int kind,
                                      const QString& categoryId, const QString& query,
                                      QObject* view);
    void markLibraryRows(QAbstractItemView* view, const QList<MediaItem>& shown);
    void showLibraryMenu(QAbstractItemView* view, const QList<MediaItem>* shown, const QPoint& pos);
    void toggleFavorite(const MediaItem& item);
    void toggleFavoriteOfCurrentTab();
    void onLibraryChanged(const QString& server, int kind);
    void libraryBeginPlay(const MediaItem& item);
    void libraryTrackPosition(qint64 currentMs, qint64 totalMs);
    void saveLibraryPosition();
    void libraryEndViewing();
    void libraryReplay();
    void updatePreviousChannelButton();
    void playPreviousChannel();
    void markEpisodeTree();
    void continueSeries(const MediaItem& series);
    void openSearchEverything();
    void exportLibrary();
    void importLibrary();

    // fullscreen
    void createFullscreenControls();
    void showFullscreenControls();
    void hideFullscreenControls();
    void repositionFullscreenChrome();

    // --- servers and loading ---
    SourceManager* sourceManager = nullptr;
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
    QWidget* loadingOverlay = nullptr;
    int pendingFetchSteps = 0;
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
    QStackedWidget* liveStack = nullptr;
    QListWidget* liveCategoryList = nullptr;
    QLineEdit* liveSearchAllEdit = nullptr;
    QLabel* liveTitleLabel = nullptr;
    QLineEdit* liveSearchEdit = nullptr;
    QTableWidget* liveTable = nullptr;
    QString liveCategoryId;
    QList<MediaItem> liveShown;

    QStackedWidget* movieStack = nullptr;
    QListWidget* movieCategoryList = nullptr;
    QLineEdit* movieSearchAllEdit = nullptr;
    QLabel* movieTitleLabel = nullptr;
    QLineEdit* movieSearchEdit = nullptr;
    QComboBox* movieSortBox = nullptr;
    QListWidget* movieGrid = nullptr;
    QString movieCategoryId;
    QList<MediaItem> movieShown;

    QStackedWidget* seriesStack = nullptr;
    QListWidget* seriesCategoryList = nullptr;
    QLineEdit* seriesSearchAllEdit = nullptr;
    QLabel* seriesTitleLabel = nullptr;
    QLineEdit* seriesSearchEdit = nullptr;
    QComboBox* seriesSortBox = nullptr;
    QListWidget* seriesGrid = nullptr;
    QString seriesCategoryId;
    QList<MediaItem> seriesShown;

    QStackedWidget* channelStack = nullptr;
    QListWidget* channelCategoryList = nullptr;
    QLineEdit* channelSearchAllEdit = nullptr;
    QLabel* channelTitleLabel = nullptr;
    QLineEdit* channelSearchEdit = nullptr;
    QTableWidget* channelTable = nullptr;
    QString channelCategoryId;
    QList<MediaItem> channelShown;

    // --- posters ---
    QPixmap posterPlaceholder;
    PosterLoader* posterLoader = nullptr;
    QSet<int> moviePosterRows; // tiles showing a poster, let go when they scroll far away
    QSet<int> seriesPosterRows;

    // --- episodes ---
    QTreeWidget* episodeTree = nullptr;
    QLabel* episodeSeriesLabel = nullptr;
    QString shownSeriesId;
    QString shownSeriesName;
    QList<Episode> shownEpisodes;
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
    QWidget* fullscreenOverlay = nullptr;
    QVBoxLayout* fullscreenOverlayLayout = nullptr;
    int overlayHeight = 0;
    QTimer* controlsHideTimer = nullptr;
    VlcPlayer* player = nullptr;
    LiveBufferTuner* liveBufferTuner = nullptr;
    bool seekDragging = false;
    bool hasMedia = false;
    bool fullscreen = false;
    bool fullscreenControlsVisible = false;
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
    std::unique_ptr<LibraryState> lib;
};
