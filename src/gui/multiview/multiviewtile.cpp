#include "multiview/multiviewtile.h"

#include "multiview/channelmime.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
constexpr int kFrameWidth = 3;

QWidget* newSurface(QWidget* parent)
{
    auto* surface = new QWidget(parent);
    surface->setObjectName(QStringLiteral("tileSurface"));
    surface->setStyleSheet(QStringLiteral("background-color: black;"));
    surface->setAttribute(Qt::WA_DontCreateNativeAncestors);
    surface->setAttribute(Qt::WA_NativeWindow);
    return surface;
}
} // namespace

MultiViewTile::MultiViewTile(int index, QWidget* parent)
    : QFrame(parent)
    , tileIndex(index)
{
    setObjectName(QStringLiteral("multiViewTile%1").arg(index + 1));
    setAcceptDrops(true);
    setMinimumSize(120, 90);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kFrameWidth, kFrameWidth, kFrameWidth, kFrameWidth);
    layout->setSpacing(2);

    auto* captionRow = new QHBoxLayout;
    captionRow->setContentsMargins(4, 0, 4, 0);
    caption = new QLabel(this);
    caption->setObjectName(QStringLiteral("tileCaption"));
    caption->setTextFormat(Qt::PlainText);
    caption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    status = new QLabel(this);
    status->setObjectName(QStringLiteral("tileStatus"));
    status->setTextFormat(Qt::PlainText);
    status->setStyleSheet(QStringLiteral("color: #ffb020;"));
    status->setMinimumWidth(20);
    captionRow->addWidget(caption, 1);
    captionRow->addWidget(status, 0);
    layout->addLayout(captionRow);

    pages = new QStackedWidget(this);
    ownSurface = newSurface(pages);
    videoSurface = ownSurface;
    message = new QLabel(pages);
    message->setObjectName(QStringLiteral("tileMessage"));
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    message->setTextFormat(Qt::PlainText);
    message->setMargin(12);
    pages->addWidget(ownSurface);
    pages->addWidget(message);
    layout->addWidget(pages, 1);
}

void MultiViewTile::setSurface(QWidget* surface)
{
    if (!surface || surface == videoSurface)
        return;
    pages->insertWidget(0, surface);
    videoSurface = surface;
    surface->show();
    pages->setCurrentWidget(surface);
}

QWidget* MultiViewTile::takeSurface()
{
    if (videoSurface == ownSurface)
        return nullptr;
    QWidget* surface = videoSurface;
    pages->removeWidget(surface);
    videoSurface = ownSurface;
    return surface;
}

void MultiViewTile::setFocused(bool focused)
{
    if (focusedTile == focused)
        return;
    focusedTile = focused;
    update();
}

void MultiViewTile::setCaption(const QString& channel, const QString& now)
{
    const QString text = now.isEmpty() ? channel : tr("%1 · Now: %2").arg(channel, now);
    caption->setText(text);
    caption->setToolTip(text);
}

void MultiViewTile::setStatus(const QString& text)
{
    status->setText(text);
    status->setToolTip(text);
    status->setVisible(!text.isEmpty());
}

void MultiViewTile::showPicture()
{
    pages->setCurrentWidget(videoSurface);
}

void MultiViewTile::showMessage(const QString& text)
{
    message->setText(text);
    pages->setCurrentWidget(message);
}

QString MultiViewTile::captionText() const
{
    return caption->toolTip();
}

QString MultiViewTile::statusText() const
{
    return status->text();
}

QString MultiViewTile::messageText() const
{
    return pages->currentWidget() == message ? message->text() : QString();
}

bool MultiViewTile::showsPicture() const
{
    return pages->currentWidget() == videoSurface;
}

void MultiViewTile::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QColor frame = dropping      ? palette().color(QPalette::Link)
                         : focusedTile ? palette().color(QPalette::Highlight)
                                       : palette().color(QPalette::Mid);
    QPen pen(frame, focusedTile || dropping ? kFrameWidth : 1);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const qreal inset = pen.widthF() / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

void MultiViewTile::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked(tileIndex);
    event->accept();
}

void MultiViewTile::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(tileIndex);
    event->accept();
}

void MultiViewTile::dragEnterEvent(QDragEnterEvent* event)
{
    if (!event->mimeData()->hasFormat(QString::fromLatin1(channelmime::kMimeType)))
        return;
    event->acceptProposedAction();
    dropping = true;
    update();
}

void MultiViewTile::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasFormat(QString::fromLatin1(channelmime::kMimeType)))
        event->acceptProposedAction();
}

void MultiViewTile::dragLeaveEvent(QDragLeaveEvent* event)
{
    Q_UNUSED(event);
    dropping = false;
    update();
}

void MultiViewTile::dropEvent(QDropEvent* event)
{
    dropping = false;
    update();
    const QByteArray data = event->mimeData()->data(QString::fromLatin1(channelmime::kMimeType));
    if (data.isEmpty())
        return;
    event->acceptProposedAction();
    emit channelDropped(tileIndex, data);
}
