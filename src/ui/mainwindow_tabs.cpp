// The four catalog tabs: categories, search within a category or across all of them, the sort
// choice of the poster tabs, and activation by mouse and keyboard.
#include "ui/mainwindow.h"

#include "ui/catalogfilter.h"
#include "ui/catalogtabs.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>

#include <optional>

QWidget* MainWindow::buildLiveTab()
{
    QWidget* tab =
        buildTabSkeleton(this, &liveStack, &liveCategoryList, &liveSearchAllEdit, &liveTitleLabel,
                         &liveSearchEdit, &liveTable, QStringLiteral("Channel"));
    liveTable->setObjectName(QStringLiteral("liveTable"));
    connect(liveCategoryList, &QListWidget::itemClicked, this, &MainWindow::selectLiveCategory);
    addActivateKeyShortcuts(liveCategoryList, this,
                            [this]() { selectLiveCategory(liveCategoryList->currentItem()); });
    connect(liveSearchEdit, &QLineEdit::textChanged, this, &MainWindow::filterLive);
    connect(liveTable, &QTableWidget::cellClicked, this, &MainWindow::playLiveRow);
    addActivateKeyShortcuts(liveTable, this, [this]() { playLiveRow(liveTable->currentRow(), 0); });
    wireCategorySearch(liveSearchAllEdit, &liveCategoryId, liveTitleLabel, liveSearchEdit,
                       liveStack, [this]() { filterLive(); });
    return tab;
}

QWidget* MainWindow::buildChannelsTab()
{
    QWidget* tab = buildTabSkeleton(this, &channelStack, &channelCategoryList,
                                    &channelSearchAllEdit, &channelTitleLabel, &channelSearchEdit,
                                    &channelTable, QStringLiteral("Channel"));
    channelTable->setObjectName(QStringLiteral("channelTable"));
    connect(channelCategoryList, &QListWidget::itemClicked, this,
            &MainWindow::selectChannelCategory);
    addActivateKeyShortcuts(channelCategoryList, this, [this]() {
        selectChannelCategory(channelCategoryList->currentItem());
    });
    connect(channelSearchEdit, &QLineEdit::textChanged, this, &MainWindow::filterChannels);
    connect(channelTable, &QTableWidget::cellClicked, this, &MainWindow::playChannelRow);
    addActivateKeyShortcuts(channelTable, this,
                            [this]() { playChannelRow(channelTable->currentRow(), 0); });
    wireCategorySearch(channelSearchAllEdit, &channelCategoryId, channelTitleLabel,
                       channelSearchEdit, channelStack, [this]() { filterChannels(); });
    return tab;
}

QWidget* MainWindow::buildMoviesTab()
{
    QWidget* tab = buildPosterTabSkeleton(this, &movieStack, &movieCategoryList,
                                          &movieSearchAllEdit, &movieTitleLabel, &movieSearchEdit,
                                          &movieSortBox, &movieGrid, QStringLiteral("Movie"));
    movieGrid->setObjectName(QStringLiteral("movieGrid"));
    connect(movieCategoryList, &QListWidget::itemClicked, this, &MainWindow::selectMovieCategory);
    addActivateKeyShortcuts(movieCategoryList, this,
                            [this]() { selectMovieCategory(movieCategoryList->currentItem()); });
    connect(movieSearchEdit, &QLineEdit::textChanged, this, &MainWindow::filterMovies);
    connect(movieSortBox, &QComboBox::currentIndexChanged, this, &MainWindow::filterMovies);
    connect(movieGrid, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { playMovieRow(movieGrid->row(item), 0); });
    addActivateKeyShortcuts(movieGrid, this,
                            [this]() { playMovieRow(movieGrid->currentRow(), 0); });
    connect(movieGrid->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this]() { loadVisibleThumbnails(movieGrid); });
    wireCategorySearch(movieSearchAllEdit, &movieCategoryId, movieTitleLabel, movieSearchEdit,
                       movieStack, [this]() { filterMovies(); });
    return tab;
}

