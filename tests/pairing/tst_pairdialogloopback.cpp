// The pair dialog against a loopback backend that misbehaves on purpose: status requests that
// hang, answers that come late, broken start answers, a link too long for a QR code.
#include "app/clock.h"
#include "pairing/pairdialog.h"
#include "pairing/pairingclient.h"
#include "pairing/qrimage.h"

#include "loopbackhttpserver.h"
#include "pairdialogtestaccess.h"
#include "testmain.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {
const QString kStartPath = QStringLiteral("/api/v1/pair/start");
const QString kStatusPath = QStringLiteral("/api/v1/pair/status");

QByteArray startAnswer(const QString& code, const QString& token, const QString& pairUrl,
                       int pollInterval = 1)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("code"), code},
                                     {QStringLiteral("device_token"), token},
                                     {QStringLiteral("pair_url"), pairUrl},
                                     {QStringLiteral("expires_in"), 300},
                                     {QStringLiteral("poll_interval"), pollInterval}})
        .toJson(QJsonDocument::Compact);
}

QByteArray readyAnswer(const QString& url, const QString& type = QStringLiteral("m3u"))
{
    return QJsonDocument(QJsonObject{{QStringLiteral("status"), QStringLiteral("ready")},
                                     {QStringLiteral("playlist"),
                                      QJsonObject{{QStringLiteral("type"), type},
                                                  {QStringLiteral("name"), QStringLiteral("List")},
                                                  {QStringLiteral("url"), url}}}})
        .toJson(QJsonDocument::Compact);
}
} // namespace

class TestPairDialogLoopback : public QObject
{
    Q_OBJECT

private:
    LoopbackHttpServer backend;

    void answerStart(const QByteArray& body, int status = 200)
    {
        backend.route(kStartPath, [body, status](const LoopbackHttpServer::Request&) {
            return LoopbackHttpServer::json(body, status);
        });
    }

    void answerStatus(const LoopbackHttpServer::Response& response)
    {
        backend.route(kStatusPath,
                      [response](const LoopbackHttpServer::Request&) { return response; });
    }

private slots:
    void initTestCase()
    {
        QVERIFY(backend.start());
        // Read once per process, on the first request: set before any.
        qputenv("VELMORA_BACKEND_URL", backend.baseUrl().toUtf8());
        // A hung status request gives up after 1.5 s instead of 30.
        Clock::setTimeScale(20);
    }

    void init()
    {
        backend.clearRequests();
        Clock::setFake(1'700'000'000'000);
    }

    void cleanup() { Clock::clearFake(); }

