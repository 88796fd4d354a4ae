#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class QRegularExpression;

// The velmora-player program as a child process with a profile of its own: settings, application
// data and caches live under `profileDir` (XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_CACHE_HOME), so
// the developer's own servers are never touched. Its standard error is collected as it comes
// (with VELMORA_NET_DEBUG=1 that is the diagnostic lines). Ended with SIGTERM when destroyed.
class PlayerProcess final : public QObject
{
    Q_OBJECT

public:
    PlayerProcess(const QString& program, const QString& profileDir, QObject* parent = nullptr);
    ~PlayerProcess() override;

    // Adds the demo server at `url` to the profile with tools/demo-server's velmora-demo-profile.
    bool addDemoServer(const QString& demoProfileTool, const QString& url);

    // Extra variables for the player's environment (set before start()).
    void setVariable(const QString& name, const QString& value);

    // Command-line arguments for the player (set before start()).
    void setArguments(const QStringList& list) { arguments = list; }

    bool start();
    // SIGTERM, then SIGKILL when it does not end within `timeoutMs`.
    void stop(int timeoutMs = 5000);
    bool isRunning() const { return process.state() == QProcess::Running; }
    qint64 pid() const { return process.processId(); }
    int exitCode() const { return process.exitCode(); }

    QString configHome() const;
    QString dataHome() const;

    // Everything the player wrote to standard error so far.
    QByteArray standardError() const { return errors; }
    qsizetype errorSize() const { return errors.size(); }
    // Waits (running the event loop) for a complete line matching `pattern` that starts at or
    // after byte `from` of standard error. Returns the line, or an empty string on timeout;
    // `*end` (optional) receives the offset just past that line.
    QString waitForLine(const QRegularExpression& pattern, int timeoutMs, qsizetype from = 0,
                        qsizetype* end = nullptr);
    // Lines matching `pattern` that start at or after byte `from`.
    int countLines(const QRegularExpression& pattern, qsizetype from = 0) const;

    // Peak resident memory (VmHWM) and CPU time (user + system) of the running process.
    qint64 peakRssKib() const;
    double cpuSeconds() const;

    QString errorText() const { return error; }

private:
    QString program;
    QString profile;
    QProcess process;
    QProcessEnvironment environment;
    QStringList arguments;
    QByteArray errors;
    QString error;
};
