#include "ui/postertiles.h"

#include "ui/posterloader.h"

#include <QApplication>
#include <QListWidget>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

namespace {
constexpr int kPrefetchMarginPx = 400;
// Tiles this far beyond the visible area keep neither their poster nor their queued download.
constexpr int kKeepMarginPx = 2000;
constexpr int kRequestedRole = Qt::UserRole + 2;
constexpr int kUrlRole = Qt::UserRole + 1;

struct Rows
{
    int first = 0;
    int end = 0;
    bool contains(int row) const { return row >= first && row < end; }
};

// The tiles reaching into the band from `top` to `bottom` (viewport coordinates). Tiles flow
// left to right and wrap, so their tops never decrease in row order: bisection finds the band
// instead of measuring every tile of a 100k grid on each scroll step.
Rows rowsWithin(const QListWidget* grid, int top, int bottom)
{
    auto firstWhere = [grid](const auto& reached) {
        int low = 0;
        int high = grid->count();
        while (low < high) {
            const int mid = low + (high - low) / 2;
            if (reached(grid->visualItemRect(grid->item(mid))))
                high = mid;
            else
                low = mid + 1;
        }
        return low;
    };
    return {firstWhere([top](const QRect& r) { return r.bottom() >= top; }),
            firstWhere([bottom](const QRect& r) { return r.top() > bottom; })};
}
} // namespace

PosterTiles::PosterTiles(QListWidget* grid, PosterLoader* loader, int group,
                         const QPixmap& placeholder)
    : QObject(grid)
    , grid(grid)
    , loader(loader)
    , group(group)
    , placeholder(placeholder)
{
    connect(grid->verticalScrollBar(), &QScrollBar::valueChanged, this, &PosterTiles::loadVisible);
    // Application-wide, as the window's own filter: it sees the wheel before anything installed
    // on the viewport does.
    qApp->installEventFilter(this);
}

bool PosterTiles::eventFilter(QObject* watched, QEvent* event)
{
    // The grid's own viewport only, and not while the grid is being torn down: its children
    // still get events then, when it is no longer a list widget.
    QObject* const owner = watched->parent();
    if (owner != grid || !qobject_cast<QListWidget*>(owner) || watched != grid->viewport())
        return false;
    if (event->type() == QEvent::Resize) {
        loadVisible();
    } else if (event->type() == QEvent::Wheel) {
        // A gentler step than a whole row of posters per notch.
        const auto* wheel = static_cast<QWheelEvent*>(event);
        QScrollBar* bar = grid->verticalScrollBar();
        bar->setValue(bar->value() - int(wheel->angleDelta().y() * 0.35));
        return true;
    }
    return false;
}

void PosterTiles::fill(const QList<MediaItem>& items)
{
    // Every keystroke refills up to 100k tiles. Inserted one by one with the model speaking, each
    // tile makes the view drop and plan its whole layout again (quadratic). So the tiles are
    // built complete and appended with the model silent, and the view is then reset, exactly as
    // a model reset tells it to; clear() has already emptied selection and current item.
    forget();
    grid->setUpdatesEnabled(false);
    grid->clear();
    {
        const QSignalBlocker quiet(grid->model());
        const QIcon icon(placeholder);
        for (const MediaItem& media : items) {
            auto* item = new QListWidgetItem(media.name);
            item->setData(Qt::DecorationRole, icon);
            item->setData(Qt::TextAlignmentRole, int(Qt::AlignHCenter | Qt::AlignTop));
            item->setData(kUrlRole, media.iconUrl);
            grid->addItem(item);
        }
    }
    grid->reset();
    grid->setUpdatesEnabled(true);
    QTimer::singleShot(0, this, &PosterTiles::loadVisible);
}

void PosterTiles::forget()
{
    shownRows.clear();
    loader->rerank(group, [](int) { return std::nullopt; });
}

void PosterTiles::loadVisible()
{
    const QRect viewport = grid->viewport()->rect();
    const Rows visible = rowsWithin(grid, 0, viewport.height() - 1);
    const Rows near =
        rowsWithin(grid, -kPrefetchMarginPx, viewport.height() - 1 + kPrefetchMarginPx);
    const Rows kept = rowsWithin(grid, -kKeepMarginPx, viewport.height() - 1 + kKeepMarginPx);

    // What is on screen downloads first, what scrolled far away not at all.
    loader->rerank(group, [&](int row) -> std::optional<int> {
        if (visible.contains(row))
            return 0;
        if (near.contains(row))
            return 1;
        if (kept.contains(row))
            return 2;
        return std::nullopt;
    });
    for (auto it = shownRows.begin(); it != shownRows.end();) {
        if (kept.contains(*it)) {
            ++it;
            continue;
        }
        QListWidgetItem* far = grid->item(*it);
        far->setIcon(QIcon(placeholder));
        far->setData(kRequestedRole, false); // asked for again, from memory or disk, on return
        it = shownRows.erase(it);
    }

    const QRect area(QPoint(0, -kPrefetchMarginPx),
                     QPoint(viewport.width() - 1, viewport.height() - 1 + kPrefetchMarginPx));
    for (int row = near.first; row < near.end; ++row) {
        QListWidgetItem* item = grid->item(row);
        if (item->data(kRequestedRole).toBool() || !grid->visualItemRect(item).intersects(area))
            continue;
        item->setData(kRequestedRole, true);
        request(item, item->data(kUrlRole).toString());
    }
}

void PosterTiles::request(QListWidgetItem* item, const QString& url)
{
    if (url.isEmpty())
        return;
    const int row = grid->row(item);
    if (const QPixmap poster = loader->cached(url); !poster.isNull()) {
        item->setIcon(QIcon(poster));
        shownRows.insert(row);
        return;
    }
    const bool onScreen = grid->visualItemRect(item).intersects(grid->viewport()->rect());
    const QPointer<QListWidget> guardedGrid(grid);
    // Invalid once the grid is refilled: the answer then belongs to no tile.
    const QPersistentModelIndex tile(grid->model()->index(row, 0));
    loader->download(
        url, group, row, onScreen ? 0 : 1,
        [this, guardedGrid, tile](PosterLoader::Outcome outcome, const QPixmap& poster) {
            if (!guardedGrid || !tile.isValid())
                return;
            QListWidgetItem* target = guardedGrid->item(tile.row());
            if (outcome == PosterLoader::Outcome::Loaded) {
                target->setIcon(QIcon(poster));
                shownRows.insert(tile.row());
            } else if (outcome == PosterLoader::Outcome::Dropped) {
                target->setData(kRequestedRole, false); // scrolled away first
            }
        });
}
