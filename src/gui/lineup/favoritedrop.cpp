#include "lineup/favoritedrop.h"

#include "library/library.h"
#include "multiview/channelmime.h"
#include "ui/catalogtab.h"
#include "ui/librarycategories.h"

#include <QDropEvent>
#include <QTableWidget>

#include <algorithm>
#include <utility>

FavoriteDrop::FavoriteDrop(CatalogTab* tab, Move move)
    : QObject(tab->table->viewport())
    , tab(tab)
    , move(std::move(move))
{
    tab->table->viewport()->setAcceptDrops(true);
    tab->table->viewport()->installEventFilter(this);
}

int FavoriteDrop::draggedRow(const QMimeData* data) const
{
    if (tab->categoryId != kFavoritesCategoryId || !tab->searchEdit->text().isEmpty())
        return -1;
    const std::optional<channelmime::Channel> channel = channelmime::fromMimeData(data);
    if (!channel)
        return -1;
    const QString id = Library::idOf(channel->item);
    for (int row = 0; row < tab->shown.size(); ++row) {
        if (Library::idOf(tab->shown.at(row)) == id)
            return row;
    }
    return -1;
}

int FavoriteDrop::rowAt(const QPoint& at) const
{
    const int row = tab->table->rowAt(at.y());
    // Below the last row: the end of the list.
    return row < 0 ? int(tab->shown.size()) - 1 : row;
}

bool FavoriteDrop::eventFilter(QObject* watched, QEvent* event)
{
    Q_UNUSED(watched);
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const int from = draggedRow(drop->mimeData());
    if (from < 0)
        return false;
    // Copy: the drag's source keeps its rows; the order is changed here.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    const int to = std::clamp(rowAt(drop->position().toPoint()), 0, int(tab->shown.size()) - 1);
    if (type != QEvent::Drop) {
        // Where it will land.
        tab->table->selectRow(to);
        return true;
    }
    // The refill follows the current row's entry: the moved favorite.
    tab->table->setCurrentCell(from, 0);
    if (to != from)
        move(tab->shown.at(from), to - from);
    return true;
}
