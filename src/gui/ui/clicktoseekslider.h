#pragma once

#include <QSlider>

// A slider that jumps to the clicked point instead of stepping by a page. The handle's leading
// edge lands under the cursor; dragging moves only the slider, and sliderReleased fires once at
// the end, which is when the player seeks.
class ClickToSeekSlider final : public QSlider
{
    Q_OBJECT

public:
    explicit ClickToSeekSlider(Qt::Orientation orientation, QWidget* parent = nullptr);

    int valueFromPos(const QPoint& pos) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
