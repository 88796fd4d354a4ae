#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

// The demo server (tools/demo-server) as a child process on 127.0.0.1 with an ephemeral port and
// a temporary data folder, for tests that need a whole Xtream server with live channels and clips.
// Extra arguments come after the defaults, so they win (e.g. "--scale", "50").
class DemoServerProcess final
{
public:
    explicit DemoServerProcess(const QStringList& arguments = {});
    ~DemoServerProcess();

    DemoServerProcess(const DemoServerProcess&) = delete;
    DemoServerProcess& operator=(const DemoServerProcess&) = delete;

    // Starts the server and waits until it prints its address. False with errorText() otherwise.
    bool start(int timeoutMs = 30000);
    // SIGTERM, then waits for a clean exit (live folders removed, ffmpeg ended).
    bool stop(int timeoutMs = 10000);

    QString baseUrl() const { return base; }
    QUrl url(const QString& pathAndQuery) const;
    QString dataDir() const { return dir.path(); }
    qint64 pid() const { return process.processId(); }
    QString errorText() const { return error; }

    static QString program();

private:
    QTemporaryDir dir;
    QProcess process;
    QStringList extra;
    QString base;
    QString error;
};
