#include "recording/recordingtray.h"

#include "app/messagebox.h"
#include "recording/recordingmanager.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>

namespace {
constexpr qint64 kDayMs = 24 * 3600 * 1000;
} // namespace

RecordingTray::RecordingTray(QWidget* parentWindow, RecordingManager* recordings, QObject* parent)
    : QObject(parent)
    , window(parentWindow)
    , manager(recordings)
{
    window->installEventFilter(this);
    connect(manager, &RecordingManager::changed, this, &RecordingTray::quitWhenDone);
}

bool RecordingTray::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window && event->type() == QEvent::Close && !closing && !allowClose()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool RecordingTray::allowClose()
{
    if (!manager->busy(kDayMs))
        return true;
    const int running = manager->runningCount();
    const QString what = running > 0 ? tr("%n recording(s) are running.", "", running)
                                     : tr("A recording is planned within the next day.");
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        const auto answer = MessageBox::question(
            window, tr("Recordings Need the Player"),
            tr("%1 Recordings need the program open, and this desktop has no system tray to "
               "keep it in. Close anyway?")
                .arg(what),
            QMessageBox::Close | QMessageBox::Cancel, QMessageBox::Cancel);
        return answer == QMessageBox::Close;
    }
    QMessageBox box(
        QMessageBox::Question, tr("Keep Recording?"),
        tr("%1 Keep the program running in the system tray until they are done?").arg(what),
        QMessageBox::NoButton, window);
    QPushButton* keep = box.addButton(tr("Keep Running in Tray"), QMessageBox::AcceptRole);
    QPushButton* quit = box.addButton(tr("Quit and Stop Recording"), QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(keep);
    QAbstractButton* chosen = MessageBox::exec(box);
    if (chosen == keep) {
        hideToTray();
        return false;
    }
    return chosen == quit;
}

void RecordingTray::hideToTray()
{
    if (!icon) {
        icon = new QSystemTrayIcon(window->windowIcon(), this);
        auto* menu = new QMenu(window);
        menu->addAction(tr("Show Player"), this, &RecordingTray::showWindow);
        menu->addAction(tr("Quit"), this, [this]() {
            closing = true;
            window->close();
            QApplication::quit();
        });
        icon->setContextMenu(menu);
        connect(icon, &QSystemTrayIcon::activated, this, [this](auto reason) {
            if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                showWindow();
        });
    }
    icon->setToolTip(tr("Velmora Player is recording"));
    icon->show();
    QApplication::setQuitOnLastWindowClosed(false);
    hiddenInTray = true;
    window->hide();
}

void RecordingTray::showWindow()
{
    hiddenInTray = false;
    if (icon)
        icon->hide();
    QApplication::setQuitOnLastWindowClosed(true);
    window->show();
    window->raise();
    window->activateWindow();
}

void RecordingTray::quitWhenDone()
{
    // Kept only for the recordings: once nothing is left to do the program ends.
    if (hiddenInTray && !manager->busy(kDayMs)) {
        closing = true;
        window->close();
        QApplication::quit();
    }
}
