#include "multiview/multiviewarea.h"

#include "multiview/multiviewtile.h"

#include <QKeyEvent>
#include <QStyle>

MultiViewArea::MultiViewArea(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("multiViewArea"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(480, 270);
    for (int i = 0; i < kMaxTiles; ++i) {
        auto* tile = new MultiViewTile(i, this);
        connect(tile, &MultiViewTile::clicked, this, [this](int index) {
            setFocus(Qt::MouseFocusReason);
            emit focusRequested(index);
        });
        connect(tile, &MultiViewTile::doubleClicked, this, [this](int index) {
            setFocus(Qt::MouseFocusReason);
            emit focusRequested(index);
            emit zoomRequested(index);
        });
        tiles.append(tile);
    }
    setTileLayout(current);
}

void MultiViewArea::setTileLayout(MultiViewLayout layout)
{
    current = layout;
    if (zoomed >= tileCount())
        zoomed = -1;
    relayout();
}

int MultiViewArea::tileCount() const
{
    return ::tileCount(current);
}

void MultiViewArea::setFocusedTile(int index)
{
    focused = index;
    for (MultiViewTile* tile : std::as_const(tiles))
        tile->setFocused(tile->index() == index);
}

void MultiViewArea::setZoomedTile(int index)
{
    zoomed = index >= 0 && index < tileCount() ? index : -1;
    relayout();
}

void MultiViewArea::relayout()
{
    const QList<QRect> rects = tileRects(current, size(), kGap);
    for (int i = 0; i < tiles.size(); ++i) {
        MultiViewTile* tile = tiles.at(i);
        const bool shown = i < rects.size() && (zoomed < 0 || zoomed == i);
        if (shown)
            tile->setGeometry(
                zoomed == i ? rect() : QStyle::visualRect(layoutDirection(), rect(), rects.at(i)));
        tile->setVisible(shown);
    }
}

void MultiViewArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

bool MultiViewArea::handlesKey(const QKeyEvent* event) const
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
        return event->key() - Qt::Key_1 < tileCount();
    case Qt::Key_F:
        return true;
    case Qt::Key_Escape:
        // In fullscreen the window's own Escape leaves fullscreen first.
        return zoomed >= 0 || !window()->isFullScreen();
    default:
        return false;
    }
}

bool MultiViewArea::event(QEvent* event)
{
    // Before the player panel's own shortcuts (F is fullscreen there).
    if (event->type() == QEvent::ShortcutOverride && handlesKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void MultiViewArea::keyPressEvent(QKeyEvent* event)
{
    if (!handlesKey(event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_F:
        emit zoomRequested(focused);
        break;
    case Qt::Key_Escape:
        emit escapeRequested();
        break;
    default:
        emit focusRequested(event->key() - Qt::Key_1);
        break;
    }
}
