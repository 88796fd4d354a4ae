#pragma once

#include "model/mediaitem.h"

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QSet>

class PosterLoader;
class QListWidget;
class QListWidgetItem;

// The tiles of one poster grid ("Movies", "TV Shows") and their images: requested only for tiles
// near the visible area, from the poster loader (memory, disk, network). Tiles that scroll far
// away give their poster back and lose their queued download, so memory and the queue follow the
// view. `group` tells this grid's downloads apart from another grid's in the loader.
class PosterTiles final : public QObject
{
    Q_OBJECT

public:
    PosterTiles(QListWidget* grid, PosterLoader* loader, int group, const QPixmap& placeholder);

    // Replaces every tile; posters follow once the view has laid them out.
    void fill(const QList<MediaItem>& items);
    void loadVisible();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void request(QListWidgetItem* item, const QString& url);
    void forget();

    QListWidget* grid;
    PosterLoader* loader;
    int group;
    QPixmap placeholder;
    QSet<int> shownRows; // tiles showing a poster, let go when they scroll far away
};
