// The user's library in the window: "Favorites", "Recent" and "Continue Watching" in the
// category lists, starring from menus and Ctrl+D, saving and resuming positions, the previous
// channel, marks on posters and episodes, search over everything, export and import.
#include "ui/mainwindow.h"

#include "app/clock.h"
#include "app/filedialog.h"
#include "app/messagebox.h"
#include "player/vlcplayer.h"
#include "ui/catalogfilter.h"
#include "ui/librarystate.h"
#include "ui/playbacktext.h"
#include "ui/postermarkdelegate.h"
#include "ui/searcheverythingdialog.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Category ids no server uses: a control character leads them.
const QString kFavoritesId = QStringLiteral("\x01"
                                            "favorites");
const QString kRecentId = QStringLiteral("\x01"
                                         "recent");
const QString kContinueId = QStringLiteral("\x01"
                                           "continue");
const QString kGoneTip = QStringLiteral("No longer offered by this server");

QListWidgetItem* libraryCategoryItem(const QString& text, const QString& id)
{
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, id);
    QFont font = item->font();
    font.setItalic(true);
    item->setFont(font);
    return item;
}
} // namespace

bool isLibraryCategory(const QString& categoryId)
{
    return categoryId.startsWith(QLatin1Char('\x01'));
}

bool isContinueWatchingCategory(const QString& categoryId)
{
    return categoryId == kContinueId;
}

void MainWindow::buildLibrary()
{
    lib = std::make_unique<LibraryState>();
    lib->library = new Library(Library::defaultPath(), this);
    connect(lib->library, &Library::changed, this, &MainWindow::onLibraryChanged);

    const auto menuFor = [this](QAbstractItemView* view, const QList<MediaItem>* shown) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this,
                [this, view, shown](const QPoint& pos) { showLibraryMenu(view, shown, pos); });
    };
    menuFor(liveTable, &liveShown);
    menuFor(channelTable, &channelShown);
    menuFor(movieGrid, &movieShown);
    menuFor(seriesGrid, &seriesShown);
    movieGrid->setItemDelegate(new PosterMarkDelegate(movieGrid));
    seriesGrid->setItemDelegate(new PosterMarkDelegate(seriesGrid));

    auto* star = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this);
    connect(star, &QShortcut::activated, this, &MainWindow::toggleFavoriteOfCurrentTab);
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(find, &QShortcut::activated, this, &MainWindow::openSearchEverything);
    for (QWidget* widget : {static_cast<QWidget*>(playerPanel), static_cast<QWidget*>(liveTable),
                            static_cast<QWidget*>(channelTable)}) {
        auto* back = new QShortcut(QKeySequence(Qt::Key_Backspace), widget);
        back->setContext(Qt::WidgetWithChildrenShortcut);
        connect(back, &QShortcut::activated, this, &MainWindow::playPreviousChannel);
    }

    // "Resumed at 12:34" with "Start over", under the title line.
    lib->resumeNotice = new QWidget(playerPanel);
    lib->resumeNotice->setObjectName(QStringLiteral("resumeNotice"));
    auto* noticeLayout = new QHBoxLayout(lib->resumeNotice);
    noticeLayout->setContentsMargins(0, 0, 0, 0);
    lib->resumeLabel = new QLabel(lib->resumeNotice);
    auto* startOver = new QPushButton(QStringLiteral("Start over"), lib->resumeNotice);
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

    lib->previousChannelButton = new QPushButton(QStringLiteral("Previous channel"), controlsRow);
    lib->previousChannelButton->setToolTip(QStringLiteral("Back to the channel watched before "
                                                          "(Backspace)"));
    lib->previousChannelButton->hide();
    if (auto* row = qobject_cast<QHBoxLayout*>(controlsRow->layout()))
        row->insertWidget(1, lib->previousChannelButton);
    connect(lib->previousChannelButton, &QPushButton::clicked, this,
            &MainWindow::playPreviousChannel);

    // Export and import beside the server buttons.
    auto* libraryButton = new QPushButton(QStringLiteral("Library"), serverRow);
    auto* libraryMenu = new QMenu(libraryButton);
    libraryMenu->addAction(QStringLiteral("Export Favorites and Progress..."), this,
                           &MainWindow::exportLibrary);
    libraryMenu->addAction(QStringLiteral("Import Favorites and Progress..."), this,
                           &MainWindow::importLibrary);
    libraryButton->setMenu(libraryMenu);
    if (auto* row = qobject_cast<QHBoxLayout*>(serverRow->layout()))
        row->insertWidget(row->count() - 1, libraryButton);

    // A damaged library is reported once, after the window is up.
    QTimer::singleShot(0, this, [this]() {
        const QString problem = lib->library->takeProblem();
        if (!problem.isEmpty())
            MessageBox::warning(this, QStringLiteral("Library"), problem);
    });
}

void MainWindow::addLibraryCategories(QListWidget* list)
{
    list->insertItem(1, libraryCategoryItem(QStringLiteral("Favorites"), kFavoritesId));
    if (list == liveCategoryList || list == channelCategoryList)
        list->insertItem(2, libraryCategoryItem(QStringLiteral("Recent"), kRecentId));
    else
        list->insertItem(2, libraryCategoryItem(QStringLiteral("Continue Watching"), kContinueId));
}

const CatalogIndex& MainWindow::catalogIndex(const QList<MediaItem>& items)
{
    return lib->indexes.of(items);
}

