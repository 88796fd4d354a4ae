// The pairing backend: hands out pairing codes to the player and takes the server details a
// phone sends for them. Prints "listening <url>" on standard output once it accepts requests.
// With --redis the pairings live in Redis, so several instances can serve them together.
#include "pairingserver.h"
#include "redisconnection.h"
#include "redispairingstorage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSslCertificate>
#include <QSslKey>
#include <QUrl>

#include <cstdio>
#include <optional>

namespace {
[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "velmora-pairing-server: %s\n", qPrintable(message));
    std::exit(2);
}

// "host:port", "[v6]:port" or "localhost:port".
std::pair<QHostAddress, quint16> parseListen(const QString& text)
{
    const int colon = int(text.lastIndexOf(QLatin1Char(':')));
    bool ok = false;
    const uint port = colon < 0 ? 0 : text.mid(colon + 1).toUInt(&ok);
    QString host = colon < 0 ? QString() : text.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    const QHostAddress address = host == QLatin1String("localhost")
                                     ? QHostAddress(QHostAddress::LocalHost)
                                     : QHostAddress(host);
    if (!ok || port > 65535 || address.isNull())
        fail(QStringLiteral("--listen wants HOST:PORT (for example 0.0.0.0:8787), not \"%1\"")
                 .arg(text));
    return {address, quint16(port)};
}

int positiveNumber(const QCommandLineParser& parser, const QString& name, int max)
{
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < 1 || value > max)
        fail(QStringLiteral("--%1 wants a whole number from 1 to %2").arg(name).arg(max));
    return value;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    return file.readAll();
}

QSslConfiguration tlsConfiguration(const QString& certPath, const QString& keyPath)
{
    const QList<QSslCertificate> chain = QSslCertificate::fromData(readFile(certPath), QSsl::Pem);
    if (chain.isEmpty())
        fail(QStringLiteral("%1 holds no PEM certificate").arg(certPath));
    const QByteArray keyData = readFile(keyPath);
    QSslKey key;
    for (QSsl::KeyAlgorithm algorithm : {QSsl::Rsa, QSsl::Ec, QSsl::Dsa}) {
        key = QSslKey(keyData, algorithm, QSsl::Pem);
        if (!key.isNull())
            break;
    }
    if (key.isNull())
        fail(QStringLiteral("%1 holds no unencrypted PEM private key").arg(keyPath));
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificateChain(chain);
    configuration.setPrivateKey(key);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    return configuration;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmora-pairing-server"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Pairing backend of Velmora Player: hands out pairing codes and takes the "
                       "server details typed on a phone."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("listen"),
         QStringLiteral("Address and port to listen on (port 0 picks a free one)."),
         QStringLiteral("host:port"), QStringLiteral("127.0.0.1:8787")},
        {QStringLiteral("public-url"),
         QStringLiteral("Origin the phone reaches this server at, written into pair_url "
                        "(default: the listening address)."),
         QStringLiteral("url")},
        {QStringLiteral("code-lifetime"), QStringLiteral("Seconds a pairing code stays valid."),
         QStringLiteral("seconds"), QStringLiteral("600")},
        {QStringLiteral("poll-interval"),
         QStringLiteral("Seconds between the player's status requests."), QStringLiteral("seconds"),
         QStringLiteral("3")},
        {QStringLiteral("max-pairings"),
         QStringLiteral("Pairings that may be in progress at once."), QStringLiteral("count"),
         QStringLiteral("1000")},
        {QStringLiteral("max-pairings-per-client"),
         QStringLiteral("Pairings one address may have in progress at once."),
         QStringLiteral("count"), QStringLiteral("20")},
        {QStringLiteral("redis"),
         QStringLiteral("Keep pairings, tokens and rate limits in Redis, shared by every "
                        "instance given the same server (default: in this process)."),
         QStringLiteral("redis://host:port[/db]")},
        {QStringLiteral("cert"), QStringLiteral("PEM certificate (chain) for HTTPS."),
         QStringLiteral("file")},
        {QStringLiteral("key"), QStringLiteral("PEM private key for HTTPS."),
         QStringLiteral("file")},
    });
    parser.process(app);
    if (!parser.positionalArguments().isEmpty())
        fail(
            QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));

    PairingServer::Settings settings;
    std::tie(settings.address, settings.port) = parseListen(parser.value(QStringLiteral("listen")));
    settings.limits.codeLifetimeSecs =
        positiveNumber(parser, QStringLiteral("code-lifetime"), 24 * 3600);
    settings.pollIntervalSecs = positiveNumber(parser, QStringLiteral("poll-interval"), 30);
    settings.limits.maxLivePairings =
        positiveNumber(parser, QStringLiteral("max-pairings"), 1000000);
    settings.limits.maxLivePairingsPerClient =
        std::min(positiveNumber(parser, QStringLiteral("max-pairings-per-client"), 1000000),
                 settings.limits.maxLivePairings);

    if (parser.isSet(QStringLiteral("public-url"))) {
        const QUrl url(parser.value(QStringLiteral("public-url")), QUrl::StrictMode);
        if (!url.isValid() || url.host().isEmpty() ||
            (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
            fail(QStringLiteral("--public-url wants an http:// or https:// address"));
        settings.publicUrl = parser.value(QStringLiteral("public-url"));
    }
    const bool hasCert = parser.isSet(QStringLiteral("cert"));
    if (hasCert != parser.isSet(QStringLiteral("key")))
        fail(QStringLiteral("--cert and --key go together"));
    if (hasCert) {
        settings.tls = true;
        settings.tlsConfiguration = tlsConfiguration(parser.value(QStringLiteral("cert")),
                                                     parser.value(QStringLiteral("key")));
    }

    PairingStorage* storage = nullptr;
    if (parser.isSet(QStringLiteral("redis"))) {
        RedisConnection::Address address;
        QString error;
        if (!RedisConnection::parseAddress(parser.value(QStringLiteral("redis")), &address, &error))
            fail(error);
        auto* redis = new RedisPairingStorage(address, settings.limits);
        RedisConnection* connection = redis->connection();
        const auto say = [](const QString& text) {
            std::fprintf(stderr, "velmora-pairing-server: %s\n", qPrintable(text));
        };
        QObject::connect(connection, &RedisConnection::connectedToServer, connection,
                         [connection, say] {
                             say(QStringLiteral("connected to %1").arg(connection->addressText()));
                         });
        QObject::connect(connection, &RedisConnection::connectionLost, connection,
                         [connection, say](const QString& why) {
                             say(QStringLiteral("lost %1 (%2); pairing answers 503 until it is "
                                                "back")
                                     .arg(connection->addressText(), why));
                         });
        storage = redis;
    }
    PairingServer server(settings, storage);
    QString error;
    if (!server.listen(&error))
        fail(QStringLiteral("cannot listen on %1: %2")
                 .arg(parser.value(QStringLiteral("listen")), error));
    if (settings.publicUrl.isEmpty() &&
        (settings.address == QHostAddress::AnyIPv4 || settings.address == QHostAddress::AnyIPv6 ||
         settings.address == QHostAddress::Any))
        std::fprintf(stderr, "velmora-pairing-server: listening on every address; pass "
                             "--public-url http://<this computer's LAN address>:<port> so the "
                             "QR code leads phones here\n");
    std::printf("listening %s\n", qPrintable(server.listeningUrl()));
    std::fflush(stdout);
    return app.exec();
}
