// What happens when playback fails: an error box with "Retry" for movies and episodes, automatic
// reconnection with growing delays for live channels.
#include "ui/mainwindow.h"

#include "app/logmasking.h"
#include "app/messagebox.h"
#include "app/netlogstream.h"
#include "player/reconnectschedule.h"
#include "recording/timeshiftflow.h"
#include "ui/playbackcontroller.h"

#include <QLocale>
#include <QPushButton>

void MainWindow::onPlaybackInterrupted(const QString& reason)
{
    // Playback was already given up (or never started): a late report from libVLC about that
    // stream must not bring up the box a second time.
    if (!playback->hasMedia)
        return;
    if (timeShift->isBehindLive()) {
        timeShift->playbackFailed(); // back to live, where the reconnects take over
        return;
    }

    if (playback->currentKind != MediaItem::Live || playback->currentUrl.isEmpty()) {
        reconnect->cancel();
        playback->hasMedia = false;
        updatePlayerChrome();
        onPlaybackError(tr("Playback stopped: %1").arg(reason));
        return;
    }

    const int attempt = reconnect->interrupted();
    if (netDebugEnabled())
        NetLogStream() << "[VLC] live reconnect attempt" << attempt << "-" << reason;
    nowPlayingLabel->setText(tr("Reconnecting to %1... (attempt %2)")
                                 .arg(playback->currentTitle, QLocale().toString(attempt)));
}

void MainWindow::onPlaybackProgressing()
{
    reconnect->progressing();
}

void MainWindow::onPlaybackError(const QString& message)
{
    if (errorDialogOpen)
        return;
    errorDialogOpen = true;
    // The stream address may carry the account password; the box is often seen by others.
    QMessageBox box(QMessageBox::Warning, tr("Playback Error"), maskStreamUrlsIn(message),
                    QMessageBox::Close, this);
    QPushButton* retry = nullptr;
    if (!playback->currentUrl.isEmpty())
        retry = box.addButton(tr("Retry"), QMessageBox::ActionRole);
    QAbstractButton* clicked = MessageBox::exec(box);
    errorDialogOpen = false;
    if (retry && clicked == retry)
        replayCurrentStream();
}

void MainWindow::cancelLiveReconnect()
{
    reconnect->cancel();
}
