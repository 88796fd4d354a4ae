// The library in the catalog tabs: its category entries, starring from menus and Ctrl+D, marks
// on posters, and the library's buttons and notice in the window.
#include "ui/libraryflow.h"

#include "app/clock.h"
#include "app/filedialog.h"
#include "app/messagebox.h"
#include "player/vlcplayer.h"
#include "ui/catalogfilter.h"
#include "ui/catalogtab.h"
#include "ui/compactrow.h"
#include "ui/librarycategories.h"
#include "ui/librarystate.h"
#include "ui/playbacktext.h"
#include "ui/postermarkdelegate.h"
#include "ui/searcheverythingdialog.h"

#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString goneTip()
{
    return QCoreApplication::translate("Library", "No longer offered by this server");
}

} // namespace

LibraryFlow::LibraryFlow(const Window& w, const QString& libraryPath, QObject* parent)
    : QObject(parent)
    , window(w.window)
    , activeSource(w.activeSource)
    , liveItems(w.liveItems)
    , movieItems(w.movieItems)
    , seriesItems(w.seriesItems)
    , channelItems(w.channelItems)
    , tabs(w.tabs)
    , liveTab(w.liveTab)
    , movieTab(w.movieTab)
    , seriesTab(w.seriesTab)
    , channelTab(w.channelTab)
    , liveTabIndex(w.liveTabIndex)
    , movieTabIndex(w.movieTabIndex)
    , seriesTabIndex(w.seriesTabIndex)
    , channelTabIndex(w.channelTabIndex)
    , playerPanel(w.playerPanel)
    , playerPanelLayout(w.playerPanelLayout)
    , nowPlayingLabel(w.nowPlayingLabel)
    , controlsRow(w.controlsRow)
    , serverRow(w.serverRow)
    , player(w.player)
    , guide(w.guide)
    , episodeTree(w.episodeTree)
    , shownEpisodes(w.shownEpisodes)
    , shownSeriesId(w.shownSeriesId)
    , episodeSequence(w.episodeSequence)
    , playingSeriesId(w.playingSeriesId)
    , playMediaItem(w.playMediaItem)
    , clearSeriesContext(w.clearSeriesContext)
    , showEpisodesInline(w.showEpisodesInline)
    , playEpisodeTreeItem(w.playEpisodeTreeItem)
    , serverNames(w.serverNames)
{
    lib = std::make_unique<LibraryState>();
    lib->library = new Library(libraryPath, this);
    build();
}

LibraryFlow::~LibraryFlow() = default;

QPalette LibraryFlow::palette() const
{
    return window->palette();
}

void LibraryFlow::build()
{
    connect(lib->library, &Library::changed, this, &LibraryFlow::onLibraryChanged);

    const auto menuFor = [this](QAbstractItemView* view, const QList<MediaItem>* shown) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this,
                [this, view, shown](const QPoint& pos) { showLibraryMenu(view, shown, pos); });
    };
    menuFor(liveTab->table, &liveTab->shown);
    menuFor(channelTab->table, &channelTab->shown);
    menuFor(movieTab->grid, &movieTab->shown);
    menuFor(seriesTab->grid, &seriesTab->shown);
    movieTab->grid->setItemDelegate(new PosterMarkDelegate(movieTab->grid));
    seriesTab->grid->setItemDelegate(new PosterMarkDelegate(seriesTab->grid));

    auto* star = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), window);
    connect(star, &QShortcut::activated, this, &LibraryFlow::toggleFavoriteOfCurrentTab);
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), window);
    connect(find, &QShortcut::activated, this, &LibraryFlow::openSearchEverything);
    for (QWidget* widget :
         {static_cast<QWidget*>(playerPanel), static_cast<QWidget*>(liveTab->table),
          static_cast<QWidget*>(channelTab->table)}) {
        auto* back = new QShortcut(QKeySequence(Qt::Key_Backspace), widget);
        back->setContext(Qt::WidgetWithChildrenShortcut);
        connect(back, &QShortcut::activated, this, &LibraryFlow::playPreviousChannel);
    }

    // "Resumed at 12:34" with "Start over", under the title line.
    lib->resumeNotice = new QWidget(playerPanel);
    lib->resumeNotice->setObjectName(QStringLiteral("resumeNotice"));
    auto* noticeLayout = new QHBoxLayout(lib->resumeNotice);
    noticeLayout->setContentsMargins(0, 0, 0, 0);
    lib->resumeLabel = new QLabel(lib->resumeNotice);
    auto* startOver = new QPushButton(tr("Start over"), lib->resumeNotice);
    noticeLayout->addWidget(lib->resumeLabel);
    noticeLayout->addWidget(startOver);
    noticeLayout->addStretch();
    lib->resumeNotice->hide();
    playerPanelLayout->insertWidget(playerPanelLayout->indexOf(nowPlayingLabel) + 1,
                                    lib->resumeNotice);
    connect(startOver, &QPushButton::clicked, this, [this]() {
        player->seek(0);
        lib->positionMs = 0;
        lib->resumeTargetMs = 0;
        lib->resumeNotice->hide();
        playerPanel->setFocus(Qt::OtherFocusReason);
    });

    lib->previousChannelButton = new QPushButton(tr("Previous channel"), controlsRow);
    lib->previousChannelButton->setToolTip(tr("Back to the channel watched before "
                                              "(Backspace)"));
    CompactRow::setCompactIcon(lib->previousChannelButton,
                               window->style()->standardIcon(QStyle::SP_ArrowBack), false);
    lib->previousChannelButton->hide();
    if (auto* row = qobject_cast<QHBoxLayout*>(controlsRow->layout()))
        row->insertWidget(1, lib->previousChannelButton);
    connect(lib->previousChannelButton, &QPushButton::clicked, this,
            &LibraryFlow::playPreviousChannel);

    // Export and import beside the server buttons.
    auto* libraryButton = new QPushButton(tr("Library"), serverRow);
    auto* libraryMenu = new QMenu(libraryButton);
    libraryMenu->setObjectName(QStringLiteral("libraryMenu"));
    libraryMenu->addAction(tr("Export Favorites and Progress..."), this,
                           &LibraryFlow::exportLibrary);
    libraryMenu->addAction(tr("Import Favorites and Progress..."), this,
                           &LibraryFlow::importLibrary);
    libraryButton->setMenu(libraryMenu);
    if (auto* row = qobject_cast<QHBoxLayout*>(serverRow->layout()))
        row->insertWidget(row->count() - 1, libraryButton);

    // A damaged library is reported once, after the window is up.
    QTimer::singleShot(0, this, [this]() {
        const QString problem = lib->library->takeProblem();
        if (!problem.isEmpty())
            MessageBox::warning(window, tr("Library"), problem);
    });
}