    void pollsOneAtATime()
    {
        answerStart(startAnswer(QStringLiteral("K7QX2M"), QStringLiteral("token-1"),
                                QStringLiteral("http://pair.example:9/pair?code=K7QX2M")));
        answerStatus(LoopbackHttpServer::stall());
        PairDialog dialog;
        PairDialogTestAccess d(dialog);
        QCOMPARE(d.statusLabel()->text(), QStringLiteral("Getting a code..."));
        QTRY_COMPARE(d.codeLabel()->text(), QStringLiteral("K7Q-X2M"));
        QCOMPARE(
            d.instructionsLabel()->text(),
            QStringLiteral("On your phone, scan the QR code or open <b>pair.example:9/pair</b>, "
                           "then enter this code:"));
        QCOMPARE(d.statusLabel()->text(),
                 QStringLiteral("Waiting for your phone... (expires in 5:00)"));
        Clock::advanceFake(3);
        d.updateCountdown();
        QCOMPARE(d.statusLabel()->text(),
                 QStringLiteral("Waiting for your phone... (expires in 4:59)"));
        QCOMPARE(d.pollTimer()->interval(), 1000);

        // The first status request comes one interval after the code, not at once.
        QTest::qWait(700);
        QCOMPARE(backend.requestsTo(kStatusPath).size(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(backend.requestsTo(kStatusPath).size(), 1, 3000);
        QCOMPARE(backend.requestsTo(kStatusPath).first().headers.value("authorization"),
                 QByteArray("Bearer token-1"));

        // While it hangs, neither timeouts nor direct calls send another.
        QVERIFY(d.pollInFlight());
        d.poll();
        d.poll();
        QTest::qWait(1100); // past the next timeout, before the hung request gives up
        QCOMPARE(backend.requestsTo(kStatusPath).size(), 1);

        // Once the hung request gives up, polling goes on; the user sees nothing of it.
        QTRY_COMPARE_WITH_TIMEOUT(backend.requestsTo(kStatusPath).size(), 2, 4000);
        QVERIFY(d.statusLabel()->text().startsWith(QStringLiteral("Waiting for your phone")));
        QVERIFY(d.newCodeButton()->isHidden());
        QVERIFY(d.messageLabel()->isHidden());
    }

    void goneMeansExpired()
    {
        answerStart(startAnswer(QStringLiteral("ABCDEF"), QStringLiteral("token-2"),
                                QStringLiteral("http://pair.example/pair")));
        // 410 wins over whatever the body says.
        LoopbackHttpServer::Response gone =
            LoopbackHttpServer::json(readyAnswer(QStringLiteral("http://list.example/a.m3u")), 410);
        answerStatus(gone);
        PairDialog dialog;
        PairDialogTestAccess d(dialog);
        QTRY_COMPARE(d.codeLabel()->text(), QStringLiteral("ABC-DEF"));
        QTRY_COMPARE_WITH_TIMEOUT(d.statusLabel()->text(), QStringLiteral("This code has expired."),
                                  3000);
        QVERIFY(!d.newCodeButton()->isHidden());
        QVERIFY(d.codeLabel()->text().isEmpty());
        QVERIFY(d.instructionsLabel()->text().isEmpty());
        QVERIFY(d.deviceNameLabel()->text().isEmpty());
        QVERIFY(d.qrLabel()->pixmap().isNull());
        QVERIFY(!d.pollTimer()->isActive());
        QVERIFY(!d.countdownTimer()->isActive());
        QVERIFY(d.deviceToken().isEmpty());
        QCOMPARE(backend.requestsTo(kStatusPath).size(), 1);

        d.newCodeButton()->click();
        QCOMPARE(d.statusLabel()->text(), QStringLiteral("Getting a code..."));
        QVERIFY(d.newCodeButton()->isHidden());
        QTRY_COMPARE(d.codeLabel()->text(), QStringLiteral("ABC-DEF"));
        QCOMPARE(backend.requestsTo(kStartPath).size(), 2);
    }

    void badStartAnswers_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("shown");

        QTest::newRow("server error") << QByteArray("{}") << 500 << "Could not reach the server: ";
        QTest::newRow("not JSON") << QByteArray("<html>busy</html>") << 200
                                  << "Invalid response from the server";
        QTest::newRow("code without token")
            << QByteArray("{\"code\":\"ABCDEF\",\"pair_url\":\"http://p.example/\"}") << 200
            << "Invalid response from the server";
        QTest::newRow("no expires_in: expired at once")
            << QByteArray("{\"code\":\"ABCDEF\",\"device_token\":\"t\",\"pair_url\":\"http://"
                          "p.example/\"}")
            << 200 << "This code has expired.";
    }

    void badStartAnswers()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(QString, shown);
        answerStart(body, status);
        answerStatus(LoopbackHttpServer::json("{\"status\":\"pending\"}"));
        PairDialog dialog;
        PairDialogTestAccess d(dialog);
        QTRY_VERIFY(!d.newCodeButton()->isHidden());
        QVERIFY2(d.statusLabel()->text().startsWith(shown), qPrintable(d.statusLabel()->text()));
        QVERIFY(d.codeLabel()->text().isEmpty());
        QVERIFY(d.qrLabel()->pixmap().isNull());
        QVERIFY(d.messageLabel()->isHidden());
        QVERIFY(!d.pollTimer()->isActive());
        QVERIFY(!d.countdownTimer()->isActive());
    }

    void linkTooLongForQrCode()
    {
        const QString longUrl =
            QStringLiteral("http://pair.example/pair/") + QString(3000, QLatin1Char('x'));
        QVERIFY(qrCodeImage(longUrl, 240).isNull());
        answerStart(startAnswer(QStringLiteral("ABCDEF"), QStringLiteral("t"), longUrl));
        answerStatus(LoopbackHttpServer::json("{\"status\":\"pending\"}"));
        PairDialog dialog;
        PairDialogTestAccess d(dialog);
        QTRY_COMPARE(d.codeLabel()->text(), QStringLiteral("ABC-DEF"));
        QVERIFY(d.qrLabel()->pixmap().isNull());
        QVERIFY(d.instructionsLabel()->text().contains(QStringLiteral("<b>pair.example/pair/xxx")));
        QVERIFY(d.statusLabel()->text().startsWith(QStringLiteral("Waiting for your phone")));
        QVERIFY(d.pollTimer()->isActive());
    }

