#include "redisserverprocess.h"

#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <csignal>

RedisServerProcess::~RedisServerProcess()
{
    stop();
}

QString RedisServerProcess::program()
{
    return QStandardPaths::findExecutable(QStringLiteral("redis-server"));
}

bool RedisServerProcess::start()
{
    if (port == 0) {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0)) {
            error = probe.errorString();
            return false;
        }
        port = probe.serverPort();
    }
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program(),
                  {QStringLiteral("--port"), QString::number(port), QStringLiteral("--bind"),
                   QStringLiteral("127.0.0.1"), QStringLiteral("--save"), QString(),
                   QStringLiteral("--appendonly"), QStringLiteral("no"), QStringLiteral("--dir"),
                   dir.path(), QStringLiteral("--daemonize"), QStringLiteral("no")});
    if (!process.waitForStarted(5000)) {
        error = process.errorString();
        return false;
    }
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && process.state() == QProcess::Running) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (socket.waitForConnected(200))
            return true;
        QThread::msleep(20);
    }
    error = QStringLiteral("redis-server did not come up: ") + QString::fromUtf8(process.readAll());
    return false;
}

void RedisServerProcess::stop()
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.kill();
    process.waitForFinished(5000);
}

void RedisServerProcess::pause()
{
    if (process.state() == QProcess::Running)
        ::kill(pid_t(process.processId()), SIGSTOP);
}

void RedisServerProcess::resume()
{
    if (process.state() == QProcess::Running)
        ::kill(pid_t(process.processId()), SIGCONT);
}

QString RedisServerProcess::url() const
{
    return QStringLiteral("redis://127.0.0.1:%1").arg(port);
}
