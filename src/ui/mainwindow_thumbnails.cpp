// Poster images of the "Movies" and "TV Shows" grids: requested only for tiles near the visible
// area, from the poster loader (memory, disk, network). Tiles that scroll far away give their
// poster back and lose their queued download, so memory and the queue follow the view.
#include "ui/mainwindow.h"

#include "ui/posterloader.h"

#include <QListWidget>
#include <QPersistentModelIndex>
#include <QPointer>

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

int MainWindow::posterGroup(const QListWidget* grid) const
{
    return grid == movieGrid ? 0 : 1;
}

QSet<int>& MainWindow::postersShownIn(const QListWidget* grid)
{
    return grid == movieGrid ? moviePosterRows : seriesPosterRows;
}

void MainWindow::forgetPosterTiles(QListWidget* grid)
{
    postersShownIn(grid).clear();
    posterLoader->rerank(posterGroup(grid), [](int) { return std::nullopt; });
}

void MainWindow::loadVisibleThumbnails(QListWidget* grid)
{
    const QRect viewport = grid->viewport()->rect();
    const Rows visible = rowsWithin(grid, 0, viewport.height() - 1);
    const Rows near =
        rowsWithin(grid, -kPrefetchMarginPx, viewport.height() - 1 + kPrefetchMarginPx);
    const Rows kept = rowsWithin(grid, -kKeepMarginPx, viewport.height() - 1 + kKeepMarginPx);

    // What is on screen downloads first, what scrolled far away not at all.
    posterLoader->rerank(posterGroup(grid), [&](int row) -> std::optional<int> {
        if (visible.contains(row))
            return 0;
        if (near.contains(row))
            return 1;
        if (kept.contains(row))
            return 2;
        return std::nullopt;
    });
    QSet<int>& shown = postersShownIn(grid);
    for (auto it = shown.begin(); it != shown.end();) {
        if (kept.contains(*it)) {
            ++it;
            continue;
        }
        QListWidgetItem* far = grid->item(*it);
        far->setIcon(QIcon(posterPlaceholder));
        far->setData(kRequestedRole, false); // asked for again, from memory or disk, on return
        it = shown.erase(it);
    }

    const QRect area(QPoint(0, -kPrefetchMarginPx),
                     QPoint(viewport.width() - 1, viewport.height() - 1 + kPrefetchMarginPx));
    for (int row = near.first; row < near.end; ++row) {
        QListWidgetItem* item = grid->item(row);
        if (item->data(kRequestedRole).toBool() || !grid->visualItemRect(item).intersects(area))
            continue;
        item->setData(kRequestedRole, true);
        requestThumbnail(grid, item, item->data(kUrlRole).toString());
    }
}

void MainWindow::requestThumbnail(QListWidget* grid, QListWidgetItem* item, const QString& url)
{
    if (url.isEmpty())
        return;
    const int row = grid->row(item);
    if (const QPixmap poster = posterLoader->cached(url); !poster.isNull()) {
        item->setIcon(QIcon(poster));
        postersShownIn(grid).insert(row);
        return;
    }
    const bool onScreen = grid->visualItemRect(item).intersects(grid->viewport()->rect());
    const QPointer<QListWidget> guardedGrid(grid);
    // Invalid once the grid is refilled: the answer then belongs to no tile.
    const QPersistentModelIndex tile(grid->model()->index(row, 0));
    posterLoader->download(
        url, posterGroup(grid), row, onScreen ? 0 : 1,
        [this, guardedGrid, tile](PosterLoader::Outcome outcome, const QPixmap& poster) {
            if (!guardedGrid || !tile.isValid())
                return;
            QListWidgetItem* target = guardedGrid->item(tile.row());
            if (outcome == PosterLoader::Outcome::Loaded) {
                target->setIcon(QIcon(poster));
                postersShownIn(guardedGrid).insert(tile.row());
            } else if (outcome == PosterLoader::Outcome::Dropped) {
                target->setData(kRequestedRole, false); // scrolled away before it was sent
            }
        });
}