    void localLinksAreRefused_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("file"); // what the link points at
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("playlist") << "m3u"
                                  << "list.m3u"
                                  << QByteArray(
                                         "#EXTM3U\n#EXTINF:-1,One\nhttp://127.0.0.1:9/one.ts\n")
                                  << "Couldn't download that playlist";
        // A file named as the login request would be read as a good login answer.
        QTest::newRow("Xtream server")
            << "xtream"
            << "player_api.php" << QByteArray(R"({"user_info":{"auth":1}})")
            << "Couldn't reach that server";
    }
    void localLinksAreRefused()
    {
        QFETCH(QString, type);
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, refusal);
        // Details come from outside: a file link must not make the dialog read local files,
        // even a file that holds a good answer.
        QTemporaryDir dir;
        QFile local(dir.filePath(file));
        QVERIFY(local.open(QIODevice::WriteOnly));
        local.write(content);
        local.close();
        const QString link =
            QUrl::fromLocalFile(type == u"m3u" ? local.fileName() : dir.path()).toString();
        answerStart(startAnswer(QStringLiteral("ABCDEF"), QStringLiteral("t"),
                                QStringLiteral("http://pair.example/")));
        answerStatus(LoopbackHttpServer::json(readyAnswer(link, type)));
        PairDialog dialog;
        PairDialogTestAccess d(dialog);
        QTRY_VERIFY_WITH_TIMEOUT(!d.messageLabel()->isHidden(), 3000);
        QCOMPARE(d.messageLabel()->text(),
                 QStringLiteral("That didn't work: ") + refusal +
                     QStringLiteral(": the link must start with http:// or https://\nFix it on "
                                    "your phone and send it again with the new code."));
        QVERIFY(dialog.result.url.isEmpty());
        QVERIFY(dialog.QDialog::result() != QDialog::Accepted);
    }

    void lateAnswersOfAnOldCode()
    {
        // Polls are sent by hand here (the interval is 30 s). The first code's answer arrives
        // slowly, after a second code was asked for.
        int starts = 0;
        backend.route(kStartPath, [&starts](const LoopbackHttpServer::Request&) {
            ++starts;
            LoopbackHttpServer::Response answer = LoopbackHttpServer::json(
                startAnswer(QStringLiteral("OLD%1AA").arg(starts), QStringLiteral("token-old"),
                            QStringLiteral("http://old.example/"), 30));
            if (starts == 1) {
                answer.mode = LoopbackHttpServer::Response::Mode::Trickle;
                answer.chunkBytes = 20;
                answer.chunkDelayMs = 60;
            }
            return answer;
        });
        PairDialog dialog;
        PairDialogTestAccess d(dialog);
        QTRY_COMPARE(starts, 1);
        // "Get a new code" as the button does it (the first code is still on its way).
        d.newCodeButton()->click();
        // The network layer may resend a request on a fresh connection, so the server can count
        // more than two; what matters is that the first code never shows.
        QTRY_VERIFY(d.codeLabel()->text().startsWith(QStringLiteral("OLD-"))
                    && d.codeLabel()->text() != QStringLiteral("OLD-1AA"));
        const QString second = d.codeLabel()->text();
        QTest::qWait(1000); // the first answer is complete by now
        QCOMPARE(d.codeLabel()->text(), second);

        // A status answer of the abandoned code: "ready", but it must not be checked.
        answerStart(startAnswer(QStringLiteral("NEWNEW"), QStringLiteral("token-new"),
                                QStringLiteral("http://new.example/"), 30));
        LoopbackHttpServer::Response ready =
            LoopbackHttpServer::json(readyAnswer(backend.url("/list.m3u").toString()));
        ready.mode = LoopbackHttpServer::Response::Mode::Trickle;
        ready.chunkBytes = 20;
        ready.chunkDelayMs = 50;
        answerStatus(ready);
        d.poll();
        QTRY_COMPARE(backend.requestsTo(kStatusPath).size(), 1);
        answerStatus(LoopbackHttpServer::json("{\"status\":\"pending\"}"));
        d.newCodeButton()->click();
        QTRY_COMPARE(d.codeLabel()->text(), QStringLiteral("NEW-NEW"));
        QTRY_VERIFY_WITH_TIMEOUT(!d.pollInFlight(), 3000);
        QVERIFY(d.statusLabel()->text().startsWith(QStringLiteral("Waiting for your phone")));
        QCOMPARE(backend.requestsTo(QStringLiteral("/list.m3u")).size(), 0);
        QCOMPARE(d.deviceToken(), QStringLiteral("token-new"));
        QVERIFY(dialog.result.url.isEmpty());
    }
};

VELMORA_TEST_MAIN(TestPairDialogLoopback)
#include "tst_pairdialogloopback.moc"
