#include "phonebrowser.h"

#include <QDir>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

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
    if (!process.waitForFinished(60000)) {
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
