// velmora-demo-profile: adds the demo server to the player's server store, or points the entry
// it added before at the demo server's current address. The store is the one the player reads
// (organisation "Velmora", application "Player"; on Linux under XDG_CONFIG_HOME), so with a
// redirected XDG_CONFIG_HOME the user's own servers are never touched. scripts/run.sh and the
// end-to-end tests use it.
#include "sources/sourcemanager.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSettings>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmora-demo-profile"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Adds the demo server (an Xtream server) to the player's server store, or updates the "
        "entry of that name, and makes it the active server when the store had none. Other "
        "servers are left as they are."));
    parser.addHelpOption();
    const QCommandLineOption url(QStringLiteral("url"),
                                 QStringLiteral("Address of the demo server (required)."),
                                 QStringLiteral("url"));
    const QCommandLineOption name(QStringLiteral("name"), QStringLiteral("Server name."),
                                  QStringLiteral("name"), QStringLiteral("Velmora Demo"));
    const QCommandLineOption user(QStringLiteral("user"), QStringLiteral("User name."),
                                  QStringLiteral("name"), QStringLiteral("demo"));
    const QCommandLineOption password(QStringLiteral("password"), QStringLiteral("Password."),
                                      QStringLiteral("text"), QStringLiteral("demo"));
    parser.addOptions({url, name, user, password});
    parser.process(app);
    if (!parser.isSet(url) || parser.value(url).isEmpty() || parser.value(name).isEmpty()) {
        std::fprintf(stderr, "velmora-demo-profile: --url and a non-empty --name are needed\n");
        return 2;
    }

    SourceManager store;
    SourceConfig config;
    config.type = SourceConfig::Xtream;
    config.name = parser.value(name);
    config.url = parser.value(url);
    config.username = parser.value(user);
    config.password = parser.value(password);
    config.liveExtension = QStringLiteral("ts");

    const QList<SourceConfig> existing = store.sources();
    const auto found = std::find_if(existing.cbegin(), existing.cend(),
                                    [&](const SourceConfig& s) { return s.name == config.name; });
    const bool same = found != existing.cend() && found->type == config.type &&
                      found->url == config.url && found->username == config.username &&
                      found->password == config.password &&
                      found->liveExtension == config.liveExtension;
    // The cached catalog names posters and streams at the old address: fetch it again after a move.
    config.lastUpdated = same ? found->lastUpdated : 0;
    if (!same)
        store.saveSource(config);
    // A server the user chose in this profile stays the one that opens.
    if (store.lastActiveSourceName().isEmpty())
        store.setLastActiveSourceName(config.name);

    const QByteArray file =
        QSettings(QStringLiteral("Velmora"), QStringLiteral("Player")).fileName().toLocal8Bit();
    std::printf("%s\n", file.constData());
    return 0;
}
