#pragma once

#include "multiview/multiviewlayout.h"

#include <QList>
#include <QWidget>

class MultiViewTile;

// The video area split into tiles. It lays them out (mirrored right to left), shows one tile
// alone while it is zoomed, frames the focused one, and turns the keys 1-4, F and Escape into
// requests; the controller decides what they do.
class MultiViewArea final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kMaxTiles = 4;
    static constexpr int kGap = 4;

    explicit MultiViewArea(QWidget* parent);

    void setTileLayout(MultiViewLayout layout);
    MultiViewLayout tileLayout() const { return current; }
    int tileCount() const;
    MultiViewTile* tile(int index) const { return tiles.value(index); }

    void setFocusedTile(int index);
    int focusedTile() const { return focused; }
    // -1: every tile shows.
    void setZoomedTile(int index);
    int zoomedTile() const { return zoomed; }

signals:
    void focusRequested(int index);
    void zoomRequested(int index);
    void escapeRequested();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void relayout();
    bool handlesKey(const QKeyEvent* event) const;

    QList<MultiViewTile*> tiles;
    MultiViewLayout current = MultiViewLayout::Four;
    int focused = 0;
    int zoomed = -1;
};