QWidget* MainWindow::buildSeriesTab()
{
    QWidget* tab = buildPosterTabSkeleton(
        this, &seriesStack, &seriesCategoryList, &seriesSearchAllEdit, &seriesTitleLabel,
        &seriesSearchEdit, &seriesSortBox, &seriesGrid, QStringLiteral("Show"));
    seriesGrid->setObjectName(QStringLiteral("seriesGrid"));
    connect(seriesCategoryList, &QListWidget::itemClicked, this, &MainWindow::selectSeriesCategory);
    addActivateKeyShortcuts(seriesCategoryList, this,
                            [this]() { selectSeriesCategory(seriesCategoryList->currentItem()); });
    connect(seriesSearchEdit, &QLineEdit::textChanged, this, &MainWindow::filterSeries);
    connect(seriesSortBox, &QComboBox::currentIndexChanged, this, &MainWindow::filterSeries);
    connect(seriesGrid, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { openSeriesRow(seriesGrid->row(item), 0); });
    addActivateKeyShortcuts(seriesGrid, this,
                            [this]() { openSeriesRow(seriesGrid->currentRow(), 0); });
    connect(seriesGrid->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this]() { loadVisibleThumbnails(seriesGrid); });
    wireCategorySearch(seriesSearchAllEdit, &seriesCategoryId, seriesTitleLabel, seriesSearchEdit,
                       seriesStack, [this]() { filterSeries(); });
    seriesStack->addWidget(buildEpisodesPage());
    return tab;
}

namespace {
bool sameEntry(const MediaItem& a, const MediaItem& b)
{
    return a.id == b.id && a.name == b.name && a.categoryId == b.categoryId &&
           a.streamUrl == b.streamUrl;
}

std::optional<MediaItem> currentEntry(const QTableWidget* table, const QList<MediaItem>& shown)
{
    const int row = table->currentRow();
    if (row < 0 || row >= shown.size())
        return std::nullopt;
    return shown.at(row);
}

// After a refill the current row would stand for whatever now sits at its number, and Return
// would play that: follow the entry instead. While a search is typed and the entry is gone, the
// best match on top becomes current, as type-ahead users expect; a plain refill chooses nothing.
void keepCurrentEntry(QTableWidget* table, const QList<MediaItem>& shown,
                      const std::optional<MediaItem>& entry, bool searching)
{
    if (entry) {
        for (int row = 0; row < shown.size(); ++row) {
            if (sameEntry(shown.at(row), *entry)) {
                table->setCurrentCell(row, 0);
                return;
            }
        }
    }
    table->clearSelection();
    if (shown.isEmpty() || !searching)
        table->setCurrentIndex(QModelIndex());
    else
        table->setCurrentCell(0, 0);
}
} // namespace

void MainWindow::filterLive()
{
    const std::optional<MediaItem> current = currentEntry(liveTable, liveShown);
    liveShown = filteredTabItems(liveItems, MediaItem::Live, liveCategoryId, liveSearchEdit->text(),
                                 liveTable);
    populateTable(liveTable, liveShown);
    markLibraryRows(liveTable, liveShown);
    keepCurrentEntry(liveTable, liveShown, current, !liveSearchEdit->text().isEmpty());
}

void MainWindow::filterChannels()
{
    const std::optional<MediaItem> current = currentEntry(channelTable, channelShown);
    channelShown = filteredTabItems(channelItems, MediaItem::Live, channelCategoryId,
                                    channelSearchEdit->text(), channelTable);
    populateTable(channelTable, channelShown);
    markLibraryRows(channelTable, channelShown);
    keepCurrentEntry(channelTable, channelShown, current, !channelSearchEdit->text().isEmpty());
}

void MainWindow::filterMovies()
{
    movieShown = filteredTabItems(movieItems, MediaItem::Movie, movieCategoryId,
                                  movieSearchEdit->text(), movieGrid);
    // Library views keep their own order (newest first).
    if (!isLibraryCategory(movieCategoryId))
        sortItems(movieShown, movieSearchEdit->text(), movieSortBox->currentData().toString());
    populatePosterGrid(movieGrid, movieShown);
    markLibraryRows(movieGrid, movieShown);
}

void MainWindow::filterSeries()
{
    seriesShown = filteredTabItems(seriesItems, MediaItem::Series, seriesCategoryId,
                                   seriesSearchEdit->text(), seriesGrid);
    // Library views keep their own order (newest first).
    if (!isLibraryCategory(seriesCategoryId))
        sortItems(seriesShown, seriesSearchEdit->text(), seriesSortBox->currentData().toString());
    populatePosterGrid(seriesGrid, seriesShown);
    markLibraryRows(seriesGrid, seriesShown);
}

