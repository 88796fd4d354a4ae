// The pairing client against a loopback server that answers the way a backend might, odd
// answers included.
#include "app/clock.h"
#include "pairing/pairingclient.h"

#include "loopbackhttpserver.h"
#include "stderrcapture.h"
#include "testmain.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTcpServer>

#include <memory>

using Response = LoopbackHttpServer::Response;
Q_DECLARE_METATYPE(LoopbackHttpServer::Response)
Q_DECLARE_METATYPE(SourceConfig)

namespace {
const QString kStartPath = QStringLiteral("/backend/api/v1/pair/start");
const QString kStatusPath = QStringLiteral("/backend/api/v1/pair/status");

Response with(Response::Mode mode)
{
    Response r;
    r.mode = mode;
    return r;
}

SourceConfig config(int type, const QString& name, const QString& url, const QString& username,
                    const QString& password, const QString& liveExtension)
{
    SourceConfig c;
    c.type = type;
    c.name = name;
    c.url = url;
    c.username = username;
    c.password = password;
    c.liveExtension = liveExtension;
    return c;
}

QByteArray readyBody(const QJsonObject& playlist)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("status"), QStringLiteral("ready")},
                                     {QStringLiteral("playlist"), playlist}})
        .toJson();
}

QJsonObject fullPlaylist()
{
    return {{QStringLiteral("type"), QStringLiteral("xtream")},
            {QStringLiteral("name"), QStringLiteral(" Living room ")},
            {QStringLiteral("url"), QStringLiteral("http://tv.example:8080")},
            {QStringLiteral("username"), QStringLiteral("me")},
            {QStringLiteral("password"), QStringLiteral(" p@ss word ")},
            {QStringLiteral("live_extension"), QStringLiteral("m3u8")}};
}

QJsonObject changed(QJsonObject object, const QString& key, const QJsonValue& value)
{
    if (value.isUndefined())
        object.remove(key);
    else
        object.insert(key, value);
    return object;
}
} // namespace

class TestPairingClient : public QObject
{
    Q_OBJECT

private:
    LoopbackHttpServer server;

    struct StartOutcome
    {
        int calls = 0;
        bool ok = false;
        PairingClient::Started started;
        QString error;
    };
    struct StatusOutcome
    {
        int calls = 0;
        PairingClient::Status status = PairingClient::Pending;
        SourceConfig config;
    };

    StartOutcome runStart()
    {
        StartOutcome outcome;
        PairingClient client;
        client.start([&](bool ok, const PairingClient::Started& started, const QString& error) {
            ++outcome.calls;
            outcome.ok = ok;
            outcome.started = started;
            outcome.error = error;
        });
        const int callsRightAway = outcome.calls;
        [&] { QTRY_COMPARE_WITH_TIMEOUT(outcome.calls, 1, 10000); }();
        QTest::qWait(20); // a second call would show up here
        if (callsRightAway != 0)
            outcome.calls = -1;
        return outcome;
    }

    StatusOutcome runStatus(const QString& token)
    {
        StatusOutcome outcome;
        PairingClient client;
        client.status(token, [&](PairingClient::Status status, const SourceConfig& config) {
            ++outcome.calls;
            outcome.status = status;
            outcome.config = config;
        });
        const int callsRightAway = outcome.calls;
        [&] { QTRY_COMPARE_WITH_TIMEOUT(outcome.calls, 1, 10000); }();
        QTest::qWait(20);
        if (callsRightAway != 0)
            outcome.calls = -1;
        return outcome;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(server.start());
        // Read once per process: set before the first request. A base with a path of its own
        // and no trailing slash shows both the slash rule and the plain-text join.
        qputenv("VELMORA_BACKEND_URL", (server.baseUrl() + QStringLiteral("/backend")).toUtf8());
        qputenv("VELMORA_NET_DEBUG", "1");
        Clock::setTimeScale(100); // a silent backend fails after 0.3 s, not 30
    }

