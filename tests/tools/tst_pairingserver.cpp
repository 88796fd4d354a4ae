// The pairing backend as a real process on loopback, spoken to over HTTP.
#include "pairingserverprocess.h"
#include "testmain.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTemporaryDir>
#include <QTimer>

namespace {
const QString kPassword = QStringLiteral("Pa55 w0rd+&<zq9>");

struct Answer
{
    int status = 0;
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    QByteArray body;
    QHash<QByteArray, QByteArray> headers; // names in lower case

    QJsonObject json() const { return QJsonDocument::fromJson(body).object(); }
    QString text() const { return QString::fromUtf8(body); }
};

QByteArray formBody(const QList<std::pair<const char*, QString>>& fields)
{
    QByteArray body;
    for (const auto& [key, value] : fields) {
        if (!body.isEmpty())
            body += '&';
        body += QByteArray(key) + '=' + QUrl::toPercentEncoding(value);
    }
    return body;
}

QList<std::pair<const char*, QString>> xtreamForm(const QString& code)
{
    return {{"code", code},
            {"type", QStringLiteral("xtream")},
            {"name", QStringLiteral("Living room")},
            {"url", QStringLiteral("http://tv.example:8080")},
            {"username", QStringLiteral("me")},
            {"password", kPassword},
            {"live_extension", QStringLiteral("m3u8")}};
}
} // namespace

class TestPairingServer : public QObject
{
    Q_OBJECT

private:
    QNetworkAccessManager manager;
    PairingServerProcess server{QStringLiteral(PAIRING_SERVER)};
    QStringList tokens; // every token handed out, to be sure none is ever logged

    Answer send(const QByteArray& method, const QUrl& url, const QByteArray& body = {},
                const QList<std::pair<QByteArray, QByteArray>>& headers = {},
                const QSslConfiguration& tls = QSslConfiguration())
    {
        QNetworkRequest request(url);
        for (const auto& [name, value] : headers)
            request.setRawHeader(name, value);
        if (!tls.isNull())
            request.setSslConfiguration(tls);
        QNetworkReply* reply = manager.sendCustomRequest(request, method, body);
        QEventLoop loop;
        connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        Answer answer;
        answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        answer.error = reply->isFinished() ? reply->error() : QNetworkReply::TimeoutError;
        answer.body = reply->readAll();
        for (const auto& [name, value] : reply->rawHeaderPairs())
            answer.headers.insert(name.toLower(), value);
        reply->abort();
        reply->deleteLater();
        return answer;
    }

    Answer open(PairingServerProcess& backend, const QString& deviceName = QStringLiteral("PC-1"))
    {
        const QJsonObject device{{QStringLiteral("name"), deviceName},
                                 {QStringLiteral("os"), QStringLiteral("Test OS")}};
        const Answer answer =
            send("POST", backend.url(QStringLiteral("/api/v1/pair/start")),
                 QJsonDocument(QJsonObject{{QStringLiteral("device"), device}}).toJson(),
                 {{"Content-Type", "application/json"}});
        tokens << answer.json().value(QStringLiteral("device_token")).toString();
        return answer;
    }

    Answer poll(PairingServerProcess& backend, const QByteArray& authorization)
    {
        QList<std::pair<QByteArray, QByteArray>> headers;
        if (!authorization.isNull())
            headers.append({"Authorization", authorization});
        return send("GET", backend.url(QStringLiteral("/api/v1/pair/status")), {}, headers);
    }

    Answer pollToken(PairingServerProcess& backend, const Answer& opened)
    {
        return poll(backend,
                    "Bearer " +
                        opened.json().value(QStringLiteral("device_token")).toString().toUtf8());
    }

    Answer submitForm(PairingServerProcess& backend, const QByteArray& body)
    {
        return send("POST", backend.url(QStringLiteral("/api/v1/pair/submit")), body,
                    {{"Content-Type", "application/x-www-form-urlencoded"}});
    }

    static QString codeOf(const Answer& opened)
    {
        return opened.json().value(QStringLiteral("code")).toString();
    }

