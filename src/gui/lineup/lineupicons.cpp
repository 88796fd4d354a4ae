#include "lineup/lineupicons.h"

#include <QPainter>
#include <QPixmap>

namespace lineupicons {

QIcon lock()
{
    static const QIcon icon = [] {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor colour(200, 150, 40);
        painter.setPen(QPen(colour, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(4, 1, 8, 9), 0, 180 * 16); // the shackle
        painter.drawLine(QPointF(4, 5.5), QPointF(4, 8));
        painter.drawLine(QPointF(12, 5.5), QPointF(12, 8));
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(2, 7, 12, 8), 1.5, 1.5); // the body
        return QIcon(pixmap);
    }();
    return icon;
}

} // namespace lineupicons
