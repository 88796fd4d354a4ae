#pragma once

#include <QStyledItemDelegate>

#include <functional>

// The channel-name cell of a channel table with a red dot and the elapsed time at its far end
// while the channel is being recorded. Rows are asked for as they are painted.
class RecordingMarkDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // The mark's text for `row` ("● 12:34"), empty when it is not recorded.
    using RowMark = std::function<QString(int row)>;

    RecordingMarkDelegate(RowMark rowMark, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    RowMark rowMark;
};
