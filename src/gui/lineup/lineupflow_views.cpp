// The lineup in the tabs: menus and keys on category lists and rows, dragging categories and
// favorites into the user's order, and the marks (locks, the provider's name) on the rows.
#include "lineup/lineupflow.h"

#include "library/library.h"
#include "lineup/favoritedrop.h"
#include "lineup/lineupicons.h"
#include "ui/catalogtab.h"
#include "ui/librarycategories.h"

#include <utility>

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QShortcut>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>

#include <functional>
#include <optional>

namespace {
QString categoryIdOf(const QListWidgetItem* item)
{
    return item ? item->data(Qt::UserRole).toString() : QString();
}

bool isServerCategory(const QString& id)
{
    return !id.isEmpty() && !isLibraryCategory(id);
}

template <typename Action>
void addWithKey(QMenu& menu, const QString& text, const QKeySequence& key, QObject* context,
                Action action)
{
    QAction* added = menu.addAction(text);
    added->setShortcut(key);
    QObject::connect(added, &QAction::triggered, context, action);
}

void addKey(QWidget* widget, QObject* context, const QKeySequence& key,
            const std::function<void()>& action)
{
    auto* shortcut = new QShortcut(key, widget);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, context, action);
}
} // namespace

void LineupFlow::wireTab(CatalogTab* tab)
{
    QListWidget* list = tab->categoryList;
    const int kind = kindOfTab(tab);
    tab->setCategoryDecorator([this, tab](QListWidget* l) { decorateCategories(tab, l); });

    // Categories: menu, H, F2, and dragging into the user's order.
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, [this, list, kind](const QPoint& at) {
        const QString id = categoryIdOf(list->itemAt(at));
        QMenu menu(p.window);
        if (isServerCategory(id)) {
            const bool locked = current.isLockedCategory(kind, id);
            addWithKey(menu, tr("Hide"), QKeySequence(Qt::Key_H), this,
                       [this, kind, id]() { hideCategory(kind, id); });
            addWithKey(menu, tr("Rename..."), QKeySequence(Qt::Key_F2), this,
                       [this, kind, id]() { renameCategory(kind, id); });
            menu.addAction(locked ? tr("Unlock") : tr("Lock with PIN"), this,
                           [this, kind, id]() { toggleCategoryLock(kind, id); });
            menu.addSeparator();
        }
        menu.addAction(tr("Manage Lineup..."), this, &LineupFlow::openManageLineup);
        menu.exec(list->viewport()->mapToGlobal(at));
    });
    addKey(list, this, QKeySequence(Qt::Key_H), [this, list, kind]() {
        const QString id = categoryIdOf(list->currentItem());
        if (isServerCategory(id))
            hideCategory(kind, id);
    });
    addKey(list, this, QKeySequence(Qt::Key_F2), [this, list, kind]() {
        const QString id = categoryIdOf(list->currentItem());
        if (isServerCategory(id))
            renameCategory(kind, id);
    });
    list->setDragDropMode(QAbstractItemView::InternalMove);
    list->setDefaultDropAction(Qt::MoveAction);
    connect(list->model(), &QAbstractItemModel::rowsMoved, this, [this, list, kind]() {
        QStringList ids;
        for (int row = 0; row < list->count(); ++row) {
            const QString id = categoryIdOf(list->item(row));
            if (isServerCategory(id))
                ids.append(id);
        }
        // After the drop has finished: saving refills the list.
        QTimer::singleShot(0, this, [this, kind, ids]() { orderCategories(kind, ids); });
    });

    // A locked category asks before its channels show; without the PIN it closes again.
    connect(tab->stack, &QStackedWidget::currentChanged, this, [this, tab, kind](int page) {
        if (page != 1 || unlocked() || !current.isLockedCategory(kind, tab->categoryId))
            return;
        QTimer::singleShot(0, this, [this, tab, kind]() {
            const QString id = tab->categoryId;
            if (tab->stack->currentIndex() != 1 || !current.isLockedCategory(kind, id))
                return;
            if (!askPin(
                    tr("\"%1\" is locked. Enter the PIN to show it.").arg(tab->titleLabel->text())))
                tab->stack->setCurrentIndex(0);
        });
    });

    // Rows: H and F2 on the table or grid.
    QAbstractItemView* view = tab->view();
    const auto currentItem = [tab]() -> std::optional<MediaItem> {
        const int row = tab->view()->currentIndex().row();
        if (row < 0 || row >= tab->shown.size())
            return std::nullopt;
        return tab->shown.at(row);
    };
    addKey(view, this, QKeySequence(Qt::Key_H), [this, currentItem]() {
        if (const auto item = currentItem())
            hideItem(*item);
    });
    addKey(view, this, QKeySequence(Qt::Key_F2), [this, currentItem]() {
        if (const auto item = currentItem())
            renameItem(*item);
    });
    // Favorites in the user's order.
    for (const auto& [key, steps] : {std::pair{Qt::Key_Up, -1}, std::pair{Qt::Key_Down, 1}}) {
        addKey(view, this, QKeySequence(Qt::CTRL | key), [this, tab, currentItem, steps]() {
            const auto item = currentItem();
            if (!item || tab->categoryId != kFavoritesCategoryId)
                return;
            const int row = tab->view()->currentIndex().row();
            // The refill follows the moved row in a table; a grid starts afresh.
            if (p.library->moveFavorite(serverKey, *item, steps) && tab->grid)
                tab->grid->setCurrentRow(row + steps);
        });
    }
    if (tab->table) {
        new FavoriteDrop(tab, [this](const MediaItem& item, int steps) {
            return p.library->moveFavorite(serverKey, item, steps);
        });
    }
}

