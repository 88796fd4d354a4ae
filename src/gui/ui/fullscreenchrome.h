#pragma once

#include <QList>
#include <QObject>

class QBoxLayout;
class QTimer;
class QVBoxLayout;
class QWidget;

// Fullscreen viewing: the video fills the screen, the title, seek row and controls move onto an
// overlay along its bottom edge that shows on mouse movement and hides again after 3 s with the
// cursor. Double-click on the video and Escape (when fullscreen) switch; `changed` asks the window
// to show or hide the chrome, see controlsShown().
class FullscreenChrome final : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        QWidget* window = nullptr;
        QBoxLayout* centralLayout = nullptr;
        QList<QWidget*> hiddenWhenFullscreen; // server row, tabs, guide
        QWidget* playerPanel = nullptr;
        QVBoxLayout* playerPanelLayout = nullptr;
        QWidget* videoWidget = nullptr;
        QWidget* nowPlayingLabel = nullptr;
        QWidget* seekRow = nullptr;
        QWidget* controlsRow = nullptr;
    };

    explicit FullscreenChrome(const Parts& parts, QObject* parent);

    void toggleFullscreen();
    // Whether the player rows should show now, given that something plays.
    bool controlsShown() const { return !fullscreen || fullscreenControlsVisible; }
    // Shows the overlay where the rows sit when fullscreen, or hides it.
    void placeOverlay(bool show);
    // Off while the video sits in a multi-view tile, where a double click zooms the tile.
    void setVideoDoubleClickToggles(bool toggles) { videoDoubleClickToggles = toggles; }

    QWidget* fullscreenOverlay = nullptr;
    QVBoxLayout* fullscreenOverlayLayout = nullptr;
    int overlayHeight = 0;
    QTimer* controlsHideTimer = nullptr;
    bool fullscreen = false;
    bool fullscreenControlsVisible = false;

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFullscreenControls();
    void hideFullscreenControls();
    void repositionFullscreenChrome();

    const Parts parts;
    QList<QWidget*> hiddenBefore; // parts already hidden when fullscreen began
    bool videoDoubleClickToggles = true;
};
