// What happens when playback fails: an error box with "Retry" for movies and episodes, automatic
// reconnection with growing delays for live channels.
#include "ui/mainwindow.h"

#include "app/clock.h"
#include "app/messagebox.h"
#include "app/netlogstream.h"
#include "player/livebuffertuner.h"
#include "ui/playbacktext.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

void MainWindow::onPlaybackInterrupted(const QString& reason)
{
    // Playback was already given up (or never started): a late report from libVLC about that
    // stream must not bring up the box a second time.
    if (!hasMedia)
        return;

    if (currentKind != MediaItem::Live || currentUrl.isEmpty()) {
        reconnectAttempts = 0;
        hasMedia = false;
        updatePlayerChrome();
        onPlaybackError(QStringLiteral("Playback stopped: ") + reason);
        return;
    }

    ++reconnectAttempts;
    if (netDebugEnabled())
        NetLogStream() << "[VLC] live reconnect attempt" << reconnectAttempts << "-" << reason;
    reconnectTimer->start(Clock::waitMs(reconnectDelayMs(reconnectAttempts)));
    nowPlayingLabel->setText(QStringLiteral("Reconnecting to %1... (attempt %2)")
                                 .arg(currentTitle, QString::number(reconnectAttempts)));
}

void MainWindow::onPlaybackProgressing()
{
    if (reconnectAttempts > 0) {
        reconnectTimer->stop();
        reconnectAttempts = 0;
    }
}

void MainWindow::onPlaybackError(const QString& message)
{
    if (errorDialogOpen)
        return;
    errorDialogOpen = true;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Playback Error"), message,
                    QMessageBox::Close, this);
    QPushButton* retry = nullptr;
    if (!currentUrl.isEmpty())
        retry = box.addButton(QStringLiteral("Retry"), QMessageBox::ActionRole);
    QAbstractButton* clicked = MessageBox::exec(box);
    errorDialogOpen = false;
    if (retry && clicked == retry)
        replayCurrentStream();
}

void MainWindow::cancelLiveReconnect()
{
    reconnectTimer->stop();
    reconnectAttempts = 0;
}

int MainWindow::currentLiveCachingMs() const
{
    return currentChannelKey.isEmpty() ? 0 : liveBufferTuner->cachingMsFor(currentChannelKey);
}
