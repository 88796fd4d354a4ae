#pragma once

#include "player/reconnectschedule.h"
#include "ui/catalogsession.h"
#include "ui/catalogtab.h"
#include "ui/episodespage.h"
#include "ui/fullscreenchrome.h"
#include "ui/guideflow.h"
#include "ui/libraryflow.h"
#include "ui/librarystate.h"
#include "ui/loadingoverlay.h"
#include "ui/mainwindow.h"
#include "ui/playbackcontroller.h"
#include "ui/splittermodes.h"

#include <QTimer>

// The window's private state, for tests (MainWindow befriends this class).
class MainWindowTestAccess final
{
public:
    explicit MainWindowTestAccess(MainWindow& window)
        : w(window)
    {}

#define VELMORA_MEMBER(name)                                                                       \
    auto& name()                                                                                   \
    {                                                                                              \
        return w.name;                                                                             \
    }
    // servers and loading
    VELMORA_MEMBER(sourceManager)
#define VELMORA_SESSION_PART(name)                                                                 \
    auto& name()                                                                                   \
    {                                                                                              \
        return w.catalogSession->name;                                                             \
    }
    VELMORA_SESSION_PART(xtreamClient)
    VELMORA_SESSION_PART(activeSource)
    VELMORA_MEMBER(networkManager)
    VELMORA_MEMBER(autoRefreshTimer)
    VELMORA_MEMBER(centralLayout)
    VELMORA_MEMBER(serverRow)
    VELMORA_MEMBER(sourceCombo)
    VELMORA_MEMBER(tabs)
    VELMORA_MEMBER(liveTabIndex)
    VELMORA_MEMBER(movieTabIndex)
    VELMORA_MEMBER(seriesTabIndex)
    VELMORA_MEMBER(channelTabIndex)
    VELMORA_MEMBER(loadingOverlay)
    auto& pendingFetchSteps()
    {
        return w.loadingOverlay->pendingFetchSteps;
    }
    VELMORA_SESSION_PART(liveCategories)
    VELMORA_SESSION_PART(movieCategories)
    VELMORA_SESSION_PART(seriesCategories)
    VELMORA_SESSION_PART(liveItems)
    VELMORA_SESSION_PART(movieItems)
    VELMORA_SESSION_PART(seriesItems)
    VELMORA_SESSION_PART(channelItems)
#undef VELMORA_SESSION_PART
    // tabs: the four CatalogTab objects, and their parts under the names they had
    VELMORA_MEMBER(liveTab)
    VELMORA_MEMBER(movieTab)
    VELMORA_MEMBER(seriesTab)
    VELMORA_MEMBER(channelTab)
#define VELMORA_TAB_PART(tab, name, part)                                                          \
    auto& name()                                                                                   \
    {                                                                                              \
        return w.tab->part;                                                                        \
    }
    VELMORA_TAB_PART(liveTab, liveStack, stack)
    VELMORA_TAB_PART(liveTab, liveCategoryList, categoryList)
    VELMORA_TAB_PART(liveTab, liveSearchAllEdit, searchAllEdit)
    VELMORA_TAB_PART(liveTab, liveTitleLabel, titleLabel)
    VELMORA_TAB_PART(liveTab, liveSearchEdit, searchEdit)
    VELMORA_TAB_PART(liveTab, liveTable, table)
    VELMORA_TAB_PART(liveTab, liveSortBox, sortBox)
    VELMORA_TAB_PART(liveTab, liveCategoryId, categoryId)
    VELMORA_TAB_PART(liveTab, liveShown, shown)
    VELMORA_TAB_PART(movieTab, movieStack, stack)
    VELMORA_TAB_PART(movieTab, movieCategoryList, categoryList)
    VELMORA_TAB_PART(movieTab, movieSearchAllEdit, searchAllEdit)
    VELMORA_TAB_PART(movieTab, movieTitleLabel, titleLabel)
    VELMORA_TAB_PART(movieTab, movieSearchEdit, searchEdit)
    VELMORA_TAB_PART(movieTab, movieSortBox, sortBox)
    VELMORA_TAB_PART(movieTab, movieGrid, grid)
    VELMORA_TAB_PART(movieTab, movieCategoryId, categoryId)
    VELMORA_TAB_PART(movieTab, movieShown, shown)
    VELMORA_TAB_PART(seriesTab, seriesStack, stack)
    VELMORA_TAB_PART(seriesTab, seriesCategoryList, categoryList)
    VELMORA_TAB_PART(seriesTab, seriesSearchAllEdit, searchAllEdit)
    VELMORA_TAB_PART(seriesTab, seriesTitleLabel, titleLabel)
    VELMORA_TAB_PART(seriesTab, seriesSearchEdit, searchEdit)
    VELMORA_TAB_PART(seriesTab, seriesSortBox, sortBox)
    VELMORA_TAB_PART(seriesTab, seriesGrid, grid)
    VELMORA_TAB_PART(seriesTab, seriesCategoryId, categoryId)
    VELMORA_TAB_PART(seriesTab, seriesShown, shown)
    VELMORA_TAB_PART(channelTab, channelStack, stack)
    VELMORA_TAB_PART(channelTab, channelCategoryList, categoryList)
    VELMORA_TAB_PART(channelTab, channelSearchAllEdit, searchAllEdit)
    VELMORA_TAB_PART(channelTab, channelTitleLabel, titleLabel)
    VELMORA_TAB_PART(channelTab, channelSearchEdit, searchEdit)
    VELMORA_TAB_PART(channelTab, channelTable, table)
    VELMORA_TAB_PART(channelTab, channelCategoryId, categoryId)
    VELMORA_TAB_PART(channelTab, channelShown, shown)
#undef VELMORA_TAB_PART
    // posters and episodes
    VELMORA_MEMBER(posterPlaceholder)
    VELMORA_MEMBER(posterLoader)
    VELMORA_MEMBER(episodesPage)
#define VELMORA_PAGE_PART(name)                                                                    \
    auto& name()                                                                                   \
    {                                                                                              \
        return w.episodesPage->name;                                                               \
    }
    VELMORA_PAGE_PART(episodeTree)
    VELMORA_PAGE_PART(episodeSeriesLabel)
    VELMORA_PAGE_PART(shownSeriesId)
    VELMORA_PAGE_PART(shownSeriesName)
    VELMORA_PAGE_PART(shownEpisodes)
#undef VELMORA_PAGE_PART
    auto& playingEpisodes()
    {
        return w.episodeSequence.episodes;
    }
    auto& playingEpisodeIndex()
    {
        return w.episodeSequence.index;
    }
    auto& playingSeriesName()
    {
        return w.episodeSequence.seriesName;
    }
    // player panel
    VELMORA_MEMBER(playerPanel)
    VELMORA_MEMBER(playerPanelLayout)
    VELMORA_MEMBER(videoWidget)
    VELMORA_MEMBER(nowPlayingLabel)
    VELMORA_MEMBER(seekRow)
    VELMORA_MEMBER(seekSlider)
    VELMORA_MEMBER(timeLabel)
    VELMORA_MEMBER(controlsRow)
    VELMORA_MEMBER(playPauseButton)
    VELMORA_MEMBER(nextEpisodeButton)
    VELMORA_MEMBER(subtitleButton)
    VELMORA_MEMBER(audioButton)
    VELMORA_MEMBER(volumeSlider)
    VELMORA_MEMBER(fullscreenChrome)
    VELMORA_MEMBER(splitterModes)
#define VELMORA_CHROME_PART(name)                                                                  \
    auto& name()                                                                                   \
    {                                                                                              \
        return w.fullscreenChrome->name;                                                           \
    }
    VELMORA_CHROME_PART(fullscreenOverlay)
    VELMORA_CHROME_PART(fullscreenOverlayLayout)
    VELMORA_CHROME_PART(overlayHeight)
    VELMORA_CHROME_PART(controlsHideTimer)
    VELMORA_CHROME_PART(fullscreen)
    VELMORA_CHROME_PART(fullscreenControlsVisible)
#undef VELMORA_CHROME_PART
    VELMORA_MEMBER(player)
    VELMORA_MEMBER(liveBufferTuner)
    VELMORA_MEMBER(seekDragging)
#define VELMORA_PLAYBACK_PART(name)                                                                \
    auto& name()                                                                                   \
    {                                                                                              \
        return w.playback->name;                                                                   \
    }
    VELMORA_PLAYBACK_PART(hasMedia)
    VELMORA_PLAYBACK_PART(currentKind)
    VELMORA_PLAYBACK_PART(currentUrl)
    VELMORA_PLAYBACK_PART(currentTitle)
    VELMORA_PLAYBACK_PART(currentChannelKey)
#undef VELMORA_PLAYBACK_PART
    auto& catchup()
    {
        return w.guideFlow->catchup;
    }
    // failures
    ReconnectSchedule* reconnectSchedule()
    {
        return w.reconnect;
    }
    QTimer* reconnectTimer()
    {
        return w.reconnect->timer();
    }
    int reconnectAttempts()
    {
        return w.reconnect->attempts();
    }
    VELMORA_MEMBER(errorDialogOpen)
    // multi-view and open streams
    VELMORA_MEMBER(multiView)
    VELMORA_MEMBER(streamConnections)
    // library
    VELMORA_MEMBER(libraryFlow)
    VELMORA_MEMBER(lineupFlow)
    // recording
    VELMORA_MEMBER(recordingFlow)
    VELMORA_MEMBER(timeShift)
    LibraryState* lib()
    {
        return &w.libraryFlow->state();
    }
#undef VELMORA_MEMBER