void LibraryFlow::serverLoading(const QString& server)
{
    lib->library->preload(server);
}

void LibraryFlow::catalogListed(const QList<MediaItem>& items)
{
    lib->indexes.prepare(items);
}

const CatalogIndex& LibraryFlow::catalogIndex(const QList<MediaItem>& items)
{
    return lib->indexes.of(items);
}

QList<MediaItem> LibraryFlow::filteredTabItems(const QList<MediaItem>& items, int kind,
                                               const QString& categoryId, const QString& query,
                                               QObject* view)
{
    QSet<QString>& gone = lib->gone[view];
    gone.clear();
    if (!isLibraryCategory(categoryId))
        return applyFilter(items, categoryId, query);
    const QString server = activeSource.storageKey();
    QList<LibraryEntry> entries;
    if (categoryId == kFavoritesCategoryId)
        entries = lib->library->favorites(server, kind);
    else if (categoryId == kRecentCategoryId)
        entries = lib->library->recentChannels(server);
    else if (categoryId == kContinueCategoryId)
        entries = lib->library->continueWatching(server, kind);
    QList<MediaItem> listed;
    listed.reserve(entries.size());
    for (const ShownLibraryEntry& entry : matchCatalog(entries, items, catalogIndex(items))) {
        if (!entry.offered)
            gone.insert(Library::idOf(entry.item));
        listed.append(entry.item);
    }
    // The library's own order (newest first), narrowed and ranked by the query as a tab does.
    return applyFilter(listed, QString(), query);
}

void LibraryFlow::markLibraryRows(QAbstractItemView* view, const QList<MediaItem>& shown)
{
    const QSet<QString> gone = lib->gone.value(view);
    const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
    if (auto* table = qobject_cast<QTableWidget*>(view)) {
        if (gone.isEmpty())
            return;
        const QSignalBlocker quiet(table->model());
        for (int row = 0; row < shown.size(); ++row) {
            if (!gone.contains(Library::idOf(shown[row])))
                continue;
            if (QTableWidgetItem* cell = table->item(row, 0)) {
                cell->setForeground(grey);
                cell->setToolTip(goneTip());
            }
        }
        table->viewport()->update();
        return;
    }
    auto* grid = qobject_cast<QListWidget*>(view);
    if (!grid)
        return;
    if (grid == movieTab->grid && !lib->movieStatesValid) {
        lib->movieStates = lib->library->watchStates(activeSource.storageKey(), MediaItem::Movie);
        lib->movieStatesValid = true;
    } else if (grid == seriesTab->grid && !lib->seriesStatesValid) {
        lib->seriesStates = lib->library->seriesStates(activeSource.storageKey());
        lib->seriesStatesValid = true;
    }
    const bool series = grid == seriesTab->grid;
    const QHash<QString, WatchState>& states = series ? lib->seriesStates : lib->movieStates;
    bool& marked = series ? lib->seriesMarked : lib->marked;
    // Marks are cleared again where a state went away.
    const bool marks = (grid == movieTab->grid || series) && (!states.isEmpty() || marked);
    if (grid == movieTab->grid || series)
        marked = !states.isEmpty();
    if (gone.isEmpty() && !marks)
        return;
    const QSignalBlocker quiet(grid->model());
    for (int row = 0; row < shown.size(); ++row) {
        const QString id = Library::idOf(shown[row]);
        QListWidgetItem* item = grid->item(row);
        if (!item)
            break;
        if (gone.contains(id)) {
            item->setForeground(grey);
            item->setToolTip(goneTip());
        }
        if (marks) {
            const auto state = states.constFind(id);
            if (state != states.cend()) {
                item->setData(PosterMarkDelegate::kProgressRole,
                              watchrules::progressPercent(*state));
                item->setData(PosterMarkDelegate::kWatchedRole, state->watched);
                item->setData(PosterMarkDelegate::kStartedRole, series);
            } else if (item->data(PosterMarkDelegate::kWatchedRole).isValid()) {
                item->setData(PosterMarkDelegate::kProgressRole, QVariant());
                item->setData(PosterMarkDelegate::kWatchedRole, QVariant());
                item->setData(PosterMarkDelegate::kStartedRole, QVariant());
            }
        }
    }
    grid->viewport()->update();
}

