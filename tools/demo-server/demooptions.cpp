#include "demooptions.h"

#include "faultcontrol.h"

#include <QCommandLineParser>
#include <QStandardPaths>
#include <QTimeZone>
#include <QUrl>

namespace {

bool positive(const QString& text, int minimum, int maximum, int* value)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < minimum || v > maximum)
        return false;
    *value = v;
    return true;
}

} // namespace

bool DemoOptions::parseListen(const QString& text, QHostAddress* address, quint16* port)
{
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon < 0)
        return false;
    QString host = text.left(colon);
    bool ok = false;
    const uint p = text.mid(colon + 1).toUInt(&ok);
    if (!ok || p > 65535)
        return false;
    if (host.startsWith(u'[') && host.endsWith(u']'))
        host = host.mid(1, host.size() - 2);
    QHostAddress a;
    if (host.isEmpty() || host == u"localhost")
        a = QHostAddress(QHostAddress::LocalHost);
    else if (!a.setAddress(host))
        return false;
    *address = a;
    *port = quint16(p);
    return true;
}

QString DemoOptions::defaultDataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/velmora-demo-server");
}

QString DemoOptions::baseUrl(quint16 actualPort) const
{
    if (!publicUrl.isEmpty())
        return publicUrl.endsWith(u'/') ? publicUrl.chopped(1) : publicUrl;
    QString host;
    if (address == QHostAddress::Any || address == QHostAddress::AnyIPv4)
        host = QStringLiteral("127.0.0.1");
    else if (address == QHostAddress::AnyIPv6)
        host = QStringLiteral("[::1]");
    else if (address.protocol() == QAbstractSocket::IPv6Protocol)
        host = u'[' + address.toString() + u']';
    else
        host = address.toString();
    // One pass: an IPv6 scope ("%2") in the host is not a place holder.
    return QStringLiteral("http://%1:%2").arg(host, QString::number(actualPort));
}

