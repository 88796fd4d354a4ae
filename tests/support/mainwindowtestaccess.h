#pragma once

#include "player/reconnectschedule.h"
#include "ui/mainwindow.h"

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
    VELMORA_MEMBER(xtreamClient)
    VELMORA_MEMBER(activeSource)
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
    VELMORA_MEMBER(pendingFetchSteps)
    VELMORA_MEMBER(liveCategories)
    VELMORA_MEMBER(movieCategories)
    VELMORA_MEMBER(seriesCategories)
    VELMORA_MEMBER(liveItems)
    VELMORA_MEMBER(movieItems)
    VELMORA_MEMBER(seriesItems)
    VELMORA_MEMBER(channelItems)
    // tabs
    VELMORA_MEMBER(liveStack)
    VELMORA_MEMBER(liveCategoryList)
    VELMORA_MEMBER(liveSearchAllEdit)
    VELMORA_MEMBER(liveTitleLabel)
    VELMORA_MEMBER(liveSearchEdit)
    VELMORA_MEMBER(liveTable)
    VELMORA_MEMBER(liveCategoryId)
    VELMORA_MEMBER(liveShown)
    VELMORA_MEMBER(movieStack)
    VELMORA_MEMBER(movieCategoryList)
    VELMORA_MEMBER(movieSearchAllEdit)
    VELMORA_MEMBER(movieTitleLabel)
    VELMORA_MEMBER(movieSearchEdit)
    VELMORA_MEMBER(movieSortBox)
    VELMORA_MEMBER(movieGrid)
    VELMORA_MEMBER(movieCategoryId)
    VELMORA_MEMBER(movieShown)
    VELMORA_MEMBER(seriesStack)
    VELMORA_MEMBER(seriesCategoryList)
    VELMORA_MEMBER(seriesSearchAllEdit)
    VELMORA_MEMBER(seriesTitleLabel)
    VELMORA_MEMBER(seriesSearchEdit)
    VELMORA_MEMBER(seriesSortBox)
    VELMORA_MEMBER(seriesGrid)
    VELMORA_MEMBER(seriesCategoryId)
    VELMORA_MEMBER(seriesShown)
    VELMORA_MEMBER(channelStack)
    VELMORA_MEMBER(channelCategoryList)
    VELMORA_MEMBER(channelSearchAllEdit)
    VELMORA_MEMBER(channelTitleLabel)
    VELMORA_MEMBER(channelSearchEdit)
    VELMORA_MEMBER(channelTable)
    VELMORA_MEMBER(channelCategoryId)
    VELMORA_MEMBER(channelShown)
    // posters and episodes
    VELMORA_MEMBER(posterPlaceholder)
    VELMORA_MEMBER(posterLoader)
    VELMORA_MEMBER(episodeTree)
    VELMORA_MEMBER(episodeSeriesLabel)
    VELMORA_MEMBER(shownSeriesId)
    VELMORA_MEMBER(shownSeriesName)
    VELMORA_MEMBER(shownEpisodes)
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
    VELMORA_MEMBER(fullscreenOverlay)
    VELMORA_MEMBER(fullscreenOverlayLayout)
    VELMORA_MEMBER(overlayHeight)
    VELMORA_MEMBER(controlsHideTimer)
    VELMORA_MEMBER(player)
    VELMORA_MEMBER(liveBufferTuner)
    VELMORA_MEMBER(seekDragging)
    VELMORA_MEMBER(hasMedia)
    VELMORA_MEMBER(fullscreen)
    VELMORA_MEMBER(fullscreenControlsVisible)
    VELMORA_MEMBER(currentKind)
    VELMORA_MEMBER(currentUrl)
    VELMORA_MEMBER(currentTitle)
    VELMORA_MEMBER(currentChannelKey)
    VELMORA_MEMBER(catchup)
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
    // library
    VELMORA_MEMBER(lib)
#undef VELMORA_MEMBER

    void loadSource(const SourceConfig& config, bool force)
    {
        w.loadSource(config, force);
    }
    void checkAutoRefresh()
    {
        w.checkAutoRefresh();
    }
    void refreshActiveSource()
    {
        w.refreshActiveSource();
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
        w.libraryEndViewing();
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
        w.loadVisibleThumbnails(grid);
    }
    void selectLiveCategory(QListWidgetItem* item)
    {
        w.selectLiveCategory(item);
    }
    void selectMovieCategory(QListWidgetItem* item)
    {
        w.selectMovieCategory(item);
    }
    void selectSeriesCategory(QListWidgetItem* item)
    {
        w.selectSeriesCategory(item);
    }
    void selectChannelCategory(QListWidgetItem* item)
    {
        w.selectChannelCategory(item);
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
        return w.currentLiveCachingMs();
    }

private:
    MainWindow& w;
};
