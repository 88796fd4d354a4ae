#include "playerprocess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>

#include <unistd.h>

namespace {
QByteArray procStatus(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    return status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
}

// The complete lines of `text` from byte `from` on, each with the offset just past it.
template <typename Visit>
void forEachLine(const QByteArray& text, qsizetype from, Visit visit)
{
    qsizetype start = std::max<qsizetype>(from, 0);
    for (qsizetype newline = text.indexOf('\n', start); newline >= 0;
         newline = text.indexOf('\n', start)) {
        if (visit(QString::fromUtf8(text.mid(start, newline - start)), newline + 1))
            return;
        start = newline + 1;
    }
}
} // namespace

PlayerProcess::PlayerProcess(const QString& program, const QString& profileDir, QObject* parent)
    : QObject(parent)
    , program(program)
    , profile(profileDir)
    , environment(QProcessEnvironment::systemEnvironment())
{
    for (const char* folder : {"config", "data", "cache"})
        QDir(profile).mkpath(QString::fromLatin1(folder));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome());
    environment.insert(QStringLiteral("XDG_CACHE_HOME"),
                       QDir(profile).filePath(QStringLiteral("cache")));
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardOutputFile(QProcess::nullDevice());
    connect(&process, &QProcess::readyReadStandardError, this,
            [this] { errors += process.readAllStandardError(); });
}

PlayerProcess::~PlayerProcess()
{
    stop();
}

QString PlayerProcess::configHome() const
{
    return QDir(profile).filePath(QStringLiteral("config"));
}

QString PlayerProcess::dataHome() const
{
    return QDir(profile).filePath(QStringLiteral("data"));
}

bool PlayerProcess::addDemoServer(const QString& demoProfileTool, const QString& url)
{
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(demoProfileTool, {QStringLiteral("--url"), url});
    if (!tool.waitForFinished(10000) || tool.exitStatus() != QProcess::NormalExit ||
        tool.exitCode() != 0) {
        error = QStringLiteral("%1 failed: %2 %3")
                    .arg(demoProfileTool, tool.errorString(),
                         QString::fromUtf8(tool.readAllStandardError()));
        return false;
    }
    return true;
}

void PlayerProcess::setVariable(const QString& name, const QString& value)
{
    environment.insert(name, value);
}

bool PlayerProcess::start()
{
    errors.clear();
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForStarted(10000)) {
        error = QStringLiteral("%1 did not start: %2").arg(program, process.errorString());
        return false;
    }
    return true;
}

void PlayerProcess::stop(int timeoutMs)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
    }
    errors += process.readAllStandardError();
}

QString PlayerProcess::waitForLine(const QRegularExpression& pattern, int timeoutMs, qsizetype from,
                                   qsizetype* end)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        QString found;
        forEachLine(errors, from, [&](const QString& line, qsizetype next) {
            if (!pattern.match(line).hasMatch())
                return false;
            found = line;
            if (end)
                *end = next;
            return true;
        });
        if (!found.isEmpty() || deadline.hasExpired())
            return found;
        if (process.state() == QProcess::NotRunning) {
            errors += process.readAllStandardError();
            error = QStringLiteral("the player ended (exit code %1)").arg(process.exitCode());
            return QString();
        }
        QEventLoop pause;
        QTimer::singleShot(20, &pause, &QEventLoop::quit);
        pause.exec();
    }
}

int PlayerProcess::countLines(const QRegularExpression& pattern, qsizetype from) const
{
    int count = 0;
    forEachLine(errors, from, [&](const QString& line, qsizetype) {
        if (pattern.match(line).hasMatch())
            ++count;
        return false;
    });
    return count;
}

qint64 PlayerProcess::peakRssKib() const
{
    static const QRegularExpression hwm(QStringLiteral("VmHWM:\\s*(\\d+)"));
    const QRegularExpressionMatch match = hwm.match(QString::fromLatin1(procStatus(pid())));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

double PlayerProcess::cpuSeconds() const
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid()));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    // Fields after the command name (which may hold spaces), from the state on: utime is the
    // 12th and stime the 13th of them.
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    const double ticks = double(::sysconf(_SC_CLK_TCK));
    return (fields.at(11).toLongLong() + fields.at(12).toLongLong()) / ticks;
}
