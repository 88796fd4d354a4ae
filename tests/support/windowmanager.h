#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTest>
#include <QWidget>

// Runs a window manager on the virtual display, as every desktop has one: making a window
// fullscreen is its job.
class WindowManager final
{
public:
    ~WindowManager() { stop(); }

    bool start()
    {
        process.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        if (!process.waitForStarted(5000))
            return false;
        return QTest::qWaitFor(
            [this] {
                return process.state() == QProcess::Running &&
                       xprop({QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                           .contains("window id");
            },
            5000);
    }

    void stop()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        process.waitForFinished(5000);
        xprop({QStringLiteral("-root"), QStringLiteral("-remove"),
               QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
    }

    // Whether the manager has taken `window` under its care.
    static bool manages(const QWidget& window)
    {
        const QByteArray list =
            xprop({QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST")});
        const QByteArray id = "0x" + QByteArray::number(quint64(window.winId()), 16);
        return list.contains(id);
    }

private:
    static QByteArray xprop(const QStringList& arguments)
    {
        QProcess p;
        p.start(QStringLiteral("xprop"), arguments);
        p.waitForFinished(5000);
        return p.readAllStandardOutput();
    }

    QProcess process;
};
