#pragma once

#include "library/catalogmatch.h"
#include "model/episode.h"
#include "model/mediaitem.h"
#include "model/sourceconfig.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPalette>
#include <QString>

#include <functional>
#include <memory>

class CatalogTab;
class GuideService;
class QAbstractItemView;
class QLabel;
class QMenu;
class QPoint;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;
class SearchEverythingDialog;
class VlcPlayer;
class EpisodeSequence;
struct LibraryState;

// The user's library in the window: "Favorites", "Recent" and "Continue Watching" in the catalog
// tabs, starring from menus and Ctrl+D, marks on posters and episodes, saving and resuming
// positions, the previous channel, search over everything, export and import. It reads the
// window's state through the references in `Window` and acts through its callbacks.
class LibraryFlow final : public QObject
{
    Q_OBJECT

public:
    // What the flow sees of the window; everything outlives the flow.
    struct Window
    {
        QWidget* window = nullptr; // parent of boxes, menus and window-wide shortcuts
        const SourceConfig& activeSource;
        const QList<MediaItem>& liveItems;
        const QList<MediaItem>& movieItems;
        const QList<MediaItem>& seriesItems;
        const QList<MediaItem>& channelItems;
        QTabWidget* tabs = nullptr;
        CatalogTab* liveTab = nullptr;
        CatalogTab* movieTab = nullptr;
        CatalogTab* seriesTab = nullptr;
        CatalogTab* channelTab = nullptr;
        int liveTabIndex = -1;
        int movieTabIndex = -1;
        int seriesTabIndex = -1;
        int channelTabIndex = -1;
        // The player panel, where the resume notice and the previous-channel button go.
        QWidget* playerPanel = nullptr;
        QVBoxLayout* playerPanelLayout = nullptr;
        QLabel* nowPlayingLabel = nullptr;
        QWidget* controlsRow = nullptr;
        QWidget* serverRow = nullptr; // gets the export and import button
        VlcPlayer* player = nullptr;
        GuideService* guide = nullptr; // programmes for the search over everything
        // The episodes page and the episode sequence playing.
        QTreeWidget* episodeTree = nullptr;
        const QList<Episode>& shownEpisodes;
        const QString& shownSeriesId;
        const EpisodeSequence& episodeSequence;
        const QString& playingSeriesId;
        std::function<void(const MediaItem&)> playMediaItem;
        std::function<void()> clearSeriesContext;
        std::function<void(const QString& id, const QString& name)> showEpisodesInline;
        std::function<void(QTreeWidgetItem*)> playEpisodeTreeItem;
        // Every server's display name by the key its library goes by (export and import).
        std::function<QHash<QString, QString>()> serverNames;
    };

    // `libraryPath` is the library's database file.
    LibraryFlow(const Window& window, const QString& libraryPath, QObject* parent);
    ~LibraryFlow() override;

    LibraryState& state() { return *lib; }
    // Other parts add their actions to the menu of a row.
    using MenuExtension = std::function<void(QMenu& menu, const MediaItem& item)>;
    void addMenuExtension(MenuExtension extension) { menuExtensions.append(std::move(extension)); }

    // Another server is being loaded: its library lists are read ahead. A catalog list arrived:
    // its index by library id is built ahead of the first library view.
    void serverLoading(const QString& server);
    void catalogListed(const QList<MediaItem>& items);

    // The catalog tabs' items of `categoryId` (a library category or a server's), and the marks
    // on them (gone from the server, watched, progress).
    QList<MediaItem> filteredTabItems(const QList<MediaItem>& items, int kind,
                                      const QString& categoryId, const QString& query,
                                      QObject* view);
    void markLibraryRows(QAbstractItemView* view, const QList<MediaItem>& shown);
    void toggleFavorite(const MediaItem& item);
    void toggleFavoriteOfCurrentTab();

    // Viewing: a new item starts, the player reports a position, the same stream is played
    // again, the viewing ends (saves the position).
    void libraryBeginPlay(const MediaItem& item);
    void libraryTrackPosition(qint64 currentMs, qint64 totalMs);
    void libraryReplay();
    void libraryEndViewing();
    void playPreviousChannel();

    // The episodes page was filled: marks, and "Continue Watching" plays on.
    void markEpisodeTree();
    void continueSeries(const MediaItem& series);

    void openSearchEverything();
    // Other parts fit out the search dialog once it exists (dragging its channels, keeping it
    // open).
    void setSearchDialogSetup(std::function<void(SearchEverythingDialog&)> setup)
    {
        searchDialogSetup = std::move(setup);
    }
    void exportLibrary();
    void importLibrary();

private:
    void build();
    const CatalogIndex& catalogIndex(const QList<MediaItem>& items);
    void showLibraryMenu(QAbstractItemView* view, const QList<MediaItem>* shown, const QPoint& pos);
    void onLibraryChanged(const QString& server, int kind);
    void saveLibraryPosition();
    void updatePreviousChannelButton();
    QPalette palette() const;

    QWidget* const window;
    const SourceConfig& activeSource;
    const QList<MediaItem>& liveItems;
    const QList<MediaItem>& movieItems;
    const QList<MediaItem>& seriesItems;
    const QList<MediaItem>& channelItems;
    QTabWidget* const tabs;
    CatalogTab* const liveTab;
    CatalogTab* const movieTab;
    CatalogTab* const seriesTab;
    CatalogTab* const channelTab;
    const int liveTabIndex;
    const int movieTabIndex;
    const int seriesTabIndex;
    const int channelTabIndex;
    QWidget* const playerPanel;
    QVBoxLayout* const playerPanelLayout;
    QLabel* const nowPlayingLabel;
    QWidget* const controlsRow;
    QWidget* const serverRow;
    VlcPlayer* const player;
    GuideService* const guide;
    QTreeWidget* const episodeTree;
    const QList<Episode>& shownEpisodes;
    const QString& shownSeriesId;
    const EpisodeSequence& episodeSequence;
    const QString& playingSeriesId;
    const std::function<void(const MediaItem&)> playMediaItem;
    const std::function<void()> clearSeriesContext;
    const std::function<void(const QString&, const QString&)> showEpisodesInline;
    const std::function<void(QTreeWidgetItem*)> playEpisodeTreeItem;
    const std::function<QHash<QString, QString>()> serverNames;
    std::function<void(SearchEverythingDialog&)> searchDialogSetup;

    std::unique_ptr<LibraryState> lib;
    QList<MenuExtension> menuExtensions;
};