    void startAnswers_data()
    {
        QTest::addColumn<Response>("response");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("pairUrl");
        QTest::addColumn<int>("expiresIn");
        QTest::addColumn<int>("pollInterval");
        QTest::addColumn<QString>("errorPattern");

        const QJsonObject full{
            {QStringLiteral("code"), QStringLiteral("ABC234")},
            {QStringLiteral("device_token"), QStringLiteral("tok")},
            {QStringLiteral("pair_url"), QStringLiteral("https://p.example/pair")},
            {QStringLiteral("expires_in"), 600},
            {QStringLiteral("poll_interval"), 5}};
        const auto answer = [&full](const QString& key, const QJsonValue& value) {
            return LoopbackHttpServer::json(QJsonDocument(changed(full, key, value)).toJson());
        };
        const QString pairUrl = QStringLiteral("https://p.example/pair");
        const QString code = QStringLiteral("ABC234");
        const QString invalid = QStringLiteral("^Invalid response from the server$");
        const QJsonValue missing = QJsonValue(QJsonValue::Undefined);

        QTest::newRow("full answer") << answer(QStringLiteral("x"), missing) << true << code
                                     << pairUrl << 600 << 5 << QString();
        QTest::newRow("poll_interval 100 and no expires_in: 30 and 0")
            << LoopbackHttpServer::json(
                   QJsonDocument(changed(changed(full, QStringLiteral("expires_in"), missing),
                                         QStringLiteral("poll_interval"), 100))
                       .toJson())
            << true << code << pairUrl << 0 << 30 << QString();
        QTest::newRow("poll_interval -5: 1") << answer(QStringLiteral("poll_interval"), -5) << true
                                             << code << pairUrl << 600 << 1 << QString();
        QTest::newRow("poll_interval 0: 1") << answer(QStringLiteral("poll_interval"), 0) << true
                                            << code << pairUrl << 600 << 1 << QString();
        QTest::newRow("poll_interval as string \"5\": 3")
            << answer(QStringLiteral("poll_interval"), QStringLiteral("5")) << true << code
            << pairUrl << 600 << 3 << QString();
        QTest::newRow("poll_interval missing: 3")
            << answer(QStringLiteral("poll_interval"), missing) << true << code << pairUrl << 600
            << 3 << QString();
        QTest::newRow("poll_interval 2.5: 3") << answer(QStringLiteral("poll_interval"), 2.5)
                                              << true << code << pairUrl << 600 << 3 << QString();
        QTest::newRow("poll_interval 1e12: 30")
            << answer(QStringLiteral("poll_interval"), 1e12) << true << code << pairUrl << 600 << 30
            << QString();
        QTest::newRow("expires_in as string: 0")
            << answer(QStringLiteral("expires_in"), QStringLiteral("600")) << true << code
            << pairUrl << 0 << 5 << QString();
        QTest::newRow("expires_in 2.5: 0") << answer(QStringLiteral("expires_in"), 2.5) << true
                                           << code << pairUrl << 0 << 5 << QString();
        QTest::newRow("pair_url missing: empty")
            << answer(QStringLiteral("pair_url"), missing) << true << code << QString() << 600 << 5
            << QString();
        QTest::newRow("code without token") << answer(QStringLiteral("device_token"), missing)
                                            << false << QString() << QString() << 0 << 3 << invalid;
        QTest::newRow("empty token") << answer(QStringLiteral("device_token"), QString()) << false
                                     << QString() << QString() << 0 << 3 << invalid;
        QTest::newRow("token as number") << answer(QStringLiteral("device_token"), 7) << false
                                         << QString() << QString() << 0 << 3 << invalid;
        QTest::newRow("token without code") << answer(QStringLiteral("code"), missing) << false
                                            << QString() << QString() << 0 << 3 << invalid;
        QTest::newRow("not JSON") << LoopbackHttpServer::text("<html>busy</html>") << false
                                  << QString() << QString() << 0 << 3 << invalid;
        QTest::newRow("JSON array") << LoopbackHttpServer::json("[{\"code\":\"A\"}]") << false
                                    << QString() << QString() << 0 << 3 << invalid;
        QTest::newRow("HTTP 500 with a good body")
            << LoopbackHttpServer::json(QJsonDocument(full).toJson(), 500) << false << QString()
            << QString() << 0 << 3
            << QStringLiteral("^Could not reach the server: Error transferring "
                              "http://127\\.0\\.0\\.1:\\d+/backend/api/v1/pair/start - server "
                              "replied: Internal Server Error$");
        QTest::newRow("connection dropped")
            << with(Response::Mode::Drop) << false << QString() << QString() << 0 << 3
            << QStringLiteral("^Could not reach the server: Connection closed$");
        QTest::newRow("silent server: inactivity limit")
            << with(Response::Mode::Stall) << false << QString() << QString() << 0 << 3
            << QStringLiteral("^Could not reach the server: Operation canceled$");
    }
    void startAnswers()
    {
        QFETCH(Response, response);
        QFETCH(bool, ok);
        QFETCH(QString, code);
        QFETCH(QString, pairUrl);
        QFETCH(int, expiresIn);
        QFETCH(int, pollInterval);
        QFETCH(QString, errorPattern);
        server.route(kStartPath, [response](const auto&) { return response; });
        const StartOutcome outcome = runStart();
        QCOMPARE(outcome.calls, 1); // once, and not from inside start()
        QCOMPARE(outcome.ok, ok);
        QCOMPARE(outcome.started.code, code);
        QCOMPARE(outcome.started.deviceToken, ok ? QStringLiteral("tok") : QString());
        QCOMPARE(outcome.started.pairUrl, pairUrl);
        QCOMPARE(outcome.started.expiresIn, expiresIn);
        QCOMPARE(outcome.started.pollInterval, pollInterval);
        if (errorPattern.isEmpty())
            QVERIFY(outcome.error.isEmpty());
        else
            QVERIFY2(QRegularExpression(errorPattern).match(outcome.error).hasMatch(),
                     qPrintable(outcome.error));
    }

