#include "fastertime.h"
#include "loopbackhttpserver.h"
#include "providers/xtreamclient.h"
#include "recorddiff.h"
#include "stderrcapture.h"
#include "testmain.h"
#include "xtreamfixture.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

using Request = LoopbackHttpServer::Request;
using Response = LoopbackHttpServer::Response;

namespace {
template <typename List>
struct Result
{
    int calls = 0;
    List list;
    bool ok = false;
};

// Runs the event loop until `done` has been called once or `timeoutMs` passed; `start` gets
// the function to call. Waiting on a loop (not polling) keeps the server on this thread quick.
template <typename State>
State awaitState(const std::function<void(const std::function<void(State&)>&)>& start,
                 int timeoutMs)
{
    struct Shared
    {
        State state;
        QEventLoop* loop = nullptr;
    };
    auto shared = std::make_shared<Shared>();
    QEventLoop loop;
    shared->loop = &loop;
    start([shared](State& update) {
        shared->state = update;
        if (shared->loop)
            shared->loop->quit();
    });
    if (shared->state.calls == 0) {
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    shared->loop = nullptr;
    return shared->state;
}

// Starts a request through `start` (which gets the callback) and waits for its completion.
template <typename List>
Result<List> await(const std::function<void(std::function<void(const List&, bool)>)>& start,
                   int timeoutMs = 5000)
{
    auto calls = std::make_shared<Result<List>>();
    const Result<List> result = awaitState<Result<List>>(
        [&](const std::function<void(Result<List>&)>& done) {
            start([calls, done](const List& list, bool ok) {
                ++calls->calls;
                calls->list = list;
                calls->ok = ok;
                done(*calls);
            });
        },
        timeoutMs);
    [&] { QCOMPARE(result.calls, 1); }();
    return result;
}

struct Login
{
    int calls = 0;
    bool ok = false;
    QString message;
};

Login awaitLogin(XtreamClient& client, int timeoutMs = 5000)
{
    auto calls = std::make_shared<Login>();
    const Login login = awaitState<Login>(
        [&](const std::function<void(Login&)>& done) {
            client.testLogin([calls, done](bool ok, const QString& message) {
                ++calls->calls;
                calls->ok = ok;
                calls->message = message;
                done(*calls);
            });
        },
        timeoutMs);
    [&] { QCOMPARE(login.calls, 1); }();
    return login;
}

const QString kUnreachable = QStringLiteral("Could not reach server or invalid response");
const QString kAuthFailed =
    QStringLiteral("Authentication failed - check server URL, username, and password");

// An HTTPS server with a certificate made for this run that answers every request with a
// redirect to `target` + the request's path and query.
class TlsRedirector final : public QObject
{
public:
    QString error;

    bool start(const QString& target)
    {
        if (!QSslSocket::supportsSsl()) {
            error = QStringLiteral("no TLS backend");
            return false;
        }
        QProcess openssl;
        openssl.setWorkingDirectory(dir.path());
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                       QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                       QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                       QStringLiteral("-keyout"), QStringLiteral("key.pem"), QStringLiteral("-out"),
                       QStringLiteral("cert.pem"), QStringLiteral("-days"), QStringLiteral("2"),
                       QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                       QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1")});
        if (!openssl.waitForFinished(20000) || openssl.exitCode() != 0) {
            error = QStringLiteral("openssl could not make a certificate");
            return false;
        }
        const QList<QSslCertificate> certificates =
            QSslCertificate::fromPath(dir.filePath(QStringLiteral("cert.pem")));
        QFile keyFile(dir.filePath(QStringLiteral("key.pem")));
        if (certificates.isEmpty() || !keyFile.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("certificate unreadable");
            return false;
        }
        QSslConfiguration serverConfig = QSslConfiguration::defaultConfiguration();
        serverConfig.setLocalCertificate(certificates.first());
        serverConfig.setPrivateKey(QSslKey(keyFile.readAll(), QSsl::Ec));
        server.setSslConfiguration(serverConfig);

        // The client trusts this certificate for the rest of the run.
        QSslConfiguration clientConfig = QSslConfiguration::defaultConfiguration();
        clientConfig.addCaCertificate(certificates.first());
        QSslConfiguration::setDefaultConfiguration(clientConfig);

        connect(&server, &QTcpServer::pendingConnectionAvailable, this, [this, target]() {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [socket, target]() {
                    const QByteArray head = socket->peek(64 * 1024);
                    if (!head.contains("\r\n\r\n"))
                        return;
                    socket->readAll();
                    const QByteArray path = head.split(' ').value(1);
                    socket->write("HTTP/1.1 302 Found\r\nLocation: " + target.toUtf8() + path +
                                  "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        if (!server.listen(QHostAddress::LocalHost, 0)) {
            error = server.errorString();
            return false;
        }
        return true;
    }

    QString baseUrl() const
    {
        return QStringLiteral("https://127.0.0.1:%1").arg(server.serverPort());
    }

private:
    QTemporaryDir dir;
    QSslServer server;
};
} // namespace

class TestXtreamClient : public QObject
{
    Q_OBJECT

private:
    XtreamFixture xtream;
    XtreamFixture::Catalog catalog;

    QString apiTarget(const QString& query) const
    {
        return QStringLiteral("/player_api.php?") + query;
    }

private slots:
    void initTestCase()
    {
        catalog = XtreamFixture::generate(30, 60, 8);
        xtream.setCatalog(catalog);
        QVERIFY(xtream.start());
    }

    void init()
    {
        xtream.clearRequests();
        xtream.setCredentials(QStringLiteral("user"), QStringLiteral("pass"));
        xtream.setAccountStatus(QStringLiteral("Active"));
        for (const QString& action :
             {QString(), QStringLiteral("get_vod_streams"), QStringLiteral("get_live_streams"),
              QStringLiteral("get_vod_categories")})
            xtream.clearAnswer(action);
    }

    void requestUrls_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("extra");
        QTest::addColumn<QByteArray>("url");
        const QString base = QStringLiteral("http://h:1");
        QTest::newRow("login: no action")
            << base << QStringLiteral("p") << QString() << QString()
            << QByteArray("http://h:1/player_api.php?username=u&password=p");
        QTest::newRow("action after the credentials")
            << base << QStringLiteral("p") << QStringLiteral("get_live_streams") << QString()
            << QByteArray(
                   "http://h:1/player_api.php?username=u&password=p&action=get_live_streams");
        QTest::newRow("extra item last")
            << base << QStringLiteral("p") << QStringLiteral("get_vod_streams")
            << QStringLiteral("category_id=12")
            << QByteArray("http://h:1/player_api.php?username=u&password=p"
                          "&action=get_vod_streams&category_id=12");
        QTest::newRow("extra without = adds nothing")
            << base << QStringLiteral("p") << QStringLiteral("a") << QStringLiteral("category_id")
            << QByteArray("http://h:1/player_api.php?username=u&password=p&action=a");
        QTest::newRow("extra starting with = adds nothing")
            << base << QStringLiteral("p") << QStringLiteral("a") << QStringLiteral("=5")
            << QByteArray("http://h:1/player_api.php?username=u&password=p&action=a");
        QTest::newRow("empty value kept")
            << base << QStringLiteral("p") << QStringLiteral("a") << QStringLiteral("series_id=")
            << QByteArray("http://h:1/player_api.php?username=u&password=p&action=a&series_id=");
        QTest::newRow("split at the first =")
            << base << QStringLiteral("p") << QStringLiteral("a") << QStringLiteral("k=v=w")
            << QByteArray("http://h:1/player_api.php?username=u&password=p&action=a&k=v%3Dw");
        QTest::newRow("password characters reach the server as typed")
            << base << QStringLiteral("a+b%41&c d/é") << QString() << QString()
            << QByteArray(
                   "http://h:1/player_api.php?username=u&password=a%2Bb%2541%26c%20d%2F%C3%A9");
        QTest::newRow("base with a path")
            << QStringLiteral("https://h/sub") << QStringLiteral("p") << QString() << QString()
            << QByteArray("https://h/sub/player_api.php?username=u&password=p");
    }
    void requestUrls()
    {
        QFETCH(QString, base);
        QFETCH(QString, password);
        QFETCH(QString, action);
        QFETCH(QString, extra);
        QFETCH(QByteArray, url);
        QCOMPARE(XtreamClient::requestUrl(base, QStringLiteral("u"), password, action, extra)
                     .toEncoded(),
                 url);
    }

    // What the server receives for each operation, and the trailing-slash rule of configure.
    void queries()
    {
        XtreamClient client;
        client.configure(xtream.baseUrl() + u'/', xtream.username(), xtream.password());
        const QString credentials = QStringLiteral("username=user&password=pass");
        auto lastTarget = [this]() {
            return QString::fromLatin1(xtream.server().requests().last().target);
        };

        QVERIFY(awaitLogin(client).ok);
        QCOMPARE(lastTarget(), apiTarget(credentials));

        using Categories = QList<Category>;
        using Items = QList<MediaItem>;
        const QList<
            std::pair<std::function<void(std::function<void(const Categories&, bool)>)>, QString>>
            categoryCalls = {{[&](auto cb) { client.fetchLiveCategories(cb); },
                              QStringLiteral("&action=get_live_categories")},
                             {[&](auto cb) { client.fetchVodCategories(cb); },
                              QStringLiteral("&action=get_vod_categories")},
                             {[&](auto cb) { client.fetchSeriesCategories(cb); },
                              QStringLiteral("&action=get_series_categories")}};
        for (const auto& [start, query] : categoryCalls) {
            QVERIFY(await<Categories>(start).ok);
            QCOMPARE(lastTarget(), apiTarget(credentials + query));
        }
        const QList<
            std::pair<std::function<void(std::function<void(const Items&, bool)>)>, QString>>
            itemCalls = {{[&](auto cb) { client.fetchLiveStreams(QString(), cb); },
                          QStringLiteral("&action=get_live_streams")},
                         {[&](auto cb) { client.fetchLiveStreams(QStringLiteral("12"), cb); },
                          QStringLiteral("&action=get_live_streams&category_id=12")},
                         {[&](auto cb) { client.fetchVodStreams(QString(), cb); },
                          QStringLiteral("&action=get_vod_streams")},
                         {[&](auto cb) { client.fetchVodStreams(QStringLiteral("a&b"), cb); },
                          QStringLiteral("&action=get_vod_streams&category_id=a%26b")},
                         {[&](auto cb) { client.fetchSeries(QString(), cb); },
                          QStringLiteral("&action=get_series")},
                         {[&](auto cb) { client.fetchSeries(QStringLiteral("3"), cb); },
                          QStringLiteral("&action=get_series&category_id=3")}};
        for (const auto& [start, query] : itemCalls) {
            QVERIFY(await<Items>(start).ok);
            QCOMPARE(lastTarget(), apiTarget(credentials + query));
        }
        for (const QString& id : {QString(), QStringLiteral("7000")}) {
            QVERIFY(await<QList<Episode>>([&](auto cb) { client.fetchSeriesEpisodes(id, cb); }).ok);
            QCOMPARE(
                lastTarget(),
                apiTarget(credentials + QStringLiteral("&action=get_series_info&series_id=") + id));
        }

        // Credentials with "+", "%", "&" and spaces reach the server as typed.
        const QString user = QStringLiteral("us er+1");
        const QString password = QStringLiteral("a+b%41&c d/é");
        xtream.setCredentials(user, password);
        client.configure(xtream.baseUrl(), user, password);
        QVERIFY(awaitLogin(client).ok);
        QCOMPARE(lastTarget(), apiTarget(QStringLiteral(
                                   "username=us%20er%2B1&password=a%2Bb%2541%26c%20d%2F%C3%A9")));
    }

    void lists()
    {
        XtreamClient client;
        client.configure(xtream.baseUrl(), xtream.username(), xtream.password());
        auto checkCategories = [&](const Result<QList<Category>>& r,
                                   const QList<Category>& expected) {
            QVERIFY(r.ok);
            QVERIFY2(recorddiff::diff(r.list, expected).isEmpty(),
                     qPrintable(recorddiff::diff(r.list, expected)));
        };
        checkCategories(await<QList<Category>>([&](auto cb) { client.fetchLiveCategories(cb); }),
                        catalog.liveCategories);
        checkCategories(await<QList<Category>>([&](auto cb) { client.fetchVodCategories(cb); }),
                        catalog.vodCategories);
        checkCategories(await<QList<Category>>([&](auto cb) { client.fetchSeriesCategories(cb); }),
                        catalog.seriesCategories);
        auto checkItems = [&](const Result<QList<MediaItem>>& r, const QList<MediaItem>& expected) {
            QVERIFY(r.ok);
            QVERIFY2(recorddiff::diff(r.list, expected).isEmpty(),
                     qPrintable(recorddiff::diff(r.list, expected)));
        };
        checkItems(
            await<QList<MediaItem>>([&](auto cb) { client.fetchLiveStreams(QString(), cb); }),
            catalog.live);
        checkItems(await<QList<MediaItem>>([&](auto cb) { client.fetchVodStreams(QString(), cb); }),
                   catalog.movies);
        checkItems(await<QList<MediaItem>>([&](auto cb) { client.fetchSeries(QString(), cb); }),
                   catalog.series);
        const QString seriesId = catalog.series.at(3).id;
        const auto episodes =
            await<QList<Episode>>([&](auto cb) { client.fetchSeriesEpisodes(seriesId, cb); });
        QVERIFY(episodes.ok);
        QVERIFY2(recorddiff::diff(episodes.list, catalog.episodes.value(seriesId)).isEmpty(),
                 qPrintable(recorddiff::diff(episodes.list, catalog.episodes.value(seriesId))));

        // Failures: `ok` tells a failed request from a server that has nothing.
        struct Case
        {
            const char* name;
            Response response;
            bool ok;
            int count = 0;
        };
        const QList<Case> cases = {
            {"404", LoopbackHttpServer::status(404), false},
            {"500 with JSON", LoopbackHttpServer::json("[{\"stream_id\":1}]", 500), false},
            {"HTML with 200", LoopbackHttpServer::text("<html>busy</html>", "text/html"), false},
            {"dropped connection",
             [] {
                 Response r;
                 r.mode = Response::Mode::Drop;
                 return r;
             }(),
             false},
            {"cut short",
             [] {
                 Response r = LoopbackHttpServer::json("[{\"stream_id\":1},{\"stream_id\":2}]");
                 r.mode = Response::Mode::CutShort;
                 r.partialBytes = 10;
                 return r;
             }(),
             false},
            {"error object instead of a list", LoopbackHttpServer::json(R"({"user_info":{"auth":0}})"), false},
            {"array after white space", LoopbackHttpServer::json(" \n [{\"stream_id\":1}]"), true, 1},
            {"byte-order mark before the array",
             LoopbackHttpServer::json("\xEF\xBB\xBF[{\"stream_id\":1}]"), true, 1},
            {"empty array", LoopbackHttpServer::json("[]"), true}};
        for (const Case& c : cases) {
            xtream.setAnswer(QStringLiteral("get_vod_streams"), c.response);
            const auto r =
                await<QList<MediaItem>>([&](auto cb) { client.fetchVodStreams(QString(), cb); });
            QVERIFY2(r.list.size() == c.count, c.name);
            QVERIFY2(r.ok == c.ok, c.name);
        }
        xtream.clearAnswer(QStringLiteral("get_vod_streams"));

        // A wrong login gets the error object for every list.
        client.configure(xtream.baseUrl(), QStringLiteral("user"), QStringLiteral("wrong"));
        const auto refused =
            await<QList<MediaItem>>([&](auto cb) { client.fetchLiveStreams(QString(), cb); });
        QVERIFY(refused.list.isEmpty());
    }

    void loginVerdicts_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("message");
        auto info = [](const QByteArray& fields) -> QByteArray {
            return "{\"user_info\":{" + fields + "},\"server_info\":{}}";
        };
        QTest::newRow("Active") << info(R"("auth":1,"status":"Active")") << 200 << true
                                << QString();
        QTest::newRow("active in lower case")
            << info(R"("auth":1,"status":"active")") << 200 << true << QString();
        QTest::newRow("ACTIVE padded")
            << info(R"("auth":1,"status":"  ACTIVE ")") << 200 << true << QString();
        QTest::newRow("Trial") << info(R"("auth":1,"status":"Trial")") << 200 << true << QString();
        QTest::newRow("no status") << info(R"("auth":1)") << 200 << true << QString();
        QTest::newRow("auth as 1.0")
            << info(R"("auth":1.0,"status":"Active")") << 200 << true << QString();
        QTest::newRow("Expired")
            << info(R"("auth":1,"status":"Expired")") << 200 << false
            << QStringLiteral("This account is not active on that server (status: Expired)");
        QTest::newRow("status with %1 in it")
            << info(R"("auth":1,"status":"Banned %1 %2")") << 200 << false
            << QStringLiteral("This account is not active on that server (status: Banned %1 %2)");
        QTest::newRow("auth 0 with a message") << info(R"("auth":0,"message":"  Wrong password ")")
                                               << 200 << false << QStringLiteral("Wrong password");
        QTest::newRow("auth 0 without a message")
            << info(R"("auth":0)") << 200 << false << kAuthFailed;
        QTest::newRow("auth as the string 1")
            << info(R"("auth":"1","status":"Active")") << 200 << false << kAuthFailed;
        QTest::newRow("no user_info")
            << QByteArray(R"({"server_info":{}})") << 200 << false << kAuthFailed;
        QTest::newRow("user_info not an object")
            << QByteArray(R"({"user_info":[1]})") << 200 << false << kAuthFailed;
        QTest::newRow("JSON array") << QByteArray("[]") << 200 << false << kAuthFailed;
        QTest::newRow("HTML page with 200")
            << QByteArray("<html>login</html>") << 200 << false << kUnreachable;
        QTest::newRow("404") << QByteArray("Not found") << 404 << false << kUnreachable;
    }
    void loginVerdicts()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(bool, ok);
        QFETCH(QString, message);
        xtream.setAnswer(QString(), LoopbackHttpServer::json(body, status));
        XtreamClient client;
        client.configure(xtream.baseUrl(), xtream.username(), xtream.password());
        const Login login = awaitLogin(client);
        QCOMPARE(login.ok, ok);
        QCOMPARE(login.message, message);
    }

    void loginAgainstTheFixture()
    {
        XtreamClient client;
        client.configure(xtream.baseUrl(), QStringLiteral("user"), QStringLiteral("nope"));
        QCOMPARE(awaitLogin(client).message, kAuthFailed);
        xtream.setAccountStatus(QStringLiteral("Disabled"));
        client.configure(xtream.baseUrl(), QStringLiteral("user"), QStringLiteral("pass"));
        QCOMPARE(awaitLogin(client).message,
                 QStringLiteral("This account is not active on that server (status: Disabled)"));

        // The fixture also serves from a thread of its own.
        XtreamFixture threaded(true);
        threaded.setCatalog(XtreamFixture::generate(2, 3, 1));
        QVERIFY(threaded.start());
        client.configure(threaded.baseUrl(), threaded.username(), threaded.password());
        QVERIFY(awaitLogin(client).ok);
        QCOMPARE(await<QList<MediaItem>>([&](auto cb) {
                     client.fetchVodStreams(QString(), cb);
                 }).list.size(),
                 3);
        QCOMPARE(threaded.requestCount(QStringLiteral("get_vod_streams")), 1);

        // Nobody listening, no scheme, an unsupported scheme: failures, always reported later.
        LoopbackHttpServer closed;
        QVERIFY(closed.start());
        const QString closedUrl = closed.baseUrl();
        closed.stop();
        for (const QString& base :
             {closedUrl, QStringLiteral("127.0.0.1:1"), QStringLiteral("ftp://127.0.0.1:1")}) {
            client.configure(base, QStringLiteral("user"), QStringLiteral("pass"));
            const Login login = awaitLogin(client);
            QCOMPARE(login.ok, false);
            QCOMPARE(login.message, kUnreachable);
        }
    }

    void redirects()
    {
        // HTTP to HTTP on another port, with 301 and 302.
        for (const int status : {301, 302, 307}) {
            LoopbackHttpServer front;
            QVERIFY(front.start());
            front.route(QStringLiteral("/player_api.php"), [this, status](const Request& r) {
                return LoopbackHttpServer::redirect(
                    QUrl(xtream.baseUrl() + QString::fromLatin1(r.target)), status);
            });
            XtreamClient client;
            client.configure(front.baseUrl(), xtream.username(), xtream.password());
            QVERIFY(awaitLogin(client).ok);
            const auto movies =
                await<QList<MediaItem>>([&](auto cb) { client.fetchVodStreams(QString(), cb); });
            QVERIFY(movies.ok);
            QCOMPARE(movies.list.size(), catalog.movies.size());
        }

        // HTTPS to HTTP: a TLS server with a certificate made for this run redirects to the
        // plain server.
        TlsRedirector tls;
        if (!tls.start(xtream.baseUrl()))
            QSKIP(qPrintable(QStringLiteral("no local TLS server: ") + tls.error));
        XtreamClient client;
        client.configure(tls.baseUrl(), xtream.username(), xtream.password());
        const Login login = awaitLogin(client, 10000);
        QVERIFY2(login.ok, qPrintable(login.message));
        const auto live = await<QList<MediaItem>>(
            [&](auto cb) { client.fetchLiveStreams(QString(), cb); }, 10000);
        QVERIFY(live.ok);
        QCOMPARE(live.list.size(), catalog.live.size());
    }

    // Exactly once, never from inside the call, never after the client is gone.
    void callbackContract()
    {
        auto client = std::make_unique<XtreamClient>();
        client->configure(xtream.baseUrl(), xtream.username(), xtream.password());
        bool inside = false;
        int calls = 0;
        int insideCalls = 0;
        auto count = [&](const auto&, bool) {
            ++calls;
            insideCalls += inside;
        };
        inside = true;
        client->fetchLiveCategories(count);
        client->fetchLiveStreams(QString(), count);
        client->fetchVodCategories(count);
        client->fetchVodStreams(QString(), count);
        client->fetchSeriesCategories(count);
        client->fetchSeries(QString(), count);
        client->fetchSeriesEpisodes(QStringLiteral("1"), count);
        client->testLogin([&](bool, const QString&) {
            ++calls;
            insideCalls += inside;
        });
        inside = false;
        QTRY_COMPARE(calls, 8);
        QTest::qWait(100);
        QCOMPARE(calls, 8);
        QCOMPARE(insideCalls, 0);

        // Failing at once (no scheme) is still reported later.
        client->configure(QStringLiteral("nowhere"), QString(), QString());
        inside = true;
        client->fetchVodStreams(QString(), count);
        inside = false;
        QTRY_COMPARE(calls, 9);
        QCOMPARE(insideCalls, 0);

        // A client destroyed with requests in flight never calls back.
        xtream.setAnswer(QStringLiteral("get_vod_streams"), LoopbackHttpServer::stall());
        xtream.clearRequests();
        client->configure(xtream.baseUrl(), xtream.username(), xtream.password());
        client->fetchVodStreams(QString(), count);
        client->fetchVodStreams(QString(), count);
        QTRY_COMPARE(xtream.requestCount(QStringLiteral("get_vod_streams")), 2);
        client.reset();
        QTest::qWait(200);
        QCOMPARE(calls, 9);
    }

    void inactivityLimit()
    {
        XtreamClient client;
        client.configure(xtream.baseUrl(), xtream.username(), xtream.password());
        QCOMPARE(XtreamClient::kDefaultInactivityTimeoutMs, 30000);
        QCOMPARE(XtreamClient::kListInactivityTimeoutMs, 120000);
        const FasterTime faster(100); // 0.3 s, and 1.2 s for a stream list

        // A server that accepts and never answers fails after the limit: the longer one for a
        // stream list, the shorter one for the login and the categories.
        xtream.setAnswer(QStringLiteral("get_vod_streams"), LoopbackHttpServer::stall());
        QElapsedTimer timer;
        timer.start();
        const auto stalled =
            await<QList<MediaItem>>([&](auto cb) { client.fetchVodStreams(QString(), cb); });
        QVERIFY(!stalled.ok);
        QVERIFY(stalled.list.isEmpty());
        QVERIFY(timer.elapsed() >= 850);

        xtream.setAnswer(QString(), LoopbackHttpServer::stall());
        timer.restart();
        QCOMPARE(awaitLogin(client).message, kUnreachable);
        xtream.setAnswer(QStringLiteral("get_vod_categories"), LoopbackHttpServer::stall());
        QVERIFY(!await<QList<Category>>([&](auto cb) { client.fetchVodCategories(cb); }).ok);
        QVERIFY(timer.elapsed() < 850);

        // Headers, then silence mid-body.
        Response partial = LoopbackHttpServer::json(XtreamFixture::liveStreamsJson(catalog.live));
        partial.mode = Response::Mode::HeadersThenStall;
        partial.partialBytes = 100;
        xtream.setAnswer(QStringLiteral("get_live_streams"), partial);
        QVERIFY(
            !await<QList<MediaItem>>([&](auto cb) { client.fetchLiveStreams(QString(), cb); }).ok);

        // A slow body that keeps moving is never cut, though it takes longer than the limit.
        Response slow =
            LoopbackHttpServer::json(XtreamFixture::vodStreamsJson(catalog.movies.mid(0, 6)));
        slow.mode = Response::Mode::Trickle;
        slow.chunkBytes = int(slow.body.size() / 8 + 1);
        slow.chunkDelayMs = 120;
        xtream.setAnswer(QStringLiteral("get_vod_streams"), slow);
        timer.restart();
        const auto trickled =
            await<QList<MediaItem>>([&](auto cb) { client.fetchVodStreams(QString(), cb); });
        QVERIFY(timer.elapsed() > 600);
        QVERIFY(trickled.ok);
        QCOMPARE(trickled.list.size(), 6);
    }

    void bodyLimit()
    {
        XtreamClient client;
        client.configure(xtream.baseUrl(), xtream.username(), xtream.password());
        client.setMaxBodyBytes(256 * 1024);
        Response endless = LoopbackHttpServer::json("[");
        endless.mode = Response::Mode::Endless;
        endless.chunkBytes = 64 * 1024;
        endless.chunkDelayMs = 1;
        xtream.setAnswer(QStringLiteral("get_vod_streams"), endless);
        const auto r =
            await<QList<MediaItem>>([&](auto cb) { client.fetchVodStreams(QString(), cb); });
        QVERIFY(!r.ok);
        QVERIFY(r.list.isEmpty());
    }

    // VELMORA_NET_DEBUG is on for this whole test program (see main).
    void debugLines()
    {
        const QString password = QStringLiteral("s3+cr/t é");
        const QList<QByteArray> forms = {password.toUtf8(), QUrl::toPercentEncoding(password),
                                         "s3+cr\\/t \\u00e9", "s3%2Bcr"};
        auto leaks = [&](const QByteArray& text) {
            for (const QByteArray& form : forms) {
                if (text.contains(form))
                    return true;
            }
            return false;
        };
        xtream.setCredentials(QStringLiteral("user"), password);
        XtreamClient client;
        client.configure(xtream.baseUrl(), QStringLiteral("user"), password);
        const QByteArray base = xtream.baseUrl().toUtf8();

        {
            StderrCapture capture;
            QVERIFY(awaitLogin(client).ok); // the answer echoes the password
            const QList<QByteArray> lines = capture.lines();
            QCOMPARE(lines.size(), 2);
            QCOMPARE(lines[0],
                     "[Xtream] -> " + base + "/player_api.php?username=user&password=*** ");
            QVERIFY2(lines[1].startsWith("[Xtream] <- QVariant(int, 200) {"), lines[1].constData());
            QVERIFY(lines[1].contains("\"password\":\"***\""));
            QVERIFY2(!leaks(capture.text()), capture.text().constData());
        }
        {
            // A server escaping the way PHP does.
            xtream.setAnswer(QString(),
                             LoopbackHttpServer::json(
                                 R"({"user_info":{"auth":1,"password":"s3+cr\/t \u00e9"}})"));
            StderrCapture capture;
            QVERIFY(awaitLogin(client).ok);
            QVERIFY(capture.text().contains("\"password\":\"***\""));
            QVERIFY2(!leaks(capture.text()), capture.text().constData());
            xtream.clearAnswer(QString());
        }
        {
            // A long body is cut to 2000 bytes in the log only.
            StderrCapture capture;
            const auto movies =
                await<QList<MediaItem>>([&](auto cb) { client.fetchVodStreams(QString(), cb); });
            QCOMPARE(movies.list.size(), catalog.movies.size());
            const QByteArray body = XtreamFixture::vodStreamsJson(catalog.movies);
            QVERIFY(body.size() > 2000);
            const QList<QByteArray> lines = capture.lines();
            QCOMPARE(lines.size(), 2);
            QCOMPARE(lines[0],
                     "[Xtream] -> " + base +
                         "/player_api.php?username=user&password=***&action=get_vod_streams ");
            QCOMPARE(lines[1], "[Xtream] <- QVariant(int, 200) " +
                                   QString::fromUtf8(body.left(2000)).toUtf8() + ' ');
        }
        {
            // A password that runs across the cut leaves no piece of itself.
            QByteArray body = "[{\"name\":\"";
            body += QByteArray(1995 - body.size(), 'x') + password.toUtf8() + "\"}]";
            xtream.setAnswer(QStringLiteral("get_vod_streams"), LoopbackHttpServer::json(body));
            StderrCapture capture;
            QCOMPARE(await<QList<MediaItem>>([&](auto cb) {
                         client.fetchVodStreams(QString(), cb);
                     }).list.size(),
                     1);
            const QByteArray line = capture.lines().value(1);
            QVERIFY2(line.endsWith("xxx*** "), line.right(40).constData());
            QVERIFY(!line.contains("s3+c"));
            xtream.clearAnswer(QStringLiteral("get_vod_streams"));
        }
        {
            // Errors: the error text (which quotes the address) is masked too.
            xtream.setAnswer(QStringLiteral("get_vod_streams"), LoopbackHttpServer::status(404));
            StderrCapture capture;
            QVERIFY(!await<QList<MediaItem>>([&](auto cb) {
                         client.fetchVodStreams(QString(), cb);
                     }).ok);
            const QByteArray line = capture.lines().value(1);
            QVERIFY2(line.startsWith("[Xtream] <- error: "), line.constData());
            QVERIFY2(line.endsWith(" http status: QVariant(int, 404) "), line.constData());
            QVERIFY2(!leaks(capture.text()), capture.text().constData());
            xtream.clearAnswer(QStringLiteral("get_vod_streams"));
        }
        {
            // An empty password has nothing to hide.
            XtreamClient open;
            open.configure(xtream.baseUrl(), QStringLiteral("guest"), QString());
            StderrCapture capture;
            awaitLogin(open);
            QCOMPARE(capture.lines().value(0),
                     "[Xtream] -> " + base + "/player_api.php?username=guest&password= ");
        }
        {
            LoopbackHttpServer closed;
            QVERIFY(closed.start());
            const QString url = closed.baseUrl();
            closed.stop();
            client.configure(url, QStringLiteral("user"), password);
            StderrCapture capture;
            awaitLogin(client);
            const QByteArray line = capture.lines().value(1);
            QVERIFY2(line.startsWith("[Xtream] <- error: ") &&
                         line.endsWith(" http status: QVariant(Invalid) "),
                     line.constData());
        }
    }

    void streamUrls()
    {
        XtreamClient client;
        client.configure(QStringLiteral("http://h:8080/"), QStringLiteral("us/er"),
                         QStringLiteral("p%1ss"));
        QCOMPARE(client.liveStreamUrl(QStringLiteral("12"), QStringLiteral("m3u8")),
                 QStringLiteral("http://h:8080/live/us/er/p%1ss/12.m3u8"));
        QCOMPARE(client.movieStreamUrl(QStringLiteral("%2"), QStringLiteral("mkv")),
                 QStringLiteral("http://h:8080/movie/us/er/p%1ss/%2.mkv"));
        QCOMPARE(client.episodeStreamUrl(QStringLiteral("77"), QString()),
                 QStringLiteral("http://h:8080/series/us/er/p%1ss/77."));
        client.configure(QStringLiteral("http://h//"), QStringLiteral("u"), QString());
        QCOMPARE(client.liveStreamUrl(QStringLiteral("1"), QStringLiteral("ts")),
                 QStringLiteral("http://h//live/u//1.ts"));
        XtreamClient unconfigured;
        QCOMPARE(unconfigured.movieStreamUrl(QStringLiteral("1"), QStringLiteral("mp4")),
                 QStringLiteral("/movie///1.mp4"));
    }
};

VELMORA_TEST_MAIN_AFTER(TestXtreamClient, qputenv("VELMORA_NET_DEBUG", "1"))
#include "tst_xtreamclient.moc"
