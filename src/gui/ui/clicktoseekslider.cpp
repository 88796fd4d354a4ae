#include "ui/clicktoseekslider.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

ClickToSeekSlider::ClickToSeekSlider(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent)
{
}

int ClickToSeekSlider::valueFromPos(const QPoint& pos) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    if (orientation() == Qt::Horizontal)
        return QStyle::sliderValueFromPosition(minimum(), maximum(), pos.x() - groove.x(),
                                               groove.width() - handle.width(), option.upsideDown);
    return QStyle::sliderValueFromPosition(minimum(), maximum(), pos.y() - groove.y(),
                                           groove.height() - handle.height(), option.upsideDown);
}

void ClickToSeekSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QSlider::mousePressEvent(event);
        return;
    }
    setSliderDown(true);
    setValue(valueFromPos(event->position().toPoint()));
    event->accept();
}

void ClickToSeekSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (!isSliderDown()) {
        QSlider::mouseMoveEvent(event);
        return;
    }
    setValue(valueFromPos(event->position().toPoint()));
    event->accept();
}

void ClickToSeekSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isSliderDown()) {
        QSlider::mouseReleaseEvent(event);
        return;
    }
    setValue(valueFromPos(event->position().toPoint()));
    setSliderDown(false);
    event->accept();
}