    // Neither a password nor a token ever reaches the server's output.
    void verifyQuietLog(PairingServerProcess& backend)
    {
        backend.stop();
        const QByteArray log = backend.output();
        QVERIFY(!log.isEmpty());
        QVERIFY2(!log.contains(kPassword.toUtf8()), log.constData());
        QVERIFY(!log.contains("Pa55"));
        for (const QString& token : std::as_const(tokens)) {
            if (!token.isEmpty())
                QVERIFY2(!log.contains(token.toLatin1()), log.constData());
        }
    }

private slots:
    void initTestCase() { QVERIFY2(server.start(), qPrintable(server.errorText())); }

    void cleanupTestCase() { verifyQuietLog(server); }

    void startAnswer()
    {
        const Answer opened = open(server);
        QCOMPARE(opened.status, 200);
        QCOMPARE(opened.headers.value("content-type"), QByteArray("application/json"));
        const QJsonObject o = opened.json();
        const QString code = o.value(QStringLiteral("code")).toString();
        QVERIFY2(QRegularExpression(QStringLiteral("^[2-9A-HJ-NP-Z]{6}$")).match(code).hasMatch(),
                 qPrintable(code));
        const QByteArray token = QByteArray::fromBase64(
            o.value(QStringLiteral("device_token")).toString().toLatin1(),
            QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
        QVERIFY(token.size() >= 16); // at least 128 bits
        QCOMPARE(o.value(QStringLiteral("pair_url")).toString(),
                 server.baseUrl() + QStringLiteral("/pair?code=") + code);
        QCOMPARE(o.value(QStringLiteral("expires_in")).toInt(-1), 600);
        QCOMPARE(o.value(QStringLiteral("poll_interval")).toInt(-1), 3);
        QCOMPARE(opened.headers.value("cache-control"), QByteArray("no-store"));
        QCOMPARE(opened.headers.value("x-content-type-options"), QByteArray("nosniff"));
        QVERIFY(opened.headers.value("content-security-policy").contains("default-src 'none'"));

        QVERIFY(send("GET", server.url(QStringLiteral("/api/v1/pair/start"))).status != 200);
        QCOMPARE(send("GET", server.url(QStringLiteral("/pair"))).status, 200);
        QCOMPARE(send("GET", server.url(QStringLiteral("/pair.js"))).status, 200);
        QCOMPARE(send("GET", server.url(QStringLiteral("/nothing"))).status, 404);
    }

    void optionsReachTheAnswers()
    {
        PairingServerProcess other(QStringLiteral(PAIRING_SERVER));
        QVERIFY2(
            other.start({QStringLiteral("--public-url"), QStringLiteral("http://192.0.2.7:9000"),
                         QStringLiteral("--code-lifetime"), QStringLiteral("120"),
                         QStringLiteral("--poll-interval"), QStringLiteral("7")}),
            qPrintable(other.errorText()));
        const QJsonObject o = open(other).json();
        QCOMPARE(o.value(QStringLiteral("pair_url")).toString(),
                 QStringLiteral("http://192.0.2.7:9000/pair?code=") +
                     o.value(QStringLiteral("code")).toString());
        QCOMPARE(o.value(QStringLiteral("expires_in")).toInt(), 120);
        QCOMPARE(o.value(QStringLiteral("poll_interval")).toInt(), 7);

        for (const QStringList& wrong :
             {QStringList{QStringLiteral("--listen"), QStringLiteral("nowhere")},
              QStringList{QStringLiteral("--poll-interval"), QStringLiteral("0")},
              QStringList{QStringLiteral("--cert"), QStringLiteral("/nonexistent.pem")}}) {
            QProcess bad;
            bad.start(QStringLiteral(PAIRING_SERVER), wrong);
            QVERIFY(bad.waitForFinished(5000));
            QCOMPARE(bad.exitCode(), 2);
            QVERIFY(!bad.readAllStandardError().isEmpty());
        }
    }

    // Only the right token sees a pairing; its details are handed out once.
    void statusNeedsTheRightToken()
    {
        const Answer a = open(server);
        const Answer b = open(server);
        QCOMPARE(submitForm(server, formBody(xtreamForm(codeOf(a)))).status, 200);

        const QByteArray aToken =
            a.json().value(QStringLiteral("device_token")).toString().toLatin1();
        const QList<QByteArray> wrongAuthorizations{
            QByteArray(),
            QByteArray("Bearer "),
            QByteArray("Bearer wrong"),
            QByteArray("Basic " + aToken),
            QByteArray("Bearer " + aToken + "x"),
            QByteArray("Bearer " + aToken.left(aToken.size() - 1))};
        for (const QByteArray& authorization : wrongAuthorizations) {
            const Answer refused = poll(server, authorization);
            QCOMPARE(refused.status, 401);
            QVERIFY(!refused.body.contains("playlist"));
            QVERIFY(!refused.body.contains("tv.example"));
        }
        const Answer other = pollToken(server, b);
        QCOMPARE(other.status, 200);
        QCOMPARE(other.json(),
                 QJsonObject({{QStringLiteral("status"), QStringLiteral("pending")}}));

        const Answer ready = pollToken(server, a);
        QCOMPARE(ready.status, 200);
        const QJsonObject playlist = ready.json().value(QStringLiteral("playlist")).toObject();
        QCOMPARE(ready.json().value(QStringLiteral("status")).toString(), QStringLiteral("ready"));
        QCOMPARE(playlist,
                 QJsonObject({{QStringLiteral("type"), QStringLiteral("xtream")},
                              {QStringLiteral("name"), QStringLiteral("Living room")},
                              {QStringLiteral("url"), QStringLiteral("http://tv.example:8080")},
                              {QStringLiteral("username"), QStringLiteral("me")},
                              {QStringLiteral("password"), kPassword},
                              {QStringLiteral("live_extension"), QStringLiteral("m3u8")}}));
        // Handed out once, then deleted: the token now only hears "gone".
        const Answer again = pollToken(server, a);
        QCOMPARE(again.status, 410);
        QVERIFY(!again.body.contains("Pa55"));
        QCOMPARE(submitForm(server, formBody(xtreamForm(codeOf(a)))).status, 409);
    }

    void expiredCodes()
    {
        PairingServerProcess shortLived(QStringLiteral(PAIRING_SERVER));
        QVERIFY(shortLived.start({QStringLiteral("--code-lifetime"), QStringLiteral("1")}));
        const Answer waiting = open(shortLived);
        const Answer sent = open(shortLived);
        QCOMPARE(submitForm(shortLived, formBody(xtreamForm(codeOf(sent)))).status, 200);
        QTest::qWait(1100);
        QCOMPARE(pollToken(shortLived, waiting).status, 410);
        const Answer late = pollToken(shortLived, sent);
        QCOMPARE(late.status, 410); // the details died with the code
        QVERIFY(!late.body.contains("tv.example"));
        const Answer phone = submitForm(shortLived, formBody(xtreamForm(codeOf(waiting))));
        QCOMPARE(phone.status, 410);
        QVERIFY(phone.text().contains(QStringLiteral("That code has expired.")));
        verifyQuietLog(shortLived);
    }

    void wrongCodesAreRateLimited()
    {
        PairingServerProcess guarded(QStringLiteral(PAIRING_SERVER));
        QVERIFY(guarded.start());
        const Answer opened = open(guarded);
        QString wrong = codeOf(opened);
        wrong[0] = wrong[0] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
        for (int i = 0; i < 5; ++i) {
            const Answer answer = submitForm(guarded, formBody(xtreamForm(wrong)));
            QCOMPARE(answer.status, 404);
            QVERIFY(answer.text().contains(QStringLiteral("That code isn")));
            // The form comes back filled in, but never with the password.
            QVERIFY(answer.text().contains(QStringLiteral("value=\"Living room\"")));
            QVERIFY(!answer.body.contains("Pa55"));
        }
        const Answer blocked = submitForm(guarded, formBody(xtreamForm(codeOf(opened))));
        QCOMPARE(blocked.status, 429);
        QVERIFY(blocked.headers.value("retry-after").toInt() > 0);
        QVERIFY(blocked.text().contains(QStringLiteral("Too many wrong codes.")));
        QCOMPARE(pollToken(guarded, opened).json().value(QStringLiteral("status")).toString(),
                 QStringLiteral("pending"));
        verifyQuietLog(guarded);
    }

    void bounds()
    {
        PairingServerProcess small(QStringLiteral(PAIRING_SERVER));
        QVERIFY(small.start({QStringLiteral("--max-pairings"), QStringLiteral("2")}));
        QCOMPARE(open(small).status, 200);
        QCOMPARE(open(small).status, 200);
        QCOMPARE(open(small).status, 503);

        const Answer big = submitForm(small, "code=" + QByteArray(20 * 1024, 'A'));
        QCOMPARE(big.status, 413);
        // A huge body is cut off while it arrives, and the server carries on.
        const Answer huge = submitForm(small, QByteArray(8 * 1024 * 1024, 'A'));
        QCOMPARE(huge.status, 0); // no answer at all: the connection was dropped
        QVERIFY(huge.error != QNetworkReply::NoError);
        QCOMPARE(send("GET", small.url(QStringLiteral("/pair"))).status, 200);
        verifyQuietLog(small);
    }

    // What the phone and the computer sent is shown as text only.
    void phonePagesEscape()
    {
        const QString hostile = QStringLiteral("<img src=x onerror=alert(1)>\"'");
        const Answer opened = open(server, hostile);

        const Answer page = send("GET", server.url(QStringLiteral("/pair?code=%3Cscript%3E")));
        QVERIFY(page.headers.value("content-type").startsWith("text/html"));
        QVERIFY(!page.text().contains(QStringLiteral("<script>")));
        QVERIFY(page.text().contains(QStringLiteral("value=\"&lt;script&gt;\"")));

        auto form = xtreamForm(codeOf(opened));
        form[2].second = hostile;   // name
        form[4].second = hostile;   // user name
        form[5].second = QString(); // no password: refused, the form comes back
        const Answer refused = submitForm(server, formBody(form));
        QCOMPARE(refused.status, 400);
        QVERIFY(refused.text().contains(QStringLiteral("Enter the password.")));
        QVERIFY(!refused.text().contains(QStringLiteral("<img")));
        QCOMPARE(
            refused.text().count(QStringLiteral("&lt;img src=x onerror=alert(1)&gt;&quot;&#39;")),
            2);

        const Answer sent = submitForm(server, formBody(xtreamForm(codeOf(opened))));
        QCOMPARE(sent.status, 200);
        QVERIFY(sent.text().contains(QStringLiteral("data-outcome=\"ok\"")));
        QVERIFY(!sent.text().contains(QStringLiteral("<img")));
        QVERIFY(sent.text().contains(QStringLiteral("&lt;img src=x")));
        QVERIFY(!sent.text().contains(kPassword.toHtmlEscaped()));
    }

    void https()
    {
        QTemporaryDir dir;
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                       QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                       QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                       QStringLiteral("-days"), QStringLiteral("1"), QStringLiteral("-subj"),
                       QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                       QStringLiteral("subjectAltName=IP:127.0.0.1"), QStringLiteral("-keyout"),
                       dir.filePath(QStringLiteral("key.pem")), QStringLiteral("-out"),
                       dir.filePath(QStringLiteral("cert.pem"))});
        QVERIFY2(openssl.waitForFinished(20000) && openssl.exitCode() == 0,
                 openssl.readAllStandardError().constData());

