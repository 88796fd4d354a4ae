#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A real redis-server on a free loopback port, without persistence, in a folder of its own.
// It ends when this object is destroyed; restart() brings it back empty on the same port.
class RedisServerProcess final
{
public:
    RedisServerProcess() = default;
    ~RedisServerProcess();

    RedisServerProcess(const RedisServerProcess&) = delete;
    RedisServerProcess& operator=(const RedisServerProcess&) = delete;

    static QString program(); // empty when redis-server is not installed

    bool start(); // false (see errorText()) when it did not come up
    void stop();
    bool restart() { return start(); }
    // Freezes the server (SIGSTOP): connections stay open but nothing is answered.
    void pause();
    void resume();

    QString url() const; // "redis://127.0.0.1:<port>"
    QString errorText() const { return error; }
    qint64 pid() const { return process.processId(); }

private:
    QProcess process;
    QTemporaryDir dir;
    quint16 port = 0;
    QString error;
};
