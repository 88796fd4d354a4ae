#include "multiview/multiviewlayout.h"

int tileCount(MultiViewLayout layout)
{
    return int(layout);
}

MultiViewLayout multiViewLayoutFrom(int tiles)
{
    switch (tiles) {
    case 2:
        return MultiViewLayout::Two;
    case 3:
        return MultiViewLayout::Three;
    default:
        return MultiViewLayout::Four;
    }
}

QList<QRect> tileRects(MultiViewLayout layout, const QSize& area, int gap)
{
    const int w = qMax(0, area.width());
    const int h = qMax(0, area.height());
    const int leftW = (w - gap) / 2;
    const int rightX = leftW + gap;
    const int rightW = qMax(0, w - rightX);
    const int topH = (h - gap) / 2;
    const int bottomY = topH + gap;
    const int bottomH = qMax(0, h - bottomY);
    switch (layout) {
    case MultiViewLayout::Two:
        return {QRect(0, 0, leftW, h), QRect(rightX, 0, rightW, h)};
    case MultiViewLayout::Three: {
        // The large tile takes two thirds of the width; the small ones share the last third.
        const int largeW = (w - gap) * 2 / 3;
        const int smallX = largeW + gap;
        const int smallW = qMax(0, w - smallX);
        return {QRect(0, 0, largeW, h), QRect(smallX, 0, smallW, topH),
                QRect(smallX, bottomY, smallW, bottomH)};
    }
    case MultiViewLayout::Four:
        break;
    }
    return {QRect(0, 0, leftW, topH), QRect(rightX, 0, rightW, topH),
            QRect(0, bottomY, leftW, bottomH), QRect(rightX, bottomY, rightW, bottomH)};
}
