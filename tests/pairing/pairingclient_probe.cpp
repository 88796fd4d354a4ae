// Shows what the pairing client makes of its environment; the test runs it with various
// environments because the backend address is read once per process.
//   line 1: backendBaseUrl()
//   line 2: backendBaseUrl() after VELMORA_BACKEND_URL was changed
//   with the argument "start", line 3: "ok" or the error text of one start request
#include "pairing/pairingclient.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    std::printf("%s\n", qPrintable(backendBaseUrl()));
    qputenv("VELMORA_BACKEND_URL", "http://changed.invalid/");
    std::printf("%s\n", qPrintable(backendBaseUrl()));
    if (app.arguments().value(1) != QLatin1String("start"))
        return 0;
    PairingClient client;
    client.start([&app](bool ok, const PairingClient::Started&, const QString& error) {
        std::printf("%s\n", ok ? "ok" : qPrintable(error));
        app.quit();
    });
    return app.exec();
}
