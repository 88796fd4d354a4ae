#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

class QByteArray;
class QPoint;

// A top-level window of another process on the X display, driven from outside as a user drives
// it: found by its owner and title, given the keyboard focus, clicked and typed into through
// xdotool (X test input, so the program sees real key and button events), and looked at through
// screenshots of the display. Needs an X display (DISPLAY) and the xdotool program; the calling
// process must be a Qt GUI application on the xcb platform for grab().
class XWindowDriver final
{
public:
    // Whether an X display and xdotool are there; otherwise `why` says what is missing.
    static bool available(QString* why = nullptr);

    // Waits for a mapped window of process `pid` titled exactly `title` and reads its geometry.
    bool find(qint64 pid, const QString& title, int timeoutMs);
    // Mapped windows of process `pid`, all or only those titled exactly `title`.
    static int mappedWindows(qint64 pid, const QString& title = QString());

    QRect geometry() const { return rect; } // on the screen
    bool refreshGeometry();

    bool focus();
    // A left click at a point of the window.
    bool click(const QPoint& inWindow);
    // Key presses to the focused window, by xdotool's names ("Return", "shift+Tab", "Down").
    bool keys(const QStringList& names);
    bool type(const QString& text);

    // The window's part of the screen as shown now: the root window's pixels, so everything
    // drawn into the window counts, video included.
    QImage grab() const;

    QString errorText() const { return error; }

private:
    bool run(const QStringList& arguments, QByteArray* output = nullptr);

    QString window;
    QRect rect;
    QString error;
};
