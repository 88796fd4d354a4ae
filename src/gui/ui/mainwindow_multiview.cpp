// Multi-view: its controller, the servers' connection limits, and channels dragged from the
// tables, the search results and the guide grids onto its tiles.
#include "ui/mainwindow.h"

#include "guide/guidegrid.h"
#include "guide/guidepanel.h"
#include "multiview/channeldrag.h"
#include "multiview/connectionlimits.h"
#include "multiview/multiviewcontroller.h"
#include "player/streamconnections.h"
#include "ui/catalogsession.h"
#include "ui/catalogtab.h"
#include "ui/guideflow.h"
#include "ui/libraryflow.h"
#include "ui/playbackcontroller.h"
#include "ui/searcheverythingdialog.h"
#include "ui/serverselector.h"

#include <QTabWidget>
#include <QTableWidget>

void MainWindow::buildMultiView()
{
    multiView = new MultiViewController({.window = this,
                                         .playerPanel = playerPanel,
                                         .playerPanelLayout = playerPanelLayout,
                                         .videoWidget = videoWidget,
                                         .nowPlayingLabel = nowPlayingLabel,
                                         .controlsRow = controlsRow,
                                         .volumeSlider = volumeSlider,
                                         .fullscreenChrome = fullscreenChrome,
                                         .mainPlayer = player,
                                         .engine = vlcEngine,
                                         .connections = streamConnections,
                                         .session = catalogSession,
                                         .playback = playback,
                                         .guide = guideFlow->guide,
                                         .guidePanel = guideFlow->guidePanel,
                                         .playMain =
                                             [this](const MediaItem& item) {
                                                 clearSeriesContext();
                                                 playback->playMediaItem(item);
                                             }},
                                        this);

    connect(multiView, &MultiViewController::openChanged, this, &MainWindow::updatePlayerChrome);

    // After the session's own handler, so its Xtream client is set for this server.
    connect(
        serverSelector, &ServerSelector::loadRequested, this, [this](const SourceConfig& config) {
            connectionlimits::apply(streamConnections, config, catalogSession->xtreamClient, this);
        });

    const auto channelOf = [this](const MediaItem& item) -> std::optional<channelmime::Channel> {
        if (item.type != MediaItem::Live)
            return std::nullopt;
        return channelmime::Channel{catalogSession->activeSource.name, item};
    };
    for (CatalogTab* tab : {liveTab, channelTab}) {
        channeldrag::enable(tab->table, [tab, channelOf](const QPoint& at) {
            const int row = tab->table->rowAt(at.y());
            return row >= 0 && row < tab->shown.size() ? channelOf(tab->shown.at(row))
                                                       : std::nullopt;
        });
    }
    // The search results too: dragged onto a tile, or chosen with a tile focused, while the
    // dialog stays open to fill the next tile.
    libraryFlow->setSearchDialogSetup([this, channelOf](SearchEverythingDialog& dialog) {
        channeldrag::enable(dialog.resultsView(), [&dialog, channelOf](const QPoint& at) {
            const std::optional<MediaItem> item = dialog.itemAt(at);
            return item ? channelOf(*item) : std::nullopt;
        });
        dialog.setStaysOpen([this](const MediaItem& item) {
            return multiView->isOpen() && item.type == MediaItem::Live;
        });
    });
    for (GuideGrid* grid : tabs->findChildren<GuideGrid*>()) {
        // The press has selected the programme under the mouse by the time the drag starts.
        channeldrag::enable(grid, [grid, channelOf](const QPoint&) {
            const int row = grid->selection().row;
            return row >= 0 && row < grid->channels().size() ? channelOf(grid->channels().at(row))
                                                             : std::nullopt;
        });
    }
}