bool DemoOptions::parse(const QStringList& arguments, QString* message, bool* exitNow)
{
    *exitNow = false;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A made-up IPTV server for trying the player and testing it: an Xtream "
                       "player API\n(player_api.php, demo/demo), an M3U playlist (/playlist.m3u), "
                       "generated posters,\nlive channels made by ffmpeg on demand and short "
                       "movie and episode clips.\nPrints DEMO_SERVER_URL=<address> on standard "
                       "output once it listens.\n\n") +
        FaultControl::usage().chopped(1));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version."));
    const QCommandLineOption listen(QStringLiteral("listen"),
                                    QStringLiteral("Address and port to listen on; port 0 picks a "
                                                   "free one (default 127.0.0.1:8088)."),
                                    QStringLiteral("host:port"));
    const QCommandLineOption publicUrlOption(
        QStringLiteral("public-url"),
        QStringLiteral("Address clients reach the server at, used in poster and stream "
                       "addresses (default: from --listen)."),
        QStringLiteral("url"));
    const QCommandLineOption scaleOption(
        QStringLiteral("scale"),
        QStringLiteral("Number of movies; a fifth as many series, a tenth as many channels "
                       "(default 3000)."),
        QStringLiteral("n"));
    const QCommandLineOption dataDirOption(
        QStringLiteral("data-dir"),
        QStringLiteral("Folder for generated clips and live segments (default %1).")
            .arg(defaultDataDir()),
        QStringLiteral("dir"));
    const QCommandLineOption userOption(QStringLiteral("user"),
                                        QStringLiteral("User name (default demo)."),
                                        QStringLiteral("name"));
    const QCommandLineOption passwordOption(QStringLiteral("password"),
                                            QStringLiteral("Password (default demo)."),
                                            QStringLiteral("text"));
    const QCommandLineOption ffmpegOption(QStringLiteral("ffmpeg"),
                                          QStringLiteral("The ffmpeg program (default ffmpeg)."),
                                          QStringLiteral("path"));
    const QCommandLineOption idleOption(
        QStringLiteral("live-idle-ms"),
        QStringLiteral("Stop a live channel's ffmpeg after nobody watched for this long "
                       "(default 10000)."),
        QStringLiteral("ms"));
    const QCommandLineOption maxLiveOption(
        QStringLiteral("max-live"), QStringLiteral("Live channels running at once (default 3)."),
        QStringLiteral("n"));
    const QCommandLineOption maxConnectionsOption(
        QStringLiteral("max-connections"),
        QStringLiteral("Live streams the account may have open at once: the login reports it and "
                       "one more is refused with 403 (default: not enforced, the login says 3)."),
        QStringLiteral("n"));
    const QCommandLineOption clipOption(
        QStringLiteral("clip-seconds"),
        QStringLiteral("Make every movie and episode clip this long (default: 20 to 60 s)."),
        QStringLiteral("s"));
    const QCommandLineOption largeGuideOption(
        QStringLiteral("large-guide"),
        QStringLiteral("Serve a guide of 2,000 channels for 10 days (about 200 MB) from "
                       "xmltv.php, for benchmarks."));
    const QCommandLineOption zoneOption(
        QStringLiteral("timezone"),
        QStringLiteral("The server's time zone, in which archive addresses give their start "
                       "(default Europe/Amsterdam)."),
        QStringLiteral("name"));
    const QCommandLineOption noPathOption(
        QStringLiteral("no-timeshift-path"),
        QStringLiteral("Answer the /timeshift/... archive addresses with 404."));
    parser.addOptions({help, version, listen, publicUrlOption, scaleOption, dataDirOption,
                       userOption, passwordOption, ffmpegOption, idleOption, maxLiveOption,
                       maxConnectionsOption, clipOption, largeGuideOption, zoneOption,
                       noPathOption});

    if (!parser.parse(arguments)) {
        *message = parser.errorText();
        return false;
    }
    if (parser.isSet(help)) {
        *message = parser.helpText();
        *exitNow = true;
        return true;
    }
    if (parser.isSet(version)) {
        *message = QStringLiteral("velmora-demo-server %1\n").arg(QStringLiteral(VELMORA_VERSION));
        *exitNow = true;
        return true;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *message =
            QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first());
        return false;
    }
    if (parser.isSet(listen) && !parseListen(parser.value(listen), &address, &port)) {
        *message = QStringLiteral("--listen wants host:port, e.g. 127.0.0.1:8088 or 0.0.0.0:0");
        return false;
    }
    if (parser.isSet(publicUrlOption)) {
        publicUrl = parser.value(publicUrlOption);
        const QUrl url(publicUrl);
        if (!url.isValid() || url.scheme() != u"http" || url.host().isEmpty()) {
            *message = QStringLiteral("--public-url wants an http:// address");
            return false;
        }
    }
    if (parser.isSet(scaleOption) && !positive(parser.value(scaleOption), 1, 2'000'000, &scale)) {
        *message = QStringLiteral("--scale wants a number from 1 to 2000000");
        return false;
    }
    dataDir = parser.isSet(dataDirOption) ? parser.value(dataDirOption) : defaultDataDir();
    if (parser.isSet(userOption))
        username = parser.value(userOption);
    if (parser.isSet(passwordOption))
        password = parser.value(passwordOption);
    if (username.isEmpty()) {
        *message = QStringLiteral("--user must not be empty");
        return false;
    }
    if (parser.isSet(ffmpegOption))
        ffmpeg = parser.value(ffmpegOption);
    if (parser.isSet(idleOption) &&
        !positive(parser.value(idleOption), 1, 24 * 3600 * 1000, &liveIdleMs)) {
        *message = QStringLiteral("--live-idle-ms wants a positive number");
        return false;
    }
    if (parser.isSet(maxLiveOption) && !positive(parser.value(maxLiveOption), 1, 64, &maxLive)) {
        *message = QStringLiteral("--max-live wants a number from 1 to 64");
        return false;
    }
    if (parser.isSet(maxConnectionsOption) &&
        !positive(parser.value(maxConnectionsOption), 1, 1000, &maxConnections)) {
        *message = QStringLiteral("--max-connections wants a number from 1 to 1000");
        return false;
    }
    if (parser.isSet(clipOption) && !positive(parser.value(clipOption), 1, 3600, &clipSeconds)) {
        *message = QStringLiteral("--clip-seconds wants a number from 1 to 3600");
        return false;
    }
    largeGuide = parser.isSet(largeGuideOption);
    if (parser.isSet(zoneOption)) {
        timeZone = parser.value(zoneOption);
        if (!QTimeZone::isTimeZoneIdAvailable(timeZone.toUtf8())) {
            *message = QStringLiteral("--timezone wants a zone name such as Europe/Amsterdam");
            return false;
        }
    }
    archivePathForm = !parser.isSet(noPathOption);
    return true;
}