void LineupFlow::addItemActions(QMenu& menu, const MediaItem& item)
{
    if (item.type == MediaItem::SeriesEpisode)
        return;
    menu.addSeparator();
    addWithKey(menu, tr("Hide"), QKeySequence(Qt::Key_H), this, [this, item]() { hideItem(item); });
    addWithKey(menu, tr("Rename..."), QKeySequence(Qt::Key_F2), this,
               [this, item]() { renameItem(item); });
    const bool locked = itemEntry(item).locked;
    menu.addAction(locked ? tr("Unlock") : tr("Lock with PIN"), this,
                   [this, item]() { toggleItemLock(item); });
    if (item.type == MediaItem::Live)
        menu.addAction(tr("Guide Channel..."), this, [this, item]() { openGuideChannel(item); });
}

void LineupFlow::markRows(QAbstractItemView* view, const QList<MediaItem>& shown) const
{
    int kind = MediaItem::Live;
    if (view == p.movieTab->view())
        kind = MediaItem::Movie;
    else if (view == p.seriesTab->view())
        kind = MediaItem::Series;
    if (!rowMarks[Lineup::sectionOf(kind)])
        return;
    const auto& chosen = current.of(LineupEntry::ItemEntry, kind);
    const auto& categories = current.of(LineupEntry::CategoryEntry, kind);
    bool lockedCategory = false;
    for (const LineupEntry& e : categories)
        lockedCategory = lockedCategory || e.locked;
    // Only rows with a choice of their own, or of a locked category, are touched.
    auto* table = qobject_cast<QTableWidget*>(view);
    auto* grid = qobject_cast<QListWidget*>(view);
    const QSignalBlocker quiet(view->model());
    for (int row = 0; row < shown.size(); ++row) {
        const MediaItem& item = shown[row];
        const auto it = chosen.isEmpty() ? chosen.cend() : chosen.constFind(Library::idOf(item));
        const bool locked = (it != chosen.cend() && it->locked) ||
                            (lockedCategory && current.isLockedCategory(kind, item.categoryId));
        const bool renamed = it != chosen.cend() && !it->name.isEmpty();
        if (!locked && !renamed)
            continue;
        const QString tip = renamed ? tr("Provider's name: %1").arg(it->providerName) : QString();
        if (table) {
            if (QTableWidgetItem* cell = table->item(row, 0)) {
                if (locked)
                    cell->setIcon(lineupicons::lock());
                if (renamed)
                    cell->setToolTip(tip);
            }
        } else if (grid) {
            if (QListWidgetItem* cell = grid->item(row)) {
                if (renamed)
                    cell->setToolTip(tip);
            }
        }
    }
    view->viewport()->update();
}

void LineupFlow::decorateCategories(CatalogTab* tab, QListWidget* list) const
{
    const int kind = kindOfTab(tab);
    const auto& chosen = current.of(LineupEntry::CategoryEntry, kind);
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        const QString id = categoryIdOf(item);
        if (!isServerCategory(id)) {
            // "All Categories" and the library's entries keep their places.
            item->setFlags(item->flags() & ~Qt::ItemIsDragEnabled);
            continue;
        }
        const auto it = chosen.constFind(id);
        if (it == chosen.cend())
            continue;
        if (it->locked)
            item->setIcon(lineupicons::lock());
        if (!it->name.isEmpty())
            item->setToolTip(tr("Provider's name: %1").arg(it->providerName));
    }
}
