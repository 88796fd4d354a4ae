// Fullscreen viewing with auto-hiding controls, the subtitle and audio-track menus, side-loaded
// subtitles and the stream-information windows.
#include "ui/mainwindow.h"

#include "app/filedialog.h"
#include "guide/guidepanel.h"
#include "player/vlcplayer.h"

#include <QActionGroup>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

void MainWindow::createFullscreenControls()
{
    fullscreenOverlay = new QWidget(playerPanel);
    fullscreenOverlay->setObjectName(QStringLiteral("fullscreenOverlay"));
    // A native window of its own, so it can sit above the native window the video draws into.
    fullscreenOverlay->setAttribute(Qt::WA_DontCreateNativeAncestors);
    fullscreenOverlay->setAttribute(Qt::WA_NativeWindow);
    fullscreenOverlay->winId();
    fullscreenOverlayLayout = new QVBoxLayout(fullscreenOverlay);
    fullscreenOverlayLayout->setContentsMargins(0, 0, 0, 0);
    fullscreenOverlay->hide();
}

void MainWindow::toggleFullscreen()
{
    fullscreen = !fullscreen;
    fullscreenControlsVisible = false;
    controlsHideTimer->stop();
    videoWidget->unsetCursor();

    serverRow->setVisible(!fullscreen);
    tabs->setVisible(!fullscreen);
    guidePanel->setVisible(!fullscreen);
    centralLayout->setContentsMargins(QMargins() + (fullscreen ? 0 : 6));
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

    updatePlayerChrome();
    if (fullscreen)
        showFullScreen();
    else
        showNormal();
}

void MainWindow::showFullscreenControls()
{
    if (!fullscreen)
        return;
    if (!fullscreenControlsVisible) {
        fullscreenControlsVisible = true;
        updatePlayerChrome();
    }
    videoWidget->unsetCursor();
    controlsHideTimer->start();
}

void MainWindow::hideFullscreenControls()
{
    if (!fullscreen)
        return;
    fullscreenControlsVisible = false;
    updatePlayerChrome();
    videoWidget->setCursor(Qt::BlankCursor);
}

void MainWindow::repositionFullscreenChrome()
{
    if (!fullscreen)
        return;
    fullscreenOverlay->setGeometry(0, playerPanel->height() - overlayHeight, playerPanel->width(),
                                   overlayHeight);
}

namespace {
// Menus open upward: their bottom edge on the button's top edge.
void execAbove(QMenu& menu, QWidget* button)
{
    menu.exec(button->mapToGlobal(QPoint(0, -menu.sizeHint().height())));
}
} // namespace

void MainWindow::showSubtitleMenu()
{
    QMenu menu(this);
    auto* group = new QActionGroup(&menu);
    group->setExclusive(true);
    const int current = player->currentSubtitleTrack();

    QAction* disable = menu.addAction(QStringLiteral("Disable"));
    disable->setCheckable(true);
    disable->setChecked(current < 0);
    group->addAction(disable);
    connect(disable, &QAction::triggered, this, [this]() { player->setSubtitleTrack(-1); });

    const QList<QPair<int, QString>> tracks = player->subtitleTracks();
    if (!tracks.isEmpty()) {
        menu.addSeparator();
        for (const auto& [id, name] : tracks) {
            QAction* action = menu.addAction(name);
            action->setCheckable(true);
            action->setChecked(id == current);
            group->addAction(action);
            connect(action, &QAction::triggered, this,
                    [this, id = id]() { player->setSubtitleTrack(id); });
        }
    }
    menu.addSeparator();
    QAction* load = menu.addAction(QStringLiteral("Load Subtitle File..."));
    connect(load, &QAction::triggered, this, &MainWindow::loadSubtitleFile);
    execAbove(menu, subtitleButton);
}

void MainWindow::showAudioMenu()
{
    QMenu menu(this);
    auto* group = new QActionGroup(&menu);
    group->setExclusive(true);
    const int current = player->currentAudioTrack();
    const QList<QPair<int, QString>> tracks = player->audioTracks();
    for (const auto& [id, name] : tracks) {
        QAction* action = menu.addAction(name);
        action->setCheckable(true);
        action->setChecked(id == current);
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, id = id]() { player->setAudioTrack(id); });
    }
    if (tracks.isEmpty())
        menu.addAction(QStringLiteral("No audio tracks"))->setEnabled(false);
    execAbove(menu, audioButton);
}

void MainWindow::loadSubtitleFile()
{
    const QString path = FileDialog::getOpenFileName(
        this, QStringLiteral("Load Subtitle File"), QString(),
        QStringLiteral("Subtitles (*.srt *.ass *.ssa *.sub *.vtt);;All Files (*)"));
    if (!path.isEmpty())
        player->loadSubtitleFile(path);
}

void MainWindow::showStreamInfo()
{
    auto* dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Stream Info"));
    dialog->setMinimumSize(440, 340);
    auto* layout = new QVBoxLayout(dialog);
    auto* text = new QPlainTextEdit(dialog);
    text->setReadOnly(true);
    text->setPlainText(player->mediaInfoText());
    auto* refresh = new QPushButton(QStringLiteral("Refresh"), dialog);
    layout->addWidget(text, 1);
    layout->addWidget(refresh, 0);
    connect(refresh, &QPushButton::clicked, text,
            [this, text]() { text->setPlainText(player->mediaInfoText()); });
    dialog->show();
}
