#include "app/httprequests.h"
#include "loopbackhttpserver.h"
#include "testmain.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>

using Response = LoopbackHttpServer::Response;

class TestHttpRequests : public QObject
{
    Q_OBJECT

private:
    LoopbackHttpServer server;
    LoopbackHttpServer other;
    QNetworkAccessManager manager;

    struct Outcome
    {
        int calls = 0;
        QNetworkReply::NetworkError error = QNetworkReply::NoError;
        QByteArray body;
        bool limitExceeded = false;
    };

    Outcome fetch(const QUrl& url, const HttpRequests::Options& options, int waitMs = 10000)
    {
        Outcome outcome;
        QObject context;
        HttpRequests::get(&manager, url, options, &context, [&](QNetworkReply* reply) {
            ++outcome.calls;
            outcome.error = reply->error();
            outcome.body = reply->readAll();
            outcome.limitExceeded = HttpRequests::bodyLimitExceeded(reply);
        });
        [&] { QTRY_COMPARE_WITH_TIMEOUT(outcome.calls, 1, waitMs); }();
        QTest::qWait(50); // a second call would show up here
        return outcome;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(server.start());
        QVERIFY(other.start());
        server.route(QStringLiteral("/ok"), [](const auto&) { return LoopbackHttpServer::json("[1]"); });
        server.route(QStringLiteral("/stall"), [](const auto&) { return LoopbackHttpServer::stall(); });
        server.route(QStringLiteral("/slow"), [](const auto&) {
            Response r = LoopbackHttpServer::text(QByteArray(4000, 'x'));
            r.mode = Response::Mode::Trickle;
            r.chunkBytes = 200;
            r.chunkDelayMs = 60; // 1.2 s in all, never 300 ms without a byte
            return r;
        });
        server.route(QStringLiteral("/endless"), [](const auto&) {
            Response r = LoopbackHttpServer::text("x");
            r.mode = Response::Mode::Endless;
            r.chunkBytes = 64 * 1024;
            r.chunkDelayMs = 1;
            return r;
        });
        server.route(QStringLiteral("/loop"), [this](const LoopbackHttpServer::Request& r) {
            const int n = r.queryValue(QStringLiteral("n")).toInt();
            return LoopbackHttpServer::redirect(server.url(QStringLiteral("/loop?n=%1").arg(n + 1)));
        });
        server.route(QStringLiteral("/elsewhere"), [this](const auto&) {
            return LoopbackHttpServer::redirect(other.url(QStringLiteral("/there")));
        });
        other.route(QStringLiteral("/there"), [](const auto&) { return LoopbackHttpServer::json("\"moved\""); });
    }

    void completions()
    {
        const Outcome ok = fetch(server.url(QStringLiteral("/ok")), {});
        QCOMPARE(ok.calls, 1);
        QCOMPARE(ok.body, QByteArray("[1]"));

        // A silent server fails after the inactivity limit; a slow but moving one is not cut.
        HttpRequests::Options limited;
        limited.inactivityTimeoutMs = 300;
        const Outcome stalled = fetch(server.url(QStringLiteral("/stall")), limited);
        QCOMPARE(stalled.calls, 1);
        QCOMPARE(stalled.error, QNetworkReply::OperationCanceledError);
        const Outcome slow = fetch(server.url(QStringLiteral("/slow")), limited);
        QCOMPARE(slow.error, QNetworkReply::NoError);
        QCOMPARE(slow.body.size(), 4000);

        // An endless body is cut at the limit.
        HttpRequests::Options bounded;
        bounded.maxBodyBytes = 1024 * 1024;
        const Outcome endless = fetch(server.url(QStringLiteral("/endless")), bounded);
        QVERIFY(endless.limitExceeded);
        QVERIFY(endless.error != QNetworkReply::NoError);
    }

    void redirects()
    {
        HttpRequests::Options follow;
        follow.followAllRedirects = true;
        const Outcome moved = fetch(server.url(QStringLiteral("/elsewhere")), follow);
        QCOMPARE(moved.body, QByteArray("\"moved\""));
        // A redirect loop ends, once, without a body. (Qt 6.4 gives up on such loops early with
        // a bogus status instead of TooManyRedirectsError; either way nothing hangs.)
        const Outcome loop = fetch(server.url(QStringLiteral("/loop")), follow);
        QCOMPARE(loop.calls, 1);
        QVERIFY(loop.body.isEmpty());
    }

    // The callback is bound to its context: once the owner is gone it never runs.
    void contextLifetime()
    {
        int calls = 0;
        auto* context = new QObject;
        QNetworkReply* reply = HttpRequests::get(&manager, server.url(QStringLiteral("/stall")), {},
                                                 context, [&](QNetworkReply*) { ++calls; });
        QSignalSpy destroyed(reply, &QObject::destroyed);
        delete context;
        QVERIFY(destroyed.wait(2000));
        QCOMPARE(calls, 0);
    }
};

VELMORA_TEST_MAIN(TestHttpRequests)
#include "tst_httprequests.moc"
