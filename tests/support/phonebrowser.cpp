#include "phonebrowser.h"

#include <QDir>
#include <QEventLoop>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace {
const QString kBrowserDir = QStringLiteral(BROWSER_TEST_DIR);
}

namespace PhoneBrowser {

bool packagesInstalled()
{
    return QDir(kBrowserDir).exists(QStringLiteral("node_modules/playwright-core"));
}

QString node()
{
    return QStandardPaths::findExecutable(QStringLiteral("node"));
}

Outcome submit(const QString& pairUrl, const QString& code, const QJsonObject& details)
{
    QProcess process;
    process.setWorkingDirectory(kBrowserDir);
    process.start(node(), {QDir(kBrowserDir).filePath(QStringLiteral("pair-phone.mjs")), pairUrl,
                           code, QString::fromUtf8(QJsonDocument(details).toJson())});
    Outcome outcome;
    if (!process.waitForStarted(10000)) {
        outcome.errors = "the browser did not start: " + process.errorString().toUtf8();
        return outcome;
    }
    // The event loop keeps running meanwhile, so a backend inside this process can answer.
    QEventLoop loop;
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    loop.exec();
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        outcome.errors = "the browser did not finish";
        return outcome;
    }
    outcome.exitCode = process.exitCode();
    outcome.result = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    outcome.errors = process.readAllStandardError();
    return outcome;
}

} // namespace PhoneBrowser
