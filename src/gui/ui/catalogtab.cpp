#include "ui/catalogtab.h"

#include "ui/catalogfilter.h"
#include "ui/catalogtabs.h"
#include "ui/librarycategories.h"
#include "ui/postertiles.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>
#include <QTableWidget>

#include <optional>

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

void populateTable(QTableWidget* table, const QList<MediaItem>& items)
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
} // namespace

CatalogTab::CatalogTab(Look look, const QString& typeWord, const QString& viewName, QWidget* parent)
    : QObject(parent)
{
    if (look == Look::Table) {
        tabPage = buildTabSkeleton(parent, &stack, &categoryList, &searchAllEdit, &titleLabel,
                                   &searchEdit, &sortBox, &table, typeWord);
        table->setObjectName(viewName);
        connect(table, &QTableWidget::cellClicked, this, [this](int row) { emit activated(row); });
        addActivateKeyShortcuts(table, this, [this]() { emit activated(table->currentRow()); });
    } else {
        tabPage = buildPosterTabSkeleton(parent, &stack, &categoryList, &searchAllEdit, &titleLabel,
                                         &searchEdit, &sortBox, &grid, typeWord);
        grid->setObjectName(viewName);
        connect(grid, &QListWidget::itemClicked, this,
                [this](QListWidgetItem* item) { emit activated(grid->row(item)); });
        addActivateKeyShortcuts(grid, this, [this]() { emit activated(grid->currentRow()); });
    }
    sortBox->setObjectName(viewName + QStringLiteral("Sort"));
    connect(sortBox, &QComboBox::currentIndexChanged, this, &CatalogTab::refilter);
    connect(categoryList, &QListWidget::itemClicked, this, &CatalogTab::selectCategory);
    addActivateKeyShortcuts(categoryList, this,
                            [this]() { selectCategory(categoryList->currentItem()); });
    connect(searchEdit, &QLineEdit::textChanged, this, &CatalogTab::refilter);
    wireCategorySearch(searchAllEdit, &categoryId, titleLabel, searchEdit, stack,
                       [this]() { refilter(); });
}

QAbstractItemView* CatalogTab::view() const
{
    if (table)
        return table;
    return grid;
}

void CatalogTab::setItemSource(ItemSource itemSource)
{
    source = std::move(itemSource);
}

void CatalogTab::setMarker(Marker rowMarker)
{
    marker = std::move(rowMarker);
}

void CatalogTab::setCategoryDecorator(CategoryDecorator decorator)
{
    categoryDecorator = std::move(decorator);
}

void CatalogTab::setPosters(PosterLoader* loader, int group, const QPixmap& placeholder)
{
    if (grid && !tiles)
        tiles = new PosterTiles(grid, loader, group, placeholder);
}

void CatalogTab::setCategories(const QList<Category>& categories)
{
    categoryList->clear();
    auto* all = new QListWidgetItem(QCoreApplication::translate("CatalogTabs", "All Categories"));
    all->setData(Qt::UserRole, QString());
    categoryList->addItem(all);
    for (const Category& category : categories) {
        auto* item = new QListWidgetItem(category.name);
        item->setData(Qt::UserRole, category.id);
        categoryList->addItem(item);
    }
    addLibraryCategories(categoryList, channels());
    if (categoryDecorator)
        categoryDecorator(categoryList);
}

void CatalogTab::selectCategory(QListWidgetItem* item)
{
    if (!item)
        return;
    categoryId = item->data(Qt::UserRole).toString();
    titleLabel->setText(item->text());
    refilter();
    stack->setCurrentIndex(1);
}

void CatalogTab::refilter()
{
    const QString query = searchEdit->text();
    // Library views keep their own order (favorites the user's, the rest newest first); the
    // provider's order is the stored one, after relevance.
    const QString sortKey = sortBox->currentData().toString();
    const bool sorted = !isLibraryCategory(categoryId) && sortKey != QLatin1String(kProviderOrder);
    if (table) {
        const std::optional<MediaItem> current = currentEntry(table, shown);
        shown = source ? source(categoryId, query, table) : QList<MediaItem>();
        if (sorted)
            sortItems(shown, query, sortKey);
        populateTable(table, shown);
        if (marker)
            marker(table, shown);
        keepCurrentEntry(table, shown, current, !query.isEmpty());
        return;
    }
    shown = source ? source(categoryId, query, grid) : QList<MediaItem>();
    if (sorted)
        sortItems(shown, query, sortKey);
    if (tiles) {
        tiles->fill(shown);
    } else {
        grid->clear();
        for (const MediaItem& media : shown)
            grid->addItem(media.name);
    }
    if (marker)
        marker(grid, shown);
}

void CatalogTab::reset()
{
    stack->setCurrentIndex(0);
    resetTabFilterState(categoryId, categoryList, titleLabel, searchAllEdit, searchEdit);
}

void CatalogTab::loadVisiblePosters()
{
    if (tiles)
        tiles->loadVisible();
}
