#include "recording/recordingmarkdelegate.h"

#include <QPainter>

RecordingMarkDelegate::RecordingMarkDelegate(RowMark mark, QObject* parent)
    : QStyledItemDelegate(parent)
    , rowMark(std::move(mark))
{}

void RecordingMarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const
{
    const QString mark = rowMark ? rowMark(index.row()) : QString();
    if (mark.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The name gives up the room the mark needs at the end of the row's reading direction.
    const int markWidth = option.fontMetrics.horizontalAdvance(mark) + 8;
    const bool rightToLeft = option.direction == Qt::RightToLeft;
    QStyleOptionViewItem nameOption = option;
    QRect markRect = option.rect;
    if (rightToLeft) {
        markRect.setRight(option.rect.left() + markWidth);
        nameOption.rect.setLeft(markRect.right());
    } else {
        markRect.setLeft(option.rect.right() - markWidth);
        nameOption.rect.setRight(markRect.left());
    }
    QStyledItemDelegate::paint(painter, nameOption, index);
    painter->save();
    painter->setPen(QColor(220, 40, 40));
    painter->drawText(markRect.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignHCenter, mark);
    painter->restore();
}
