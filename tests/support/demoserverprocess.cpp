#include "demoserverprocess.h"

#include <QDeadlineTimer>

#include <csignal>
#include <sys/prctl.h>

DemoServerProcess::DemoServerProcess(const QStringList& arguments)
    : extra(arguments)
{
    // Its warnings and errors show in the test's output.
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

DemoServerProcess::~DemoServerProcess()
{
    stop();
}

QString DemoServerProcess::program()
{
#ifdef VELMORA_DEMO_SERVER
    return QStringLiteral(VELMORA_DEMO_SERVER);
#else
    return QString();
#endif
}

bool DemoServerProcess::start(int timeoutMs)
{
    if (program().isEmpty()) {
        error = QStringLiteral("the demo server is not built (VELMORA_BUILD_TOOLS=OFF)");
        return false;
    }
    const QStringList arguments =
        QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"),
                    QStringLiteral("--data-dir"), dir.path()} +
        extra;
    // A test that aborts (a sanitizer report) must not leave the server holding ctest's output
    // open, which would stall the whole run.
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process.start(program(), arguments);
    if (!process.waitForStarted(timeoutMs)) {
        error = process.errorString();
        return false;
    }
    const QDeadlineTimer deadline(timeoutMs);
    QByteArray seen;
    while (!deadline.hasExpired()) {
        if (!process.canReadLine() && !process.waitForReadyRead(int(deadline.remainingTime()))) {
            if (process.state() != QProcess::Running)
                break;
            continue;
        }
        while (process.canReadLine()) {
            const QByteArray line = process.readLine().trimmed();
            seen += line + '\n';
            if (line.startsWith("DEMO_SERVER_URL=")) {
                base = QString::fromUtf8(line.mid(16));
                return true;
            }
        }
    }
    error = QStringLiteral("no address line from the demo server (exit code %1): %2")
                .arg(process.exitCode())
                .arg(QString::fromUtf8(seen));
    process.kill();
    process.waitForFinished(2000);
    return false;
}

bool DemoServerProcess::stop(int timeoutMs)
{
    if (process.state() == QProcess::NotRunning)
        return true;
    process.terminate();
    if (process.waitForFinished(timeoutMs))
        return process.exitStatus() == QProcess::NormalExit;
    process.kill();
    process.waitForFinished(2000);
    return false;
}

QUrl DemoServerProcess::url(const QString& pathAndQuery) const
{
    return QUrl(base + pathAndQuery);
}
