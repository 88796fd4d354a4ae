#include "ui/postermarkdelegate.h"

#include "ui/catalogconstants.h"

#include <QPainter>
#include <QPainterPath>

void PosterMarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const int progress = index.data(kProgressRole).toInt();
    const bool watched = index.data(kWatchedRole).toBool();
    const bool started = index.data(kStartedRole).toBool();
    if (progress <= 0 && !watched && !started)
        return;
    // The poster sits centred at the top of the tile.
    const QSize tile = kPosterTileSize;
    const QRect poster(option.rect.x() + (option.rect.width() - tile.width()) / 2,
                       option.rect.y() + 2, tile.width(), tile.height());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (progress > 0) {
        const QRect bar(poster.left() + 6, poster.bottom() - 10, poster.width() - 12, 5);
        painter->fillRect(bar, QColor(0, 0, 0, 170));
        painter->fillRect(QRect(bar.topLeft(), QSize(bar.width() * progress / 100, bar.height())),
                          QColor(229, 57, 53));
    }
    if (started && !watched) {
        // A bookmark ribbon hanging from the top left corner.
        const int left = poster.left() + 8, top = poster.top(), width = 14, height = 22;
        QPainterPath ribbon;
        ribbon.moveTo(left, top);
        ribbon.lineTo(left + width, top);
        ribbon.lineTo(left + width, top + height);
        ribbon.lineTo(left + width / 2.0, top + height - 6);
        ribbon.lineTo(left, top + height);
        ribbon.closeSubpath();
        painter->fillPath(ribbon, QColor(229, 57, 53));
    }
    if (watched) {
        const QRect badge(poster.right() - 28, poster.top() + 6, 22, 22);
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(46, 125, 50));
        painter->drawEllipse(badge);
        QPainterPath tick;
        tick.moveTo(badge.left() + 6, badge.center().y());
        tick.lineTo(badge.left() + 10, badge.bottom() - 6);
        tick.lineTo(badge.right() - 5, badge.top() + 7);
        painter->setPen(QPen(Qt::white, 2.5));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(tick);
    }
    painter->restore();
}
