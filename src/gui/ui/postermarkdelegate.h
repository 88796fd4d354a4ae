#pragma once

#include <QStyledItemDelegate>

// Draws the library's marks over a poster tile: a progress bar for a movie or episode left part
// way, a check mark for one watched to the end, a corner ribbon for a series begun. The marks come
// from item data, so loading the poster image later does not wipe them.
class PosterMarkDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int kProgressRole = Qt::UserRole + 3; // int 1..99, absent = none
    static constexpr int kWatchedRole = Qt::UserRole + 4;  // bool
    static constexpr int kStartedRole = Qt::UserRole + 5;  // bool

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
