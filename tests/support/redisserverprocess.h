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

    QString url() const; // "redis://127.0.0.1:<port>"
    QString errorText() const { return error; }

private:
    QProcess process;
    QTemporaryDir dir;
    quint16 port = 0;
    QString error;
};
