#pragma once

#include "model/mediaitem.h"

#include <QObject>

#include <functional>

class CatalogTab;
class QMimeData;
class QPoint;

// Favorites take the place they are dragged to in their table: a channel dropped on a row goes
// there and the rows between move along by one. The drag is the table's own (the channel it
// carries to multi-view tiles); only a favorite shown in the table is taken.
class FavoriteDrop final : public QObject
{
public:
    // Moves `item` by `steps` places in the user's order; true when it moved.
    using Move = std::function<bool(const MediaItem& item, int steps)>;

    FavoriteDrop(CatalogTab* tab, Move move);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The row of the dragged favorite, or -1 when the drag is none of them.
    int draggedRow(const QMimeData* data) const;
    int rowAt(const QPoint& at) const;

    CatalogTab* tab;
    Move move;
};