    void startRequest()
    {
        server.route(kStartPath, [](const auto&) { return LoopbackHttpServer::json("{}"); });
        server.clearRequests();
        runStart();
        const QList<LoopbackHttpServer::Request> sent = server.requests();
        QCOMPARE(sent.size(), 1);
        const LoopbackHttpServer::Request& request = sent.first();
        QCOMPARE(request.method, QByteArray("POST"));
        QCOMPARE(request.target, kStartPath.toUtf8()); // exactly one "/" before "api/"
        QCOMPARE(request.headers.value("content-type"), QByteArray("application/json"));
        QVERIFY(!request.headers.contains("authorization"));
        const QJsonObject device{{QStringLiteral("name"), QSysInfo::machineHostName()},
                                 {QStringLiteral("os"), QSysInfo::prettyProductName()}};
        QCOMPARE(request.body, QJsonDocument(QJsonObject{{QStringLiteral("device"), device}})
                                   .toJson(QJsonDocument::Compact));
        QVERIFY(!request.body.contains('\n'));
    }

    void statusAnswers_data()
    {
        QTest::addColumn<Response>("response");
        QTest::addColumn<int>("status");
        QTest::addColumn<SourceConfig>("expected");

        const int pending = PairingClient::Pending;
        const int ready = PairingClient::Ready;
        const int expired = PairingClient::Expired;
        const int failed = PairingClient::Failed;
        const int lost = PairingClient::Lost;
        const QJsonObject full = fullPlaylist();
        const QJsonValue missing = QJsonValue(QJsonValue::Undefined);
        const auto json = [](const QByteArray& body, int code = 200) {
            return LoopbackHttpServer::json(body, code);
        };
        const SourceConfig none;
        const SourceConfig xtream =
            config(SourceConfig::Xtream, QStringLiteral(" Living room "),
                   QStringLiteral("http://tv.example:8080"), QStringLiteral("me"),
                   QStringLiteral(" p@ss word "), QStringLiteral("m3u8"));

        QTest::newRow("waiting") << json("{\"status\":\"pending\"}") << pending << none;
        QTest::newRow("READY in upper case is still waiting")
            << json(readyBody(full).replace("ready", "READY")) << pending << none;
        QTest::newRow("status missing") << json("{}") << pending << none;
        QTest::newRow("not JSON") << LoopbackHttpServer::text("oops") << pending << none;
        QTest::newRow("410 even with a ready body")
            << json(readyBody(full), 410) << expired << none;
        QTest::newRow("410 without body") << LoopbackHttpServer::status(410) << expired << none;
        QTest::newRow("401: the backend lost the pairing")
            << json("{\"error\":\"unknown pairing\"}", 401) << lost << none;
        QTest::newRow("500 with a ready body") << json(readyBody(full), 500) << failed << none;
        QTest::newRow("connection dropped") << with(Response::Mode::Drop) << failed << none;
        QTest::newRow("silent server: inactivity limit")
            << with(Response::Mode::Stall) << failed << none;
        QTest::newRow("ready xtream, taken as sent") << json(readyBody(full)) << ready << xtream;
        QTest::newRow("type m3u is a playlist")
            << json(readyBody(changed(full, QStringLiteral("type"), QStringLiteral("m3u"))))
            << ready
            << config(SourceConfig::M3u, xtream.name, xtream.url, xtream.username, xtream.password,
                      xtream.liveExtension);
        QTest::newRow("type M3U in upper case is xtream")
            << json(readyBody(changed(full, QStringLiteral("type"), QStringLiteral("M3U"))))
            << ready << xtream;
        QTest::newRow("type missing is xtream")
            << json(readyBody(changed(full, QStringLiteral("type"), missing))) << ready << xtream;
        SourceConfig ts = xtream;
        ts.liveExtension = QStringLiteral("ts");
        QTest::newRow("live_extension missing: ts")
            << json(readyBody(changed(full, QStringLiteral("live_extension"), missing))) << ready
            << ts;
        QTest::newRow("live_extension a number: ts")
            << json(readyBody(changed(full, QStringLiteral("live_extension"), 8))) << ready << ts;
        SourceConfig noPassword = xtream;
        noPassword.password.clear();
        QTest::newRow("password a number: empty")
            << json(readyBody(changed(full, QStringLiteral("password"), 1234))) << ready
            << noPassword;
        QTest::newRow("ready without playlist: failed")
            << json("{\"status\":\"ready\"}") << failed
            << config(SourceConfig::Xtream, {}, {}, {}, {}, QStringLiteral("ts"));
        SourceConfig noUrl = xtream;
        noUrl.url.clear();
        QTest::newRow("ready with empty url: failed, partly filled")
            << json(readyBody(changed(full, QStringLiteral("url"), QString()))) << failed << noUrl;
    }
    void statusAnswers()
    {
        QFETCH(Response, response);
        QFETCH(int, status);
        QFETCH(SourceConfig, expected);
        server.route(kStatusPath, [response](const auto&) { return response; });
        const StatusOutcome outcome = runStatus(QStringLiteral("tok"));
        QCOMPARE(outcome.calls, 1);
        QCOMPARE(int(outcome.status), status);
        QCOMPARE(outcome.config.type, expected.type);
        QCOMPARE(outcome.config.name, expected.name);
        QCOMPARE(outcome.config.url, expected.url);
        QCOMPARE(outcome.config.username, expected.username);
        QCOMPARE(outcome.config.password, expected.password);
        QCOMPARE(outcome.config.liveExtension, expected.liveExtension);
        QCOMPARE(outcome.config.lastUpdated, qint64(0));
    }