void LibraryFlow::showLibraryMenu(QAbstractItemView* view, const QList<MediaItem>* shown,
                                  const QPoint& pos)
{
    const int row = view->indexAt(pos).row();
    if (row < 0 || row >= shown->size())
        return;
    const MediaItem item = shown->at(row);
    QMenu menu(window);
    const bool starred = lib->library->isFavorite(activeSource.storageKey(), item);
    QAction* star = menu.addAction(starred ? tr("Remove from Favorites") : tr("Add to Favorites"));
    star->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    QAction* forget = nullptr;
    if (item.type == MediaItem::Movie &&
        watchrules::resumePositionMs(lib->library->watchState(activeSource.storageKey(), item)) > 0)
        forget = menu.addAction(tr("Remove from Continue Watching"));
    for (const MenuExtension& extension : std::as_const(menuExtensions))
        extension(menu, item);
    QAction* chosen = menu.exec(view->viewport()->mapToGlobal(pos));
    if (chosen == star)
        toggleFavorite(item);
    else if (chosen && chosen == forget &&
             !lib->library->clearPosition(activeSource.storageKey(), item))
        MessageBox::warning(window, tr("Library"),
                            tr("The change could not be saved: %1").arg(lib->library->lastError()));
}

void LibraryFlow::toggleFavorite(const MediaItem& item)
{
    const bool starred = lib->library->isFavorite(activeSource.storageKey(), item);
    if (!lib->library->setFavorite(activeSource.storageKey(), item, !starred))
        MessageBox::warning(
            window, tr("Library"),
            tr("The favorite could not be saved: %1").arg(lib->library->lastError()));
}

void LibraryFlow::toggleFavoriteOfCurrentTab()
{
    const int tab = tabs->currentIndex();
    QAbstractItemView* view = nullptr;
    const QList<MediaItem>* shown = nullptr;
    if (tab == liveTabIndex) {
        view = liveTab->table;
        shown = &liveTab->shown;
    } else if (tab == channelTabIndex) {
        view = channelTab->table;
        shown = &channelTab->shown;
    } else if (tab == movieTabIndex) {
        view = movieTab->grid;
        shown = &movieTab->shown;
    } else if (tab == seriesTabIndex && seriesTab->stack->currentIndex() != 2) {
        view = seriesTab->grid;
        shown = &seriesTab->shown;
    }
    if (!view || !view->isVisible())
        return;
    const int row = view->currentIndex().row();
    if (row >= 0 && row < shown->size())
        toggleFavorite(shown->at(row));
}

void LibraryFlow::onLibraryChanged(const QString& server, int kind)
{
    if (kind == MediaItem::Movie || kind < 0)
        lib->movieStatesValid = false;
    if (kind == MediaItem::SeriesEpisode || kind < 0)
        lib->seriesStatesValid = false;
    if (lib->quiet || (!server.isEmpty() && server != activeSource.storageKey()))
        return;
    const auto refresh = [&](int tabKind, CatalogTab* tab) {
        if ((kind < 0 || kind == tabKind) && isLibraryCategory(tab->categoryId))
            tab->refilter();
    };
    refresh(MediaItem::Live, liveTab);
    refresh(MediaItem::Live, channelTab);
    refresh(MediaItem::Movie, movieTab);
    refresh(MediaItem::Series, seriesTab);
    refresh(MediaItem::SeriesEpisode, seriesTab);
    if ((kind < 0 || kind == MediaItem::SeriesEpisode) && seriesTab->stack->currentIndex() == 2)
        markEpisodeTree();
    if (kind < 0 || kind == MediaItem::Movie) {
        // Marks only: the grid keeps its place.
        if (!isLibraryCategory(movieTab->categoryId))
            markLibraryRows(movieTab->grid, movieTab->shown);
    }
    if ((kind < 0 || kind == MediaItem::SeriesEpisode) && !isLibraryCategory(seriesTab->categoryId))
        markLibraryRows(seriesTab->grid, seriesTab->shown);
}
