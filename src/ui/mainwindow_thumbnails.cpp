// Poster images of the "Movies" and "TV Shows" grids: requested only for tiles near the visible
// area, then taken from memory, from the disk cache or from the network.
#include "ui/mainwindow.h"

#include "app/httprequests.h"
#include "ui/catalogconstants.h"
#include "ui/thumbnailpaths.h"

#include <QListWidget>
#include <QNetworkReply>
#include <QPointer>
#include <QScreen>

namespace {
constexpr int kPrefetchMarginPx = 400;
constexpr int kRequestedRole = Qt::UserRole + 2;
constexpr int kUrlRole = Qt::UserRole + 1;
// Posters are small; anything bigger than this is not a poster worth keeping in memory.
constexpr qint64 kMaxPosterBytes = 32LL * 1024 * 1024;
} // namespace

QPixmap MainWindow::posterForGrid(const QPixmap& original) const
{
    // Kept at the size the grid draws it (times the screen's pixel ratio), not at the decoded
    // size: a user scrolling through thousands of posters must not grow the process without end.
    const qreal ratio = screen() ? screen()->devicePixelRatio() : devicePixelRatioF();
    const QSize target = kPosterTileSize * ratio;
    if (original.width() <= target.width() && original.height() <= target.height())
        return original;
    QPixmap scaled = original.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

void MainWindow::loadVisibleThumbnails(QListWidget* grid)
{
    const QRect viewport = grid->viewport()->rect();
    const QRect area(QPoint(0, -kPrefetchMarginPx),
                     QPoint(viewport.width() - 1, viewport.height() - 1 + kPrefetchMarginPx));
    // Tiles flow left to right and wrap, so their tops never decrease in row order: find the
    // first tile reaching into the area by bisection and stop after the last, instead of
    // measuring every tile of a 100k grid on each scroll step.
    int low = 0;
    int high = grid->count();
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (grid->visualItemRect(grid->item(mid)).bottom() < area.top())
            low = mid + 1;
        else
            high = mid;
    }
    for (int row = low; row < grid->count(); ++row) {
        QListWidgetItem* item = grid->item(row);
        const QRect rect = grid->visualItemRect(item);
        if (rect.top() > area.bottom())
            break;
        if (item->data(kRequestedRole).toBool() || !rect.intersects(area))
            continue;
        item->setData(kRequestedRole, true);
        requestThumbnail(grid, item, item->data(kUrlRole).toString());
    }
}

void MainWindow::requestThumbnail(QListWidget* grid, QListWidgetItem* item, const QString& url)
{
    if (url.isEmpty())
        return;
    if (const auto cached = thumbnailCache.constFind(url); cached != thumbnailCache.cend()) {
        item->setIcon(QIcon(*cached));
        return;
    }
    QPixmap fromDisk;
    if (fromDisk.load(thumbnailCachePath(url))) {
        const QPixmap poster = posterForGrid(fromDisk);
        thumbnailCache.insert(url, poster);
        item->setIcon(QIcon(poster));
        return;
    }

    QPointer<QListWidget> guardedGrid(grid);
    HttpRequests::Options options;
    options.maxBodyBytes = kMaxPosterBytes;
    HttpRequests::get(networkManager, QUrl(url, QUrl::TolerantMode), options, this,
                      [this, guardedGrid, url](QNetworkReply* reply) {
                          if (reply->error() != QNetworkReply::NoError)
                              return;
                          const QString type =
                              reply->header(QNetworkRequest::ContentTypeHeader).toString();
                          if (!type.isEmpty()
                              && !type.startsWith(QStringLiteral("image/"), Qt::CaseInsensitive))
                              return;
                          const QByteArray body = reply->readAll();
                          QPixmap decoded;
                          if (!decoded.loadFromData(body))
                              return;
                          storeThumbnailFile(url, body);
                          const QPixmap poster = posterForGrid(decoded);
                          thumbnailCache.insert(url, poster);
                          if (!guardedGrid)
                              return;
                          const QIcon icon(poster);
                          for (int row = 0; row < guardedGrid->count(); ++row) {
                              QListWidgetItem* tile = guardedGrid->item(row);
                              if (tile->data(kUrlRole).toString() == url)
                                  tile->setIcon(icon);
                          }
                      });
}
