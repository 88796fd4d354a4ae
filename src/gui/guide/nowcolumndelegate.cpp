#include "guide/nowcolumndelegate.h"

#include "app/clock.h"
#include "app/translations.h"
#include "guide/guidetext.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

NowColumnDelegate::NowColumnDelegate(RowGuide rowGuide, QObject* parent)
    : QStyledItemDelegate(parent)
    , rowGuide(std::move(rowGuide))
{}

void NowColumnDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const GuideNowNext guide = rowGuide(index.row(), false);
    opt.text = guide.hasNow ? Translations::isolated(guide.now.title) : QString();
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    if (!guide.hasNow)
        return;

    const double done = GuideText::progress(guide.now, Clock::epochSecs());
    const QRect cell = opt.rect.adjusted(4, 0, -4, -2);
    const QRect track(cell.left(), cell.bottom() - 2, cell.width(), 3);
    const bool selected = opt.state & QStyle::State_Selected;
    const QPalette& palette = opt.palette;
    painter->save();
    QColor back =
        selected ? palette.color(QPalette::HighlightedText) : palette.color(QPalette::Mid);
    back.setAlphaF(0.35f);
    painter->fillRect(track, back);
    // Fills in reading direction: from the right under a right-to-left language.
    const int filled = int(track.width() * done);
    const int fillLeft =
        opt.direction == Qt::RightToLeft ? track.left() + track.width() - filled : track.left();
    painter->fillRect(QRect(fillLeft, track.top(), filled, track.height()),
                      selected ? palette.color(QPalette::HighlightedText)
                               : palette.color(QPalette::Highlight));
    painter->restore();
}

bool NowColumnDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                  const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString text = GuideText::tooltip(rowGuide(index.row(), true));
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), text, view);
    return true;
}
