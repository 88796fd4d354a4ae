#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QIcon;
class QPushButton;

// A row of player buttons that gives way when it is narrow instead of asking for room: the
// widest push buttons shrink first, to their compact icon (or their text elided) with the whole
// text as tooltip; optional widgets hide when that is not enough; widgets that keep their width
// (the volume slider) are left alone. The row asks its parent for no width at all, so nothing
// it shows or hides can move a splitter.
class CompactRow final : public QWidget
{
    Q_OBJECT

public:
    explicit CompactRow(QWidget* parent);

    // The icon a button shows when its text does not fit; a glyph drawn for light buttons (the
    // style's media icons) takes the text's colour, a coloured one stays as it is.
    static void setCompactIcon(QAbstractButton* button, const QIcon& icon, bool glyph = true);
    // Hidden while the row is too narrow even with every button compact.
    void addOptional(QWidget* widget);
    // Whether a button of this row is drawn compact now.
    static bool isCompact(const QPushButton* button);

    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void adopt(QPushButton* button);
    void fit();
    bool paintCompact(QPushButton* button);

    QList<QPointer<QWidget>> optional;
    bool fitting = false;
};
