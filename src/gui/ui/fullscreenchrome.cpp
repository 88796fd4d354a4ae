#include "ui/fullscreenchrome.h"

#include "app/clock.h"

#include <QApplication>
#include <QEvent>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

FullscreenChrome::FullscreenChrome(const Parts& parts, QObject* parent)
    : QObject(parent)
    , parts(parts)
{
    QWidget* const playerPanel = parts.playerPanel;
    fullscreenOverlay = new QWidget(playerPanel);
    fullscreenOverlay->setObjectName(QStringLiteral("fullscreenOverlay"));
    // A native window of its own, so it can sit above the native window the video draws into.
    fullscreenOverlay->setAttribute(Qt::WA_DontCreateNativeAncestors);
    fullscreenOverlay->setAttribute(Qt::WA_NativeWindow);
    fullscreenOverlay->winId();
    // Opaque: the title and "Vol:" have no background of their own and would be drawn over
    // whatever the video left in the window.
    fullscreenOverlay->setAutoFillBackground(true);
    fullscreenOverlayLayout = new QVBoxLayout(fullscreenOverlay);
    fullscreenOverlayLayout->setContentsMargins(0, 0, 0, 0);
    fullscreenOverlay->hide();

    controlsHideTimer = new QTimer(this);
    controlsHideTimer->setSingleShot(true);
    controlsHideTimer->setInterval(Clock::waitMs(3000));
    connect(controlsHideTimer, &QTimer::timeout, this, &FullscreenChrome::hideFullscreenControls);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), parts.window);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this]() {
        if (fullscreen)
            toggleFullscreen();
    });
    // Mouse movement anywhere in the application brings the controls back.
    qApp->installEventFilter(this);
}

bool FullscreenChrome::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        if (fullscreen)
            showFullscreenControls();
        break;
    case QEvent::MouseButtonDblClick:
        if (watched == parts.videoWidget && videoDoubleClickToggles)
            toggleFullscreen();
        break;
    case QEvent::Resize:
        if (watched == parts.playerPanel && fullscreen)
            repositionFullscreenChrome();
        break;
    default:
        break;
    }
    return false;
}

void FullscreenChrome::placeOverlay(bool show)
{
    if (!fullscreen)
        return;
    if (show) {
        fullscreenOverlay->setGeometry(0, parts.playerPanel->height() - overlayHeight,
                                       parts.playerPanel->width(), overlayHeight);
        fullscreenOverlay->show();
        fullscreenOverlay->raise();
    } else {
        fullscreenOverlay->hide();
    }
}

void FullscreenChrome::toggleFullscreen()
{
    QWidget* const videoWidget = parts.videoWidget;
    QWidget* const playerPanel = parts.playerPanel;
    QVBoxLayout* const playerPanelLayout = parts.playerPanelLayout;
    QWidget* const nowPlayingLabel = parts.nowPlayingLabel;
    QWidget* const seekRow = parts.seekRow;
    QWidget* const controlsRow = parts.controlsRow;
    fullscreen = !fullscreen;
    fullscreenControlsVisible = false;
    controlsHideTimer->stop();
    videoWidget->unsetCursor();

    // Back out of fullscreen, only what showed before comes back.
    if (fullscreen) {
        hiddenBefore.clear();
        for (QWidget* part : parts.hiddenWhenFullscreen) {
            if (part->isHidden())
                hiddenBefore.append(part);
        }
    }
    for (QWidget* part : parts.hiddenWhenFullscreen)
        part->setVisible(!fullscreen && !hiddenBefore.contains(part));
    parts.centralLayout->setContentsMargins(QMargins() + (fullscreen ? 0 : 6));
    playerPanelLayout->setContentsMargins(QMargins() + (fullscreen ? 0 : 4));

    QWidget* const chrome[] = {nowPlayingLabel, seekRow, controlsRow};
    if (fullscreen) {
        const bool seekVisible = seekRow->isVisibleTo(playerPanel);
        for (QWidget* widget : chrome) {
            playerPanelLayout->removeWidget(widget);
            fullscreenOverlayLayout->addWidget(widget);
            widget->show();
        }
        overlayHeight = fullscreenOverlay->sizeHint().height();
        seekRow->setVisible(seekVisible);
        repositionFullscreenChrome();
    } else {
        fullscreenOverlay->hide();
        // Back where they were: the title under the video, the rows at the bottom (other rows,
        // such as the resume notice, stay between).
        for (QWidget* widget : chrome)
            fullscreenOverlayLayout->removeWidget(widget);
        playerPanelLayout->insertWidget(playerPanelLayout->indexOf(videoWidget) + 1,
                                        nowPlayingLabel, 0);
        playerPanelLayout->addWidget(seekRow, 0);
        playerPanelLayout->addWidget(controlsRow, 0);
    }

    emit changed();
    if (fullscreen)
        parts.window->showFullScreen();
    else
        parts.window->showNormal();
}

void FullscreenChrome::showFullscreenControls()
{
    if (!fullscreen)
        return;
    if (!fullscreenControlsVisible) {
        fullscreenControlsVisible = true;
        emit changed();
    }
    parts.videoWidget->unsetCursor();
    controlsHideTimer->start();
}

void FullscreenChrome::hideFullscreenControls()
{
    if (!fullscreen)
        return;
    fullscreenControlsVisible = false;
    emit changed();
    parts.videoWidget->setCursor(Qt::BlankCursor);
}

void FullscreenChrome::repositionFullscreenChrome()
{
    if (!fullscreen)
        return;
    fullscreenOverlay->setGeometry(0, parts.playerPanel->height() - overlayHeight,
                                   parts.playerPanel->width(), overlayHeight);
}