        PairingServerProcess secure(QStringLiteral(PAIRING_SERVER));
        QVERIFY2(secure.start({QStringLiteral("--cert"), dir.filePath(QStringLiteral("cert.pem")),
                               QStringLiteral("--key"), dir.filePath(QStringLiteral("key.pem"))}),
                 qPrintable(secure.errorText()));
        QVERIFY(secure.baseUrl().startsWith(QStringLiteral("https://127.0.0.1:")));

        // Without trusting the certificate a client refuses the server, as it should.
        const Answer untrusted =
            send("POST", secure.url(QStringLiteral("/api/v1/pair/start")), "{}");
        QCOMPARE(untrusted.error, QNetworkReply::SslHandshakeFailedError);
        manager.clearConnectionCache();

        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setCaCertificates(QSslCertificate::fromPath(dir.filePath(QStringLiteral("cert.pem"))));
        const Answer opened = send("POST", secure.url(QStringLiteral("/api/v1/pair/start")), "{}",
                                   {{"Content-Type", "application/json"}}, tls);
        QCOMPARE(opened.error, QNetworkReply::NoError);
        QCOMPARE(opened.status, 200);
        QVERIFY(opened.json()
                    .value(QStringLiteral("pair_url"))
                    .toString()
                    .startsWith(secure.baseUrl()));
        manager.clearConnectionCache();
    }
};

VELMORA_TEST_MAIN(TestPairingServer)
#include "tst_pairingserver.moc"
