// The four catalog tabs and the episodes page: which items each shows and what activating one
// of them does, and the episode sequence that "Next Episode" follows.
#include "ui/mainwindow.h"

#include "lineup/lineupflow.h"
#include "ui/catalogsession.h"
#include "ui/catalogtab.h"
#include "ui/episodespage.h"
#include "ui/librarycategories.h"
#include "ui/libraryflow.h"
#include "ui/playbackcontroller.h"

void MainWindow::buildCatalogTabs()
{
    liveTab = new CatalogTab(CatalogTab::Look::Table, QStringLiteral("Channel"),
                             QStringLiteral("liveTable"), this);
    movieTab = new CatalogTab(CatalogTab::Look::Posters, QStringLiteral("Movie"),
                              QStringLiteral("movieGrid"), this);
    seriesTab = new CatalogTab(CatalogTab::Look::Posters, QStringLiteral("Show"),
                               QStringLiteral("seriesGrid"), this);
    channelTab = new CatalogTab(CatalogTab::Look::Table, QStringLiteral("Channel"),
                                QStringLiteral("channelTable"), this);
    movieTab->setPosters(posterLoader, 0, posterPlaceholder);
    seriesTab->setPosters(posterLoader, 1, posterPlaceholder);

    const auto wire = [this](CatalogTab* tab, const QList<MediaItem>* items, int kind,
                             void (MainWindow::*activate)(int, int)) {
        tab->setItemSource(
            [this, items, kind](const QString& categoryId, const QString& query, QObject* view) {
                QList<MediaItem> shown =
                    libraryFlow->filteredTabItems(*items, kind, categoryId, query, view);
                return lineupFlow
                           ? lineupFlow->screenTabItems(kind, categoryId, query, std::move(shown))
                           : shown;
            });
        tab->setMarker([this](QAbstractItemView* view, const QList<MediaItem>& shown) {
            libraryFlow->markLibraryRows(view, shown);
            if (lineupFlow)
                lineupFlow->markRows(view, shown);
        });
        connect(tab, &CatalogTab::activated, this,
                [this, activate](int row) { (this->*activate)(row, 0); });
    };
    wire(liveTab, &catalogSession->liveItems, MediaItem::Live, &MainWindow::playLiveRow);
    wire(movieTab, &catalogSession->movieItems, MediaItem::Movie, &MainWindow::playMovieRow);
    wire(seriesTab, &catalogSession->seriesItems, MediaItem::Series, &MainWindow::openSeriesRow);
    wire(channelTab, &catalogSession->channelItems, MediaItem::Live, &MainWindow::playChannelRow);
    episodesPage = new EpisodesPage(seriesTab->stack);
    connect(episodesPage, &EpisodesPage::chosen, this, &MainWindow::playEpisodeTreeItem);
}

void MainWindow::playRowOf(const CatalogTab* tab, int row)
{
    if (row < 0 || row >= tab->shown.size())
        return;
    clearSeriesContext();
    playMediaItem(tab->shown.at(row));
}

void MainWindow::playLiveRow(int row, int /*column*/)
{
    playRowOf(liveTab, row);
}

void MainWindow::playChannelRow(int row, int /*column*/)
{
    playRowOf(channelTab, row);
}

void MainWindow::playMovieRow(int row, int /*column*/)
{
    playRowOf(movieTab, row);
}

void MainWindow::openSeriesRow(int row, int /*column*/)
{
    if (row < 0 || row >= seriesTab->shown.size())
        return;
    if (isContinueWatchingCategory(seriesTab->categoryId))
        libraryFlow->continueSeries(seriesTab->shown.at(row));
    else
        showEpisodesInline(seriesTab->shown.at(row).id, seriesTab->shown.at(row).name);
}

void MainWindow::showEpisodesInline(const QString& seriesId, const QString& seriesName)
{
    episodesPage->showSeries(catalogSession->xtreamClient, catalogSession->activeSource.name,
                             seriesId, seriesName, &catalogSession->loadGeneration);
}

void MainWindow::playEpisodeTreeItem(QTreeWidgetItem* item)
{
    const int index = episodesPage->episodeIndexOf(item);
    if (index < 0)
        return;
    episodeSequence.start(episodesPage->shownEpisodes, index, episodesPage->shownSeriesName);
    playingSeriesId = episodesPage->shownSeriesId;
    playMediaItem(episodeSequence.current());
}

void MainWindow::playNextEpisode()
{
    if (episodeSequence.advance())
        playMediaItem(episodeSequence.current());
}

void MainWindow::updateNextEpisodeButton()
{
    const bool episode = playback->currentKind == MediaItem::SeriesEpisode;
    nextEpisodeButton->setVisible(episode);
    nextEpisodeButton->setEnabled(episode && episodeSequence.hasNext());
}

void MainWindow::clearSeriesContext()
{
    episodeSequence.clear();
    playingSeriesId.clear();
}