    void loadSource(const SourceConfig& config, bool force)
    {
        w.catalogSession->loadSource(config, force);
    }
    void checkAutoRefresh()
    {
        w.catalogSession->checkAutoRefresh();
    }
    void refreshActiveSource()
    {
        w.catalogSession->refreshActiveSource();
    }
    void addSource()
    {
        w.addSource();
    }
    void editSource()
    {
        w.editSource();
    }
    void playMediaItem(const MediaItem& item)
    {
        w.playMediaItem(item);
    }
    void replayCurrentStream()
    {
        w.replayCurrentStream();
    }
    void playNextEpisode()
    {
        w.playNextEpisode();
    }
    void libraryEndViewing()
    {
        w.libraryFlow->libraryEndViewing();
    }
    void showEpisodesInline(const QString& id, const QString& name)
    {
        w.showEpisodesInline(id, name);
    }
    void onPlaybackInterrupted(const QString& reason)
    {
        w.onPlaybackInterrupted(reason);
    }
    void onPlaybackError(const QString& message)
    {
        w.onPlaybackError(message);
    }
    void onPlaybackProgressing()
    {
        w.onPlaybackProgressing();
    }
    void onPositionChanged(qint64 current, qint64 total)
    {
        w.onPositionChanged(current, total);
    }
    void toggleFullscreen()
    {
        w.toggleFullscreen();
    }
    void showSubtitleMenu()
    {
        w.showSubtitleMenu();
    }
    void showAudioMenu()
    {
        w.showAudioMenu();
    }
    void showStreamInfo()
    {
        w.showStreamInfo();
    }
    void cancelLiveReconnect()
    {
        w.cancelLiveReconnect();
    }
    void loadVisibleThumbnails(QListWidget* grid)
    {
        (grid == w.movieTab->grid ? w.movieTab : w.seriesTab)->loadVisiblePosters();
    }
    void selectLiveCategory(QListWidgetItem* item)
    {
        w.liveTab->selectCategory(item);
    }
    void selectMovieCategory(QListWidgetItem* item)
    {
        w.movieTab->selectCategory(item);
    }
    void selectSeriesCategory(QListWidgetItem* item)
    {
        w.seriesTab->selectCategory(item);
    }
    void selectChannelCategory(QListWidgetItem* item)
    {
        w.channelTab->selectCategory(item);
    }
    void playLiveRow(int row)
    {
        w.playLiveRow(row, 0);
    }
    void playMovieRow(int row)
    {
        w.playMovieRow(row, 0);
    }
    void openSeriesRow(int row)
    {
        w.openSeriesRow(row, 0);
    }
    void playChannelRow(int row)
    {
        w.playChannelRow(row, 0);
    }
    void playEpisodeTreeItem(QTreeWidgetItem* item)
    {
        w.playEpisodeTreeItem(item);
    }
    void clearSeriesContext()
    {
        w.clearSeriesContext();
    }
    void updatePlayerChrome()
    {
        w.updatePlayerChrome();
    }
    int currentLiveCachingMs() const
    {
        return w.playback->currentLiveCachingMs();
    }

private:
    MainWindow& w;
};
