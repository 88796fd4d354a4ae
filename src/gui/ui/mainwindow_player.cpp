// The player panel's wiring: its buttons, starting and restarting
// streams; position, volume, mute and the panel's keyboard shortcuts.
#include "ui/mainwindow.h"

#include "catchup/catchupplayback.h"
#include "lineup/lineupflow.h"
#include "multiview/multiviewcontroller.h"
#include "player/vlcplayer.h"
#include "recording/timeshiftflow.h"
#include "ui/clicktoseekslider.h"
#include "ui/fullscreenchrome.h"
#include "ui/guideflow.h"
#include "ui/libraryflow.h"
#include "ui/playbackcontroller.h"
#include "ui/playbacktext.h"
#include "ui/playerpanel.h"

#include <QPushButton>
#include <QShortcut>
#include <QSlider>

namespace {
// The volume to return to when un-muting.
int savedVolume = 100;
} // namespace

QWidget* MainWindow::buildPlayerPanel()
{
    auto* panel = new PlayerPanel(this);
    playerPanel = panel;
    playerPanelLayout = panel->panelLayout;
    videoWidget = panel->videoWidget;
    nowPlayingLabel = panel->nowPlayingLabel;
    seekRow = panel->seekRow;
    seekSlider = panel->seekSlider;
    timeLabel = panel->timeLabel;
    controlsRow = panel->controlsRow;
    playPauseButton = panel->playPauseButton;
    nextEpisodeButton = panel->nextEpisodeButton;
    subtitleButton = panel->subtitleButton;
    audioButton = panel->audioButton;
    volumeSlider = panel->volumeSlider;

    connect(panel->backButton, &QPushButton::clicked, this, [this]() { seekBy(-10000); });
    connect(panel->forwardButton, &QPushButton::clicked, this, [this]() { seekBy(10000); });
    connect(playPauseButton, &QPushButton::clicked, this, &MainWindow::togglePlayPause);
    connect(nextEpisodeButton, &QPushButton::clicked, this, &MainWindow::playNextEpisode);
    connect(panel->fullscreenButton, &QPushButton::clicked, this, &MainWindow::toggleFullscreen);
    connect(panel->infoButton, &QPushButton::clicked, this, &MainWindow::showStreamInfo);
    connect(subtitleButton, &QPushButton::clicked, this, &MainWindow::showSubtitleMenu);
    connect(audioButton, &QPushButton::clicked, this, &MainWindow::showAudioMenu);
    connect(volumeSlider, &QSlider::valueChanged, this, &MainWindow::onVolumeChanged);
    connect(seekSlider, &QSlider::sliderPressed, this, &MainWindow::onSeekSliderPressed);
    connect(seekSlider, &QSlider::sliderReleased, this, &MainWindow::onSeekSliderReleased);
    return playerPanel;
}

void MainWindow::createPanelShortcuts()
{
    auto add = [this](int key, auto action) {
        auto* shortcut = new QShortcut(QKeySequence(key), playerPanel);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    // F11 as elsewhere on the desktop, from anywhere in the window; in multi-view, where F zooms
    // a tile, it is the key into fullscreen.
    auto* f11 = new QShortcut(QKeySequence(Qt::Key_F11), this);
    f11->setContext(Qt::WindowShortcut);
    connect(f11, &QShortcut::activated, this, [this]() {
        if (fullscreenChrome->fullscreen || playback->hasMedia ||
            (multiView && multiView->isOpen()))
            toggleFullscreen();
    });
    add(Qt::Key_Space, [this]() { togglePlayPause(); });
    add(Qt::Key_F, [this]() { toggleFullscreen(); });
    add(Qt::Key_Up, [this]() { volumeSlider->setValue(std::min(volumeSlider->value() + 5, 100)); });
    add(Qt::Key_Down, [this]() { volumeSlider->setValue(std::max(volumeSlider->value() - 5, 0)); });
    add(Qt::Key_M, [this]() {
        if (volumeSlider->value() <= 0) {
            volumeSlider->setValue(savedVolume);
        } else {
            savedVolume = volumeSlider->value();
            volumeSlider->setValue(0);
        }
    });
    add(Qt::Key_Left, [this]() {
        if (playback->isSeekable() || timeShift->isActive())
            seekBy(-10000);
    });
    add(Qt::Key_Right, [this]() {
        if (playback->isSeekable() || timeShift->isActive())
            seekBy(10000);
    });
}

void MainWindow::playMediaItem(const MediaItem& item)
{
    if (lineupFlow && !lineupFlow->mayPlay(item))
        return;
    if (multiView && multiView->playIntoFocused(item))
        return;
    playback->playMediaItem(item);
}

void MainWindow::replayCurrentStream()
{
    playback->replayCurrentStream();
}

void MainWindow::seekBy(qint64 deltaMs)
{
    if (timeShift->isActive())
        timeShift->seekBy(deltaMs);
    else if (guideFlow->catchup->isActive())
        guideFlow->catchup->seekBy(deltaMs, player->timeMs());
    else
        player->seekRelative(deltaMs);
}

void MainWindow::updatePlayerChrome()
{
    // Multi-view's tiles play without the normal player; its rows hold the way out.
    const bool show = (playback->hasMedia || (multiView && multiView->isOpen())) &&
                      fullscreenChrome->controlsShown();
    const bool behindLive = timeShift && timeShift->isBehindLive();
    seekRow->setVisible(show && (playback->isSeekable() || behindLive));
    nowPlayingLabel->setVisible(show);
    controlsRow->setVisible(show);
    fullscreenChrome->placeOverlay(show);
}

void MainWindow::togglePlayPause()
{
    // Multi-view's tiles share the server's connections: there a pause is a plain pause.
    const bool tiles = multiView && multiView->isOpen();
    if (!tiles && timeShift->togglePause())
        return;
    player->togglePause();
}

void MainWindow::onVolumeChanged(int value)
{
    player->setVolume(value);
}

void MainWindow::onPositionChanged(qint64 currentMs, qint64 totalMs)
{
    libraryFlow->libraryTrackPosition(currentMs, totalMs);
    if (timeShift->isActive())
        return; // its own time line, see TimeShiftFlow::tick
    if (guideFlow->catchup->isActive()) {
        currentMs = guideFlow->catchup->positionAt(currentMs);
        totalMs = guideFlow->catchup->session().lengthMs();
    }
    if (!playback->isSeekable() || totalMs <= 0)
        return;
    if (!seekDragging) {
        const QSignalBlocker blocker(seekSlider);
        seekSlider->setRange(0, int(totalMs));
        seekSlider->setValue(int(currentMs));
    }
    timeLabel->setText(formatMs(currentMs) + QStringLiteral(" / ") + formatMs(totalMs));
}

void MainWindow::onSeekSliderPressed()
{
    seekDragging = true;
}

void MainWindow::onSeekSliderReleased()
{
    seekDragging = false;
    if (timeShift->isActive())
        timeShift->seekTo(seekSlider->value());
    else if (guideFlow->catchup->isActive())
        guideFlow->catchup->seekTo(seekSlider->value());
    else
        player->seek(seekSlider->value());
}