    // The token goes out exactly as received, after "Bearer " and one space; nothing else.
    void statusRequest()
    {
        server.route(kStatusPath, [](const auto&) { return LoopbackHttpServer::json("{}"); });
        server.clearRequests();
        const QString token = QStringLiteral("t\u00f6k+/= x");
        runStatus(token);
        const QList<LoopbackHttpServer::Request> sent = server.requests();
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.first().method, QByteArray("GET"));
        QCOMPARE(sent.first().target, kStatusPath.toUtf8());
        QCOMPARE(sent.first().headers.value("authorization"), "Bearer " + token.toUtf8());
        QVERIFY(!sent.first().headers.contains("content-type"));
        QVERIFY(sent.first().body.isEmpty());
    }

    // Requests are independent: two polls at once each get their own answer.
    void overlappingRequests()
    {
        server.route(kStatusPath, [](const LoopbackHttpServer::Request& request) {
            if (request.headers.value("authorization") == "Bearer slow") {
                Response r = LoopbackHttpServer::json("{\"status\":\"pending\"}");
                r.mode = Response::Mode::Trickle;
                r.chunkBytes = 4;
                r.chunkDelayMs = 30;
                return r;
            }
            return LoopbackHttpServer::json(readyBody(fullPlaylist()));
        });
        PairingClient client;
        QList<std::pair<QString, PairingClient::Status>> answers;
        for (const QString& token : {QStringLiteral("slow"), QStringLiteral("fast")})
            client.status(token,
                          [&answers, token](PairingClient::Status status, const SourceConfig&) {
                              answers.append({token, status});
                          });
        QTRY_COMPARE(answers.size(), 2);
        QCOMPARE(answers[0], std::make_pair(QStringLiteral("fast"), PairingClient::Ready));
        QCOMPARE(answers[1], std::make_pair(QStringLiteral("slow"), PairingClient::Pending));
    }

    // Gone with its owner: a reply that arrives later runs no callback.
    void clientDestroyedFirst()
    {
        server.route(kStartPath, [](const auto&) { return LoopbackHttpServer::stall(); });
        server.route(kStatusPath, [](const auto&) { return LoopbackHttpServer::stall(); });
        server.clearRequests();
        int calls = 0;
        auto client = std::make_unique<PairingClient>();
        client->start([&calls](bool, const PairingClient::Started&, const QString&) { ++calls; });
        client->status(QStringLiteral("tok"),
                       [&calls](PairingClient::Status, const SourceConfig&) { ++calls; });
        QTRY_COMPARE(server.requests().size(), 2);
        client.reset();
        QTest::qWait(500); // past the inactivity limit the replies would have failed
        QCOMPARE(calls, 0);
    }

    void debugLines()
    {
        const QString startUrl = server.baseUrl() + kStartPath;
        server.route(kStartPath, [](const auto&) {
            return LoopbackHttpServer::json(
                "{\"code\":\"ABC234\",\"device_token\":\"secret-tok\"}");
        });
        server.route(kStatusPath, [](const auto&) {
            return LoopbackHttpServer::json(readyBody(fullPlaylist()));
        });
        StderrCapture capture;
        runStart();
        runStatus(QStringLiteral("secret-tok"));
        server.route(kStartPath, [](const auto&) { return LoopbackHttpServer::json("{}", 500); });
        const StartOutcome failed = runStart();
        server.route(kStartPath, [](const auto&) {
            return LoopbackHttpServer::json("{\"device_token\":\"t\"}");
        });
        runStart();
        server.route(kStatusPath, [](const auto&) { return with(Response::Mode::Drop); });
        runStatus(QStringLiteral("secret-tok"));

        const QString reason = failed.error.mid(int(qstrlen("Could not reach the server: ")));
        const QList<QByteArray> expected{
            "[Pairing] -> " + startUrl.toUtf8() + ' ',
            "[Pairing] <- code ABC234 ",
            "[Pairing] <- status 200 ",
            "[Pairing] -> " + startUrl.toUtf8() + ' ',
            "[Pairing] <- error: " + reason.toUtf8() + ' ',
            "[Pairing] -> " + startUrl.toUtf8() + ' ',
            "[Pairing] <- code  ", // an empty item still gets its trailing space
            "[Pairing] <- status 0 ",
        };
        QCOMPARE(capture.lines(), expected);
        QVERIFY(!capture.text().contains("secret-tok"));
        QVERIFY(!capture.text().contains("p@ss"));
    }

    // The backend address rule, each case in a fresh process since it is read once.
    void backendAddress_data()
    {
        QTest::addColumn<bool>("set");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("base");
        QTest::newRow("unset: our own origin")
            << false << QString() << QStringLiteral("https://pair.velmora.invalid/");
        QTest::newRow("without trailing slash: one added")
            << true << QStringLiteral("http://127.0.0.1:9/pairing")
            << QStringLiteral("http://127.0.0.1:9/pairing/");
        QTest::newRow("with trailing slash: kept")
            << true << QStringLiteral("https://h.example/") << QStringLiteral("https://h.example/");
    }
    void backendAddress()
    {
        QFETCH(bool, set);
        QFETCH(QString, value);
        QFETCH(QString, base);
        QProcess probe;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("VELMORA_BACKEND_URL"));
        if (set)
            env.insert(QStringLiteral("VELMORA_BACKEND_URL"), value);
        probe.setProcessEnvironment(env);
        probe.start(QStringLiteral(PAIRINGCLIENT_PROBE), {});
        QVERIFY(probe.waitForFinished(10000));
        // The second line comes after the variable changed: still the first value.
        QCOMPARE(probe.readAllStandardOutput(),
                 (base + QLatin1Char('\n') + base + QLatin1Char('\n')).toUtf8());
    }

    void connectionRefused()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        QProcess probe;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VELMORA_BACKEND_URL"),
                   QStringLiteral("http://127.0.0.1:%1").arg(port));
        probe.setProcessEnvironment(env);
        probe.start(QStringLiteral(PAIRINGCLIENT_PROBE), {QStringLiteral("start")});
        QVERIFY(probe.waitForFinished(10000));
        const QList<QByteArray> lines = probe.readAllStandardOutput().split('\n');
        QCOMPARE(lines.value(2), QByteArray("Could not reach the server: Connection refused"));
    }
};

VELMORA_TEST_MAIN(TestPairingClient)
#include "tst_pairingclient.moc"
