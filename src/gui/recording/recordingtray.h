#pragma once

#include <QObject>

class QSystemTrayIcon;
class RecordingManager;

// Closing the window while a recording runs, or one is due within a day, asks whether the
// program should keep running in the system tray until they are done. Where no tray exists it
// says that recordings need the program open, and closes only when told to.
class RecordingTray final : public QObject
{
    Q_OBJECT

public:
    RecordingTray(QWidget* window, RecordingManager* manager, QObject* parent);

    bool inTray() const { return icon != nullptr && hiddenInTray; }
    // Back from the tray: the window shows again.
    void showWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool allowClose();
    void hideToTray();
    void quitWhenDone();

    QWidget* window;
    RecordingManager* manager;
    QSystemTrayIcon* icon = nullptr;
    bool hiddenInTray = false;
    bool closing = false;
};
