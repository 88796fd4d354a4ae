#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// The pair page in a real headless browser: tests/browser/pair-phone.mjs (playwright-core
// driving Debian's chromium) opens a pair link, types a code and server details and submits.
namespace PhoneBrowser {

struct Outcome
{
    int exitCode = -1;  // 0 when the page accepted the details, -1 when the browser hung
    QJsonObject result; // what the page said: ok, status, message
    QByteArray errors;  // the script's standard error
};

// False when the npm packages are missing (scripts/install-deps.sh installs them).
bool packagesInstalled();
// The node executable, empty when there is none.
QString node();
// Runs this thread's event loop until the browser is done.
Outcome submit(const QString& pairUrl, const QString& code, const QJsonObject& details);

} // namespace PhoneBrowser
