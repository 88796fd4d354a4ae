#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// How the video area is split: 2 side by side, 3 as one large tile with two small ones beside
// it, 4 as a 2x2 grid. Rectangles are in left-to-right order; a right-to-left view mirrors them.
enum class MultiViewLayout : int
{
    Two = 2,
    Three = 3,
    Four = 4
};

int tileCount(MultiViewLayout layout);
// Any stored number back to a layout; unknown ones give the 2x2 grid.
MultiViewLayout multiViewLayoutFrom(int tiles);
// The tiles' places in an area of `area`, `gap` pixels between neighbours.
QList<QRect> tileRects(MultiViewLayout layout, const QSize& area, int gap);