namespace {
void selectCategory(QListWidgetItem* item, QString& categoryId, QLabel* titleLabel,
                    QStackedWidget* stack, const std::function<void()>& refilter)
{
    if (!item)
        return;
    categoryId = item->data(Qt::UserRole).toString();
    titleLabel->setText(item->text());
    refilter();
    stack->setCurrentIndex(1);
}
} // namespace

void MainWindow::selectLiveCategory(QListWidgetItem* item)
{
    selectCategory(item, liveCategoryId, liveTitleLabel, liveStack, [this]() { filterLive(); });
}

void MainWindow::selectMovieCategory(QListWidgetItem* item)
{
    selectCategory(item, movieCategoryId, movieTitleLabel, movieStack,
                   [this]() { filterMovies(); });
}

void MainWindow::selectSeriesCategory(QListWidgetItem* item)
{
    selectCategory(item, seriesCategoryId, seriesTitleLabel, seriesStack,
                   [this]() { filterSeries(); });
}

void MainWindow::selectChannelCategory(QListWidgetItem* item)
{
    selectCategory(item, channelCategoryId, channelTitleLabel, channelStack,
                   [this]() { filterChannels(); });
}

void MainWindow::populateCategoryList(QListWidget* list, const QList<Category>& categories)
{
    list->clear();
    auto* all = new QListWidgetItem(QStringLiteral("All Categories"));
    all->setData(Qt::UserRole, QString());
    list->addItem(all);
    for (const Category& category : categories) {
        auto* item = new QListWidgetItem(category.name);
        item->setData(Qt::UserRole, category.id);
        list->addItem(item);
    }
    addLibraryCategories(list);
}

void MainWindow::populateTable(QTableWidget* table, const QList<MediaItem>& items)
{
    // Every keystroke refills up to 100k rows: one reset, one insertion of all rows, and no
    // change signal per cell (the view reads the cells when it paints, after the refill).
    table->setUpdatesEnabled(false);
    table->clearContents();
    table->setRowCount(int(items.size()));
    {
        const QSignalBlocker quiet(table->model());
        for (int row = 0; row < items.size(); ++row)
            table->setItem(row, 0, new QTableWidgetItem(items[row].name));
    }
    table->setUpdatesEnabled(true);
}

void MainWindow::populatePosterGrid(QListWidget* grid, const QList<MediaItem>& items)
{
    // Every keystroke refills up to 100k tiles. Inserted one by one with the model speaking, each
    // tile makes the view drop and plan its whole layout again (quadratic). So the tiles are
    // built complete and appended with the model silent, and the view is then reset, exactly as
    // a model reset tells it to; clear() has already emptied selection and current item.
    forgetPosterTiles(grid);
    grid->setUpdatesEnabled(false);
    grid->clear();
    {
        const QSignalBlocker quiet(grid->model());
        const QIcon placeholder(posterPlaceholder);
        for (const MediaItem& media : items) {
            auto* item = new QListWidgetItem(media.name);
            item->setData(Qt::DecorationRole, placeholder);
            item->setData(Qt::TextAlignmentRole, int(Qt::AlignHCenter | Qt::AlignTop));
            item->setData(Qt::UserRole + 1, media.iconUrl);
            grid->addItem(item);
        }
    }
    grid->reset();
    grid->setUpdatesEnabled(true);
    QTimer::singleShot(0, this, [this, grid]() { loadVisibleThumbnails(grid); });
}

void MainWindow::playLiveRow(int row, int /*column*/)
{
    if (row < 0 || row >= liveShown.size())
        return;
    clearSeriesContext();
    playMediaItem(liveShown.at(row));
}

void MainWindow::playChannelRow(int row, int /*column*/)
{
    if (row < 0 || row >= channelShown.size())
        return;
    clearSeriesContext();
    playMediaItem(channelShown.at(row));
}

void MainWindow::playMovieRow(int row, int /*column*/)
{
    if (row < 0 || row >= movieShown.size())
        return;
    clearSeriesContext();
    playMediaItem(movieShown.at(row));
}

void MainWindow::openSeriesRow(int row, int /*column*/)
{
    if (row < 0 || row >= seriesShown.size())
        return;
    if (isContinueWatchingCategory(seriesCategoryId))
        continueSeries(seriesShown.at(row));
    else
        showEpisodesInline(seriesShown.at(row).id, seriesShown.at(row).name);
}
