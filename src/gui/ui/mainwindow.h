#pragma once

#include "model/mediaitem.h"
#include "player/episodesequence.h"

#include <QMainWindow>
#include <QPixmap>
#include <QString>

#include <memory>

class CatalogSession;
class CatalogTab;
class ClickToSeekSlider;
class EpisodesPage;
class FullscreenChrome;
class GuideFlow;
class LibraryFlow;
class LineupFlow;
class LiveBufferTuner;
class LoadingOverlay;
class MultiViewController;
class PlaybackController;
class PosterLoader;
class PreferencesDialog;
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
class RecordingFlow;
class ServerSelector;
class SourceManager;
class SplitterModes;
class StreamConnections;
class TimeShiftFlow;
class VlcEngine;
class VlcPlayer;

// The application's only window; it owns every other object for the life of the process.
// One class split over several files by concern:
//   mainwindow.cpp             construction and wiring
//   mainwindow_tabs.cpp        the four catalog tabs: their items and what activating one does
//   mainwindow_player.cpp      the player panel and its controls
//   mainwindow_failures.cpp    playback errors and live reconnects
//   mainwindow_preferences.cpp the Preferences dialog's pages
//   mainwindow_multiview.cpp   multi-view, the connection limits and dragging channels
// Loading a server's catalog is CatalogSession's, starting streams PlaybackController's, the
// guide and catch-up GuideFlow's, the library (favorites, positions, marks, search) LibraryFlow's.
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

    // catalog tabs
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
    void seekBy(qint64 deltaMs);
    void updatePlayerChrome();

    // failures
    void onPlaybackProgressing();
    void cancelLiveReconnect();

    // library
    void buildLibrary();

    // recording
    void buildRecording();

    // preferences
    void addPreferencePages(PreferencesDialog& dialog);

    // multi-view
    void buildMultiView();

    // --- servers and loading ---
    SourceManager* sourceManager = nullptr;
    CatalogSession* catalogSession = nullptr; // the server shown, its catalog lists
    ServerSelector* serverSelector = nullptr;
    QNetworkAccessManager* networkManager = nullptr;
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
    PlaybackController* playback = nullptr; // what is playing, and starting streams

    SplitterModes* splitterModes = nullptr; // browsing or the TV Guide, and their sizes

    // --- programme guide ---
    GuideFlow* guideFlow = nullptr; // the guide's column, list, grids and progress; catch-up

    // --- failures ---
    ReconnectSchedule* reconnect = nullptr;
    bool errorDialogOpen = false;

    // --- library ---
    LibraryFlow* libraryFlow = nullptr;

    // --- lineup ---
    LineupFlow* lineupFlow = nullptr; // hidden, renamed, ordered and locked parts of the catalog
    // --- recording ---
    RecordingFlow* recordingFlow = nullptr;
    TimeShiftFlow* timeShift = nullptr; // a paused live channel, a recording played as it grows
    // --- multi-view and open streams ---
    std::shared_ptr<VlcEngine> vlcEngine;           // one libVLC instance for every player
    StreamConnections* streamConnections = nullptr; // every open stream, per server
    MultiViewController* multiView = nullptr;
};
