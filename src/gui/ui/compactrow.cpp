#include "ui/compactrow.h"

#include <QBoxLayout>
#include <QEvent>
#include <QHelpEvent>
#include <QIcon>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolTip>

#include <algorithm>
#include <utility>
#include <vector>

namespace {
const char kCompactIcon[] = "compactIcon";
const char kAdopted[] = "compactRowAdopted";
const char kGlyph[] = "compactIconIsGlyph";
// Room left and right of a compact button's icon or text, its border included.
constexpr int kCompactPadding = 4;

QStyleOptionButton buttonOption(const QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.features = QStyleOptionButton::None;
    if (button->isFlat())
        option.features |= QStyleOptionButton::Flat;
    if (button->menu())
        option.features |= QStyleOptionButton::HasMenu;
    if (button->isDefault())
        option.features |= QStyleOptionButton::DefaultButton;
    option.state |= button->isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    if (button->isChecked())
        option.state |= QStyle::State_On;
    option.iconSize = button->iconSize();
    return option;
}

QIcon compactIconOf(const QPushButton* button)
{
    return button->property(kCompactIcon).value<QIcon>();
}

// Whether the button's whole text fits between the narrow paddings.
bool textFits(const QPushButton* button)
{
    return button->fontMetrics().horizontalAdvance(button->text()) <=
           button->width() - 2 * kCompactPadding;
}
} // namespace

CompactRow::CompactRow(QWidget* parent)
    : QWidget(parent)
{}

void CompactRow::setCompactIcon(QAbstractButton* button, const QIcon& icon, bool glyph)
{
    button->setProperty(kCompactIcon, QVariant::fromValue(icon));
    button->setProperty(kGlyph, glyph);
    button->update();
}

void CompactRow::addOptional(QWidget* widget)
{
    optional.append(widget);
}

bool CompactRow::isCompact(const QPushButton* button)
{
    return button->width() < button->sizeHint().width() && !textFits(button);
}

QSize CompactRow::minimumSizeHint() const
{
    return {0, QWidget::minimumSizeHint().height()};
}

bool CompactRow::event(QEvent* event)
{
    const bool result = QWidget::event(event);
    switch (event->type()) {
    case QEvent::ChildPolished:
        if (auto* button = qobject_cast<QPushButton*>(static_cast<QChildEvent*>(event)->child()))
            adopt(button);
        break;
    case QEvent::LayoutRequest:
    case QEvent::Resize:
    case QEvent::Show:
        fit();
        break;
    default:
        break;
    }
    return result;
}

void CompactRow::adopt(QPushButton* button)
{
    if (button->property(kAdopted).toBool())
        return;
    button->setProperty(kAdopted, true);
    // Down to an icon's width, when fit() caps it there.
    button->setSizePolicy(QSizePolicy::Preferred, button->sizePolicy().verticalPolicy());
    button->setMinimumWidth(button->iconSize().width() + 2 * kCompactPadding);
    button->installEventFilter(this);
}

void CompactRow::fit()
{
    auto* row = qobject_cast<QBoxLayout*>(layout());
    if (!row || fitting)
        return;
    fitting = true;
    // What the row needs with every widget at its natural width; then the widest buttons give
    // way first, down to their icons, and the optional widgets last.
    struct Button
    {
        QPushButton* button;
        int natural;
    };
    std::vector<Button> buttons;
    int need = row->contentsMargins().left() + row->contentsMargins().right();
    int items = 0;
    int optionalNeed = 0;
    for (int i = 0; i < row->count(); ++i) {
        QWidget* widget = row->itemAt(i)->widget();
        if (!widget)
            continue;
        if (optional.contains(widget)) {
            optionalNeed += widget->sizeHint().width() + std::max(0, row->spacing());
            continue;
        }
        if (widget->isHidden())
            continue;
        ++items;
        auto* button = qobject_cast<QPushButton*>(widget);
        if (button && button->property(kAdopted).toBool()) {
            buttons.push_back({button, button->sizeHint().width()});
            need += buttons.back().natural;
        } else {
            need += row->itemAt(i)->sizeHint().width();
        }
    }
    need += std::max(0, items - 1) * std::max(0, row->spacing()) + optionalNeed;
    const int room = contentsRect().width();
    std::stable_sort(buttons.begin(), buttons.end(),
                     [](const Button& a, const Button& b) { return a.natural > b.natural; });
    std::size_t compact = 0;
    for (; compact < buttons.size() && need > room; ++compact)
        need -= buttons[compact].natural - buttons[compact].button->minimumWidth();
    const bool showOptional = need <= room;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        QPushButton* button = buttons[i].button;
        const int widest = i < compact ? button->minimumWidth() : QWIDGETSIZE_MAX;
        if (button->maximumWidth() != widest)
            button->setMaximumWidth(widest);
    }
    for (const QPointer<QWidget>& widget : std::as_const(optional)) {
        if (widget && widget->isHidden() == showOptional)
            widget->setVisible(showOptional);
    }
    fitting = false;
}

bool CompactRow::eventFilter(QObject* watched, QEvent* event)
{
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!button || button->parentWidget() != this)
        return false;
    if (event->type() == QEvent::Paint)
        return paintCompact(button);
    if (event->type() == QEvent::ToolTip && button->toolTip().isEmpty() && isCompact(button)) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), button->text(), button);
        return true;
    }
    return false;
}

bool CompactRow::paintCompact(QPushButton* button)
{
    if (button->width() >= button->sizeHint().width())
        return false; // the style draws it as always
    QStyleOptionButton option = buttonOption(button);
    QStylePainter painter(button);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    const QRect inner = button->rect().adjusted(kCompactPadding, 0, -kCompactPadding, 0);
    const QIcon icon = compactIconOf(button);
    if (!textFits(button) && !icon.isNull()) {
        const QIcon::Mode mode = !button->isEnabled()   ? QIcon::Disabled
                                 : button->underMouse() ? QIcon::Active
                                                        : QIcon::Normal;
        QPixmap pixmap =
            icon.pixmap(button->iconSize(), button->devicePixelRatio(), mode, QIcon::Off);
        // A glyph in the text's colour: the style draws its media icons for light buttons.
        if (button->property(kGlyph).toBool()) {
            QPainter tint(&pixmap);
            tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
            tint.fillRect(
                QRectF(QPointF(), pixmap.deviceIndependentSize()),
                option.palette.color(button->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                     QPalette::ButtonText));
        }
        button->style()->drawItemPixmap(&painter, inner, Qt::AlignCenter, pixmap);
        return true;
    }
    const QString text =
        button->fontMetrics().elidedText(button->text(), Qt::ElideRight, inner.width());
    button->style()->drawItemText(&painter, inner, Qt::AlignCenter | Qt::TextShowMnemonic,
                                  option.palette, button->isEnabled(), text, QPalette::ButtonText);
    return true;
}
