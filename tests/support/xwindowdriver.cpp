#include "xwindowdriver.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPixmap>
#include <QPoint>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

namespace {
bool xdotool(const QStringList& arguments, QByteArray* output, QString* error)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        if (error) {
            *error = QStringLiteral("xdotool %1: %2 %3")
                         .arg(arguments.join(u' '), process.errorString(),
                              QString::fromUtf8(process.readAllStandardError()).trimmed());
        }
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(1000);
        }
        return false;
    }
    if (output)
        *output = process.readAllStandardOutput();
    return true;
}

QStringList windowsOf(qint64 pid, const QString& title)
{
    QStringList arguments{QStringLiteral("search"), QStringLiteral("--all"),
                          QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                          QString::number(pid)};
    if (!title.isEmpty()) {
        arguments << QStringLiteral("--name")
                  << QStringLiteral("^%1$").arg(QRegularExpression::escape(title));
    }
    QByteArray output;
    // No match is an exit code of 1.
    if (!xdotool(arguments, &output, nullptr))
        return {};
    return QString::fromLatin1(output).split(u'\n', Qt::SkipEmptyParts);
}

void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

bool XWindowDriver::available(QString* why)
{
    QString missing;
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        missing = QStringLiteral("no X display (DISPLAY is empty)");
    else if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        missing = QStringLiteral("xdotool is not installed (scripts/install-deps.sh installs it)");
    if (why)
        *why = missing;
    return missing.isEmpty();
}

bool XWindowDriver::find(qint64 pid, const QString& title, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const QStringList found = windowsOf(pid, title);
        if (!found.isEmpty()) {
            window = found.first();
            return refreshGeometry();
        }
        if (deadline.hasExpired()) {
            error = QStringLiteral("no window \"%1\" of process %2 appeared").arg(title).arg(pid);
            return false;
        }
        pause(50);
    }
}

int XWindowDriver::mappedWindows(qint64 pid, const QString& title)
{
    return int(windowsOf(pid, title).size());
}

bool XWindowDriver::refreshGeometry()
{
    QByteArray output;
    if (!run({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window}, &output))
        return false;
    int values[4] = {-1, -1, -1, -1};
    const char* keys[4] = {"X=", "Y=", "WIDTH=", "HEIGHT="};
    for (const QByteArray& line : output.split('\n')) {
        for (int i = 0; i < 4; ++i) {
            if (line.startsWith(keys[i]))
                values[i] = line.mid(int(qstrlen(keys[i]))).toInt();
        }
    }
    if (values[2] <= 0 || values[3] <= 0) {
        error = QStringLiteral("no geometry for window %1: %2")
                    .arg(window, QString::fromLatin1(output));
        return false;
    }
    rect = QRect(values[0], values[1], values[2], values[3]);
    return true;
}

bool XWindowDriver::focus()
{
    // With a window manager the window is activated (raised and focused) through it; without
    // one (a bare Xvfb) the focus is set directly.
    return run({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window}) ||
           run({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
}

bool XWindowDriver::click(const QPoint& inWindow)
{
    return run({QStringLiteral("mousemove"), QStringLiteral("--sync"), QStringLiteral("--window"),
                window, QString::number(inWindow.x()), QString::number(inWindow.y()),
                QStringLiteral("click"), QStringLiteral("1")});
}

bool XWindowDriver::keys(const QStringList& names)
{
    return run(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")} +
               names);
}

bool XWindowDriver::type(const QString& text)
{
    return run({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text});
}

QImage XWindowDriver::grab() const
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QImage();
    return screen->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

bool XWindowDriver::run(const QStringList& arguments, QByteArray* output)
{
    return xdotool(arguments, output, &error);
}
