// The pairing client against our real backend process on loopback.
#include "pairing/pairingclient.h"

#include "pairingserverprocess.h"
#include "pairingsteps.h"
#include "testmain.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSysInfo>

class TestPairingClientBackend : public QObject
{
    Q_OBJECT

private:
    PairingServerProcess backend{QStringLiteral(PAIRING_SERVER)};
    PairingClient client;

private slots:
    void initTestCase()
    {
        QVERIFY2(backend.start({QStringLiteral("--code-lifetime"), QStringLiteral("2"),
                                QStringLiteral("--poll-interval"), QStringLiteral("1")}),
                 qPrintable(backend.errorText()));
        // Read once per process, on the first request: set before any.
        qputenv("VELMORA_BACKEND_URL", backend.baseUrl().toUtf8());
    }

    void xtreamAccount()
    {
        const PairingClient::Started started = openPairing(client);
        QCOMPARE(started.code.size(), 6);
        QCOMPARE(started.pairUrl, backend.baseUrl() + QStringLiteral("/pair?code=") + started.code);
        QCOMPARE(started.expiresIn, 2);
        QCOMPARE(started.pollInterval, 1);
        QCOMPARE(pairingStatus(client, started.deviceToken).first, PairingClient::Pending);

        QCOMPARE(backend.submit(started.code.toLower(),
                                {{QStringLiteral("type"), QStringLiteral("xtream")},
                                 {QStringLiteral("name"), QStringLiteral("Living room")},
                                 {QStringLiteral("url"), QStringLiteral("http://tv.example:8080")},
                                 {QStringLiteral("username"), QStringLiteral("me")},
                                 {QStringLiteral("password"), QStringLiteral(" p@ss word ")},
                                 {QStringLiteral("live_extension"), QStringLiteral("m3u8")}}),
                 200);
        const auto [status, config] = pairingStatus(client, started.deviceToken);
        QCOMPARE(status, PairingClient::Ready);
        QCOMPARE(config.type, int(SourceConfig::Xtream));
        QCOMPARE(config.name, QStringLiteral("Living room"));
        QCOMPARE(config.url, QStringLiteral("http://tv.example:8080"));
        QCOMPARE(config.username, QStringLiteral("me"));
        QCOMPARE(config.password, QStringLiteral(" p@ss word "));
        QCOMPARE(config.liveExtension, QStringLiteral("m3u8"));
        QCOMPARE(config.lastUpdated, qint64(0));
        // Handed out once: the next poll hears that the pairing is over.
        QCOMPARE(pairingStatus(client, started.deviceToken).first, PairingClient::Expired);
    }

    void playlist()
    {
        const PairingClient::Started started = openPairing(client);
        QCOMPARE(
            backend.submit(started.code,
                           {{QStringLiteral("type"), QStringLiteral("m3u")},
                            {QStringLiteral("name"), QStringLiteral("List")},
                            {QStringLiteral("url"), QStringLiteral("https://lists.example/a.m3u")},
                            {QStringLiteral("username"), QStringLiteral("ignored")},
                            {QStringLiteral("password"), QStringLiteral("ignored")}}),
            200);
        const auto [status, config] = pairingStatus(client, started.deviceToken);
        QCOMPARE(status, PairingClient::Ready);
        QCOMPARE(config.type, int(SourceConfig::M3u));
        QCOMPARE(config.url, QStringLiteral("https://lists.example/a.m3u"));
        QVERIFY(config.username.isEmpty());
        QVERIFY(config.password.isEmpty());
        QCOMPARE(config.liveExtension, QStringLiteral("m3u8")); // a playlist keeps the default
    }

    void strangersAndLatecomers()
    {
        // An unknown token is refused (401): the backend does not know that pairing.
        QCOMPARE(pairingStatus(client, QStringLiteral("not-a-token")).first, PairingClient::Lost);
        QCOMPARE(pairingStatus(client, QString()).first, PairingClient::Lost);

        const PairingClient::Started started = openPairing(client);
        QTest::qWait(2100); // the code lives 2 s here
        QCOMPARE(pairingStatus(client, started.deviceToken).first, PairingClient::Expired);
        QCOMPARE(backend.submit(started.code,
                                {{QStringLiteral("type"), QStringLiteral("m3u")},
                                 {QStringLiteral("name"), QStringLiteral("List")},
                                 {QStringLiteral("url"), QStringLiteral("http://a.example/")}}),
                 410);
    }

    void cleanupTestCase()
    {
        backend.stop();
        const QByteArray log = backend.output();
        QVERIFY(log.contains("opened"));
        QVERIFY(log.contains(QSysInfo::machineHostName().toUtf8()));
        QVERIFY(!log.contains("p@ss"));
    }
};

VELMORA_TEST_MAIN(TestPairingClientBackend)
#include "tst_pairingclientbackend.moc"
