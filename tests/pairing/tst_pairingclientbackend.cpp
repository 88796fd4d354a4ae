// The pairing client against our real backend process on loopback.
#include "pairing/pairingclient.h"

#include "pairingserverprocess.h"
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
    QNetworkAccessManager phone;

    PairingClient::Started open()
    {
        PairingClient::Started result;
        bool done = false;
        client.start([&](bool ok, const PairingClient::Started& started, const QString& error) {
            QVERIFY2(ok, qPrintable(error));
            result = started;
            done = true;
        });
        [&] { QTRY_VERIFY_WITH_TIMEOUT(done, 10000); }();
        return result;
    }

    std::pair<PairingClient::Status, SourceConfig> poll(const QString& token)
    {
        std::pair<PairingClient::Status, SourceConfig> result{PairingClient::Pending, {}};
        bool done = false;
        client.status(token, [&](PairingClient::Status status, const SourceConfig& config) {
            result = {status, config};
            done = true;
        });
        [&] { QTRY_VERIFY_WITH_TIMEOUT(done, 10000); }();
        return result;
    }

    // What the phone page sends, as JSON.
    int submit(const QString& code, const QJsonObject& details)
    {
        QJsonObject body = details;
        body.insert(QStringLiteral("code"), code);
        QNetworkRequest request(backend.url(QStringLiteral("/api/v1/pair/submit")));
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/json"));
        QNetworkReply* reply = phone.post(request, QJsonDocument(body).toJson());
        QEventLoop loop;
        connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        reply->deleteLater();
        return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    }

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
        const PairingClient::Started started = open();
        QCOMPARE(started.code.size(), 6);
        QCOMPARE(started.pairUrl, backend.baseUrl() + QStringLiteral("/pair?code=") + started.code);
        QCOMPARE(started.expiresIn, 2);
        QCOMPARE(started.pollInterval, 1);
        QCOMPARE(poll(started.deviceToken).first, PairingClient::Pending);

        QCOMPARE(submit(started.code.toLower(),
                        {{QStringLiteral("type"), QStringLiteral("xtream")},
                         {QStringLiteral("name"), QStringLiteral("Living room")},
                         {QStringLiteral("url"), QStringLiteral("http://tv.example:8080")},
                         {QStringLiteral("username"), QStringLiteral("me")},
                         {QStringLiteral("password"), QStringLiteral(" p@ss word ")},
                         {QStringLiteral("live_extension"), QStringLiteral("m3u8")}}),
                 200);
        const auto [status, config] = poll(started.deviceToken);
        QCOMPARE(status, PairingClient::Ready);
        QCOMPARE(config.type, int(SourceConfig::Xtream));
        QCOMPARE(config.name, QStringLiteral("Living room"));
        QCOMPARE(config.url, QStringLiteral("http://tv.example:8080"));
        QCOMPARE(config.username, QStringLiteral("me"));
        QCOMPARE(config.password, QStringLiteral(" p@ss word "));
        QCOMPARE(config.liveExtension, QStringLiteral("m3u8"));
        QCOMPARE(config.lastUpdated, qint64(0));
        // Handed out once: the next poll hears that the pairing is over.
        QCOMPARE(poll(started.deviceToken).first, PairingClient::Expired);
    }

    void playlist()
    {
        const PairingClient::Started started = open();
        QCOMPARE(submit(started.code,
                        {{QStringLiteral("type"), QStringLiteral("m3u")},
                         {QStringLiteral("name"), QStringLiteral("List")},
                         {QStringLiteral("url"), QStringLiteral("https://lists.example/a.m3u")},
                         {QStringLiteral("username"), QStringLiteral("ignored")},
                         {QStringLiteral("password"), QStringLiteral("ignored")}}),
                 200);
        const auto [status, config] = poll(started.deviceToken);
        QCOMPARE(status, PairingClient::Ready);
        QCOMPARE(config.type, int(SourceConfig::M3u));
        QCOMPARE(config.url, QStringLiteral("https://lists.example/a.m3u"));
        QVERIFY(config.username.isEmpty());
        QVERIFY(config.password.isEmpty());
        QCOMPARE(config.liveExtension, QStringLiteral("m3u8")); // a playlist keeps the default
    }

    void strangersAndLatecomers()
    {
        // An unknown token is refused (401), which the client reports as a failed poll.
        QCOMPARE(poll(QStringLiteral("not-a-token")).first, PairingClient::Failed);
        QCOMPARE(poll(QString()).first, PairingClient::Failed);

        const PairingClient::Started started = open();
        QTest::qWait(2100); // the code lives 2 s here
        QCOMPARE(poll(started.deviceToken).first, PairingClient::Expired);
        QCOMPARE(
            submit(started.code, {{QStringLiteral("type"), QStringLiteral("m3u")},
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