QList<MediaItem> MainWindow::filteredTabItems(const QList<MediaItem>& items, int kind,
                                              const QString& categoryId, const QString& query,
                                              QObject* view)
{
    QSet<QString>& gone = lib->gone[view];
    gone.clear();
    if (!isLibraryCategory(categoryId))
        return applyFilter(items, categoryId, query);
    const QString server = activeSource.name;
    QList<LibraryEntry> entries;
    if (categoryId == kFavoritesId)
        entries = lib->library->favorites(server, kind);
    else if (categoryId == kRecentId)
        entries = lib->library->recentChannels(server);
    else if (categoryId == kContinueId)
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

void MainWindow::markLibraryRows(QAbstractItemView* view, const QList<MediaItem>& shown)
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
                cell->setToolTip(kGoneTip);
            }
        }
        table->viewport()->update();
        return;
    }
    auto* grid = qobject_cast<QListWidget*>(view);
    if (!grid)
        return;
    if (grid == movieGrid && !lib->movieStatesValid) {
        lib->movieStates = lib->library->watchStates(activeSource.name, MediaItem::Movie);
        lib->movieStatesValid = true;
    } else if (grid == seriesGrid && !lib->seriesStatesValid) {
        lib->seriesStates = lib->library->seriesStates(activeSource.name);
        lib->seriesStatesValid = true;
    }
    const bool series = grid == seriesGrid;
    const QHash<QString, WatchState>& states = series ? lib->seriesStates : lib->movieStates;
    bool& marked = series ? lib->seriesMarked : lib->marked;
    // Marks are cleared again where a state went away.
    const bool marks = (grid == movieGrid || series) && (!states.isEmpty() || marked);
    if (grid == movieGrid || series)
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
            item->setToolTip(kGoneTip);
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

void MainWindow::showLibraryMenu(QAbstractItemView* view, const QList<MediaItem>* shown,
                                 const QPoint& pos)
{
    const int row = view->indexAt(pos).row();
    if (row < 0 || row >= shown->size())
        return;
    const MediaItem item = shown->at(row);
    QMenu menu(this);
    const bool starred = lib->library->isFavorite(activeSource.name, item);
    QAction* star = menu.addAction(starred ? QStringLiteral("Remove from Favorites")
                                           : QStringLiteral("Add to Favorites"));
    star->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    QAction* forget = nullptr;
    if (item.type == MediaItem::Movie &&
        watchrules::resumePositionMs(lib->library->watchState(activeSource.name, item)) > 0)
        forget = menu.addAction(QStringLiteral("Remove from Continue Watching"));
    QAction* chosen = menu.exec(view->viewport()->mapToGlobal(pos));
    if (chosen == star)
        toggleFavorite(item);
    else if (chosen && chosen == forget && !lib->library->clearPosition(activeSource.name, item))
        MessageBox::warning(
            this, QStringLiteral("Library"),
            QStringLiteral("The change could not be saved: %1").arg(lib->library->lastError()));
}

void MainWindow::toggleFavorite(const MediaItem& item)
{
    const bool starred = lib->library->isFavorite(activeSource.name, item);
    if (!lib->library->setFavorite(activeSource.name, item, !starred))
        MessageBox::warning(
            this, QStringLiteral("Library"),
            QStringLiteral("The favorite could not be saved: %1").arg(lib->library->lastError()));
}

void MainWindow::toggleFavoriteOfCurrentTab()
{
    const int tab = tabs->currentIndex();
    QAbstractItemView* view = nullptr;
    const QList<MediaItem>* shown = nullptr;
    if (tab == liveTabIndex) {
        view = liveTable;
        shown = &liveShown;
    } else if (tab == channelTabIndex) {
        view = channelTable;
        shown = &channelShown;
    } else if (tab == movieTabIndex) {
        view = movieGrid;
        shown = &movieShown;
    } else if (tab == seriesTabIndex && seriesStack->currentIndex() != 2) {
        view = seriesGrid;
        shown = &seriesShown;
    }
    if (!view || !view->isVisible())
        return;
    const int row = view->currentIndex().row();
    if (row >= 0 && row < shown->size())
        toggleFavorite(shown->at(row));
}

void MainWindow::onLibraryChanged(const QString& server, int kind)
{
    if (kind == MediaItem::Movie || kind < 0)
        lib->movieStatesValid = false;
    if (kind == MediaItem::SeriesEpisode || kind < 0)
        lib->seriesStatesValid = false;
    if (lib->quiet || (!server.isEmpty() && server != activeSource.name))
        return;
    const auto refresh = [&](int tabKind, const QString& categoryId, void (MainWindow::*filter)()) {
        if ((kind < 0 || kind == tabKind) && isLibraryCategory(categoryId))
            (this->*filter)();
    };
    refresh(MediaItem::Live, liveCategoryId, &MainWindow::filterLive);
    refresh(MediaItem::Live, channelCategoryId, &MainWindow::filterChannels);
    refresh(MediaItem::Movie, movieCategoryId, &MainWindow::filterMovies);
    refresh(MediaItem::Series, seriesCategoryId, &MainWindow::filterSeries);
    refresh(MediaItem::SeriesEpisode, seriesCategoryId, &MainWindow::filterSeries);
    if ((kind < 0 || kind == MediaItem::SeriesEpisode) && seriesStack->currentIndex() == 2)
        markEpisodeTree();
    if (kind < 0 || kind == MediaItem::Movie) {
        // Marks only: the grid keeps its place.
        if (!isLibraryCategory(movieCategoryId))
            markLibraryRows(movieGrid, movieShown);
    }
    if ((kind < 0 || kind == MediaItem::SeriesEpisode) && !isLibraryCategory(seriesCategoryId))
        markLibraryRows(seriesGrid, seriesShown);
}
