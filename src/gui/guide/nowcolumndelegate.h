#pragma once

#include "guide/guideprogramme.h"

#include <QStyledItemDelegate>

#include <functional>

// Paints the "Now" cell of a channel row: the running programme's title and a thin bar of how
// far it has run; the tooltip tells now and next. Rows are asked for lazily, as they are painted,
// so filling a table costs nothing extra.
class NowColumnDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // `withNext`: the tooltip's reading, which also wants the next programme.
    using RowGuide = std::function<GuideNowNext(int row, bool withNext)>;

    NowColumnDelegate(RowGuide rowGuide, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
    // What the cell of `row` and its tooltip show.
    GuideNowNext guideOf(int row) const { return rowGuide(row, true); }

private:
    RowGuide rowGuide;
};
